#pragma once
// TFTP datagrams (RFC 1350), as this server reads and writes them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zt::tftp {

enum Opcode : std::uint16_t { RRQ = 1, WRQ = 2, DATA = 3, ACK = 4, ERROR = 5 };

constexpr std::size_t kBlockSize = 512;
constexpr std::size_t kDatagramBuffer = 2048;

struct Request {
    std::uint16_t opcode = 0;
    std::string fileName;
    std::string mode;
};

std::uint16_t Opcode(const std::uint8_t* data);
std::uint16_t BlockNumber(const std::uint8_t* data);
// The file name and mode of a read or write request (strings end at a zero
// byte or at the end of the datagram).
Request ParseRequest(const std::uint8_t* data, std::size_t size);

std::string DataPacket(std::uint16_t block, const char* bytes, std::size_t size);
std::string AckPacket(std::uint16_t block);
// An error packet with an empty message.
std::string ErrorPacket(std::uint16_t code);

} // namespace zt::tftp
