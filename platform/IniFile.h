#pragma once
// A parsed INI-style file: sections of name=value lines, in file order.
// Names of sections and values are matched without regard to case; the
// first of duplicates wins, as the system's profile functions do.
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct IniValue {
    std::string name;
    std::string value;
};

struct IniSection {
    std::string name;
    std::vector<IniValue> values;
};

class IniFile {
public:
    // nullopt when the file cannot be read.
    static std::optional<IniFile> Load(const std::string& path);
    static IniFile Parse(const std::string& text);

    const IniSection* FindSection(const std::string& name) const;
    const IniValue* Find(const std::string& section, const std::string& name) const;

private:
    std::vector<IniSection> sections_;
};

} // namespace platform
