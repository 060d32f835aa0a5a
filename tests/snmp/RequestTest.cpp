// The request engine against the device simulator.
#include <gtest/gtest.h>

#include <QThread>

#include <chrono>

#include "snmp/DeviceOid.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "snmp/SnmpRequest.h"
#include "tests/support/ManualEventLoop.h"
#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::SimProcess;

namespace {

const ZtOptionList kEnable({{0, "Disable"}, {1, "Enable"}});
const ZtOptionList kIpFrom({{1, "Static IP(Manual)"}, {2, "Dynamic IP(DHCP)"}});
const ZtOptionList kBand({{0, "2.4GHz"}, {1, "5GHz"}});
const ZtOptionList kClientBand({{0, "A"}, {1, "B"}, {2, "G"}, {3, "N"}});

const ZtSNMPVarTableRecord kSystem[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", syn::DisplayString, acc::ReadOnly},
    {"1.3.6.1.2.1.1.5", "sysName", syn::DisplayString, acc::ReadWrite},
    {ZT_DEVICE_OID("3.1.1"), "dhcpServerControl", syn::Integer, acc::ReadWrite, &kEnable},
    kEndOfTable,
};

const ZtSNMPVarTableRecord kLan[] = {
    {ZT_DEVICE_OID("2.1.1.1.1.1.1"), "hGetIPFrom", syn::Integer, acc::ReadWrite, &kIpFrom},
    {ZT_DEVICE_OID("2.1.1.1.1.2.1"), "hIPAddress", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.1.1.1.3.1"), "hSubnetMask", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.1.1.1.4.1"), "hDefaultGateway", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.3.3.1.1.1.38.1"), "dot11ApModeStatus", syn::DisplayString, acc::ReadOnly},
    {ZT_DEVICE_OID("5.1.2.1.1.7.1"), "wirelessLed5G", syn::Integer, acc::Skip, &kEnable},
    kEndOfTable,
};

const ZtSNMPVarTableRecord kClients[] = {
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.1"), "Index", syn::Integer, acc::Key},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.2"), "MAC", syn::MacAddress, acc::ReadOnly},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.3"), "Band", syn::Integer, acc::ReadOnly, &kClientBand},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.7"), "SSID", syn::DisplayString, acc::ReadOnly},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.8"), "Uptime", syn::TimeTicks, acc::ReadOnly},
    kEndOfTable,
};

const ZtSNMPVarTableRecord kMacAndAddressColumns[] = {
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.1"), "Index", syn::Integer, acc::Key},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.2"), "MAC", syn::MacAddress, acc::ReadOnly},
    {ZT_DEVICE_OID("2.1.1.1.1.2"), "hIPAddress", syn::IpAddress, acc::ReadOnly},
    kEndOfTable,
};

struct Outcome {
    std::vector<ZtSNMPError> errors;
};

class RequestTest : public testing::Test {
protected:
    void Start(QStringList simArgs = {}, std::uint8_t version = snmpcode::kVersion2c)
    {
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_NE(sim->Port(), 0);
        CreateSession(dir.Path(), loop);
        GlobalLaunchSettings().device.port = static_cast<std::uint16_t>(sim->Port());
        GlobalLaunchSettings().security.version = version;
    }
    void TearDown() override { DestroySession(); }

    std::unique_ptr<ZtSNMPRequest> Request(const ZtSNMPVarTableRecord* table, std::uint8_t kind, int keys = 0)
    {
        auto request = std::make_unique<ZtSNMPRequest>();
        request->varList = ZtSNMPVarList(table, kind, keys);
        request->timeout = 200;
        request->retries = 0;
        request->resultHandler = [this](const ZtSNMPError& e) { errors.push_back(e); };
        return request;
    }

    // Rows of a synchronous walk: each row the values of every entry.
    std::vector<std::vector<std::string>> Walk(ZtSNMPRequest& request, bool& ok)
    {
        std::vector<std::vector<std::string>> rows;
        ok = true;
        for (bool first = true; request.GetOnce(ok, first) && rows.size() < 100; first = false) {
            std::vector<std::string> row;
            for (int i = 0; i < request.varList.Count(); ++i)
                row.push_back(request.varList.Item(i).value);
            rows.push_back(row);
        }
        return rows;
    }

    static bool Pump(const std::function<bool()>& done, int maxMs = 5000)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            GlobalSession()->EventProcessor().Tick();
            GlobalSession()->WaitForActivity(20);
        }
        return true;
    }

    testsupport::ManualEventLoop loop;
    testsupport::TempDir dir;
    std::unique_ptr<SimProcess> sim;
    std::vector<ZtSNMPError> errors;
};

TEST_F(RequestTest, GetsScalarsAndOneRow)
{
    Start();
    auto system = Request(kSystem, listkind::Scalar);
    bool ok = true;
    EXPECT_FALSE(system->GetOnce(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(system->varList.Item(0).value, "TRV-4410 Dual-Band 802.11n Access Point");
    EXPECT_EQ(system->varList.Item(1).value, "TRV-4410");
    EXPECT_EQ(system->varList.Item(2).value, "Disable");
    EXPECT_EQ(system->varList.Item(2).lastOid, ZT_DEVICE_OID("3.1.1.0"));

    auto lan = Request(kLan, listkind::Instance);
    EXPECT_FALSE(lan->GetOnce(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(lan->varList.Item(0).value, "Static IP(Manual)");
    EXPECT_EQ(lan->varList.Item(1).value, "127.0.0.1");
    EXPECT_EQ(lan->varList.Item(2).value, "255.0.0.0");
    EXPECT_EQ(lan->varList.Item(3).value, "127.0.0.254");
    EXPECT_EQ(lan->varList.Item(4).value, "");
    EXPECT_EQ(lan->varList.Item(5).value, "") << "skipped entries are never requested";
    EXPECT_TRUE(errors.empty());
    const std::string log = sim->Stop();
    EXPECT_EQ(log.find("wirelessLed5G"), std::string::npos);
}

TEST_F(RequestTest, WalksOneAndSeveralColumns)
{
    Start({"--clients", "3"});
    const ZtSNMPVarTableRecord macOnly[] = {kClients[0], kClients[1], kEndOfTable};
    auto one = Request(macOnly, listkind::Table, 1);
    bool ok = true;
    auto rows = Walk(*one, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"1", "001122000001"}, {"2", "001122000002"}, {"3", "001122000003"}}));

    auto several = Request(kClients, listkind::Table, 1);
    rows = Walk(*several, ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"1", "001122000001", "N", "TRV-4410", "0:01:12.34"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"3", "001122000003", "B", "TRV-4410", "0:03:12.34"}));
    EXPECT_EQ(several->varList.Item(1).lastOid, ZT_DEVICE_OID("2.1.3.3.4.2.1.2.3")) << "finished after the last row";
    EXPECT_TRUE(errors.empty());
}

TEST_F(RequestTest, AColumnThatEndsEarlyReadsNotDone)
{
    Start({"--clients", "2"});
    auto request = Request(kMacAndAddressColumns, listkind::Table, 1);
    bool ok = true;
    const auto rows = Walk(*request, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"1", "001122000001", "127.0.0.1"},
                                                            {"2", "001122000002", "(NOTDONE)"}}));
}

TEST_F(RequestTest, WalksAsynchronously)
{
    Start({"--clients", "3"});
    auto request = Request(kClients, listkind::Table, 1);
    std::vector<std::string> macs;
    std::vector<int> doneFlags;
    bool finished = false;
    std::function<void(void*, const ZtSNMPError&)> next;
    next = [&](void*, const ZtSNMPError& e) {
        EXPECT_EQ(e.code, 0) << e.message;
        doneFlags.push_back(e.done);
        if (e.done) {
            finished = true;
            return;
        }
        macs.push_back(request->varList.Item(1).value);
        EXPECT_TRUE(request->GetAsync(next, nullptr, false));
    };
    ASSERT_TRUE(request->GetAsync(next, nullptr, true));
    EXPECT_EQ(request->pending, 1);
    ASSERT_TRUE(Pump([&] { return finished; }));
    EXPECT_EQ(macs, (std::vector<std::string>{"001122000001", "001122000002", "001122000003"}));
    EXPECT_EQ(doneFlags, (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(request->pending, 0);
}

TEST_F(RequestTest, SetsTheSyntaxesOfThePagesAndReadsThemBack)
{
    Start();
    const ZtSNMPVarTableRecord table[] = {
        {ZT_DEVICE_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", syn::Integer, acc::ReadWrite, &kBand},
        {ZT_DEVICE_OID("2.1.1.1.1.2.1"), "hIPAddress", syn::IpAddress, acc::ReadWrite},
        {ZT_DEVICE_OID("2.1.3.3.6.1.1.3.1"), "dot11MacCloneMacAddress", syn::MacAddress, acc::ReadWrite},
        {"1.3.6.1.2.1.1.5", "sysName", syn::DisplayString, acc::ReadWrite},
        kEndOfTable,
    };
    auto request = Request(table, listkind::Instance);
    request->varList.Item(3).oid = "1.3.6.1.2.1.1.5.0";
    request->varList.Item(0).value = "5GHz";
    request->varList.Item(1).value = "10.20.30.40";
    request->varList.Item(2).value = "0A0B0C0D0E0F";
    request->varList.Item(3).value = "ap-lobby";
    bool ok = true;
    EXPECT_TRUE(request->SetOnce(ok, false));
    EXPECT_TRUE(errors.empty());

    auto check = Request(table, listkind::Instance);
    check->varList.Item(3).oid = "1.3.6.1.2.1.1.5.0";
    EXPECT_FALSE(check->GetOnce(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_EQ(check->varList.Item(0).value, "5GHz");
    EXPECT_EQ(check->varList.Item(1).value, "10.20.30.40");
    EXPECT_EQ(check->varList.Item(2).value, "0A0B0C0D0E0F");
    EXPECT_EQ(check->varList.Item(3).value, "ap-lobby");
}

// Object identifiers and time ticks go on the wire with their own types.
class PduProbe : public ZtSNMPRequest {
public:
    using ZtSNMPRequest::BuildPdu;
};

TEST_F(RequestTest, SetPdusCarryEachSyntaxWithItsType)
{
    Start();
    const ZtSNMPVarTableRecord table[] = {
        {"1.3.6.1.2.1.1.2", "sysObjectID", syn::ObjectId, acc::ReadWrite},
        {"1.3.6.1.2.1.1.3", "sysUpTime", syn::TimeTicks, acc::ReadWrite},
        {ZT_DEVICE_OID("9.1"), "text", syn::DisplayString, acc::ReadWrite},
        {ZT_DEVICE_OID("9.2"), "left out", syn::Integer, acc::ReadOnly},
        kEndOfTable,
    };
    PduProbe probe;
    probe.varList = ZtSNMPVarList(table, listkind::Scalar);
    probe.varList.Item(0).value = "1.3.6.1.4.1.48621";
    probe.varList.Item(1).value = "1 day 0:00:00.01";
    probe.varList.Item(2).value = "(NULL)";
    netsnmp_pdu* pdu = probe.BuildPdu(ZtSNMPRequest::PduMode::Set);
    ASSERT_NE(pdu, nullptr);
    netsnmp_variable_list* vb = pdu->variables;
    ASSERT_NE(vb, nullptr);
    EXPECT_EQ(vb->type, ASN_OBJECT_ID);
    EXPECT_EQ(vb->name_length, 9u) << "a scalar gets .0";
    vb = vb->next_variable;
    EXPECT_EQ(vb->type, ASN_TIMETICKS);
    EXPECT_EQ(*vb->val.integer, 8640001);
    vb = vb->next_variable;
    EXPECT_EQ(vb->type, ASN_NULL);
    EXPECT_EQ(vb->next_variable, nullptr) << "read-only entries are not written";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pdu->community), pdu->community_len), "sabrent");
    snmp_free_pdu(pdu);
}

TEST_F(RequestTest, SetWithSelectionAndProvider)
{
    Start();
    auto request = Request(kLan, listkind::Instance);
    request->varList.Item(2).value = "255.255.0.0";
    const std::vector<std::string> provider = {"10.0.0.5", "10.0.0.1"};
    bool ok = true;
    EXPECT_TRUE(request->SetOnce(ok, false, "1,3", &provider));
    EXPECT_TRUE(errors.empty());
    // The list is as it was: access and values.
    EXPECT_EQ(request->varList.Item(1).value, "");
    EXPECT_EQ(request->varList.Item(2).value, "255.255.0.0");
    EXPECT_EQ(request->varList.Item(0).access, acc::ReadWrite);

    auto check = Request(kLan, listkind::Instance);
    check->GetOnce(ok, true);
    EXPECT_EQ(check->varList.Item(1).value, "10.0.0.5");
    EXPECT_EQ(check->varList.Item(2).value, "255.0.0.0") << "not selected, not written";
    EXPECT_EQ(check->varList.Item(3).value, "10.0.0.1");
}

TEST_F(RequestTest, SetErrorStatusIsReportedWithItsCodeAndText)
{
    Start();
    const ZtSNMPVarTableRecord table[] = {
        {ZT_DEVICE_OID("5.1.1"), "deviceInformationFirmwareVersion", syn::DisplayString, acc::ReadWrite},
        kEndOfTable,
    };
    auto request = Request(table, listkind::Scalar);
    request->varList.Item(0).value = "9.9";
    bool ok = true;
    EXPECT_FALSE(request->SetOnce(ok, false));
    EXPECT_FALSE(ok);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].code, -117);
    EXPECT_EQ(errors[0].message, "(SNMP) Cannot create/set variable, Not Writable!");
    EXPECT_EQ(errors[0].errorIndex, 1);
    EXPECT_EQ(errors[0].sequenceNumber, 1u);
    EXPECT_EQ(request->errorCount, 1u);

    GlobalLaunchSettings().security.version = snmpcode::kVersion1;
    auto v1 = Request(table, listkind::Scalar);
    v1->varList.Item(0).value = "9.9";
    EXPECT_FALSE(v1->SetOnce(ok, false));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1].code, -102);
    EXPECT_EQ(errors[1].message, "(SNMP) Variable does not exist!");
}

TEST_F(RequestTest, SilentDeviceTimesOut)
{
    Start({"--fault", "silent on"});
    auto request = Request(kSystem, listkind::Scalar);
    request->timeout = 30;
    bool ok = true;
    request->GetOnce(ok, true);
    EXPECT_FALSE(ok);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].code, -405);
    EXPECT_EQ(errors[0].message, "(SNMPClass) SNMP request timed out!");

    std::optional<ZtSNMPError> outcome;
    ASSERT_TRUE(request->GetAsync([&](void*, const ZtSNMPError& e) { outcome = e; }, nullptr, true));
    ASSERT_TRUE(Pump([&] { return outcome.has_value(); }));
    EXPECT_EQ(outcome->code, -405);
    EXPECT_EQ(outcome->done, 1);
    EXPECT_EQ(outcome->sequenceNumber, 2u);
    EXPECT_EQ(request->pending, 0);
}

TEST_F(RequestTest, UnusableAddressIsRefusedBeforeAnythingIsSent)
{
    Start();
    auto request = Request(kSystem, listkind::Scalar);
    request->target.address = "not an address";
    bool ok = true;
    try {
        request->GetOnce(ok, true);
        FAIL() << "nothing raised";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -509);
        EXPECT_EQ(e.Message(), "(ZtSNMP++) Invalid IP Address or DNS name!");
    }
    EXPECT_THROW(request->SetOnce(ok, false), vcl::Exception);
    EXPECT_EQ(sim->Stop().find("GET"), std::string::npos);
}

TEST_F(RequestTest, WalkStopsOnAnAgentThatRepeatsItself)
{
    Start({"--clients", "3", "--fault", "repeat on"});
    auto request = Request(kClients, listkind::Table, 1);
    bool ok = true;
    const auto rows = Walk(*request, ok);
    EXPECT_LE(rows.size(), 1u);
}

TEST_F(RequestTest, ListKindsAndModesThatCannotBeSent)
{
    Start();
    auto request = Request(kSystem, listkind::Scalar);
    request->varList.kind = 4;
    bool ok = true;
    EXPECT_FALSE(request->GetOnce(ok, true));
    EXPECT_FALSE(ok);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].code, -515);
    EXPECT_FALSE(request->GetAsync(nullptr, nullptr, true));
    try {
        request->SetOnce(ok, false);
        FAIL();
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -515);
    }
    auto getNext = Request(kLan, listkind::Instance);
    getNext->getNext = 1;
    try {
        getNext->GetOnce(ok, true);
        FAIL();
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -510);
    }
}

TEST_F(RequestTest, AListWithNothingToReadSendsAnEmptyGet)
{
    Start();
    const ZtSNMPVarTableRecord table[] = {
        {ZT_DEVICE_OID("2.1.3.3.4.2.1.1"), "Index", syn::Integer, acc::Key},
        {ZT_DEVICE_OID("2.1.1.1.1.2.1"), "skipped", syn::IpAddress, acc::Skip},
        kEndOfTable,
    };
    auto request = Request(table, listkind::Instance, 1);
    bool ok = true;
    EXPECT_FALSE(request->GetOnce(ok, true));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RequestTest, RefusedSendIsReportedAndNoCompletionComes)
{
    Start();
    const ZtSNMPVarTableRecord table[] = {
        {"1.3.6.1.2.1.1.5", "sysName", syn::DisplayString, acc::ReadWrite},
        kEndOfTable,
    };
    auto request = Request(table, listkind::Scalar);
    request->varList.Item(0).value = std::string(70000, 'x'); // more than a datagram can carry
    bool called = false;
    EXPECT_FALSE(request->SetAsync([&](void*, const ZtSNMPError&) { called = true; }, nullptr, false));
    EXPECT_EQ(request->pending, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].code, 0);
    Pump([] { return false; }, 300);
    EXPECT_FALSE(called);
}

TEST_F(RequestTest, DestructionWaitsAtMostSixSecondsAndLateAnswersTouchNothing)
{
    Start({"--fault", "silent on"});
    auto request = Request(kSystem, listkind::Scalar);
    request->timeout = 700;
    bool called = false;
    ASSERT_TRUE(request->GetAsync([&](void*, const ZtSNMPError&) { called = true; }, nullptr, true));
    const auto start = std::chrono::steady_clock::now();
    request.reset();
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(6500));
    EXPECT_GE(waited, std::chrono::milliseconds(5900));
    // The time-out comes after the request has gone.
    Pump([] { return false; }, 1500);
    EXPECT_FALSE(called);
}

TEST_F(RequestTest, SnmpV3UsersOfEveryLevel)
{
    struct Case {
        const char* name;
        QStringList sim;
        int level;
        int auth;
        int priv;
        const char* authPass;
        const char* privPass;
        int expectedCode;
    };
    const Case cases[] = {
        {"MD5/DES", {"--user", "mgr", "--auth", "MD5", "--auth-pass", "authpass1", "--priv", "DES", "--priv-pass", "privpass1"},
         snmpcode::kAuthPriv, snmpcode::kAuthMd5, snmpcode::kPrivDes, "authpass1", "privpass1", 0},
        {"SHA/DES", {"--user", "mgr", "--auth", "SHA", "--auth-pass", "authpass1", "--priv", "DES", "--priv-pass", "privpass1"},
         snmpcode::kAuthPriv, snmpcode::kAuthSha, snmpcode::kPrivDes, "authpass1", "privpass1", 0},
        {"noAuthNoPriv with empty pass phrases", {"--user", "mgr"}, snmpcode::kNoAuthNoPriv, snmpcode::kAuthNone,
         snmpcode::kPrivNone, "", "", 0},
        {"wrong pass phrase", {"--user", "mgr", "--auth", "MD5", "--auth-pass", "authpass1"}, snmpcode::kAuthNoPriv,
         snmpcode::kAuthMd5, snmpcode::kPrivNone, "otherpass", "", -308},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        errors.clear();
        Start(c.sim, snmpcode::kVersion3);
        auto& security = GlobalLaunchSettings().security;
        security.securityModel = 3;
        security.securityName = "mgr";
        security.securityLevel = c.level;
        security.authProtocol = c.auth;
        security.privProtocol = c.priv;
        security.authPassword = c.authPass;
        security.privPassword = c.privPass;
        auto request = Request(kSystem, listkind::Scalar);
        bool ok = true;
        request->GetOnce(ok, true);
        if (c.expectedCode == 0) {
            EXPECT_TRUE(ok);
            EXPECT_EQ(request->varList.Item(1).value, "TRV-4410");
        } else {
            ASSERT_FALSE(errors.empty());
            EXPECT_EQ(errors[0].code, c.expectedCode) << errors[0].message;
        }
        request.reset();
        DestroySession();
    }
}

} // namespace
