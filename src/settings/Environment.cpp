#include "settings/Environment.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace tw {

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string homeFolder()
{
    std::string home = environmentValue("HOME");
    if (!home.empty())
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

} // namespace tw
