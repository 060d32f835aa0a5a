#include "snmp/BootCounter.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include <sys/stat.h>

#include "common/TextUtil.h"

namespace zt {
namespace {

struct Entry {
    std::string engineId;
    std::uint32_t boots = 0;
};

bool ParseLine(const std::string& line, Entry& entry)
{
    const auto tab = line.rfind('\t');
    if (tab == std::string::npos || tab == 0)
        return false;
    auto value = ParseDecimal(line.substr(tab + 1));
    if (!value || *value < 0)
        return false;
    entry.engineId = line.substr(0, tab);
    entry.boots = static_cast<std::uint32_t>(*value);
    return true;
}

int ReadEntries(const std::string& path, std::vector<Entry>& entries)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? bootcounter::kNoFile : bootcounter::kBadFile;
    std::ifstream in(path);
    if (!in)
        return bootcounter::kBadFile;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (TrimBlanks(line).empty())
            continue;
        Entry entry;
        if (!ParseLine(line, entry))
            return bootcounter::kBadFile;
        entries.push_back(entry);
    }
    return in.bad() ? bootcounter::kBadFile : bootcounter::kOk;
}

} // namespace

std::string BootCounterPath(const std::string& folder)
{
    const std::string name = "ZtSNMP_PP_BootCounter";
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

int GetBootCounter(const std::string& path, const std::string& engineId, std::uint32_t& counter)
{
    counter = 0;
    std::vector<Entry> entries;
    const int status = ReadEntries(path, entries);
    if (status != bootcounter::kOk)
        return status;
    for (const auto& e : entries) {
        if (e.engineId == engineId) {
            counter = e.boots;
            return bootcounter::kOk;
        }
    }
    return bootcounter::kNoEntry;
}

int SaveBootCounter(const std::string& path, const std::string& engineId, std::uint32_t counter)
{
    std::vector<Entry> entries;
    const int status = ReadEntries(path, entries);
    if (status == bootcounter::kBadFile)
        return bootcounter::kWriteFailed;
    bool found = false;
    for (auto& e : entries) {
        if (e.engineId == engineId) {
            e.boots = counter;
            found = true;
        }
    }
    if (!found)
        entries.push_back({engineId, counter});

    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& e : entries)
            out << e.engineId << '\t' << e.boots << '\n';
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return bootcounter::kWriteFailed;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return bootcounter::kWriteFailed;
    }
    return bootcounter::kOk;
}

} // namespace zt
