#pragma once
// The SNMP DateAndTime value: eleven bytes, the year in host order inside the
// object and big-endian on the wire.
#include <cstdint>
#include <string>

namespace zt {

class ZtDateTime {
public:
    static constexpr std::size_t kWireSize = 11;

    // The local date and time now, without deci-seconds and zone.
    ZtDateTime();
    // "2010-8-13,10:20:30.0,+8:0", "...,-5:30" or "2010-8-13,10:20:30.0";
    // fields the text does not give are 0.
    explicit ZtDateTime(const std::string& text);

    std::string ToText() const;

    // The eleven bytes as they travel (year big-endian), and back; missing
    // bytes of a short value count as 0.
    std::string ToWire() const;
    static ZtDateTime FromWire(const std::string& bytes);

    // Swaps the year's two bytes (host order <-> wire order).
    void SwapYear();

    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t deciSeconds = 0;
    char direction = '+';
    std::uint8_t utcHours = 0;
    std::uint8_t utcMinutes = 0;

private:
    struct Empty {};
    explicit ZtDateTime(Empty) {}
};

} // namespace zt
