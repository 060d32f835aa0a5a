#include "snmp/LaunchSettings.h"

namespace zt {

LaunchSettings& GlobalLaunchSettings()
{
    static LaunchSettings settings;
    return settings;
}

int& DefaultTimeout()
{
    static int timeout = kFactoryDefaultTimeout;
    return timeout;
}

} // namespace zt
