#pragma once
// Which message catalogue files the module loads at start, and from where.
#include <string>

namespace app {

// Next to the executable: "<exe folder>/errMSg/<file>".
void LoadCataloguesBesideExecutable(const std::string& exeFolder);

// From the host's help folder: "<help base>errmsg/<file>". Found files replace
// the texts of the first pass.
void LoadCataloguesFromHelpBase(const std::string& helpBase);

} // namespace app
