#pragma once
// The simulator's command line.
#include <string>
#include <vector>

namespace sim {

struct Options {
    std::string listen = "127.0.0.1:161";
    std::string readCommunity = "quorin";
    std::string writeCommunity = "sabrent";
    std::string user, auth, authPass, priv, privPass;
    double restartSeconds = 5;
    int tftpPort = 69;
    int clients = -1;
    std::string profile;      // empty: the profile beside the executable
    std::string dataFolder = "trv4410-sim-files";
    std::vector<std::string> faults;
};

// Raises std::runtime_error with a usage text for bad options.
Options ParseOptions(int argc, char** argv);
std::string Usage();

} // namespace sim
