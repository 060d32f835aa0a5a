#pragma once
// The status line of a get (kind 0) or set (kind 1) from the "snmp.msg"
// templates: "Get: [ERROR] Request:[VARLIST]. Receive at [TIME]." with the
// error text, the list name (its part left out when there is none) and the
// time now as "hh:nn:ss AM".
#include <string>

namespace zt {

std::string StatusLine(int kind, const std::string& errorText, const std::string& listName);

} // namespace zt
