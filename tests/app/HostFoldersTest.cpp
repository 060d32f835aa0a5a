#include <gtest/gtest.h>

#include "app/CatalogueFiles.h"
#include "app/HostFolders.h"
#include "common/ErrorCatalogue.h"
#include "platform/Registry.h"
#include "tests/support/TempDir.h"

using testsupport::TempDir;

namespace {

TEST(HostFolders, HelpBaseIsTheValueLessItsLast12Characters)
{
    struct Case {
        const char* value;
        std::string expected;
    };
    const Case cases[] = {
        {"/opt/norvane/help/TRV4410.hlp", "/opt/norvane/help"},
        {"/opt/help/x/123456789012", "/opt/help/x/"},
        {"123456789012", ""},
        {"short", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const auto file = dir.Write("registry.ini", std::string("[\\SOFTWARE\\Norvane\\Modules\\HelpPath]\n"
                                                                "1.3.6.1.4.1.48621.10.37.38=") + c.value + "\n");
        platform::TRegistry registry(file);
        EXPECT_EQ(app::ReadHelpBase(registry), c.expected) << c.value;
    }
}

TEST(HostFolders, CfgFolderFromExePathOrMibFile)
{
    struct Case {
        const char* name;
        std::string registry;
        std::string expected;
    };
    const Case cases[] = {
        {"no keys", "", ""},
        {"host program folder", "[\\SOFTWARE\\Norvane\\Skyframe5.1\\ExePath]\nPath=/opt/sky/bin/\n",
         "/opt/sky/bin/../Conf/MBF/"},
        {"host program folder without its separator", "[\\SOFTWARE\\Norvane\\Skyframe5.1\\ExePath]\nPath=/opt/sky/bin\n",
         "/opt/sky/bin/../Conf/MBF/"},
        {"MibFile replaces it as it stands",
         "[\\SOFTWARE\\Norvane\\Skyframe5.1\\ExePath]\nPath=/opt/sky/bin/\n"
         "[\\SOFTWARE\\Norvane\\Skyframe5.1\\MibFile]\nPath=/srv/mbf/\n",
         "/srv/mbf/"},
        {"MibFile alone", "[\\SOFTWARE\\Norvane\\Skyframe5.1\\MibFile]\nPath=/srv/mbf/\n", "/srv/mbf/"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        platform::TRegistry registry(dir.Write("registry.ini", c.registry));
        EXPECT_EQ(app::ReadCfgFolder(registry), c.expected) << c.name;
    }
}

class CatalogueFilesTest : public testing::Test {
protected:
    void SetUp() override { zt::ResetCatalogues(); }
    void TearDown() override { zt::ResetCatalogues(); }
    TempDir dir;
};

TEST_F(CatalogueFilesTest, BesideTheExecutableInAFolderOfAnyCase)
{
    dir.Write("ERRMSG/Common.err", "(Common) fine\n");
    dir.Write("ERRMSG/snmp.msg", "Get template\nSet template\n");
    app::LoadCataloguesBesideExecutable(dir.Path() + "/");
    EXPECT_EQ(zt::ErrorText(zt::Catalogue::Common, 0), "(Common) fine");
    EXPECT_EQ(zt::ErrorText(zt::Catalogue::StatusTemplates, 1), "Set template");
    EXPECT_EQ(zt::ErrorText(zt::Catalogue::SnmpClass, -405), "(SNMPClass) SNMP request timed out!");
}

TEST_F(CatalogueFilesTest, HelpBaseFilesReplaceTheFirstPass)
{
    dir.Write("exe/errMSg/common.err", "first pass\n");
    dir.Write("exe/errMSg/snmpusm.err", "usm first pass\n");
    dir.Write("help/errmsg/common.err", "second pass\n");
    app::LoadCataloguesBesideExecutable(dir / "exe/");
    app::LoadCataloguesFromHelpBase(dir / "help/");
    EXPECT_EQ(zt::ErrorText(zt::Catalogue::Common, 0), "second pass");
    EXPECT_EQ(zt::ErrorText(zt::Catalogue::SnmpUsm, -301), "usm first pass");
}

TEST_F(CatalogueFilesTest, HelpBaseIsAPrefixNotAFolder)
{
    dir.Write("help/trverrmsg/snmpclass.err", "prefixed\n");
    app::LoadCataloguesFromHelpBase(dir / "help/trv");
    EXPECT_EQ(zt::ErrorText(zt::Catalogue::SnmpClass, -401), "prefixed");
}

} // namespace
