#include <gtest/gtest.h>

#include "app/LocalAddresses.h"
#include "tests/support/TempDir.h"
#include "vcl/Form.h"
#include "vcl/ListBox.h"

using namespace app;

namespace {

TEST(LocalAddresses, ParsesEnglishIpconfigOutput)
{
    const std::vector<std::string> lines = {
        "Windows IP Configuration",
        "Ethernet adapter Local Area Connection:",
        "   IPv4 Address. . . . . . . . . . . : 192.168.0.10(Preferred)",
        "   Subnet Mask . . . . . . . . . . . : 255.255.255.0",
        "   Default Gateway . . . . . . . . . : 192.168.0.1",
        "   IPv6 Address. . . . . . . . . . . : fe80::1(Preferred)",
        "   IP Address. . . . . . . . . . . . : 10.1.2.3",
        "   IPv6 Address. . . . . . . . . . . : 2001:db8:0:1:2:3:4:5",
        "   Default Gateway . . . . . . . . . : 10.9.9.9",
        "   IPv4 Address. . . . . . . . . . . : 192.168.0.10(Duplicate)",
    };
    LocalAddressLists lists;
    ParseIpconfigLines(lines, lists);
    EXPECT_EQ(lists.addresses, (std::vector<std::string>{"192.168.0.10", "fe80::1", "10.1.2.3"}));
    EXPECT_EQ(lists.gateways, (std::vector<std::string>{"192.168.0.1", "10.9.9.9"}));
    EXPECT_EQ(lists.gatewaysOnLocal24, std::vector<std::string>{"192.168.0.1"});

    // The lists only grow.
    ParseIpconfigLines({"   IPv4 Address. . . : 172.16.0.5"}, lists);
    EXPECT_EQ(lists.addresses.size(), 4u);
}

TEST(LocalAddresses, ParsesSimplifiedChineseLabels)
{
    const std::vector<std::string> lines = {
        "   IPv4 \xB5\xD8\xD6\xB7 . . . . . . . . . . . . : 172.20.1.7(\xca\xd7\xd1\xa1)",
        "   \xC4\xAC\xC8\xCF\xCD\xF8\xB9\xD8. . . . . . . . . . . . . : 172.20.1.254",
    };
    LocalAddressLists lists;
    ParseIpconfigLines(lines, lists);
    EXPECT_EQ(lists.addresses, std::vector<std::string>{"172.20.1.7"});
    EXPECT_EQ(lists.gateways, std::vector<std::string>{"172.20.1.254"});
    EXPECT_EQ(lists.gatewaysOnLocal24, std::vector<std::string>{"172.20.1.254"});
}

TEST(LocalAddresses, RefreshUsesAFileInTheUserFolderAndRemovesIt)
{
    testsupport::TempDir folder;
    vcl::TForm form;
    vcl::TListBox list(&form);
    LocalAddressLists lists;
    RefreshLocalAddresses(folder.Path(), list, lists);
    EXPECT_FALSE(list.Items().empty());
    EXPECT_EQ(list.Items()[1], "Linux IP Configuration");
    EXPECT_FALSE(std::filesystem::exists(folder / "ipconfig.txt"));
    for (const auto& line : SystemIpconfigLines())
        EXPECT_EQ(line.find("127.0.0.1"), std::string::npos) << "loopback is left out";

    LocalAddressLists unchanged;
    unchanged.addresses = {"10.0.0.1"};
    RefreshLocalAddresses("/nonexistent/folder", list, unchanged);
    EXPECT_EQ(unchanged.addresses, std::vector<std::string>{"10.0.0.1"});
}

} // namespace
