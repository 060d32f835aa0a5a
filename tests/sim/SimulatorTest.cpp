// The device simulator, driven by net-snmp's own command-line tools.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QThread>

#include <unistd.h>

#include <cstring>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"

using testsupport::RunTool;
using testsupport::SimProcess;
using testsupport::ToolRun;

namespace {

const QString kRoot = "1.3.6.1.4.1.48621.10.37.38";
const QString hIPAddress = kRoot + ".2.1.1.1.1.2.1";
const QString dot11ApMode = kRoot + ".2.1.3.3.1.1.1.28.1";
const QString dot11ApModeStatus = kRoot + ".2.1.3.3.1.1.1.38.1";
const QString deviceSettingApply = kRoot + ".4.2.3.0";
const QString deviceSettingDiscard = kRoot + ".4.2.4.0";
const QString deviceFactoryDefault = kRoot + ".4.2.2.0";
const QString wirelessLed2dot4G = kRoot + ".5.1.2.1.1.6.1";
const QString firmwareVersion = kRoot + ".5.1.1.0";
const QString sysUpTime = "1.3.6.1.2.1.1.3.0";

QStringList V2(const SimProcess& sim, const QString& community = "quorin")
{
    return {"-v2c", "-c", community, "-t", "1", "-r", "0", "-Oqv", sim.Agent()};
}

std::string Trimmed(const std::string& s)
{
    return QString::fromStdString(s).trimmed().toStdString();
}

std::string GetValue(const SimProcess& sim, const QString& oid)
{
    const ToolRun run = RunTool("snmpget", V2(sim) << oid);
    return run.exitCode == 0 ? Trimmed(run.out) : "failed: " + run.err;
}

ToolRun Set(const SimProcess& sim, const QStringList& varbinds, const QString& version = "-v2c")
{
    return RunTool("snmpset", QStringList{version, "-c", "sabrent", "-t", "1", "-r", "0", sim.Agent()} + varbinds);
}

// Waits until the device answers again after a restart.
bool WaitForAnswers(const SimProcess& sim, int maxSeconds = 10)
{
    for (int i = 0; i < maxSeconds * 4; ++i) {
        if (RunTool("snmpget", QStringList{"-v2c", "-c", "quorin", "-t", "0.25", "-r", "0", sim.Agent(), sysUpTime})
                .exitCode == 0)
            return true;
    }
    return false;
}

TEST(Simulator, AnswersEveryVersionOfSnmp)
{
    struct Case {
        const char* name;
        QStringList simArgs;
        QStringList toolArgs;
    };
    const Case cases[] = {
        {"SNMPv1", {}, {"-v1", "-c", "quorin"}},
        {"SNMPv2c", {}, {"-v2c", "-c", "quorin"}},
        {"SNMPv2c with the write community", {}, {"-v2c", "-c", "sabrent"}},
        {"SNMPv3 authPriv MD5/DES",
         {"--user", "mgr", "--auth", "MD5", "--auth-pass", "authpass1", "--priv", "DES", "--priv-pass", "privpass1"},
         {"-v3", "-u", "mgr", "-l", "authPriv", "-a", "MD5", "-A", "authpass1", "-x", "DES", "-X", "privpass1"}},
        {"SNMPv3 authPriv SHA/DES",
         {"--user", "ops", "--auth", "SHA", "--auth-pass", "authpass2", "--priv", "DES", "--priv-pass", "privpass2"},
         {"-v3", "-u", "ops", "-l", "authPriv", "-a", "SHA", "-A", "authpass2", "-x", "DES", "-X", "privpass2"}},
        {"SNMPv3 authPriv SHA/AES",
         {"--user", "ops", "--auth", "SHA", "--auth-pass", "authpass2", "--priv", "AES", "--priv-pass", "privpass2"},
         {"-v3", "-u", "ops", "-l", "authPriv", "-a", "SHA", "-A", "authpass2", "-x", "AES", "-X", "privpass2"}},
        {"SNMPv3 authNoPriv", {"--user", "viewer", "--auth", "MD5", "--auth-pass", "authpass3"},
         {"-v3", "-u", "viewer", "-l", "authNoPriv", "-a", "MD5", "-A", "authpass3"}},
        {"SNMPv3 noAuthNoPriv", {"--user", "anyone"}, {"-v3", "-u", "anyone", "-l", "noAuthNoPriv"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcess sim(c.simArgs);
        ASSERT_NE(sim.Port(), 0);
        const ToolRun run = RunTool("snmpget", QStringList{"-t", "2", "-r", "1", "-Oqv"} + c.toolArgs
                                                   << sim.Agent() << firmwareVersion << hIPAddress);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "\"1.0.4 build 2026-11-02\"\n127.0.0.1\n");
    }
}

TEST(Simulator, RefusesWrongCredentials)
{
    SimProcess sim({"--user", "mgr", "--auth", "MD5", "--auth-pass", "authpass1", "--priv", "DES", "--priv-pass",
                    "privpass1"});
    const ToolRun community = RunTool("snmpget", V2(sim, "public") << hIPAddress);
    EXPECT_NE(community.exitCode, 0);
    EXPECT_NE(community.err.find("Timeout"), std::string::npos) << community.err;

    const QStringList v3 = {"-v3", "-t", "1", "-r", "0", "-l", "authPriv", "-a", "MD5", "-x", "DES", "-X", "privpass1"};
    const ToolRun pass = RunTool("snmpget", v3 + QStringList{"-u", "mgr", "-A", "wrongpass", sim.Agent(), hIPAddress});
    EXPECT_NE(pass.exitCode, 0);
    EXPECT_NE(pass.err.find("Authentication failure"), std::string::npos) << pass.err;

    const ToolRun user = RunTool("snmpget", v3 + QStringList{"-u", "eve", "-A", "authpass1", sim.Agent(), hIPAddress});
    EXPECT_NE(user.exitCode, 0);
    EXPECT_NE(user.err.find("Unknown user name"), std::string::npos) << user.err;

    const ToolRun readOnly = RunTool("snmpset", V2(sim) << hIPAddress << "a" << "10.1.1.1");
    EXPECT_NE(readOnly.exitCode, 0);
    EXPECT_EQ(GetValue(sim, hIPAddress), "127.0.0.1");
}

TEST(Simulator, WrittenValuesArePendingUntilApplied)
{
    SimProcess sim({"--restart-seconds", "1"});
    ASSERT_EQ(Set(sim, {hIPAddress, "a", "10.1.1.1"}).exitCode, 0);
    EXPECT_EQ(GetValue(sim, hIPAddress), "10.1.1.1");

    ASSERT_EQ(Set(sim, {deviceSettingApply, "i", "1"}).exitCode, 0);
    EXPECT_NE(RunTool("snmpget", V2(sim) << hIPAddress).exitCode, 0) << "silent while it restarts";
    ASSERT_TRUE(WaitForAnswers(sim));
    EXPECT_EQ(GetValue(sim, hIPAddress), "10.1.1.1");
    EXPECT_EQ(GetValue(sim, wirelessLed2dot4G), "1");
    EXPECT_LT(std::stol(GetValue(sim, sysUpTime)), 500) << "uptime restarts";
    EXPECT_EQ(GetValue(sim, deviceSettingApply), "0");

    // Discard drops what was written since, and restarts too.
    ASSERT_EQ(Set(sim, {hIPAddress, "a", "10.2.2.2"}).exitCode, 0);
    ASSERT_EQ(Set(sim, {deviceSettingDiscard, "i", "1"}).exitCode, 0);
    ASSERT_TRUE(WaitForAnswers(sim));
    EXPECT_EQ(GetValue(sim, hIPAddress), "10.1.1.1");

    // Factory defaults come back from the profile.
    ASSERT_EQ(Set(sim, {deviceFactoryDefault, "i", "1"}).exitCode, 0);
    ASSERT_TRUE(WaitForAnswers(sim));
    EXPECT_EQ(GetValue(sim, hIPAddress), "127.0.0.1");

    const std::string log = sim.Stop();
    EXPECT_NE(log.find("state: restarting (apply)"), std::string::npos);
    EXPECT_NE(log.find("state: restarting (discard)"), std::string::npos);
    EXPECT_NE(log.find("state: restarting (factory default)"), std::string::npos);
    EXPECT_NE(log.find("state: running"), std::string::npos);
    EXPECT_EQ(sim.ExitCode(), 0);
}

TEST(Simulator, ApModeStatusReadsChangedUntilRestart)
{
    SimProcess sim({"--restart-seconds", "0.5"});
    EXPECT_EQ(GetValue(sim, dot11ApModeStatus), "\"\"");
    ASSERT_EQ(Set(sim, {dot11ApMode, "i", "3"}).exitCode, 0);
    EXPECT_EQ(GetValue(sim, dot11ApModeStatus), "\"changed\"");
    ASSERT_EQ(Set(sim, {deviceSettingApply, "i", "1"}).exitCode, 0);
    ASSERT_TRUE(WaitForAnswers(sim));
    EXPECT_EQ(GetValue(sim, dot11ApModeStatus), "\"\"");
    EXPECT_EQ(GetValue(sim, dot11ApMode), "3");
}

TEST(Simulator, SetErrorsLikeARealAgent)
{
    SimProcess sim({});
    struct Case {
        const char* name;
        QString version;
        QStringList varbinds;
        const char* reason;
    };
    const Case cases[] = {
        {"wrong type", "-v2c", {hIPAddress, "i", "5"}, "wrongType"},
        {"wrong length", "-v2c", {kRoot + ".4.3.2.2.0", "s", QString(300, 'x')}, "wrongLength"},
        {"wrong value", "-v2c", {dot11ApMode, "i", "9"}, "wrongValue"},
        {"read only", "-v2c", {firmwareVersion, "s", "x"}, "notWritable"},
        {"unknown object", "-v2c", {kRoot + ".9.9.0", "i", "1"}, "noCreation"},
        {"unknown object in SNMPv1", "-v1", {kRoot + ".9.9.0", "i", "1"}, "noSuchName"},
        {"read only in SNMPv1", "-v1", {firmwareVersion, "s", "x"}, "noSuchName"},
        {"all or nothing", "-v2c", {dot11ApMode, "i", "2", hIPAddress, "i", "5"}, "wrongType"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Set(sim, c.varbinds, c.version);
        EXPECT_NE(run.exitCode, 0) << c.name;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << c.name << ": " << run.err;
    }
    EXPECT_EQ(GetValue(sim, hIPAddress), "127.0.0.1");
    EXPECT_EQ(GetValue(sim, dot11ApMode), "1");

    // Varbinds for one object apply in order: the last one stays.
    ASSERT_EQ(Set(sim, {hIPAddress, "a", "10.0.0.1", hIPAddress, "a", "10.0.0.2"}).exitCode, 0);
    EXPECT_EQ(GetValue(sim, hIPAddress), "10.0.0.2");
}

TEST(Simulator, WalksEndCleanly)
{
    SimProcess sim({});
    for (const char* version : {"-v1", "-v2c"}) {
        const ToolRun run = RunTool("snmpwalk", QStringList{version, "-c", "quorin", "-On", sim.Agent(), kRoot});
        EXPECT_EQ(run.exitCode, 0) << version << run.err;
        EXPECT_NE(run.out.find(".1.3.6.1.4.1.48621.10.37.38.2.1.1.1.1.1.1 = INTEGER: 1"), std::string::npos);
        EXPECT_NE(run.out.find(".1.3.6.1.4.1.48621.10.37.38.5.1.2.1.1.7.1 = INTEGER: 0"), std::string::npos);
        EXPECT_EQ(run.err, "") << version;
    }
    const ToolRun system = RunTool("snmpwalk", QStringList{"-v2c", "-c", "quorin", "-On", sim.Agent(), "1.3.6.1.2.1.1"});
    EXPECT_EQ(system.exitCode, 0);
    EXPECT_NE(system.out.find(".1.3.6.1.2.1.1.5.0 = STRING: \"TRV-4410\""), std::string::npos) << system.out;
}

TEST(Simulator, ServesAThousandClients)
{
    SimProcess sim({"--clients", "1000"});
    const ToolRun run = RunTool("snmpwalk", QStringList{"-v2c", "-c", "quorin", "-On", sim.Agent(),
                                                        kRoot + ".2.1.3.3.4.2.1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(QString::fromStdString(run.out).count('\n'), 8000);
    EXPECT_NE(run.out.find(".2.1.3.3.4.2.1.2.1000 = Hex-STRING: 00 11 22 00 03 E8"), std::string::npos);
}

TEST(Simulator, FaultsOnCommand)
{
    SimProcess sim({"--fault", "error " + kRoot + ".5.1.1.0 5"});
    ToolRun run = RunTool("snmpget", V2(sim) << firmwareVersion);
    EXPECT_NE(run.err.find("genError"), std::string::npos) << run.err;

    sim.Control("error " + kRoot.toStdString() + ".5.1.1.0 0");
    sim.Control("silent on");
    QThread::msleep(200);
    EXPECT_NE(RunTool("snmpget", V2(sim) << firmwareVersion).exitCode, 0);
    sim.Control("silent off");
    QThread::msleep(200);
    EXPECT_EQ(GetValue(sim, firmwareVersion), "\"1.0.4 build 2026-11-02\"");

    sim.Control("repeat on");
    QThread::msleep(200);
    run = RunTool("snmpwalk", QStringList{"-v2c", "-c", "quorin", sim.Agent(), kRoot});
    EXPECT_NE(run.err.find("OID not increasing"), std::string::npos) << run.err;
    sim.Control("repeat off");

    sim.Control("drop 100");
    QThread::msleep(200);
    EXPECT_NE(RunTool("snmpget", V2(sim) << firmwareVersion).exitCode, 0);
    sim.Control("drop 0");
    sim.Control("delay 300");
    QThread::msleep(200);
    EXPECT_EQ(GetValue(sim, firmwareVersion), "\"1.0.4 build 2026-11-02\"");
    sim.Control("nonsense");
    for (int i = 0; i < 100 && sim.Log().find("unknown command") == std::string::npos; ++i)
        QThread::msleep(20); // the line is read on the simulator's next turn

    const std::string log = sim.Stop();
    EXPECT_NE(log.find("fault: silent on"), std::string::npos);
    EXPECT_NE(log.find("fault: delay 300"), std::string::npos);
    EXPECT_NE(log.find("error: unknown command \"nonsense\""), std::string::npos);
}

TEST(Simulator, FetchesFilesFromATftpServer)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "tftpd-hpa serves a folder only when started as root";
    testsupport::TempDir root;
    QFile::setPermissions(QString::fromStdString(root.Path()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                                   QFileDevice::ExeOther);
    std::string image(70000, '\0');
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7);
    root.Write("fw.bin", image);
    QFile::setPermissions(QString::fromStdString(root / "fw.bin"), QFileDevice::ReadOwner | QFileDevice::ReadOther);

    QFile::setPermissions(QString::fromStdString(root.Path()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                                   QFileDevice::WriteOther | QFileDevice::ExeOther);

    const int tftpPort = 20000 + static_cast<int>(::getpid() % 20000);
    QProcess server;
    server.start("/usr/sbin/in.tftpd", {"-L", "-c", "-a", "127.0.0.1:" + QString::number(tftpPort), "-s",
                                        QString::fromStdString(root.Path())});
    ASSERT_TRUE(server.waitForStarted(5000));
    QThread::msleep(300);

    SimProcess sim({"--tftp-port", QString::number(tftpPort), "--data-dir", "received"});
    ASSERT_EQ(Set(sim, {kRoot + ".4.3.2.1.0", "a", "127.0.0.1", kRoot + ".4.3.2.2.0", "s", "fw.bin"}).exitCode, 0);
    ASSERT_EQ(Set(sim, {kRoot + ".4.3.2.4.0", "i", "2"}).exitCode, 0);
    // The next step is answered once the transfer has ended.
    ToolRun step = RunTool("snmpset", QStringList{"-v2c", "-c", "sabrent", "-t", "10", "-r", "0", sim.Agent(),
                                                  kRoot + ".4.3.2.5.0", "i", "1"});
    EXPECT_EQ(step.exitCode, 0) << step.err;
    EXPECT_EQ(testsupport::ReadFile(QDir(sim.Folder()).filePath("received/fw.bin").toStdString()), image);

    ASSERT_EQ(Set(sim, {kRoot + ".4.3.2.2.0", "s", "missing.bin"}).exitCode, 0);
    ASSERT_EQ(Set(sim, {kRoot + ".4.3.2.4.0", "i", "2"}).exitCode, 0);
    step = RunTool("snmpset", QStringList{"-v2c", "-c", "sabrent", "-t", "10", "-r", "0", sim.Agent(),
                                          kRoot + ".4.3.2.5.0", "i", "1"});
    EXPECT_NE(step.err.find("genError"), std::string::npos) << step.err;

    // "Put" sends the device's own configuration under the name written.
    ASSERT_EQ(Set(sim, {kRoot + ".4.3.2.2.0", "s", "backup.cfg"}).exitCode, 0);
    ASSERT_EQ(Set(sim, {kRoot + ".4.3.2.4.0", "i", "3"}).exitCode, 0);
    step = RunTool("snmpset", QStringList{"-v2c", "-c", "sabrent", "-t", "10", "-r", "0", sim.Agent(),
                                          kRoot + ".4.3.2.5.0", "i", "3"});
    EXPECT_EQ(step.exitCode, 0) << step.err;
    const std::string backup = testsupport::ReadFile(root / "backup.cfg");
    EXPECT_NE(backup.find("hIPAddress = IpAddress 127.0.0.1"), std::string::npos) << backup;

    server.terminate();
    server.waitForFinished(5000);
    const std::string log = sim.Stop();
    EXPECT_NE(log.find("tftp: received received/fw.bin (70000 bytes)"), std::string::npos) << log;
    EXPECT_NE(log.find("tftp: failed"), std::string::npos);
}

// Requests without variables get an answer without error.
TEST(Simulator, AnswersEmptyRequests)
{
    SimProcess sim({});
    netsnmp_session config;
    snmp_sess_init(&config);
    const std::string peer = "udp:" + sim.Agent().toStdString();
    config.peername = const_cast<char*>(peer.c_str());
    config.version = SNMP_VERSION_2c;
    char community[] = "sabrent";
    config.community = reinterpret_cast<u_char*>(community);
    config.community_len = std::strlen(community);
    void* session = snmp_sess_open(&config);
    ASSERT_NE(session, nullptr);
    for (int type : {SNMP_MSG_GET, SNMP_MSG_SET}) {
        netsnmp_pdu* response = nullptr;
        ASSERT_EQ(snmp_sess_synch_response(session, snmp_pdu_create(type), &response), STAT_SUCCESS) << type;
        ASSERT_NE(response, nullptr);
        EXPECT_EQ(response->errstat, SNMP_ERR_NOERROR);
        EXPECT_EQ(response->variables, nullptr);
        snmp_free_pdu(response);
    }
    snmp_sess_close(session);
}

TEST(Simulator, ExplainsBadOptions)
{
    const ToolRun run = RunTool(TRV4410_SIM, {"--restart-seconds", "soon"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--restart-seconds wants a number"), std::string::npos) << run.err;
    const ToolRun profile = RunTool(TRV4410_SIM, {"--profile", "/nonexistent.json"});
    EXPECT_EQ(profile.exitCode, 2);
    EXPECT_NE(profile.err.find("/nonexistent.json: cannot be read"), std::string::npos) << profile.err;
}

} // namespace
