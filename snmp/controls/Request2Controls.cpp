#include "snmp/controls/Request2Controls.h"

#include "common/ErrorCatalogue.h"
#include "snmp/StatusLine.h"
#include "vcl/Application.h"
#include "vcl/Dialogs.h"
#include "vcl/Form.h"
#include "vcl/ListBox.h"
#include "vcl/StatusBar.h"
#include "vcl/core/Exception.h"

namespace zt {

ZtSNMPRequest2Controls::ZtSNMPRequest2Controls(vcl::TForm* owner) : owner_(owner) {}

ZtSNMPRequest2Controls::~ZtSNMPRequest2Controls() { BeginClosing(); }

void ZtSNMPRequest2Controls::BeginClosing()
{
    closing_ = true;
    request.alive = 0;
}

ZtSNMPError ZtSNMPRequest2Controls::SuccessRecord() const
{
    ZtSNMPError success;
    success.message = ErrorText(Catalogue::ZtSnmp, 0);
    success.address = request.target.address;
    success.port = request.target.port;
    success.done = 1;
    return success;
}

void ZtSNMPRequest2Controls::ReportSuccess()
{
    if (request.resultHandler)
        request.resultHandler(SuccessRecord());
}

void ZtSNMPRequest2Controls::Failed(std::int32_t kind, const DoneEvent& done, const ZtSNMPError& outcome)
{
    busy = 0;
    statusKind = kind;
    if (done)
        done(*this, outcome);
}

// A send the request refuses is a failed completion.
void ZtSNMPRequest2Controls::SendGet(bool first)
{
    if (!request.GetAsync([this](void*, const ZtSNMPError& e) { OnGetAnswer(e); }, nullptr, first))
        OnGetAnswer(request.lastError);
}

void ZtSNMPRequest2Controls::Received()
{
    ValuesReceived();
    ++rows;
}

bool ZtSNMPRequest2Controls::Get()
{
    bool ok = true;
    statusKind = 0;
    BeforeGet();
    rows = 0;
    if (mode == 0) {
        busy = 1;
        try {
            if (!request.varList.IsTableKind()) {
                request.GetOnce(ok, true);
                Received();
            } else {
                for (bool first = true; request.GetOnce(ok, first); first = false)
                    Received();
            }
            AfterGet();
        } catch (...) {
            busy = 0;
            throw;
        }
        busy = 0;
        if (ok)
            ReportSuccess();
        return ok;
    }
    busy = 1;
    if (!request.alive) {
        busy = 0;
        return true;
    }
    SendGet(true);
    return true;
}

void ZtSNMPRequest2Controls::FinishGet()
{
    AfterGet();
    busy = 0;
    ReportSuccess();
    if (OnGetDone)
        OnGetDone(*this, SuccessRecord());
}

void ZtSNMPRequest2Controls::OnGetAnswer(const ZtSNMPError& outcome)
{
    if (closing_)
        return;
    if (outcome.code != 0) {
        Failed(0, OnGetDone, outcome);
        return;
    }
    try {
        if (!request.varList.IsTableKind() || outcome.done) {
            if (!request.varList.IsTableKind())
                Received();
            FinishGet();
            return;
        }
        Received();
        if (!request.alive) {
            FinishGet();
            return;
        }
        SendGet(false);
    } catch (const vcl::Exception& e) {
        busy = 0;
        ShowStatusLine(e.Message());
    }
}

bool ZtSNMPRequest2Controls::Set(bool refresh, bool collectValues, const std::string& selection,
                                 const std::vector<std::string>* provider)
{
    bool ok = true;
    statusKind = 1;
    refreshAfterSet = refresh ? 1 : 0;
    BeforeSet();
    if (collectValues)
        CollectValues();
    if (mode == 0) {
        busy = 1;
        try {
            request.SetOnce(ok, false, selection, provider);
            AfterSet();
        } catch (...) {
            busy = 0;
            throw;
        }
        busy = 0;
        if (ok)
            ReportSuccess();
        if (request.varList.IsTableKind() && refreshAfterSet)
            Get();
        return ok;
    }
    busy = 1;
    if (!request.alive) {
        busy = 0;
        return true;
    }
    if (!request.SetAsync([this](void*, const ZtSNMPError& e) { OnSetAnswer(e); }, nullptr, false, selection,
                          provider))
        OnSetAnswer(request.lastError);
    return true;
}

void ZtSNMPRequest2Controls::OnSetAnswer(const ZtSNMPError& outcome)
{
    if (closing_)
        return;
    if (outcome.code != 0) {
        Failed(1, OnSetDone, outcome);
        return;
    }
    AfterSet();
    busy = 0;
    statusKind = 1;
    ReportSuccess();
    if (OnSetDone)
        OnSetDone(*this, outcome);
    if (request.varList.IsTableKind() && refreshAfterSet)
        Get();
}

void ZtSNMPRequest2Controls::ShowGetError(const ZtSNMPError& e)
{
    statusKind = 0;
    ShowStatusLine(e.message);
}

void ZtSNMPRequest2Controls::ShowSetError(const ZtSNMPError& e)
{
    statusKind = 1;
    ShowStatusLine(e.message);
}

std::string ZtSNMPRequest2Controls::StatusLine(const std::string& errorText) const
{
    return zt::StatusLine(statusKind, errorText, request.varList.name);
}

void ZtSNMPRequest2Controls::ShowStatusLine(const std::string& errorText)
{
    if (auto* bar = std::get_if<vcl::TStatusBar*>(&statusTarget_))
        (*bar)->SetSimpleText(StatusLine(errorText));
    else if (auto* panel = std::get_if<vcl::TStatusPanel*>(&statusTarget_))
        (*panel)->SetText(StatusLine(errorText));
    else if (auto* memo = std::get_if<vcl::TMemo*>(&statusTarget_))
        (*memo)->AddLine(StatusLine(errorText));
    else
        vcl::MessageBox(errorText, vcl::ProgramFileName(), vcl::TMsgButtons::Ok, vcl::TMsgIcon::Error);
}

} // namespace zt
