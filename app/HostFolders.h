#pragma once
// Folders the host's registry keys point at.
#include <string>

namespace platform {
class TRegistry;
}

namespace app {

inline constexpr const char* kDeviceRoot = "1.3.6.1.4.1.48621.10.37.38";
inline constexpr const char* kHelpPathKey = "\\SOFTWARE\\Norvane\\Modules\\HelpPath";
inline constexpr const char* kExePathKey = "\\SOFTWARE\\Norvane\\Skyframe5.1\\ExePath";
inline constexpr const char* kMibFileKey = "\\SOFTWARE\\Norvane\\Skyframe5.1\\MibFile";

// The base of the second catalogue pass: the HelpPath value named by the
// device root, less its last 12 characters. The key is created if missing.
std::string ReadHelpBase(platform::TRegistry& registry);

// The folder of the per-device .cfg files: the host's program folder followed
// by "../Conf/MBF/", or the MibFile key's path as it stands when that key exists.
std::string ReadCfgFolder(platform::TRegistry& registry);

} // namespace app
