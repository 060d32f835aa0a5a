#pragma once
// Variable tables (constant, one per group of device objects) and the
// variable lists that requests build from them.
//
// A page declares a table as
//   const ZtSNMPVarTableRecord kLanAddressTable[] = {
//       {"2.1.1.1.1.2.1", "hIPAddress", syn::IpAddress, acc::ReadWrite},
//       {"2.1.1.1.1.3.1", "hSubnetMask", syn::IpAddress, acc::ReadWrite},
//       kEndOfTable,
//   };
#include <cstdint>
#include <string>
#include <vector>

#include "snmp/OptionList.h"
#include "snmp/Syntax.h"

namespace zt {

struct ZtSNMPVarTableRecord {
    const char* oid;                        // relative to the device root, or a full MIB-II OID
    const char* name = nullptr;             // MIB name, also the list-view column caption
    std::uint32_t syntax = 0;
    std::uint32_t access = 0;
    const ZtOptionList* options = nullptr;
};

inline constexpr ZtSNMPVarTableRecord kEndOfTable{nullptr};

struct ZtSNMPVarEntry {
    std::string oid;
    std::string name;
    std::uint32_t syntax = 0;
    std::uint32_t access = 0;
    const ZtOptionList* options = nullptr;  // shared, never owned
    std::string value;                      // display form: the label when there are options
    std::string lastOid;                    // OID of the last response
};

class ZtSNMPVarList {
public:
    ZtSNMPVarList() = default;
    // Copies every record up to the terminator; a null table gives an empty list.
    ZtSNMPVarList(const ZtSNMPVarTableRecord* table, std::uint8_t kind, std::int32_t keyCount = 0);
    // Copies kind, key count, name and entries (values and last OIDs too), not the instance.
    ZtSNMPVarList(const ZtSNMPVarList& other);
    ZtSNMPVarList& operator=(const ZtSNMPVarList& other) { return Assign(other); }
    ZtSNMPVarList& Assign(const ZtSNMPVarList& other);

    int Count() const { return static_cast<int>(entries_.size()); }
    ZtSNMPVarEntry& Item(int i) { return entries_.at(static_cast<std::size_t>(i)); }
    const ZtSNMPVarEntry& Item(int i) const { return entries_.at(static_cast<std::size_t>(i)); }

    bool IsTableKind() const { return kind == listkind::Table || kind == listkind::EditableTable; }
    bool IsImplied(int i) const;
    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsVisibleColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    int VisibleColumnCount() const;
    int HiddenColumnCount() const;

    std::string instance;   // not empty: every OID built becomes oid + "." + instance
    std::int32_t keyCount = 0;
    std::uint8_t kind = listkind::Scalar;   // a kind above 3 is refused by the requests (-515)
    std::string name;       // fills "[VARLIST]" of the status lines

private:
    std::vector<ZtSNMPVarEntry> entries_;
};

} // namespace zt
