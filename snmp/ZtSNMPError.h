#pragma once
// The outcome of a request, as requests report it to their result handlers.
#include <cstdint>
#include <string>

namespace zt {

struct ZtSNMPError {
    std::int32_t code = 0;
    std::int32_t errorIndex = 0;
    std::string message;
    std::string address;
    std::uint16_t port = 0;
    std::uint8_t done = 0;
    std::uint64_t sequenceNumber = ~std::uint64_t{0};
};

} // namespace zt
