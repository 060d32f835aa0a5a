#include "snmp/SnmpResult.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <unordered_map>

#include "common/ErrorCatalogue.h"

namespace zt {
namespace {

using namespace snmpresult;

// Every library error net-snmp defines, with the result the original library
// gave for the same condition. SNMPv3 report PDUs arrive as the errors of the
// usmStats / snmpUnknown counters they carry, so they land on the USM codes.
const std::unordered_map<int, int>& NetSnmpTable()
{
    static const std::unordered_map<int, int> table = {
        {SNMPERR_SUCCESS, kSuccess},
        {SNMPERR_GENERR, kGeneralError},
        {SNMPERR_BAD_LOCPORT, kTransportInUse},
        {SNMPERR_BAD_ADDRESS, kInvalidAddress},
        {SNMPERR_BAD_SESSION, kClassInvalid},
        {SNMPERR_TOO_LONG, kInvalidPdu},
        {SNMPERR_NO_SOCKET, kTransportFailed},
        {SNMPERR_V2_IN_V1, kOperationNotSupported},
        {SNMPERR_V1_IN_V2, kOperationNotSupported},
        {SNMPERR_BAD_REPEATERS, kInvalidPdu},
        {SNMPERR_BAD_REPETITIONS, kInvalidPdu},
        {SNMPERR_BAD_ASN1_BUILD, kMpBuildError},
        {SNMPERR_BAD_SENDTO, kTransportFailed},
        {SNMPERR_BAD_PARSE, kMpParseError},
        {SNMPERR_BAD_VERSION, kOperationNotSupported},
        {SNMPERR_BAD_SRC_PARTY, kInvalidTarget},
        {SNMPERR_BAD_DST_PARTY, kInvalidTarget},
        {SNMPERR_BAD_CONTEXT, kMpUnknownContext},
        {SNMPERR_BAD_COMMUNITY, kMpCommunityError},
        {SNMPERR_NOAUTH_DESPRIV, kUsmUnsupportedSecurityLevel},
        {SNMPERR_BAD_ACL, kGeneralError},
        {SNMPERR_BAD_PARTY, kInvalidTarget},
        {SNMPERR_ABORT, kSessionOutstanding},
        {SNMPERR_UNKNOWN_PDU, kInvalidPdu},
        {SNMPERR_TIMEOUT, kTimeout},
        {SNMPERR_BAD_RECVFROM, kTransportFailed},
        {SNMPERR_BAD_ENG_ID, kMpInvalidEngineId},
        {SNMPERR_BAD_SEC_NAME, kUsmUnknownSecurityName},
        {SNMPERR_BAD_SEC_LEVEL, kUsmUnsupportedSecurityLevel},
        {SNMPERR_ASN_PARSE_ERR, kMpParseError},
        {SNMPERR_UNKNOWN_SEC_MODEL, kMpUnsupportedSecurityModel},
        {SNMPERR_INVALID_MSG, kMpInvalidMessage},
        // report conditions (usmStats... and snmpUnknown... counters)
        {SNMPERR_UNKNOWN_ENG_ID, kUsmUnknownEngineId},
        {SNMPERR_UNKNOWN_USER_NAME, kUsmUnknownSecurityName},
        {SNMPERR_UNSUPPORTED_SEC_LEVEL, kUsmUnsupportedSecurityLevel},
        {SNMPERR_AUTHENTICATION_FAILURE, kUsmAuthenticationFailure},
        {SNMPERR_NOT_IN_TIME_WINDOW, kUsmNotInTimeWindow},
        {SNMPERR_DECRYPTION_ERR, kUsmDecryptionError},
        {SNMPERR_SC_GENERAL_FAILURE, kUsmError},
        {SNMPERR_SC_NOT_CONFIGURED, kUsmUnsupportedPrivProtocol},
        {SNMPERR_KT_NOT_AVAILABLE, kUsmError},
        {SNMPERR_UNKNOWN_REPORT, kMpUsmError},
        // errors of the local security model while building or parsing
        {SNMPERR_USM_GENERICERROR, kUsmError},
        {SNMPERR_USM_UNKNOWNSECURITYNAME, kUsmUnknownSecurityName},
        {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, kUsmUnsupportedSecurityLevel},
        {SNMPERR_USM_ENCRYPTIONERROR, kUsmEncryptionError},
        {SNMPERR_USM_AUTHENTICATIONFAILURE, kUsmAuthenticationError},
        {SNMPERR_USM_PARSEERROR, kUsmParseError},
        {SNMPERR_USM_UNKNOWNENGINEID, kUsmUnknownEngineId},
        {SNMPERR_USM_NOTINTIMEWINDOW, kUsmNotInTimeWindow},
        {SNMPERR_USM_DECRYPTIONERROR, kUsmDecryptionError},
        // object identifiers and values
        {SNMPERR_NOMIB, kInvalidOid},
        {SNMPERR_RANGE, kInvalidOid},
        {SNMPERR_MAX_SUBID, kInvalidOid},
        {SNMPERR_BAD_SUBID, kInvalidOid},
        {SNMPERR_LONG_OID, kInvalidOid},
        {SNMPERR_BAD_NAME, kInvalidOid},
        {SNMPERR_VALUE, kInvalidPdu},
        {SNMPERR_UNKNOWN_OBJID, kInvalidOid},
        {SNMPERR_NULL_PDU, kInvalidPdu},
        {SNMPERR_NO_VARS, kInvalidPdu},
        {SNMPERR_VAR_TYPE, kInvalidPdu},
        {SNMPERR_MALLOC, kResourceUnavailable},
        {SNMPERR_KRB5, kUnsupported},
        {SNMPERR_PROTOCOL, kMpInvalidMessage},
        {SNMPERR_OID_NONINCREASING, kGeneralError},
        {SNMPERR_JUST_A_CONTEXT_PROBE, kGeneralError},
        {SNMPERR_TRANSPORT_NO_CONFIG, kTransportNotSupported},
        {SNMPERR_TRANSPORT_CONFIG_ERROR, kTransportFailed},
        {SNMPERR_TLS_NO_CERTIFICATE, kTransportNotSupported},
    };
    return table;
}

bool Between(int value, int low, int high) { return value >= low && value <= high; }

} // namespace

MappedResult MapSnmpResult(int r)
{
    if (r == kSuccess || r == kUsmSuccess || r == kMpSuccess)
        return {0, ErrorText(Catalogue::ZtSnmp, 0)};
    if (Between(r, 1, 18))
        return {-100 - r, ErrorText(Catalogue::SnmpStatus, -100 - r)};
    if (Between(r, 1401, 1414))
        return {1100 - r, ErrorText(Catalogue::SnmpUsm, 1100 - r)};
    if (Between(r, -1418, -1402))
        return {r + 1201, ErrorText(Catalogue::SnmpV3, r + 1201)};
    if (Between(r, -23, -1))
        return {r - 400, ErrorText(Catalogue::SnmpClass, r - 400)};
    return {-528, ErrorText(Catalogue::ZtSnmp, -528)};
}

int SnmpResultOfNetSnmp(int snmpErr)
{
    const auto& table = NetSnmpTable();
    auto it = table.find(snmpErr);
    return it == table.end() ? kUnmapped : it->second;
}

int SnmpResultOfCallback(int operation)
{
    switch (operation) {
    case NETSNMP_CALLBACK_OP_TIMED_OUT: return kTimeout;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: return kTransportFailed;
    case NETSNMP_CALLBACK_OP_DISCONNECT: return kTransportFailed;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: return kUsmError;
    default: return kUnmapped;
    }
}

int SnmpResultOfErrorStatus(long errorStatus)
{
    if (errorStatus == 0)
        return kSuccess;
    if (errorStatus >= 1 && errorStatus <= 18)
        return static_cast<int>(errorStatus);
    return kUnmapped;
}

} // namespace zt
