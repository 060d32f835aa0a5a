#include <gtest/gtest.h>

#include <cmath>

#include "snmp/TextForms.h"
#include "tests/support/Binding.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::Hex;

namespace {

TEST(HexText, PrintsAndReadsBack)
{
    EXPECT_EQ(PrintableHex(""), "");
    EXPECT_EQ(PrintableHex(Hex("001122AABBCC")), "001122AABBCC");
    struct Case {
        const char* text;
        std::string octets;
    };
    const Case cases[] = {
        {"001122aabbcc", Hex("001122AABBCC")},
        {"00 11 22", Hex("001122")},
        {"ABC", Hex("0ABC")},       // odd: the first digit alone
        {"ZZ", Hex("00")},          // no hex digit counts as 0
        {"1G", Hex("10")},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FromHexString(c.text), c.octets) << c.text;
}

TEST(TimeTicksText, PrintsDaysHoursMinutesSecondsHundredths)
{
    struct Case {
        std::uint32_t ticks;
        const char* text;
    };
    const Case cases[] = {
        {0, "0:00:00.00"},
        {123456, "0:20:34.56"},
        {8640000, "1 day 0:00:00.00"},
        {8640000 * 5u + 360000 + 6000 * 2 + 300 + 4, "5 days, 1:02:03.04"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrintableTimeTicks(c.ticks), c.text);
        EXPECT_EQ(ParseTimeTicks(c.text), c.ticks) << c.text;
    }
    EXPECT_EQ(ParseTimeTicks("12:34"), 12u * 360000 + 34 * 6000);
    EXPECT_EQ(ParseTimeTicks("2 days"), 2u * 8640000);
    EXPECT_EQ(ParseTimeTicks(""), 0u);
    EXPECT_EQ(ParseTimeTicks("nonsense"), 0u);
}

TEST(DayCountDate, FormatsAndParses)
{
    const double tenTwentyThirty = (10 * 3600 + 20 * 60 + 30) / 86400.0;
    struct Case {
        double days;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "1899/12/30 12:00:00 am"},
        {40403.5, "2010/08/13 12:00:00 pm"},
        {40403 + tenTwentyThirty, "2010/08/13 10:20:30 am"},
        {25569.75, "1970/01/01 06:00:00 pm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDayCountDate(c.days), c.text);
        EXPECT_NEAR(ParseDayCountDate(c.text), c.days, 1e-9) << c.text;
    }
    EXPECT_EQ(ParseDayCountDate("2010-08-13"), 40403.0);
    EXPECT_NEAR(ParseDayCountDate("2010/08/13 22:20"), 40403 + 22 * 3600 / 86400.0 + 20 * 60 / 86400.0, 1e-9);
    for (const char* bad : {"x", "2010/13/01", "2010/02/30", "2010/08/13 13:00:00 pm", "2010/08/13 10:00 xm"})
        EXPECT_THROW(ParseDayCountDate(bad), vcl::EConvertError) << bad;
    for (double bad : {std::nan(""), 1e10, -1e10, static_cast<double>(INFINITY)}) {
        try {
            FormatDayCountDate(bad);
            ADD_FAILURE() << bad;
        } catch (const vcl::Exception& e) {
            EXPECT_EQ(e.HelpContext(), -518);
        }
    }
}

TEST(NumberTexts, ParseOrRefuse)
{
    EXPECT_EQ(FormatDouble(0.1), "0.1");
    EXPECT_EQ(FormatDouble(-2), "-2");
    EXPECT_EQ(ParseDouble(" 1.5 "), 1.5);
    EXPECT_THROW(ParseDouble("1.5x"), vcl::EConvertError);
    EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
    EXPECT_THROW(ParseInt32("2147483648"), vcl::EConvertError);
    EXPECT_EQ(ParseUInt32("4294967295"), 4294967295u);
    EXPECT_THROW(ParseUInt32("-1"), vcl::EConvertError);
    EXPECT_THROW(ParseUInt32("4294967296"), vcl::EConvertError);
    EXPECT_EQ(ParseUInt64("18446744073709551615"), UINT64_MAX);
    EXPECT_EQ(ParseDottedNumbers(".1.3.6"), (std::vector<std::uint32_t>{1, 3, 6}));
    EXPECT_EQ(ParseDottedNumbers(""), std::vector<std::uint32_t>{});
    for (const char* bad : {"1..3", "1.a", "1.", "4294967296"})
        EXPECT_THROW(ParseDottedNumbers(bad), vcl::EConvertError) << bad;
    EXPECT_EQ(JoinDotted({1, 3, 6}), "1.3.6");
}

} // namespace
