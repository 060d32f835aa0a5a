#include "app/HostFolders.h"

#include "platform/Registry.h"

namespace app {

std::string ReadHelpBase(platform::TRegistry& registry)
{
    std::string value;
    if (registry.OpenKey(kHelpPathKey, true)) {
        value = registry.ReadString(kDeviceRoot);
        registry.CloseKey();
    }
    constexpr std::size_t kHelpFileNameLength = 12;
    return value.size() > kHelpFileNameLength ? value.substr(0, value.size() - kHelpFileNameLength) : std::string{};
}

std::string ReadCfgFolder(platform::TRegistry& registry)
{
    std::string folder;
    if (registry.OpenKey(kExePathKey, false)) {
        std::string exePath = registry.ReadString("Path");
        if (!exePath.empty() && exePath.back() != '/')
            exePath += '/';
        folder = exePath + "../Conf/MBF/";
        registry.CloseKey();
    }
    if (registry.OpenKey(kMibFileKey, false)) {
        folder = registry.ReadString("Path");
        registry.CloseKey();
    }
    return folder;
}

} // namespace app
