#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "app/LaunchParameters.h"
#include "app/ZtIni.h"
#include "tests/support/TempDir.h"
#include "vcl/core/Exception.h"

using app::LaunchParameters;
using testsupport::TempDir;
using zt::LaunchSettings;

namespace {

// A host's .cfg file with every key; overrides replace or (with nullptr) drop keys.
std::string CfgFile(const std::map<std::string, const char*>& overrides = {})
{
    std::map<std::string, const char*> keys = {
        {"AgentPort", "161"},     {"Version", "3"},      {"ContextName", ""},  {"ContextEngineID", ""},
        {"SecurityModel", "3"},   {"SecurityLevel", "0"}, {"SecurityName", ""}, {"AuthProtocol", "0"},
        {"PrivProtocol", "0"},    {"AuthPassword", ""},  {"PrivPassword", ""},
    };
    for (const auto& [k, v] : overrides)
        keys[k] = v;
    std::string text = "[Program Information]\n";
    for (const auto& [k, v] : keys) {
        if (v)
            text += k + "=" + v + "\n";
    }
    return text;
}

struct Case {
    const char* name;
    std::map<std::string, std::string> cfgFiles;   // file name in the .cfg folder -> content
    std::vector<std::string> params;
    std::function<void(const LaunchSettings&, const std::string& address)> check;
    const char* error = nullptr;                    // expected conversion error text
};

const Case kCases[] = {
    {"address alone reads no file and keeps the defaults",
     {{"10.0.0.8.cfg", CfgFile({{"AgentPort", "999"}})}},
     {"/I10.0.0.7"},
     [](const LaunchSettings& s, const std::string& address) {
         EXPECT_EQ(address, "10.0.0.7");
         EXPECT_EQ(s.device.address, "10.0.0.7");
         EXPECT_EQ(s.device.port, 161);
         EXPECT_EQ(s.security.version, 0);
         EXPECT_EQ(s.security.readCommunity, "quorin");
         EXPECT_EQ(s.security.writeCommunity, "sabrent");
     }},
    {"port switch honoured for SNMPv3",
     {},
     {"/I10.0.0.7", "/v3", "/t1161"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.security.version, 3);
         EXPECT_EQ(s.device.port, 1161);
     }},
    {"port switch ignored for SNMPv1",
     {},
     {"/I10.0.0.7", "/v1", "/t1161"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.security.version, 1);
         EXPECT_EQ(s.device.port, 161);
     }},
    {"a switch before the address reads the file named just .cfg",
     {{".cfg", CfgFile({{"AgentPort", "2000"}, {"Version", "0"}})},
      {"10.0.0.7.cfg", CfgFile({{"AgentPort", "3000"}})}},
     {"/v3", "/I10.0.0.7"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.device.port, 2000);
         EXPECT_EQ(s.security.version, 3);
     }},
    {"the file is applied again at every later parameter",
     {{"10.0.0.7.cfg", CfgFile({{"SecurityLevel", "2"}})}},
     {"/I10.0.0.7", "/l0", "/x"},
     [](const LaunchSettings& s, const std::string&) { EXPECT_EQ(s.security.securityLevel, 3); }},
    {"levels and protocols are counted from 0",
     {},
     {"/I10.0.0.7", "/v3", "/l2", "/a1", "/p0"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.security.securityLevel, 3);
         EXPECT_EQ(s.security.authProtocol, 2);
         EXPECT_EQ(s.security.privProtocol, 1);
     }},
    {"every SNMPv3 switch",
     {},
     {"/I127.0.0.1", "/v3", "/t16161", "/cctx", "/d8000000001", "/m3", "/l1", "/nmgr", "/Aauthpass", "/Pprivpass",
      "/a2", "/p1"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.device.port, 16161);
         EXPECT_EQ(s.scope.contextName, "ctx");
         EXPECT_EQ(s.scope.contextEngineId, "8000000001");
         EXPECT_EQ(s.security.securityModel, 3);
         EXPECT_EQ(s.security.securityLevel, 2);
         EXPECT_EQ(s.security.securityName, "mgr");
         EXPECT_EQ(s.security.authPassword, "authpass");
         EXPECT_EQ(s.security.privPassword, "privpass");
         EXPECT_EQ(s.security.authProtocol, 3);
         EXPECT_EQ(s.security.privProtocol, 2);
     }},
    {"the file's values are read trimmed and its version opens the SNMPv3 switches",
     {{"10.0.0.7.cfg", CfgFile({{"AgentPort", "  1162  "}, {"SecurityName", "  admin "},
                                {"ContextName", "ctx"}, {"ContextEngineID", "  0x80 "}})}},
     {"/I10.0.0.7", "/nother"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.device.port, 1162);
         EXPECT_EQ(s.security.version, 3);
         EXPECT_EQ(s.security.securityName, "other");
         EXPECT_EQ(s.scope.contextName, "ctx");
         EXPECT_EQ(s.scope.contextEngineId, "0x80");
     }},
    {"a bare /A empties the password; an empty AuthPassword in the file does not",
     {{"10.0.0.7.cfg", CfgFile({{"AuthPassword", "fromfile"}})}},
     {"/I10.0.0.7", "/A"},
     [](const LaunchSettings& s, const std::string&) { EXPECT_EQ(s.security.authPassword, ""); }},
    {"an empty AuthPassword in the file keeps the switch's",
     {{"10.0.0.7.cfg", CfgFile()}},
     {"/I10.0.0.7", "/v3", "/Aswitchpass", "/x"},
     [](const LaunchSettings& s, const std::string&) { EXPECT_EQ(s.security.authPassword, "switchpass"); }},
    {"switches are found anywhere in a parameter, /I first",
     {},
     {"prefix/Rpublic", "xx/Wprivate", "/Rabc/I10.0.0.9"},
     [](const LaunchSettings& s, const std::string& address) {
         EXPECT_EQ(s.security.readCommunity, "public");
         EXPECT_EQ(s.security.writeCommunity, "private");
         EXPECT_EQ(address, "10.0.0.9");
     }},
    {"matching is case-sensitive and the first switch in table order wins",
     {},
     {"/I10.0.0.7", "/V3", "/Rcomm/W", "/v3", "/ab/Ax"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.security.version, 3);
         EXPECT_EQ(s.security.readCommunity, "comm/W");
         EXPECT_EQ(s.security.writeCommunity, "sabrent");
         EXPECT_EQ(s.security.authPassword, "x"); // "/A" is tested before "/a"
         EXPECT_EQ(s.security.authProtocol, 1);
     }},
    {"SNMPv3 switches are ignored while the version is not 3",
     {},
     {"/I10.0.0.7", "/nuser", "/l2", "/Apass"},
     [](const LaunchSettings& s, const std::string&) {
         EXPECT_EQ(s.security.securityName, "");
         EXPECT_EQ(s.security.securityLevel, 1);
         EXPECT_EQ(s.security.authPassword, "");
     }},
    {"/c with no value empties the context name",
     {{"10.0.0.7.cfg", CfgFile({{"ContextName", "fromfile"}})}},
     {"/I10.0.0.7", "/c"},
     [](const LaunchSettings& s, const std::string&) { EXPECT_EQ(s.scope.contextName, ""); }},
    {"a file without AgentPort is a conversion error",
     {{"10.0.0.7.cfg", CfgFile({{"AgentPort", nullptr}})}},
     {"/I10.0.0.7", "/v1"},
     nullptr,
     "'' is not a valid integer value"},
    {"a non-numeric version is a conversion error",
     {},
     {"/I10.0.0.7", "/vthree"},
     nullptr,
     "'three' is not a valid integer value"},
    {"a non-numeric level is a conversion error",
     {},
     {"/I10.0.0.7", "/v3", "/l"},
     nullptr,
     "'' is not a valid integer value"},
    {"a port beyond 65535 is refused rather than wrapped",
     {},
     {"/I10.0.0.7", "/v3", "/t70000"},
     nullptr,
     "'70000' is out of range (0 to 65535)"},
};

TEST(LaunchParameters, CommandLineAndCfgFile)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const auto& [name, content] : c.cfgFiles)
            dir.Write(name, content);
        LaunchSettings settings;
        LaunchParameters launch(settings, dir.Path() + "/");
        if (c.error) {
            try {
                launch.Apply(c.params);
                ADD_FAILURE() << "no conversion error";
            } catch (const vcl::EConvertError& e) {
                EXPECT_EQ(e.Message(), c.error);
            }
            continue;
        }
        launch.Apply(c.params);
        c.check(settings, launch.Address());
    }
}

// An empty value gives the default as it was passed; a missing key makes the
// profile reader copy the default, which is then trimmed like any value.
TEST(ZtIni, TrimsValuesButNotTheDefaultOfAnEmptyValue)
{
    TempDir dir;
    const auto file = dir.Write("a.cfg", "[S]\nKey =  value  \nEmpty=\n");
    const app::ZtIni ini(file);
    EXPECT_EQ(ini.Read("S", "Key", ""), "value");
    EXPECT_EQ(ini.Read("S", "Empty", " dflt "), " dflt ");
    EXPECT_EQ(ini.Read("S", "Missing", " dflt "), "dflt");
    EXPECT_EQ(app::ZtIni(dir / "none").Read("S", "Key", ""), "");
}

} // namespace
