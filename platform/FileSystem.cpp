#include "platform/FileSystem.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "common/TextUtil.h"

namespace platform {
namespace fs = std::filesystem;

std::string ExecutableFolder()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    return exe.parent_path().string() + "/";
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ResolveIgnoringCase(const std::string& base, const std::string& relative)
{
    std::string current = base;
    std::stringstream parts(relative);
    std::string part;
    while (std::getline(parts, part, '/')) {
        if (part.empty())
            continue;
        const std::string folder = current.empty() ? "." : current;
        std::string chosen = part;
        std::error_code ec;
        if (!fs::exists(fs::path(folder) / part, ec)) {
            for (const auto& entry : fs::directory_iterator(folder, ec)) {
                const std::string name = entry.path().filename().string();
                if (zt::EqualsIgnoringCase(name, part)) {
                    chosen = name;
                    break;
                }
            }
        }
        if (!current.empty() && current.back() != '/')
            current += '/';
        current += chosen;
    }
    return current;
}

UserDataFolder PerUserDataFolder()
{
    if (const char* appData = std::getenv("APPDATA"); appData && *appData)
        return {appData, true};
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return {xdg, false};
    const char* home = std::getenv("HOME");
    return {std::string(home && *home ? home : "") + "/.local/share", false};
}

bool CreateFolder(const std::string& path, bool parents)
{
    std::error_code ec;
    if (parents)
        fs::create_directories(path, ec);
    else
        fs::create_directory(path, ec);
    return FolderExists(path);
}

} // namespace platform
