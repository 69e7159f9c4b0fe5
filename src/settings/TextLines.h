#pragma once

#include <cstddef>
#include <string_view>

namespace tw {

// One line of a text whose lines end with LF or CR LF.
struct TextLine {
    std::size_t begin = 0; // first byte of the line
    std::size_t end = 0;   // end of its text, before its CR LF or LF
    std::size_t next = 0;  // where the following line begins (the text's size after the last line)

    std::string_view in(std::string_view text) const { return text.substr(begin, end - begin); }
};

// The line that begins at `begin`.
inline TextLine lineAt(std::string_view text, std::size_t begin)
{
    std::size_t lf = text.find('\n', begin);
    TextLine line;
    line.begin = begin;
    line.end = lf == std::string_view::npos ? text.size() : lf;
    line.next = lf == std::string_view::npos ? text.size() : lf + 1;
    if (line.end > begin && text[line.end - 1] == '\r')
        --line.end;
    return line;
}

} // namespace tw
