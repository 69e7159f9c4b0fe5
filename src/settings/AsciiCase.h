#pragma once

#include <string_view>

namespace tw {

// Whether two names are equal when ASCII letters are folded to lower case; other bytes compare as
// they are. Section, key and registry names are matched this way.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace tw
