// The request engine (through trv4410-walk) against net-snmp's own agent,
// which shows the interfaces table and nothing after it, so that an SNMPv1
// walk ends on noSuchName.
#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"

using testsupport::RunTool;
using testsupport::ToolRun;

namespace {

const QStringList kColumns = {"1.3.6.1.2.1.2.2.1.1", "1.3.6.1.2.1.2.2.1.2", "1.3.6.1.2.1.2.2.1.3",
                              "1.3.6.1.2.1.2.2.1.4", "1.3.6.1.2.1.2.2.1.5", "1.3.6.1.2.1.2.2.1.7"};

int FreeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length);
    ::close(fd);
    return ntohs(a.sin_port);
}

class SnmpdWalk : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new testsupport::TempDir;
        folder->Write("snmpd.conf", "createUser md5user MD5 authpass1 DES privpass1\n"
                                    "createUser shauser SHA authpass2 DES privpass2\n"
                                    "view iftable included .1.3.6.1.2.1.2.2\n"
                                    "rocommunity public default -V iftable\n"
                                    "rouser md5user priv -V iftable\n"
                                    "rouser shauser priv -V iftable\n");
        port = FreeLoopbackPort();
        agent = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", QString::fromStdString(folder->Path()));
        env.insert("MIBS", "");
        agent->setProcessEnvironment(env);
        agent->start("/usr/sbin/snmpd", {"-f", "-Lf", QString::fromStdString(*folder / "snmpd.log"), "-C", "-c",
                                         QString::fromStdString(*folder / "snmpd.conf"), "-p",
                                         QString::fromStdString(*folder / "snmpd.pid"),
                                         "udp:127.0.0.1:" + QString::number(port)});
        agent->waitForStarted(5000);
        for (int i = 0; i < 50; ++i) {
            if (RunTool("snmpget", {"-v2c", "-c", "public", "-t", "0.2", "-r", "0", Agent(), "1.3.6.1.2.1.2.2.1.1.1"})
                    .exitCode == 0)
                break;
        }
    }
    static void TearDownTestSuite()
    {
        agent->terminate();
        agent->waitForFinished(10000);
        delete agent;
        delete folder;
    }
    static QString Agent() { return "127.0.0.1:" + QString::number(port); }

    // What snmpwalk prints, column by column, put together as rows.
    static std::string SnmpwalkRows(const QStringList& credentials)
    {
        std::vector<std::vector<std::string>> columns;
        for (const QString& column : kColumns) {
            const ToolRun run = RunTool("snmpwalk", credentials + QStringList{"-Oqv", Agent(), column});
            std::vector<std::string> values;
            std::istringstream lines(run.out);
            std::string line;
            while (std::getline(lines, line)) {
                if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
                    line = line.substr(1, line.size() - 2);
                values.push_back(line);
            }
            columns.push_back(values);
        }
        std::string rows;
        for (std::size_t r = 0; r < columns[0].size(); ++r) {
            for (std::size_t c = 0; c < columns.size(); ++c)
                rows += (c ? "\t" : "") + (r < columns[c].size() ? columns[c][r] : std::string("(NOTDONE)"));
            rows += "\n";
        }
        return rows;
    }

    static inline testsupport::TempDir* folder = nullptr;
    static inline QProcess* agent = nullptr;
    static inline int port = 0;
};

TEST_F(SnmpdWalk, RowsEqualWhatSnmpwalkPrints)
{
    struct Case {
        const char* name;
        QStringList credentials;
    };
    const Case cases[] = {
        {"SNMPv1: the walk ends on noSuchName without an error", {"-v1", "-c", "public"}},
        {"SNMPv2c", {"-v2c", "-c", "public"}},
        {"SNMPv3 authPriv MD5/DES",
         {"-v3", "-u", "md5user", "-l", "authPriv", "-a", "MD5", "-A", "authpass1", "-x", "DES", "-X", "privpass1"}},
        {"SNMPv3 authPriv SHA/DES",
         {"-v3", "-u", "shauser", "-l", "authPriv", "-a", "SHA", "-A", "authpass2", "-x", "DES", "-X", "privpass2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList walkArgs = c.credentials;
        if (walkArgs[0] == "-v2c")
            walkArgs[0] = "-v", walkArgs.insert(1, "2c");
        else if (walkArgs[0] == "-v1")
            walkArgs[0] = "-v", walkArgs.insert(1, "1");
        else
            walkArgs[0] = "-v", walkArgs.insert(1, "3");
        const ToolRun walk = RunTool(TRV4410_WALK, walkArgs + QStringList{Agent()} + kColumns);
        EXPECT_EQ(walk.exitCode, 0) << walk.err;
        EXPECT_EQ(walk.err, "");
        const std::string expected = SnmpwalkRows(c.credentials);
        EXPECT_NE(expected.find("lo\t"), std::string::npos) << expected;
        EXPECT_EQ(walk.out, expected);
    }
}

TEST_F(SnmpdWalk, WrongCredentialsAreReportedWithTheModulesTexts)
{
    const ToolRun community = RunTool(TRV4410_WALK, {"-v", "2c", "-c", "private", "-t", "0.3", "-r", "0", Agent(),
                                                     kColumns[0]});
    EXPECT_EQ(community.exitCode, 1);
    EXPECT_EQ(community.err, "trv4410-walk: -405 (SNMPClass) SNMP request timed out!\n");
    const ToolRun user = RunTool(TRV4410_WALK, {"-v", "3", "-u", "nobody", "-l", "authPriv", "-a", "MD5", "-A",
                                                "authpass1", "-x", "DES", "-X", "privpass1", Agent(), kColumns[0]});
    EXPECT_EQ(user.exitCode, 1);
    EXPECT_EQ(user.err, "trv4410-walk: -304 (SNMPv3USM) Unknown SecurityName!\n");
}

} // namespace
