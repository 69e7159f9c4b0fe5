#pragma once

#include <string>

namespace tw {

// The value of the environment variable `name`; empty when it is not set.
std::string environmentValue(const char* name);

// The user's home folder: $HOME, otherwise the one the user database names (empty when neither).
std::string homeFolder();

} // namespace tw
