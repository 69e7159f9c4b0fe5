#include "settings/LanguageTable.h"
#include "settings/MessageTexts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tw {
namespace {

using testing::TempFolder;
using testing::writeFile;

constexpr std::size_t SearchPromptRow = 45; // row 46, counted from 0

TEST(MessageTexts, KeysAreNamedAsInTheLanguageFiles)
{
    EXPECT_EQ(MessageTexts::keyNamed("NotFound"), MessageKey::NotFound);
    EXPECT_EQ(MessageTexts::keyNamed("QueryCaption"), MessageKey::QueryCaption);
    EXPECT_EQ(MessageTexts::keyNamed("notfound"), std::nullopt);
    EXPECT_EQ(MessageTexts::keyNamed("Caption"), std::nullopt);

    MessageTexts texts;
    EXPECT_EQ(texts[MessageKey::SearchPrompt], "Search String:");
    texts.set(MessageKey::SearchPrompt, "");
    EXPECT_EQ(texts[MessageKey::SearchPrompt], "");
}

TEST(LanguageTable, MessageRowsCoverEveryMessageOnceWithItsInitialText)
{
    const MessageTexts initial;
    std::set<MessageKey> covered;
    for (std::size_t i = 0; i < LanguageRowCount; ++i) {
        const LanguageRow& row = LanguageRows[i];
        if (row.kind != LanguageTargetKind::Message)
            continue;
        SCOPED_TRACE(row.key);
        auto key = MessageTexts::keyNamed(row.target);
        ASSERT_TRUE(key.has_value());
        EXPECT_TRUE(covered.insert(*key).second);
        EXPECT_EQ(row.key, row.target);
        if (i == SearchPromptRow)
            EXPECT_EQ(row.fallback, "Search string:");
        else
            EXPECT_EQ(row.fallback, initial[*key]);
    }
    EXPECT_EQ(covered.size(), MessageKeyCount);
}

TEST(LanguageTable, EveryCommandHasACaptionAndAHintAndEveryKeyOneRowExceptFont)
{
    const std::set<std::string_view> sections = {"FormData", "File", "Edit", "Language", "Error", "Dialog", "Caution"};
    std::map<std::string_view, int> captions, hints;
    std::map<std::pair<std::string_view, std::string_view>, int> keys;
    for (const LanguageRow& row : LanguageRows) {
        EXPECT_TRUE(sections.contains(row.section)) << row.section;
        ++keys[{row.section, row.key}];
        if (row.kind == LanguageTargetKind::CommandCaption)
            ++captions[row.target];
        if (row.kind == LanguageTargetKind::CommandHint)
            ++hints[row.target];
    }
    EXPECT_EQ(captions, hints);
    EXPECT_EQ(captions.size(), 12u);
    for (const auto& [key, count] : keys)
        EXPECT_EQ(count, key.second == "Font" ? 2 : 1) << key.first << "/" << key.second;
}

TEST(LanguageTable, AMissingFileGivesEveryDefault)
{
    TempFolder folder;
    auto texts = readLanguageFile(IniFile(folder / "english.ini"));
    for (std::size_t i = 0; i < LanguageRowCount; ++i)
        EXPECT_EQ(texts[i], LanguageRows[i].fallback) << "row " << i + 1;
    EXPECT_EQ(texts[23], "Setting...");
    EXPECT_EQ(texts[30], "English");
    EXPECT_EQ(texts[32], "Japanese");
}

TEST(LanguageTable, ReadsTheKeysAFileHoldsAndDefaultsTheOthers)
{
    TempFolder folder;
    writeFile(folder / "lang.ini",
              "[FormData]\r\n"
              "Caption=Talkwarden JP\r\n"
              "String Data=\r\n"
              "FontName=\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e\r\n"
              "[edit]\r\n"
              "font=Schrift\r\n"
              "[Dialog]\r\n"
              "SearchPrompt = Suchtext: \r\n");

    auto texts = readLanguageFile(IniFile(folder / "lang.ini"));

    std::map<std::size_t, std::string> changed = {
        {0, "Talkwarden JP"},
        {1, "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e"},
        {3, ""},
        {21, "Schrift"},
        {22, "Schrift"},
        {SearchPromptRow, "Suchtext:"},
    };
    for (std::size_t i = 0; i < LanguageRowCount; ++i) {
        auto found = changed.find(i);
        EXPECT_EQ(texts[i], found != changed.end() ? found->second : std::string(LanguageRows[i].fallback))
            << "row " << i + 1;
    }
}

} // namespace
} // namespace tw
