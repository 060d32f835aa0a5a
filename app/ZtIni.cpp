#include "app/ZtIni.h"

#include "common/TextUtil.h"
#include "platform/PrivateProfile.h"

namespace app {

std::string ZtIni::Read(const std::string& section, const std::string& key, const std::string& defaultValue) const
{
    constexpr std::size_t kBufferSize = 4096;
    const std::string value = platform::GetPrivateProfileString(section, key, defaultValue, kBufferSize, fileName_);
    if (value.empty())
        return defaultValue;
    return zt::TrimBlanks(value);
}

} // namespace app
