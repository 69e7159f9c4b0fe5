#include "text/LineBreaks.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct Conversion {
    std::string from;
    std::string to;
};

TEST(LineBreaks, StoredTextShowsEveryBreakAsCrLf)
{
    const Conversion cases[] = {
        {"", ""},
        {"no break", "no break"},
        {"a\nb", "a\r\nb"},
        {"a\r\nb", "a\r\nb"},
        {"a\rb", "a\r\nb"},
        {"\n\n", "\r\n\r\n"},
        {"\n\r", "\r\n\r\n"},
        {"\r\r\n", "\r\n\r\n"},
        {"\r\n\n", "\r\n\r\n"},
        {"end\r", "end\r\n"},
        {"\nstart", "\r\nstart"},
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(toTextBoxLineBreaks(c.from), c.to) << testing::PrintToString(c.from);
}

TEST(LineBreaks, TextBoxPairsBecomeOneLfAndNothingElseChanges)
{
    const Conversion cases[] = {
        {"", ""},
        {"a\r\nb", "a\nb"},
        {"\r\n\r\n", "\n\n"},
        {"\r\r\n", "\r\n"},
        {"\r\n\n", "\n\n"},
        {"a\rb", "a\rb"},
        {"a\n", "a\n"},
        {"\n\r", "\n\r"},
        {"end\r", "end\r"},
    };
    for (const Conversion& c : cases)
        EXPECT_EQ(toStoredLineBreaks(c.from), c.to) << testing::PrintToString(c.from);
}

TEST(LineBreaks, TextWithLfBreaksComesBackFromTheTextBoxUnchanged)
{
    for (const char* text : {"one\ntwo\n\nthree\n", "\n", "plain", "\xE9\n\x82\xA0"})
        EXPECT_EQ(toStoredLineBreaks(toTextBoxLineBreaks(text)), text);
    // A held CR LF or a lone CR is stored as LF once it has been through the text box.
    EXPECT_EQ(toStoredLineBreaks(toTextBoxLineBreaks("a\r\nb\rc")), "a\nb\nc");
}

} // namespace
} // namespace tw
