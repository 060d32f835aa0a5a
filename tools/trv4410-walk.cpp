// trv4410-walk: walks the given columns as one table with the module's own
// request engine and prints one line per row, the values' text forms
// separated by tabs. Takes net-snmp's option names.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "snmp/LaunchSettings.h"
#include "snmp/Session.h"
#include "snmp/SnmpRequest.h"
#include "vcl/core/Exception.h"

namespace {

// The walk runs synchronously: nothing waits on the loop.
class IdleLoop : public vcl::IEventLoop {
    struct Timer : vcl::ILoopTimer {
        void Start(int) override {}
        void Stop() override {}
        bool IsActive() const override { return false; }
    };
    struct Watch : vcl::ISocketWatch {
        void SetEnabled(bool) override {}
    };

public:
    std::unique_ptr<vcl::ILoopTimer> CreateTimer(std::function<void()>) override { return std::make_unique<Timer>(); }
    std::unique_ptr<vcl::ISocketWatch> WatchReadable(int, std::function<void()>) override
    {
        return std::make_unique<Watch>();
    }
    void ProcessEvents(int) override {}
};

// With no MIB at hand, each value is shown in the text form of its wire type.
class ColumnWalk : public zt::ZtSNMPRequest {
public:
    void StoreValue(int i, const netsnmp_variable_list& b) override
    {
        varList.Item(i).syntax = SyntaxOf(b);
        ZtSNMPRequest::StoreValue(i, b);
    }

private:
    static std::uint32_t SyntaxOf(const netsnmp_variable_list& b)
    {
        switch (b.type) {
        case ASN_INTEGER: return zt::syn::Integer;
        case ASN_IPADDRESS: return zt::syn::IpAddress;
        case ASN_OBJECT_ID: return zt::syn::ObjectId;
        case ASN_COUNTER: return zt::syn::Counter32;
        case ASN_GAUGE: return zt::syn::Gauge32;
        case ASN_TIMETICKS: return zt::syn::TimeTicks;
        case ASN_OPAQUE: return zt::syn::Opaque;
        case ASN_COUNTER64: return zt::syn::Counter64;
        case ASN_UINTEGER: return zt::syn::UInteger32;
        case ASN_OCTET_STR:
            for (std::size_t k = 0; k < b.val_len; ++k) {
                const unsigned char c = b.val.string[k];
                if ((c < 0x20 || c >= 0x7F) && !(c == 0 && k + 1 == b.val_len))
                    return zt::syn::OctetString;
            }
            return zt::syn::DisplayString;
        default: return zt::syn::DisplayString;
        }
    }
};

[[noreturn]] void Usage(const std::string& problem)
{
    if (!problem.empty())
        std::fprintf(stderr, "trv4410-walk: %s\n", problem.c_str());
    std::fprintf(stderr,
                 "usage: trv4410-walk [-v 1|2c|3] [-c COMMUNITY] [-u USER] [-l noAuthNoPriv|authNoPriv|authPriv]\n"
                 "                    [-a MD5|SHA] [-A PASS] [-x DES] [-X PASS] [-t SECONDS] [-r RETRIES]\n"
                 "                    HOST[:PORT] COLUMN-OID...\n");
    std::exit(2);
}

int Level(const std::string& text)
{
    if (text == "noAuthNoPriv") return zt::snmpcode::kNoAuthNoPriv;
    if (text == "authNoPriv") return zt::snmpcode::kAuthNoPriv;
    if (text == "authPriv") return zt::snmpcode::kAuthPriv;
    Usage("unknown security level " + text);
}

struct Walk {
    double timeoutSeconds = 1;
    int retries = 5;
    std::vector<std::string> columns;
};

Walk ParseArguments(int argc, char** argv, zt::LaunchSettings& launch)
{
    Walk walk;
    auto& s = launch.security;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        const std::string option = argv[i];
        if (option.size() != 2 || i + 1 >= argc)
            Usage("bad option " + option);
        const std::string value = argv[++i];
        switch (option[1]) {
        case 'v':
            if (value == "1") s.version = zt::snmpcode::kVersion1;
            else if (value == "2c") s.version = zt::snmpcode::kVersion2c;
            else if (value == "3") s.version = zt::snmpcode::kVersion3;
            else Usage("-v is 1, 2c or 3");
            break;
        case 'c': s.readCommunity = s.writeCommunity = value; break;
        case 'u': s.securityName = value; break;
        case 'l': s.securityLevel = Level(value); break;
        case 'a':
            if (value != "MD5" && value != "SHA") Usage("-a is MD5 or SHA");
            s.authProtocol = value == "MD5" ? zt::snmpcode::kAuthMd5 : zt::snmpcode::kAuthSha;
            break;
        case 'A': s.authPassword = value; break;
        case 'x':
            if (value != "DES") Usage("the module speaks DES privacy only");
            s.privProtocol = zt::snmpcode::kPrivDes;
            break;
        case 'X': s.privPassword = value; break;
        case 't': walk.timeoutSeconds = std::atof(value.c_str()); break;
        case 'r': walk.retries = std::atoi(value.c_str()); break;
        default: Usage("unknown option " + option);
        }
    }
    if (i + 1 >= argc)
        Usage("a host and at least one column are needed");
    std::string host = argv[i++];
    if (host.rfind("udp:", 0) == 0)
        host = host.substr(4);
    const auto colon = host.rfind(':');
    launch.device.address = colon == std::string::npos ? host : host.substr(0, colon);
    launch.device.port = colon == std::string::npos ? 161 : static_cast<std::uint16_t>(std::atoi(host.c_str() + colon + 1));
    for (; i < argc; ++i)
        walk.columns.push_back(argv[i][0] == '.' ? argv[i] + 1 : argv[i]);
    return walk;
}

std::string RuntimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime ? runtime : "/tmp";
}

} // namespace

int main(int argc, char** argv)
{
    IdleLoop loop;
    try {
        zt::CreateSession(RuntimeFolder(), loop);
        const Walk walk = ParseArguments(argc, argv, zt::GlobalLaunchSettings());
        ColumnWalk request;
        request.timeout = static_cast<int>(walk.timeoutSeconds * 100);
        request.retries = walk.retries;
        std::vector<zt::ZtSNMPVarTableRecord> table;
        for (const auto& column : walk.columns)
            table.push_back({column.c_str(), column.c_str(), zt::syn::DisplayString, zt::acc::ReadOnly});
        table.push_back(zt::kEndOfTable);
        request.varList = zt::ZtSNMPVarList(table.data(), zt::listkind::Table, 0);
        request.resultHandler = [](const zt::ZtSNMPError& e) {
            std::fprintf(stderr, "trv4410-walk: %d %s\n", e.code, e.message.c_str());
        };
        bool ok = true;
        std::string out;
        for (bool first = true; request.GetOnce(ok, first); first = false) {
            for (int c = 0; c < request.varList.Count(); ++c)
                out += (c ? "\t" : "") + request.varList.Item(c).value;
            out += '\n';
            if (out.size() > 1 << 16) {
                std::fputs(out.c_str(), stdout);
                out.clear();
            }
        }
        std::fputs(out.c_str(), stdout);
        zt::DestroySession();
        return ok ? 0 : 1;
    } catch (const vcl::Exception& e) {
        std::fprintf(stderr, "trv4410-walk: %s\n", e.Message().c_str());
        zt::DestroySession();
        return 1;
    }
}
