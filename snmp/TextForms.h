#pragma once
// The text forms values take in variable entries, and their parsers.
// Texts that cannot be read raise vcl::EConvertError.
#include <cstdint>
#include <string>
#include <vector>

namespace zt {

// Two upper-case hexadecimal digits per octet, no separators: 001122AABBCC.
std::string PrintableHex(const std::string& octets);
// Blanks are dropped; with an odd number of digits the first digit alone is
// the first octet; a character that is no hexadecimal digit counts as 0.
std::string FromHexString(const std::string& text);

// "1:02:03.04", "1 day 1:02:03.04", "5 days, 1:02:03.04".
std::string PrintableTimeTicks(std::uint32_t hundredths);
// The inverse; parts that are missing count as 0.
std::uint32_t ParseTimeTicks(const std::string& text);

// A day count since 30 December 1899 (fraction: time of day) as
// "yyyy/mm/dd hh:nn:ss am/pm". Raises -518 for a value outside years 1 to 9999.
std::string FormatDayCountDate(double days);
// "yyyy/mm/dd", optionally followed by "hh:nn", ":ss" and "am" or "pm".
double ParseDayCountDate(const std::string& text);

std::string FormatDouble(double value);
double ParseDouble(const std::string& text);

std::int32_t ParseInt32(const std::string& text);
std::uint32_t ParseUInt32(const std::string& text);
std::uint64_t ParseUInt64(const std::string& text);

// "1.3.6.1" (a leading dot is allowed) to its numbers, and back.
std::vector<std::uint32_t> ParseDottedNumbers(const std::string& text);
std::string JoinDotted(const std::vector<std::uint32_t>& numbers);

} // namespace zt
