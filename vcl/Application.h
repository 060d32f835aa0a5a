#pragma once
// The application object: title, message loop, terminate, exception display.
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "vcl/QtEventLoop.h"

class QApplication;

namespace vcl {

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    std::string Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Parameters after the program name.
    const std::vector<std::string>& Params() const { return params_; }
    std::string ExeName() const { return exeName_; }

    // Runs the message loop until Terminate (returns at once if already terminated).
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ProcessMessages();
    // The standard display of an exception: a message box captioned with the title.
    void ShowException(const std::exception& error);

    IEventLoop& EventLoop() { return loop_; }

private:
    void WatchTerminationSignals();

    std::unique_ptr<QApplication> qt_;
    QtEventLoop loop_;
    std::unique_ptr<ISocketWatch> signalWatch_;
    std::string title_;
    std::string exeName_;
    std::vector<std::string> params_;
    bool terminated_ = false;
};

// The one application object, while it exists.
extern TApplication* Application;

// The file name of the running program, the caption of its error messages.
std::string ProgramFileName();

} // namespace vcl
