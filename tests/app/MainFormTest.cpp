#include <gtest/gtest.h>

#include <QWidget>

#include "app/MainForm.h"
#include "vcl/Application.h"

namespace {

TEST(TMainForm, WindowIsTheBannerAndStatusBarWithThreeRunningTimers)
{
    app::TMainForm form(*vcl::Application);
    EXPECT_EQ(form.Caption(), "TRV-4410");
    EXPECT_EQ(form.ClientWidth(), 472);
    EXPECT_EQ(form.ClientHeight(), 85 + 19);
    EXPECT_EQ(form.BorderStyle(), vcl::TBorderStyle::bsSingle);
    EXPECT_FALSE(form.MaximizeButton());

    struct TimerCase {
        const char* name;
        vcl::TTimer& timer;
        int interval;
    };
    const TimerCase timers[] = {{"LedStatus", form.LedStatus, 2000},
                                {"LedBlink", form.LedBlink, 500},
                                {"Timer1", form.Timer1, 2000}};
    for (const auto& t : timers) {
        EXPECT_EQ(t.timer.Interval(), t.interval) << t.name;
        EXPECT_TRUE(t.timer.Enabled()) << t.name;
        EXPECT_TRUE(static_cast<bool>(t.timer.OnTimer)) << t.name;
    }
}

} // namespace
