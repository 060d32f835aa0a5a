#include "platform/PrivateProfile.h"

#include "platform/IniFile.h"

namespace platform {
namespace {

std::string Unquote(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::size_t bufferSize,
                                    const std::string& fileName)
{
    if (bufferSize == 0)
        return {};
    std::string result = defaultValue;
    if (auto file = IniFile::Load(fileName)) {
        if (const IniValue* v = file->Find(section, key))
            result = Unquote(v->value);
    }
    if (result.size() > bufferSize - 1)
        result.resize(bufferSize - 1);
    return result;
}

} // namespace platform
