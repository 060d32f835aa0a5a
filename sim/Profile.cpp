#include "sim/Profile.h"

#include <arpa/inet.h>

#include <fstream>
#include <map>
#include <stdexcept>

#include <nlohmann/json.hpp>

namespace sim {
namespace {

using nlohmann::json;

struct TypeInfo {
    u_char asn;
    std::size_t minSize;
    std::size_t maxSize;
};

const std::map<std::string, TypeInfo>& Types()
{
    static const std::map<std::string, TypeInfo> types = {
        {"INTEGER", {ASN_INTEGER, 0, 0}},
        {"DisplayString", {ASN_OCTET_STR, 0, 255}},
        {"OCTET STRING", {ASN_OCTET_STR, 0, 65535}},
        {"MacAddress", {ASN_OCTET_STR, 6, 6}},
        {"IpAddress", {ASN_IPADDRESS, 4, 4}},
        {"TimeTicks", {ASN_TIMETICKS, 0, 0}},
        {"Counter32", {ASN_COUNTER, 0, 0}},
        {"Gauge32", {ASN_GAUGE, 0, 0}},
        {"Counter64", {ASN_COUNTER64, 0, 0}},
        {"OBJECT IDENTIFIER", {ASN_OBJECT_ID, 0, 0}},
    };
    return types;
}

Action ActionOf(const std::string& text)
{
    static const std::map<std::string, Action> actions = {
        {"", Action::None},           {"command", Action::Command}, {"apply", Action::Apply},
        {"discard", Action::Discard}, {"restart", Action::Restart}, {"factory", Action::Factory},
        {"apmode", Action::ApMode},   {"tftp-command", Action::TftpCommand}, {"tftp-step", Action::TftpStep},
    };
    auto it = actions.find(text);
    if (it == actions.end())
        throw std::runtime_error("unknown action \"" + text + "\"");
    return it->second;
}

std::string HexBytes(const std::string& hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

std::string TextOf(const json& value)
{
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_number_integer())
        return std::to_string(value.get<long long>());
    throw std::runtime_error("a value must be a string or an integer");
}

Oid FullOid(const Oid& root, const std::string& text)
{
    Oid id = ParseOid(text);
    if (id.empty())
        throw std::runtime_error("bad OID \"" + text + "\"");
    // Written out from the MIB-II root, or relative to the device root.
    if (id.size() > 4 && id[0] == 1 && id[1] == 3 && id[2] == 6 && id[3] == 1 && text.rfind("1.3.6.1.", 0) == 0)
        return id;
    Oid full = root;
    full.insert(full.end(), id.begin(), id.end());
    return full;
}

} // namespace

WireValue ValueOfType(const std::string& type, const std::string& text, u_char& asnType, std::size_t& minSize,
                      std::size_t& maxSize)
{
    const auto it = Types().find(type);
    if (it == Types().end())
        throw std::runtime_error("unknown type \"" + type + "\"");
    asnType = it->second.asn;
    minSize = it->second.minSize;
    maxSize = it->second.maxSize;
    WireValue v;
    v.type = asnType;
    switch (asnType) {
    case ASN_INTEGER: case ASN_TIMETICKS: case ASN_COUNTER: case ASN_GAUGE:
        v.integer = text.empty() ? 0 : std::stol(text);
        break;
    case ASN_COUNTER64: v.big = text.empty() ? 0 : std::stoull(text); break;
    case ASN_OBJECT_ID: v.objid = ParseOid(text); break;
    case ASN_IPADDRESS: {
        in_addr address{};
        if (::inet_pton(AF_INET, text.c_str(), &address) != 1)
            throw std::runtime_error("bad IP address \"" + text + "\"");
        v.octets.assign(reinterpret_cast<const char*>(&address), 4);
        break;
    }
    default:
        v.octets = text.rfind("hex:", 0) == 0 ? HexBytes(text.substr(4)) : text;
        break;
    }
    return v;
}

Profile LoadProfile(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(path + ": cannot be read");
    try {
        const json doc = json::parse(in);
        Profile profile;
        profile.device = doc.value("device", "device");
        profile.root = ParseOid(doc.at("root").get<std::string>());
        for (const auto& o : doc.at("objects")) {
            ObjectSpec spec;
            spec.name = o.at("name").get<std::string>();
            spec.oid = FullOid(profile.root, o.at("oid").get<std::string>());
            spec.access = o.value("access", "read-only") == "read-write" ? Access::ReadWrite : Access::ReadOnly;
            spec.uptime = o.value("dynamic", "") == "uptime";
            const std::string value = o.contains("value") ? TextOf(o.at("value")) : std::string{};
            spec.factory = ValueOfType(o.at("type").get<std::string>(), value, spec.type, spec.minSize, spec.maxSize);
            if (o.contains("values"))
                spec.allowed = o.at("values").get<std::vector<long>>();
            spec.action = ActionOf(o.value("action", ""));
            spec.immediate = o.value("immediate", false);
            spec.statusObject = o.value("status", "");
            profile.objects.push_back(spec);
        }
        for (const auto& t : doc.value("tables", json::array())) {
            TableSpec table;
            table.name = t.at("name").get<std::string>();
            table.entry = FullOid(profile.root, t.at("entry").get<std::string>());
            table.rows = t.value("rows", 0);
            for (const auto& c : t.at("columns"))
                table.columns.push_back({c.at("name").get<std::string>(), c.at("column").get<unsigned>(),
                                         c.at("type").get<std::string>(), c.value("generate", "")});
            profile.tables.push_back(table);
        }
        return profile;
    } catch (const std::exception& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

} // namespace sim
