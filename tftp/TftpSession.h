#pragma once
// One transfer: a socket of its own, the file, lock-step blocks of 512 bytes.
#include <netinet/in.h>

#include <cstdint>
#include <memory>
#include <string>

#include "tftp/TftpMsg.h"
#include "vcl/core/EventLoop.h"

namespace zt {

class TFTPSession {
public:
    enum class State { Failed = 0, Active = 1, Finished = 2 };

    // Opens the session's socket and reports status 1 (or -1109).
    TFTPSession(vcl::IEventLoop& loop, const ZtTFTPMsg& msg, const sockaddr_in& peer, std::string rootFolder,
                TftpStatusHandler handler);
    ~TFTPSession();
    TFTPSession(const TFTPSession&) = delete;
    TFTPSession& operator=(const TFTPSession&) = delete;

    // Opens the file and sends the first block (or the first acknowledgement).
    void Start();
    // A datagram on the session's socket.
    void HandleDatagram(const std::uint8_t* data, std::size_t size, const sockaddr_in& from);

    State GetState() const { return state_; }
    const ZtTFTPMsg& Msg() const { return msg_; }
    bool DeadlinePassed(std::uint64_t nowMs) const { return deadline_ != 0 && nowMs > deadline_; }
    // After a missed deadline: sends the last block again, or returns false
    // when the session gives up (a write, or the sends are used up).
    bool Retransmit(int maxSends);
    void GiveUp();
    int LocalPort() const;

private:
    void OnReadable();
    void StartRead();
    void StartWrite();
    void Acknowledged(std::uint16_t block);
    void Received(std::uint16_t block, const std::uint8_t* data, std::size_t size);
    bool Send(const std::string& datagram);
    bool SendTo(const std::string& datagram, const sockaddr_in& to);
    void SendError(std::uint16_t code, int status);
    void SetDeadline();
    void Report(int status);
    void CloseFile(bool keep);
    // Closes a received file and gives it its name; false when that fails.
    bool FinishFile();
    bool FromPeer(const sockaddr_in& from) const;

    vcl::IEventLoop& loop_;
    ZtTFTPMsg msg_;
    sockaddr_in peer_;
    std::string root_;
    TftpStatusHandler handler_;
    State state_ = State::Active;
    std::uint64_t deadline_ = 0;
    bool cancel_ = false;
    int socket_ = -1;
    std::unique_ptr<vcl::ISocketWatch> watch_;
    int file_ = -1;
    std::string finalPath_;   // a received file gets this name once it is complete
    std::string partPath_;
    std::string lastData_;
    std::int32_t highestBlock_ = -1;
};

// Whether a requested name stays inside the root folder: no folder parts, not ".." or ".".
bool IsBareFileName(const std::string& name);

} // namespace zt
