#include "patch/DifferingTexts.h"

#include <string>

namespace tw {

Result markDifferingTexts(const TalkTable& original, TalkTable& changed)
{
    const std::uint32_t count = changed.EntryCount();
    // A patch only replaces texts: it cannot add an entry to a table or take one away.
    if (original.EntryCount() != count)
        return Result::failure("The tables have different entry counts (" + std::to_string(original.EntryCount()) +
                               " and " + std::to_string(count) + "); a patch only carries texts between tables "
                               "of the same size.");
    for (std::uint32_t i = 0; i < count; ++i) {
        if (changed.textBytes(i) != original.textBytes(i))
            changed.setPatchMark(i, 1);
    }
    return Result::success();
}

} // namespace tw
