#pragma once
#include <optional>
#include <string>

namespace zt {

// Removes leading and trailing characters up to and including the blank
// (spaces, tabs, line ends and other control characters).
std::string TrimBlanks(const std::string& text);

bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// A decimal integer with an optional sign and nothing else, within 32 bits.
std::optional<long> ParseDecimal(const std::string& text);

} // namespace zt
