#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "snmp/RawForm.h"
#include "snmp/Syntax.h"
#include "tests/support/Binding.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::Hex;

namespace {

int RaisedCode(const std::function<void()>& f)
{
    try {
        f();
    } catch (const vcl::Exception& e) {
        return e.HelpContext();
    }
    return 0;
}

std::string DoubleHex(double value)
{
    unsigned char bytes[8];
    std::memcpy(bytes, &value, 8);
    std::string hex;
    char two[3];
    for (unsigned char b : bytes) {
        std::snprintf(two, sizeof two, "%02X", b);
        hex += two;
    }
    return hex;
}

struct RawCase {
    std::uint32_t syntax;
    std::string text;
    std::string rawHex;
    std::string back;   // the text the raw form turns back into
};

TEST(RawForm, TextToRawAndBackForEverySyntax)
{
    const RawCase cases[] = {
        {syn::Boolean, "true", "01000000", "true"},
        {syn::Boolean, "false", "00000000", "false"},
        {syn::Boolean, "yes", "00000000", "false"},
        {syn::Integer, "-2", "FEFFFFFF", "-2"},
        {syn::Integer, "2147483647", "FFFFFF7F", "2147483647"},
        {syn::Counter32, "4294967295", "FFFFFFFF", "4294967295"},
        {syn::Gauge32, "258", "02010000", "258"},
        {syn::UInteger32, "7", "07000000", "7"},
        {syn::BitString, "a0", "A0", "A0"},
        {syn::OctetString, "001122aabbcc", "001122AABBCC", "001122AABBCC"},
        {syn::Opaque, "FF", "FF", "FF"},
        {syn::OctetString, "00:11", "000011", "000011"},  // odd count; the colon reads as a 0 digit
        {syn::MacAddress, "001122aabbcc", "001122AABBCC", "001122AABBCC"},
        {syn::Null, "(NULL)", "", "(NULL)"},
        {syn::ObjectId, "1.3.6.1", "01000000030000000600000001000000", "1.3.6.1"},
        {syn::IpAddress, "192.168.0.10", "C0A8000A", "192.168.0.10"},
        {syn::IpAddress, "192.168.1.300", "C0A8012C", "192.168.1.44"},
        {syn::NsapAddress, "10.0.0.1", "0A000001", "10.0.0.1"},
        {syn::TimeTicks, "1 day 0:00:00.01", "01D68300", "1 day 0:00:00.01"},
        {syn::Counter64, "4294967298", "0200000001000000", "4294967298"},
        {syn::Double, "1.5", DoubleHex(1.5), "1.5"},
        {syn::DayCountDate, "2010/08/13 12:00:00 pm", DoubleHex(40403.5), "2010/08/13 12:00:00 pm"},
        {syn::DateAndTime, "2010-8-13,10:20:30.0,+8:0", "07DA080D0A141E002B0800", "2010-8-13,10:20:30.0,+8:0"},
        {syn::DisplayString, "abc", "616263", "abc"},
        {syn::DisplayString, "(NULL)", "", ""},
        {syn::PartBool8, "true", "01", "true"},
        {syn::PartInt8, "-1", "FF", "-1"},
        {syn::PartUInt8, "255", "FF", "255"},
        {syn::PartUInt8, "256", "00", "0"},
        {syn::PartBool16, "true", "0001", "true"},
        {syn::PartUInt16, "258", "0102", "258"},
        {syn::PartUInt16b, "65535", "FFFF", "65535"},
        {syn::Integer, "(NULL)", "", "(NULL)"},
        {syn::IpAddress, "(NULL)", "", "(NULL)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.syntax) + " " + c.text);
        const std::string raw = ToRaw(c.text, c.syntax);
        EXPECT_EQ(raw, Hex(c.rawHex));
        EXPECT_EQ(FromRaw(raw, c.syntax), c.back);
    }
}

TEST(RawForm, ReadingDecidesFromTheBytes)
{
    EXPECT_EQ(FromRaw(Hex("00000100"), syn::Boolean), "true");
    EXPECT_EQ(FromRaw(Hex("80"), syn::PartInt8), "-128");
    EXPECT_EQ(FromRaw(Hex("80"), syn::PartUInt8), "128");
    EXPECT_EQ(FromRaw(Hex("0100"), syn::PartBool16), "true");
    EXPECT_EQ(FromRaw(Hex("6162006364"), syn::DisplayString), "ab");
    EXPECT_EQ(FromRaw(Hex("0100000002"), syn::ObjectId), "1");   // a partial group is dropped
    EXPECT_EQ(FromRaw(Hex("001122AABBCCDD"), syn::MacAddress), "001122AABBCCDD");
}

TEST(RawForm, TooShortRawFormsAreBadValues)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {syn::IpAddress, "C0A801"},        // the three bytes of "192.168.1"
        {syn::Integer, "01"},
        {syn::Counter64, "01000000"},
        {syn::MacAddress, "0011223344"},
        {syn::DateAndTime, "07DA080D0A141E002B08"},
        {syn::PartUInt16, "01"},
        {syn::Double, "0000"},
    };
    for (const auto& [syntax, hex] : cases)
        EXPECT_EQ(RaisedCode([&] { FromRaw(Hex(hex), syntax); }), -518) << syntax;
    EXPECT_EQ(ToRaw("192.168.1", syn::IpAddress).size(), 3u);
}

TEST(RawForm, UnknownSyntaxesAreRefused)
{
    for (std::uint32_t syntax : {0u, 7u, 63u, 77u, 192u, 199u}) {
        EXPECT_EQ(RaisedCode([&] { ToRaw("1", syntax); }), -511) << syntax;
        EXPECT_EQ(RaisedCode([&] { FromRaw("1", syntax); }), -511) << syntax;
        EXPECT_EQ(RaisedCode([&] { ExtractPart("1", 0, syntax); }), -511) << syntax;
    }
}

TEST(RawForm, PartsOfAValue)
{
    const std::string mac = Hex("001122AABBCC");
    EXPECT_EQ(ExtractPart(mac, 3, syn::PartUInt8), Hex("AA"));
    EXPECT_EQ(ExtractPart(mac, 4, syn::PartUInt16), Hex("BBCC"));
    EXPECT_EQ(ExtractPart(mac, 2, syn::OctetString), Hex("22AABBCC"));
    EXPECT_EQ(ExtractPart(mac, 9, syn::OctetString), "");
    EXPECT_EQ(ExtractPart(mac, 0, syn::Null), "");
    EXPECT_EQ(ExtractPart("", 5, syn::Integer), "");
    EXPECT_EQ(RaisedCode([&] { ExtractPart(mac, 6, syn::PartUInt8); }), -519);
    EXPECT_EQ(RaisedCode([&] { ExtractPart(mac, 5, syn::PartUInt16); }), -519);
    EXPECT_EQ(RaisedCode([&] { ExtractPart(mac, 3, syn::Integer); }), -519);
}

TEST(RawForm, MergingAPartBack)
{
    EXPECT_EQ(MergePart(Hex("C0A80001"), 3, Hex("05"), syn::IpAddress), "192.168.0.5");
    EXPECT_EQ(MergePart(Hex("0000"), 3, Hex("FF"), syn::OctetString), "000000FF");
    EXPECT_EQ(MergePart("", 0, ToRaw("true", syn::PartBool8), syn::OctetString), "01");
}

TEST(RawForm, BitsCountFromTheMostSignificantBitOfTheFirstByte)
{
    EXPECT_TRUE(IsBitSet(Hex("0040"), 9));
    EXPECT_FALSE(IsBitSet(Hex("0040"), 1));
    EXPECT_TRUE(IsBitSet(Hex("4000"), 1));
    EXPECT_TRUE(IsBitSet(Hex("80"), 0));
    EXPECT_EQ(RaisedCode([] { IsBitSet(Hex("0040"), 16); }), -519);
    std::string raw;
    SetBit(raw, 10, true);
    EXPECT_EQ(raw, Hex("0020"));
    SetBit(raw, 10, false);
    SetBit(raw, 0, true);
    EXPECT_EQ(raw, Hex("8000"));
}

} // namespace
