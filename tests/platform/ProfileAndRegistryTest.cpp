#include <gtest/gtest.h>

#include "platform/PrivateProfile.h"
#include "platform/Registry.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

using platform::GetPrivateProfileString;
using platform::TRegistry;
using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;

namespace {

TEST(PrivateProfile, ReadsLikeTheSystemProfileReader)
{
    TempDir dir;
    const auto file = dir.Write("x.cfg",
                                "; a comment\n"
                                "[Program Information]\r\n"
                                "AgentPort =  1161  \r\n"
                                "Quoted=\"  spaced  \"\n"
                                "Empty=\n"
                                "Long=" + std::string(5000, 'a') + "\n"
                                "[Other]\n"
                                "AgentPort=9\n"
                                "[program information]\n"
                                "AgentPort=7\n");
    struct Case {
        const char* section;
        const char* key;
        std::string expected;
    };
    const Case cases[] = {
        {"Program Information", "AgentPort", "1161"},
        {"PROGRAM INFORMATION", "agentport", "1161"},  // names without regard to case, first wins
        {"Program Information", "Quoted", "  spaced  "},
        {"Program Information", "Empty", ""},
        {"Program Information", "Missing", "dflt"},
        {"No Section", "AgentPort", "dflt"},
        {"Other", "AgentPort", "9"},
        {"Program Information", "Long", std::string(4095, 'a')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "dflt", 4096, file), c.expected) << c.key;
    EXPECT_EQ(GetPrivateProfileString("Program Information", "AgentPort", "dflt", 4096, dir / "absent"), "dflt");
}

TEST(Registry, ReadsValuesOfKeysByPath)
{
    TempDir dir;
    const auto file = dir.Write("registry.ini",
                                "[\\SOFTWARE\\Norvane\\Skyframe5.1\\ExePath]\n"
                                "Path=/opt/skyframe/bin/\n");
    TRegistry registry(file);
    EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\Norvane\\Skyframe5.1\\ExePath"));
    EXPECT_TRUE(registry.KeyExists("software\\norvane\\skyframe5.1\\exepath"));
    EXPECT_FALSE(registry.KeyExists("\\SOFTWARE\\Norvane\\Skyframe5.1\\MibFile"));
    ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Norvane\\Skyframe5.1\\ExePath", false));
    EXPECT_TRUE(registry.ValueExists("Path"));
    EXPECT_EQ(registry.ReadString("Path"), "/opt/skyframe/bin/");
    EXPECT_EQ(registry.ReadString("Other"), "");
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Norvane\\Skyframe5.1\\MibFile", false));
}

TEST(Registry, CreatesMissingKeysWhenTheFileIsWritable)
{
    TempDir dir;
    const auto file = dir / "registry.ini";
    {
        TRegistry registry(file);
        ASSERT_TRUE(registry.OpenKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
        EXPECT_EQ(registry.ReadString("1.3.6.1.4.1.48621.10.37.38"), "");
    }
    EXPECT_EQ(ReadFile(file), "\n[\\SOFTWARE\\Norvane\\Modules\\HelpPath]\n");
    TRegistry again(file);
    ASSERT_TRUE(again.OpenKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
    EXPECT_EQ(ReadFile(file), "\n[\\SOFTWARE\\Norvane\\Modules\\HelpPath]\n");  // not added twice
}

TEST(Registry, CreationIsSkippedWhereTheFileCannotBeWritten)
{
    TempDir dir;
    TRegistry registry(dir / "no/such/folder/registry.ini");
    EXPECT_FALSE(registry.OpenKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
    EXPECT_EQ(registry.ReadString("anything"), "");
}

TEST(Registry, FileComesFromTheEnvironment)
{
    {
        ScopedEnv env("TRV4410_REGISTRY", std::string("/tmp/elsewhere.ini"));
        EXPECT_EQ(platform::RegistryFilePath(), "/tmp/elsewhere.ini");
    }
    ScopedEnv env("TRV4410_REGISTRY", std::nullopt);
    EXPECT_EQ(platform::RegistryFilePath(), "/etc/trv4410/registry.ini");
}

} // namespace
