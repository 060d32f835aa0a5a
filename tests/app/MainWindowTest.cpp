// The main window, its lamps, menu rule and commit, the LAN page, the waiting
// window and System Settings, against the device simulator. Timers are driven
// by calling their handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QThread>

#include <sstream>

#include <chrono>
#include <functional>

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/SystemForm.h"
#include "app/shell/WaitingForm.h"
#include "pages/network/LanCfg.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "tests/support/Processes.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/TempDir.h"
#include "vcl/Application.h"

using testsupport::RunTool;
using testsupport::SimProcess;

namespace {

const QString kRoot = "1.3.6.1.4.1.48621.10.37.38";

class MainWindowTest : public testing::Test {
protected:
    void Start(QStringList simArgs = {})
    {
        sim = std::make_unique<SimProcess>(simArgs + QStringList{"--restart-seconds", "1"});
        ASSERT_NE(sim->Port(), 0);
        zt::CreateSession(dir.Path(), vcl::Application->EventLoop());
        zt::GlobalLaunchSettings().device.port = static_cast<std::uint16_t>(sim->Port());
        zt::GlobalLaunchSettings().security.version = zt::snmpcode::kVersion2c;
    }
    void TearDown() override
    {
        form.reset();
        zt::DestroySession();
    }
    void Set(const QString& oid, const QString& type, const QString& value)
    {
        ASSERT_EQ(RunTool("snmpset", {"-v2c", "-c", "sabrent", sim->Agent(), oid, type, value}).exitCode, 0);
    }
    app::TMainForm& Form()
    {
        form = std::make_unique<app::TMainForm>(*vcl::Application);
        form->StopTimersForTests();
        form->StartTalking();
        return *form;
    }
    // Lets asynchronous answers arrive until the condition holds.
    static bool Pump(const std::function<bool()>& done, int maxMs = 5000)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            zt::GlobalSession()->EventProcessor().Tick();
            zt::GlobalSession()->WaitForActivity(20);
        }
        return true;
    }
    std::string SetLines()
    {
        std::string lines;
        std::istringstream log(sim->Log());
        std::string line;
        while (std::getline(log, line)) {
            if (line.find(": SET ") != std::string::npos)
                lines += line.substr(line.find("SET ")) + "\n";
        }
        return lines;
    }

    testsupport::RecordingDialogs dialogs;
    testsupport::TempDir dir;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<app::TMainForm> form;
};

TEST_F(MainWindowTest, LampsFollowTheDevice)
{
    Start();
    auto& w = Form();
    ASSERT_TRUE(Pump([&] { return w.Online(); }));
    EXPECT_EQ(w.StatusText().rfind("Get: (ZtSNMP++) Ok!. Receive at ", 0), 0u) << w.StatusText();
    EXPECT_EQ(w.LED_Power.BrushColor(), vcl::clLime);
    ASSERT_TRUE(Pump([&] { return w.CB_Led2dot4G.ItemIndex() == 1 && !w.IPAddressEdit.Text().empty(); }));

    // The AP lamp: lime for four ticks, black for one; the 2.4 GHz lamp blinks.
    std::string ap, radio;
    for (int i = 0; i < 10; ++i) {
        w.LedBlinkTimer();
        ap += w.LED_APstatus.BrushColor() == vcl::clLime ? 'L' : '.';
        radio += w.LED_24GLan.BrushColor() == vcl::clLime ? 'L' : '.';
    }
    EXPECT_EQ(ap, "LLLL.LLLL.");
    EXPECT_TRUE(radio == "L.L.L.L.L." || radio == ".L.L.L.L.L") << radio;
    EXPECT_TRUE(w.LED_24GLan.Visible());
    EXPECT_FALSE(w.LED_5GLan.Visible()) << "wirelessLed5G is never read";

    // A device that fails the probe: every lamp black, and they stop changing.
    sim->Control("error 1.3.6.1.2.1.1.1.0 5");
    QThread::msleep(100);
    w.LedStatusTimer();
    ASSERT_TRUE(Pump([&] { return !w.Online(); }));
    EXPECT_EQ(w.StatusText(), "(SNMP) Cannot perform operation, General Error!");
    for (vcl::TShape* lamp : {&w.LED_Power, &w.LED_24GLan, &w.LED_APstatus, &w.LED_5GLan})
        EXPECT_EQ(lamp->BrushColor(), vcl::clBlack);
    w.LedBlinkTimer();
    EXPECT_EQ(w.LED_Power.BrushColor(), vcl::clBlack);
}

// A device that stops answering: the probe times out (30 s, one retry) and
// every lamp goes black.
TEST_F(MainWindowTest, DeviceThatStopsAnsweringDarkensTheLamps)
{
    Start();
    auto& w = Form();
    ASSERT_TRUE(Pump([&] { return w.Online(); }));
    w.LedBlinkTimer();
    EXPECT_EQ(w.LED_Power.BrushColor(), vcl::clLime);
    sim->Control("silent on");
    w.LedStatusTimer();
    ASSERT_TRUE(Pump([&] { return !w.Online(); }, 70000));
    EXPECT_EQ(w.StatusText(), "(SNMPClass) SNMP request timed out!");
    for (vcl::TShape* lamp : {&w.LED_Power, &w.LED_24GLan, &w.LED_APstatus, &w.LED_5GLan})
        EXPECT_EQ(lamp->BrushColor(), vcl::clBlack);
    EXPECT_TRUE(w.LedStatus.Enabled()) << "the next probe is armed";
}

TEST_F(MainWindowTest, RadioLampsGoDarkWhenTheAddressIsLost)
{
    Start();
    auto& w = Form();
    ASSERT_TRUE(Pump([&] { return w.Online() && w.CB_Led2dot4G.ItemIndex() == 1; }));
    w.IPAddressEdit.SetText("");
    w.LedBlinkTimer();
    EXPECT_FALSE(w.LED_24GLan.Visible());
    // Every seventh refresh clears the address fields first.
    for (int i = 0; i < 7; ++i)
        w.Timer1Timer();
    w.IPAddressEdit.SetText("10.0.0.1");
    w.Timer1Timer();
    EXPECT_EQ(w.IPAddressEdit.Text(), "") << "cleared on the eighth tick";
}

TEST_F(MainWindowTest, ArpMenuRuleFollowsTheApMode)
{
    const std::pair<const char*, bool> modes[] = {{"1", true}, {"2", true}, {"3", true}, {"4", false}, {"5", false}};
    for (const auto& [mode, shown] : modes) {
        SCOPED_TRACE(mode);
        Start();
        Set(kRoot + ".2.1.3.3.1.1.1.28.1", "i", mode);
        auto& w = Form();
        EXPECT_EQ(w.ARPSpoofingPreventionSettings1->Visible(), shown);
        form.reset();
        zt::DestroySession();
    }
    Start({"--fault", "error " + kRoot + ".2.1.3.3.1.1.1.28.1 5"});
    EXPECT_TRUE(Form().ARPSpoofingPreventionSettings1->Visible()) << "shown when the mode cannot be read";
}

TEST_F(MainWindowTest, MenuOffersOnlyTheBuiltPages)
{
    Start();
    auto& w = Form();
    EXPECT_TRUE(w.MainMenu.Find({"Home", "LAN"})->Enabled());
    EXPECT_FALSE(w.MainMenu.Find({"Home", "Wireless"})->Enabled());
    EXPECT_FALSE(w.MainMenu.Find({"Advanced", "Traffic Control"})->Visible());
    EXPECT_TRUE(w.MainMenu.Find({"Configuration", "Save and Activate"})->Enabled());
}

TEST_F(MainWindowTest, SaveAndActivateSendsOneSetAndWaitsForTheDevice)
{
    Start();
    auto& w = Form();
    ASSERT_TRUE(Pump([&] { return w.Online() && w.CB_Led2dot4G.ItemIndex() == 1; }));
    int ticks = 0;
    dialogs.onModal = [&](vcl::TForm& shown) {
        auto& waiting = dynamic_cast<app::TFM_Waiting&>(shown);
        EXPECT_EQ(waiting.countdown, 40);
        EXPECT_EQ(waiting.Label2.Caption(), "The device is activate...");
        EXPECT_EQ(waiting.Label3.Caption(), "Please DO NOT POWER OFF the device");
        // The main window's timers go on under the waiting window.
        while (waiting.Visible() || ticks == 0) {
            if (++ticks > 200)
                break;
            w.LedStatusTimer();
            Pump([&] { return false; }, 50);
            w.LedBlinkTimer();
            waiting.Timer1Timer();
        }
    };
    w.SaveandActivate1Click();
    EXPECT_EQ(dialogs.modalShows, 1);
    EXPECT_LT(ticks, 200) << "the window closed once the lamp came back";
    EXPECT_EQ(SetLines(), "SET deviceSettingApply = INTEGER 1, deviceSettingDiscard = INTEGER 0, "
                          "deviceRestart = INTEGER 0\n");
    EXPECT_NE(sim->Log().find("state: restarting (apply)"), std::string::npos);
}

TEST_F(MainWindowTest, DiscardChangesSendsOneSet)
{
    Start();
    auto& w = Form();
    dialogs.onModal = [&](vcl::TForm& shown) {
        auto& waiting = dynamic_cast<app::TFM_Waiting&>(shown);
        EXPECT_EQ(waiting.countdown, 50);
        EXPECT_FALSE(waiting.sendRestart);
    };
    w.DiscardChanges1Click();
    EXPECT_EQ(SetLines(), "SET deviceSettingApply = INTEGER 0, deviceSettingDiscard = INTEGER 1, "
                          "deviceRestart = INTEGER 0\n");
}

TEST(WaitingWindow, GivesUpAfterSixTicksAtOneAndRefusesToCloseWhileCounting)
{
    testsupport::RecordingDialogs dialogs;
    bool lime = false;
    app::TFM_Waiting waiting(nullptr, [&] { return lime; });
    waiting.countdown = 3;
    waiting.sendRestart = false;
    waiting.Show();
    waiting.Close();
    EXPECT_TRUE(waiting.Visible()) << "the countdown is still running";
    std::vector<int> shown;
    int ticks = 0;
    while (waiting.Visible() && ticks < 20) {
        waiting.Timer1Timer();
        shown.push_back(waiting.countdown);
        ++ticks;
    }
    EXPECT_EQ(ticks, 8) << "two ticks down to 1, then six at 1";
    EXPECT_EQ(waiting.waitTicks, 6);

    app::TFM_Waiting back(nullptr, [&] { return lime; });
    back.countdown = 2;
    back.sendRestart = false;
    back.Show();
    back.Timer1Timer();
    back.Timer1Timer();
    EXPECT_TRUE(back.Visible()) << "at 1 until the lamp is lime";
    lime = true;
    back.Timer1Timer();
    EXPECT_FALSE(back.Visible());
}

TEST_F(MainWindowTest, WaitingWindowSendsTheRestartOnceOnTheSecondTick)
{
    Start();
    app::TFM_Waiting waiting(nullptr, [] { return false; });
    waiting.FormCreate();
    EXPECT_EQ(waiting.Ed_FwVer.Text(), "1.0.4 build 2026-11-02");
    EXPECT_EQ(waiting.countdown, 25);
    for (int i = 0; i < 4; ++i)
        waiting.Timer1Timer();
    EXPECT_EQ(SetLines(), "SET tftpUpgradeSettingCommand = INTEGER 4\n");
}

TEST_F(MainWindowTest, RestartAnsweredWithCancelSendsNothing)
{
    Start();
    app::TFM_Sytem page(nullptr, [] { return true; });
    page.FormCreate();
    dialogs.answers = {vcl::mrCancel};
    page.Button1Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Device will reboot, continue?");
    EXPECT_EQ(dialogs.messages[0].title, "Warning");
    EXPECT_EQ(dialogs.modalShows, 0);
    EXPECT_EQ(SetLines(), "");

    dialogs.answers = {vcl::mrOk};
    dialogs.onModal = [](vcl::TForm& shown) {
        EXPECT_EQ(shown.Caption(), "System is rebooting, please waiting.....");
    };
    page.Button1Click();
    EXPECT_EQ(SetLines(), "SET deviceRestart = INTEGER 1\n");
    EXPECT_EQ(app::SslKeyRebootPending, 2);
}

// The LAN page.
class LanPageTest : public MainWindowTest {
protected:
    pages::TFM_LanCfg& Page()
    {
        page = std::make_unique<pages::TFM_LanCfg>(nullptr);
        page->FormCreate();
        return *page;
    }
    void TearDown() override
    {
        page.reset();
        MainWindowTest::TearDown();
    }
    std::unique_ptr<pages::TFM_LanCfg> page;
};

TEST_F(LanPageTest, ReadsTheDevice)
{
    Start();
    auto& p = Page();
    EXPECT_EQ(p.CB_IPFrom.ItemIndex(), 0);
    EXPECT_EQ(p.ED_IpAddr.Text(), "127.0.0.1");
    EXPECT_EQ(p.ED_SubMask.Text(), "255.0.0.0");
    EXPECT_EQ(p.ED_DefGw.Text(), "127.0.0.254");
    EXPECT_EQ(p.savedMode, 0);
    EXPECT_TRUE(p.ED_IpAddr.Visible());
}

TEST_F(LanPageTest, ChecksWhatTheUserTyped)
{
    Start();
    struct Case {
        const char* address;
        const char* mask;
        const char* gateway;
        const char* message;
        vcl::TEdit pages::TFM_LanCfg::*emptied;
    };
    const Case cases[] = {
        {"127.0.0.2", "255.255.255.0", "", "Please input valid IP Address.", &pages::TFM_LanCfg::ED_IpAddr},
        {"192.168.0.60", "255.255.255.255", "", "Please input valid Subnet Mask.", &pages::TFM_LanCfg::ED_SubMask},
        {"192.168.0.1", "192.0.0.0", "", "Please input valid IP Address.", &pages::TFM_LanCfg::ED_IpAddr},
        {"10.0.0.0", "255.0.0.0", "", "Please input valid IP Address.", &pages::TFM_LanCfg::ED_IpAddr},
        {"192.168.0.60", "255.255.255.0", "300.1.1.1", "Invalid gateway address !", &pages::TFM_LanCfg::ED_DefGw},
    };
    auto& p = Page();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        dialogs.messages.clear();
        p.ED_IpAddr.SetText(c.address);
        p.ED_SubMask.SetText(c.mask);
        p.ED_DefGw.SetText(c.gateway);
        p.BT_LanCfgOkClick();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].title, "Warning");
        EXPECT_EQ((p.*c.emptied).Text(), "");
    }
    EXPECT_EQ(SetLines(), "") << "nothing written";
}

TEST_F(LanPageTest, StaticSaveWithAnEmptyGatewayWritesZeros)
{
    Start();
    auto& p = Page();
    p.ED_IpAddr.SetText("192.168.0.60");
    p.ED_SubMask.SetText("255.255.255.0");
    p.ED_DefGw.SetText("");
    p.BT_LanCfgOkClick();
    EXPECT_EQ(p.StatusBar.Panel(0).Text(), "Set OK!");
    EXPECT_EQ(p.ED_DefGw.Text(), "");
    EXPECT_EQ(SetLines(), "SET hIPAddress = IpAddress 192.168.0.60, hSubnetMask = IpAddress 255.255.255.0, "
                          "hDefaultGateway = IpAddress 0.0.0.0\n");
}

TEST_F(LanPageTest, ModeChanges)
{
    Start();
    Set(kRoot + ".2.1.1.1.1.1.1", "i", "2"); // the device is in DHCP mode
    auto& p = Page();
    EXPECT_EQ(p.savedMode, 1);
    EXPECT_FALSE(p.ED_IpAddr.Visible());
    p.BT_LanCfgOkClick();
    EXPECT_EQ(SetLines(), "SET hGetIPFrom = INTEGER 2\n") << "only the snmpset above: keeping DHCP writes nothing";
    EXPECT_EQ(p.StatusBar.Panel(0).Text(), "");

    p.CB_IPFrom.Pick(0);
    EXPECT_TRUE(p.ED_IpAddr.Visible());
    p.ED_IpAddr.SetText("192.168.0.60");
    p.ED_SubMask.SetText("255.255.255.0");
    p.ED_DefGw.SetText("192.168.0.1");
    p.BT_LanCfgOkClick();
    EXPECT_EQ(SetLines(), "SET hGetIPFrom = INTEGER 2\n"
                          "SET hGetIPFrom = INTEGER 1\n"
                          "SET hIPAddress = IpAddress 192.168.0.60, hSubnetMask = IpAddress 255.255.255.0, "
                          "hDefaultGateway = IpAddress 192.168.0.1\n");
    EXPECT_EQ(p.savedMode, 0);

    p.CB_IPFrom.Pick(1);
    EXPECT_FALSE(p.ED_IpAddr.Visible());
    p.BT_LanCfgOkClick();
    EXPECT_NE(SetLines().find("SET hGetIPFrom = INTEGER 1\nSET hIPAddress"), std::string::npos);
    EXPECT_EQ(SetLines().substr(SetLines().rfind("SET")), "SET hGetIPFrom = INTEGER 2\n");
    EXPECT_EQ(p.StatusBar.Panel(0).Text(), "Set OK!");
}

// When the reads fail the mode the device is in is unknown: a static save
// tells it the mode as well.
TEST_F(LanPageTest, UnknownModeStaticSaveWritesTheModeToo)
{
    Start({"--fault", "error " + kRoot + ".2.1.1.1.1.4.1 5"});
    auto& p = Page();
    EXPECT_EQ(p.savedMode, pages::TFM_LanCfg::kUnknownMode);
    EXPECT_EQ(p.ED_IpAddr.Text(), "(NULL)");
    EXPECT_TRUE(p.ED_IpAddr.Visible());
    p.BT_LanCfgOkClick();
    EXPECT_EQ(SetLines(), "") << "no mode picked: nothing is written";
    sim->Control("error " + kRoot.toStdString() + ".2.1.1.1.1.4.1 0");
    QThread::msleep(100);
    p.CB_IPFrom.Pick(0);
    p.ED_IpAddr.SetText("192.168.0.60");
    p.ED_SubMask.SetText("255.255.255.0");
    p.ED_DefGw.SetText("");
    p.BT_LanCfgOkClick();
    EXPECT_EQ(p.StatusBar.Panel(0).Text(), "Set OK!");
    EXPECT_EQ(SetLines().rfind("SET hGetIPFrom = INTEGER 1\n", 0), 0u) << SetLines();
}

TEST_F(LanPageTest, FailedWriteSaysSetError)
{
    Start();
    auto& p = Page();
    sim->Control("error " + kRoot.toStdString() + ".2.1.1.1.1.2.1 17");
    QThread::msleep(100);
    p.ED_IpAddr.SetText("192.168.0.60");
    p.ED_SubMask.SetText("255.255.255.0");
    p.ED_DefGw.SetText("");
    p.BT_LanCfgOkClick();
    EXPECT_EQ(p.StatusBar.Panel(0).Text(), "Set Error!");
    EXPECT_EQ(p.savedMode, 0);
}

} // namespace

namespace {

TEST(AboutBox, TitleVersionAndTheHiddenBuild)
{
    app::TAboutForm about(nullptr);
    EXPECT_EQ(about.Caption(), "Help\\About");
    EXPECT_EQ(about.Title.Caption(), "TRV-4410 Management Module");
    EXPECT_EQ(about.Version.Caption(), "v3.10");
    EXPECT_FALSE(about.BuildLabel.Visible());
    about.Show();
    about.BT_Ok.SetFocus();
    QApplication::processEvents();
    QTest::keyClick(about.BT_Ok.Widget(), Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(about.BuildLabel.Visible());
    EXPECT_EQ(about.BuildLabel.Caption(), "R16(2010/08/13)");
    about.BT_Ok.Click();
    EXPECT_FALSE(about.Visible());
}

} // namespace
