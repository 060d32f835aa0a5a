#include "common/JoinPath.h"

namespace zt {

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace zt
