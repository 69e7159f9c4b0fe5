#include "settings/LanguageTable.h"

namespace tw {
namespace {

using enum LanguageTargetKind;

} // namespace

const std::array<LanguageRow, LanguageRowCount> LanguageRows = {{
    {"FormData", "Caption", "Talkwarden", WindowCaption, ""},
    {"FormData", "FontName", "MS Sans Serif", WindowFont, ""},
    {"FormData", "RefNum", "Reference Number", ControlText, "Label1"},
    {"FormData", "String Data", "String Data", ControlText, "Label2"},
    {"FormData", "Write", "WRITE", ControlText, "Button1"},
    {"FormData", "Reload", "RELOAD", ControlText, "Button2"},
    {"FormData", "Jump", "JUMP", ControlText, "Button3"},
    {"File", "File", "&File", MenuTitle, "File1"},
    {"File", "Open PAT", "&Open PAT", CommandCaption, "FileOpen1"},
    {"File", "FileOpenHint", "Open PAT File", CommandHint, "FileOpen1"},
    {"File", "Save PAT", "&Save PAT", CommandCaption, "FileSave"},
    {"File", "FileSaveHint", "Save PAT File", CommandHint, "FileSave"},
    {"File", "Exit", "E&xit", CommandCaption, "FileExit"},
    {"File", "FileExitHint", "Exit Application", CommandHint, "FileExit"},
    {"Edit", "Edit", "&Edit", MenuTitle, "Edit1"},
    {"Edit", "Copy", "&Copy", CommandCaption, "EditCopy1"},
    {"Edit", "CopyHint", "Copy", CommandHint, "EditCopy1"},
    {"Edit", "Cut", "Cu&t", CommandCaption, "EditCut1"},
    {"Edit", "CutHint", "Cut", CommandHint, "EditCut1"},
    {"Edit", "Paste", "&Paste", CommandCaption, "EditPaste1"},
    {"Edit", "PasteHint", "Paste", CommandHint, "EditPaste1"},
    // The Font command has no hint key of its own: both read Font.
    {"Edit", "Font", "&Font", CommandCaption, "EditFont"},
    {"Edit", "Font", "Font Setting", CommandHint, "EditFont"},
    // Unlike the designed captions, these three defaults carry no access key.
    {"Edit", "Setting", "Setting...", CommandCaption, "EditSetting"},
    {"Edit", "SettingHint", "Edit Settings", CommandHint, "EditSetting"},
    {"Edit", "Search", "Sea&rch", CommandCaption, "EditSearch"},
    {"Edit", "SearchHint", "Search strings", CommandHint, "EditSearch"},
    {"Edit", "SearchNext", "Search &Next", CommandCaption, "EditNext"},
    {"Edit", "SearchNextHint", "Search Next", CommandHint, "EditNext"},
    {"Language", "Language", "&Language", MenuTitle, "Language1"},
    {"Language", "English", "English", CommandCaption, "LangEng"},
    {"Language", "EngHint", "Use English", CommandHint, "LangEng"},
    {"Language", "Japanese", "Japanese", CommandCaption, "LangJp"},
    {"Language", "JpHint", "Use Japanese", CommandHint, "LangJp"},
    {"Error", "NotFound", "Dialog.tlk is not found!!", Message, "NotFound"},
    {"Error", "NFCaption", "Error", Message, "NFCaption"},
    {"Error", "QueryNotFound", "Search string is not found.", Message, "QueryNotFound"},
    {"Error", "QueryCaption", "Not Found", Message, "QueryCaption"},
    {"Dialog", "DlgCaption", "Loading...", Message, "DlgCaption"},
    {"Dialog", "DlgLabel", "Please wait while loading.", Message, "DlgLabel"},
    {"Dialog", "SavCaption", "Saving...", Message, "SavCaption"},
    {"Dialog", "SavLabel", "Please wait while saving.", Message, "SavLabel"},
    {"Dialog", "SettingCaption", "Setting", Message, "SettingCaption"},
    {"Dialog", "SettingPrompt", "dialog.tlk's path:", Message, "SettingPrompt"},
    {"Dialog", "SearchCaption", "Search", Message, "SearchCaption"},
    // The initial prompt reads "Search String:"; a language file without the key gives this one.
    {"Dialog", "SearchPrompt", "Search string:", Message, "SearchPrompt"},
    {"Caution", "NotSave", "Data is modified and not saved.Do you save data?", Message, "NotSave"},
    {"Caution", "NotSaveCaption", "Caution", Message, "NotSaveCaption"},
}};

std::array<std::string, LanguageRowCount> readLanguageFile(const IniFile& file)
{
    std::array<std::string, LanguageRowCount> texts;
    for (std::size_t i = 0; i < LanguageRowCount; ++i)
        texts[i] = file.readString(LanguageRows[i].section, LanguageRows[i].key, LanguageRows[i].fallback);
    return texts;
}

} // namespace tw
