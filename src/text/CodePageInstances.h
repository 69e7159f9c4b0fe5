#pragma once

#include "text/CodePage.h"

namespace tw {

// The one object of each code page, made at first use.
const CodePage& windows1252CodePage();
const CodePage& shiftJisCodePage();
const CodePage& utf8CodePage();

} // namespace tw
