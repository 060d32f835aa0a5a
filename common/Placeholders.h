#pragma once
#include <string>
#include <utility>
#include <vector>

namespace zt {

// Pairs of placeholder (with its brackets, "[MIN]") and the value that replaces it.
using Placeholders = std::vector<std::pair<std::string, std::string>>;

// Replaces every occurrence of each placeholder, left to right in one pass, so
// text that a value brings in is never scanned again.
std::string ExpandPlaceholders(const std::string& text, const Placeholders& values);

} // namespace zt
