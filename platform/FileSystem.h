#pragma once
#include <string>

namespace platform {

// The folder of the running executable, ending in '/'.
std::string ExecutableFolder();

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// base followed by relative ('/'-separated), where each part of relative that
// does not exist as written is matched against its folder without regard to
// case. Parts that match nothing are kept as written.
std::string ResolveIgnoringCase(const std::string& base, const std::string& relative);

// The per-user data folder: $APPDATA when set, else $XDG_DATA_HOME, else
// ~/.local/share. The bool tells whether it came from APPDATA.
struct UserDataFolder {
    std::string path;
    bool fromAppData = false;
};
UserDataFolder PerUserDataFolder();

// Creates a folder; with parents also the folders above it. True when it exists afterwards.
bool CreateFolder(const std::string& path, bool parents);

} // namespace platform
