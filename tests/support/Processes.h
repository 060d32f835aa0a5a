#pragma once
// Programs a test starts: the device simulator and net-snmp's command-line tools.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end (at most timeoutMs) with MIB loading off.
inline ToolRun RunTool(const QString& program, const QStringList& args, int timeoutMs = 30000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MIBS", "");
    process.setProcessEnvironment(env);
    process.start(program, args);
    ToolRun run;
    if (!process.waitForStarted(5000))
        return run;
    if (!process.waitForFinished(timeoutMs))
        process.kill(), process.waitForFinished();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

// The simulator on a free loopback port; stopped (SIGTERM) when the object goes.
class SimProcess {
public:
    explicit SimProcess(QStringList args, const QString& workingFolder = {}, const QString& listen = "127.0.0.1")
    {
        args << "--listen" << listen + ":0";
        host_ = listen;
        process_.setWorkingDirectory(workingFolder.isEmpty() ? folder_.path() : workingFolder);
        // Its log goes to a file: a pipe nobody reads would stop it once full.
        process_.setStandardErrorFile(LogPath());
        process_.start(TRV4410_SIM, args);
        if (!process_.waitForStarted(5000))
            return;
        while (port_ == 0 && process_.waitForReadyRead(10000)) {
            const QString line = QString::fromUtf8(process_.readAllStandardOutput());
            const auto match = QRegularExpression("ready on udp:[0-9.]+:(\\d+)").match(line);
            if (match.hasMatch())
                port_ = match.captured(1).toInt();
        }
    }
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    int Port() const { return port_; }
    QString Agent() const { return host_ + ":" + QString::number(port_); }
    // The module's switches for this device, as SNMPv3 without authentication
    // (only SNMPv3 takes the port from the command line); the simulator needs
    // "--user mgr".
    QStringList ModuleParams() const
    {
        return {"/I" + host_, "/v3", "/t" + QString::number(port_), "/m3", "/nmgr", "/l0"};
    }
    // A control line on standard input ("silent on", "error OID 5", ...);
    // returns once the simulator has answered it in its log.
    void Control(const std::string& line)
    {
        const int before = ControlAnswers();
        process_.write((line + "\n").c_str());
        process_.waitForBytesWritten(1000);
        for (int i = 0; i < 250 && ControlAnswers() == before; ++i)
            QThread::msleep(20);
    }
    // Stops it and returns what it logged.
    std::string Stop()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(10000))
                process_.kill(), process_.waitForFinished();
            exitCode_ = process_.exitCode();
        }
        return Log();
    }
    int ExitCode() const { return exitCode_; }
    std::string Log() const
    {
        std::ifstream in(LogPath().toStdString());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    QString Folder() const { return folder_.path(); }

private:
    QString LogPath() const { return folder_.filePath("sim.log"); }
    int ControlAnswers() const
    {
        const std::string log = Log();
        int count = 0;
        for (const char* marker : {"trv4410-sim: fault:", "trv4410-sim: control:", "trv4410-sim: error:"}) {
            for (auto at = log.find(marker); at != std::string::npos; at = log.find(marker, at + 1))
                ++count;
        }
        return count;
    }

    QTemporaryDir folder_;
    QString host_;
    QProcess process_;
    int port_ = 0;
    int exitCode_ = -1;
};

} // namespace testsupport
