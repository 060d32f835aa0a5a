#include "common/ErrorCatalogue.h"

#include <array>
#include <cstdio>
#include <memory>

#include "common/BuiltInTexts.h"
#include "common/TextUtil.h"
#include "vcl/core/Exception.h"

namespace zt {
namespace {

constexpr std::size_t kTableCount = static_cast<std::size_t>(Catalogue::ZtTftp) + 1;

std::array<std::vector<std::string>, kTableCount>& Tables()
{
    static std::array<std::vector<std::string>, kTableCount> tables = [] {
        std::array<std::vector<std::string>, kTableCount> t;
        for (std::size_t i = 0; i < kTableCount; ++i)
            t[i] = BuiltInTexts(static_cast<Catalogue>(i));
        return t;
    }();
    return tables;
}

std::vector<std::string>& TableOf(Catalogue table)
{
    return Tables()[static_cast<std::size_t>(table)];
}

bool InRange(int code, int highest, int lowest) { return code <= highest && code >= lowest; }

// Lines are read as the catalogue files were always read: at most 1023
// characters at a time, each piece standing on its own.
std::vector<std::string> ReadNonBlankLines(std::FILE* file)
{
    std::vector<std::string> lines;
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, file)) {
        std::string line(buffer);
        if (TrimBlanks(line).empty())
            continue;
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
            line.resize(line.size() - 2);
        else if (!line.empty() && line.back() == '\n')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

int PositionOf(Catalogue table, int code)
{
    switch (table) {
    case Catalogue::Common: return InRange(code, 0, -18) ? -code : -1;
    case Catalogue::SnmpStatus: return InRange(code, -101, -118) ? -code - 101 : -1;
    case Catalogue::SnmpV3: return InRange(code, -201, -217) ? -code - 201 : -1;
    case Catalogue::SnmpUsm: return InRange(code, -301, -314) ? -code - 301 : -1;
    case Catalogue::SnmpClass: return InRange(code, -401, -423) ? -code - 401 : -1;
    case Catalogue::ZtSnmp:
        if (code == 0) return 0;
        return InRange(code, -501, -528) ? -code - 500 : -1;
    case Catalogue::StatusTemplates: return InRange(code, 1, 0) ? code : -1;
    case Catalogue::ZtTftp:
        if (InRange(code, 3, 0)) return 3 - code;
        return InRange(code, -1101, -1114) ? -1097 - code : -1;
    }
    return -1;
}

std::string ErrorText(Catalogue table, int code)
{
    const int position = PositionOf(table, code);
    const auto& texts = TableOf(table);
    if (position < 0 || static_cast<std::size_t>(position) >= texts.size())
        return {};
    return texts[static_cast<std::size_t>(position)];
}

bool LoadCatalogue(Catalogue table, const std::string& path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "r"), &std::fclose);
    if (!file)
        return false;
    std::vector<std::string> lines = ReadNonBlankLines(file.get());
    if (lines.empty())
        return false;
    auto& current = TableOf(table);
    for (std::size_t i = lines.size(); i < current.size(); ++i)
        lines.push_back(current[i]);
    current = std::move(lines);
    return true;
}

void ResetCatalogues()
{
    for (std::size_t i = 0; i < kTableCount; ++i)
        Tables()[i] = BuiltInTexts(static_cast<Catalogue>(i));
}

void RaiseError(Catalogue table, int code, const Placeholders& values)
{
    throw vcl::Exception(ExpandPlaceholders(ErrorText(table, code), values), code);
}

} // namespace zt
