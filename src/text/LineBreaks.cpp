#include "text/LineBreaks.h"

namespace tw {

std::string toTextBoxLineBreaks(std::string_view stored)
{
    std::string textBox;
    textBox.reserve(stored.size() + stored.size() / 16);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '\r') {
            textBox += "\r\n";
            if (i + 1 < stored.size() && stored[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            textBox += "\r\n";
        } else {
            textBox.push_back(c);
        }
    }
    return textBox;
}

std::string toStoredLineBreaks(std::string_view textBox)
{
    std::string stored;
    stored.reserve(textBox.size());
    for (std::size_t i = 0; i < textBox.size(); ++i) {
        if (textBox[i] == '\r' && i + 1 < textBox.size() && textBox[i + 1] == '\n')
            continue; // the LF that follows stands for the pair
        stored.push_back(textBox[i]);
    }
    return stored;
}

} // namespace tw
