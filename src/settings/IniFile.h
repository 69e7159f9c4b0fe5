#pragma once

#include "fileio/Result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

// Access to one INI file (the settings file or a language file) by the Windows rules: sections
// and keys matched without regard to case, keys may hold blanks, values trimmed of blanks, an empty
// value stays empty. Nothing is cached: every read and every write goes to the file. Reads never
// fail (a missing file, section or key gives the default); a write reports its failure.
class IniFile {
public:
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // The default when the key is missing, empty or not a number. A value of more than two characters
    // that begins with 0x or 0X is hexadecimal; anything else goes through the standard conversion.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

    // Replaces the key's value in place, or adds the key at the end of its section, creating the
    // section, the file and its folder when missing; every other line stays as it was. A written line
    // takes the file's own line ending (CR LF in a new file). A section, key or value that holds a
    // line break is refused. On failure the reason is returned and the file is as it was.
    Result writeString(std::string_view section, std::string_view key, std::string_view value);
    // Decimal digits, with a leading minus sign when negative.
    Result writeInteger(std::string_view section, std::string_view key, std::int32_t value);

private:
    std::string path_;
};

} // namespace tw
