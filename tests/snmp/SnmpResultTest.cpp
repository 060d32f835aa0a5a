#include <gtest/gtest.h>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "common/ErrorCatalogue.h"
#include "snmp/SnmpResult.h"

using namespace zt;

namespace {

struct ResultCase {
    int result;
    int code;
    const char* text;
};

TEST(MapSnmpResult, FollowsTheRangesOfTheResultSpace)
{
    ResetCatalogues();
    const ResultCase cases[] = {
        {0, 0, "(ZtSNMP++) Ok!"},
        {1400, 0, "(ZtSNMP++) Ok!"},
        {-1401, 0, "(ZtSNMP++) Ok!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {2, -102, "(SNMP) Variable does not exist!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -528, "(ZtSNMP++) Unknown error code!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {1415, -528, "(ZtSNMP++) Unknown error code!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {-1419, -528, "(ZtSNMP++) Unknown error code!"},
        {-1, -401, "(SNMPClass) Operation failed!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-24, -528, "(ZtSNMP++) Unknown error code!"},
        {-1400, -528, "(ZtSNMP++) Unknown error code!"},
        {snmpresult::kUnmapped, -528, "(ZtSNMP++) Unknown error code!"},
    };
    for (const auto& c : cases) {
        const MappedResult mapped = MapSnmpResult(c.result);
        EXPECT_EQ(mapped.code, c.code) << c.result;
        EXPECT_EQ(mapped.text, c.text) << c.result;
    }
}

// What an administrator sees for the things that go wrong between the module
// and a device, as net-snmp reports them.
TEST(MapSnmpResult, NetSnmpConditionsGiveTheModulesCodes)
{
    ResetCatalogues();
    const ResultCase cases[] = {
        {SNMPERR_SUCCESS, 0, "(ZtSNMP++) Ok!"},
        {SNMPERR_TIMEOUT, -405, "(SNMPClass) SNMP request timed out!"},
        {SNMPERR_UNKNOWN_USER_NAME, -304, "(SNMPv3USM) Unknown SecurityName!"},
        {SNMPERR_AUTHENTICATION_FAILURE, -308, "(SNMPv3USM) Authentication failure!"},
        {SNMPERR_DECRYPTION_ERR, -306, "(SNMPv3USM) Decryption error!"},
        {SNMPERR_NOT_IN_TIME_WINDOW, -311, "(SNMPv3USM) Message not in TimeWindow!"},
        {SNMPERR_UNKNOWN_ENG_ID, -310, "(SNMPv3USM) Unknown EngineID!"},
        {SNMPERR_UNSUPPORTED_SEC_LEVEL, -303, "(SNMPv3USM) Unsupported SecurityLevel!"},
        {SNMPERR_USM_ENCRYPTIONERROR, -305, "(SNMPv3USM) Encryption error!"},
        {SNMPERR_USM_AUTHENTICATIONFAILURE, -307, "(SNMPv3USM) Authentication error!"},
        {SNMPERR_UNKNOWN_SEC_MODEL, -201, "(SNMPv3) Unsupported Security Model!"},
        {SNMPERR_BAD_ADDRESS, -418, "(SNMPClass) Invalid Address!"},
        {SNMPERR_BAD_SENDTO, -422, "(SNMPClass) Transport operation failed!"},
        {SNMPERR_BAD_LOCPORT, -421, "(SNMPClass) Transport is in use!"},
        {SNMPERR_MALLOC, -402, "(SNMPClass) Resource unavailable!"},
        {SNMPERR_BAD_NAME, -417, "(SNMPClass) Invalid Object Identifier!"},
        {SNMPERR_BAD_COMMUNITY, -210, "(SNMPv3) Community format error!"},
        {SNMPERR_GENERR, -401, "(SNMPClass) Operation failed!"},
    };
    for (const auto& c : cases) {
        const MappedResult mapped = MapSnmpResult(SnmpResultOfNetSnmp(c.result));
        EXPECT_EQ(mapped.code, c.code) << snmp_api_errstring(c.result);
        EXPECT_EQ(mapped.text, c.text) << snmp_api_errstring(c.result);
    }
}

TEST(MapSnmpResult, EveryNetSnmpLibraryErrorHasAKnownCode)
{
    for (int err = SNMPERR_MAX; err <= SNMPERR_SUCCESS; ++err)
        EXPECT_NE(MapSnmpResult(SnmpResultOfNetSnmp(err)).code, -528) << snmp_api_errstring(err);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfNetSnmp(SNMPERR_MAX - 1)).code, -528);
}

TEST(MapSnmpResult, CallbackReasonsAndErrorStatus)
{
    EXPECT_EQ(MapSnmpResult(SnmpResultOfCallback(NETSNMP_CALLBACK_OP_TIMED_OUT)).code, -405);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfCallback(NETSNMP_CALLBACK_OP_SEND_FAILED)).code, -422);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfCallback(NETSNMP_CALLBACK_OP_DISCONNECT)).code, -422);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfErrorStatus(SNMP_ERR_NOERROR)).code, 0);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfErrorStatus(SNMP_ERR_NOSUCHNAME)).code, -102);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfErrorStatus(SNMP_ERR_WRONGTYPE)).code, -107);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfErrorStatus(SNMP_ERR_INCONSISTENTNAME)).code, -118);
    EXPECT_EQ(MapSnmpResult(SnmpResultOfErrorStatus(19)).code, -528);
}

TEST(MapSnmpResult, TextsFollowLoadedCatalogues)
{
    ResetCatalogues();
    const std::string path = testing::TempDir() + "/snmpclass-test.err";
    {
        std::FILE* f = std::fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        for (int i = 1; i <= 5; ++i)
            std::fprintf(f, "class text %d\n", i);
        std::fclose(f);
    }
    ASSERT_TRUE(LoadCatalogue(Catalogue::SnmpClass, path));
    EXPECT_EQ(MapSnmpResult(snmpresult::kTimeout).text, "class text 5");
    ResetCatalogues();
    std::remove(path.c_str());
}

} // namespace
