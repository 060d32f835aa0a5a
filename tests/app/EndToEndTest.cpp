// The real module against the simulator over SNMPv3, driven by an unattended
// script: first probe, a new LAN address, Save and Activate, the device
// restarting and the lamps coming back.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"

namespace {

TEST(EndToEnd, ChangeTheLanAddressSaveAndActivate)
{
    testsupport::SimProcess sim({"--user", "mgr", "--auth", "MD5", "--auth-pass", "authpass1", "--priv", "DES",
                                 "--priv-pass", "privpass1", "--restart-seconds", "2"});
    ASSERT_NE(sim.Port(), 0);
    testsupport::TempDir home;
    QProcess module;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TRV4410_UNATTENDED", "1");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TRV4410_REGISTRY", QString::fromStdString(home / "registry.ini"));
    env.insert("APPDATA", QString::fromStdString(home.Path()));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.Path()));
    env.insert("TRV4410_SCRIPT", "wait-online; lan 192.168.0.60 255.255.255.0; save-and-activate; wait-online; "
                                 "screenshot " + QString::fromStdString(home / "main.png") + "; quit");
    module.setProcessEnvironment(env);
    module.setWorkingDirectory(QString::fromStdString(home.Path()));
    module.start(TRV4410_EXE, {"/I127.0.0.1", "/v3", "/t" + QString::number(sim.Port()), "/m3", "/nmgr", "/l2", "/a1",
                               "/Aauthpass1", "/p1", "/Pprivpass1"});
    ASSERT_TRUE(module.waitForStarted(5000));
    ASSERT_TRUE(module.waitForFinished(120000));
    EXPECT_EQ(module.exitCode(), 0);
    const std::string out = module.readAllStandardError().toStdString();

    // The script's steps, in order.
    std::size_t at = 0;
    for (const char* step : {"script: online after ", "script: lan 192.168.0.60: Set OK!", "script: save and activate",
                             "script: waiting window closed, lamps on", "script: online after ",
                             "script: screenshot saved to", "script: quit"}) {
        const auto found = out.find(step, at);
        ASSERT_NE(found, std::string::npos) << step << "\n" << out;
        at = found + 1;
    }
    EXPECT_NE(out.find("Get: (ZtSNMP++) Ok!. Receive at "), std::string::npos);

    const std::string log = sim.Stop();
    std::size_t from = 0;
    for (const char* event : {"SET hIPAddress = IpAddress 192.168.0.60, hSubnetMask = IpAddress 255.255.255.0",
                              "SET deviceSettingApply = INTEGER 1, deviceSettingDiscard = INTEGER 0, deviceRestart = INTEGER 0",
                              "state: restarting (apply)", "silent: dropped a request", "state: running",
                              "GET sysDescr"}) {
        const auto found = log.find(event, from);
        ASSERT_NE(found, std::string::npos) << event;
        from = found + 1;
    }
}

} // namespace
