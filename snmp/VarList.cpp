#include "snmp/VarList.h"

namespace zt {

ZtSNMPVarList::ZtSNMPVarList(const ZtSNMPVarTableRecord* table, std::uint8_t listKind, std::int32_t keys)
    : keyCount(keys), kind(listKind)
{
    for (const ZtSNMPVarTableRecord* r = table; r && r->oid; ++r)
        entries_.push_back({r->oid, r->name ? r->name : "", r->syntax, r->access, r->options, {}, {}});
}

ZtSNMPVarList::ZtSNMPVarList(const ZtSNMPVarList& other) { Assign(other); }

ZtSNMPVarList& ZtSNMPVarList::Assign(const ZtSNMPVarList& other)
{
    if (this == &other)
        return *this;
    kind = other.kind;
    keyCount = other.keyCount;
    name = other.name;
    entries_ = other.entries_;
    return *this;
}

bool ZtSNMPVarList::IsImplied(int i) const { return Item(i).access & acc::Implied; }

bool ZtSNMPVarList::IsReadable(int i) const
{
    const auto a = Item(i).access;
    return !(a & acc::Skip) && (a & acc::Read);
}

bool ZtSNMPVarList::IsWritable(int i) const
{
    const auto a = Item(i).access;
    if (a & acc::Skip)
        return false;
    return (a & acc::Write) || (IsTableKind() && i < keyCount);
}

bool ZtSNMPVarList::IsVisibleColumn(int i) const
{
    const auto a = Item(i).access;
    return !(a & (acc::Skip | acc::Hidden)) && (a & (acc::Key | acc::Shown | acc::Read));
}

bool ZtSNMPVarList::IsHiddenColumn(int i) const
{
    const auto a = Item(i).access;
    return a == acc::Write || (a & (acc::Skip | acc::Hidden));
}

int ZtSNMPVarList::VisibleColumnCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsVisibleColumn(i) ? 1 : 0;
    return n;
}

int ZtSNMPVarList::HiddenColumnCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHiddenColumn(i) ? 1 : 0;
    return n;
}

} // namespace zt
