#include "app/Automation.h"

#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app/MainForm.h"
#include "pages/network/LanCfg.h"
#include "vcl/Application.h"

namespace app {
namespace {

const auto kProcessStart = std::chrono::steady_clock::now();

void Say(const std::string& line)
{
    std::fprintf(stderr, "script: %s\n", line.c_str());
    std::fflush(stderr);
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

} // namespace

long MillisecondsSinceStart()
{
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - kProcessStart).count());
}

Automation::Automation(TMainForm& form, vcl::IEventLoop& loop, std::string script)
    : form_(form), timer_(loop.CreateTimer([this] { Step(); }))
{
    std::stringstream parts(script);
    std::string command;
    while (std::getline(parts, command, ';')) {
        if (!Words(command).empty())
            commands_.push_back(command);
    }
    timer_->Start(100);
}

std::unique_ptr<Automation> Automation::FromEnvironment(TMainForm& form, vcl::IEventLoop& loop)
{
    const char* script = std::getenv("TRV4410_SCRIPT");
    if (!script || !*script)
        return nullptr;
    return std::make_unique<Automation>(form, loop, script);
}

void Automation::Finish(int status)
{
    timer_->Stop();
    if (status != 0)
        std::exit(status);
    if (vcl::Application)
        vcl::Application->Terminate();
}

void Automation::Step()
{
    if (next_ >= commands_.size()) {
        timer_->Stop();
        return;
    }
    timer_->Stop(); // a command may show a modal window: no step inside it
    const std::vector<std::string> words = Words(commands_[next_]);
    if (Run(words))
        ++next_;
    if (next_ < commands_.size())
        timer_->Start(100);
}

// True when the command is done; false to be called again on the next step.
bool Automation::Run(const std::vector<std::string>& w)
{
    const std::string& name = w[0];
    if (name == "wait-online") {
        const int seconds = w.size() > 1 ? std::atoi(w[1].c_str()) : 30;
        if (!waiting_) {
            waiting_ = true;
            waitingSince_ = std::chrono::steady_clock::now();
        }
        if (form_.Online()) {
            waiting_ = false;
            Say("online after " + std::to_string(MillisecondsSinceStart()) + " ms: " + form_.StatusText());
            return true;
        }
        if (std::chrono::steady_clock::now() - waitingSince_ > std::chrono::seconds(seconds)) {
            Say("not online after " + std::to_string(seconds) + " s: " + form_.StatusText());
            Finish(3);
        }
        return false;
    }
    if (name == "lan" && w.size() >= 3) {
        pages::TFM_LanCfg page(&form_);
        page.FormCreate();
        page.CB_IPFrom.Pick(0);
        page.ED_IpAddr.SetText(w[1]);
        page.ED_SubMask.SetText(w[2]);
        page.ED_DefGw.SetText(w.size() > 3 ? w[3] : "");
        page.BT_LanCfgOkClick();
        Say("lan " + w[1] + ": " + page.StatusBar.Panel(0).Text());
        if (page.StatusBar.Panel(0).Text() != "Set OK!")
            Finish(3);
        return true;
    }
    if (name == "save-and-activate") {
        Say("save and activate");
        form_.SaveandActivate1Click();
        Say("waiting window closed, lamps " + std::string(form_.LampLime24() || form_.Online() ? "on" : "off"));
        return true;
    }
    if (name == "screenshot" && w.size() > 1) {
        const bool saved = form_.Window()->grab().save(QString::fromStdString(w[1]), "PNG");
        Say(saved ? "screenshot saved to " + w[1] : "screenshot not saved to " + w[1]);
        return true;
    }
    if (name == "quit") {
        Say("quit");
        Finish(0);
        return true;
    }
    Say("unknown command: " + name);
    Finish(3);
    return true;
}

} // namespace app
