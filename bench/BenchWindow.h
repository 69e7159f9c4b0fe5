#pragma once

#include "QuietPrompts.h"
#include "support/TempFolder.h"
#include "window/Unit1.h"

#include <memory>
#include <string>

namespace tw::bench {

// The real main window over a program folder of its own: a copy of `tablePath` as its dialog.tlk
// and a settings file that points there. Boxes are answered silently and counted.
class BenchWindow {
public:
    explicit BenchWindow(const std::string& tablePath);

    TForm1& window() { return *window_; }
    // True when the window came up without showing any box, so the table was loaded.
    bool cameUpQuietly() const { return prompts_.shown == 0; }

private:
    testing::TempFolder folder_;
    QuietPrompts prompts_;
    std::unique_ptr<TForm1> window_;
};

// The resident size of this process, in KiB, as /proc/self/status tells it; -1 if it cannot be read.
long residentKilobytes();

} // namespace tw::bench
