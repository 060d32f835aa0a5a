#include "common/BuiltInTexts.h"

namespace zt {
namespace {

const std::vector<std::string> kCommon = {
    "(ZtCommon) Ok!",
    "(ZtCommon) Bad logic operand!",
    "(ZtCommon) Bad format specifier of edit's constraint!",
    "(ZtCommon) Empty value is not allowed!",
    "(ZtCommon) Please enter a string whose length is less than [MAXLEN]!",
    "(ZtCommon) Please enter a string whose length is [LEN]!",
    "(ZtCommon) Please enter a hex string whose length is less than [MAXLEN]!",
    "(ZtCommon) Please enter a hex string whose length is [LEN]!",
    "(ZtCommon) Please enter a number between [MIN] and [MAX]!",
    "(ZtCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "(ZtCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "(ZtCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "(ZtCommon) Out of range at index of array or list!",
    "(ZtCommon) Destination buffer is undersize!",
    "(ZtCommon) The source to dncrypt is not encrypted!",
    "(ZtCommon) Fail to read data from file([FILENAME])!",
    "(ZtCommon) Fail to write data to file([FILENAME])!",
    "(ZtCommon) Fail to write value in ini file([FILENAME])!",
    "(ZtCommon) Fail to read option data from file([FILENAME])!",
};

const std::vector<std::string> kSnmpStatus = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const std::vector<std::string> kSnmpV3 = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const std::vector<std::string> kSnmpUsm = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const std::vector<std::string> kSnmpClass = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const std::vector<std::string> kZtSnmp = {
    "(ZtSNMP++) Ok!",
    "(ZtSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(ZtSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZtSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZtSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZtSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(ZtSNMP++) Cannot create the global ZtSNMP++ session!",
    "(ZtSNMP++) Error when loading SNMP engine boots counter!",
    "(ZtSNMP++) Error when saving SNMP engine boots counter!",
    "(ZtSNMP++) Invalid IP Address or DNS name!",
    "(ZtSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(ZtSNMP++) Bad SNMP syntax!",
    "(ZtSNMP++) Null value in the expression!",
    "(ZtSNMP++) Bad SNMP syntax in the expression!",
    "(ZtSNMP++) Bad key count of SNMP variable list!",
    "(ZtSNMP++) Bad item type of SNMP variable list!",
    "(ZtSNMP++) Bad item type of associated SNMP variable list!",
    "(ZtSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(ZtSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(ZtSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(ZtSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(ZtSNMP++) Bad type of the associated visual control!",
    "(ZtSNMP++) Count of the associated visual controls is not enough!",
    "(ZtSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(ZtSNMP++) Count of the value items for the chart's history data is not enough!",
    "(ZtSNMP++) Log database is not connected!",
    "(ZtSNMP++) Log database field not found!",
    "(ZtSNMP++) Bad syntax for the history chart of log!",
    "(ZtSNMP++) Unknown error code!",
};

const std::vector<std::string> kStatusTemplates = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

const std::vector<std::string> kZtTftp = {
    "(ZtTFTP) Success to transfer file.",
    "(ZtTFTP) File is transferring...",
    "(ZtTFTP) A TFTP session is connected...",
    "(ZtTFTP) A TFTP session is disconnected...",
    "(ZtTFTP) Undefined error:",
    "(ZtTFTP) File not found!",
    "(ZtTFTP) Access violation!",
    "(ZtTFTP) Disk full!",
    "(ZtTFTP) Bad operation!",
    "(ZtTFTP) Unknown port!",
    "(ZtTFTP) File already exist!",
    "(ZtTFTP) No such user!",
    "(ZtTFTP) Fail to open socket!Please check if the network is ready.",
    "(ZtTFTP) Fail to send or receive socket packet!",
    "(ZtTFTP) Socket is not ready!",
    "(ZtTFTP) Bad packet!",
    "(ZtTFTP) Timeout!",
    "(ZtTFTP) Transfer has been canceled.",
};

} // namespace

const std::vector<std::string>& BuiltInTexts(Catalogue table)
{
    switch (table) {
    case Catalogue::Common: return kCommon;
    case Catalogue::SnmpStatus: return kSnmpStatus;
    case Catalogue::SnmpV3: return kSnmpV3;
    case Catalogue::SnmpUsm: return kSnmpUsm;
    case Catalogue::SnmpClass: return kSnmpClass;
    case Catalogue::ZtSnmp: return kZtSnmp;
    case Catalogue::StatusTemplates: return kStatusTemplates;
    case Catalogue::ZtTftp: return kZtTftp;
    }
    return kCommon;
}

} // namespace zt
