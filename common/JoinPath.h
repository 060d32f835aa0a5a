#pragma once
#include <string>

namespace zt {

// folder + "/" + name; an empty folder gives the name, a folder ending in "/" no second one.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace zt
