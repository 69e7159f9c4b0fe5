// Any bytes as a settings or language file: every read the program makes gives a value without
// failing, and writing one key in place changes that key alone and reads back as written.
#include "FuzzFolder.h"
#include "settings/IniFile.h"
#include "settings/LanguageTable.h"
#include "settings/ProgramOptions.h"

#include <algorithm>

using namespace tw;

namespace {

bool sameOtherOptions(const ProgramOptions& a, const ProgramOptions& b)
{
    return a.LanguageFile == b.LanguageFile && a.LanguageNumber == b.LanguageNumber && a.FontName == b.FontName &&
           a.FontSize == b.FontSize && a.Top == b.Top && a.Left == b.Left && a.Width == b.Width && a.Height == b.Height;
}

ProgramOptions readOptions(const IniFile& file)
{
    ProgramOptions options;
    readFolderAndLanguage(file, options);
    readFontAndBounds(file, options);
    return options;
}

// The value to write: the input's first bytes up to its first line break, which a value cannot hold.
std::string valueFrom(std::string_view input)
{
    return std::string(input.substr(0, std::min<std::size_t>(input.find_first_of("\r\n"), 24)));
}

std::string trimmed(const std::string& value)
{
    const std::size_t begin = value.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return "";
    return value.substr(begin, value.find_last_not_of(" \t") - begin + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::FuzzFolder folder;
    const std::string path = folder / "settings.ini";
    fuzz::writeInput(path, data, size);
    IniFile file(path);

    readLanguageFile(file);
    file.readInteger("FormData", "FontSize", -1);
    const ProgramOptions before = readOptions(file);

    const std::string value = valueFrom(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::require(file.writeString(ProgramOptionSection, "Path", value).ok(), "a key can be written");
    const ProgramOptions after = readOptions(file);
    fuzz::require(after.TlkFolder == trimmed(value), "a written key reads back as written, trimmed");
    fuzz::require(sameOtherOptions(before, after), "writing one key changes no other key");
    return 0;
}
