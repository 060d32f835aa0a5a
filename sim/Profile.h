#pragma once
// The device profile: every object the simulated access point has, read from
// a JSON file.
#include <optional>
#include <string>
#include <vector>

#include "sim/WireValue.h"

namespace sim {

enum class Access { ReadOnly, ReadWrite };

// What writing an object sets off besides storing the value.
enum class Action { None, Command, Apply, Discard, Restart, Factory, ApMode, TftpCommand, TftpStep };

struct ObjectSpec {
    std::string name;
    Oid oid;                      // full instance OID
    u_char type = ASN_INTEGER;
    std::size_t minSize = 0;      // octet strings
    std::size_t maxSize = 65535;
    Access access = Access::ReadOnly;
    WireValue factory;
    std::vector<long> allowed;    // empty: any integer
    Action action = Action::None;
    bool immediate = false;       // takes effect at once instead of waiting for apply
    bool uptime = false;          // the time since the (re)start
    std::string statusObject;     // ApMode: the object that reads "changed" afterwards
};

struct ColumnSpec {
    std::string name;
    unsigned column = 0;
    std::string type;
    std::string generate;
};

struct TableSpec {
    std::string name;
    Oid entry;
    std::vector<ColumnSpec> columns;
    int rows = 0;
};

struct Profile {
    std::string device;
    Oid root;
    std::vector<ObjectSpec> objects;
    std::vector<TableSpec> tables;
};

// Raises std::runtime_error with the file and what is wrong in it.
Profile LoadProfile(const std::string& path);

// A value of a profile type from its JSON-style text ("hex:00ff" for raw octets).
WireValue ValueOfType(const std::string& type, const std::string& text, u_char& asnType, std::size_t& minSize,
                      std::size_t& maxSize);

} // namespace sim
