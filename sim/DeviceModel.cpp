#include "sim/DeviceModel.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace sim {
namespace {

bool Below(const Oid& id, const Oid& root)
{
    return id.size() > root.size() && std::equal(root.begin(), root.end(), id.begin());
}

std::string Dotted(const std::string& fourBytes)
{
    if (fourBytes.size() != 4)
        return "0.0.0.0";
    char text[20];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", static_cast<unsigned char>(fourBytes[0]),
                  static_cast<unsigned char>(fourBytes[1]), static_cast<unsigned char>(fourBytes[2]),
                  static_cast<unsigned char>(fourBytes[3]));
    return text;
}

// A generated cell of row i (1-based) of the client table.
std::string Generated(const std::string& rule, int i)
{
    if (rule == "mac") {
        char hex[24];
        std::snprintf(hex, sizeof hex, "hex:001122%02X%02X%02X", (i >> 16) & 0xFF, (i >> 8) & 0xFF, i & 0xFF);
        return hex;
    }
    if (rule == "ticks")
        return std::to_string(i * 6000 + 1234);
    if (rule.rfind("cycle:", 0) == 0) {
        std::vector<std::string> items;
        std::stringstream list(rule.substr(6));
        std::string item;
        while (std::getline(list, item, ','))
            items.push_back(item);
        return items.empty() ? std::string{} : items[static_cast<std::size_t>(i - 1) % items.size()];
    }
    return std::to_string(i);
}

} // namespace

DeviceModel::DeviceModel(Profile profile, int clients) : profile_(std::move(profile)), bootTime_(Clock::now())
{
    // Table cells get specs of their own; reserve so the pointers stay put.
    std::size_t cells = 0;
    for (const auto& t : profile_.tables)
        cells += t.columns.size() * static_cast<std::size_t>(clients >= 0 ? clients : t.rows);
    tableSpecs_.reserve(cells);
    for (const auto& spec : profile_.objects)
        objects_[spec.oid] = Object{&spec, spec.factory, std::nullopt, std::nullopt};
    for (const auto& table : profile_.tables)
        AddTableRows(table, clients >= 0 ? clients : table.rows);
}

void DeviceModel::AddTableRows(const TableSpec& table, int rows)
{
    for (int i = 1; i <= rows; ++i) {
        for (const auto& column : table.columns) {
            ObjectSpec spec;
            spec.name = column.name + "." + std::to_string(i);
            spec.oid = table.entry;
            spec.oid.push_back(column.column);
            spec.oid.push_back(static_cast<oid>(i));
            spec.factory = ValueOfType(column.type, Generated(column.generate, i), spec.type, spec.minSize, spec.maxSize);
            tableSpecs_.push_back(spec);
            objects_[spec.oid] = Object{&tableSpecs_.back(), spec.factory, std::nullopt, std::nullopt};
        }
    }
}

std::optional<WireValue> DeviceModel::Get(const Oid& id) const
{
    const auto it = objects_.find(id);
    if (it == objects_.end())
        return std::nullopt;
    const Object& object = it->second;
    if (object.spec->uptime) {
        WireValue v = object.committed;
        v.integer = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - bootTime_).count() / 10);
        return v;
    }
    if (object.overlay)
        return object.overlay;
    return object.pending ? *object.pending : object.committed;
}

std::optional<std::pair<Oid, WireValue>> DeviceModel::Next(const Oid& id, const Oid& root) const
{
    for (auto it = objects_.upper_bound(id); it != objects_.end(); ++it) {
        if (!Below(it->first, root))
            return std::nullopt;
        return std::make_pair(it->first, *Get(it->first));
    }
    return std::nullopt;
}

std::string DeviceModel::NameOf(const Oid& id) const
{
    const auto it = objects_.find(id);
    return it == objects_.end() ? OidText(id) : it->second.spec->name;
}

Action DeviceModel::ActionOf(const Oid& id) const
{
    const auto it = objects_.find(id);
    return it == objects_.end() ? Action::None : it->second.spec->action;
}

int DeviceModel::CheckSet(const Oid& id, const WireValue& value) const
{
    const auto it = objects_.find(id);
    if (it == objects_.end())
        return SNMP_ERR_NOCREATION;
    const ObjectSpec& spec = *it->second.spec;
    if (spec.access != Access::ReadWrite)
        return SNMP_ERR_NOTWRITABLE;
    if (value.type != spec.type)
        return SNMP_ERR_WRONGTYPE;
    if (spec.type == ASN_OCTET_STR || spec.type == ASN_IPADDRESS) {
        if (value.octets.size() < spec.minSize || value.octets.size() > spec.maxSize)
            return SNMP_ERR_WRONGLENGTH;
    }
    if (!spec.allowed.empty() && std::find(spec.allowed.begin(), spec.allowed.end(), value.integer) == spec.allowed.end())
        return SNMP_ERR_WRONGVALUE;
    return SNMP_ERR_NOERROR;
}

void DeviceModel::Set(const Oid& id, const WireValue& value)
{
    Object& object = objects_.at(id);
    const ObjectSpec& spec = *object.spec;
    if (spec.action != Action::None && spec.action != Action::ApMode) {
        RunAction(object, value);
        return;
    }
    if (spec.immediate)
        object.committed = value;
    else
        object.pending = value;
    if (spec.action == Action::ApMode)
        RunAction(object, value);
}

void DeviceModel::RunAction(Object& object, const WireValue& value)
{
    const ObjectSpec& spec = *object.spec;
    switch (spec.action) {
    case Action::Apply:
        if (value.integer == 1)
            restartRequest_ = Restart::Apply;
        break;
    case Action::Discard:
        if (value.integer == 1)
            restartRequest_ = Restart::Discard;
        break;
    case Action::Restart:
        if (value.integer == 1)
            restartRequest_ = Restart::Reboot;
        break;
    case Action::Factory:
        if (value.integer == 1)
            restartRequest_ = Restart::Factory;
        break;
    case Action::ApMode:
        if (Object* status = FindByName(spec.statusObject)) {
            WireValue changed = status->committed;
            changed.octets = "changed";
            status->overlay = changed;
        }
        break;
    case Action::TftpCommand:
        if (value.integer == 2 || value.integer == 3 || value.integer == 5) {
            const Object* server = FindByName("tftpServerIPAddress");
            const Object* file = FindByName("tftpRemoteFileName");
            tftpRequest_ = TftpRequest{value.integer, server ? Dotted(server->committed.octets) : "0.0.0.0",
                                       file ? file->committed.octets : ""};
        }
        break;
    case Action::TftpStep:
        if (value.integer == 4)
            restartRequest_ = Restart::Reboot;
        break;
    case Action::Command: case Action::None: break;
    }
}

DeviceModel::Object* DeviceModel::FindByName(const std::string& name)
{
    for (auto& [id, object] : objects_) {
        if (object.spec->name == name)
            return &object;
    }
    return nullptr;
}

Restart DeviceModel::TakeRestartRequest()
{
    const Restart request = restartRequest_;
    restartRequest_ = Restart::None;
    return request;
}

std::optional<TftpRequest> DeviceModel::TakeTftpRequest()
{
    auto request = tftpRequest_;
    tftpRequest_.reset();
    return request;
}

void DeviceModel::FinishRestart(Restart kind)
{
    for (auto& [id, object] : objects_) {
        if (kind == Restart::Apply && object.pending)
            object.committed = *object.pending;
        if (kind == Restart::Factory)
            object.committed = object.spec->factory;
        object.pending.reset();
        object.overlay.reset();
    }
    if (Object* led = FindByName("wirelessLed2dot4G"))
        led->committed.integer = 1;
    bootTime_ = Clock::now();
}

std::string DeviceModel::ConfigurationText() const
{
    std::string text = "# " + profile_.device + " configuration\n";
    for (const auto& spec : profile_.objects) {
        if (spec.access == Access::ReadWrite && spec.action == Action::None)
            text += spec.name + " = " + Describe(objects_.at(spec.oid).committed) + "\n";
    }
    return text;
}

} // namespace sim
