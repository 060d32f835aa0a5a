#pragma once
// The launch parameters: command-line switches and the host's per-device .cfg
// file, applied in the host's order onto the launch settings.
#include <string>
#include <vector>

#include "snmp/LaunchSettings.h"

namespace app {

class LaunchParameters {
public:
    LaunchParameters(zt::LaunchSettings& settings, std::string cfgFolder);

    // Processes the parameters from first to last. A numeric value that is not
    // a decimal number (or does not fit its field) raises vcl::EConvertError.
    void Apply(const std::vector<std::string>& params);

    // The device address as given by "/I" (empty until then).
    const std::string& Address() const { return address_; }
    std::string CfgFilePath() const { return cfgFolder_ + address_ + ".cfg"; }

private:
    void ApplyCfgFile(const std::string& path);
    void ApplySwitch(const std::string& param);
    bool V3SwitchesAllowed() const;

    zt::LaunchSettings& settings_;
    std::string cfgFolder_;
    std::string address_;
    bool cfgGaveVersion3_ = false;
};

} // namespace app
