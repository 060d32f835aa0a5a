#include "snmp/StatusLine.h"

#include <ctime>

#include "common/ErrorCatalogue.h"

namespace zt {
namespace {

std::string TimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%I:%M:%S %p", &local);
    return text;
}

} // namespace

std::string StatusLine(int kind, const std::string& errorText, const std::string& listName)
{
    std::string line = ErrorText(Catalogue::StatusTemplates, kind);
    const auto error = line.find("[ERROR]");
    const auto list = line.find("[VARLIST]");
    if (listName.empty() && error != std::string::npos && list != std::string::npos && list > error)
        line.erase(error + 7, list + 9 - (error + 7));
    return ExpandPlaceholders(line, {{"[VARLIST]", listName}, {"[ERROR]", errorText}, {"[TIME]", TimeNow()}});
}

} // namespace zt
