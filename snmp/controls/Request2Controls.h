#pragma once
// Runs get and set cycles of a request for a page, synchronously or with
// completions, and leaves the controls' side to its subclasses' steps.
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "snmp/SnmpRequest.h"

namespace vcl {
class TForm;
class TMemo;
class TStatusBar;
class TStatusPanel;
} // namespace vcl

namespace zt {

class ZtSNMPRequest2Controls {
public:
    using DoneEvent = std::function<void(ZtSNMPRequest2Controls& sender, const ZtSNMPError& outcome)>;
    using StatusTarget = std::variant<std::monostate, vcl::TStatusBar*, vcl::TStatusPanel*, vcl::TMemo*>;

    explicit ZtSNMPRequest2Controls(vcl::TForm* owner);
    virtual ~ZtSNMPRequest2Controls();
    ZtSNMPRequest2Controls(const ZtSNMPRequest2Controls&) = delete;
    ZtSNMPRequest2Controls& operator=(const ZtSNMPRequest2Controls&) = delete;

    // Fills the controls from the device. Synchronously: true when no error
    // occurred. Asynchronously: true; OnGetDone reports the outcome.
    bool Get();
    // Writes the controls' values (collectValues) or the entries as they are.
    bool Set(bool refreshAfterSet, bool collectValues, const std::string& selection = {},
             const std::vector<std::string>* provider = nullptr);

    void SetStatusTarget(StatusTarget target) { statusTarget_ = target; }
    // The status line of the cycle kind for an error text (see the "snmp.msg" templates).
    std::string StatusLine(const std::string& errorText) const;
    void ShowStatusLine(const std::string& errorText);

    ZtSNMPRequest request;
    DoneEvent OnGetDone;
    DoneEvent OnSetDone;
    std::uint8_t mode = 1;              // 0 synchronous, 1 asynchronous
    std::uint8_t busy = 0;
    std::int32_t rows = 0;
    std::int32_t statusKind = 0;        // 0 get, 1 set
    std::uint8_t refreshAfterSet = 1;

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void ValuesReceived() = 0;
    virtual void CollectValues() {}
    virtual void ShowGetError(const ZtSNMPError& e);
    virtual void ShowSetError(const ZtSNMPError& e);
    virtual void AfterGet() {}
    virtual void AfterSet() {}

    // Every destructor of the hierarchy calls this first: answers that come
    // while the object is taken down touch nothing of it.
    void BeginClosing();
    vcl::TForm* Owner() const { return owner_; }

private:
    void OnGetAnswer(const ZtSNMPError& outcome);
    void OnSetAnswer(const ZtSNMPError& outcome);
    void FinishGet();
    ZtSNMPError SuccessRecord() const;
    void ReportSuccess();
    void Failed(std::int32_t kind, const DoneEvent& done, const ZtSNMPError& outcome);
    void SendGet(bool first);
    void Received();

    vcl::TForm* owner_;
    StatusTarget statusTarget_;
    bool closing_ = false;
};

} // namespace zt
