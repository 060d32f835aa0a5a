#include "platform/IniFile.h"

#include <fstream>
#include <sstream>

#include "common/TextUtil.h"

namespace platform {

using zt::EqualsIgnoringCase;
using zt::TrimBlanks;

std::optional<IniFile> IniFile::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str());
}

IniFile IniFile::Parse(const std::string& text)
{
    IniFile file;
    IniSection* current = nullptr;
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        const std::string line = TrimBlanks(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            const std::string name = TrimBlanks(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            file.sections_.push_back({name, {}});
            current = &file.sections_.back();
            continue;
        }
        const auto equals = line.find('=');
        if (!current || equals == std::string::npos)
            continue;
        current->values.push_back({TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))});
    }
    return file;
}

const IniSection* IniFile::FindSection(const std::string& name) const
{
    for (const auto& section : sections_) {
        if (EqualsIgnoringCase(section.name, name))
            return &section;
    }
    return nullptr;
}

const IniValue* IniFile::Find(const std::string& section, const std::string& name) const
{
    for (const auto& s : sections_) {
        if (!EqualsIgnoringCase(s.name, section))
            continue;
        for (const auto& v : s.values) {
            if (EqualsIgnoringCase(v.name, name))
                return &v;
        }
    }
    return nullptr;
}

} // namespace platform
