#pragma once
// Between an entry's value text and a net-snmp variable binding.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "snmp/VarList.h"

namespace zt {

// Stores a response value as the entry's text (its option label when it has
// options). A value whose wire type does not carry the entry's syntax stores
// "(NULL)". Raises -511 for an unknown syntax.
void StoreValue(ZtSNMPVarEntry& entry, const netsnmp_variable_list& binding);

// Puts the entry's text (its option value when it has options) into the
// binding for a set; "(NULL)" sends a NULL value. Raises -511 for an unknown
// syntax and vcl::EConvertError for a text the syntax cannot read.
void LoadValue(const ZtSNMPVarEntry& entry, netsnmp_variable_list& binding);

} // namespace zt
