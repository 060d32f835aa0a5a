#pragma once
// Key entries of table rows: between an entry's value text and the
// sub-identifiers of a row's instance.
#include <string>

#include "snmp/VarList.h"

namespace zt {

// Decodes key entry i from the front of the dotted instance, stores it as the
// entry's value (its option label when it has options) and returns the rest of
// the instance without the leading dot. Missing sub-identifiers count as 0.
std::string DecodeIndex(ZtSNMPVarList& list, int i, const std::string& instance);

// The dotted sub-identifiers that encode key entry i's value (its option value
// when it has options).
std::string EncodeIndex(const ZtSNMPVarList& list, int i);

} // namespace zt
