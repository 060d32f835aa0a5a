// Pictures of what a user sees, for anyone to look at: the main window, the
// LAN page, System Settings and the waiting window, in build/screenshots/.
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <chrono>

#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/SystemForm.h"
#include "app/shell/WaitingForm.h"
#include "pages/network/LanCfg.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "tests/support/Processes.h"
#include "tests/support/TempDir.h"
#include "vcl/Application.h"

namespace {

bool Save(vcl::TForm& form, const char* name)
{
    QDir().mkpath(SCREENSHOT_DIR);
    form.Show();
    return form.Window()->grab().save(QString(SCREENSHOT_DIR) + "/" + name, "PNG");
}

TEST(Screenshots, WhatAUserSees)
{
    testsupport::SimProcess sim({});
    testsupport::TempDir dir;
    zt::CreateSession(dir.Path(), vcl::Application->EventLoop());
    zt::GlobalLaunchSettings().device.port = static_cast<std::uint16_t>(sim.Port());
    zt::GlobalLaunchSettings().security.version = zt::snmpcode::kVersion2c;
    {
        app::TMainForm main(*vcl::Application);
        main.StopTimersForTests();
        main.StartTalking();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while ((!main.Online() || main.CB_Led2dot4G.ItemIndex() != 1) && std::chrono::steady_clock::now() < deadline) {
            zt::GlobalSession()->EventProcessor().Tick();
            zt::GlobalSession()->WaitForActivity(20);
        }
        main.LedBlinkTimer();
        main.SetCaption("TRV-4410 : 127.0.0.1");
        EXPECT_TRUE(Save(main, "main-window.png"));

        pages::TFM_LanCfg lan(&main);
        lan.FormCreate();
        EXPECT_TRUE(Save(lan, "lan-page.png"));

        app::TFM_Sytem system(&main, [] { return true; });
        system.FormCreate();
        EXPECT_TRUE(Save(system, "system-settings.png"));

        app::TFM_Waiting waiting(&main, [] { return false; });
        waiting.countdown = 40;
        waiting.sendRestart = false;
        waiting.Label2.SetCaption("The device is activate...");
        waiting.Label3.SetCaption("Please DO NOT POWER OFF the device");
        waiting.Timer1Timer();
        EXPECT_TRUE(Save(waiting, "waiting-window.png"));

        app::TAboutForm about(&main);
        EXPECT_TRUE(Save(about, "about.png"));
    }
    zt::DestroySession();
    for (const char* name : {"main-window.png", "lan-page.png", "system-settings.png", "waiting-window.png"})
        EXPECT_TRUE(QFile::exists(QString(SCREENSHOT_DIR) + "/" + name)) << name;
}

} // namespace
