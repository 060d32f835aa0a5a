#pragma once
// Error codes and their texts. Every module has a table of texts whose positions
// are fixed by the codes; a catalogue file can replace a table as a whole.
#include <string>
#include <vector>

#include "common/Placeholders.h"

namespace zt {

enum class Catalogue {
    Common,          // "common.err"    0, -1 .. -18
    SnmpStatus,      // "snmp.err"      -101 .. -118 (PDU error status 1 .. 18)
    SnmpV3,          // "snmpv3.err"    -201 .. -217
    SnmpUsm,         // "snmpusm.err"   -301 .. -314
    SnmpClass,       // "snmpclass.err" -401 .. -423
    ZtSnmp,          // "ztsnmp.err"    0, -501 .. -528
    StatusTemplates, // "snmp.msg"      0 get, 1 set
    ZtTftp,          // no file         3, 2, 1, 0, -1101 .. -1114
};

// Position of a code in its module's table, or -1 when the code is not the module's.
int PositionOf(Catalogue table, int code);

// The current text of a code; empty when the table has no entry at its position.
std::string ErrorText(Catalogue table, int code);

// Replaces a table from a catalogue file: one message per non-blank line, in
// position order. Positions the file does not reach keep their built-in texts.
// Returns false (and keeps the table) when the file cannot be read or has no
// non-blank line.
bool LoadCatalogue(Catalogue table, const std::string& path);

// Back to the built-in texts (start of a test).
void ResetCatalogues();

// Raises the code's text, placeholders filled, as an exception whose help context is the code.
[[noreturn]] void RaiseError(Catalogue table, int code, const Placeholders& values = {});

} // namespace zt
