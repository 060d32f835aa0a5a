#include "snmp/VarbindConversion.h"

#include <cstring>
#include <string>
#include <vector>

#include "common/DateTime.h"
#include "common/ErrorCatalogue.h"
#include "snmp/RawForm.h"
#include "snmp/TextForms.h"
#include "vcl/core/Exception.h"

namespace zt {
namespace {

bool IsIntegerType(u_char type)
{
    return type == ASN_INTEGER || type == ASN_COUNTER || type == ASN_GAUGE || type == ASN_TIMETICKS ||
           type == ASN_UINTEGER;
}

bool IsOctetType(u_char type)
{
    return type == ASN_OCTET_STR || type == ASN_OPAQUE || type == ASN_BIT_STR || type == ASN_IPADDRESS ||
           type == ASN_NSAP;
}

bool IsHexSyntax(std::uint32_t syntax)
{
    return syntax == syn::BitString || syntax == syn::OctetString || syntax == syn::Opaque ||
           syntax == syn::MacAddress;
}

std::string Octets(const netsnmp_variable_list& b)
{
    if (!IsOctetType(b.type) || !b.val.string)
        return {};
    return std::string(reinterpret_cast<const char*>(b.val.string), b.val_len);
}

// What the value looks like printed: empty for NULL, the SNMPv2 exceptions and
// empty strings.
bool PrintsEmpty(const netsnmp_variable_list& b)
{
    if (b.type == ASN_NULL || b.type == SNMP_NOSUCHOBJECT || b.type == SNMP_NOSUCHINSTANCE ||
        b.type == SNMP_ENDOFMIBVIEW)
        return true;
    if (IsOctetType(b.type))
        return b.val_len == 0;
    if (b.type == ASN_OBJECT_ID)
        return b.val_len == 0;
    return false;
}

std::string PaddedOctets(const netsnmp_variable_list& b, std::size_t size)
{
    std::string bytes = Octets(b);
    if (bytes.size() < size)
        bytes.resize(size, '\0');
    return bytes;
}

std::string WireText(std::uint32_t syntax, const netsnmp_variable_list& b)
{
    const bool integer = IsIntegerType(b.type) && b.val.integer;
    switch (syntax) {
    case syn::Boolean:
        return integer ? (*b.val.integer != 0 ? "true" : "false") : kNullText;
    case syn::Integer:
        return integer ? std::to_string(static_cast<std::int32_t>(*b.val.integer)) : kNullText;
    case syn::Counter32: case syn::Gauge32: case syn::UInteger32:
        return integer ? std::to_string(static_cast<std::uint32_t>(*b.val.integer)) : kNullText;
    case syn::TimeTicks:
        return integer ? PrintableTimeTicks(static_cast<std::uint32_t>(*b.val.integer)) : kNullText;
    case syn::BitString: case syn::OctetString: case syn::Opaque: case syn::MacAddress:
        return PrintableHex(Octets(b));
    case syn::Null: return kNullText;
    case syn::ObjectId: {
        if (b.type != ASN_OBJECT_ID || !b.val.objid)
            return kNullText;
        std::vector<std::uint32_t> numbers;
        for (std::size_t i = 0; i < b.val_len / sizeof(oid); ++i)
            numbers.push_back(static_cast<std::uint32_t>(b.val.objid[i]));
        return JoinDotted(numbers);
    }
    case syn::IpAddress: case syn::NsapAddress: {
        const std::string bytes = Octets(b);
        return bytes.size() == 4 ? FromRaw(bytes, syn::IpAddress) : kNullText;
    }
    case syn::Counter64:
        if (b.type == ASN_COUNTER64 && b.val.counter64)
            return std::to_string((static_cast<std::uint64_t>(b.val.counter64->high) << 32) |
                                  static_cast<std::uint32_t>(b.val.counter64->low));
        return integer ? std::to_string(static_cast<std::uint32_t>(*b.val.integer)) : kNullText;
    // Short values of the octet-carried numbers count their missing bytes as 0.
    case syn::Double: return FromRaw(PaddedOctets(b, 8), syn::Double);
    case syn::DayCountDate: return FromRaw(PaddedOctets(b, 8), syn::DayCountDate);
    case syn::DateAndTime: return ZtDateTime::FromWire(Octets(b)).ToText();
    case syn::DisplayString: {
        const std::string bytes = Octets(b);
        return bytes.substr(0, bytes.find('\0'));
    }
    default: RaiseError(Catalogue::ZtSnmp, -511);
    }
}

void SetInteger(netsnmp_variable_list& b, u_char type, long value)
{
    snmp_set_var_typed_value(&b, type, &value, sizeof value);
}

void SetOctets(netsnmp_variable_list& b, u_char type, const std::string& bytes)
{
    snmp_set_var_typed_value(&b, type, bytes.data(), bytes.size());
}

void SetIpAddress(netsnmp_variable_list& b, const std::string& text)
{
    std::vector<std::uint32_t> parts;
    try {
        parts = ParseDottedNumbers(text);
    } catch (const vcl::EConvertError&) {
    }
    if (parts.size() != 4 || parts[0] > 255 || parts[1] > 255 || parts[2] > 255 || parts[3] > 255)
        throw vcl::EConvertError("'" + text + "' is not a valid IP address");
    SetOctets(b, ASN_IPADDRESS, ToRaw(text, syn::IpAddress));
}

} // namespace

void StoreValue(ZtSNMPVarEntry& entry, const netsnmp_variable_list& binding)
{
    std::string text = WireText(entry.syntax, binding);
    if (!IsHexSyntax(entry.syntax) && PrintsEmpty(binding))
        text = entry.syntax == syn::DisplayString ? std::string{} : std::string(kNullText);
    if (entry.options)
        text = entry.options->LabelOf(text);
    entry.value = text;
}

void LoadValue(const ZtSNMPVarEntry& entry, netsnmp_variable_list& binding)
{
    std::string text = entry.options ? entry.options->ValueOf(entry.value) : entry.value;
    // An entry that nothing filled goes out as 0 when it is a number.
    if (text.empty() && (entry.syntax == syn::Boolean || entry.syntax == syn::Integer ||
                         entry.syntax == syn::Counter32 || entry.syntax == syn::Gauge32 ||
                         entry.syntax == syn::UInteger32 || entry.syntax == syn::TimeTicks ||
                         entry.syntax == syn::Counter64))
        text.assign(1, '0');
    if (text == kNullText) {
        snmp_set_var_typed_value(&binding, ASN_NULL, nullptr, 0);
        return;
    }
    switch (entry.syntax) {
    case syn::Boolean: return SetInteger(binding, ASN_INTEGER, text == "true" ? 1 : 0);
    case syn::Integer: return SetInteger(binding, ASN_INTEGER, ParseInt32(text));
    case syn::Counter32: return SetInteger(binding, ASN_COUNTER, static_cast<long>(ParseUInt32(text)));
    case syn::Gauge32: case syn::UInteger32: return SetInteger(binding, ASN_GAUGE, static_cast<long>(ParseUInt32(text)));
    case syn::TimeTicks: return SetInteger(binding, ASN_TIMETICKS, static_cast<long>(ParseTimeTicks(text)));
    case syn::BitString: case syn::OctetString: case syn::MacAddress:
        return SetOctets(binding, ASN_OCTET_STR, FromHexString(text));
    case syn::Opaque: return SetOctets(binding, ASN_OPAQUE, FromHexString(text));
    case syn::Null: snmp_set_var_typed_value(&binding, ASN_NULL, nullptr, 0); return;
    case syn::ObjectId: {
        std::vector<oid> numbers;
        for (std::uint32_t n : ParseDottedNumbers(text))
            numbers.push_back(n);
        snmp_set_var_typed_value(&binding, ASN_OBJECT_ID, numbers.data(), numbers.size() * sizeof(oid));
        return;
    }
    case syn::IpAddress: case syn::NsapAddress: return SetIpAddress(binding, text);
    case syn::Counter64: {
        const std::uint64_t v = ParseUInt64(text);
        counter64 c{};
        c.high = static_cast<u_long>(v >> 32);
        c.low = static_cast<u_long>(v & 0xFFFFFFFFu);
        snmp_set_var_typed_value(&binding, ASN_COUNTER64, &c, sizeof c);
        return;
    }
    case syn::Double: case syn::DayCountDate: case syn::DateAndTime: case syn::DisplayString:
        return SetOctets(binding, ASN_OCTET_STR, ToRaw(text, entry.syntax));
    default: RaiseError(Catalogue::ZtSnmp, -511);
    }
}

} // namespace zt
