#include <gtest/gtest.h>

#include "common/ErrorCatalogue.h"
#include "tests/support/TempDir.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::TempDir;

namespace {

class CatalogueTest : public testing::Test {
protected:
    void SetUp() override { ResetCatalogues(); }
    void TearDown() override { ResetCatalogues(); }
    TempDir dir;
};

struct CodeText {
    Catalogue table;
    int code;
    int position;
    const char* text;
};

// The first and last code of every table, and the codes whose position rule
// differs from its neighbours.
const CodeText kCodes[] = {
    {Catalogue::Common, 0, 0, "(ZtCommon) Ok!"},
    {Catalogue::Common, -8, 8, "(ZtCommon) Please enter a number between [MIN] and [MAX]!"},
    {Catalogue::Common, -18, 18, "(ZtCommon) Fail to read option data from file([FILENAME])!"},
    {Catalogue::SnmpStatus, -101, 0, "(SNMP) Response PDU Too Big!"},
    {Catalogue::SnmpStatus, -118, 17, "(SNMP) Cannot create variable, Inconsistent Name!"},
    {Catalogue::SnmpV3, -201, 0, "(SNMPv3) Unsupported Security Model!"},
    {Catalogue::SnmpV3, -217, 16, "(SNMPv3) Report sent!"},
    {Catalogue::SnmpUsm, -301, 0, "(SNMPv3USM) error!"},
    {Catalogue::SnmpUsm, -314, 13, "(SNMPv3USM) Address error!"},
    {Catalogue::SnmpClass, -401, 0, "(SNMPClass) Operation failed!"},
    {Catalogue::SnmpClass, -409, 8, "(SNMPClass)Unknown error code!"},
    {Catalogue::SnmpClass, -420, 19, "(SNMP Class) Transport is not supported!"},
    {Catalogue::SnmpClass, -423, 22, "(SNMPClass) Blocked Mode Shutdown!"},
    {Catalogue::ZtSnmp, 0, 0, "(ZtSNMP++) Ok!"},
    {Catalogue::ZtSnmp, -501, 1, "(ZtSNMP++) Fail to read SNMP variables from file([FILENAME])!"},
    {Catalogue::ZtSnmp, -528, 28, "(ZtSNMP++) Unknown error code!"},
    {Catalogue::StatusTemplates, 0, 0, "Get: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
    {Catalogue::StatusTemplates, 1, 1, "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."},
    {Catalogue::ZtTftp, 3, 0, "(ZtTFTP) Success to transfer file."},
    {Catalogue::ZtTftp, 0, 3, "(ZtTFTP) A TFTP session is disconnected..."},
    {Catalogue::ZtTftp, -1101, 4, "(ZtTFTP) Undefined error:"},
    {Catalogue::ZtTftp, -1114, 17, "(ZtTFTP) Transfer has been canceled."},
};

TEST_F(CatalogueTest, CodesFindTheirPositionsAndBuiltInTexts)
{
    for (const auto& c : kCodes) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(PositionOf(c.table, c.code), c.position);
        EXPECT_EQ(ErrorText(c.table, c.code), c.text);
    }
}

TEST_F(CatalogueTest, CodesOutsideTheirModuleHaveNoText)
{
    const std::pair<Catalogue, int> outside[] = {
        {Catalogue::Common, -19}, {Catalogue::Common, 1},        {Catalogue::SnmpStatus, -100},
        {Catalogue::SnmpStatus, -119}, {Catalogue::ZtSnmp, -500}, {Catalogue::ZtSnmp, -529},
        {Catalogue::StatusTemplates, 2}, {Catalogue::ZtTftp, 4}, {Catalogue::ZtTftp, -1},
        {Catalogue::ZtTftp, -1115},
    };
    for (const auto& [table, code] : outside) {
        SCOPED_TRACE(code);
        EXPECT_EQ(PositionOf(table, code), -1);
        EXPECT_EQ(ErrorText(table, code), "");
    }
}

TEST_F(CatalogueTest, DelimitedNumberTextsSpanTwoLines)
{
    EXPECT_EQ(ErrorText(Catalogue::Common, -10),
              "(ZtCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is equal to [COUNT]!");
}

TEST_F(CatalogueTest, FileReplacesTableLineByLineSkippingBlankLines)
{
    const auto path = dir.Write("snmp.msg", "\n  \nGet [ERROR]\r\n\n\t\nSet [ERROR]\n");
    ASSERT_TRUE(LoadCatalogue(Catalogue::StatusTemplates, path));
    EXPECT_EQ(ErrorText(Catalogue::StatusTemplates, 0), "Get [ERROR]");
    EXPECT_EQ(ErrorText(Catalogue::StatusTemplates, 1), "Set [ERROR]");
}

TEST_F(CatalogueTest, LinesKeepTheirBlanksButLoseTheirLineEnds)
{
    const auto path = dir.Write("x.err", " text \ntext\r\nlast without line end");
    ASSERT_TRUE(LoadCatalogue(Catalogue::SnmpUsm, path));
    EXPECT_EQ(ErrorText(Catalogue::SnmpUsm, -301), " text ");
    EXPECT_EQ(ErrorText(Catalogue::SnmpUsm, -302), "text");
    EXPECT_EQ(ErrorText(Catalogue::SnmpUsm, -303), "last without line end");
}

TEST_F(CatalogueTest, PositionsTheFileDoesNotReachKeepTheirTexts)
{
    const auto path = dir.Write("snmpusm.err", "(USM) first\n");
    ASSERT_TRUE(LoadCatalogue(Catalogue::SnmpUsm, path));
    EXPECT_EQ(ErrorText(Catalogue::SnmpUsm, -301), "(USM) first");
    EXPECT_EQ(ErrorText(Catalogue::SnmpUsm, -302), "(SNMPv3USM) Configfile write error!");
    EXPECT_EQ(ErrorText(Catalogue::SnmpUsm, -314), "(SNMPv3USM) Address error!");
}

TEST_F(CatalogueTest, MissingOrBlankFilesLeaveTheTableAlone)
{
    EXPECT_FALSE(LoadCatalogue(Catalogue::Common, dir / "absent.err"));
    EXPECT_FALSE(LoadCatalogue(Catalogue::Common, dir.Write("blank.err", "\n \r\n\t\n")));
    EXPECT_FALSE(LoadCatalogue(Catalogue::Common, dir.Write("empty.err", "")));
    EXPECT_EQ(ErrorText(Catalogue::Common, 0), "(ZtCommon) Ok!");
}

TEST_F(CatalogueTest, OverlongLinesAreReadInPiecesOf1023Characters)
{
    const std::string longLine(1500, 'x');
    ASSERT_TRUE(LoadCatalogue(Catalogue::StatusTemplates, dir.Write("snmp.msg", longLine + "\n")));
    EXPECT_EQ(ErrorText(Catalogue::StatusTemplates, 0), std::string(1023, 'x'));
    EXPECT_EQ(ErrorText(Catalogue::StatusTemplates, 1), std::string(477, 'x'));
}

TEST(Placeholders, ExpandEveryOccurrenceWithoutRescanningValues)
{
    struct Case {
        std::string text;
        Placeholders values;
        std::string expected;
    };
    const Case cases[] = {
        {"between [MIN] and [MAX]!", {{"[MIN]", "1"}, {"[MAX]", "10"}}, "between 1 and 10!"},
        {"[MIN]-[MIN]", {{"[MIN]", "0"}}, "0-0"},
        {"[MIN] [MAX]", {{"[MIN]", "[MAX]"}, {"[MAX]", "9"}}, "[MAX] 9"},
        {"[MIN]", {{"[MIN]", "[MIN][MIN]"}}, "[MIN][MIN]"},
        {"no placeholder", {{"[MIN]", "1"}}, "no placeholder"},
        {"[UNKNOWN] stays", {{"[MIN]", "1"}}, "[UNKNOWN] stays"},
        {"", {{"[MIN]", "1"}}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandPlaceholders(c.text, c.values), c.expected) << c.text;
}

TEST_F(CatalogueTest, RaisedErrorsCarryCodeAsHelpContextAndFilledText)
{
    try {
        RaiseError(Catalogue::Common, -8, {{"[MIN]", "1"}, {"[MAX]", "4094"}});
        FAIL() << "nothing raised";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -8);
        EXPECT_EQ(e.Message(), "(ZtCommon) Please enter a number between 1 and 4094!");
    }
}

TEST_F(CatalogueTest, RaisedErrorsUseTheLoadedCatalogue)
{
    ASSERT_TRUE(LoadCatalogue(Catalogue::ZtSnmp, dir.Write("ztsnmp.err", "Ok\nVariables [FILENAME] unreadable\n")));
    try {
        RaiseError(Catalogue::ZtSnmp, -501, {{"[FILENAME]", "a.var"}});
        FAIL() << "nothing raised";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -501);
        EXPECT_EQ(e.Message(), "Variables a.var unreadable");
    }
}

} // namespace
