#include "window/WindowEnvironment.h"

#include "settings/ProgramOptions.h"
#include "settings/RegistryLookup.h"

#include <QCoreApplication>

namespace tw {

WindowEnvironment WindowEnvironment::ofThisProcess()
{
    WindowEnvironment environment;
    environment.programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
    environment.settingsFile = settingsFilePath(QCoreApplication::applicationFilePath().toStdString());
    environment.registryFile = registryFileFromEnvironment();
    environment.codePage = codePageFromEnvironment();
    return environment;
}

} // namespace tw
