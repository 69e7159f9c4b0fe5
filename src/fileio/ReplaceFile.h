#pragma once

#include "fileio/SequentialIO.h"

#include <functional>
#include <string>

namespace tw {

using FileFiller = std::function<Result(SequentialWriter&)>;

// Writes a new file at `path` without ever leaving a partial file as the only copy: `fill` writes
// into a temporary file beside `path`, which is flushed to disk and then moved into place. When
// `backupPath` is not empty, an existing file at `path` becomes the backup (replacing an older one);
// with no file at `path` an older backup is kept. A file at `path` that another program holds locked
// is not replaced. On failure the reason is returned and `path` and `backupPath` are as they were.
Result replaceFile(const std::string& path, const std::string& backupPath, const FileFiller& fill);

} // namespace tw
