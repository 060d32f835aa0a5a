#include <gtest/gtest.h>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "snmp/BootCounter.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "tests/support/ManualEventLoop.h"
#include "tests/support/TempDir.h"
#include "vcl/core/Exception.h"

#include <unistd.h>

using namespace zt;
using testsupport::ManualEventLoop;
using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

TEST(BootCounter, MissingFileAndMissingEntryStartFromZero)
{
    TempDir dir;
    std::uint32_t counter = 99;
    EXPECT_EQ(GetBootCounter(dir / "none", "engine", counter), bootcounter::kNoFile);
    EXPECT_EQ(counter, 0u);
    ASSERT_EQ(SaveBootCounter(dir / "file", "other", 7), bootcounter::kOk);
    counter = 99;
    EXPECT_EQ(GetBootCounter(dir / "file", "engine", counter), bootcounter::kNoEntry);
    EXPECT_EQ(counter, 0u);
}

TEST(BootCounter, SavingKeepsOtherEnginesLines)
{
    TempDir dir;
    const auto path = dir / "counter";
    ASSERT_EQ(SaveBootCounter(path, "a", 3), bootcounter::kOk);
    ASSERT_EQ(SaveBootCounter(path, "b", 5), bootcounter::kOk);
    ASSERT_EQ(SaveBootCounter(path, "a", 4), bootcounter::kOk);
    std::uint32_t counter = 0;
    EXPECT_EQ(GetBootCounter(path, "a", counter), bootcounter::kOk);
    EXPECT_EQ(counter, 4u);
    EXPECT_EQ(GetBootCounter(path, "b", counter), bootcounter::kOk);
    EXPECT_EQ(counter, 5u);
    EXPECT_EQ(ReadFile(path), "a\t4\nb\t5\n");
}

TEST(BootCounter, DamagedFileIsAnErrorAndIsNotOverwritten)
{
    TempDir dir;
    const auto path = dir.Write("counter", "engine\tnot-a-number\n");
    std::uint32_t counter = 0;
    EXPECT_LT(GetBootCounter(path, "engine", counter), bootcounter::kNoEntry);
    EXPECT_NE(SaveBootCounter(path, "engine", 1), bootcounter::kOk);
    EXPECT_EQ(ReadFile(path), "engine\tnot-a-number\n");
}

TEST(BootCounterPath, FolderSeparatorOnlyWhenNeeded)
{
    EXPECT_EQ(BootCounterPath(""), "ZtSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("/var/x"), "/var/x/ZtSNMP_PP_BootCounter");
    EXPECT_EQ(BootCounterPath("/var/x/"), "/var/x/ZtSNMP_PP_BootCounter");
}

class SessionTest : public testing::Test {
protected:
    void TearDown() override { DestroySession(); }
    ManualEventLoop loop;
    TempDir dir;
};

TEST_F(SessionTest, EachStartRaisesTheStoredBootsByOne)
{
    CreateSession(dir.Path(), loop);
    EXPECT_EQ(ReadFile(dir / "ZtSNMP_PP_BootCounter"), "ZtSNMP_PP_Application\t1\n");
    DestroySession();
    auto& session = CreateSession(dir.Path(), loop);
    EXPECT_EQ(ReadFile(dir / "ZtSNMP_PP_BootCounter"), "ZtSNMP_PP_Application\t2\n");
    EXPECT_EQ(session.EngineBoots(), 2u);
    EXPECT_EQ(snmpv3_local_snmpEngineBoots(), 2u);
}

TEST_F(SessionTest, EmptyFolderMeansTheWorkingDirectory)
{
    char previous[4096];
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
    CreateSession("", loop);
    EXPECT_EQ(::chdir(previous), 0);
    EXPECT_EQ(ReadFile(dir / "ZtSNMP_PP_BootCounter"), "ZtSNMP_PP_Application\t1\n");
}

TEST_F(SessionTest, CounterErrorsRaiseTheirCodes)
{
    dir.Write("ZtSNMP_PP_BootCounter", "garbage\n");
    try {
        CreateSession(dir.Path(), loop);
        FAIL() << "nothing raised";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -507);
        EXPECT_EQ(e.Message(), "(ZtSNMP++) Error when loading SNMP engine boots counter!");
    }
    try {
        CreateSession(dir / "no/such/folder", loop);
        FAIL() << "nothing raised";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -508);
        EXPECT_EQ(e.Message(), "(ZtSNMP++) Error when saving SNMP engine boots counter!");
    }
}

TEST_F(SessionTest, SetsTheDefaultsOfTheLaunchSettings)
{
    GlobalLaunchSettings().device.address = "10.9.9.9";
    GlobalLaunchSettings().security.version = 3;
    DefaultTimeout() = 5;
    CreateSession(dir.Path(), loop);
    const LaunchSettings& s = GlobalLaunchSettings();
    EXPECT_EQ(s.device.address, "127.0.0.1");
    EXPECT_EQ(s.device.port, 161);
    EXPECT_EQ(s.scope.contextEngineId, "");
    EXPECT_EQ(s.scope.contextName, "");
    EXPECT_EQ(s.security.version, 0);
    EXPECT_EQ(s.security.readCommunity, "quorin");
    EXPECT_EQ(s.security.writeCommunity, "sabrent");
    EXPECT_EQ(s.security.securityModel, 1);
    EXPECT_EQ(s.security.securityLevel, 1);
    EXPECT_EQ(s.security.securityName, "");
    EXPECT_EQ(s.security.authPassword, "");
    EXPECT_EQ(s.security.privPassword, "");
    EXPECT_EQ(s.security.authProtocol, 1);
    EXPECT_EQ(s.security.privProtocol, 1);
    EXPECT_EQ(DefaultTimeout(), 100);
}

TEST_F(SessionTest, EventProcessorTicksEvery20msWithoutNesting)
{
    auto& session = CreateSession(dir.Path(), loop);
    ASSERT_EQ(loop.timers.size(), 1u);
    auto* timer = loop.timers[0];
    EXPECT_TRUE(timer->active);
    EXPECT_EQ(timer->interval, 20);

    bool activeDuringProcessing = true;
    bool outstanding = true;
    SnmpEventProcessor probe(loop, [&] {
        activeDuringProcessing = loop.timers[1]->active;
        return outstanding;
    });
    probe.Start();
    probe.Tick();
    EXPECT_FALSE(activeDuringProcessing);
    EXPECT_TRUE(loop.timers[1]->active) << "ticks on while answers are outstanding";
    outstanding = false;
    probe.Tick();
    EXPECT_FALSE(loop.timers[1]->active) << "sleeps when nothing is outstanding";
    probe.Wake();
    EXPECT_TRUE(loop.timers[1]->active) << "a request wakes it";
    probe.Stop();
    EXPECT_FALSE(loop.timers[1]->active);
    probe.Wake();
    EXPECT_FALSE(loop.timers[1]->active) << "a stopped processor stays stopped";

    session.EventProcessor().Tick(); // no sessions attached: nothing outstanding
    EXPECT_FALSE(timer->active);
}

// An answer arriving for a net-snmp session is delivered by the event
// processor's tick, on the loop's thread.
TEST_F(SessionTest, TickDeliversAnswersOfAttachedSessions)
{
    auto& session = CreateSession(dir.Path(), loop);

    // A one-shot agent on loopback that echoes a response PDU.
    const int agent = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(agent, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    socklen_t len = sizeof addr;
    ::getsockname(agent, reinterpret_cast<sockaddr*>(&addr), &len);

    netsnmp_session config;
    snmp_sess_init(&config);
    const std::string peer = "udp:127.0.0.1:" + std::to_string(ntohs(addr.sin_port));
    config.peername = const_cast<char*>(peer.c_str());
    config.version = SNMP_VERSION_1;
    config.community = reinterpret_cast<u_char*>(const_cast<char*>("quorin"));
    config.community_len = 6;
    config.timeout = 2000000;
    config.retries = 0;
    struct Result {
        int operation = 0;
    } result;
    config.callback = [](int op, netsnmp_session*, int, netsnmp_pdu*, void* magic) -> int {
        static_cast<Result*>(magic)->operation = op;
        return 1;
    };
    config.callback_magic = &result;
    void* sess = snmp_sess_open(&config);
    ASSERT_NE(sess, nullptr);
    session.Attach(sess);

    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    oid sysDescr[] = {1, 3, 6, 1, 2, 1, 1, 1, 0};
    snmp_add_null_var(pdu, sysDescr, OID_LENGTH(sysDescr));
    ASSERT_NE(snmp_sess_async_send(sess, pdu, nullptr, nullptr), 0);

    // Echo the request back as a response: same bytes with the PDU tag changed.
    unsigned char buffer[1500];
    sockaddr_in from{};
    socklen_t fromLen = sizeof from;
    const ssize_t n = ::recvfrom(agent, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
    ASSERT_GT(n, 0);
    for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] == SNMP_MSG_GET) { // first 0xA0 after the community is the PDU tag
            buffer[i] = SNMP_MSG_RESPONSE;
            break;
        }
    }
    ::sendto(agent, buffer, static_cast<size_t>(n), 0, reinterpret_cast<sockaddr*>(&from), fromLen);
    ::usleep(50 * 1000);

    EXPECT_EQ(result.operation, 0); // nothing is delivered between ticks
    session.EventProcessor().Tick();
    EXPECT_EQ(result.operation, NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE);

    session.Detach(sess);
    snmp_sess_close(sess);
    ::close(agent);
}

} // namespace
