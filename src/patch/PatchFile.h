#pragma once

#include "fileio/Result.h"
#include "talktable/TalkTable.h"

#include <string>

namespace tw {

// Writes every entry whose PatchMark is 1, in ascending order, to the patch file at `path`, then
// clears those marks. On failure the reason is returned, no mark is cleared and a file already
// at `path` is as it was.
Result exportPatch(TalkTable& table, const std::string& path);

// Reads the patch file at `path` whole, checks every record, then applies them in file order
// through ImportEntryText. A file that is cut short or names an entry not below EntryCount is
// refused with the reason, and the table is as it was.
Result importPatch(TalkTable& table, const std::string& path);

} // namespace tw
