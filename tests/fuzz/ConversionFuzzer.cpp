// Feeds arbitrary bytes and texts to the decoders of device values. Catalogue
// and conversion errors are the expected answers to bad input; anything else
// (a crash, a sanitizer report, another exception) is a finding.
#include <cstdint>
#include <cstring>
#include <string>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "common/DateTime.h"
#include "common/NumList.h"
#include "snmp/IndexConversion.h"
#include "snmp/RawForm.h"
#include "snmp/TextForms.h"
#include "snmp/VarbindConversion.h"
#include "vcl/core/Exception.h"

namespace {

using namespace zt;

const std::uint32_t kSyntaxes[] = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76,
                                   193, 194, 195, 196, 197, 198, 0, 7, 99};
const u_char kWireTypes[] = {ASN_INTEGER, ASN_OCTET_STR, ASN_NULL, ASN_OBJECT_ID, ASN_BIT_STR, ASN_IPADDRESS,
                             ASN_COUNTER, ASN_GAUGE, ASN_TIMETICKS, ASN_OPAQUE, ASN_NSAP, ASN_COUNTER64,
                             ASN_UINTEGER, SNMP_NOSUCHOBJECT, SNMP_NOSUCHINSTANCE, SNMP_ENDOFMIBVIEW};
const ZtOptionList kOptions({{0, "Disable"}, {1, "Enable"}, {5, "Five"}});

std::uint32_t PickSyntax(std::uint8_t b) { return kSyntaxes[b % std::size(kSyntaxes)]; }

// A dotted instance made of the payload's bytes (most often) or its text.
std::string Instance(const std::string& payload, bool asText)
{
    if (asText)
        return payload;
    std::string text;
    for (std::size_t i = 0; i < payload.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(static_cast<unsigned char>(payload[i]));
    }
    return text;
}

void StoreArbitraryWireValue(std::uint32_t syntax, std::uint8_t typeByte, const std::string& payload,
                             bool withOptions)
{
    netsnmp_variable_list vb{};
    const u_char type = kWireTypes[typeByte % std::size(kWireTypes)];
    switch (type) {
    case ASN_INTEGER: case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS: case ASN_UINTEGER: {
        long value = 0;
        std::memcpy(&value, payload.data(), std::min(payload.size(), sizeof value));
        snmp_set_var_typed_value(&vb, type, &value, sizeof value);
        break;
    }
    case ASN_OBJECT_ID: {
        std::size_t n = std::min<std::size_t>(payload.size() / sizeof(oid), MAX_OID_LEN);
        snmp_set_var_typed_value(&vb, type, payload.data(), n * sizeof(oid));
        break;
    }
    case ASN_COUNTER64: {
        counter64 c{};
        std::memcpy(&c, payload.data(), std::min(payload.size(), sizeof c));
        snmp_set_var_typed_value(&vb, type, &c, sizeof c);
        break;
    }
    default: snmp_set_var_typed_value(&vb, type, payload.data(), payload.size()); break;
    }
    ZtSNMPVarEntry entry;
    entry.syntax = syntax;
    entry.options = withOptions ? &kOptions : nullptr;
    try {
        StoreValue(entry, vb);
        netsnmp_variable_list out{};
        LoadValue(entry, out);
        snmp_free_var_internals(&out);
    } catch (const vcl::Exception&) {
    }
    snmp_free_var_internals(&vb);
}

void DecodeArbitraryIndex(std::uint32_t syntax, std::uint8_t flags, const std::string& payload)
{
    const ZtSNMPVarTableRecord table[] = {
        {"1.1", "k1", syntax, acc::Key | ((flags & 1) ? acc::Implied : 0u), (flags & 2) ? &kOptions : nullptr},
        {"1.2", "k2", PickSyntax(flags >> 3), acc::Key | ((flags & 4) ? acc::Implied : 0u)},
        kEndOfTable,
    };
    ZtSNMPVarList list(table, listkind::Table, (flags & 0x80) ? 2 : 1);
    try {
        std::string rest = DecodeIndex(list, 0, Instance(payload, flags & 0x40));
        EncodeIndex(list, 0);
        if (list.keyCount == 2 && !rest.empty()) {
            DecodeIndex(list, 1, rest);
            EncodeIndex(list, 1);
        }
    } catch (const vcl::Exception&) {
    }
}

void RawForms(std::uint32_t syntax, std::uint8_t offset, const std::string& payload)
{
    try {
        FromRaw(payload, syntax);
    } catch (const vcl::Exception&) {
    }
    try {
        const std::string part = ExtractPart(payload, offset, PickSyntax(offset));
        MergePart(payload, offset % 16, part, syntax);
    } catch (const vcl::Exception&) {
    }
    try {
        FromRaw(ToRaw(payload, syntax), syntax);
    } catch (const vcl::Exception&) {
    }
    try {
        std::string bits = payload;
        IsBitSet(bits, offset);
        SetBit(bits, offset, true);
    } catch (const vcl::Exception&) {
    }
}

void Texts(const std::string& text)
{
    ZtDateTime(text).ToText();
    ZtDateTime::FromWire(text).ToText();
    ParseTimeTicks(text);
    ZtNumList<std::int32_t> numbers(',');
    numbers.Parse(text);
    ZtNumList<std::uint32_t> dotted('.');
    dotted.Parse(text);
    try {
        FormatDayCountDate(ParseDayCountDate(text));
    } catch (const vcl::Exception&) {
    }
    try {
        ParseDottedNumbers(text);
    } catch (const vcl::Exception&) {
    }
    FromHexString(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::uint8_t selector = data[0];
    const std::uint32_t syntax = PickSyntax(data[1]);
    const std::string payload(reinterpret_cast<const char*>(data + 3), size - 3);
    switch (selector % 4) {
    case 0: StoreArbitraryWireValue(syntax, data[2], payload, selector & 0x10); break;
    case 1: DecodeArbitraryIndex(syntax, data[2], payload); break;
    case 2: RawForms(syntax, data[2], payload); break;
    case 3: Texts(payload); break;
    }
    return 0;
}
