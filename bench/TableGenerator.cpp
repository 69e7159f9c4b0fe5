#include "TableGenerator.h"

#include "talktable/TalkRecords.h"

#include <charconv>
#include <cstring>
#include <iterator>
#include <vector>

namespace tw::bench {
namespace {

// The generator's own random numbers, so that a seed gives the same table with any library.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number from 0 to n - 1.
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(next() % n); }
    // A number from low to high, both included.
    std::uint32_t between(std::uint32_t low, std::uint32_t high) { return low + below(high - low + 1); }
    bool chance(std::uint32_t percent) { return below(100) < percent; }

private:
    std::uint64_t state_;
};

// Windows-1252 bytes. A hex escape followed by a letter a-f is split ("\xE9" "e") so it stays one byte.
constexpr std::string_view Words[] = {
    "the", "the", "the", "a", "a", "you", "you", "I", "I", "we", "they", "he", "she", "it", "is", "are",
    "was", "be", "have", "has", "will", "shall", "must", "not", "and", "and", "but", "or", "of", "of",
    "to", "to", "in", "on", "at", "for", "with", "from", "by", "this", "that", "my", "your", "our",
    "their", "here", "there", "now", "then", "never", "always", "again", "perhaps", "indeed", "truly",
    "well", "very", "gold", "sword", "shield", "temple", "city", "gate", "road", "tavern", "coin",
    "quest", "master", "lord", "lady", "king", "queen", "guard", "priest", "mage", "spell", "scroll",
    "tome", "letter", "ring", "amulet", "potion", "dragon", "wolf", "bandit", "caravan", "merchant",
    "river", "forest", "mountain", "cave", "dungeon", "tower", "keep", "harbour", "ship", "night", "day",
    "dawn", "blood", "fire", "water", "stone", "shadow", "light", "darkness", "friend", "enemy",
    "stranger", "traveller", "child", "father", "mother", "brother", "sister", "name", "word",
    "promise", "debt", "price", "reward", "help", "way", "place", "time", "go", "come", "find", "take",
    "bring", "give", "tell", "know", "think", "see", "seek", "fight", "flee", "save", "pay", "need",
    "want", "trust", "believe", "remember", "forget", "wait", "return", "listen", "speak", "old",
    "young", "dark", "bright", "cold", "ancient", "strange", "dead", "brave", "foolish", "wise", "rich",
    "poor", "dangerous", "safe", "long", "quiet", "silver", "iron", "caf\xE9", "na\xEFve", "d\xE9j\xE0",
    "fa\xE7" "ade", "r\xE9sum\xE9", "se\xF1or", "se\xF1ora", "\xFC" "ber", "Fran\xE7ois", "\xC9lodie",
    "\xC5sa", "M\xFCller", "cr\xE8me", "bient\xF4t", "ch\xE2teau", "\xE9p\xE9" "e", "fianc\xE9" "e",
    "Bj\xF6rn", "S\xF8ren", "\xC6thelric", "Ren\xE9" "e", "ni\xF1o", "gar\xE7on", "\xE0", "\xEEle",
    "f\xEAte", "\xE9tranger", "Z\xFCrich", "co\xF6perate", "Ana\xEFs", "Jos\xE9",
};

constexpr std::string_view SentenceEnds[] = {".", ".", ".", "!", "?", "\x85"};

void appendCapitalised(std::string& out, std::string_view word)
{
    const std::size_t first = out.size();
    out += word;
    const auto c = static_cast<unsigned char>(out[first]);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        out[first] = static_cast<char>(c - 0x20);
}

void appendSentence(std::string& out, SplitMix64& random)
{
    const bool quoted = random.chance(8);
    if (quoted)
        out += '\x93';
    const std::uint32_t words = random.between(3, 14);
    for (std::uint32_t w = 0; w < words; ++w) {
        std::string_view word = Words[random.below(std::size(Words))];
        if (w == 0) {
            appendCapitalised(out, word);
            continue;
        }
        out += random.chance(4) ? (random.chance(30) ? " \x97 " : ", ") : " ";
        out += word;
    }
    out += SentenceEnds[random.below(std::size(SentenceEnds))];
    if (quoted)
        out += '\x94';
}

std::uint32_t shortSentenceCount(SplitMix64& random)
{
    const std::uint32_t r = random.below(100);
    return r < 35 ? 1 : r < 65 ? 2 : r < 85 ? 3 : 4;
}

// One to four sentences, now and then on lines of their own.
void appendShortText(std::string& out, SplitMix64& random, std::string_view lineBreak)
{
    const std::uint32_t sentences = shortSentenceCount(random);
    for (std::uint32_t s = 0; s < sentences; ++s) {
        if (s > 0)
            out += random.chance(10) ? lineBreak : " ";
        appendSentence(out, random);
    }
}

// A few paragraphs, a blank line between them: a letter, a book's page, a long speech.
void appendLongText(std::string& out, SplitMix64& random, std::string_view lineBreak)
{
    const std::uint32_t paragraphs = random.between(2, random.chance(20) ? 14 : 5);
    for (std::uint32_t p = 0; p < paragraphs; ++p) {
        if (p > 0) {
            out += lineBreak;
            out += lineBreak;
        }
        const std::uint32_t sentences = random.between(2, 6);
        for (std::uint32_t s = 0; s < sentences; ++s) {
            if (s > 0)
                out += ' ';
            appendSentence(out, random);
        }
    }
}

void appendPlantedText(std::string& out, SplitMix64& random)
{
    appendSentence(out, random);
    out += " Beyond the gate the ";
    out += PlantedPhrase;
    out += " still burns. ";
    appendSentence(out, random);
}

void appendText(std::string& out, SplitMix64& random)
{
    if (random.chance(5))
        return;
    const std::string_view lineBreak = random.chance(20) ? "\r\n" : "\n";
    if (random.chance(8))
        appendLongText(out, random, lineBreak);
    else
        appendShortText(out, random, lineBreak);
}

constexpr char ResRefCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// Up to 8 characters, padded with NUL, on about a third of the entries that have a text.
void fillSound(TalkEntry& entry, SplitMix64& random, std::uint32_t n)
{
    char name[8] = {'V'};
    const char* numbered = std::to_chars(name + 1, name + 8, n % 100000).ptr;
    const std::uint32_t length = random.between(static_cast<std::uint32_t>(numbered - name), 8);
    for (std::uint32_t k = static_cast<std::uint32_t>(numbered - name); k < length; ++k)
        name[k] = ResRefCharacters[random.below(sizeof ResRefCharacters - 1)];
    std::memcpy(entry.SoundResRef, name, length);
}

TalkEntry entryFor(std::uint32_t n, std::uint32_t offset, std::uint32_t length, SplitMix64& random)
{
    TalkEntry entry {};
    const bool sound = length > 0 && random.chance(35);
    if (sound)
        fillSound(entry, random, n);
    entry.Flags[0] = std::uint8_t((length > 0 ? 1 : 0) | (sound ? 2 : 0) | (random.chance(10) ? 4 : 0));
    entry.setTextOffset(offset);
    entry.setTextLength(length);
    return entry;
}

TalkHeader headerFor(std::uint32_t entries)
{
    TalkHeader header {};
    std::memcpy(header.Signature, "TLK ", 4);
    std::memcpy(header.Version, "V1  ", 4);
    writeLittleEndian32(header.EntryCount, entries);
    writeLittleEndian32(header.StringsOffset, HeaderSize + EntrySize * entries);
    return header;
}

} // namespace

std::uint32_t plantedEntry(std::uint32_t entries)
{
    return entries > 40 ? entries - 37 : entries / 2;
}

std::string generateTable(std::uint32_t entries, std::uint64_t seed)
{
    SplitMix64 random(seed);
    std::vector<TalkEntry> table;
    table.reserve(entries);
    std::string texts;
    for (std::uint32_t n = 0; n < entries; ++n) {
        const std::size_t offset = texts.size();
        if (n == plantedEntry(entries))
            appendPlantedText(texts, random);
        else
            appendText(texts, random);
        const auto length = static_cast<std::uint32_t>(texts.size() - offset);
        table.push_back(entryFor(n, static_cast<std::uint32_t>(offset), length, random));
    }
    const TalkHeader header = headerFor(entries);
    std::string file(reinterpret_cast<const char*>(&header), HeaderSize);
    file.append(reinterpret_cast<const char*>(table.data()), table.size() * EntrySize);
    file += texts;
    return file;
}

} // namespace tw::bench
