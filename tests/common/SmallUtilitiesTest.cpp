#include <gtest/gtest.h>

#include <cstdint>

#include "common/DateTime.h"
#include "common/JoinPath.h"
#include "common/NetInterfaces.h"
#include "common/NumList.h"

using namespace zt;

namespace {

TEST(ZtNumList, ParsesDelimitedNumbers)
{
    struct Case {
        const char* text;
        char delimiter;
        std::vector<std::int32_t> expected;
    };
    const Case cases[] = {
        {"1,2,3", ',', {1, 2, 3}},
        {"", ',', {}},
        {"5,", ',', {5, 0}},
        {",", ',', {0, 0}},
        {"1.9", ',', {1}},          // fractions are truncated away
        {"12.5,7.25", ',', {12, 7}},
        {"10.20.30", '.', {10, 20, 30}},
        {"-5", ',', {-25}},         // no signs: '-' counts as the digit -3
        {"4294967295", ',', {-1}},  // 32-bit wrap
    };
    for (const auto& c : cases) {
        ZtNumList<std::int32_t> list(c.delimiter);
        list.Parse(c.text);
        EXPECT_EQ(list.Values(), c.expected) << c.text;
    }
}

TEST(ZtNumList, IndexOfAndUnsignedValues)
{
    ZtNumList<std::int32_t> list(',');
    list.Parse("1,2,3");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf(3), 2);
    EXPECT_EQ(list.IndexOf(4), -1);
    ZtNumList<std::uint32_t> unsignedList(',');
    unsignedList.Parse("4294967295,7");
    EXPECT_EQ(unsignedList[0], 4294967295u);
    EXPECT_EQ(unsignedList.IndexOf(7u), 1);
}

TEST(ZtDateTime, TextRoundTripsWithAndWithoutZone)
{
    struct Case {
        const char* text;
        const char* back;
        char direction;
        int utcHours;
    };
    const Case cases[] = {
        {"2010-8-13,10:20:30.0,+8:0", "2010-8-13,10:20:30.0,+8:0", '+', 8},
        {"2010-8-13,10:20:30.0,-5:30", "2010-8-13,10:20:30.0,-5:30", '-', 5},
        {"2010-8-13,10:20:30.0", "2010-8-13,10:20:30.0", '+', 0},
        {"2010-8-13,10:20:30.0,+0:0", "2010-8-13,10:20:30.0", '+', 0},
        {"2010-8-13", "2010-8-13,0:0:0.0", '+', 0},
        {"garbage", "0-0-0,0:0:0.0", '+', 0},
    };
    for (const auto& c : cases) {
        const ZtDateTime value(c.text);
        EXPECT_EQ(value.ToText(), c.back) << c.text;
        EXPECT_EQ(value.direction, c.direction) << c.text;
        EXPECT_EQ(value.utcHours, c.utcHours) << c.text;
    }
}

TEST(ZtDateTime, WireFormHasTheYearBigEndian)
{
    const ZtDateTime value("2010-8-13,10:20:30.5,+8:0");
    const std::string wire = value.ToWire();
    ASSERT_EQ(wire.size(), 11u);
    EXPECT_EQ(static_cast<unsigned char>(wire[0]), 0x07);
    EXPECT_EQ(static_cast<unsigned char>(wire[1]), 0xDA);
    EXPECT_EQ(wire[8], '+');
    EXPECT_EQ(ZtDateTime::FromWire(wire).ToText(), "2010-8-13,10:20:30.5,+8:0");
    EXPECT_EQ(ZtDateTime::FromWire(wire.substr(0, 4)).ToText(), "2010-8-13,0:0:0.0");

    ZtDateTime swapped = value;
    swapped.SwapYear();
    EXPECT_EQ(swapped.year, 0xDA07);
    swapped.SwapYear();
    EXPECT_EQ(swapped.year, 2010);
}

TEST(ZtDateTime, NowIsPlausible)
{
    const ZtDateTime now;
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_EQ(now.deciSeconds, 0);
}

TEST(JoinPath, AddsOneSeparator)
{
    EXPECT_EQ(JoinPath("", "a.bin"), "a.bin");
    EXPECT_EQ(JoinPath("/tmp/", "a.bin"), "/tmp/a.bin");
    EXPECT_EQ(JoinPath("/tmp", "a.bin"), "/tmp/a.bin");
}

TEST(GetNetInterfaces, ListsTheLoopbackInterface)
{
    ZtNetInterface list[kMaxNetInterfaces];
    list[9].address = "stale";
    const int count = GetNetInterfaces(list);
    ASSERT_GE(count, 1);
    ASSERT_LE(count, kMaxNetInterfaces);
    bool sawLoopback = false;
    for (int i = 0; i < count; ++i) {
        if (list[i].loopback) {
            sawLoopback = true;
            EXPECT_EQ(list[i].address.rfind("127.", 0), 0u) << list[i].address;
            EXPECT_EQ(list[i].netmask, "255.0.0.0");
            EXPECT_EQ(list[i].up, 1);
        }
    }
    EXPECT_TRUE(sawLoopback);
    for (int i = count; i < kMaxNetInterfaces; ++i)
        EXPECT_EQ(list[i].address, "");
}

} // namespace
