#pragma once

#include <string>
#include <string_view>

namespace tw {

// A stored text marks a line break with LF, the text box with CR LF.

// Every LF that does not follow a CR and every CR that is not followed by an LF becomes CR LF;
// CR LF pairs stay as they are.
std::string toTextBoxLineBreaks(std::string_view stored);

// Every CR LF pair, taken left to right, becomes one LF; nothing else changes.
std::string toStoredLineBreaks(std::string_view textBox);

} // namespace tw
