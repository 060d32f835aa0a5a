// The real executable, started the way a host starts it.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>

#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"

using testsupport::ReadFile;
using testsupport::TempDir;

namespace {

struct ModuleRun {
    int exitCode = -1;
    bool finished = false;
    std::string errors;
};

class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        env = QProcessEnvironment::systemEnvironment();
        env.insert("TRV4410_UNATTENDED", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TRV4410_REGISTRY", QString::fromStdString(home / "registry.ini"));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.Path()));
        env.insert("APPDATA", QString::fromStdString(home.Path()));
    }

    void Start(QProcess& process, const QStringList& params)
    {
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(home.Path()));
        process.start(TRV4410_EXE, params);
        ASSERT_TRUE(process.waitForStarted(5000));
    }

    ModuleRun RunToEnd(const QStringList& params, int timeoutMs = 20000)
    {
        QProcess process;
        Start(process, params);
        ModuleRun run;
        run.finished = process.waitForFinished(timeoutMs);
        if (!run.finished) {
            process.kill();
            process.waitForFinished();
        }
        run.exitCode = process.exitCode();
        run.errors = process.readAllStandardError().toStdString();
        return run;
    }

    // Waits until a running module has taken its guard (its per-user folder exists).
    bool WaitUntilRunning(QProcess& process)
    {
        for (int i = 0; i < 200; ++i) {
            if (std::filesystem::exists(home / "TRV-4410"))
                return true;
            if (process.waitForFinished(50))
                return false;
        }
        return false;
    }

    TempDir home;
    TempDir runtime;
    QProcessEnvironment env;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(StartupTest, WithoutParametersItRefusesToRun)
{
    const ModuleRun run = RunToEnd({});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(Contains(run.errors, "TRV4410Module: This module is only used in the Skyframe or HP-Openview.\n"))
        << run.errors;
    EXPECT_FALSE(std::filesystem::exists(home / "TRV-4410"));
}

// Each running module talks to a simulated device of its own on loopback.
TEST_F(StartupTest, ASecondModuleForTheSameAddressIsRefused)
{
    testsupport::SimProcess device7({"--user", "mgr"}, {}, "127.0.0.7");
    testsupport::SimProcess device8({"--user", "mgr"}, {}, "127.0.0.8");
    QProcess first;
    Start(first, device7.ModuleParams());
    ASSERT_TRUE(WaitUntilRunning(first)) << first.readAllStandardError().toStdString();

    const ModuleRun second = RunToEnd(device7.ModuleParams());
    ASSERT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(Contains(second.errors, "Warning: SNMP Timeout or another TRV-4410 module is running!\n"))
        << second.errors;

    QProcess other;
    Start(other, device8.ModuleParams());
    EXPECT_FALSE(other.waitForFinished(1500)) << "a module for another address must keep running";
    EXPECT_EQ(first.state(), QProcess::Running);

    other.terminate();
    first.terminate();
    EXPECT_TRUE(other.waitForFinished(10000));
    EXPECT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);

    // The guard went with the process: the same address can be managed again.
    QProcess again;
    Start(again, device7.ModuleParams());
    EXPECT_FALSE(again.waitForFinished(1500));
    again.terminate();
    EXPECT_TRUE(again.waitForFinished(10000));
}

TEST_F(StartupTest, ConversionErrorStopsStartUpWithAFailureStatus)
{
    const ModuleRun run = RunToEnd({"/I127.0.0.7", "/vx"});
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(Contains(run.errors, "TRV4410Module: 'x' is not a valid integer value\n")) << run.errors;
    EXPECT_FALSE(std::filesystem::exists(home / "TRV-4410"));
}

TEST_F(StartupTest, EngineErrorStopsStartUpWithAFailureStatus)
{
    home.Write("ZtSNMP_PP_BootCounter", "damaged\n");
    const ModuleRun run = RunToEnd({"/I127.0.0.7"});
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(Contains(run.errors, "TRV4410Module: (ZtSNMP++) Error when loading SNMP engine boots counter!\n"))
        << run.errors;
}

TEST_F(StartupTest, EachStartCountsInTheWorkingDirectory)
{
    RunToEnd({});
    RunToEnd({});
    EXPECT_EQ(ReadFile(home / "ZtSNMP_PP_BootCounter"), "ZtSNMP_PP_Application\t2\n");
}

TEST_F(StartupTest, UncreatableUserFolderIsReportedAndStartUpGoesOn)
{
    env.insert("APPDATA", QString::fromStdString(home / "missing/parent"));
    testsupport::SimProcess device({"--user", "mgr"}, {}, "127.0.0.9");
    QProcess module;
    Start(module, device.ModuleParams());
    EXPECT_FALSE(module.waitForFinished(1500)) << module.readAllStandardError().toStdString();
    module.terminate();
    ASSERT_TRUE(module.waitForFinished(10000));
    const std::string errors = module.readAllStandardError().toStdString();
    EXPECT_TRUE(Contains(errors, "TRV4410Module: Can not create  \"" + (home / "missing/parent/TRV-4410") +
                                     "\" Log directory!\n"))
        << errors;
}

TEST_F(StartupTest, CfgFileFromTheHostsFolderIsApplied)
{
    home.Write("registry.ini", "[\\SOFTWARE\\Norvane\\Skyframe5.1\\MibFile]\nPath=" + home.Path() + "/mbf/\n");
    home.Write("mbf/127.0.0.7.cfg", "[Program Information]\nAgentPort=oops\n");
    const ModuleRun run = RunToEnd({"/I127.0.0.7", "/Rpublic"});
    ASSERT_TRUE(run.finished);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(Contains(run.errors, "'oops' is not a valid integer value")) << run.errors;
}

} // namespace
