#include "snmp/IndexConversion.h"

#include <cstring>
#include <vector>

#include "common/DateTime.h"
#include "common/ErrorCatalogue.h"
#include "snmp/RawForm.h"
#include "snmp/TextForms.h"

namespace zt {
namespace {

using SubIds = std::vector<std::uint32_t>;

// Reads sub-identifiers from the front of an instance.
class SubIdReader {
public:
    explicit SubIdReader(SubIds ids) : ids_(std::move(ids)) {}
    std::uint32_t Next() { return at_ < ids_.size() ? ids_[at_++] : 0; }
    std::size_t Remaining() const { return ids_.size() - at_; }
    std::string Octets(std::size_t n)
    {
        std::string bytes;
        for (std::size_t k = 0; k < n; ++k)
            bytes += static_cast<char>(Next() & 0xFF);
        return bytes;
    }
    SubIds Take(std::size_t n)
    {
        SubIds taken;
        for (std::size_t k = 0; k < n; ++k)
            taken.push_back(Next());
        return taken;
    }
    // A length-prefixed run, or all that is left for an implied last key; a
    // length beyond what is left takes what is left.
    std::size_t RunLength(bool impliedLast)
    {
        if (impliedLast)
            return Remaining();
        const std::size_t n = Next();
        return n < Remaining() ? n : Remaining();
    }
    std::string Rest() const { return JoinDotted(SubIds(ids_.begin() + static_cast<long>(at_), ids_.end())); }

private:
    SubIds ids_;
    std::size_t at_ = 0;
};

bool IsImpliedLastKey(const ZtSNMPVarList& list, int i) { return list.IsImplied(i) && i + 1 == list.keyCount; }

std::string DoubleBytesFromWords(std::uint32_t low, std::uint32_t high)
{
    std::string raw;
    for (std::uint32_t word : {low, high})
        for (int k = 0; k < 4; ++k)
            raw += static_cast<char>((word >> (8 * k)) & 0xFF);
    return raw;
}

std::uint32_t Word(const std::string& raw, std::size_t at)
{
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<unsigned char>(raw[at + static_cast<std::size_t>(k)]);
    return v;
}

void AppendOctets(SubIds& ids, const std::string& bytes)
{
    for (unsigned char c : bytes)
        ids.push_back(c);
}

} // namespace

std::string DecodeIndex(ZtSNMPVarList& list, int i, const std::string& instance)
{
    ZtSNMPVarEntry& entry = list.Item(i);
    SubIdReader in(ParseDottedNumbers(instance));
    const bool impliedLast = IsImpliedLastKey(list, i);
    std::string value;
    switch (entry.syntax) {
    case syn::Boolean: value = in.Next() != 0 ? "true" : "false"; break;
    case syn::Integer: value = std::to_string(static_cast<std::int32_t>(in.Next())); break;
    case syn::Counter32: case syn::Gauge32: case syn::UInteger32: value = std::to_string(in.Next()); break;
    case syn::TimeTicks: value = PrintableTimeTicks(in.Next()); break;
    case syn::BitString: case syn::OctetString: case syn::Opaque:
        value = PrintableHex(in.Octets(in.RunLength(impliedLast)));
        break;
    case syn::DisplayString: {
        const std::string bytes = in.Octets(in.RunLength(impliedLast));
        value = bytes.substr(0, bytes.find('\0'));
        break;
    }
    case syn::ObjectId: value = JoinDotted(in.Take(in.RunLength(impliedLast))); break;
    case syn::Null: value = kNullText; break;
    case syn::IpAddress: case syn::NsapAddress: value = FromRaw(in.Octets(4), syn::IpAddress); break;
    case syn::Counter64: {
        const std::uint64_t high = in.Next();
        value = std::to_string((high << 32) | in.Next());
        break;
    }
    case syn::Double: case syn::DayCountDate: {
        const std::uint32_t low = in.Next();
        value = FromRaw(DoubleBytesFromWords(low, in.Next()), entry.syntax);
        break;
    }
    case syn::MacAddress: value = PrintableHex(in.Octets(6)); break;
    case syn::DateAndTime: value = ZtDateTime::FromWire(in.Octets(ZtDateTime::kWireSize)).ToText(); break;
    default: RaiseError(Catalogue::ZtSnmp, -511);
    }
    entry.value = entry.options ? entry.options->LabelOf(value) : value;
    return in.Rest();
}

std::string EncodeIndex(const ZtSNMPVarList& list, int i)
{
    const ZtSNMPVarEntry& entry = list.Item(i);
    const std::string text = entry.options ? entry.options->ValueOf(entry.value) : entry.value;
    const bool impliedLast = IsImpliedLastKey(list, i);
    SubIds ids;
    auto lengthFirst = [&](std::size_t n) {
        if (!impliedLast)
            ids.push_back(static_cast<std::uint32_t>(n));
    };
    switch (entry.syntax) {
    case syn::Boolean: ids.push_back(text == "true" ? 1 : 0); break;
    case syn::Integer: ids.push_back(static_cast<std::uint32_t>(ParseInt32(text))); break;
    case syn::Counter32: case syn::Gauge32: case syn::UInteger32: ids.push_back(ParseUInt32(text)); break;
    case syn::TimeTicks: ids.push_back(ParseTimeTicks(text)); break;
    case syn::BitString: case syn::OctetString: case syn::Opaque: case syn::DisplayString: {
        const std::string bytes = entry.syntax == syn::DisplayString ? text : FromHexString(text);
        lengthFirst(bytes.size());
        AppendOctets(ids, bytes);
        break;
    }
    case syn::ObjectId: {
        const SubIds oid = ParseDottedNumbers(text);
        lengthFirst(oid.size());
        ids.insert(ids.end(), oid.begin(), oid.end());
        break;
    }
    case syn::Null: break;
    case syn::IpAddress: case syn::NsapAddress: AppendOctets(ids, ToRaw(text, syn::IpAddress)); break;
    case syn::Counter64: {
        const std::uint64_t v = ParseUInt64(text);
        ids.push_back(static_cast<std::uint32_t>(v >> 32));
        ids.push_back(static_cast<std::uint32_t>(v));
        break;
    }
    case syn::Double: case syn::DayCountDate: {
        const std::string raw = ToRaw(text, entry.syntax);
        ids.push_back(Word(raw, 0));
        ids.push_back(Word(raw, 4));
        break;
    }
    case syn::MacAddress: {
        const std::string bytes = FromHexString(text);
        if (bytes.size() >= 6)
            AppendOctets(ids, bytes.substr(0, 6));
        break;
    }
    case syn::DateAndTime: AppendOctets(ids, ZtDateTime(text).ToWire()); break;
    default: RaiseError(Catalogue::ZtSnmp, -511);
    }
    return JoinDotted(ids);
}

} // namespace zt
