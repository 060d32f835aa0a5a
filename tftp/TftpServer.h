#pragma once
// The module's TFTP server: the device fetches files from it and stores
// files on it. Runs on the event loop's thread: socket readiness and a 20 ms
// timer drive it.
#include <netinet/in.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tftp/TftpMsg.h"
#include "tftp/TftpSession.h"
#include "vcl/core/EventLoop.h"

namespace zt {

// The port the pages start the server on: TRV4410_TFTP_PORT, else 69.
int DefaultTftpPort();

class ZtTFTPServer {
public:
    static constexpr int kTimerMs = 20;
    static constexpr int kStopWaitMs = 10000;

    explicit ZtTFTPServer(vcl::IEventLoop& loop);
    ~ZtTFTPServer();
    ZtTFTPServer(const ZtTFTPServer&) = delete;
    ZtTFTPServer& operator=(const ZtTFTPServer&) = delete;

    // For sessions created afterwards: time-out in 10 ms units, sends per block.
    void SetTimeout(int timeout, int maxSends);
    void SetStatusHandler(TftpStatusHandler handler);
    // Sets the root folder and, unless already listening, listens on the
    // port. Raises -1109 when the socket cannot be opened.
    void Start(const std::string& rootFolder, int port);
    // Stops listening and lets running sessions end (10 s at most).
    void Stop();

    // A datagram on the listening socket.
    void HandleRequest(const std::uint8_t* data, std::size_t size, const sockaddr_in& from);
    // The 20 ms tick: clean-up and time-outs.
    void OnTimer();

    bool Listening() const { return listen_ >= 0; }
    int ListeningPort() const;
    const std::string& RootFolder() const { return root_; }
    const ZtTFTPMsg& Template() const { return template_; }
    int SessionCount() const { return static_cast<int>(sessions_.size()); }
    TFTPSession& SessionAt(int i) { return *sessions_.at(static_cast<std::size_t>(i)); }

private:
    void OnListenReadable();
    void CloseListener();

    vcl::IEventLoop& loop_;
    int maxSends_ = 3;
    ZtTFTPMsg template_;
    TftpStatusHandler handler_;
    std::string root_;
    int listen_ = -1;
    std::unique_ptr<vcl::ISocketWatch> listenWatch_;
    std::vector<std::unique_ptr<TFTPSession>> sessions_;
    std::unique_ptr<vcl::ILoopTimer> timer_;
};

} // namespace zt
