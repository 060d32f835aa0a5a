#pragma once
// The machine's registry keys, read from a registry file: an INI-style file
// with one section per key path ("[\SOFTWARE\Norvane\Modules\HelpPath]") and
// the key's value names as keys. The file is named by TRV4410_REGISTRY, by
// default /etc/trv4410/registry.ini.
#include <optional>
#include <string>

#include "platform/IniFile.h"

namespace platform {

std::string RegistryFilePath();

class TRegistry {
public:
    explicit TRegistry(std::string filePath = RegistryFilePath());

    bool KeyExists(const std::string& keyPath) const;
    // Opens a key; with canCreate a missing key is added to the file when the
    // file (or its folder) is writable. Returns whether the key is open.
    bool OpenKey(const std::string& keyPath, bool canCreate);
    void CloseKey();
    bool ValueExists(const std::string& name) const;
    // The value of the open key, or the empty text.
    std::string ReadString(const std::string& name) const;

private:
    void Reload();
    bool AppendKey(const std::string& keyPath) const;

    std::string filePath_;
    std::optional<IniFile> file_;
    std::string openKey_;
    bool isOpen_ = false;
};

} // namespace platform
