#include "tftp/TftpSession.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/ErrorCatalogue.h"
#include "platform/TickCount.h"
#include "tftp/TftpPacket.h"

namespace zt {

bool IsBareFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos;
}

TFTPSession::TFTPSession(vcl::IEventLoop& loop, const ZtTFTPMsg& msg, const sockaddr_in& peer, std::string rootFolder,
                         TftpStatusHandler handler)
    : loop_(loop), msg_(msg), peer_(peer), root_(std::move(rootFolder)), handler_(std::move(handler))
{
    msg_.BytesDone = 0;
    msg_.LastBlockBytes = -1;
    Report(tftpstatus::kConnected);
    socket_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_in any{};
    any.sin_family = AF_INET;
    if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&any), sizeof any) != 0) {
        Report(tftpstatus::kSocketFailed);
        return;
    }
    watch_ = loop_.WatchReadable(socket_, [this] { OnReadable(); });
}

TFTPSession::~TFTPSession()
{
    watch_.reset();
    CloseFile(false);
    if (socket_ >= 0)
        ::close(socket_);
}

int TFTPSession::LocalPort() const
{
    sockaddr_in a{};
    socklen_t length = sizeof a;
    ::getsockname(socket_, reinterpret_cast<sockaddr*>(&a), &length);
    return ntohs(a.sin_port);
}

void TFTPSession::Report(int status)
{
    msg_.Status = status;
    msg_.StatusText = ErrorText(Catalogue::ZtTftp, status);
    if (handler_)
        handler_(msg_, cancel_);
    if (status == tftpstatus::kSuccess) {
        CloseFile(true);
        state_ = State::Finished;
    } else if (status < 0) {
        CloseFile(false);
        state_ = State::Failed;
    }
}

// A received file is written under a temporary name and renamed when it is
// complete: a failed transfer leaves the old file, if any, as it was.
void TFTPSession::CloseFile(bool keep)
{
    if (file_ < 0)
        return;
    const bool closed = ::close(file_) == 0;
    file_ = -1;
    if (partPath_.empty())
        return;
    if (keep && closed)
        ::rename(partPath_.c_str(), finalPath_.c_str());
    else
        ::unlink(partPath_.c_str());
    partPath_.clear();
}

bool TFTPSession::FinishFile()
{
    const bool closed = ::close(file_) == 0;
    file_ = -1;
    const bool placed = closed && ::rename(partPath_.c_str(), finalPath_.c_str()) == 0;
    if (!placed)
        ::unlink(partPath_.c_str());
    partPath_.clear();
    return placed;
}

bool TFTPSession::SendTo(const std::string& datagram, const sockaddr_in& to)
{
    return ::sendto(socket_, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) ==
           static_cast<ssize_t>(datagram.size());
}

bool TFTPSession::Send(const std::string& datagram) { return SendTo(datagram, peer_); }

void TFTPSession::SendError(std::uint16_t code, int status)
{
    Report(Send(tftp::ErrorPacket(code)) ? status : tftpstatus::kSendFailed);
}

void TFTPSession::SetDeadline()
{
    deadline_ = platform::TickCountMs() + static_cast<std::uint64_t>(msg_.Timeout) * 10;
}

void TFTPSession::Start()
{
    if (state_ != State::Active)
        return;
    if (cancel_) {
        Report(tftpstatus::kCanceled);
        return;
    }
    if (msg_.Operation == 1)
        StartRead();
    else if (msg_.Operation == 2)
        StartWrite();
    else
        SendError(4, tftpstatus::kBadOperation);
}

void TFTPSession::StartRead()
{
    if (!IsBareFileName(msg_.FileName)) {
        SendError(2, tftpstatus::kAccessViolation);
        return;
    }
    const std::string path = root_ + msg_.FileName;
    file_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (file_ >= 0 && (::fstat(file_, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(file_);
        file_ = -1;
    }
    if (file_ < 0) {
        SendError(1, tftpstatus::kFileNotFound);
        return;
    }
    char block[tftp::kBlockSize];
    const ssize_t n = std::max<ssize_t>(0, ::read(file_, block, sizeof block));
    msg_.LastBlockBytes = static_cast<std::int32_t>(n);
    msg_.BytesDone += static_cast<std::int32_t>(n);
    lastData_ = tftp::DataPacket(1, block, static_cast<std::size_t>(n));
    if (!Send(lastData_)) {
        Report(tftpstatus::kSendFailed);
        return;
    }
    msg_.SendCount = 1;
    SetDeadline();
    Report(tftpstatus::kTransferring);
}

void TFTPSession::StartWrite()
{
    if (!IsBareFileName(msg_.FileName)) {
        SendError(2, tftpstatus::kAccessViolation);
        return;
    }
    finalPath_ = root_ + msg_.FileName;
    std::string part = root_ + "." + msg_.FileName + ".part-XXXXXX";
    file_ = ::mkostemp(part.data(), O_CLOEXEC);
    if (file_ < 0) {
        SendError(2, tftpstatus::kAccessViolation);
        return;
    }
    ::fchmod(file_, 0644);
    partPath_ = part;
    if (!Send(tftp::AckPacket(0))) {
        Report(tftpstatus::kSendFailed);
        return;
    }
    SetDeadline();
    Report(tftpstatus::kTransferring);
}

bool TFTPSession::FromPeer(const sockaddr_in& from) const
{
    return from.sin_addr.s_addr == peer_.sin_addr.s_addr && from.sin_port == peer_.sin_port;
}

void TFTPSession::OnReadable()
{
    std::uint8_t buffer[tftp::kDatagramBuffer];
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const ssize_t n = ::recvfrom(socket_, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (n > 0)
        HandleDatagram(buffer, static_cast<std::size_t>(n), from);
}

void TFTPSession::HandleDatagram(const std::uint8_t* data, std::size_t size, const sockaddr_in& from)
{
    if (file_ < 0 || size < 4)
        return;
    // Another sender is no part of this transfer: it is told so and the
    // transfer goes on.
    if (!FromPeer(from)) {
        SendTo(tftp::ErrorPacket(5), from);
        return;
    }
    const std::uint16_t opcode = tftp::Opcode(data);
    if ((msg_.Operation == 1 && opcode != tftp::ACK) || (msg_.Operation == 2 && opcode != tftp::DATA))
        return;
    const std::uint16_t block = tftp::BlockNumber(data);
    if (static_cast<std::int32_t>(block) <= highestBlock_)
        return; // duplicates are ignored
    deadline_ = 0;
    msg_.RemotePort = ntohs(from.sin_port);
    highestBlock_ = block;
    if (cancel_) {
        Report(tftpstatus::kCanceled);
        return;
    }
    if (msg_.Operation == 1)
        Acknowledged(block);
    else
        Received(block, data + 4, size - 4);
}

void TFTPSession::Acknowledged(std::uint16_t block)
{
    char bytes[tftp::kBlockSize];
    const ssize_t n = std::max<ssize_t>(0, ::read(file_, bytes, sizeof bytes));
    if (n == 0 && msg_.LastBlockBytes < static_cast<std::int32_t>(tftp::kBlockSize)) {
        Report(tftpstatus::kSuccess);
        return;
    }
    msg_.LastBlockBytes = static_cast<std::int32_t>(n);
    msg_.BytesDone += static_cast<std::int32_t>(n);
    lastData_ = tftp::DataPacket(static_cast<std::uint16_t>(block + 1), bytes, static_cast<std::size_t>(n));
    if (!Send(lastData_)) {
        Report(tftpstatus::kSendFailed);
        return;
    }
    msg_.SendCount = 1;
    SetDeadline();
    Report(tftpstatus::kTransferring);
}

void TFTPSession::Received(std::uint16_t block, const std::uint8_t* data, std::size_t size)
{
    const ssize_t written = size == 0 ? 0 : ::write(file_, data, size);
    if (written < 0 || static_cast<std::size_t>(written) != size) {
        // A block that could not be stored is no success: the peer hears why.
        SendError(3, tftpstatus::kDiskFull);
        return;
    }
    msg_.LastBlockBytes = static_cast<std::int32_t>(written);
    msg_.BytesDone += static_cast<std::int32_t>(written);
    const bool last = size < tftp::kBlockSize;
    // The file is in its place before the last acknowledgement tells the
    // peer that the transfer is over.
    if (last && !FinishFile()) {
        SendError(3, tftpstatus::kDiskFull);
        return;
    }
    if (!Send(tftp::AckPacket(block))) {
        Report(tftpstatus::kSendFailed);
        return;
    }
    if (last) {
        Report(tftpstatus::kSuccess);
        return;
    }
    SetDeadline();
    Report(tftpstatus::kTransferring);
}

bool TFTPSession::Retransmit(int maxSends)
{
    if (msg_.Operation != 1 || msg_.SendCount >= maxSends)
        return false;
    ++msg_.SendCount;
    if (!Send(lastData_)) {
        Report(tftpstatus::kSendFailed);
        return true;
    }
    SetDeadline();
    Report(tftpstatus::kTransferring);
    return true;
}

void TFTPSession::GiveUp() { Report(tftpstatus::kTimeout); }

} // namespace zt
