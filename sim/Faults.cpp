#include "sim/Faults.h"

#include <sstream>

namespace sim {
namespace {

bool OnOff(const std::string& word, bool& target)
{
    if (word == "on" || word == "1") {
        target = true;
        return true;
    }
    if (word == "off" || word == "0") {
        target = false;
        return true;
    }
    return false;
}

} // namespace

std::string Faults::Apply(const std::string& line)
{
    std::istringstream in(line);
    std::string command;
    in >> command;
    if (command.empty())
        return {};
    if (command == "error") {
        std::string oidText;
        int status = -1;
        in >> oidText >> status;
        const Oid id = ParseOid(oidText);
        if (id.empty() || status < 0 || status > 18)
            return "error: usage: error OID STATUS (0 to 18)";
        if (status == 0)
            errorStatus.erase(id);
        else
            errorStatus[id] = status;
        return "fault: " + oidText + " answers error status " + std::to_string(status);
    }
    if (command == "delay" || command == "drop") {
        int value = -1;
        in >> value;
        if (value < 0 || (command == "drop" && value > 100))
            return "error: usage: " + command + (command == "delay" ? " MS" : " PERCENT");
        (command == "delay" ? delayMs : dropPercent) = value;
        return "fault: " + command + " " + std::to_string(value);
    }
    if (command == "silent" || command == "repeat") {
        std::string word;
        in >> word;
        if (!OnOff(word, command == "silent" ? silent : repeat))
            return "error: usage: " + command + " on|off";
        return "fault: " + command + " " + word;
    }
    if (command == "restart") {
        restartNow = true;
        return "control: restart";
    }
    if (command == "clear") {
        *this = Faults{};
        return "fault: all cleared";
    }
    return "error: unknown command \"" + command + "\"";
}

} // namespace sim
