#pragma once
// A value as the agent carries it: an ASN.1 type and its payload.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <string>
#include <vector>

namespace sim {

using Oid = std::vector<oid>;

struct WireValue {
    u_char type = ASN_NULL;
    long integer = 0;            // INTEGER, Counter32, Gauge32, TimeTicks
    std::string octets;          // OCTET STRING, IpAddress (4 bytes)
    Oid objid;                   // OBJECT IDENTIFIER
    unsigned long long big = 0;  // Counter64

    bool operator==(const WireValue& other) const = default;
};

// The value from a request's binding, and into a response's binding.
WireValue FromBinding(const netsnmp_variable_list& vb);
void ToBinding(const WireValue& value, netsnmp_variable_list& vb);

std::string OidText(const Oid& id);
Oid ParseOid(const std::string& text);   // empty on a malformed text
std::string Describe(const WireValue& value);

} // namespace sim
