#include "common/TextUtil.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace zt {

std::string TrimBlanks(const std::string& text)
{
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<long> ParseDecimal(const std::string& text)
{
    std::size_t start = (!text.empty() && text[0] == '+') ? 1 : 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    if (first == last || (start == 1 && *first == '-'))
        return std::nullopt;
    std::int32_t value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

} // namespace zt
