#include "settings/ProgramOptions.h"

#include "settings/Environment.h"

#include <unistd.h>

namespace tw {
namespace {

// The defaults of the keys are the values a fresh ProgramOptions holds.
const ProgramOptions Defaults;

// $XDG_CONFIG_HOME when it is set to an absolute path, otherwise ~/.config.
std::string configFolder()
{
    std::string configHome = environmentValue("XDG_CONFIG_HOME");
    if (configHome.starts_with('/'))
        return configHome;
    return homeFolder() + "/.config";
}

} // namespace

void readFolderAndLanguage(const IniFile& settings, ProgramOptions& options)
{
    options.TlkFolder = settings.readString(ProgramOptionSection, "Path", Defaults.TlkFolder);
    options.LanguageFile = settings.readString(ProgramOptionSection, "Language", Defaults.LanguageFile);
    options.LanguageNumber = settings.readInteger(ProgramOptionSection, "Language Number", Defaults.LanguageNumber);
}

void readFontAndBounds(const IniFile& settings, ProgramOptions& options)
{
    options.FontName = settings.readString(ProgramOptionSection, "FontName", Defaults.FontName);
    options.FontSize = settings.readInteger(ProgramOptionSection, "FontSize", Defaults.FontSize);
    options.Top = settings.readInteger(ProgramOptionSection, "Top", options.Top);
    options.Left = settings.readInteger(ProgramOptionSection, "Left", options.Left);
    options.Width = settings.readInteger(ProgramOptionSection, "Width", Defaults.Width);
    options.Height = settings.readInteger(ProgramOptionSection, "Height", Defaults.Height);
}

Result writeProgramOptions(IniFile& settings, const ProgramOptions& options)
{
    TW_TRY(settings.writeString(ProgramOptionSection, "Path", options.TlkFolder));
    TW_TRY(settings.writeString(ProgramOptionSection, "Language", options.LanguageFile));
    TW_TRY(settings.writeInteger(ProgramOptionSection, "Language Number", options.LanguageNumber));
    TW_TRY(settings.writeString(ProgramOptionSection, "FontName", options.FontName));
    TW_TRY(settings.writeInteger(ProgramOptionSection, "FontSize", options.FontSize));
    TW_TRY(settings.writeInteger(ProgramOptionSection, "Top", options.Top));
    TW_TRY(settings.writeInteger(ProgramOptionSection, "Left", options.Left));
    TW_TRY(settings.writeInteger(ProgramOptionSection, "Width", options.Width));
    return settings.writeInteger(ProgramOptionSection, "Height", options.Height);
}

std::string settingsFilePath(const std::string& programPath)
{
    std::size_t slash = programPath.rfind('/');
    std::size_t nameBegin = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = programPath.rfind('.');
    std::size_t nameEnd = dot != std::string::npos && dot >= nameBegin ? dot : programPath.size();
    std::string besideProgram = programPath.substr(0, nameEnd) + ".INI";

    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : programPath.substr(0, slash);
    if (::access(folder.c_str(), W_OK) == 0)
        return besideProgram;
    return configFolder() + "/talkwarden/" + besideProgram.substr(nameBegin);
}

} // namespace tw
