#pragma once

#include <string>

namespace tw {

struct GameFolderLookup {
    // The folder as a file system path (UTF-8), or empty when the key or the value is missing or empty.
    std::string folder;
    // Set when the value exists with a type other than a string: "Invalid data type for 'Path'".
    std::string failure;
};

// Reads the value Path of HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\BG2Main.Exe
// from a Wine registry file (system.reg). A value C:\... becomes <prefix>/dosdevices/c:/... with
// backslashes turned into "/", the prefix being the folder of the registry file.
GameFolderLookup lookUpGameFolder(const std::string& registryFile);

// The registry file of this run: $TALKWARDEN_REGISTRY, otherwise $WINEPREFIX/system.reg,
// otherwise ~/.wine/system.reg.
std::string registryFileFromEnvironment();

} // namespace tw
