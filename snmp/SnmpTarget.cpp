#include "snmp/SnmpTarget.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <netdb.h>

#include <cctype>
#include <cstring>
#include <vector>

#include "common/ErrorCatalogue.h"
#include "snmp/LaunchSettings.h"
#include "snmp/SnmpResult.h"

namespace zt {
namespace {

bool IsHostName(const std::string& name)
{
    if (name.empty() || name.size() > 253)
        return false;
    for (unsigned char c : name) {
        if (!std::isalnum(c) && c != '-' && c != '.')
            return false;
    }
    return true;
}

int NetSnmpVersion(std::uint8_t version)
{
    switch (version) {
    case snmpcode::kVersion1: return SNMP_VERSION_1;
    case snmpcode::kVersion2c: return SNMP_VERSION_2c;
    default: return SNMP_VERSION_3;
    }
}

// The keys are derived from the pass phrases as the user-based security
// model wants; a failure is the module's USM error of that step.
int SetUsmKeys(const SnmpTarget& t, netsnmp_session& s)
{
    s.securityModel = SNMP_SEC_MODEL_USM;
    s.securityLevel = t.securityLevel;
    if (t.securityLevel >= snmpcode::kAuthNoPriv) {
        if (t.authProtocol == snmpcode::kAuthMd5) {
            s.securityAuthProto = snmp_duplicate_objid(usmHMACMD5AuthProtocol, USM_AUTH_PROTO_MD5_LEN);
            s.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
        } else if (t.authProtocol == snmpcode::kAuthSha) {
            s.securityAuthProto = snmp_duplicate_objid(usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN);
            s.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
        } else {
            return snmpresult::kUsmUnsupportedAuthProtocol;
        }
        s.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                        reinterpret_cast<const u_char*>(t.authPassword.data()), t.authPassword.size(),
                        s.securityAuthKey, &s.securityAuthKeyLen) != SNMPERR_SUCCESS)
            return snmpresult::kUsmAuthenticationError;
    }
    if (t.securityLevel >= snmpcode::kAuthPriv) {
        if (t.privProtocol != snmpcode::kPrivDes)
            return snmpresult::kUsmUnsupportedPrivProtocol;
        s.securityPrivProto = snmp_duplicate_objid(usmDESPrivProtocol, USM_PRIV_PROTO_DES_LEN);
        s.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
        s.securityPrivKeyLen = USM_PRIV_KU_LEN;
        if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                        reinterpret_cast<const u_char*>(t.privPassword.data()), t.privPassword.size(),
                        s.securityPrivKey, &s.securityPrivKeyLen) != SNMPERR_SUCCESS)
            return snmpresult::kUsmEncryptionError;
    }
    return snmpresult::kSuccess;
}

void FreeUsmProtocols(netsnmp_session& s)
{
    SNMP_FREE(s.securityAuthProto);
    SNMP_FREE(s.securityPrivProto);
}

} // namespace

std::string SnmpTarget::SessionKey(bool async) const
{
    return address + "|" + std::to_string(port) + "|" + std::to_string(version) + "|" + readCommunity + "|" +
           std::to_string(securityLevel) + "|" + securityName + "|" + authPassword + "|" + privPassword + "|" +
           std::to_string(authProtocol) + "|" + std::to_string(privProtocol) + "|" + std::to_string(timeout) + "|" +
           std::to_string(retries) + (async ? "|async" : "|sync");
}

void CheckTargetAddress(const std::string& address)
{
    in_addr numeric{};
    if (::inet_pton(AF_INET, address.c_str(), &numeric) == 1)
        return;
    if (!IsHostName(address))
        RaiseError(Catalogue::ZtSnmp, -509);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(address.c_str(), nullptr, &hints, &found) != 0 || !found)
        RaiseError(Catalogue::ZtSnmp, -509);
    ::freeaddrinfo(found);
}

void* OpenNetSnmpSession(const SnmpTarget& t, int& result)
{
    netsnmp_session s;
    snmp_sess_init(&s);
    const std::string peer = "udp:" + t.address + ":" + std::to_string(t.port);
    s.peername = const_cast<char*>(peer.c_str());
    s.version = NetSnmpVersion(t.version);
    s.timeout = static_cast<long>(t.timeout) * 10000L;
    s.retries = t.retries;
    std::vector<u_char> community(t.readCommunity.begin(), t.readCommunity.end());
    if (s.version != SNMP_VERSION_3) {
        s.community = community.data();
        s.community_len = community.size();
    } else {
        s.securityName = const_cast<char*>(t.securityName.c_str());
        s.securityNameLen = t.securityName.size();
        result = SetUsmKeys(t, s);
        if (result != snmpresult::kSuccess) {
            FreeUsmProtocols(s);
            return nullptr;
        }
    }
    void* session = snmp_sess_open(&s);
    if (!session)
        result = SnmpResultOfNetSnmp(s.s_snmp_errno != 0 ? s.s_snmp_errno : snmp_errno);
    FreeUsmProtocols(s);
    return session;
}

} // namespace zt
