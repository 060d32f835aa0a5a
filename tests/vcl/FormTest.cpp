#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include "tests/support/RecordingDialogs.h"
#include "tests/support/ScopedEnv.h"
#include "vcl/Application.h"
#include "vcl/Dialogs.h"
#include "vcl/Form.h"
#include "vcl/QtEventLoop.h"
#include "vcl/Timer.h"

using namespace vcl;
using testsupport::RecordingDialogs;

namespace {

TEST(TForm, CaptionAndFixedClientSize)
{
    TForm form;
    form.SetCaption("TRV-4410 : 127.0.0.1");
    form.SetBorderStyle(TBorderStyle::bsSingle);
    form.SetMaximizeButton(false);
    form.SetClientWidth(472);
    form.SetClientHeight(104);
    EXPECT_EQ(form.Caption(), "TRV-4410 : 127.0.0.1");
    EXPECT_EQ(form.ClientWidth(), 472);
    EXPECT_EQ(form.ClientHeight(), 104);
    EXPECT_EQ(form.Window()->minimumSize(), form.Window()->maximumSize());
    EXPECT_FALSE(form.Window()->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(TForm, ModalShowGoesThroughTheSeam)
{
    RecordingDialogs dialogs;
    TForm form;
    dialogs.onModal = [](TForm& shown) { shown.SetModalResult(mrOk); };
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(dialogs.modalShows, 1);
}

TEST(TForm, ModalLoopEndsOnModalResultOrClose)
{
    TForm form;
    QTimer::singleShot(0, [&] { form.SetModalResult(mrOk); });
    EXPECT_EQ(form.RunModalLoop(), mrOk);
    EXPECT_FALSE(form.Visible());

    QTimer::singleShot(0, [&] { form.Close(); });
    EXPECT_EQ(form.RunModalLoop(), mrCancel);
}

TEST(TForm, CloseQueryCanRefuse)
{
    TForm form;
    int closes = 0;
    bool allow = false;
    form.OnCloseQuery = [&](bool& canClose) { canClose = allow; };
    form.OnClose = [&] { ++closes; };
    form.Show();
    form.Close();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(closes, 0);
    // The window manager's close button takes the same road.
    QCloseEvent event;
    QApplication::sendEvent(form.Window(), &event);
    EXPECT_FALSE(event.isAccepted());
    allow = true;
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(closes, 1);
}

TEST(TTimer, EnabledWhenCreatedAndStoppedByEnabledOrZeroInterval)
{
    TTimer timer;
    EXPECT_TRUE(timer.Enabled());
    EXPECT_TRUE(timer.IsTicking());
    timer.SetInterval(0);
    EXPECT_FALSE(timer.IsTicking());
    timer.SetInterval(500);
    EXPECT_TRUE(timer.IsTicking());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.IsTicking());
}

TEST(TTimer, FiresOnTimerFromTheMessageLoop)
{
    TTimer timer;
    timer.SetInterval(1);
    int fired = 0;
    QEventLoop loop;
    timer.OnTimer = [&] {
        ++fired;
        timer.SetEnabled(false);
        loop.quit();
    };
    QTimer::singleShot(2000, &loop, &QEventLoop::quit); // only a guard against a timer that never fires
    loop.exec();
    EXPECT_EQ(fired, 1);
}

TEST(Dialogs, MessageBoxesReachTheSeamWithTitleTextAndButtons)
{
    RecordingDialogs dialogs;
    dialogs.answers = {mrCancel};
    EXPECT_EQ(MessageBox("Restart the device?", "Warning", TMsgButtons::OkCancel, TMsgIcon::Warning), mrCancel);
    ShowMessage("plain");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].title, "Warning");
    EXPECT_EQ(dialogs.messages[0].text, "Restart the device?");
    EXPECT_EQ(dialogs.messages[0].buttons, TMsgButtons::OkCancel);
    EXPECT_EQ(dialogs.messages[1].title, "TRV4410Module");
    EXPECT_EQ(dialogs.messages[1].text, "plain");
}

TEST(Dialogs, UnattendedModeAnswersWithTheDefaultButton)
{
    testsupport::ScopedEnv env("TRV4410_UNATTENDED", std::string("1"));
    ASSERT_TRUE(IsUnattended());
    testing::internal::CaptureStderr();
    const int answer = MessageBox("Restart the device?", "Warning", TMsgButtons::OkCancel);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, mrOk);
    EXPECT_EQ(printed, "Warning: Restart the device?\n");
}

TEST(QtEventLoop, SocketWatchFiresWhenDataArrives)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    QtEventLoop loop;
    int calls = 0;
    auto watch = loop.WatchReadable(fds[0], [&] {
        char c;
        [[maybe_unused]] auto n = ::read(fds[0], &c, 1);
        ++calls;
    });
    ASSERT_EQ(::write(fds[1], "x", 1), 1);
    for (int i = 0; i < 100 && calls == 0; ++i)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_EQ(calls, 1);
    ::close(fds[0]);
    ::close(fds[1]);
}

} // namespace
