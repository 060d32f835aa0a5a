#include "tftp/TftpPacket.h"

#include <cstring>

namespace zt::tftp {
namespace {

std::string Header(std::uint16_t opcode, std::uint16_t value)
{
    return {static_cast<char>(opcode >> 8), static_cast<char>(opcode & 0xFF), static_cast<char>(value >> 8),
            static_cast<char>(value & 0xFF)};
}

std::string ZeroTerminated(const std::uint8_t* data, std::size_t size, std::size_t& at)
{
    const std::size_t start = at;
    while (at < size && data[at] != 0)
        ++at;
    std::string text(reinterpret_cast<const char*>(data + start), at - start);
    if (at < size)
        ++at; // the zero
    return text;
}

} // namespace

std::uint16_t Opcode(const std::uint8_t* data) { return static_cast<std::uint16_t>((data[0] << 8) | data[1]); }
std::uint16_t BlockNumber(const std::uint8_t* data) { return static_cast<std::uint16_t>((data[2] << 8) | data[3]); }

Request ParseRequest(const std::uint8_t* data, std::size_t size)
{
    Request request;
    request.opcode = Opcode(data);
    std::size_t at = 2;
    request.fileName = ZeroTerminated(data, size, at);
    request.mode = ZeroTerminated(data, size, at);
    return request;
}

std::string DataPacket(std::uint16_t block, const char* bytes, std::size_t size)
{
    return Header(DATA, block) + std::string(bytes, size);
}

std::string AckPacket(std::uint16_t block) { return Header(ACK, block); }

std::string ErrorPacket(std::uint16_t code) { return Header(ERROR, code) + std::string(1, '\0'); }

} // namespace zt::tftp
