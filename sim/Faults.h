#pragma once
// Faults a test can switch on, at start (--fault) or while the simulator runs
// (a line on standard input):
//   error OID STATUS   answer requests for OID with that error status (STATUS 0 clears)
//   delay MS           answer every request MS milliseconds late (0: at once)
//   drop PERCENT       drop that share of the requests
//   silent on|off      answer nothing at all
//   repeat on|off      get-next answers repeat the requested OID: a walk makes no progress
//   restart            restart now, as deviceRestart = 1 does
//   clear              every fault off
#include <map>
#include <string>

#include "sim/WireValue.h"

namespace sim {

struct Faults {
    std::map<Oid, int> errorStatus;
    int delayMs = 0;
    int dropPercent = 0;
    bool silent = false;
    bool repeat = false;
    bool restartNow = false;

    // Applies one command; returns a line to log, or an error text starting with "error:".
    std::string Apply(const std::string& line);
};

} // namespace sim
