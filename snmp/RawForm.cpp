#include "snmp/RawForm.h"

#include <cstring>
#include <limits>

#include "common/DateTime.h"
#include "common/ErrorCatalogue.h"
#include "common/TextUtil.h"
#include "snmp/Syntax.h"
#include "snmp/TextForms.h"

namespace zt {
namespace {

constexpr std::size_t kRest = std::numeric_limits<std::size_t>::max();

[[noreturn]] void BadSyntax() { RaiseError(Catalogue::ZtSnmp, -511); }

// Bytes a value of the syntax needs; kRest: all there is; 0: none.
std::size_t PartSize(std::uint32_t syntax)
{
    switch (syntax) {
    case syn::Boolean: case syn::Integer: case syn::IpAddress: case syn::Counter32: case syn::Gauge32:
    case syn::TimeTicks: case syn::NsapAddress: case syn::UInteger32:
        return 4;
    case syn::Counter64: case syn::Double: case syn::DayCountDate: return 8;
    case syn::MacAddress: return 6;
    case syn::DateAndTime: return ZtDateTime::kWireSize;
    case syn::PartBool8: case syn::PartInt8: case syn::PartUInt8: return 1;
    case syn::PartBool16: case syn::PartUInt16: case syn::PartUInt16b: return 2;
    case syn::BitString: case syn::OctetString: case syn::ObjectId: case syn::Opaque: case syn::DisplayString:
        return kRest;
    case syn::Null: return 0;
    default: BadSyntax();
    }
}

std::string LittleEndian32(std::uint32_t v)
{
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

std::uint32_t ReadLittleEndian32(const std::string& raw, std::size_t at = 0)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(raw[at + static_cast<std::size_t>(i)]);
    return v;
}

std::string BigEndian16(std::uint32_t v)
{
    return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}

std::string DoubleBytes(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return LittleEndian32(static_cast<std::uint32_t>(bits)) + LittleEndian32(static_cast<std::uint32_t>(bits >> 32));
}

double ReadDouble(const std::string& raw)
{
    const std::uint64_t bits = ReadLittleEndian32(raw) | (static_cast<std::uint64_t>(ReadLittleEndian32(raw, 4)) << 32);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint8_t Byte(const std::string& raw, std::size_t at) { return static_cast<std::uint8_t>(raw[at]); }

std::uint32_t LowBits(const std::string& text) { return static_cast<std::uint32_t>(ParseInt32(text)); }

} // namespace

std::string ToRaw(const std::string& text, std::uint32_t syntax)
{
    PartSize(syntax); // refuses unknown syntaxes before anything else
    if (text == kNullText)
        return {};
    switch (syntax) {
    case syn::Boolean: return LittleEndian32(text == "true" ? 1 : 0);
    case syn::Integer: return LittleEndian32(static_cast<std::uint32_t>(ParseInt32(text)));
    case syn::Counter32: case syn::Gauge32: case syn::UInteger32: return LittleEndian32(ParseUInt32(text));
    case syn::BitString: case syn::OctetString: case syn::Opaque: case syn::MacAddress: return FromHexString(text);
    case syn::Null: return {};
    case syn::ObjectId: {
        std::string raw;
        for (std::uint32_t n : ParseDottedNumbers(text))
            raw += LittleEndian32(n);
        return raw;
    }
    case syn::IpAddress: case syn::NsapAddress: {
        // Each dotted component gives its low byte: 192.168.1.300 is 192.168.1.44,
        // and a text of three components gives three bytes.
        std::string raw;
        for (std::uint32_t n : ParseDottedNumbers(text))
            raw += static_cast<char>(n & 0xFF);
        return raw;
    }
    case syn::TimeTicks: return LittleEndian32(ParseTimeTicks(text));
    case syn::Counter64: {
        const std::uint64_t v = ParseUInt64(text);
        return LittleEndian32(static_cast<std::uint32_t>(v)) + LittleEndian32(static_cast<std::uint32_t>(v >> 32));
    }
    case syn::Double: return DoubleBytes(ParseDouble(text));
    case syn::DayCountDate: return DoubleBytes(ParseDayCountDate(text));
    case syn::DateAndTime: return ZtDateTime(text).ToWire();
    case syn::DisplayString: return text;
    case syn::PartBool8: return std::string(1, text == "true" ? '\1' : '\0');
    case syn::PartInt8: case syn::PartUInt8: return std::string(1, static_cast<char>(LowBits(text) & 0xFF));
    case syn::PartBool16: return BigEndian16(text == "true" ? 1 : 0);
    case syn::PartUInt16: case syn::PartUInt16b: return BigEndian16(LowBits(text) & 0xFFFF);
    }
    BadSyntax();
}

std::string FromRaw(const std::string& raw, std::uint32_t syntax)
{
    const std::size_t needed = PartSize(syntax);
    if (raw.empty())
        return syntax == syn::DisplayString ? std::string{} : std::string(kNullText);
    if (needed != kRest && raw.size() < needed)
        RaiseError(Catalogue::ZtSnmp, -518);
    switch (syntax) {
    case syn::Boolean: return ReadLittleEndian32(raw) != 0 ? "true" : "false";
    case syn::Integer: return std::to_string(static_cast<std::int32_t>(ReadLittleEndian32(raw)));
    case syn::Counter32: case syn::Gauge32: case syn::UInteger32: return std::to_string(ReadLittleEndian32(raw));
    case syn::TimeTicks: return PrintableTimeTicks(ReadLittleEndian32(raw));
    case syn::IpAddress: case syn::NsapAddress:
        return std::to_string(Byte(raw, 0)) + "." + std::to_string(Byte(raw, 1)) + "." + std::to_string(Byte(raw, 2)) +
               "." + std::to_string(Byte(raw, 3));
    case syn::Counter64:
        return std::to_string(ReadLittleEndian32(raw) | (static_cast<std::uint64_t>(ReadLittleEndian32(raw, 4)) << 32));
    case syn::Double: return FormatDouble(ReadDouble(raw));
    case syn::DayCountDate: return FormatDayCountDate(ReadDouble(raw));
    case syn::BitString: case syn::OctetString: case syn::Opaque: case syn::MacAddress: return PrintableHex(raw);
    case syn::ObjectId: {
        std::vector<std::uint32_t> numbers;
        for (std::size_t at = 0; at + 4 <= raw.size(); at += 4)
            numbers.push_back(ReadLittleEndian32(raw, at));
        return JoinDotted(numbers);
    }
    case syn::DateAndTime: return ZtDateTime::FromWire(raw).ToText();
    case syn::DisplayString: return raw.substr(0, raw.find('\0'));
    case syn::Null: return kNullText;
    case syn::PartBool8: return Byte(raw, 0) != 0 ? "true" : "false";
    case syn::PartInt8: return std::to_string(static_cast<std::int8_t>(Byte(raw, 0)));
    case syn::PartUInt8: return std::to_string(Byte(raw, 0));
    case syn::PartBool16: return (Byte(raw, 0) | Byte(raw, 1)) != 0 ? "true" : "false";
    case syn::PartUInt16: case syn::PartUInt16b: return std::to_string((Byte(raw, 0) << 8) | Byte(raw, 1));
    }
    BadSyntax();
}

std::string ExtractPart(const std::string& raw, std::size_t offset, std::uint32_t partSyntax)
{
    const std::size_t size = PartSize(partSyntax);
    if (raw.empty() || size == 0)
        return {};
    if (size == kRest)
        return offset < raw.size() ? raw.substr(offset) : std::string{};
    if (offset > raw.size() || raw.size() - offset < size)
        RaiseError(Catalogue::ZtSnmp, -519);
    return raw.substr(offset, size);
}

std::string MergePart(std::string raw, std::size_t offset, const std::string& part, std::uint32_t valueSyntax)
{
    if (raw.size() < offset + part.size())
        raw.resize(offset + part.size(), '\0');
    raw.replace(offset, part.size(), part);
    return FromRaw(raw, valueSyntax);
}

bool IsBitSet(const std::string& raw, std::size_t bit)
{
    if (bit / 8 >= raw.size())
        RaiseError(Catalogue::ZtSnmp, -519);
    return (Byte(raw, bit / 8) & (0x80u >> (bit % 8))) != 0;
}

void SetBit(std::string& raw, std::size_t bit, bool on)
{
    if (bit / 8 >= raw.size())
        raw.resize(bit / 8 + 1, '\0');
    const auto mask = static_cast<unsigned char>(0x80u >> (bit % 8));
    auto& byte = reinterpret_cast<unsigned char&>(raw[bit / 8]);
    byte = on ? static_cast<unsigned char>(byte | mask) : static_cast<unsigned char>(byte & ~mask);
}

} // namespace zt
