#pragma once
// A request turns a variable list into SNMP operations on the managed device:
// get of a scalar group or a row, table walks with get-next, and set;
// synchronously or with a completion that arrives through the event processor.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/SnmpTarget.h"
#include "snmp/VarList.h"
#include "snmp/ZtSNMPError.h"

namespace zt {

class ZtSNMPRequest {
public:
    using ResultHandler = std::function<void(const ZtSNMPError&)>;
    using Completion = std::function<void(void* userData, const ZtSNMPError&)>;

    static constexpr int kDestructorWaitMs = 6000;

    // Copies the launch settings and the default time-out as they are now.
    ZtSNMPRequest();
    // Clears alive, waits at most 6 s for outstanding answers; answers that
    // come later find nothing to touch.
    virtual ~ZtSNMPRequest();
    ZtSNMPRequest(const ZtSNMPRequest&) = delete;
    ZtSNMPRequest& operator=(const ZtSNMPRequest&) = delete;

    // One synchronous request. first: the entries' own OIDs; otherwise a walk
    // goes on from each entry's last OID. Returns true when a table row was
    // stored (call again with first = false). Clears ok when an error was reported.
    bool GetOnce(bool& ok, bool first);
    // The same, asynchronously: completion is called once with the outcome
    // (done set when the walk has ended). Returns false when nothing was sent
    // (the request is not alive, its list kind is bad, or the send was
    // refused and reported to the result handler): then no completion comes.
    bool GetAsync(Completion completion, void* userData, bool first);
    // One set of every writable entry. selection: comma-separated entry
    // numbers to write (empty: all); provider: their values, by position in
    // the selection. Returns ok.
    bool SetOnce(bool& ok, bool readBack, const std::string& selection = {},
                 const std::vector<std::string>* provider = nullptr);
    bool SetAsync(Completion completion, void* userData, bool readBack, const std::string& selection = {},
                  const std::vector<std::string>* provider = nullptr);

    // Virtual steps.
    virtual std::string ExpandReferences(const std::string& expression) { return expression; }
    virtual std::string DecodeIndex(int i, const std::string& instance);
    virtual std::string EncodeIndex(int i);
    virtual void StoreValue(int i, const netsnmp_variable_list& binding);
    virtual void LoadValue(int i, netsnmp_variable_list& binding);
    virtual void Compute(int /*i*/, bool /*afterRead*/) {}
    virtual bool TestCondition(const std::string& /*expression*/) { return true; }
    virtual bool IsPastEnd(const std::string& requested, const std::string& last, const std::string& returned);

    ResultHandler resultHandler;
    std::uint8_t getNext = 0;
    std::int32_t timeout;
    std::int32_t retries = 1;
    SnmpTarget target;       // the launch settings as copied at construction (timeout and retries: above)
    ZtSNMPVarList varList;
    std::string filter;
    std::uint8_t alive = 1;
    std::int32_t pending = 0;
    std::uint64_t errorCount = 0;
    ZtSNMPError lastError;    // the last error reported to the result handler

    enum class PduMode { Get, GetNext, Set };
    // The OIDs a request builds for entry i: oid, or oid + "." + instance.
    std::string BaseOid(int i) const;
    // The row instance of the key entries' values.
    std::string RowInstance();

protected:
    netsnmp_pdu* BuildPdu(PduMode mode);
    struct Stored {
        bool moreRows = false;      // a table row was stored: the walk goes on
        bool endedByEcho = false;   // an SNMPv1 noSuchName echoing the last OIDs ended the walk
    };
    // Stores a response (code: its mapped result, 0 or -102 here).
    Stored StoreResponse(netsnmp_variable_list* bindings, int code);
    std::string AnswerRow(netsnmp_variable_list* bindings) const;

private:
    struct AsyncState;
    struct CallbackRecord;

    PduMode OperationFor(bool first);
    // The target with the time-out and retries the request has now.
    SnmpTarget TargetNow() const;
    // Reports an error to the result handler; returns its sequence number.
    std::uint64_t Report(int code, const std::string& text, int errorIndex = 0);
    void ReportResult(int result);
    bool SendSync(netsnmp_pdu* pdu, bool read, bool& ok);
    bool SendAsync(netsnmp_pdu* pdu, bool read, Completion completion, void* userData);
    void ApplySelection(const std::string& selection, const std::vector<std::string>* provider);
    // The set PDU with the selection and provider applied; the list is as it was afterwards.
    netsnmp_pdu* BuildSetPdu(const std::string& selection, const std::vector<std::string>* provider);
    void DecodeKeys(const std::string& instance);
    // After a failed read the entries hold the empty values of their syntaxes.
    void StoreEmptyValues();
    void Answered(CallbackRecord& record, int operation, netsnmp_pdu* pdu);
    static int OnAsyncAnswer(int operation, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);

    std::shared_ptr<AsyncState> state_;
};

} // namespace zt
