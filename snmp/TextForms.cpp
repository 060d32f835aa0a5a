#include "snmp/TextForms.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/ErrorCatalogue.h"
#include "common/TextUtil.h"
#include "vcl/core/Exception.h"

namespace zt {
namespace {

constexpr std::uint32_t kTicksPerDay = 8640000;
constexpr std::uint32_t kTicksPerHour = 360000;
constexpr std::uint32_t kTicksPerMinute = 6000;
constexpr std::uint32_t kTicksPerSecond = 100;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

[[noreturn]] void NotA(const std::string& text, const char* what)
{
    throw vcl::EConvertError("'" + text + "' is not a valid " + what);
}

// The leading decimal number of a text (after blanks), 0 when there is none.
std::uint64_t LeadingNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    return value;
}

// Days since 30 December 1899 <-> civil date (proleptic Gregorian).
constexpr std::int64_t kUnixEpochDayCount = 25569; // 1970-01-01

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468 + kUnixEpochDayCount;
}

void CivilFromDays(std::int64_t dayCount, std::int64_t& y, unsigned& m, unsigned& d)
{
    const std::int64_t z = dayCount - kUnixEpochDayCount + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

unsigned DaysInMonth(std::int64_t y, unsigned m)
{
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}

const double kFirstDay = static_cast<double>(DaysFromCivil(1, 1, 1));
const double kLastDay = static_cast<double>(DaysFromCivil(9999, 12, 31)) + 1.0;

} // namespace

std::string PrintableHex(const std::string& octets)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        text += digits[c >> 4];
        text += digits[c & 0x0F];
    }
    return text;
}

std::string FromHexString(const std::string& text)
{
    std::string digits;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            digits += c;
    }
    std::string octets;
    std::size_t i = 0;
    if (digits.size() % 2 == 1)
        octets += static_cast<char>(HexDigit(digits[i++]));
    for (; i + 1 < digits.size(); i += 2)
        octets += static_cast<char>(HexDigit(digits[i]) * 16 + HexDigit(digits[i + 1]));
    return octets;
}

std::string PrintableTimeTicks(std::uint32_t ticks)
{
    const unsigned long days = ticks / kTicksPerDay;
    const unsigned long hours = ticks % kTicksPerDay / kTicksPerHour;
    const unsigned long minutes = ticks % kTicksPerHour / kTicksPerMinute;
    const unsigned long seconds = ticks % kTicksPerMinute / kTicksPerSecond;
    const unsigned long hundredths = ticks % kTicksPerSecond;
    char buffer[64];
    if (days == 0)
        std::snprintf(buffer, sizeof buffer, "%lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else if (days == 1)
        std::snprintf(buffer, sizeof buffer, "1 day %lu:%02lu:%02lu.%02lu", hours, minutes, seconds, hundredths);
    else
        std::snprintf(buffer, sizeof buffer, "%lu days, %lu:%02lu:%02lu.%02lu", days, hours, minutes, seconds,
                      hundredths);
    return buffer;
}

std::uint32_t ParseTimeTicks(const std::string& text)
{
    std::string rest = text;
    std::uint64_t days = 0;
    if (const auto at = rest.find("day"); at != std::string::npos) {
        days = LeadingNumber(rest.substr(0, at));
        rest = rest.substr(at + 3);
        if (!rest.empty() && rest[0] == 's')
            rest = rest.substr(1);
        if (const auto comma = rest.find(','); comma != std::string::npos)
            rest = rest.substr(comma + 1);
    }
    std::uint64_t hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    if (const auto c1 = rest.find(':'); c1 != std::string::npos) {
        hours = LeadingNumber(rest.substr(0, c1));
        rest = rest.substr(c1 + 1);
        if (const auto c2 = rest.find(':'); c2 != std::string::npos) {
            minutes = LeadingNumber(rest.substr(0, c2));
            rest = rest.substr(c2 + 1);
            if (const auto dot = rest.find('.'); dot != std::string::npos) {
                seconds = LeadingNumber(rest.substr(0, dot));
                hundredths = LeadingNumber(rest.substr(dot + 1));
            } else {
                seconds = LeadingNumber(rest);
            }
        } else {
            minutes = LeadingNumber(rest);
        }
    }
    const std::uint64_t total = days * kTicksPerDay + hours * kTicksPerHour + minutes * kTicksPerMinute +
                                seconds * kTicksPerSecond + hundredths;
    return static_cast<std::uint32_t>(total);
}

std::string FormatDayCountDate(double days)
{
    if (!std::isfinite(days) || days < kFirstDay || days >= kLastDay)
        RaiseError(Catalogue::ZtSnmp, -518);
    std::int64_t dayCount = static_cast<std::int64_t>(std::trunc(days));
    std::int64_t ms = std::llround(std::fabs(days - std::trunc(days)) * 86400000.0);
    if (ms >= 86400000) {
        ms -= 86400000;
        ++dayCount;
    }
    std::int64_t y;
    unsigned m, d;
    CivilFromDays(dayCount, y, m, d);
    const long secondsOfDay = static_cast<long>(ms / 1000);
    const long hour24 = secondsOfDay / 3600;
    const long hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04lld/%02u/%02u %02ld:%02ld:%02ld %s", static_cast<long long>(y), m, d,
                  hour12, secondsOfDay / 60 % 60, secondsOfDay % 60, hour24 < 12 ? "am" : "pm");
    return buffer;
}

double ParseDayCountDate(const std::string& text)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, consumed = 0;
    const std::string trimmed = TrimBlanks(text);
    const char* p = trimmed.c_str();
    char sep1 = 0, sep2 = 0;
    if (std::sscanf(p, "%d%c%d%c%d%n", &y, &sep1, &mo, &sep2, &d, &consumed) != 5 || sep1 != sep2 ||
        (sep1 != '/' && sep1 != '-'))
        NotA(text, "date and time");
    p += consumed;
    bool hasTime = false;
    if (std::sscanf(p, " %d:%d%n", &h, &mi, &consumed) == 2) {
        hasTime = true;
        p += consumed;
        if (std::sscanf(p, ":%d%n", &s, &consumed) == 1)
            p += consumed;
    }
    std::string suffix = TrimBlanks(p);
    if (hasTime && (EqualsIgnoringCase(suffix, "am") || EqualsIgnoringCase(suffix, "pm"))) {
        if (h < 1 || h > 12)
            NotA(text, "date and time");
        h = h % 12 + (EqualsIgnoringCase(suffix, "pm") ? 12 : 0);
        suffix.clear();
    }
    if (!suffix.empty() || y < 1 || y > 9999 || mo < 1 || mo > 12 || d < 1 ||
        static_cast<unsigned>(d) > DaysInMonth(y, static_cast<unsigned>(mo)) || h < 0 || h > 23 || mi < 0 ||
        mi > 59 || s < 0 || s > 59)
        NotA(text, "date and time");
    const double dayCount = static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d)));
    const double fraction = (h * 3600.0 + mi * 60.0 + s) / 86400.0;
    return dayCount >= 0 ? dayCount + fraction : dayCount - fraction;
}

std::string FormatDouble(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

double ParseDouble(const std::string& text)
{
    const std::string t = TrimBlanks(text);
    double value = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || ptr != t.data() + t.size())
        NotA(text, "floating point value");
    return value;
}

std::int32_t ParseInt32(const std::string& text)
{
    const auto value = ParseDecimal(text);
    if (!value)
        NotA(text, "integer value");
    return static_cast<std::int32_t>(*value);
}

std::uint32_t ParseUInt32(const std::string& text)
{
    const std::uint64_t value = ParseUInt64(text);
    if (value > 0xFFFFFFFFull)
        NotA(text, "unsigned 32-bit value");
    return static_cast<std::uint32_t>(value);
}

std::uint64_t ParseUInt64(const std::string& text)
{
    std::uint64_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (first == last || ec != std::errc() || ptr != last)
        NotA(text, "unsigned integer value");
    return value;
}

std::vector<std::uint32_t> ParseDottedNumbers(const std::string& text)
{
    std::vector<std::uint32_t> numbers;
    std::size_t i = (!text.empty() && text[0] == '.') ? 1 : 0;
    if (i >= text.size())
        return numbers;
    while (true) {
        const auto dot = text.find('.', i);
        const std::string part = text.substr(i, dot == std::string::npos ? std::string::npos : dot - i);
        std::uint32_t value = 0;
        auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || ec != std::errc() || ptr != part.data() + part.size())
            NotA(text, "dotted number text");
        numbers.push_back(value);
        if (dot == std::string::npos)
            break;
        i = dot + 1;
    }
    return numbers;
}

std::string JoinDotted(const std::vector<std::uint32_t>& numbers)
{
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(numbers[i]);
    }
    return text;
}

} // namespace zt
