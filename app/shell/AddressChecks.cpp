#include "app/shell/AddressChecks.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <optional>

#include "common/TextUtil.h"
#include "vcl/Dialogs.h"

namespace app {
namespace {

// The four numbers of a dotted text, split at its first three dots; nullopt
// when the dot and blank rules fail or a part is not a decimal number.
std::optional<std::array<long, 4>> Octets(const std::string& text)
{
    int dots = 0;
    for (char c : text) {
        if (c == '.')
            ++dots;
        if (c == ' ')
            return std::nullopt;
    }
    if (dots != 3 || text.empty() || text.front() == '.' || text.find('.') == text.size() - 1)
        return std::nullopt;
    std::array<long, 4> numbers{};
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t dot = i < 3 ? text.find('.', start) : text.size();
        const auto number = zt::ParseDecimal(text.substr(start, dot - start));
        if (!number)
            return std::nullopt;
        numbers[static_cast<std::size_t>(i)] = *number;
        start = dot + 1;
    }
    return numbers;
}

std::uint32_t ToBits(const std::array<long, 4>& n)
{
    return (static_cast<std::uint32_t>(n[0] & 0xFF) << 24) | (static_cast<std::uint32_t>(n[1] & 0xFF) << 16) |
           (static_cast<std::uint32_t>(n[2] & 0xFF) << 8) | static_cast<std::uint32_t>(n[3] & 0xFF);
}

bool InRange(long v, long low, long high) { return v >= low && v <= high; }

} // namespace

bool CheckIPAddress(const std::string& text)
{
    const auto n = Octets(text);
    return n && InRange((*n)[0], 1, 223) && (*n)[0] != 127 && InRange((*n)[1], 0, 255) && InRange((*n)[2], 0, 255) &&
           InRange((*n)[3], 0, 254);
}

bool CheckSubnetMask(const std::string& text)
{
    const auto n = Octets(text);
    if (!n || !InRange((*n)[0], 1, 255))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!InRange((*n)[static_cast<std::size_t>(i)], 0, 255) || (*n)[static_cast<std::size_t>(i)] == 1)
            return false;
    }
    const std::uint32_t mask = ToBits(*n);
    const std::uint32_t inverted = ~mask;
    const bool contiguous = (inverted & (inverted + 1)) == 0;
    return contiguous && (mask & 0x40000000u) && !(mask & 1u);
}

bool CheckHostInSubnet(const std::string& address, const std::string& mask)
{
    const auto a = Octets(address);
    const auto m = Octets(mask);
    if (!a || !m)
        return false;
    const std::uint32_t A = ToBits(*a);
    const std::uint32_t M = ToBits(*m);
    const std::uint32_t network = A & M;
    return network != 0 && network != M && (A | M) != M && (A | M) != 0xFFFFFFFFu;
}

std::string GetNetworkAddress(const std::string& address, const std::string& mask)
{
    auto parts = [](const std::string& text) {
        std::array<long, 4> n{};
        std::size_t start = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t dot = text.find('.', start);
            const auto number = zt::ParseDecimal(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
            n[i] = number ? *number : 0;
            if (dot == std::string::npos)
                break;
            start = dot + 1;
        }
        return n;
    };
    const auto a = parts(address);
    const auto m = parts(mask);
    std::string text;
    for (std::size_t i = 0; i < 4; ++i)
        text += (i ? "." : "") + std::to_string(a[i] & m[i]);
    return text;
}

bool CheckBlanks(const std::string& text)
{
    if (text.empty())
        return false;
    const auto blank = text.find(' ');
    return blank == std::string::npos || (blank != 0 && blank != text.size() - 1);
}

bool IsAsciiText(const std::string& text)
{
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

bool CheckMACAddress(const std::string& text)
{
    const bool ok = !text.empty() && text != "000000000000" && text.size() >= 2 &&
                    std::string("13579BDFbdf").find(text[1]) == std::string::npos;
    if (!ok)
        vcl::MessageBox("Invalid MAC Address.", "Warning", vcl::TMsgButtons::Ok, vcl::TMsgIcon::Warning);
    return ok;
}

} // namespace app
