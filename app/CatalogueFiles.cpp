#include "app/CatalogueFiles.h"

#include "common/ErrorCatalogue.h"
#include "platform/FileSystem.h"

namespace app {
namespace {

struct CatalogueFile {
    const char* name;
    zt::Catalogue table;
};

// The folder and file names are matched without regard to case, as they were
// on the system the catalogues come from.
void LoadFiles(const std::string& folder, const std::string& relativePrefix, const CatalogueFile* files, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        zt::LoadCatalogue(files[i].table, platform::ResolveIgnoringCase(folder, relativePrefix + files[i].name));
}

} // namespace

void LoadCataloguesBesideExecutable(const std::string& exeFolder)
{
    static const CatalogueFile files[] = {
        {"snmpclass.err", zt::Catalogue::SnmpClass}, {"snmp.err", zt::Catalogue::SnmpStatus},
        {"snmp.msg", zt::Catalogue::StatusTemplates}, {"ztsnmp.err", zt::Catalogue::ZtSnmp},
        {"snmpv3.err", zt::Catalogue::SnmpV3},        {"snmpusm.err", zt::Catalogue::SnmpUsm},
        {"common.err", zt::Catalogue::Common},
    };
    LoadFiles(exeFolder, "errMSg/", files, std::size(files));
}

void LoadCataloguesFromHelpBase(const std::string& helpBase)
{
    static const CatalogueFile files[] = {
        {"common.err", zt::Catalogue::Common},     {"snmp.err", zt::Catalogue::SnmpStatus},
        {"snmpv3.err", zt::Catalogue::SnmpV3},     {"snmpusm.err", zt::Catalogue::SnmpUsm},
        {"snmpclass.err", zt::Catalogue::SnmpClass}, {"ztsnmp.err", zt::Catalogue::ZtSnmp},
        {"snmp.msg", zt::Catalogue::StatusTemplates},
    };
    // The help base is a prefix, not necessarily a folder: "/opt/help/x" + "errmsg/...".
    const auto slash = helpBase.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string{} : helpBase.substr(0, slash + 1);
    const std::string prefix = slash == std::string::npos ? helpBase : helpBase.substr(slash + 1);
    LoadFiles(folder, prefix + "errmsg/", files, std::size(files));
}

} // namespace app
