#pragma once
// The computer's own IPv4 interfaces, as the system lists them.
#include <cstdint>
#include <string>

namespace zt {

struct ZtNetInterface {
    std::string address;
    std::string broadcastAddress;   // or the peer of a point-to-point link
    std::string reservedAddress;    // always empty
    std::string netmask;
    std::uint8_t up = 0;
    std::uint8_t broadcast = 0;
    std::uint8_t loopback = 0;
    std::uint8_t pointToPoint = 0;
    std::uint8_t multicast = 0;
};

inline constexpr int kMaxNetInterfaces = 10;

// Clears the 10 entries, fills them with the first IPv4 interfaces in the
// system's order and returns how many were filled (0 when the list cannot be read).
int GetNetInterfaces(ZtNetInterface (&interfaces)[kMaxNetInterfaces]);

} // namespace zt
