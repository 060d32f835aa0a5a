#include "sim/WireValue.h"

#include <cstdio>
#include <sstream>

namespace sim {

WireValue FromBinding(const netsnmp_variable_list& vb)
{
    WireValue v;
    v.type = vb.type;
    switch (vb.type) {
    case ASN_INTEGER: case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS:
        v.integer = vb.val.integer ? *vb.val.integer : 0;
        break;
    case ASN_OCTET_STR: case ASN_IPADDRESS: case ASN_OPAQUE:
        if (vb.val.string)
            v.octets.assign(reinterpret_cast<const char*>(vb.val.string), vb.val_len);
        break;
    case ASN_OBJECT_ID:
        if (vb.val.objid)
            v.objid.assign(vb.val.objid, vb.val.objid + vb.val_len / sizeof(oid));
        break;
    case ASN_COUNTER64:
        if (vb.val.counter64)
            v.big = (static_cast<unsigned long long>(vb.val.counter64->high) << 32) | (vb.val.counter64->low & 0xFFFFFFFFu);
        break;
    default: break;
    }
    return v;
}

void ToBinding(const WireValue& v, netsnmp_variable_list& vb)
{
    switch (v.type) {
    case ASN_INTEGER: case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS:
        snmp_set_var_typed_value(&vb, v.type, &v.integer, sizeof v.integer);
        break;
    case ASN_OBJECT_ID:
        snmp_set_var_typed_value(&vb, v.type, v.objid.data(), v.objid.size() * sizeof(oid));
        break;
    case ASN_COUNTER64: {
        counter64 c{};
        c.high = static_cast<u_long>(v.big >> 32);
        c.low = static_cast<u_long>(v.big & 0xFFFFFFFFu);
        snmp_set_var_typed_value(&vb, v.type, &c, sizeof c);
        break;
    }
    default:
        snmp_set_var_typed_value(&vb, v.type, v.octets.data(), v.octets.size());
        break;
    }
}

std::string OidText(const Oid& id)
{
    std::string text;
    for (std::size_t i = 0; i < id.size(); ++i) {
        if (i)
            text += '.';
        text += std::to_string(id[i]);
    }
    return text;
}

Oid ParseOid(const std::string& text)
{
    Oid id;
    std::stringstream parts(text[0] == '.' ? text.substr(1) : text);
    std::string part;
    while (std::getline(parts, part, '.')) {
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos)
            return {};
        id.push_back(std::stoul(part));
    }
    return id;
}

std::string Describe(const WireValue& v)
{
    switch (v.type) {
    case ASN_INTEGER: return "INTEGER " + std::to_string(v.integer);
    case ASN_COUNTER: return "Counter32 " + std::to_string(static_cast<unsigned long>(v.integer));
    case ASN_GAUGE: return "Gauge32 " + std::to_string(static_cast<unsigned long>(v.integer));
    case ASN_TIMETICKS: return "TimeTicks " + std::to_string(static_cast<unsigned long>(v.integer));
    case ASN_COUNTER64: return "Counter64 " + std::to_string(v.big);
    case ASN_OBJECT_ID: return "OID " + OidText(v.objid);
    case ASN_IPADDRESS:
        if (v.octets.size() == 4) {
            char text[32];
            std::snprintf(text, sizeof text, "IpAddress %u.%u.%u.%u", static_cast<unsigned char>(v.octets[0]),
                          static_cast<unsigned char>(v.octets[1]), static_cast<unsigned char>(v.octets[2]),
                          static_cast<unsigned char>(v.octets[3]));
            return text;
        }
        return "IpAddress (" + std::to_string(v.octets.size()) + " bytes)";
    case ASN_OCTET_STR: {
        bool printable = true;
        for (unsigned char c : v.octets)
            printable = printable && c >= 0x20 && c < 0x7F;
        if (printable)
            return "STRING \"" + v.octets + "\"";
        std::string hex = "Hex-STRING ";
        char two[4];
        for (unsigned char c : v.octets) {
            std::snprintf(two, sizeof two, "%02X", c);
            hex += two;
        }
        return hex;
    }
    case ASN_NULL: return "NULL";
    default: return "type " + std::to_string(v.type);
    }
}

} // namespace sim
