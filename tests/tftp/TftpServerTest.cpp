// The TFTP server: scripted peers on loopback in-process, and real TFTP
// clients (tftp-hpa, curl) against tftp-serve.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QProcess>
#include <QRegularExpression>

#include <chrono>
#include <filesystem>

#include "platform/PollEventLoop.h"
#include "tests/support/Processes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tftp/TftpPacket.h"
#include "tftp/TftpServer.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::ReadFile;
using testsupport::RunTool;
using testsupport::TempDir;
using testsupport::ToolRun;

namespace {

std::string Bytes(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 131 + 7) % 251);
    return data;
}

// A TFTP peer written by hand, to send exactly what a test wants.
class Peer {
public:
    Peer()
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    }
    ~Peer() { ::close(fd_); }
    void SendTo(int port, const std::string& datagram)
    {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        to.sin_port = htons(static_cast<std::uint16_t>(port));
        ::sendto(fd_, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    // The next datagram, pumping the server's loop while waiting.
    std::optional<std::string> Receive(platform::PollEventLoop& loop, int maxMs, int* fromPort = nullptr)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 0) > 0) {
                char buffer[2048];
                sockaddr_in from{};
                socklen_t length = sizeof from;
                const ssize_t n = ::recvfrom(fd_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
                if (fromPort)
                    *fromPort = ntohs(from.sin_port);
                return std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
            }
            loop.ProcessEvents(5);
        }
        return std::nullopt;
    }

private:
    int fd_ = -1;
};

std::string Request(std::uint16_t opcode, const std::string& name, const std::string& mode = "octet")
{
    return std::string{0, static_cast<char>(opcode)} + name + std::string(1, '\0') + mode + std::string(1, '\0');
}

std::uint16_t Op(const std::string& d) { return static_cast<std::uint16_t>((static_cast<unsigned char>(d[0]) << 8) | static_cast<unsigned char>(d[1])); }
std::uint16_t Block(const std::string& d) { return static_cast<std::uint16_t>((static_cast<unsigned char>(d[2]) << 8) | static_cast<unsigned char>(d[3])); }

class TftpServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        server.SetStatusHandler([this](ZtTFTPMsg& m, bool& cancel) {
            statuses.push_back(m.Status);
            if (cancelAt && m.Status == *cancelAt)
                cancel = true;
        });
        server.SetTimeout(10, 3); // 100 ms
        server.Start(root.Path(), 0);
        port = server.ListeningPort();
    }
    void Pump(int ms)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < deadline)
            loop.ProcessEvents(5);
    }

    // The handler's targets outlive the server, whose end still reports.
    TempDir root;
    std::vector<int> statuses;
    std::optional<int> cancelAt;
    platform::PollEventLoop loop;
    ZtTFTPServer server{loop};
    int port = 0;
};

TEST_F(TftpServerTest, ServesBlocksInLockStepAndEndsOnAShortBlock)
{
    root.Write("k1", Bytes(1024));
    Peer peer;
    peer.SendTo(port, Request(tftp::RRQ, "k1"));
    int sessionPort = 0;
    for (std::uint16_t block = 1; block <= 3; ++block) {
        const auto data = peer.Receive(loop, 1000, &sessionPort);
        ASSERT_TRUE(data);
        EXPECT_EQ(Op(*data), tftp::DATA);
        EXPECT_EQ(Block(*data), block);
        EXPECT_EQ(data->size(), block < 3 ? 516u : 4u) << "1024 bytes end with an empty block";
        EXPECT_NE(sessionPort, port) << "each transfer has a port of its own";
        peer.SendTo(sessionPort, tftp::AckPacket(block));
    }
    Pump(50);
    EXPECT_EQ(statuses.back(), tftpstatus::kSuccess);
    EXPECT_EQ(server.Template().SessionNumber, 0);
}

TEST_F(TftpServerTest, RepeatedRequestsAndDuplicateAcksAreIgnored)
{
    server.SetTimeout(100, 3);
    server.Start(root.Path(), 0);
    root.Write("k1", Bytes(1024));
    Peer peer;
    peer.SendTo(port, Request(tftp::RRQ, "k1"));
    peer.SendTo(port, Request(tftp::RRQ, "k1"));
    int sessionPort = 0;
    ASSERT_TRUE(peer.Receive(loop, 1000, &sessionPort));
    Pump(50);
    EXPECT_EQ(server.SessionCount(), 1);
    peer.SendTo(sessionPort, tftp::AckPacket(1));
    peer.SendTo(sessionPort, tftp::AckPacket(1));
    const auto second = peer.Receive(loop, 1000);
    ASSERT_TRUE(second);
    EXPECT_EQ(Block(*second), 2);
    EXPECT_FALSE(peer.Receive(loop, 300)) << "a duplicate acknowledgement sends nothing";
}

TEST_F(TftpServerTest, UnacknowledgedBlockIsSentThreeTimesThenTimesOut)
{
    root.Write("k1", Bytes(100));
    Peer peer;
    peer.SendTo(port, Request(tftp::RRQ, "k1"));
    int copies = 0;
    while (auto data = peer.Receive(loop, 500)) {
        EXPECT_EQ(Block(*data), 1);
        ++copies;
    }
    EXPECT_EQ(copies, 3);
    Pump(50);
    EXPECT_EQ(statuses.back(), tftpstatus::kTimeout);
    EXPECT_EQ(server.SessionCount(), 0);
}

TEST_F(TftpServerTest, WriteWithoutDataTimesOutAfterOneTimeout)
{
    Peer peer;
    peer.SendTo(port, Request(tftp::WRQ, "up.bin"));
    const auto ack = peer.Receive(loop, 1000);
    ASSERT_TRUE(ack);
    EXPECT_EQ(Op(*ack), tftp::ACK);
    EXPECT_EQ(Block(*ack), 0);
    EXPECT_FALSE(peer.Receive(loop, 400)) << "no acknowledgement is repeated";
    EXPECT_EQ(statuses.back(), tftpstatus::kTimeout);
    EXPECT_FALSE(std::filesystem::exists(root / "up.bin"));
    EXPECT_TRUE(std::filesystem::is_empty(root.Path())) << "no partial file is left";
}

TEST_F(TftpServerTest, StrangersGetUnknownTransferIdAndTheTransferGoesOn)
{
    root.Write("k1", Bytes(600));
    Peer peer;
    Peer stranger;
    peer.SendTo(port, Request(tftp::RRQ, "k1"));
    int sessionPort = 0;
    ASSERT_TRUE(peer.Receive(loop, 1000, &sessionPort));
    stranger.SendTo(sessionPort, tftp::AckPacket(1));
    const auto error = stranger.Receive(loop, 1000);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, tftp::ErrorPacket(5));
    peer.SendTo(sessionPort, tftp::AckPacket(1));
    const auto second = peer.Receive(loop, 1000);
    ASSERT_TRUE(second);
    EXPECT_EQ(Block(*second), 2);
    EXPECT_EQ(second->size(), 4u + 88u);
}

TEST_F(TftpServerTest, ShortDatagramsAndOtherOpcodesGetNoAnswer)
{
    Peer peer;
    peer.SendTo(port, std::string{0, 1, 'x'});
    peer.SendTo(port, tftp::AckPacket(1));
    peer.SendTo(port, tftp::DataPacket(1, "abc", 3));
    peer.SendTo(port, tftp::ErrorPacket(1));
    EXPECT_FALSE(peer.Receive(loop, 200));
    EXPECT_EQ(server.SessionCount(), 0);
    EXPECT_TRUE(statuses.empty());
}

TEST_F(TftpServerTest, NamesWithFolderPartsAreRefused)
{
    root.Write("inside", "x");
    for (const std::string name : {"../etc/passwd", "sub/inside", "..", ".", "", "..\\x"}) {
        for (std::uint16_t opcode : {tftp::RRQ, tftp::WRQ}) {
            statuses.clear();
            Peer peer;
            peer.SendTo(port, Request(opcode, name));
            const auto answer = peer.Receive(loop, 1000);
            ASSERT_TRUE(answer) << name;
            EXPECT_EQ(*answer, tftp::ErrorPacket(2)) << name;
            EXPECT_EQ(statuses.back(), tftpstatus::kAccessViolation) << name;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(root.Path()).parent_path() / "x"));
}

TEST_F(TftpServerTest, MissingFilesAndFoldersAreNotFound)
{
    std::filesystem::create_directory(root / "folder");
    for (const char* name : {"missing", "folder"}) {
        Peer peer;
        peer.SendTo(port, Request(tftp::RRQ, name));
        const auto answer = peer.Receive(loop, 1000);
        ASSERT_TRUE(answer);
        EXPECT_EQ(*answer, tftp::ErrorPacket(1)) << name;
        EXPECT_EQ(statuses.back(), tftpstatus::kFileNotFound);
    }
}

TEST_F(TftpServerTest, CancelFromTheStatusHandler)
{
    root.Write("k1", Bytes(2000));
    cancelAt = tftpstatus::kTransferring;
    Peer peer;
    peer.SendTo(port, Request(tftp::RRQ, "k1"));
    int sessionPort = 0;
    ASSERT_TRUE(peer.Receive(loop, 1000, &sessionPort));
    peer.SendTo(sessionPort, tftp::AckPacket(1));
    EXPECT_FALSE(peer.Receive(loop, 300)) << "no error packet on cancel";
    EXPECT_EQ(statuses.back(), tftpstatus::kCanceled);
}

TEST_F(TftpServerTest, ReceivedFilesReplaceOldOnesOnlyWhenComplete)
{
    root.Write("up.bin", "old");
    Peer peer;
    peer.SendTo(port, Request(tftp::WRQ, "up.bin"));
    int sessionPort = 0;
    ASSERT_TRUE(peer.Receive(loop, 1000, &sessionPort));
    const std::string first = Bytes(512);
    peer.SendTo(sessionPort, tftp::DataPacket(1, first.data(), first.size()));
    ASSERT_TRUE(peer.Receive(loop, 1000));
    EXPECT_EQ(ReadFile(root / "up.bin"), "old") << "not replaced before the end";
    peer.SendTo(sessionPort, tftp::DataPacket(2, "tail", 4));
    const auto ack = peer.Receive(loop, 1000);
    ASSERT_TRUE(ack);
    EXPECT_EQ(Block(*ack), 2);
    EXPECT_EQ(ReadFile(root / "up.bin"), first + "tail");
    EXPECT_EQ(statuses.back(), tftpstatus::kSuccess);
}

TEST_F(TftpServerTest, RootFolderGetsOneSeparator)
{
    server.Start("/srv/tftp", 0);
    EXPECT_EQ(server.RootFolder(), "/srv/tftp/");
    server.Start("/srv/tftp/", 0);
    EXPECT_EQ(server.RootFolder(), "/srv/tftp/");
    server.Start("", 0);
    EXPECT_EQ(server.RootFolder(), "");
    EXPECT_EQ(server.ListeningPort(), port) << "a later Start only changes the folder";
}

TEST_F(TftpServerTest, APortInUseIsReportedWithTheCatalogueText)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t length = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length);
    ZtTFTPServer other(loop);
    try {
        other.Start(root.Path(), ntohs(a.sin_port));
        FAIL() << "started on a port in use";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -1109);
        EXPECT_EQ(e.Message().rfind("(ZtTFTP) Fail to open socket!Please check if the network is ready.", 0), 0u);
        EXPECT_NE(e.Message().find("in use"), std::string::npos);
    }
    EXPECT_FALSE(other.Listening());
    ::close(fd);
}

TEST_F(TftpServerTest, StopWaitsTenSecondsAtMostForSessions)
{
    server.SetTimeout(3000, 3);
    root.Write("k1", Bytes(100));
    Peer peer;
    peer.SendTo(port, Request(tftp::RRQ, "k1"));
    ASSERT_TRUE(peer.Receive(loop, 1000));
    const auto start = std::chrono::steady_clock::now();
    server.Stop();
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(9900));
    EXPECT_LT(waited, std::chrono::milliseconds(10500));
    EXPECT_FALSE(server.Listening());
}

TEST(DefaultTftpPort, SixtyNineUnlessTheEnvironmentSaysOtherwise)
{
    {
        testsupport::ScopedEnv env("TRV4410_TFTP_PORT", std::nullopt);
        EXPECT_EQ(DefaultTftpPort(), 69);
    }
    {
        testsupport::ScopedEnv env("TRV4410_TFTP_PORT", std::string("16969"));
        EXPECT_EQ(DefaultTftpPort(), 16969);
    }
    testsupport::ScopedEnv env("TRV4410_TFTP_PORT", std::string("not a port"));
    EXPECT_EQ(DefaultTftpPort(), 69);
}

// Real clients against tftp-serve.
class RealClients : public testing::Test {
protected:
    void SetUp() override
    {
        server.setStandardErrorFile(QString::fromStdString(log.Path() + "/serve.log"));
        server.start(TFTP_SERVE, {"--root", QString::fromStdString(root.Path()), "--port", "0", "--timeout", "100"});
        ASSERT_TRUE(server.waitForReadyRead(5000));
        const auto match = QRegularExpression("udp:0\\.0\\.0\\.0:(\\d+)").match(server.readAllStandardOutput());
        ASSERT_TRUE(match.hasMatch());
        port = match.captured(1);
    }
    void TearDown() override
    {
        server.terminate();
        server.waitForFinished(15000);
    }
    std::string Log() const { return ReadFile(log.Path() + "/serve.log"); }

    TempDir root;
    TempDir client;
    TempDir log;
    QProcess server;
    QString port;
};

TEST_F(RealClients, FilesArriveByteIdenticalBothWays)
{
    for (std::size_t size : {0u, 511u, 512u, 1024u, 1000000u}) {
        SCOPED_TRACE(size);
        const std::string name = "f" + std::to_string(size);
        const std::string content = Bytes(size);
        root.Write(name, content);
        // tftp-hpa
        const std::string got = client / (name + ".hpa");
        ToolRun run = RunTool("tftp", {"-m", "binary", "127.0.0.1", port, "-c", "get", QString::fromStdString(name),
                                       QString::fromStdString(got)});
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_EQ(ReadFile(got), content);
        const std::string up = client.Write(name + ".up", content);
        run = RunTool("tftp", {"-m", "binary", "127.0.0.1", port, "-c", "put", QString::fromStdString(up),
                               QString::fromStdString(name + ".hpa-put")});
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
        EXPECT_EQ(ReadFile(root / (name + ".hpa-put")), content);
        // curl, without option negotiation as the device does
        const std::string curlGot = client / (name + ".curl");
        run = RunTool("curl", {"-sS", "--tftp-no-options", "-o", QString::fromStdString(curlGot),
                               "tftp://127.0.0.1:" + port + "/" + QString::fromStdString(name)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReadFile(curlGot), content);
        run = RunTool("curl", {"-sS", "--tftp-no-options", "-T", QString::fromStdString(up),
                               "tftp://127.0.0.1:" + port + "/" + QString::fromStdString(name + ".curl-put")});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReadFile(root / (name + ".curl-put")), content);
    }
    EXPECT_NE(Log().find("3 (ZtTFTP) Success to transfer file. (1000000 bytes)"), std::string::npos);
}

TEST_F(RealClients, MissingFilesAndEscapesAreRefused)
{
    ToolRun run = RunTool("curl", {"-sS", "--tftp-no-options", "-o", QString::fromStdString(client / "x"),
                                   "tftp://127.0.0.1:" + port + "/missing"});
    EXPECT_EQ(run.exitCode, 68) << run.err; // curl: file not found
    run = RunTool("tftp", {"-m", "binary", "127.0.0.1", port, "-c", "get", "../escape", QString::fromStdString(client / "y")});
    EXPECT_NE(run.out.find("Error code 2"), std::string::npos) << run.out;
    const std::string up = client.Write("up", "data");
    run = RunTool("curl", {"-sS", "--tftp-no-options", "-T", QString::fromStdString(up),
                           "tftp://127.0.0.1:" + port + "/..%2Fescaped"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(root.Path()).parent_path() / "escaped"));
    const std::string log = Log();
    EXPECT_NE(log.find("-1102 (ZtTFTP) File not found!"), std::string::npos);
    EXPECT_NE(log.find("-1103 (ZtTFTP) Access violation!"), std::string::npos);
}

// A write that fails is no success: the peer hears "disk full" and no
// truncated file is left claiming to be complete.
TEST(TftpDiskFull, FailedWritesAreReported)
{
    TempDir root;
    TempDir client;
    root.Write("big.bin", "previous contents");
    QProcess server;
    server.setStandardErrorFile(QString::fromStdString(client / "serve.log"));
    server.start("prlimit", {"--fsize=3000", TFTP_SERVE, "--root", QString::fromStdString(root.Path()), "--port", "0"});
    ASSERT_TRUE(server.waitForReadyRead(5000));
    const auto match = QRegularExpression("udp:0\\.0\\.0\\.0:(\\d+)").match(server.readAllStandardOutput());
    ASSERT_TRUE(match.hasMatch());
    const std::string up = client.Write("big", Bytes(8000));
    const ToolRun run = RunTool("curl", {"-sS", "--tftp-no-options", "-T", QString::fromStdString(up),
                                         "tftp://127.0.0.1:" + match.captured(1) + "/big.bin"});
    EXPECT_EQ(run.exitCode, 70) << run.err; // curl: the remote disk is full
    server.terminate();
    server.waitForFinished(15000);
    EXPECT_NE(ReadFile(client / "serve.log").find("-1104 (ZtTFTP) Disk full!"), std::string::npos);
    EXPECT_EQ(ReadFile(root / "big.bin"), "previous contents");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(root.Path()))
        ++files;
    EXPECT_EQ(files, 1);
}

} // namespace
