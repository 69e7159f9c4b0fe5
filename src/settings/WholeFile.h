#pragma once

#include "fileio/Result.h"

#include <optional>
#include <string>

namespace tw {

// Reads the whole file at `path` into `bytes`. A file that does not exist leaves `bytes` empty
// and succeeds; any other failure (a folder in its place, no permission) is returned with its reason.
Result readWholeFile(const std::string& path, std::optional<std::string>& bytes);

} // namespace tw
