#include "app/LaunchParameters.h"

#include <cstdint>
#include <limits>

#include "app/ZtIni.h"
#include "common/TextUtil.h"
#include "platform/FileSystem.h"
#include "vcl/core/Exception.h"

namespace app {
namespace {

const char* const kSection = "Program Information";

long ToNumber(const std::string& text, long low = std::numeric_limits<std::int32_t>::min(),
              long high = std::numeric_limits<std::int32_t>::max())
{
    auto value = zt::ParseDecimal(text);
    if (!value)
        throw vcl::EConvertError("'" + text + "' is not a valid integer value");
    if (*value < low || *value > high)
        throw vcl::EConvertError("'" + text + "' is out of range (" + std::to_string(low) + " to " +
                                 std::to_string(high) + ")");
    return *value;
}

std::uint16_t ToPort(const std::string& text) { return static_cast<std::uint16_t>(ToNumber(text, 0, 65535)); }
std::uint8_t ToVersion(const std::string& text) { return static_cast<std::uint8_t>(ToNumber(text, 0, 255)); }
// Levels and protocols are given counted from 0 and kept counted from 1.
std::int32_t ToCodeFromOne(const std::string& text)
{
    return static_cast<std::int32_t>(
        ToNumber(text, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max() - 1) + 1);
}

enum class Switch { Address, ReadCommunity, WriteCommunity, Version, Port, ContextName, ContextEngineId,
                    SecurityModel, SecurityLevel, SecurityName, AuthPassword, PrivPassword, AuthProtocol,
                    PrivProtocol };

struct SwitchSpec {
    const char* text;
    Switch which;
    bool v3Only;
};

// In the order parameters are tested against them; the first contained wins.
const SwitchSpec kSwitches[] = {
    {"/I", Switch::Address, false},        {"/R", Switch::ReadCommunity, false},
    {"/W", Switch::WriteCommunity, false}, {"/v", Switch::Version, false},
    {"/t", Switch::Port, true},            {"/c", Switch::ContextName, true},
    {"/d", Switch::ContextEngineId, true}, {"/m", Switch::SecurityModel, true},
    {"/l", Switch::SecurityLevel, true},   {"/n", Switch::SecurityName, true},
    {"/A", Switch::AuthPassword, true},    {"/P", Switch::PrivPassword, true},
    {"/a", Switch::AuthProtocol, true},    {"/p", Switch::PrivProtocol, true},
};

} // namespace

LaunchParameters::LaunchParameters(zt::LaunchSettings& settings, std::string cfgFolder)
    : settings_(settings), cfgFolder_(std::move(cfgFolder))
{
}

void LaunchParameters::Apply(const std::vector<std::string>& params)
{
    for (const auto& param : params) {
        const auto at = param.find("/I");
        if (at != std::string::npos) {
            address_ = param.substr(at + 2);
            settings_.device.address = address_;
            continue;
        }
        if (platform::FileExists(CfgFilePath()))
            ApplyCfgFile(CfgFilePath());
        ApplySwitch(param);
    }
}

bool LaunchParameters::V3SwitchesAllowed() const
{
    return settings_.security.version == zt::snmpcode::kVersion3 || cfgGaveVersion3_;
}

void LaunchParameters::ApplyCfgFile(const std::string& path)
{
    const ZtIni ini(path);
    auto read = [&](const char* key) { return ini.Read(kSection, key, ""); };
    auto& security = settings_.security;

    settings_.device.port = ToPort(read("AgentPort"));
    security.version = ToVersion(read("Version"));
    cfgGaveVersion3_ = security.version == zt::snmpcode::kVersion3;
    if (auto name = read("ContextName"); !name.empty())
        settings_.scope.contextName = name;
    settings_.scope.contextEngineId = read("ContextEngineID");
    security.securityModel = static_cast<std::int32_t>(ToNumber(read("SecurityModel")));
    if (auto level = read("SecurityLevel"); level != "0")
        security.securityLevel = ToCodeFromOne(level);
    security.securityName = read("SecurityName");
    if (auto auth = read("AuthProtocol"); auth != "0")
        security.authProtocol = ToCodeFromOne(auth);
    if (auto priv = read("PrivProtocol"); priv != "0")
        security.privProtocol = ToCodeFromOne(priv);
    if (auto pass = read("AuthPassword"); !pass.empty())
        security.authPassword = pass;
    if (auto pass = read("PrivPassword"); !pass.empty())
        security.privPassword = pass;
}

void LaunchParameters::ApplySwitch(const std::string& param)
{
    for (const auto& spec : kSwitches) {
        const auto at = param.find(spec.text);
        if (at == std::string::npos)
            continue;
        if (spec.v3Only && !V3SwitchesAllowed())
            return;
        const std::string value = param.substr(at + 2);
        auto& security = settings_.security;
        switch (spec.which) {
        case Switch::Address: break; // handled before the .cfg file is applied
        case Switch::ReadCommunity: security.readCommunity = value; break;
        case Switch::WriteCommunity: security.writeCommunity = value; break;
        case Switch::Version: security.version = ToVersion(value); break;
        case Switch::Port: settings_.device.port = ToPort(value); break;
        case Switch::ContextName: settings_.scope.contextName = value; break;
        case Switch::ContextEngineId: settings_.scope.contextEngineId = value; break;
        case Switch::SecurityModel: security.securityModel = static_cast<std::int32_t>(ToNumber(value)); break;
        case Switch::SecurityLevel: security.securityLevel = ToCodeFromOne(value); break;
        case Switch::SecurityName: security.securityName = value; break;
        case Switch::AuthPassword: security.authPassword = value; break;
        case Switch::PrivPassword: security.privPassword = value; break;
        case Switch::AuthProtocol: security.authProtocol = ToCodeFromOne(value); break;
        case Switch::PrivProtocol: security.privProtocol = ToCodeFromOne(value); break;
        }
        return;
    }
}

} // namespace app
