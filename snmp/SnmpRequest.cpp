#include "snmp/SnmpRequest.h"

#include <chrono>
#include <cstring>

#include "common/ErrorCatalogue.h"
#include "common/NumList.h"
#include "snmp/IndexConversion.h"
#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "snmp/SnmpResult.h"
#include "snmp/TextForms.h"
#include "snmp/VarbindConversion.h"
#include "vcl/core/Exception.h"

namespace zt {

// Shared by a request and its outstanding answers: an answer that arrives
// after the request has gone finds no owner and touches nothing.
struct ZtSNMPRequest::AsyncState {
    ZtSNMPRequest* owner = nullptr;
};

struct ZtSNMPRequest::CallbackRecord {
    std::shared_ptr<AsyncState> state;
    bool sending = true;   // net-snmp may call back from inside a send it refuses
    bool read = true;
    Completion completion;
    void* userData = nullptr;
};

namespace {

std::vector<oid> OidOf(const std::string& text)
{
    std::vector<oid> ids;
    for (std::uint32_t n : ParseDottedNumbers(text))
        ids.push_back(n);
    return ids;
}

std::string TextOf(const netsnmp_variable_list& binding)
{
    std::vector<std::uint32_t> ids(binding.name, binding.name + binding.name_length);
    return JoinDotted(ids);
}

// Whether an OID lies below another: compared by sub-identifiers, so that
// column 2 never takes column 20's rows for its own.
bool Below(const std::string& oidText, const std::string& prefix)
{
    return oidText.size() > prefix.size() + 1 && oidText.compare(0, prefix.size(), prefix) == 0 &&
           oidText[prefix.size()] == '.';
}

int ResultOfFailedSend(void* session)
{
    int libraryError = 0;
    int systemError = 0;
    char* text = nullptr;
    snmp_sess_error(session, &libraryError, &systemError, &text);
    std::free(text);
    if (libraryError == SNMPERR_SUCCESS)
        libraryError = snmp_errno != SNMPERR_SUCCESS ? snmp_errno : SNMPERR_GENERR;
    return SnmpResultOfNetSnmp(libraryError);
}

} // namespace

ZtSNMPRequest::ZtSNMPRequest() : timeout(DefaultTimeout()), state_(std::make_shared<AsyncState>())
{
    state_->owner = this;
    const LaunchSettings& launch = GlobalLaunchSettings();
    target.address = launch.device.address;
    target.port = launch.device.port;
    target.version = launch.security.version;
    target.readCommunity = launch.security.readCommunity;
    target.writeCommunity = launch.security.writeCommunity;
    target.securityModel = launch.security.securityModel;
    target.securityLevel = launch.security.securityLevel;
    target.securityName = launch.security.securityName;
    target.authPassword = launch.security.authPassword;
    target.privPassword = launch.security.privPassword;
    target.authProtocol = launch.security.authProtocol;
    target.privProtocol = launch.security.privProtocol;
    target.contextEngineId = launch.scope.contextEngineId;
    target.contextName = launch.scope.contextName;
}

ZtSNMPRequest::~ZtSNMPRequest()
{
    alive = 0;
    const auto start = std::chrono::steady_clock::now();
    auto elapsedMs = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    };
    while (pending > 0 && elapsedMs() < kDestructorWaitMs) {
        ZtSnmpSession* session = GlobalSession();
        // Inside an answer no other answer can arrive: waiting would only stall.
        if (!session || session->Processing())
            break;
        session->ProcessPendingEvents();
        if (pending > 0)
            session->WaitForActivity(20);
    }
    state_->owner = nullptr;
}

std::string ZtSNMPRequest::DecodeIndex(int i, const std::string& instance) { return zt::DecodeIndex(varList, i, instance); }
std::string ZtSNMPRequest::EncodeIndex(int i) { return zt::EncodeIndex(varList, i); }
void ZtSNMPRequest::StoreValue(int i, const netsnmp_variable_list& binding) { zt::StoreValue(varList.Item(i), binding); }
void ZtSNMPRequest::LoadValue(int i, netsnmp_variable_list& binding) { zt::LoadValue(varList.Item(i), binding); }

bool ZtSNMPRequest::IsPastEnd(const std::string& requested, const std::string& last, const std::string& returned)
{
    if (!varList.IsTableKind())
        return false;
    if (!Below(returned, requested))
        return true;
    return returned == last; // no progress
}

std::string ZtSNMPRequest::BaseOid(int i) const
{
    const std::string& id = varList.Item(i).oid;
    return varList.instance.empty() ? id : id + "." + varList.instance;
}

std::string ZtSNMPRequest::RowInstance()
{
    std::string instance;
    for (int i = 0; i < varList.keyCount && i < varList.Count(); ++i) {
        const std::string part = EncodeIndex(i);
        if (i && !part.empty() && !instance.empty())
            instance += '.';
        instance += part;
    }
    return instance;
}

std::uint64_t ZtSNMPRequest::Report(int code, const std::string& text, int errorIndex)
{
    ++errorCount;
    ZtSNMPError error;
    error.code = code;
    error.errorIndex = errorIndex;
    error.message = text;
    error.address = target.address;
    error.port = target.port;
    error.done = 1;
    error.sequenceNumber = errorCount;
    lastError = error;
    if (resultHandler)
        resultHandler(error);
    return errorCount;
}

void ZtSNMPRequest::StoreEmptyValues()
{
    for (int i = 0; i < varList.Count(); ++i) {
        if (!varList.IsReadable(i))
            continue;
        ZtSNMPVarEntry& entry = varList.Item(i);
        const std::uint32_t s = entry.syntax;
        const bool octets = s == syn::BitString || s == syn::OctetString || s == syn::Opaque ||
                            s == syn::MacAddress || s == syn::DisplayString;
        entry.value = octets ? std::string{} : std::string(kNullText);
        if (entry.options)
            entry.value = entry.options->LabelOf(entry.value);
    }
}

void ZtSNMPRequest::ReportResult(int result)
{
    const MappedResult mapped = MapSnmpResult(result);
    Report(mapped.code, mapped.text);
}

ZtSNMPRequest::PduMode ZtSNMPRequest::OperationFor(bool first)
{
    if (!varList.IsTableKind())
        return varList.kind == listkind::Instance && getNext ? PduMode::GetNext : PduMode::Get;
    if (first) {
        for (int i = 0; i < varList.Count(); ++i) {
            if (varList.IsReadable(i))
                varList.Item(i).lastOid.clear();
        }
    }
    return PduMode::GetNext;
}

netsnmp_pdu* ZtSNMPRequest::BuildPdu(PduMode mode)
{
    const int type = mode == PduMode::Get ? SNMP_MSG_GET : mode == PduMode::GetNext ? SNMP_MSG_GETNEXT : SNMP_MSG_SET;
    if (mode == PduMode::GetNext && !varList.IsTableKind())
        RaiseError(Catalogue::ZtSnmp, -510);
    if (mode == PduMode::Set && varList.kind > listkind::EditableTable)
        RaiseError(Catalogue::ZtSnmp, -515);
    std::unique_ptr<netsnmp_pdu, void (*)(netsnmp_pdu*)> pdu(snmp_pdu_create(type), snmp_free_pdu);
    if (!target.contextName.empty()) {
        pdu->contextName = strdup(target.contextName.c_str());
        pdu->contextNameLen = target.contextName.size();
    }
    if (!target.contextEngineId.empty()) {
        const std::string id = FromHexString(target.contextEngineId);
        pdu->contextEngineID = static_cast<u_char*>(netsnmp_memdup(id.data(), id.size()));
        pdu->contextEngineIDLen = id.size();
    }
    if (mode == PduMode::Set && target.version != snmpcode::kVersion3) {
        pdu->community = static_cast<u_char*>(netsnmp_memdup(target.writeCommunity.data(), target.writeCommunity.size() + 1));
        pdu->community_len = target.writeCommunity.size();
    }
    const std::string row = mode == PduMode::Set && varList.IsTableKind() ? RowInstance() : std::string{};
    for (int i = 0; i < varList.Count(); ++i) {
        ZtSNMPVarEntry& entry = varList.Item(i);
        std::string id;
        if (mode == PduMode::Set) {
            if ((varList.IsTableKind() && i < varList.keyCount) || !varList.IsWritable(i))
                continue;
            id = varList.kind == listkind::Scalar ? BaseOid(i) + ".0"
                 : varList.kind == listkind::Instance ? BaseOid(i) : BaseOid(i) + "." + row;
        } else {
            if (!varList.IsReadable(i))
                continue;
            if (mode == PduMode::Get) {
                entry.lastOid.clear();
                id = varList.kind == listkind::Scalar ? BaseOid(i) + ".0" : BaseOid(i);
            } else {
                id = entry.lastOid.empty() ? BaseOid(i) : entry.lastOid;
            }
        }
        const std::vector<oid> name = OidOf(id);
        netsnmp_variable_list* binding = snmp_add_null_var(pdu.get(), name.data(), name.size());
        if (mode == PduMode::Set)
            LoadValue(i, *binding);
    }
    return pdu.release();
}

void ZtSNMPRequest::DecodeKeys(const std::string& instance)
{
    std::string rest = instance;
    for (int i = 0; i < varList.keyCount && i < varList.Count(); ++i) {
        if (rest.empty())
            RaiseError(Catalogue::ZtSnmp, -514);
        if (!varList.IsReadable(i))
            varList.Item(i).lastOid = BaseOid(i) + "." + instance;
        rest = DecodeIndex(i, rest);
    }
}

// The row an answer is about: the part of the first returned OID below its
// requested OID, after that OID and the dot.
std::string ZtSNMPRequest::AnswerRow(netsnmp_variable_list* bindings) const
{
    netsnmp_variable_list* binding = bindings;
    for (int i = 0; i < varList.Count() && binding; ++i) {
        if (!varList.IsReadable(i))
            continue;
        const std::string requested = BaseOid(i);
        const std::string returned = TextOf(*binding);
        if (Below(returned, requested))
            return returned.substr(requested.size() + 1);
        binding = binding->next_variable;
    }
    return {};
}

ZtSNMPRequest::Stored ZtSNMPRequest::StoreResponse(netsnmp_variable_list* bindings, int code)
{
    const bool table = varList.IsTableKind();
    const std::string answerRow = AnswerRow(bindings);
    // A finished column goes on from the row in hand: the keys' row, or before
    // the first row and in a list without keys, the row of this answer.
    const bool keysKnown = varList.keyCount > 0 && varList.Count() > 0 && !varList.Item(0).value.empty();
    const std::string currentRow = !table ? std::string{} : keysKnown ? RowInstance() : answerRow;
    int readable = 0;
    int finished = 0;
    netsnmp_variable_list* binding = bindings;
    for (int i = 0; i < varList.Count() && binding; ++i) {
        if (!varList.IsReadable(i))
            continue;
        ++readable;
        ZtSNMPVarEntry& entry = varList.Item(i);
        const std::string requested = BaseOid(i);
        const std::string returned = TextOf(*binding);
        if (code == -102 && table) {
            if (returned == entry.lastOid)
                return {false, true};
            Report(-102, ErrorText(Catalogue::SnmpStatus, -102));
        }
        if (IsPastEnd(requested, entry.lastOid, returned)) {
            entry.value = kNotDoneText;
            entry.lastOid = currentRow.empty() ? returned : requested + "." + currentRow;
            ++finished;
        } else {
            StoreValue(i, *binding);
            entry.lastOid = returned;
        }
        binding = binding->next_variable;
    }
    const bool rowStored = finished < readable;
    if (rowStored || readable == 0) {
        if (table && rowStored)
            DecodeKeys(answerRow);
        for (int i = 0; i < varList.Count(); ++i)
            Compute(i, true);
    }
    return {table && rowStored, false};
}

SnmpTarget ZtSNMPRequest::TargetNow() const
{
    SnmpTarget now = target;
    now.timeout = timeout;
    now.retries = retries;
    return now;
}

bool ZtSNMPRequest::SendSync(netsnmp_pdu* pdu, bool read, bool& ok)
{
    int openResult = snmpresult::kSuccess;
    void* session = GlobalSession() ? GlobalSession()->SessionFor(TargetNow(), false, openResult) : nullptr;
    if (!session) {
        snmp_free_pdu(pdu);
        ReportResult(GlobalSession() ? openResult : snmpresult::kClassInvalid);
        ok = false;
        return false;
    }
    netsnmp_pdu* response = nullptr;
    const int status = snmp_sess_synch_response(session, pdu, &response);
    std::unique_ptr<netsnmp_pdu, void (*)(netsnmp_pdu*)> owned(response, snmp_free_pdu);
    int result;
    if (status == STAT_SUCCESS && response)
        result = SnmpResultOfErrorStatus(response->errstat);
    else if (status == STAT_TIMEOUT)
        result = snmpresult::kTimeout;
    else
        result = ResultOfFailedSend(session);
    const MappedResult mapped = MapSnmpResult(result);
    const bool table = varList.IsTableKind();
    if (mapped.code != 0 && !(mapped.code == -102 && table)) {
        Report(mapped.code, mapped.text, response ? static_cast<int>(response->errindex) : 0);
        ok = false;
        if (read && !table)
            StoreEmptyValues();
        return false;
    }
    if (!response || !read)
        return false;
    return StoreResponse(response->variables, mapped.code).moreRows;
}

bool ZtSNMPRequest::SendAsync(netsnmp_pdu* pdu, bool read, Completion completion, void* userData)
{
    int openResult = snmpresult::kSuccess;
    void* session = GlobalSession() ? GlobalSession()->SessionFor(TargetNow(), true, openResult) : nullptr;
    if (!session) {
        snmp_free_pdu(pdu);
        ReportResult(GlobalSession() ? openResult : snmpresult::kClassInvalid);
        return false;
    }
    auto record = std::make_unique<CallbackRecord>();
    record->state = state_;
    record->read = read;
    record->completion = std::move(completion);
    record->userData = userData;
    if (snmp_sess_async_send(session, pdu, OnAsyncAnswer, record.get()) == 0) {
        // Refused: reported now, and no completion will come.
        snmp_free_pdu(pdu);
        ReportResult(ResultOfFailedSend(session));
        return false;
    }
    record.release()->sending = false;
    ++pending;
    GlobalSession()->EventProcessor().Wake();
    return true;
}

int ZtSNMPRequest::OnAsyncAnswer(int operation, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic)
{
    auto* raw = static_cast<CallbackRecord*>(magic);
    if (operation == NETSNMP_CALLBACK_OP_RESEND || raw->sending)
        return 1; // a retry, or a refused send that SendAsync reports itself
    std::unique_ptr<CallbackRecord> record(raw);
    if (ZtSNMPRequest* owner = record->state->owner)
        owner->Answered(*record, operation, pdu);
    return 1;
}

void ZtSNMPRequest::Answered(CallbackRecord& record, int operation, netsnmp_pdu* pdu)
{
    --pending;
    const bool report = operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && pdu->command == SNMP_MSG_REPORT;
    const bool received = operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && !report;
    // An SNMPv3 report in place of the answer says what the agent refused.
    const MappedResult mapped = MapSnmpResult(report     ? SnmpResultOfNetSnmp(snmpv3_get_report_type(pdu))
                                              : received ? SnmpResultOfErrorStatus(pdu->errstat)
                                                         : SnmpResultOfCallback(operation));
    ZtSNMPError outcome;
    outcome.code = mapped.code;
    outcome.message = mapped.text;
    outcome.errorIndex = received ? static_cast<std::int32_t>(pdu->errindex) : 0;
    outcome.address = target.address;
    outcome.port = target.port;
    outcome.done = 1;
    const bool table = varList.IsTableKind();
    try {
        if (received && ((outcome.code == 0 && record.read) || (outcome.code == -102 && table))) {
            const Stored stored = StoreResponse(pdu->variables, outcome.code);
            if (outcome.code == -102 && stored.endedByEcho)
                outcome.code = 0, outcome.message = ErrorText(Catalogue::ZtSnmp, 0);
            outcome.done = outcome.code == -102 || !stored.moreRows ? 1 : 0;
        }
    } catch (const vcl::Exception& e) {
        outcome.code = e.HelpContext();
        outcome.message = e.Message();
        outcome.done = 1;
    }
    if (outcome.code != 0 && outcome.code != -102)
        outcome.sequenceNumber = Report(outcome.code, outcome.message, outcome.errorIndex);
    if (record.completion) {
        try {
            record.completion(record.userData, outcome);
        } catch (...) {
            // A completion must not throw back into net-snmp; it owns its errors.
        }
    }
}

bool ZtSNMPRequest::GetOnce(bool& ok, bool first)
{
    if (!alive) {
        ok = false;
        return false;
    }
    if (varList.kind > listkind::EditableTable) {
        Report(-515, ErrorText(Catalogue::ZtSnmp, -515));
        ok = false;
        return false;
    }
    CheckTargetAddress(target.address);
    return SendSync(BuildPdu(OperationFor(first)), true, ok);
}

bool ZtSNMPRequest::GetAsync(Completion completion, void* userData, bool first)
{
    if (!alive)
        return false;
    if (varList.kind > listkind::EditableTable) {
        Report(-515, ErrorText(Catalogue::ZtSnmp, -515));
        return false;
    }
    CheckTargetAddress(target.address);
    return SendAsync(BuildPdu(OperationFor(first)), true, std::move(completion), userData);
}

void ZtSNMPRequest::ApplySelection(const std::string& selection, const std::vector<std::string>* provider)
{
    if (selection.empty())
        return;
    ZtNumList<std::int32_t> chosen(',');
    chosen.Parse(selection);
    for (int i = 0; i < varList.Count(); ++i) {
        ZtSNMPVarEntry& entry = varList.Item(i);
        const int position = chosen.IndexOf(i);
        if (position < 0) {
            entry.access |= acc::Skip;
            continue;
        }
        entry.access &= ~acc::Skip;
        if (provider && static_cast<std::size_t>(position) < provider->size())
            entry.value = (*provider)[static_cast<std::size_t>(position)];
    }
}

namespace {
// Puts the list back as it was before a set changed access flags and values,
// whatever way the set ends.
class ListRestorer {
public:
    explicit ListRestorer(ZtSNMPVarList& list) : list_(list), saved_(list) {}
    ~ListRestorer() { list_.Assign(saved_); }
    ListRestorer(const ListRestorer&) = delete;
    ListRestorer& operator=(const ListRestorer&) = delete;

private:
    ZtSNMPVarList& list_;
    ZtSNMPVarList saved_;
};
} // namespace

netsnmp_pdu* ZtSNMPRequest::BuildSetPdu(const std::string& selection, const std::vector<std::string>* provider)
{
    ListRestorer restore(varList);
    ApplySelection(selection, provider);
    for (int i = 0; i < varList.Count(); ++i)
        Compute(i, false);
    CheckTargetAddress(target.address);
    return BuildPdu(PduMode::Set);
}

bool ZtSNMPRequest::SetOnce(bool& ok, bool readBack, const std::string& selection,
                            const std::vector<std::string>* provider)
{
    ok = true;
    if (!alive) {
        ok = false;
        return false;
    }
    SendSync(BuildSetPdu(selection, provider), readBack, ok);
    return ok;
}

bool ZtSNMPRequest::SetAsync(Completion completion, void* userData, bool readBack, const std::string& selection,
                             const std::vector<std::string>* provider)
{
    if (!alive)
        return false;
    return SendAsync(BuildSetPdu(selection, provider), readBack, std::move(completion), userData);
}

} // namespace zt
