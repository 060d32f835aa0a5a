#include "common/DateTime.h"

#include <cstdio>
#include <ctime>

namespace zt {

ZtDateTime::ZtDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    year = static_cast<std::uint16_t>(local.tm_year + 1900);
    month = static_cast<std::uint8_t>(local.tm_mon + 1);
    day = static_cast<std::uint8_t>(local.tm_mday);
    hour = static_cast<std::uint8_t>(local.tm_hour);
    minutes = static_cast<std::uint8_t>(local.tm_min);
    seconds = static_cast<std::uint8_t>(local.tm_sec);
}

ZtDateTime::ZtDateTime(const std::string& text)
{
    int f[9] = {};
    char dir = '+';
    // A zone is taken when the text gets as far as its hours.
    if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6],
                    &f[7], &f[8]) < 8) {
        int g[9] = {};
        if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &g[0], &g[1], &g[2], &g[3], &g[4], &g[5],
                        &g[6], &g[7], &g[8]) >= 8) {
            dir = '-';
            for (int i = 0; i < 9; ++i) f[i] = g[i];
        } else {
            for (int& v : f) v = 0;
            std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]);
        }
    }
    year = static_cast<std::uint16_t>(f[0]);
    month = static_cast<std::uint8_t>(f[1]);
    day = static_cast<std::uint8_t>(f[2]);
    hour = static_cast<std::uint8_t>(f[3]);
    minutes = static_cast<std::uint8_t>(f[4]);
    seconds = static_cast<std::uint8_t>(f[5]);
    deciSeconds = static_cast<std::uint8_t>(f[6]);
    direction = dir;
    utcHours = static_cast<std::uint8_t>(f[7]);
    utcMinutes = static_cast<std::uint8_t>(f[8]);
}

std::string ZtDateTime::ToText() const
{
    char buffer[96];
    if ((utcHours != 0 || utcMinutes != 0) && (direction == '+' || direction == '-')) {
        std::snprintf(buffer, sizeof buffer, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", year, month, day, hour, minutes, seconds,
                      deciSeconds, direction, utcHours, utcMinutes);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes, seconds,
                      deciSeconds);
    }
    return buffer;
}

std::string ZtDateTime::ToWire() const
{
    std::string bytes(kWireSize, '\0');
    bytes[0] = static_cast<char>(year >> 8);
    bytes[1] = static_cast<char>(year & 0xFF);
    bytes[2] = static_cast<char>(month);
    bytes[3] = static_cast<char>(day);
    bytes[4] = static_cast<char>(hour);
    bytes[5] = static_cast<char>(minutes);
    bytes[6] = static_cast<char>(seconds);
    bytes[7] = static_cast<char>(deciSeconds);
    bytes[8] = direction;
    bytes[9] = static_cast<char>(utcHours);
    bytes[10] = static_cast<char>(utcMinutes);
    return bytes;
}

ZtDateTime ZtDateTime::FromWire(const std::string& bytes)
{
    auto at = [&](std::size_t i) { return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t{0}; };
    ZtDateTime value{Empty{}};
    value.year = static_cast<std::uint16_t>((at(0) << 8) | at(1));
    value.month = at(2);
    value.day = at(3);
    value.hour = at(4);
    value.minutes = at(5);
    value.seconds = at(6);
    value.deciSeconds = at(7);
    value.direction = static_cast<char>(at(8));
    value.utcHours = at(9);
    value.utcMinutes = at(10);
    return value;
}

void ZtDateTime::SwapYear()
{
    year = static_cast<std::uint16_t>((year >> 8) | (year << 8));
}

} // namespace zt
