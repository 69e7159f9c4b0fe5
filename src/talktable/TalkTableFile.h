#pragma once

#include "fileio/Result.h"
#include "talktable/TalkTable.h"

#include <string>

namespace tw {

// Reads the dialog.tlk at `path` (a file system path) in one sequential pass and checks it whole
// before the store changes: on failure the reason is returned and `table` is exactly as it was.
Result readTalkTable(const std::string& path, TalkTable& table);

// Writes `table` to `path`, an existing file there becoming `backupPath`; a table that was never
// loaded is refused. On failure the reason is returned and both files are as they were.
Result writeTalkTable(const TalkTable& table, const std::string& path, const std::string& backupPath);

// The backup beside a table: `path` with its extension (from the last "." after the last "/")
// replaced by ".bak", or ".bak" appended when it has none.
std::string backupPathFor(const std::string& path);

} // namespace tw
