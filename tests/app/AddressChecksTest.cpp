#include <gtest/gtest.h>

#include "app/shell/AddressChecks.h"
#include "tests/support/RecordingDialogs.h"

using namespace app;

namespace {

TEST(AddressChecks, HostAddresses)
{
    const std::pair<const char*, bool> cases[] = {
        {"192.168.0.0", true},  {"192.168.0.50", true}, {"1.0.0.1", true},      {"223.255.255.254", true},
        {"192.168.0.255", false}, {"127.0.0.1", false}, {"224.0.0.1", false},   {"0.1.2.3", false},
        {"1.2.3", false},       {"1.2.3.4.5", false},   {".1.2.3", false},      {"1.2.3.", false},
        {"1.2. 3.4", false},    {"1.2.3.x", false},     {"1.256.3.4", false},   {"", false},
        {"1..2.3", false},      {"+1.2.3.4", true},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CheckIPAddress(text), expected) << text;
}

TEST(AddressChecks, Masks)
{
    const std::pair<const char*, bool> cases[] = {
        {"255.255.255.0", true},   {"255.255.255.252", true}, {"192.0.0.0", true},     {"255.255.255.254", true},
        {"255.255.255.255", false}, {"128.0.0.0", false},     {"255.0.255.0", false},  {"255.255.1.0", false},
        {"3.0.0.0", false},        {"127.0.0.0", false},      {"0.0.0.0", false},      {"255.255.255", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(CheckSubnetMask(text), expected) << text;
}

TEST(AddressChecks, HostsInSubnets)
{
    EXPECT_TRUE(CheckHostInSubnet("192.168.0.50", "255.255.255.0"));
    EXPECT_FALSE(CheckHostInSubnet("192.168.0.0", "255.255.255.0"));
    EXPECT_FALSE(CheckHostInSubnet("192.168.0.255", "255.255.255.0"));
    EXPECT_FALSE(CheckHostInSubnet("255.255.255.1", "255.255.255.0"));
    EXPECT_FALSE(CheckHostInSubnet("10.0.0.0", "255.0.0.0"));
    EXPECT_FALSE(CheckHostInSubnet("0.0.0.5", "255.255.255.0"));
    EXPECT_EQ(GetNetworkAddress("192.168.1.77", "255.255.255.0"), "192.168.1.0");
    EXPECT_EQ(GetNetworkAddress("10.x.1.2", "255.255.0.0"), "10.0.0.0");
}

TEST(AddressChecks, BlanksAndAscii)
{
    EXPECT_TRUE(CheckBlanks("my ap"));
    EXPECT_FALSE(CheckBlanks(" ap"));
    EXPECT_FALSE(CheckBlanks("ap "));
    EXPECT_TRUE(CheckBlanks("my ap "));
    EXPECT_FALSE(CheckBlanks(""));
    EXPECT_TRUE(CheckBlanks("ap"));
    EXPECT_TRUE(IsAsciiText("Lobby AP-1"));
    EXPECT_FALSE(IsAsciiText("Caf\xc3\xa9"));
}

TEST(AddressChecks, MacAddresses)
{
    testsupport::RecordingDialogs dialogs;
    for (const char* good : {"001122334455", "02AABBCCDDEE", "0E0000000001", "ae0000000001"})
        EXPECT_TRUE(CheckMACAddress(good)) << good;
    EXPECT_TRUE(dialogs.messages.empty());
    for (const char* bad : {"011122334455", "0F0000000000", "0b0000000000", "000000000000", ""})
        EXPECT_FALSE(CheckMACAddress(bad)) << bad;
    ASSERT_EQ(dialogs.messages.size(), 5u);
    EXPECT_EQ(dialogs.messages[0].title, "Warning");
    EXPECT_EQ(dialogs.messages[0].text, "Invalid MAC Address.");
}

} // namespace
