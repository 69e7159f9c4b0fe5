// Writes the small demo table that a new user's first run opens: texts of our own, shaped like a
// game's talk table (short lines, a few longer ones with line breaks, some empty, sound references).
#include "talktable/TalkTableFile.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct DemoEntry {
    const char* sound;
    const char* text;
};

const DemoEntry DemoEntries[] = {
    {"", "Welcome to Talkwarden. Type a reference number above and press Enter to go to an entry."},
    {"GREET01", "Well met, traveller. The road from the coast is long; rest here a while."},
    {"GREET02", "Hm? Oh, it's you again. Did you find the lantern I asked about?"},
    {"", ""},
    {"INNK01", "A room is three silver a night. Meals are extra, and the stew is better than it looks."},
    {"INNK02", "Keep your voice down. The men by the hearth are not the friendly sort."},
    {"", "Yes."},
    {"", "No."},
    {"", "Tell me about the old watchtower."},
    {"", "I have no time for this. Farewell."},
    {"WATCH01",
     "The watchtower? Nobody climbs it since the storm of the long winter.\n"
     "Some say a light still burns at the top on moonless nights.\n"
     "I say it is fishermen telling stories to keep children in bed."},
    {"", "<CHARNAME>, the council will see you now."},
    {"", ""},
    {"SMITH01", "Steel doesn't lie. Bring me the ore and I'll make you a blade worth its weight."},
    {"SMITH02", "That will be forty gold. No haggling - my prices are carved in stone, like my anvil."},
    {"", "Quest updated: The Lantern of the Marsh.\r\nFind the hermit who lives beyond the reeds."},
    {"", "You cannot rest here. There are enemies nearby."},
    {"", "Game saved."},
    {"", "Search for \"lantern\" with Ctrl+F, then press F3 to find the next one."},
    {"HERMIT1", "The lantern? I buried it with my brother. Dig if you must, but do not open it after dark."},
    {"", "Caf\xE9 au lait, cr\xE8me br\xFBl\xE9" "e and a na\xEFve gar\xE7on: the text box shows every byte of the table's code page."},
    {"", ""},
    {"", "The end of the demo table. Change any text, then press WRITE: the old file is kept as dialog.bak."},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.tlk\n", argv[0]);
        return 2;
    }
    tw::StagedTable staged;
    const std::uint32_t count = sizeof DemoEntries / sizeof DemoEntries[0];
    std::memcpy(staged.header.Signature, "TLK ", 4);
    std::memcpy(staged.header.Version, "V1  ", 4);
    tw::writeLittleEndian32(staged.header.EntryCount, count);
    tw::writeLittleEndian32(staged.header.StringsOffset, tw::HeaderSize + tw::EntrySize * count);
    std::uint32_t offset = 0;
    std::vector<std::string> texts;
    for (const DemoEntry& demo : DemoEntries) {
        tw::TalkEntry entry {};
        const std::size_t soundLength = std::strlen(demo.sound);
        entry.Flags[0] = soundLength > 0 ? 3 : 1;
        std::memcpy(entry.SoundResRef, demo.sound, soundLength);
        const std::uint32_t length = static_cast<std::uint32_t>(std::strlen(demo.text));
        entry.setTextOffset(offset);
        entry.setTextLength(length);
        offset += length;
        staged.entries.push_back(entry);
        texts.emplace_back(demo.text);
    }
    tw::fillTextBlock(staged, texts);
    tw::TalkTable table;
    table.adopt(std::move(staged));
    tw::Result written = tw::writeTalkTable(table, argv[1], std::string());
    if (!written.ok()) {
        std::fprintf(stderr, "%s\n", written.reason().c_str());
        return 1;
    }
    return 0;
}
