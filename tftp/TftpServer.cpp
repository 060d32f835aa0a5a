#include "tftp/TftpServer.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/ErrorCatalogue.h"
#include "platform/TickCount.h"
#include "tftp/TftpPacket.h"
#include "vcl/core/Exception.h"

namespace zt {
namespace {

// This computer's address for the status handler: the first address of an
// interface that is up and not loopback (no name lookup, which could go out
// to the network), else 127.0.0.1.
std::string FirstLocalAddress()
{
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return "127.0.0.1";
    std::string found = "127.0.0.1";
    for (ifaddrs* it = list; it; it = it->ifa_next) {
        if (it->ifa_addr && it->ifa_addr->sa_family == AF_INET && (it->ifa_flags & IFF_UP) &&
            !(it->ifa_flags & IFF_LOOPBACK)) {
            char text[INET_ADDRSTRLEN] = {};
            ::inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(it->ifa_addr)->sin_addr, text, sizeof text);
            found = text;
            break;
        }
    }
    ::freeifaddrs(list);
    return found;
}

[[noreturn]] void RaiseSocketError(int port, int error)
{
    std::string text = ErrorText(Catalogue::ZtTftp, tftpstatus::kSocketFailed);
    if (error == EACCES && port < 1024)
        text += " (Port " + std::to_string(port) +
                " is a privileged port: grant it with 'setcap cap_net_bind_service=+ep' on the executable.)";
    else if (error == EADDRINUSE)
        text += " (Port " + std::to_string(port) + " is in use by another program.)";
    throw vcl::Exception(text, tftpstatus::kSocketFailed);
}

bool SameRequest(const ZtTFTPMsg& a, const ZtTFTPMsg& b)
{
    return a.Operation == b.Operation && a.Mode == b.Mode && a.RemoteIP == b.RemoteIP &&
           a.RemotePort == b.RemotePort && a.FileName == b.FileName;
}

} // namespace

int DefaultTftpPort()
{
    const char* text = std::getenv("TRV4410_TFTP_PORT");
    const int port = text ? std::atoi(text) : 0;
    return port > 0 && port < 65536 ? port : 69;
}

ZtTFTPServer::ZtTFTPServer(vcl::IEventLoop& loop) : loop_(loop), timer_(loop.CreateTimer([this] { OnTimer(); }))
{
    template_.LocalIP = FirstLocalAddress();
}

ZtTFTPServer::~ZtTFTPServer() { Stop(); }

void ZtTFTPServer::SetTimeout(int timeout, int maxSends)
{
    template_.Timeout = timeout;
    maxSends_ = maxSends;
}

void ZtTFTPServer::SetStatusHandler(TftpStatusHandler handler) { handler_ = std::move(handler); }

void ZtTFTPServer::Start(const std::string& rootFolder, int port)
{
    root_ = rootFolder;
    if (!root_.empty() && root_.back() != '/' && root_.back() != '\\')
        root_ += '/';
    template_.ServerPort = port;
    if (listen_ >= 0)
        return;
    listen_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int yes = 1;
    sockaddr_in any{};
    any.sin_family = AF_INET;
    any.sin_port = htons(static_cast<std::uint16_t>(port));
    if (listen_ < 0 || ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) != 0 ||
        ::bind(listen_, reinterpret_cast<sockaddr*>(&any), sizeof any) != 0) {
        const int error = errno;
        CloseListener();
        RaiseSocketError(port, error);
    }
    listenWatch_ = loop_.WatchReadable(listen_, [this] { OnListenReadable(); });
    timer_->Start(kTimerMs);
}

int ZtTFTPServer::ListeningPort() const
{
    sockaddr_in a{};
    socklen_t length = sizeof a;
    if (listen_ < 0 || ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &length) != 0)
        return 0;
    return ntohs(a.sin_port);
}

void ZtTFTPServer::CloseListener()
{
    listenWatch_.reset();
    if (listen_ >= 0)
        ::close(listen_);
    listen_ = -1;
}

void ZtTFTPServer::Stop()
{
    const bool wasListening = listen_ >= 0;
    CloseListener();
    const std::uint64_t start = platform::TickCountMs();
    while (wasListening && !sessions_.empty() && platform::TickCountMs() - start < kStopWaitMs)
        loop_.ProcessEvents(kTimerMs);
    timer_->Stop();
}

void ZtTFTPServer::OnListenReadable()
{
    std::uint8_t buffer[tftp::kDatagramBuffer];
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const ssize_t n = ::recvfrom(listen_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (n >= 4)
        HandleRequest(buffer, static_cast<std::size_t>(n), from);
}

void ZtTFTPServer::HandleRequest(const std::uint8_t* data, std::size_t size, const sockaddr_in& from)
{
    if (size < 4)
        return;
    const tftp::Request request = tftp::ParseRequest(data, size);
    if (request.opcode != tftp::RRQ && request.opcode != tftp::WRQ)
        return;
    ZtTFTPMsg msg = template_;
    msg.Status = tftpstatus::kConnected;
    msg.Operation = request.opcode == tftp::RRQ ? 1 : 2;
    msg.FileName = request.fileName;
    msg.Mode = request.mode;
    char address[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &from.sin_addr, address, sizeof address);
    msg.RemoteIP = address;
    msg.RemotePort = ntohs(from.sin_port);
    for (const auto& session : sessions_) {
        if (session->GetState() == TFTPSession::State::Active && SameRequest(session->Msg(), msg))
            return; // a repeated request
    }
    template_.SendCount = 0;
    ++template_.SessionNumber;
    msg.SendCount = 0;
    msg.SessionNumber = template_.SessionNumber;
    sessions_.push_back(std::make_unique<TFTPSession>(loop_, msg, from, root_, handler_));
    sessions_.back()->Start();
}

void ZtTFTPServer::OnTimer()
{
    const std::uint64_t now = platform::TickCountMs();
    for (auto it = sessions_.begin(); it != sessions_.end(); ++it) {
        TFTPSession& session = **it;
        if (session.GetState() != TFTPSession::State::Active) {
            sessions_.erase(it);
            return; // one clean-up per tick
        }
        if (session.DeadlinePassed(now) && !session.Retransmit(maxSends_)) {
            std::unique_ptr<TFTPSession> gone = std::move(*it);
            sessions_.erase(it);
            gone->GiveUp();
            return;
        }
    }
}

} // namespace zt
