#pragma once
// The status of one TFTP transfer, as the status handler sees it.
#include <cstdint>
#include <functional>
#include <string>

namespace zt {

namespace tftpstatus {
constexpr int kSuccess = 3;
constexpr int kTransferring = 2;
constexpr int kConnected = 1;
constexpr int kFileNotFound = -1102;
constexpr int kAccessViolation = -1103;
constexpr int kDiskFull = -1104;
constexpr int kBadOperation = -1105;
constexpr int kSocketFailed = -1109;
constexpr int kSendFailed = -1110;
constexpr int kNotReady = -1111;
constexpr int kTimeout = -1113;
constexpr int kCanceled = -1114;
} // namespace tftpstatus

struct ZtTFTPMsg {
    std::int32_t Status = tftpstatus::kNotReady;
    std::string StatusText = "(ZtTFTP) Socket is not ready!";
    std::int32_t Operation = 0;          // 1: the peer reads from us, 2: the peer writes to us
    std::string Mode = "octet";
    std::string RemoteIP = "0.0.0.0";
    std::string LocalIP = "127.0.0.1";
    std::int32_t ServerPort = 69;
    std::string FileName;
    std::int32_t BytesDone = 0;
    std::int32_t LastBlockBytes = -1;
    std::int32_t RemotePort = 0;
    std::int32_t SessionNumber = -1;
    std::int32_t Timeout = 1000;         // 10 ms units
    std::int32_t SendCount = 0;
};

// Called at every status change; setting cancel stops the transfer at its next step.
using TftpStatusHandler = std::function<void(ZtTFTPMsg& msg, bool& cancel)>;

} // namespace zt
