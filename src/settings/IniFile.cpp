#include "settings/IniFile.h"

#include "fileio/ReplaceFile.h"
#include "settings/AsciiCase.h"
#include "settings/TextLines.h"
#include "settings/WholeFile.h"
#include "text/IntegerText.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace tw {
namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view text)
{
    std::size_t begin = text.find_first_not_of(Blanks);
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(Blanks) - begin + 1);
}

// The name of a trimmed line that opens a section, "[name]".
std::optional<std::string_view> sectionName(std::string_view line)
{
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return trimBlanks(line.substr(0, line.find(']')));
}

// Where a key stands in a file, or where it would be added.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    TextLine keyLine;         // the key's line, when found
    std::string_view value;   // its value, trimmed
    std::size_t addAt = 0;    // after the last key line of the section, or after its opening line
};

// Only the first section of that name is looked at, and in it the first line of the key.
KeyPlace locateKey(std::string_view file, std::string_view section, std::string_view key)
{
    KeyPlace place;
    bool inSection = false;
    // An editor may put a UTF-8 mark before the first section.
    std::size_t begin = file.starts_with(Utf8Mark) ? Utf8Mark.size() : 0;
    while (begin < file.size()) {
        TextLine line = lineAt(file, begin);
        begin = line.next;
        std::string_view text = trimBlanks(line.in(file));
        if (auto name = sectionName(text)) {
            if (inSection)
                break;
            inSection = equalsIgnoringAsciiCase(*name, section);
            place.sectionFound = inSection;
            place.addAt = line.next;
            continue;
        }
        std::size_t equals = text.find('=');
        if (!inSection || text.starts_with(';') || equals == std::string_view::npos)
            continue;
        place.addAt = line.next;
        if (equalsIgnoringAsciiCase(trimBlanks(text.substr(0, equals)), key)) {
            place.keyFound = true;
            place.keyLine = line;
            place.value = trimBlanks(text.substr(equals + 1));
            break;
        }
    }
    return place;
}

// The file's own line ending, taken from its first line break; CR LF when it has none.
std::string_view lineEndingOf(std::string_view file)
{
    std::size_t lf = file.find('\n');
    if (lf != std::string_view::npos && (lf == 0 || file[lf - 1] != '\r'))
        return "\n";
    return "\r\n";
}

std::string withKeyWritten(std::string_view file, std::string_view section, std::string_view key, std::string_view value)
{
    KeyPlace place = locateKey(file, section, key);
    std::string keyLine = std::string(key) + "=" + std::string(value);
    if (place.keyFound)
        return std::string(file.substr(0, place.keyLine.begin)) + keyLine + std::string(file.substr(place.keyLine.end));

    std::string_view ending = lineEndingOf(file);
    std::size_t at = place.sectionFound ? place.addAt : file.size();
    std::string added;
    // A last line that ends in a CR alone gets only its LF: another line ending after the CR
    // would leave that CR at the end of the line's value.
    if (at > 0 && file[at - 1] == '\r')
        added += '\n';
    else if (at > 0 && file[at - 1] != '\n')
        added += ending;
    if (!place.sectionFound) {
        added += '[';
        added += section;
        added += ']';
        added += ending;
    }
    added += keyLine;
    added += ending;
    return std::string(file.substr(0, at)) + added + std::string(file.substr(at));
}

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

Result createParentFolder(const std::string& path)
{
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty())
        return Result::success();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return Result::failure("Cannot create the folder \"" + folder.string() + "\": " + error.message() + ".");
    return Result::success();
}

} // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    std::optional<std::string> file;
    if (!readWholeFile(path_, file).ok() || !file)
        return std::string(fallback);
    KeyPlace place = locateKey(*file, section, key);
    return std::string(place.keyFound ? place.value : fallback);
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const
{
    // A value that begins with 0x or 0X is one of the forms the standard conversion takes, so one
    // call covers the hexadecimal rule and everything else.
    return parseStandardInteger(readString(section, key, "")).value_or(fallback);
}

Result IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    // A line break would end the line early and put the rest on a line of its own.
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value))
        return Result::failure("Cannot write \"" + std::string(key) + "\" into \"" + path_ + "\": it holds a line break.");
    std::optional<std::string> current;
    TW_TRY(readWholeFile(path_, current));
    TW_TRY(createParentFolder(path_));
    std::string updated = withKeyWritten(current.value_or(std::string()), section, key, value);
    return replaceFile(path_, "", [&updated](SequentialWriter& writer) {
        return writer.write(updated.data(), updated.size());
    });
}

Result IniFile::writeInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    return writeString(section, key, std::to_string(value));
}

} // namespace tw
