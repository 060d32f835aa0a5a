#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "snmp/IndexConversion.h"
#include "snmp/VarbindConversion.h"
#include "tests/support/Binding.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::Binding;
using testsupport::Hex;

namespace {

const ZtOptionList kEnable({{0, "Disable"}, {1, "Enable"}, {5, "Five"}});

ZtSNMPVarEntry Entry(std::uint32_t syntax, const ZtOptionList* options = nullptr)
{
    ZtSNMPVarEntry e;
    e.oid = "1.2";
    e.name = "x";
    e.syntax = syntax;
    e.access = acc::ReadWrite;
    e.options = options;
    return e;
}

std::string DoubleBytes(double d)
{
    std::string b(8, '\0');
    std::memcpy(b.data(), &d, 8);
    return b;
}

int RaisedCode(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vcl::Exception& e) {
        return e.HelpContext();
    }
    return 0;
}

struct StoreCase {
    const char* name;
    std::uint32_t syntax;
    std::function<Binding()> wire;
    std::string expected;
    const ZtOptionList* options = nullptr;
};

TEST(StoreValue, ResponseValuesBecomeTheirTextForms)
{
    const StoreCase cases[] = {
        {"option label", syn::Integer, [] { return Binding(ASN_INTEGER, 5); }, "Five", &kEnable},
        {"value without option", syn::Integer, [] { return Binding(ASN_INTEGER, 9); }, "9", &kEnable},
        {"negative integer", syn::Integer, [] { return Binding(ASN_INTEGER, -7); }, "-7"},
        {"boolean", syn::Boolean, [] { return Binding(ASN_INTEGER, 3); }, "true"},
        {"boolean false", syn::Boolean, [] { return Binding(ASN_INTEGER, 0); }, "false"},
        {"counter", syn::Counter32, [] { return Binding(ASN_COUNTER, 4294967295L); }, "4294967295"},
        {"gauge", syn::Gauge32, [] { return Binding(ASN_GAUGE, 12); }, "12"},
        {"timeticks", syn::TimeTicks, [] { return Binding(ASN_TIMETICKS, 123456); }, "0:20:34.56"},
        {"octets", syn::OctetString, [] { return Binding(ASN_OCTET_STR, Hex("0011")); }, "0011"},
        {"empty octets stay empty hex", syn::OctetString, [] { return Binding(ASN_OCTET_STR, ""); }, ""},
        {"NULL for octets is empty hex", syn::OctetString, [] { return Binding(ASN_NULL, ""); }, ""},
        {"mac", syn::MacAddress, [] { return Binding(ASN_OCTET_STR, Hex("001122AABBCC")); }, "001122AABBCC"},
        {"display string", syn::DisplayString, [] { return Binding(ASN_OCTET_STR, std::string("abc\0def", 7)); },
         "abc"},
        {"empty display string", syn::DisplayString, [] { return Binding(ASN_OCTET_STR, ""); }, ""},
        {"no such instance as display string", syn::DisplayString, [] { return Binding(SNMP_NOSUCHINSTANCE, ""); },
         ""},
        {"ip address", syn::IpAddress, [] { return Binding(ASN_IPADDRESS, Hex("C0A8000A")); }, "192.168.0.10"},
        {"empty ip address", syn::IpAddress, [] { return Binding(ASN_OCTET_STR, ""); }, "(NULL)"},
        {"oid", syn::ObjectId, [] { return Binding::Oid({1, 3, 6, 1, 4, 1, 48621}); }, "1.3.6.1.4.1.48621"},
        {"counter64", syn::Counter64, [] { return Binding::Counter64(1, 2); }, "4294967298"},
        {"double", syn::Double, [] { return Binding(ASN_OCTET_STR, DoubleBytes(1.5)); }, "1.5"},
        {"short double pads with zeros", syn::Double, [] { return Binding(ASN_OCTET_STR, Hex("0000")); },
         "0"},
        {"date and time", syn::DateAndTime, [] { return Binding(ASN_OCTET_STR, Hex("07DA080D0A141E002B0800")); },
         "2010-8-13,10:20:30.0,+8:0"},
        {"day count date", syn::DayCountDate, [] { return Binding(ASN_OCTET_STR, DoubleBytes(40403.5)); },
         "2010/08/13 12:00:00 pm"},
        {"NULL integer", syn::Integer, [] { return Binding(ASN_NULL, ""); }, "(NULL)"},
        {"no such object", syn::Integer, [] { return Binding(SNMP_NOSUCHOBJECT, ""); }, "(NULL)"},
        {"end of MIB view", syn::IpAddress, [] { return Binding(SNMP_ENDOFMIBVIEW, ""); }, "(NULL)"},
        {"wrong wire type", syn::Integer, [] { return Binding(ASN_OCTET_STR, "abc"); }, "(NULL)"},
        {"null syntax", syn::Null, [] { return Binding(ASN_INTEGER, 1); }, "(NULL)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ZtSNMPVarEntry entry = Entry(c.syntax, c.options);
        const Binding wire = c.wire();
        StoreValue(entry, wire.vb);
        EXPECT_EQ(entry.value, c.expected);
    }
}

TEST(StoreValue, UnknownSyntaxIsRefused)
{
    ZtSNMPVarEntry entry = Entry(99);
    const Binding wire(ASN_INTEGER, 1);
    EXPECT_EQ(RaisedCode([&] { StoreValue(entry, wire.vb); }), -511);
}

struct LoadCase {
    std::uint32_t syntax;
    std::string text;
    u_char type;
    std::string bytes;      // for octet types
    long integer = 0;       // for integer types
    const ZtOptionList* options = nullptr;
};

TEST(LoadValue, TextsBecomeWireValuesOfTheRightType)
{
    const LoadCase cases[] = {
        {syn::Integer, "(NULL)", ASN_NULL, ""},
        {syn::DisplayString, "(NULL)", ASN_NULL, ""},
        {syn::Boolean, "true", ASN_INTEGER, "", 1},
        {syn::Boolean, "no", ASN_INTEGER, "", 0},
        {syn::Integer, "-5", ASN_INTEGER, "", -5},
        {syn::Integer, "Enable", ASN_INTEGER, "", 1, &kEnable},
        {syn::Counter32, "4294967295", ASN_COUNTER, "", 4294967295L},
        {syn::Gauge32, "7", ASN_GAUGE, "", 7},
        {syn::UInteger32, "8", ASN_GAUGE, "", 8},
        {syn::TimeTicks, "1 day 0:00:00.01", ASN_TIMETICKS, "", 8640001},
        {syn::OctetString, "0011", ASN_OCTET_STR, Hex("0011")},
        {syn::BitString, "80", ASN_OCTET_STR, Hex("80")},
        {syn::Opaque, "AB", ASN_OPAQUE, Hex("AB")},
        {syn::MacAddress, "001122AABBCC", ASN_OCTET_STR, Hex("001122AABBCC")},
        {syn::IpAddress, "192.168.0.10", ASN_IPADDRESS, Hex("C0A8000A")},
        {syn::NsapAddress, "10.0.0.1", ASN_IPADDRESS, Hex("0A000001")},
        {syn::DisplayString, "abc", ASN_OCTET_STR, "abc"},
        {syn::DisplayString, "", ASN_OCTET_STR, ""},
        {syn::Double, "1.5", ASN_OCTET_STR, DoubleBytes(1.5)},
        {syn::DayCountDate, "2010/08/13 12:00:00 pm", ASN_OCTET_STR, DoubleBytes(40403.5)},
        {syn::DateAndTime, "2010-8-13,10:20:30.0,+8:0", ASN_OCTET_STR, Hex("07DA080D0A141E002B0800")},
        {syn::Null, "anything", ASN_NULL, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " " + c.text);
        ZtSNMPVarEntry entry = Entry(c.syntax, c.options);
        entry.value = c.text;
        Binding wire;
        LoadValue(entry, wire.vb);
        EXPECT_EQ(wire.vb.type, c.type);
        if (c.type == ASN_INTEGER || c.type == ASN_COUNTER || c.type == ASN_GAUGE || c.type == ASN_TIMETICKS)
            EXPECT_EQ(wire.Integer(), c.integer);
        else
            EXPECT_EQ(wire.Bytes(), c.bytes);
    }
}

TEST(LoadValue, ObjectIdAndCounter64)
{
    ZtSNMPVarEntry entry = Entry(syn::ObjectId);
    entry.value = "1.3.6.1";
    Binding oidWire;
    LoadValue(entry, oidWire.vb);
    ASSERT_EQ(oidWire.vb.type, ASN_OBJECT_ID);
    ASSERT_EQ(oidWire.vb.val_len, 4 * sizeof(oid));
    EXPECT_EQ(oidWire.vb.val.objid[2], 6u);

    entry = Entry(syn::Counter64);
    entry.value = "4294967298";
    Binding counterWire;
    LoadValue(entry, counterWire.vb);
    ASSERT_EQ(counterWire.vb.type, ASN_COUNTER64);
    EXPECT_EQ(counterWire.vb.val.counter64->high, 1u);
    EXPECT_EQ(counterWire.vb.val.counter64->low, 2u);
}

TEST(LoadValue, TextsTheSyntaxCannotReadAreRefused)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {syn::Integer, "abc"},      {syn::Integer, "Maybe"},      {syn::IpAddress, "192.168.1"},
        {syn::IpAddress, "1.2.3.256"}, {syn::Counter32, "-1"},    {syn::ObjectId, "1..2"},
        {syn::Double, "x"},         {syn::DayCountDate, "2010/02/30"},
    };
    for (const auto& [syntax, text] : cases) {
        ZtSNMPVarEntry entry = Entry(syntax, syntax == syn::Integer ? &kEnable : nullptr);
        entry.value = text;
        Binding wire;
        EXPECT_THROW(LoadValue(entry, wire.vb), vcl::EConvertError) << text;
    }
    ZtSNMPVarEntry unknown = Entry(99);
    unknown.value = "1";
    Binding wire;
    EXPECT_EQ(RaisedCode([&] { LoadValue(unknown, wire.vb); }), -511);
}

TEST(Conversion, TextSurvivesTheWireForEverySyntax)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {syn::Boolean, "true"},      {syn::Integer, "-2147483648"}, {syn::BitString, "0F"},
        {syn::OctetString, "00FF"},  {syn::Null, "(NULL)"},       {syn::ObjectId, "1.3.6.1.4.1.48621.10.37.38"},
        {syn::IpAddress, "10.1.2.3"}, {syn::Counter32, "1"},      {syn::Gauge32, "2"},
        {syn::TimeTicks, "3 days, 4:05:06.07"}, {syn::Opaque, "AA"}, {syn::NsapAddress, "1.2.3.4"},
        {syn::Counter64, "18446744073709551615"}, {syn::UInteger32, "4294967295"}, {syn::Double, "-0.25"},
        {syn::MacAddress, "001122AABBCC"}, {syn::DateAndTime, "2026-12-11,10:20:30.5,-5:30"},
        {syn::DayCountDate, "2026/12/11 11:59:59 pm"}, {syn::DisplayString, "TRV-4410 AP"},
    };
    for (const auto& [syntax, text] : cases) {
        ZtSNMPVarEntry entry = Entry(syntax);
        entry.value = text;
        Binding wire;
        LoadValue(entry, wire.vb);
        entry.value = "changed";
        StoreValue(entry, wire.vb);
        EXPECT_EQ(entry.value, text) << syntax;
    }
}

// Key columns of tables.
const ZtOptionList kIpFrom({{1, "Static"}, {2, "Dynamic"}});

ZtSNMPVarList KeyList(std::vector<std::pair<std::uint32_t, std::uint32_t>> keys, const ZtOptionList* options = nullptr)
{
    static std::vector<std::vector<ZtSNMPVarTableRecord>> tables; // keep the records alive
    std::vector<ZtSNMPVarTableRecord> table;
    for (const auto& [syntax, access] : keys)
        table.push_back({"1.1", "key", syntax, access, options});
    table.push_back(kEndOfTable);
    tables.push_back(table);
    return ZtSNMPVarList(tables.back().data(), listkind::Table, static_cast<std::int32_t>(keys.size()));
}

struct IndexCase {
    const char* name;
    std::uint32_t syntax;
    std::uint32_t access;
    const char* instance;
    const char* value;
    const char* rest;
    const char* encoded;   // EncodeIndex of the decoded value
    int keys = 1;          // keys in the list; the entry under test is the first
};

TEST(IndexConversion, DecodeAndEncodeKeys)
{
    const IndexCase cases[] = {
        {"ip key", syn::IpAddress, acc::Key, "192.168.0.10", "192.168.0.10", "", "192.168.0.10"},
        {"integer key", syn::Integer, acc::Key, "5.1.2", "5", "1.2", "5"},
        {"negative integer", syn::Integer, acc::Key, "4294967295", "-1", "", "4294967295"},
        {"boolean", syn::Boolean, acc::Key, "0.7", "false", "7", "0"},
        {"unsigned", syn::Gauge32, acc::Key, "4294967295", "4294967295", "", "4294967295"},
        {"timeticks", syn::TimeTicks, acc::Key, "8640001", "1 day 0:00:00.01", "", "8640001"},
        {"string with length", syn::DisplayString, acc::Key, "3.97.98.99.7", "abc", "7", "3.97.98.99"},
        {"implied string", syn::DisplayString, acc::Key | acc::Implied, "97.98.99", "abc", "", "97.98.99"},
        {"implied only counts on the last key", syn::DisplayString, acc::Key | acc::Implied, "3.97.98.99.7",
         "abc", "7", "3.97.98.99", 2},
        {"hex string", syn::OctetString, acc::Key, "2.170.187", "AABB", "", "2.170.187"},
        {"length beyond the instance", syn::DisplayString, acc::Key, "9.97", "a", "", "1.97"},
        {"oid with length", syn::ObjectId, acc::Key, "3.1.3.6.9", "1.3.6", "9", "3.1.3.6"},
        {"implied oid", syn::ObjectId, acc::Key | acc::Implied, "1.3.6.9", "1.3.6.9", "", "1.3.6.9"},
        {"mac", syn::MacAddress, acc::Key, "0.17.34.170.187.204.9", "001122AABBCC", "9", "0.17.34.170.187.204"},
        {"counter64", syn::Counter64, acc::Key, "1.2", "4294967298", "", "1.2"},
        {"missing sub-identifiers count as 0", syn::IpAddress, acc::Key, "10.0", "10.0.0.0", "", "10.0.0.0"},
        {"null key consumes nothing", syn::Null, acc::Key, "4.5", "(NULL)", "4.5", ""},
        {"date and time", syn::DateAndTime, acc::Key, "7.218.8.13.10.20.30.0.43.8.0.1",
         "2010-8-13,10:20:30.0,+8:0", "1", "7.218.8.13.10.20.30.0.43.8.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<std::uint32_t, std::uint32_t>> keys(static_cast<std::size_t>(c.keys),
                                                                  {c.syntax, c.access});
        ZtSNMPVarList list = KeyList(keys);
        EXPECT_EQ(DecodeIndex(list, 0, c.instance), c.rest);
        EXPECT_EQ(list.Item(0).value, c.value);
        EXPECT_EQ(EncodeIndex(list, 0), c.encoded);
    }
}

TEST(IndexConversion, KeysWithOptionsUseLabels)
{
    ZtSNMPVarList list = KeyList({{syn::Integer, acc::Key}}, &kIpFrom);
    EXPECT_EQ(DecodeIndex(list, 0, "2"), "");
    EXPECT_EQ(list.Item(0).value, "Dynamic");
    EXPECT_EQ(EncodeIndex(list, 0), "2");
}

TEST(IndexConversion, ShortMacEncodesNothingAndUnknownSyntaxIsRefused)
{
    ZtSNMPVarList list = KeyList({{syn::MacAddress, acc::Key}});
    list.Item(0).value = "0011";
    EXPECT_EQ(EncodeIndex(list, 0), "");
    ZtSNMPVarList unknown = KeyList({{99, acc::Key}});
    EXPECT_EQ(RaisedCode([&] { DecodeIndex(unknown, 0, "1"); }), -511);
    EXPECT_EQ(RaisedCode([&] { EncodeIndex(unknown, 0); }), -511);
}

TEST(IndexConversion, TwoKeysDecodeOneAfterTheOther)
{
    ZtSNMPVarList list = KeyList({{syn::IpAddress, acc::Key}, {syn::DisplayString, acc::Key | acc::Implied}});
    std::string rest = DecodeIndex(list, 0, "10.0.0.1.104.105");
    rest = DecodeIndex(list, 1, rest);
    EXPECT_EQ(rest, "");
    EXPECT_EQ(list.Item(0).value, "10.0.0.1");
    EXPECT_EQ(list.Item(1).value, "hi");
    EXPECT_EQ(EncodeIndex(list, 0) + "." + EncodeIndex(list, 1), "10.0.0.1.104.105");
}

} // namespace
