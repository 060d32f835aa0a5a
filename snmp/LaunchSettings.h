#pragma once
// The module-wide description of the managed device: where it is and how to
// speak to it. Filled with defaults when the session is created, then from the
// launch parameters; every request copies it when it is built.
#include <cstdint>
#include <string>

namespace zt {

struct ZtSNMPDevice {
    std::string address = "127.0.0.1";
    std::uint16_t port = 161;
};

struct ZtSNMPScope {
    std::string contextEngineId;
    std::string contextName;
};

namespace snmpcode {
constexpr std::uint8_t kVersion1 = 0;
constexpr std::uint8_t kVersion2c = 1;
constexpr std::uint8_t kVersion3 = 3;
constexpr std::int32_t kNoAuthNoPriv = 1;
constexpr std::int32_t kAuthNoPriv = 2;
constexpr std::int32_t kAuthPriv = 3;
constexpr std::int32_t kAuthNone = 1;
constexpr std::int32_t kAuthMd5 = 2;
constexpr std::int32_t kAuthSha = 3;
constexpr std::int32_t kPrivNone = 1;
constexpr std::int32_t kPrivDes = 2;
} // namespace snmpcode

struct ZtSNMPSecurity {
    std::uint8_t version = snmpcode::kVersion1;
    std::string readCommunity = "quorin";
    std::string writeCommunity = "sabrent";
    std::int32_t securityModel = 1;
    std::int32_t securityLevel = snmpcode::kNoAuthNoPriv;
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    std::int32_t authProtocol = snmpcode::kAuthNone;
    std::int32_t privProtocol = snmpcode::kPrivNone;
};

struct LaunchSettings {
    ZtSNMPDevice device;
    ZtSNMPScope scope;
    ZtSNMPSecurity security;
};

// Hundredths of a second, copied into each new request.
constexpr int kFactoryDefaultTimeout = 100;

LaunchSettings& GlobalLaunchSettings();
int& DefaultTimeout();

} // namespace zt
