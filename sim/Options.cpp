#include "sim/Options.h"

#include <stdexcept>

namespace sim {
namespace {

double Number(const std::string& option, const std::string& text, double low, double high)
{
    std::size_t used = 0;
    double value = 0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high)
        throw std::runtime_error(option + " wants a number from " + std::to_string(static_cast<long>(low)) + " to " +
                                 std::to_string(static_cast<long>(high)) + ", not \"" + text + "\"");
    return value;
}

} // namespace

std::string Usage()
{
    return "usage: trv4410-sim [--listen ADDR:PORT] [--read-community C] [--write-community C]\n"
           "                   [--user NAME [--auth MD5|SHA --auth-pass P [--priv DES|AES --priv-pass P]]]\n"
           "                   [--restart-seconds N] [--tftp-port N] [--clients N] [--profile FILE]\n"
           "                   [--data-dir DIR] [--fault \"COMMAND\"]...\n";
}

Options ParseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h")
            throw std::runtime_error(Usage());
        if (i + 1 >= argc)
            throw std::runtime_error(option + " wants a value\n" + Usage());
        const std::string value = argv[++i];
        if (option == "--listen") o.listen = value;
        else if (option == "--read-community") o.readCommunity = value;
        else if (option == "--write-community") o.writeCommunity = value;
        else if (option == "--user") o.user = value;
        else if (option == "--auth") o.auth = value;
        else if (option == "--auth-pass") o.authPass = value;
        else if (option == "--priv") o.priv = value;
        else if (option == "--priv-pass") o.privPass = value;
        else if (option == "--restart-seconds") o.restartSeconds = Number(option, value, 0, 3600);
        else if (option == "--tftp-port") o.tftpPort = static_cast<int>(Number(option, value, 1, 65535));
        else if (option == "--clients") o.clients = static_cast<int>(Number(option, value, 0, 100000));
        else if (option == "--profile") o.profile = value;
        else if (option == "--data-dir") o.dataFolder = value;
        else if (option == "--fault") o.faults.push_back(value);
        else throw std::runtime_error("unknown option " + option + "\n" + Usage());
    }
    if (!o.auth.empty() && o.auth != "MD5" && o.auth != "SHA")
        throw std::runtime_error("--auth is MD5 or SHA");
    if (!o.priv.empty() && o.priv != "DES" && o.priv != "AES")
        throw std::runtime_error("--priv is DES or AES");
    if (!o.priv.empty() && o.auth.empty())
        throw std::runtime_error("--priv needs --auth");
    if ((!o.auth.empty() && o.authPass.size() < 8) || (!o.priv.empty() && o.privPass.size() < 8))
        throw std::runtime_error("pass phrases are at least 8 characters");
    if ((!o.auth.empty() || !o.priv.empty()) && o.user.empty())
        throw std::runtime_error("--auth and --priv need --user");
    return o;
}

} // namespace sim
