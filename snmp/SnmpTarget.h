#pragma once
// Where a request goes and how it speaks: the request's copy of the launch
// settings, and the net-snmp session that carries them.
#include <cstdint>
#include <string>

namespace zt {

struct SnmpTarget {
    std::string address;
    std::uint16_t port = 161;
    std::uint8_t version = 0;
    std::string readCommunity;
    std::string writeCommunity;
    std::int32_t securityModel = 1;
    std::int32_t securityLevel = 1;
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    std::int32_t authProtocol = 1;
    std::int32_t privProtocol = 1;
    std::string contextEngineId;
    std::string contextName;
    int timeout = 100;   // hundredths of a second
    int retries = 1;

    // What distinguishes net-snmp sessions: everything but what each PDU carries.
    std::string SessionKey(bool async) const;
};

// Checks that the address is an IPv4 address or a host name that resolves.
// Raises -509 otherwise; nothing is sent.
void CheckTargetAddress(const std::string& address);

// Opens a net-snmp single session for the target, or returns nullptr and sets
// result to the module's result of the failure (see SnmpResult.h).
void* OpenNetSnmpSession(const SnmpTarget& target, int& result);

} // namespace zt
