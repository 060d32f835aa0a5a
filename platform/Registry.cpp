#include "platform/Registry.h"

#include <cstdlib>
#include <fstream>

namespace platform {
namespace {

// Key paths are compared without their leading and trailing backslashes.
std::string NormaliseKey(const std::string& keyPath)
{
    std::size_t begin = keyPath.find_first_not_of('\\');
    if (begin == std::string::npos)
        return {};
    std::size_t end = keyPath.find_last_not_of('\\');
    return keyPath.substr(begin, end - begin + 1);
}

const IniSection* FindKey(const std::optional<IniFile>& file, const std::string& keyPath)
{
    if (!file)
        return nullptr;
    const std::string wanted = NormaliseKey(keyPath);
    if (const IniSection* s = file->FindSection(wanted))
        return s;
    return file->FindSection("\\" + wanted);
}

} // namespace

std::string RegistryFilePath()
{
    const char* path = std::getenv("TRV4410_REGISTRY");
    return (path && *path) ? path : "/etc/trv4410/registry.ini";
}

TRegistry::TRegistry(std::string filePath) : filePath_(std::move(filePath)) { Reload(); }

void TRegistry::Reload() { file_ = IniFile::Load(filePath_); }

bool TRegistry::KeyExists(const std::string& keyPath) const { return FindKey(file_, keyPath) != nullptr; }

bool TRegistry::OpenKey(const std::string& keyPath, bool canCreate)
{
    if (!KeyExists(keyPath)) {
        if (!canCreate || !AppendKey(keyPath))
            return false;
        Reload();
    }
    openKey_ = keyPath;
    isOpen_ = true;
    return true;
}

void TRegistry::CloseKey()
{
    openKey_.clear();
    isOpen_ = false;
}

bool TRegistry::ValueExists(const std::string& name) const
{
    const IniSection* key = isOpen_ ? FindKey(file_, openKey_) : nullptr;
    if (!key)
        return false;
    return file_->Find(key->name, name) != nullptr;
}

std::string TRegistry::ReadString(const std::string& name) const
{
    const IniSection* key = isOpen_ ? FindKey(file_, openKey_) : nullptr;
    if (!key)
        return {};
    const IniValue* value = file_->Find(key->name, name);
    return value ? value->value : std::string{};
}

bool TRegistry::AppendKey(const std::string& keyPath) const
{
    std::ofstream out(filePath_, std::ios::app);
    if (!out)
        return false;
    out << "\n[\\" << NormaliseKey(keyPath) << "]\n";
    out.flush();
    return static_cast<bool>(out);
}

} // namespace platform
