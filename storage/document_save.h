#pragma once

#include <filesystem>
#include <string>

#include "model/document.h"
#include "storage/settings.h"

namespace vellex {

// Saves `doc` in the layout of `settings` and, with `withOwnSettings`, its settings file
// beside it: both change together or neither does (a new document beside old settings
// would open in the wrong layout). On failure `error` names the file and the cause.
bool saveDocumentFiles(const std::filesystem::path& path, const Document& doc,
                       const Settings& settings, bool withOwnSettings, std::string* error);

}  // namespace vellex
