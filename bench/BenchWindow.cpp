#include "BenchWindow.h"

#include <filesystem>
#include <fstream>

namespace tw::bench {

BenchWindow::BenchWindow(const std::string& tablePath)
{
    std::filesystem::copy_file(tablePath, folder_ / "dialog.tlk");
    testing::writeFile(folder_ / "talkwarden.INI", "[ProgramOption]\r\nPath=" + folder_.path() + "/\r\n");
    WindowEnvironment environment;
    environment.programFolder = folder_.path() + "/";
    environment.settingsFile = folder_ / "talkwarden.INI";
    environment.registryFile = folder_ / "system.reg";
    environment.codePage = CodePageId::Windows1252;
    window_ = std::make_unique<TForm1>(environment, prompts_);
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return -1;
}

} // namespace tw::bench
