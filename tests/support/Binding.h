#pragma once
// A net-snmp variable binding owned by a test.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

struct Binding {
    netsnmp_variable_list vb{};

    Binding() = default;
    Binding(u_char type, long integer) { snmp_set_var_typed_value(&vb, type, &integer, sizeof integer); }
    Binding(u_char type, const std::string& bytes) { snmp_set_var_typed_value(&vb, type, bytes.data(), bytes.size()); }
    static Binding Oid(const std::vector<oid>& ids)
    {
        Binding b;
        snmp_set_var_typed_value(&b.vb, ASN_OBJECT_ID, ids.data(), ids.size() * sizeof(oid));
        return b;
    }
    static Binding Counter64(std::uint32_t high, std::uint32_t low)
    {
        Binding b;
        counter64 c{};
        c.high = high;
        c.low = low;
        snmp_set_var_typed_value(&b.vb, ASN_COUNTER64, &c, sizeof c);
        return b;
    }
    Binding(Binding&& other) noexcept : vb(other.vb)
    {
        if (other.vb.val.string == other.vb.buf)
            vb.val.string = vb.buf;
        other.vb = netsnmp_variable_list{};
    }
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;
    ~Binding() { snmp_free_var_internals(&vb); }

    std::string Bytes() const { return std::string(reinterpret_cast<const char*>(vb.val.string), vb.val_len); }
    long Integer() const { return *vb.val.integer; }
};

inline std::string Hex(const std::string& hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

} // namespace testsupport
