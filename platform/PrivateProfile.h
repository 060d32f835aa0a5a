#pragma once
#include <cstddef>
#include <string>

namespace platform {

// Reads a value from an INI-style file the way the system's profile reader
// does: blanks around the value and one pair of enclosing quotes removed, at
// most bufferSize - 1 characters; the default when the file, section or key is
// missing.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::size_t bufferSize,
                                    const std::string& fileName);

} // namespace platform
