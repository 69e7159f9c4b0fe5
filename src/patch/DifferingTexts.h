#pragma once

#include "fileio/Result.h"
#include "talktable/TalkTable.h"

namespace tw {

// Marks every entry of `changed` whose text bytes (all TextLength of them) differ from those of
// the same entry of `original`, so that exporting `changed` gives the patch that turns `original`
// into it; the other marks stay as they are. Tables with different entry counts are refused with
// the reason, and no mark changes.
Result markDifferingTexts(const TalkTable& original, TalkTable& changed);

} // namespace tw
