#include "text/CodePage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tw {
namespace {

const CodePage& windows1252() { return codePage(CodePageId::Windows1252); }
const CodePage& shiftJis() { return codePage(CodePageId::ShiftJis); }
const CodePage& utf8() { return codePage(CodePageId::Utf8); }

const CodePage* const AllPages[] = {&windows1252(), &shiftJis(), &utf8()};

std::string lowered(const CodePage& page, std::string text)
{
    page.lowerInPlace(text.data(), text.size());
    return text;
}

std::string roundTrip(const CodePage& page, std::string_view bytes)
{
    return page.fromDisplay(page.toDisplay(bytes));
}

std::string pageName(const CodePage& page)
{
    return std::to_string(static_cast<std::uint32_t>(page.id()));
}

TEST(CodePage, EachIdGivesItsOwnPage)
{
    for (CodePageId id : {CodePageId::Windows1252, CodePageId::ShiftJis, CodePageId::Utf8})
        EXPECT_EQ(codePage(id).id(), id);
}

struct LowerCase {
    const CodePage* page;
    std::string text;
    std::string expected;
};

TEST(CodePage, LowerCasesLettersOnlyAndKeepsTrailBytes)
{
    const LowerCase cases[] = {
        {&windows1252(), "ABC xyz [@`{", "abc xyz [@`{"},
        {&windows1252(), "\xC0\xC9\xD6\xD7\xD8\xDE\xDF\xE0", "\xE0\xE9\xF6\xD7\xF8\xFE\xDF\xE0"},
        {&windows1252(), "\x8A\x8C\x8E\x9F\x9A\x9C\x9E\xFF", "\x9A\x9C\x9E\xFF\x9A\x9C\x9E\xFF"},
        {&windows1252(), "\x80\x83\x8D\xAA\xB5\xBA", "\x80\x83\x8D\xAA\xB5\xBA"},
        // Shift-JIS: ASCII and the full-width capitals (Ａ 0x8260 to Ｚ 0x8279) fold.
        {&shiftJis(), "ABC", "abc"},
        {&shiftJis(), "\x82\x60\x82\x6D\x82\x79", "\x82\x81\x82\x8E\x82\x9A"},
        // ア is 0x83 0x41 and セ 0x83 0x5A: a trail byte that looks like a capital stays.
        {&shiftJis(), "\x83\x41\x83\x5A" "B", "\x83\x41\x83\x5A" "b"},
        // 0x81 0x82 is one character, so the 0x60 after it is not the trail of Ａ.
        {&shiftJis(), "\x81\x82\x60", "\x81\x82\x60"},
        // Half-width katakana are single bytes: the letter after one folds.
        {&shiftJis(), "\xB1" "A", "\xB1" "a"},
        {&shiftJis(), "A\x82", "a\x82"},
        // UTF-8: À É, Greek, Cyrillic and full-width Ａ fold; İ, the Kelvin sign and ẞ, whose lower
        // case has another length, stay.
        {&utf8(), "\xC3\x80\xC3\x89", "\xC3\xA0\xC3\xA9"},
        {&utf8(), "\xCE\x91\xCE\xA9\xD0\x90\xD0\xAF", "\xCE\xB1\xCF\x89\xD0\xB0\xD1\x8F"},
        {&utf8(), "\xEF\xBC\xA1", "\xEF\xBD\x81"},
        {&utf8(), "\xC4\xB0\xE2\x84\xAA\xE1\xBA\x9E", "\xC4\xB0\xE2\x84\xAA\xE1\xBA\x9E"},
        {&utf8(), "A\xC3" "B\xFF" "C\x80", "a\xC3" "b\xFF" "c\x80"},
    };
    for (const LowerCase& c : cases)
        EXPECT_EQ(lowered(*c.page, c.text), c.expected) << pageName(*c.page) << " " << c.text;
}

TEST(CodePage, Windows1252FoldsExactlyTheLettersWindowsFolds)
{
    for (int b = 0; b < 256; ++b) {
        const bool capital = (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7);
        int expected = capital ? b + 0x20 : b;
        if (b == 0x8A || b == 0x8C || b == 0x8E)
            expected = b + 0x10;
        if (b == 0x9F)
            expected = 0xFF;
        EXPECT_EQ(static_cast<unsigned char>(lowered(windows1252(), std::string(1, char(b)))[0]), expected) << b;
    }
}

TEST(CodePage, LeadBytes)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_FALSE(windows1252().isLeadByte(byte)) << b;
        EXPECT_EQ(shiftJis().isLeadByte(byte), (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) << b;
        EXPECT_EQ(utf8().isLeadByte(byte), b >= 0xC2 && b <= 0xF4) << b;
    }
}

struct Boundaries {
    const CodePage* page;
    std::string text;
    std::vector<bool> starts; // for every position, the end included
};

TEST(CodePage, StartsCharacter)
{
    const Boundaries cases[] = {
        {&windows1252(), "\x82\x60\x82", {true, true, true, true}},
        {&shiftJis(), "\x82\x60\x82\x60", {true, false, true, false, true}},
        // Bytes in the lead-byte range that are trail bytes pair up from the start.
        {&shiftJis(), "\x81\x81\x81\x81" "A", {true, false, true, false, true, true}},
        {&shiftJis(), "A\x81\x81\x81", {true, true, false, true, false}},
        {&shiftJis(), "\xB1\x81\x40", {true, true, false, true}},
        {&utf8(), "a\xC3\xA9\xE2\x82\xAC", {true, true, false, true, false, false, true}},
    };
    for (const Boundaries& c : cases)
        for (std::size_t position = 0; position <= c.text.size(); ++position)
            EXPECT_EQ(c.page->startsCharacter(c.text, position), c.starts[position])
                << pageName(*c.page) << " at " << position;
}

// The definition of a boundary: walk the characters from the start, a lead byte taking the next.
bool startsCharacterByWalking(std::string_view text, std::size_t position)
{
    std::size_t i = 0;
    while (i < position)
        i += shiftJis().isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i == position;
}

std::string randomBytes(std::mt19937& random, std::size_t maxLength, const std::vector<unsigned char>& alphabet)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string bytes(length(random), '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(alphabet[pick(random)]);
    return bytes;
}

std::vector<unsigned char> everyByte()
{
    std::vector<unsigned char> bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<unsigned char>(b));
    return bytes;
}

TEST(CodePage, ShiftJisBoundariesAreThoseOfWalkingFromTheStart)
{
    std::mt19937 random(932);
    // Mostly lead-byte values, so that long runs of them occur.
    const std::vector<unsigned char> alphabet = {0x81, 0x82, 0x9F, 0xE0, 0xFC, 0x40, 0x41, 0xA0, 0xB1, 0xFD};
    for (int round = 0; round < 2000; ++round) {
        const std::string text = randomBytes(random, 24, alphabet);
        for (std::size_t position = 0; position <= text.size(); ++position)
            ASSERT_EQ(shiftJis().startsCharacter(text, position), startsCharacterByWalking(text, position))
                << "round " << round << " at " << position;
    }
}

TEST(CodePage, EveryByteAndEveryPairComesBackUnchanged)
{
    for (const CodePage* page : AllPages) {
        for (int a = 0; a < 256; ++a) {
            const std::string single(1, static_cast<char>(a));
            ASSERT_EQ(roundTrip(*page, single), single) << pageName(*page) << " byte " << a;
            for (int b = 0; b < 256; ++b) {
                const std::string pair = {static_cast<char>(a), static_cast<char>(b)};
                ASSERT_EQ(roundTrip(*page, pair), pair) << pageName(*page) << " bytes " << a << " " << b;
            }
        }
    }
}

TEST(CodePage, RandomByteStringsComeBackUnchanged)
{
    std::mt19937 random(65001);
    const std::vector<unsigned char> anyByte = everyByte();
    // Lead bytes, trail bytes, UTF-8 continuation bytes and the bytes of U+F7xx in UTF-8.
    const std::vector<unsigned char> tricky = {0x81, 0x87, 0x90, 0xED, 0xEE, 0xEF, 0xFA, 0x9C, 0x9F, 0x80,
                                               0xBF, 0xC3, 0xA9, 0xF0, 0xF4, 0x8F, 0x5C, 0x0A, 0x0D, 0x00};
    for (const CodePage* page : AllPages) {
        for (int round = 0; round < 3000; ++round) {
            const std::string bytes = randomBytes(random, 40, round % 2 ? anyByte : tricky);
            ASSERT_EQ(roundTrip(*page, bytes), bytes) << pageName(*page) << " round " << round;
        }
    }
}

struct Display {
    const CodePage* page;
    std::string bytes;
    std::u16string shown;
};

TEST(CodePage, ShowsCharactersAndEscapesWhatDoesNotDecode)
{
    const Display cases[] = {
        {&windows1252(), "Caf\xE9 \x80\x9F", u"Caf\u00E9 \u20AC\u0178"},
        {&windows1252(), "\x81\x8D\x8F\x90\x9D", u"\uF781\uF78D\uF78F\uF790\uF79D"},
        {&shiftJis(), "A\x82\xA0\xB1\x83\x5C", u"A\u3042\uFF71\u30BD"},
        {&shiftJis(), "\x81\xE0", u"\u2252"},
        // The same character under a second code (NEC row 13, NEC-selected IBM): shown as two bytes.
        {&shiftJis(), "\x87\x90\xEE\xEF", u"\uF787\uF790\uF7EE\uF7EF"},
        // A lead byte that forms no character is shown alone; the byte after it is read on its own.
        {&shiftJis(), "\x81\n\x82", u"\uF781\n\uF782"},
        {&shiftJis(), "\x80\xA0\xFD", u"\uF780\uF7A0\uF7FD"},
        {&utf8(), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", u"\u00E9\u20AC\U0001F600"},
        // Overlong, surrogate, beyond U+10FFFF, cut short, stray continuation, never a UTF-8 byte.
        {&utf8(), "\xC0\x80", u"\uF7C0\uF780"},
        {&utf8(), "\xE0\x80\xAF", u"\uF7E0\uF780\uF7AF"},
        {&utf8(), "\xED\xA0\x80", u"\uF7ED\uF7A0\uF780"},
        {&utf8(), "\xF4\x90\x80\x80", u"\uF7F4\uF790\uF780\uF780"},
        {&utf8(), "\xE2\x82" "a", u"\uF7E2\uF782a"},
        {&utf8(), "\x80\xFF", u"\uF780\uF7FF"},
        // U+F700 and U+F7FF written in UTF-8 must not come back as single bytes.
        {&utf8(), "\xEF\x9C\x80\xEF\x9F\xBF", u"\uF7EF\uF79C\uF780\uF7EF\uF79F\uF7BF"},
    };
    for (const Display& c : cases) {
        EXPECT_EQ(c.page->toDisplay(c.bytes), c.shown) << pageName(*c.page) << " " << c.bytes;
        EXPECT_EQ(c.page->fromDisplay(c.shown), c.bytes) << pageName(*c.page) << " " << c.bytes;
    }
}

struct Encoding {
    const CodePage* page;
    std::u16string text;
    std::string bytes;
};

TEST(CodePage, CharactersThatThePageCannotHoldBecomeQuestionMarks)
{
    const std::u16string unpaired = {u'a', char16_t(0xD800), u'b', char16_t(0xDC00)};
    const Encoding cases[] = {
        {&windows1252(), u"\u3042\u0081\u0100\U0001F600", "????"},
        {&windows1252(), unpaired, "a?b?"},
        {&shiftJis(), u"\u00E9\u20AC\U0001F600", "???"},
        {&shiftJis(), unpaired, "a?b?"},
        {&utf8(), unpaired, "a?b?"},
        {&utf8(), u"\U0001F600", "\xF0\x9F\x98\x80"},
    };
    for (const Encoding& c : cases)
        EXPECT_EQ(c.page->fromDisplay(c.text), c.bytes) << pageName(*c.page);
}

TEST(CodePage, Utf8AndUtf16ReplaceIllFormedUnits)
{
    EXPECT_EQ(utf8ToUtf16("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(utf16ToUtf8(u"a\u00E9\u20AC\U0001F600"), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(utf8ToUtf16("a\xFF" "b\xC3"), u"a\uFFFDb\uFFFD");
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(utf16ToUtf8(std::u16string {char16_t(0xDC00), u'x', char16_t(0xD800)}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(CodePage, PathsReachTheFileSystemInUtf8AndComeBack)
{
    EXPECT_EQ(windows1252().toFileSystem("/games/Caf\xE9/"), "/games/Caf\xC3\xA9/");
    EXPECT_EQ(windows1252().fromFileSystem("/games/Caf\xC3\xA9/"), "/games/Caf\xE9/");
    // ソ ends in 0x5C, the byte of "\" in ASCII.
    EXPECT_EQ(shiftJis().toFileSystem("/\x83\x5C/"), "/\xE3\x82\xBD/");
    EXPECT_EQ(shiftJis().fromFileSystem("/\xE3\x82\xBD/"), "/\x83\x5C/");
    EXPECT_EQ(windows1252().fromFileSystem("/\xE3\x81\x82/"), "/?/");
    // A byte that the page cannot show names the file by the character that stands for it; a name
    // on disk that is not UTF-8 keeps its bytes.
    EXPECT_EQ(windows1252().toFileSystem("\x81"), "\xEF\x9E\x81");
    EXPECT_EQ(windows1252().fromFileSystem("caf\xE9"), "caf\xE9");

    std::mt19937 random(1);
    const std::vector<unsigned char> anyByte = everyByte();
    for (const CodePage* page : AllPages) {
        for (int round = 0; round < 500; ++round) {
            const std::string path = randomBytes(random, 30, anyByte);
            ASSERT_EQ(page->fromFileSystem(page->toFileSystem(path)), path) << pageName(*page);
        }
    }
    const std::string anyBytes = "\xFF\x80/\xC3\xA9";
    EXPECT_EQ(utf8().toFileSystem(anyBytes), anyBytes);
    EXPECT_EQ(utf8().fromFileSystem(anyBytes), anyBytes);
}

// Sets the variables that choose the code page for one test and puts them back afterwards.
class CodePageEnvironment : public ::testing::Test {
protected:
    static constexpr const char* Variables[] = {"TALKWARDEN_CODEPAGE", "LC_ALL", "LC_CTYPE", "LANG"};

    void SetUp() override
    {
        for (const char* name : Variables) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
    }

    void TearDown() override
    {
        for (std::size_t k = 0; k < saved_.size(); ++k) {
            if (saved_[k])
                setenv(Variables[k], saved_[k]->c_str(), 1);
            else
                unsetenv(Variables[k]);
        }
    }

    static void set(const char* name, const char* value)
    {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }

private:
    std::vector<std::optional<std::string>> saved_;
};

struct Environment {
    const char* codePage;
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    CodePageId expected;
};

TEST_F(CodePageEnvironment, ChoosesTheVariableThenTheLocaleThen1252)
{
    // The tests run in the "C" locale, whose character set is none of ours.
    const Environment cases[] = {
        {nullptr, nullptr, nullptr, nullptr, CodePageId::Windows1252},
        {"932", nullptr, nullptr, nullptr, CodePageId::ShiftJis},
        {"65001", nullptr, nullptr, "ja_JP.SJIS", CodePageId::Utf8},
        {"1252", "ja_JP.SJIS", nullptr, nullptr, CodePageId::Windows1252},
        {"437", "ja_JP.SJIS", nullptr, nullptr, CodePageId::ShiftJis},
        {nullptr, nullptr, "ja_JP.Shift_JIS", nullptr, CodePageId::ShiftJis},
        {nullptr, nullptr, nullptr, "ja_JP.cp932@kana", CodePageId::ShiftJis},
        {nullptr, "", "", "ja_JP.WINDOWS-31J", CodePageId::ShiftJis},
        {nullptr, nullptr, nullptr, "de_DE.ISO-8859-1", CodePageId::Windows1252},
        // LC_ALL overrides LANG even when its character set is not one of ours.
        {nullptr, "C.UTF-8", nullptr, "ja_JP.SJIS", CodePageId::Windows1252},
        {nullptr, nullptr, "ja_JP", "ja_JP.SJIS", CodePageId::Windows1252},
        {nullptr, nullptr, nullptr, "ja_JP.UTF-8", CodePageId::Windows1252},
    };
    for (const Environment& c : cases) {
        set("TALKWARDEN_CODEPAGE", c.codePage);
        set("LC_ALL", c.lcAll);
        set("LC_CTYPE", c.lcCtype);
        set("LANG", c.lang);
        EXPECT_EQ(codePageFromEnvironment(), c.expected)
            << (c.codePage ? c.codePage : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
            << (c.lcCtype ? c.lcCtype : "-") << " " << (c.lang ? c.lang : "-");
    }
}

} // namespace
} // namespace tw
