#include <gtest/gtest.h>

#include "snmp/OptionList.h"
#include "snmp/VarList.h"

using namespace zt;

namespace {

const ZtOptionList kGetIPFrom({{1, "Static IP(Manual)"}, {2, "Dynamic IP(DHCP)"}});
const ZtOptionList kEnable({{0, "Disable"}, {1, "Enable"}});

TEST(ZtOptionList, LabelsAndValuesBothWays)
{
    EXPECT_EQ(kGetIPFrom.IndexOfLabel("Dynamic IP(DHCP)"), 1);
    EXPECT_EQ(kGetIPFrom.IndexOfLabel("dynamic ip(dhcp)"), 1); // static lists ignore case
    EXPECT_EQ(kGetIPFrom.IndexOfLabel("Dynamic"), -1);
    EXPECT_EQ(kGetIPFrom.IndexOfValue("2"), 1);
    EXPECT_EQ(kGetIPFrom.IndexOfValue("x"), -1);
    EXPECT_EQ(kEnable.IndexOfValue("(NULL)"), -1);           // even with an item of value 0
    EXPECT_EQ(kGetIPFrom.LabelOf("1"), "Static IP(Manual)");
    EXPECT_EQ(kGetIPFrom.LabelOf("9"), "9");                 // unknown values show as their number
    EXPECT_EQ(kGetIPFrom.LabelOf("(NULL)"), "(NULL)");
    EXPECT_EQ(kGetIPFrom.ValueOf("Dynamic IP(DHCP)"), "2");
    EXPECT_EQ(kGetIPFrom.ValueOf("7"), "7");
    EXPECT_EQ(kGetIPFrom.Labels(), (std::vector<std::string>{"Static IP(Manual)", "Dynamic IP(DHCP)"}));
}

TEST(ZtOptionList, SelectionByLabelOrValue)
{
    EXPECT_EQ(kGetIPFrom.SelectionIndex("2"), 1);
    EXPECT_EQ(kGetIPFrom.SelectionIndex("Dynamic IP(DHCP)"), 1);
    EXPECT_EQ(kGetIPFrom.SelectionIndex("7"), -1);
}

TEST(ZtOptionList, TextKindsAndCaseRules)
{
    const ZtOptionList whole(ZtOptionList::TextValues, {{"wpa", "WPA"}, {"wpa2", "WPA2"}}, true);
    EXPECT_EQ(whole.IndexOfValue("wpa2"), 1);
    EXPECT_EQ(whole.IndexOfValue("WPA2"), -1);               // case-sensitive list
    EXPECT_EQ(whole.LabelOf("wpa"), "WPA");
    EXPECT_EQ(whole.ValueOf("WPA2"), "wpa2");
    EXPECT_EQ(whole.ValueOf("wpa2"), "wpa2");                // no such label: unchanged

    const ZtOptionList prefixes(ZtOptionList::TextPrefixes, {{"eth", "Ethernet "}, {"wl", "Wireless "}});
    EXPECT_EQ(prefixes.IndexOfValue("wl0"), 1);
    EXPECT_EQ(prefixes.LabelOf("wl0"), "Wireless 0");
    EXPECT_EQ(prefixes.LabelOf("ETH1"), "Ethernet 1");       // not case-sensitive
    EXPECT_EQ(prefixes.ValueOf("Ethernet 2"), "eth2");
    EXPECT_EQ(prefixes.IndexOfLabel("Wireless 5"), 1);
    EXPECT_EQ(prefixes.LabelOf("lo"), "lo");
}

TEST(ZtOptionList, PairsEndAtANullLabel)
{
    const ZtOptionList list({{1, "a"}, {2, nullptr}, {3, "c"}});
    EXPECT_EQ(list.Count(), 1);
}

const ZtSNMPVarTableRecord kEmptyTable[] = {kEndOfTable};

const ZtSNMPVarTableRecord kClientTable[] = {
    {"5.1.1.1.1", "Index", syn::Integer, acc::Key},
    {"5.1.1.1.2", "MAC", syn::MacAddress, acc::ReadOnly},
    {"5.1.1.1.3", "Name", syn::DisplayString, acc::ReadWrite},
    {"5.1.1.1.4", "Secret", syn::DisplayString, acc::Write},
    {"5.1.1.1.5", "Unused", syn::Integer, acc::Skip},
    {"5.1.1.1.6", "Hidden", syn::Integer, acc::ReadWrite | acc::Hidden},
    {"5.1.1.1.7", "Shown", syn::Integer, acc::Shown},
    {"5.1.1.1.8", "Mode", syn::Integer, acc::ReadWrite, &kEnable},
    kEndOfTable,
};

TEST(ZtSNMPVarList, CopiesTheTableUpToItsTerminator)
{
    const ZtSNMPVarList empty(kEmptyTable, listkind::Scalar);
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(ZtSNMPVarList(nullptr, listkind::Scalar).Count(), 0);

    const ZtSNMPVarList list(kClientTable, listkind::Table, 1);
    ASSERT_EQ(list.Count(), 8);
    EXPECT_EQ(list.Item(7).oid, "5.1.1.1.8");
    EXPECT_EQ(list.Item(7).name, "Mode");
    EXPECT_EQ(list.Item(7).options, &kEnable);
    EXPECT_EQ(list.Item(7).value, "");
    EXPECT_EQ(list.keyCount, 1);
    EXPECT_EQ(list.kind, listkind::Table);
}

TEST(ZtSNMPVarList, AccessTests)
{
    struct Row {
        bool readable, writable, visible, hidden;
    };
    const Row expected[] = {
        {false, true, true, false},   // key of a table list: writable, visible
        {true, false, true, false},   // read-only
        {true, true, true, false},    // read-write
        {false, true, false, true},   // write only: a hidden column
        {false, false, false, true},  // skip: nothing but a hidden column
        {true, true, false, true},    // hidden
        {false, false, true, false},  // shown though not readable
        {true, true, true, false},
    };
    const ZtSNMPVarList table(kClientTable, listkind::EditableTable, 1);
    for (int i = 0; i < table.Count(); ++i) {
        SCOPED_TRACE(table.Item(i).name);
        EXPECT_EQ(table.IsReadable(i), expected[i].readable);
        EXPECT_EQ(table.IsWritable(i), expected[i].writable);
        EXPECT_EQ(table.IsVisibleColumn(i), expected[i].visible);
        EXPECT_EQ(table.IsHiddenColumn(i), expected[i].hidden);
    }
    EXPECT_EQ(table.VisibleColumnCount(), 5);
    EXPECT_EQ(table.HiddenColumnCount(), 3);

    // Outside a table kind a key entry is not written.
    const ZtSNMPVarList scalar(kClientTable, listkind::Instance, 1);
    EXPECT_FALSE(scalar.IsWritable(0));
}

TEST(ZtSNMPVarList, AssignKeepsValuesButNotTheInstance)
{
    ZtSNMPVarList source(kClientTable, listkind::Table, 1);
    source.Item(2).value = "alice";
    source.Item(2).lastOid = "5.1.1.1.3.7";
    source.Item(4).access = acc::ReadWrite;
    source.name = "Clients";
    source.instance = "7";

    ZtSNMPVarList target;
    target.instance = "3";
    target.Assign(source);
    EXPECT_EQ(target.Item(2).value, "alice");
    EXPECT_EQ(target.Item(2).lastOid, "5.1.1.1.3.7");
    EXPECT_EQ(target.Item(4).access, acc::ReadWrite);
    EXPECT_EQ(target.name, "Clients");
    EXPECT_EQ(target.instance, "3");

    const ZtSNMPVarList copy(source);
    EXPECT_EQ(copy.instance, "");
    EXPECT_EQ(copy.Item(2).value, "alice");

    target.Assign(ZtSNMPVarList(kClientTable, listkind::Table, 1));
    EXPECT_EQ(target.Item(2).value, "");
    EXPECT_EQ(target.Item(2).lastOid, "");
}

} // namespace
