#pragma once
// Results of the SNMP layer and the module's error codes.
//
// The module's codes were laid out over the result space of its original SNMP
// library: 0 success, 1..18 PDU error status, -1..-23 class errors,
// 1401..1414 USM errors, -1418..-1402 message-processing errors.
// net-snmp's own results are first translated into that space
// (SnmpResultOfNetSnmp), then MapSnmpResult gives the code and its text.
#include <string>

namespace zt {

namespace snmpresult {
constexpr int kSuccess = 0;
constexpr int kUsmSuccess = 1400;
constexpr int kMpSuccess = -1401;
// class errors
constexpr int kGeneralError = -1;
constexpr int kResourceUnavailable = -2;
constexpr int kInternalError = -3;
constexpr int kUnsupported = -4;
constexpr int kTimeout = -5;
constexpr int kSessionOutstanding = -8;
constexpr int kClassInvalid = -10;
constexpr int kInvalidPdu = -11;
constexpr int kInvalidTarget = -12;
constexpr int kInvalidRequestId = -14;
constexpr int kOperationNotSupported = -16;
constexpr int kInvalidOid = -17;
constexpr int kInvalidAddress = -18;
constexpr int kTransportNotSupported = -20;
constexpr int kTransportInUse = -21;
constexpr int kTransportFailed = -22;
// message processing
constexpr int kMpUnsupportedSecurityModel = -1402;
constexpr int kMpNotInTimeWindow = -1403;
constexpr int kMpInvalidMessage = -1405;
constexpr int kMpInvalidEngineId = -1406;
constexpr int kMpParseError = -1408;
constexpr int kMpCommunityError = -1411;
constexpr int kMpUnknownUserName = -1412;
constexpr int kMpBuildError = -1413;
constexpr int kMpUsmError = -1414;
constexpr int kMpUnknownContext = -1417;
// user-based security model
constexpr int kUsmError = 1401;
constexpr int kUsmUnsupportedSecurityLevel = 1403;
constexpr int kUsmUnknownSecurityName = 1404;
constexpr int kUsmEncryptionError = 1405;
constexpr int kUsmDecryptionError = 1406;
constexpr int kUsmAuthenticationError = 1407;
constexpr int kUsmAuthenticationFailure = 1408;
constexpr int kUsmParseError = 1409;
constexpr int kUsmUnknownEngineId = 1410;
constexpr int kUsmNotInTimeWindow = 1411;
constexpr int kUsmUnsupportedAuthProtocol = 1412;
constexpr int kUsmUnsupportedPrivProtocol = 1413;
// a result with no place in the space above
constexpr int kUnmapped = 1000000;
} // namespace snmpresult

struct MappedResult {
    int code = 0;
    std::string text;
};

// The module's code and text for a result of the SNMP layer.
MappedResult MapSnmpResult(int result);

// net-snmp's library error (SNMPERR_*, snmp_errno or a session's s_snmp_errno)
// in the result space above.
int SnmpResultOfNetSnmp(int snmpErr);

// A completion reason of net-snmp's asynchronous callback (NETSNMP_CALLBACK_OP_*)
// other than a received message, in the result space above.
int SnmpResultOfCallback(int operation);

// A response PDU's error status (0..18) in the result space above.
int SnmpResultOfErrorStatus(long errorStatus);

} // namespace zt
