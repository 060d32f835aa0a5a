// Binding variable lists to controls, against the device simulator.
#include <gtest/gtest.h>

#include <QApplication>

#include "snmp/DeviceOid.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "snmp/controls/Request2Edits.h"
#include "tests/support/ManualEventLoop.h"
#include "tests/support/Processes.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/TempDir.h"
#include "vcl/CheckBox.h"
#include "vcl/ComboBox.h"
#include "vcl/Edit.h"
#include "vcl/Form.h"
#include "vcl/Label.h"
#include "vcl/ListBox.h"
#include "vcl/ListView.h"
#include "vcl/RadioGroup.h"
#include "vcl/StatusBar.h"
#include "vcl/core/Exception.h"

using namespace zt;
using testsupport::SimProcess;

namespace {

const ZtOptionList kIpFrom({{1, "Static IP(Manual)"}, {2, "Dynamic IP(DHCP)"}});
const ZtOptionList kBand({{0, "2.4GHz"}, {1, "5GHz"}});
const ZtOptionList kApMode({{1, "Access Point"}, {2, "WDS With Ap"}, {3, "WDS"}, {4, "Wireless Client"}, {5, "AP Repeater"}});
const ZtOptionList kEnable({{0, "Disable"}, {1, "Enable"}});

const ZtSNMPVarTableRecord kLanTable[] = {
    {ZT_DEVICE_OID("2.1.1.1.1.1.1"), "hGetIPFrom", syn::Integer, acc::ReadWrite, &kIpFrom},
    {ZT_DEVICE_OID("2.1.1.1.1.2.1"), "hIPAddress", syn::IpAddress, acc::ReadWrite},
    {ZT_DEVICE_OID("2.1.3.3.1.1.1.34.1"), "dot11Band", syn::Integer, acc::ReadWrite, &kBand},
    {ZT_DEVICE_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", syn::Integer, acc::ReadWrite, &kApMode},
    {ZT_DEVICE_OID("3.1.1.0"), "dhcpServerControl", syn::Integer, acc::ReadWrite, &kEnable},
    {ZT_DEVICE_OID("3.1.1.0"), "dhcpServerControl as Boolean", syn::Boolean, acc::ReadOnly},
    {ZT_DEVICE_OID("5.1.1.0"), "firmware", syn::DisplayString, acc::ReadOnly},
    kEndOfTable,
};

const ZtSNMPVarTableRecord kClientTable[] = {
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.1"), "Index", syn::Integer, acc::Key},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.2"), "MAC", syn::MacAddress, acc::ReadOnly},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.6"), "PSM", syn::Integer, acc::ReadOnly | acc::Hidden},
    {ZT_DEVICE_OID("2.1.3.3.4.2.1.7"), "SSID", syn::DisplayString, acc::ReadWrite},
    kEndOfTable,
};

// One control of each kind for the first five entries of the LAN table.
struct LanControls {
    explicit LanControls(vcl::TForm& form) : ipFrom(&form), address(&form), band(&form), apMode(&form), dhcp(&form) {}
    void BindTo(ZtSNMPRequest2Edits& b)
    {
        b.BindComboBox(0, ipFrom);
        b.BindFormat(1, "%s", address);
        b.Bind(2, band);
        b.BindComboBox(3, apMode);
        b.Bind(4, dhcp);
    }
    vcl::TComboBox ipFrom;
    vcl::TEdit address;
    vcl::TRadioGroup band;
    vcl::TComboBox apMode;
    vcl::TCheckBox dhcp;
};

class ControlBindingTest : public testing::Test {
protected:
    void Start(QStringList simArgs = {})
    {
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_NE(sim->Port(), 0);
        CreateSession(dir.Path(), loop);
        GlobalLaunchSettings().device.port = static_cast<std::uint16_t>(sim->Port());
        GlobalLaunchSettings().security.version = snmpcode::kVersion2c;
    }
    void TearDown() override
    {
        binding.reset();
        DestroySession();
    }
    ZtSNMPRequest2Edits& Make(const ZtSNMPVarTableRecord* table, std::uint8_t kind, int keys = 0)
    {
        binding = std::make_unique<ZtSNMPRequest2Edits>(&form);
        binding->request.varList = ZtSNMPVarList(table, kind, keys);
        binding->mode = 0;
        binding->request.timeout = 100;
        binding->request.retries = 0;
        binding->request.resultHandler = [this](const ZtSNMPError& e) { results.push_back(e.code); };
        return *binding;
    }

    testsupport::RecordingDialogs dialogs;
    testsupport::ManualEventLoop loop;
    testsupport::TempDir dir;
    std::unique_ptr<SimProcess> sim;
    vcl::TForm form;
    std::unique_ptr<ZtSNMPRequest2Edits> binding;
    std::vector<int> results;
};

TEST_F(ControlBindingTest, GetFillsEveryKindOfControl)
{
    Start();
    LanControls c(form);
    auto& [ipFrom, address, band, apMode, dhcp] = c;
    vcl::TCheckBox dhcpBoolean(&form);
    vcl::TLabel firmware(&form);
    auto& b = Make(kLanTable, listkind::Instance);
    c.BindTo(b);
    b.Bind(5, dhcpBoolean);
    b.Bind(6, firmware);
    EXPECT_EQ(ipFrom.Items(), (std::vector<std::string>{"Static IP(Manual)", "Dynamic IP(DHCP)"}));
    EXPECT_EQ(band.Items(), (std::vector<std::string>{"2.4GHz", "5GHz"}));
    EXPECT_TRUE(b.Get());
    EXPECT_EQ(ipFrom.ItemIndex(), 0);
    EXPECT_EQ(address.Text(), "127.0.0.1");
    EXPECT_EQ(band.ItemIndex(), 0);
    EXPECT_EQ(apMode.ItemIndex(), 0);
    EXPECT_FALSE(dhcp.Checked()) << "the option list's first item means unchecked";
    EXPECT_FALSE(dhcpBoolean.Checked());
    EXPECT_EQ(firmware.Caption(), "1.0.4 build 2026-11-02");
    EXPECT_EQ(results, std::vector<int>{0}) << "one success record";
    EXPECT_EQ(b.rows, 1);
    EXPECT_EQ(b.modified, 0);
}

TEST_F(ControlBindingTest, SetCollectsFromTheControlsAndTheDeviceHoldsThem)
{
    Start();
    LanControls c(form);
    auto& [ipFrom, address, band, apMode, dhcp] = c;
    auto& b = Make(kLanTable, listkind::Instance);
    c.BindTo(b);
    ASSERT_TRUE(b.Get());
    ipFrom.Pick(1);
    EXPECT_EQ(b.modified, 1);
    address.SetText("192.168.001.020");
    band.SetItemIndex(1);
    apMode.SetItemIndex(2);
    dhcp.SetChecked(true);
    EXPECT_TRUE(b.Set(false, true));
    EXPECT_EQ(b.request.varList.Item(1).value, "192.168.1.20") << "typed values come back normalised";

    LanControls read(form);
    auto check = std::make_unique<ZtSNMPRequest2Edits>(&form);
    check->request.varList = ZtSNMPVarList(kLanTable, listkind::Instance);
    check->mode = 0;
    read.BindTo(*check);
    ASSERT_TRUE(check->Get());
    EXPECT_EQ(read.ipFrom.Text(), "Dynamic IP(DHCP)");
    EXPECT_EQ(read.address.Text(), "192.168.1.20");
    EXPECT_EQ(read.band.ItemIndex(), 1);
    EXPECT_EQ(read.apMode.Text(), "WDS");
    EXPECT_TRUE(read.dhcp.Checked());
}

TEST_F(ControlBindingTest, FailedReadLeavesNullInEditsAndNoSelection)
{
    Start({"--fault", "silent on"});
    vcl::TComboBox ipFrom(&form);
    vcl::TEdit address(&form);
    vcl::TLabel firmware(&form);
    auto& b = Make(kLanTable, listkind::Instance);
    b.request.timeout = 20;
    b.BindComboBox(0, ipFrom);
    b.Bind(1, address);
    b.Bind(6, firmware);
    ipFrom.SetItemIndex(1);
    EXPECT_FALSE(b.Get());
    EXPECT_EQ(address.Text(), "(NULL)");
    EXPECT_EQ(ipFrom.ItemIndex(), -1);
    EXPECT_EQ(firmware.Caption(), "");
    EXPECT_EQ(results, std::vector<int>{-405});
}

TEST_F(ControlBindingTest, TableInAListViewEnablesControlsOnSelection)
{
    Start({"--clients", "3"});
    vcl::TListView list(&form);
    vcl::TEdit ssid(&form);
    vcl::TEdit mac(&form);
    auto& b = Make(kClientTable, listkind::Table, 1);
    b.Bind(3, ssid);
    b.Bind(1, mac);
    b.BindListView(list);
    ASSERT_TRUE(b.Get());
    EXPECT_EQ(b.rows, 3);
    ASSERT_EQ(list.ColumnCount(), 4);
    EXPECT_EQ(list.ColumnCaption(0), "PSM");
    EXPECT_EQ(list.ColumnWidth(0), 0) << "hidden columns come first, with no width";
    EXPECT_EQ(list.ColumnCaption(1), "Index");
    ASSERT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(list.Caption(1), "1");
    EXPECT_EQ(list.SubItems(1), (std::vector<std::string>{"2", "001122000002", "Guest"}));
    EXPECT_FALSE(ssid.Enabled());
    EXPECT_FALSE(mac.Enabled());

    list.SetSelected(1);
    EXPECT_TRUE(ssid.Enabled());
    EXPECT_EQ(ssid.Text(), "Guest");
    EXPECT_EQ(mac.Text(), "001122000002");
    EXPECT_EQ(b.request.varList.Item(0).value, "2");

    // A set on a table refreshes it, whatever the device said to the set.
    list.AddItem({"stale"});
    b.Set(true, true);
    EXPECT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(results.back(), 0) << "the refresh succeeded";
}

TEST_F(ControlBindingTest, NumberedRowsLeaveOutTheSkipText)
{
    Start({"--clients", "4"});
    const ZtSNMPVarTableRecord table[] = {
        {ZT_DEVICE_OID("2.1.3.3.4.2.1.1"), "Index", syn::Integer, acc::Key},
        {ZT_DEVICE_OID("2.1.3.3.4.2.1.6"), "PSM", syn::Integer, acc::ReadOnly},
        {ZT_DEVICE_OID("2.1.3.3.4.2.1.2"), "MAC", syn::MacAddress, acc::ReadOnly},
        kEndOfTable,
    };
    vcl::TListView list(&form);
    New_req2Edit numbered(&form);
    numbered.request.varList = ZtSNMPVarList(table, listkind::Table, 1);
    numbered.mode = 0;
    numbered.BindListView(list);
    numbered.rowNumber = 1;
    ASSERT_TRUE(numbered.Get());
    // PSM cycles 0, 1, 0, 1: the rows with 0 are left out.
    ASSERT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(list.Caption(0), "1");
    EXPECT_EQ(list.SubItems(0), (std::vector<std::string>{"1", "001122000002"}));
    EXPECT_EQ(list.Caption(1), "2");
    EXPECT_EQ(list.SubItems(1)[1], "001122000004");
}

TEST_F(ControlBindingTest, AsynchronousCyclesReportThroughDoneEvents)
{
    Start({"--clients", "2"});
    vcl::TListView list(&form);
    auto& b = Make(kClientTable, listkind::Table, 1);
    b.mode = 1;
    b.BindListView(list);
    std::optional<ZtSNMPError> done;
    b.OnGetDone = [&](ZtSNMPRequest2Controls&, const ZtSNMPError& e) { done = e; };
    EXPECT_TRUE(b.Get());
    EXPECT_EQ(b.busy, 1);
    for (int i = 0; i < 200 && !done; ++i) {
        GlobalSession()->EventProcessor().Tick();
        GlobalSession()->WaitForActivity(20);
    }
    ASSERT_TRUE(done);
    EXPECT_EQ(done->code, 0);
    EXPECT_EQ(b.busy, 0);
    EXPECT_EQ(list.ItemCount(), 2);
    EXPECT_EQ(b.rows, 2);
}

TEST_F(ControlBindingTest, StatusLinesFromTheTemplates)
{
    vcl::TStatusBar bar(&form);
    auto& b = Make(kLanTable, listkind::Instance);
    b.SetStatusTarget(&bar);
    b.ShowStatusLine("E");
    const std::string line = bar.SimpleText();
    EXPECT_EQ(line.rfind("Get: E. Receive at ", 0), 0u) << line;
    EXPECT_EQ(line.size(), std::string("Get: E. Receive at 10:20:30 AM.").size()) << line;

    b.request.varList.name = "LAN";
    b.statusKind = 1;
    b.ShowStatusLine("E");
    EXPECT_EQ(bar.SimpleText().rfind("Set: E Request:LAN. Receive at ", 0), 0u) << bar.SimpleText();

    vcl::TMemo memo(&form);
    b.SetStatusTarget(&memo);
    b.ShowStatusLine("first");
    b.ShowStatusLine("second");
    EXPECT_EQ(memo.Lines().size(), 2u);

    b.SetStatusTarget(std::monostate{});
    b.ShowStatusLine("boxed");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "boxed");
    EXPECT_EQ(dialogs.messages[0].title, "unit_tests");
}

TEST_F(ControlBindingTest, BindingErrorsAreRaised)
{
    auto& b = Make(kLanTable, listkind::Instance);
    vcl::TComboBox box(&form);
    try {
        b.BindComboBox(1, box); // an IpAddress has no option list
        FAIL();
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -520);
    }
    vcl::TListBox listBox(&form);
    b.Bind(1, listBox);
    b.request.varList.Item(1).value = "10.0.0.1";
    try {
        b.ValuesToControls(1);
        FAIL();
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -521);
        EXPECT_EQ(e.Message(), "(ZtSNMP++) Bad type of the associated visual control!");
    }
    vcl::TCheckBox check(&form);
    b.Bind(6, check); // a DisplayString without options in a check box
    b.request.varList.Item(6).value = "x";
    try {
        b.ValuesToControls(6);
        FAIL();
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.HelpContext(), -517);
    }
}

TEST_F(ControlBindingTest, UnknownValuesSelectNothing)
{
    auto& b = Make(kLanTable, listkind::Instance);
    vcl::TComboBox box(&form);
    b.BindComboBox(3, box);
    b.request.varList.Item(3).value = "9";
    b.ValuesToControls(3);
    EXPECT_EQ(box.ItemIndex(), -1);
    b.request.varList.Item(3).value = "WDS";
    b.ValuesToControls(3);
    EXPECT_EQ(box.ItemIndex(), 2);
}

} // namespace
