#pragma once
// The device's TFTP client (libcurl, without option negotiation): fetches a
// file from the module's server or sends one to it, on a thread of its own.
#include <functional>
#include <future>
#include <optional>
#include <string>

#include "sim/DeviceModel.h"

namespace sim {

class TftpTransfer {
public:
    TftpTransfer(int serverPort, std::string folder, std::function<void(const std::string&)> log);
    ~TftpTransfer();

    // Starts a transfer (waiting for one still running first). For a put,
    // content is what the device sends.
    void Start(const TftpRequest& request, const std::string& content);
    // Waits for the transfer in progress; true when none failed since the last wait.
    bool Wait();

private:
    int serverPort_;
    std::string folder_;
    std::function<void(const std::string&)> log_;
    std::optional<std::future<bool>> running_;
    bool lastOk_ = true;
};

} // namespace sim
