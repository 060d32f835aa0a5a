#pragma once
#include <string>
#include <vector>

#include "common/ErrorCatalogue.h"

namespace zt {

// The texts a table has before any catalogue file is loaded, in position order.
const std::vector<std::string>& BuiltInTexts(Catalogue table);

} // namespace zt
