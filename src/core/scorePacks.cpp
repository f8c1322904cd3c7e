// Score packs: one line of strokes per player as the game file keeps them,
// read from the file and turned into score rows (one per course) and back.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>
#include <deque>
#include <exception>
#include <string_view>
#include <vector>

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/scoreCells.h"
#include "platform/files/FileOps.h"
#include "platform/files/LineMasks.h"
#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

namespace {

// The cells a score row holds.
constexpr int32_t kRowHoles = static_cast<int32_t>(sizeof(typScoreData::Holes) / sizeof(typScoreData::Holes[0]));

// The cells of the single digits, whole, so that unpacking one is a copy
// of its sixteen bytes.
const std::array<RowText, 10> kDigitCells{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

int32_t scoreNumber(std::string_view name) { return sectionNumber(name, "Score", kMaxScoreSections); }

// The keys of a pack, in the order they are converted.
enum PackKey { kIDNo, kHoles, kTeamID, kHandicap, kPackKeys };

// Which of them a key is, or kPackKeys for any other key (names are exact).
PackKey packKey(std::string_view key) {
    switch (key.size()) {
    case 4: return key == "IDNo" ? kIDNo : kPackKeys;
    case 5: return key == "Holes" ? kHoles : kPackKeys;
    case 6: return key == "TeamID" ? kTeamID : kPackKeys;
    case 8: return key == "Handicap" ? kHandicap : kPackKeys;
    default: return kPackKeys;
    }
}

// The first characters of a line (at most eight), as one number of its
// first eight bytes (the first byte lowest), and which of those bytes they
// fill.
struct LineStart {
    uint64_t value = 0, mask = 0;
    template <std::size_t N>
    constexpr LineStart(const char (&text)[N]) {
        static_assert(N - 1 <= sizeof value);
        for (std::size_t k = 0; k + 1 < N; ++k) {
            value |= uint64_t{static_cast<unsigned char>(text[k])} << (8 * k);
            mask |= uint64_t{0xFF} << (8 * k);
        }
    }
};
// The starts of the lines of score sections as the program writes them.
constexpr LineStart kScoreStart{"[Score"}, kIDNoStart{"IDNo="}, kHolesStart{"Holes="}, kTeamIDStart{"TeamID="},
    kHandicapStart{"Handicap"};

// What a game file holds for its packs, gathered in one walk over its lines
// as the in-memory tables would answer: the count, the first MaxScoreNo of
// the first section named "Management"; and for each k the first section
// named "Score" & k, with the first value of each pack key in it (a missing
// one reads as ""). The views refer to the file's bytes and decoded lines.
class PackSections {
public:
    struct Keys {
        std::array<std::string_view, kPackKeys> values{};
        // The numbers the walk read already (IDNo and Handicap as the
        // program writes them), a bit per PackKey in `read`.
        std::array<int32_t, kPackKeys> numbers{};
        unsigned found = 0; // a bit per PackKey
        unsigned read = 0;
        bool present = false;

        // The key's value read as a stored number.
        int32_t number(PackKey key) const { return read >> key & 1 ? numbers[key] : text::readInt32(values[key]); }
    };

    // Ready for the next file; the room of a file with very many sections
    // is given back.
    void clear() {
        count_ = {};
        management_ = Where::Before;
        current_ = nullptr;
        sections_.clear();
        if (sections_.capacity() > kKeptSections) sections_ = {};
    }

    // The file's lines, visited in order: the general walk, except for the
    // lines as the program writes them (visitWrittenLines). False when the
    // file is no INI file.
    template <class Decode>
    bool walk(std::string_view bytes, Decode decode) {
        const auto visit = [this](const IniLine& line) __attribute__((always_inline)) {
            if (line.section)
                enter(line.name);
            else
                keyLine(line.name, line.value);
        };
        // A file the program wrote starts with a section line; any other
        // start (a byte-order mark, a key line) takes the general walk.
        if (!bytes.starts_with('[')) return forEachIniLine(bytes, decode, visit);
        // From here on every line follows a section line.
        std::size_t at = 0;
        while (at < bytes.size()) {
            const std::size_t stop = visitWrittenLines(bytes, at, decode);
            if (stop == bytes.size()) break;
            // Nothing taken (two lines of another form in a row): the file
            // is of another make, and the general walk takes the rest.
            if (stop == at) return forEachIniLine(bytes.substr(at), decode, visit, KeysBeforeSections::Fail, true);
            // One line of another form (a blank line, a section name in
            // Japanese): the general walk takes that line alone.
            const std::size_t next = lineAfter(bytes, stop);
            forEachIniLine(bytes.substr(stop, next - stop), decode, visit, KeysBeforeSections::Fail, true);
            at = next;
        }
        return true;
    }

    std::string_view count() const { return count_; }
    // The highest k of a section "Score" & k: no more packs than that can be read.
    std::size_t sections() const { return sections_.size(); }
    // The keys of "Score" & k (k from 1); all empty when there is no such section.
    const Keys& pack(int32_t k) const {
        static const Keys none;
        return static_cast<std::size_t>(k) <= sections_.size() ? sections_[static_cast<std::size_t>(k) - 1] : none;
    }

private:
    static constexpr std::size_t kKeptSections = std::size_t{1} << 14;

    // Where the walk is as to the first "Management" section.
    enum class Where { Before, In, After };

    // Where the next line starts after the one at `at`: past its CR LF, LF
    // or CR, or at the end.
    static std::size_t lineAfter(std::string_view bytes, std::size_t at) {
        const std::size_t brk = bytes.find_first_of("\r\n", at);
        if (brk == std::string_view::npos) return bytes.size();
        return brk + (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n' ? 2 : 1);
    }

    // Visits the lines from `at` (a line start) on while they are what the
    // program writes: section lines "[<name>]", key lines "<name>=<value>"
    // with an ASCII name, each ended by CR LF. Such a line is visited exactly
    // as the general walk would visit it, but found without passing every
    // byte of the file through the walk's line masks: the score sections'
    // lines ("[Score<digits>]", "IDNo=", "Holes=", "TeamID=", "Handicap=")
    // are told apart by one load of their first eight bytes. A value with
    // bytes above 0x7F (a title or team name in Japanese) is decoded alone,
    // and only when it is used: its key is ASCII, and "=", CR and LF are
    // never the second byte of a character, so that reads as the whole line
    // decoded. Returns where it stopped: the start of the first other line
    // (or of one in the last few bytes, left to the general walk), or the
    // end.
    template <class Decode>
    std::size_t visitWrittenLines(std::string_view bytes, std::size_t at, Decode& decode) {
        const char* const end = bytes.data() + bytes.size();
        const char* p = bytes.data() + at;
        const auto crLf = [&end](const char* from) { return end - from >= 2 && from[0] == '\r' && from[1] == '\n'; };
        const auto stopped = [&] { return static_cast<std::size_t>(p - bytes.data()); };
        while (end - p >= kLineHead) {
            const uint64_t head = firstEight(p);
            bool high = false;
            if (*p == '[') {
                // The name runs to the first "]", which ends the line.
                const char* close = p + 1;
                if (startsAs(head, kScoreStart)) {
                    for (close = p + 6; close != end && *close >= '0' && *close <= '9';) ++close;
                } else {
                    close = lineTextEnd(p, end, high) - 1;
                    if (high || close == p || std::find(p + 1, close, ']') != close) return stopped();
                }
                if (close == end || *close != ']' || !crLf(close + 1)) return stopped();
                enter({p + 1, static_cast<std::size_t>(close - p - 1)});
                p = close + 3;
                continue;
            }
            PackKey key = kPackKeys;
            std::size_t name = 0; // the key's length with its "="
            switch (*p) {
            case 'I':
                if (startsAs(head, kIDNoStart)) key = kIDNo, name = 5;
                break;
            case 'H':
                if (startsAs(head, kHolesStart))
                    key = kHoles, name = 6;
                else if (startsAs(head, kHandicapStart) && p[8] == '=')
                    key = kHandicap, name = 9;
                break;
            case 'T':
                if (startsAs(head, kTeamIDStart)) key = kTeamID, name = 7;
                break;
            default: break;
            }
            if (key == kPackKeys) {
                // Any other key line: its name up to the first "=".
                const char* const stop = lineTextEnd(p, end, high);
                const char* const eq = std::find(p, stop, '=');
                if (eq == stop || !crLf(stop)) break;
                const std::string_view keyName(p, static_cast<std::size_t>(eq - p));
                const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
                if (high && !std::all_of(keyName.begin(), keyName.end(), ascii)) break;
                const std::string_view value(eq + 1, static_cast<std::size_t>(stop - eq - 1));
                if (usesValue(keyName)) keyLine(keyName, high ? decode(value) : value);
                p = stop + 2;
                continue;
            }
            const char* const value = p + name;
            // A number as the program writes it is read here, where its
            // digits are passed anyway.
            if (key == kIDNo || key == kHandicap) {
                int32_t number = 0;
                if (const char* const stop = plainNumberEnd(value, end, number)) {
                    if (current_ && firstOf(key)) current_->numbers[key] = number, current_->read |= 1u << key;
                    p = stop + 2;
                    continue;
                }
            }
            // Mostly a value as long as the one of the same key before (the
            // strokes of one game, one-letter teams): that end is checked
            // rather than searched for, so that finding where the next line
            // starts does not wait for this line's bytes.
            std::size_t& length = lengths_[key];
            const char* stop = nullptr;
            if (endsAt(value, length, end, high)) {
                stop = value + length;
            } else {
                stop = lineTextEnd(value, end, high);
                if (!crLf(stop)) break;
                length = static_cast<std::size_t>(stop - value);
            }
            if (current_) {
                const std::string_view text(value, static_cast<std::size_t>(stop - value));
                setKey(key, high ? decode(text) : text);
            }
            p = stop + 2;
        }
        return stopped();
    }

    // The end (the CR of its CR LF) of a line text from `from` that is a
    // number as the program writes it: an optional "-" and 1 to 7 digits,
    // read into `number` as text::readInt32 reads them; null for any other
    // text, and where fewer than nine bytes follow the sign. The digits are
    // found and read eight bytes at a time, as their count varies from line
    // to line (handicaps): a loop over them would mostly end where it was
    // not expected to.
    static const char* plainNumberEnd(const char* from, const char* end, int32_t& number) {
        const bool negative = from != end && *from == '-';
        const char* const digits = from + (negative ? 1 : 0);
        if (end - digits < 9) return nullptr;
        // Less "0" in each byte: a digit leaves 0 to 9; in the lowest byte
        // of any other character (nothing below it borrows or carries) the
        // top bit is set in d, or in d + 0x76.
        const uint64_t d = firstEight(digits) - 0x3030303030303030;
        const int count = std::countr_zero(((d + 0x7676767676767676) | d) & 0x8080808080808080) / 8;
        if (count == 0 || count == 8) return nullptr;
        const char* const stop = digits + count;
        if (stop[0] != '\r' || stop[1] != '\n') return nullptr;
        // The digits moved up to the top bytes (zeros before them), then
        // joined in pairs, fours and eights, the first digit highest.
        uint64_t v = d << (8 * (8 - count));
        v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FF;
        v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFF;
        v = (v * 10000 + (v >> 32)) & 0xFFFFFFFF;
        number = negative ? -static_cast<int32_t>(v) : static_cast<int32_t>(v);
        return stop;
    }

    // Whether the line text from `from` is `length` bytes long and ended by
    // CR LF (no CR or LF before); `high` then tells whether a byte above
    // 0x7F is in it.
    static bool endsAt(const char* from, std::size_t length, const char* end, bool& high) {
        constexpr std::size_t kBlock = files::detail::kLineBlock;
        // Room for the blocks read, which take in the CR LF.
        if (static_cast<std::size_t>(end - from) < length + kBlock) return false;
        uint32_t highs = 0;
        std::size_t k = 0;
        for (; k + kBlock <= length; k += kBlock) {
            const files::detail::LineMasks masks = files::detail::lineMasks(from + k);
            if (masks.cr | masks.lf) return false;
            highs |= masks.high;
        }
        const files::detail::LineMasks masks = files::detail::lineMasks(from + k);
        const uint32_t before = (uint32_t{1} << (length - k)) - 1;
        if (((masks.cr | masks.lf) & before) != 0 || from[length] != '\r' || from[length + 1] != '\n') return false;
        high = (highs | (masks.high & before)) != 0;
        return true;
    }

    // The length of the last value of each pack key.
    std::array<std::size_t, kPackKeys> lengths_{};

    // The room a line start needs here: its first eight bytes, and the "="
    // after "Handicap".
    static constexpr std::ptrdiff_t kLineHead = 9;

    // The eight bytes at `from`, as one number (the first byte lowest).
    static uint64_t firstEight(const char* from) {
        uint64_t head = 0;
        std::memcpy(&head, from, sizeof head);
        if constexpr (std::endian::native == std::endian::big) head = __builtin_bswap64(head);
        return head;
    }
    // Whether the eight bytes of firstEight start with `start`.
    static bool startsAs(uint64_t head, LineStart start) { return (head & start.mask) == start.value; }

    // The first CR or LF from `from` on, or `end`, a block of the line
    // masks' at a time, as a stored line of strokes runs to some forty bytes
    // (a game of many courses, to hundreds); `high` tells whether a byte
    // above 0x7F comes before it.
    static const char* lineTextEnd(const char* from, const char* end, bool& high) {
        constexpr std::ptrdiff_t kBlock = files::detail::kLineBlock;
        uint32_t highs = 0;
        for (; end - from >= kBlock; from += kBlock) {
            const files::detail::LineMasks masks = files::detail::lineMasks(from);
            if (const uint32_t breaks = masks.cr | masks.lf) {
                high = (highs | (masks.high & ((breaks & (0 - breaks)) - 1))) != 0;
                return from + std::countr_zero(breaks);
            }
            highs |= masks.high;
        }
        for (; from != end && *from != '\r' && *from != '\n'; ++from) highs |= static_cast<unsigned char>(*from) & 0x80;
        high = highs != 0;
        return from;
    }

    // Whether a key line of this name is looked at: a pack key in a score
    // section, the count in the first "Management" section.
    bool usesValue(std::string_view name) const {
        return current_ ? packKey(name) != kPackKeys : management_ == Where::In && name == "MaxScoreNo";
    }
    // A key line in the walk's order.
    void keyLine(std::string_view name, std::string_view value) {
        if (!usesValue(name)) return;
        if (current_) {
            setKey(packKey(name), value);
        } else {
            count_ = value;
            management_ = Where::After;
        }
    }
    // The key's first value in the current section counts: true, with the
    // key marked found, when this is it.
    bool firstOf(PackKey key) {
        if (current_->found >> key & 1) return false;
        current_->found |= 1u << key;
        return true;
    }
    void setKey(PackKey key, std::string_view value) {
        if (firstOf(key)) current_->values[key] = value;
    }

    void enter(std::string_view name) {
        current_ = nullptr;
        if (management_ == Where::In) management_ = Where::After;
        if (management_ == Where::Before && name == "Management") {
            management_ = Where::In;
            return;
        }
        const int32_t k = scoreNumber(name);
        if (k == 0) return;
        // Mostly the next one: copied from an empty one, which costs less
        // than the string instruction that clearing it in place compiles to.
        static const Keys kEmpty;
        if (static_cast<std::size_t>(k) == sections_.size() + 1)
            sections_.push_back(kEmpty);
        else if (static_cast<std::size_t>(k) > sections_.size())
            sections_.resize(static_cast<std::size_t>(k));
        Keys& keys = sections_[static_cast<std::size_t>(k) - 1];
        if (keys.present) return; // a later section of the same name is never looked at
        keys.present = true;
        current_ = &keys;
    }

    std::string_view count_;
    Where management_ = Where::Before;
    Keys* current_ = nullptr;
    std::vector<Keys> sections_;
};

} // namespace

// What a reader keeps between files, so that reading game after game
// allocates little. After each read it keeps no more than a large game
// needs; a damaged or unusually large file's room is given back.
struct ScorePackReader::Buffers {
    std::string bytes;
    std::deque<std::string> decoded;
    PackSections file;
    std::vector<PackView> views; // read()'s own

    // Ready for the next file.
    void clear() {
        constexpr std::size_t kKeptBytes = std::size_t{1} << 20;
        if (bytes.capacity() > kKeptBytes) bytes = std::string();
        decoded.clear();
        file.clear();
        views.clear();
    }
};

ScorePackReader::ScorePackReader() : buffers_(std::make_unique<Buffers>()) {}
ScorePackReader::~ScorePackReader() = default;

ScorePackReader::Result ScorePackReader::readViews(const std::string& path, std::vector<PackView>& packs) {
    // However the read ends, only the packs read now stay.
    packs.clear();
    buffers_->clear();
    if (path.empty()) return Result::Read; // a game never saved: nothing stored to read
    PackSections& file = buffers_->file;
    std::deque<std::string>& decoded = buffers_->decoded;
    // The same few team names come again and again: each decoded once.
    std::array<std::pair<std::string_view, std::string_view>, 4> recent{};
    std::size_t next = 0;
    const auto keepDecoded = [&](std::string_view raw) {
        for (const auto& [before, text] : recent)
            if (before.data() && before == raw) return text;
        const std::string_view text = decoded.emplace_back(text::decode932(raw));
        recent[next++ % recent.size()] = {raw, text};
        return text;
    };
    IniLoad loaded = IniLoad::Failed;
    try {
        loaded = readIniBytes(path, buffers_->bytes);
        if (loaded == IniLoad::Loaded && !file.walk(buffers_->bytes, keepDecoded)) loaded = IniLoad::Failed;
    } catch (const std::bad_alloc&) {
        loaded = IniLoad::Failed;
    }
    if (loaded == IniLoad::Missing) return Result::NotRead;
    if (loaded == IniLoad::Failed) return Result::LoadFailed;
    try {
        const int32_t count = text::readInt32(file.count());
        if (count > kMaxScoreSections) return Result::NotRead;
        if (count > 0) packs.reserve(std::min(static_cast<std::size_t>(count), file.sections()));
        for (int32_t k = 1; k <= count; ++k) {
            const PackSections::Keys& section = file.pack(k);
            // A section the count names is missing (a file cut short, a hand
            // edit): the file is damaged, and no empty player stands in.
            if (!section.present) return Result::NotRead;
            const auto& values = section.values;
            packs.push_back({section.number(kIDNo), text::TrimmedView(values[kHoles]), text::TrimmedView(values[kTeamID]),
                             section.number(kHandicap)});
        }
        // A score section right after the last one counted: the count is
        // damaged or stale (the save writes it with its sections in one go),
        // and the players it leaves out would be lost at the next save.
        if (file.pack(std::max(count, 0) + 1).present) return Result::NotRead;
    } catch (const std::exception&) {
        return Result::NotRead;
    }
    return Result::Read;
}

void ScorePackReader::assignPacks(const std::vector<PackView>& views, std::vector<typScorePack>& packs) {
    // The packs keep their texts' storage. The views are of the reader's
    // buffers, never of the packs, so a plain copy does (assign would check
    // for that on every text).
    const auto put = [](std::string& to, std::string_view from) {
        to.resize(from.size());
        if (!from.empty()) std::memcpy(to.data(), from.data(), from.size());
    };
    packs.resize(views.size());
    for (std::size_t k = 0; k < views.size(); ++k) {
        typScorePack& pack = packs[k];
        pack.IDNo = views[k].IDNo;
        put(pack.Holes, views[k].Holes);
        put(pack.TeamID, views[k].TeamID);
        pack.Handicap = views[k].Handicap;
    }
}

ScorePackReader::Result ScorePackReader::read(const std::string& path, std::vector<typScorePack>& packs) {
    std::vector<PackView>& views = buffers_->views;
    const Result result = readViews(path, views);
    assignPacks(views, packs);
    // Nothing of this file is kept past the packs.
    buffers_->clear();
    return result;
}

std::string gameFilePath(const typGameInfo& game) {
    const std::string name = text::Trim(game.FileName);
    return name.empty() ? std::string() : files::joinPath(gstrGamesFolder, name);
}

bool gsReadScoreData() {
    const std::string path = gameFilePath(gtypGame);
    // Reading a stored game leaves the in-memory tables empty, as loading
    // its file into them did.
    if (!path.empty()) gsClearIniEx();
    static ScorePackReader reader;
    const ScorePackReader::Result result = reader.read(path, gtypScorePacks);
    if (result == ScorePackReader::Result::LoadFailed) showIniLoadFailure();
    return result != ScorePackReader::Result::Read;
}

void gsUnpackScoreData() {
    // The rows of the last game are filled anew, keeping their texts'
    // storage; however the unpacking ends, only the rows made now stay.
    std::size_t used = 0;
    struct KeepRows {
        const std::size_t& used;
        ~KeepRows() { gtypScores.resize(used); }
    } keep{used};
    const int32_t hole = gtypGame.Hole, round = gtypGame.Round;
    if (round > 0) gtypScores.reserve(gtypScorePacks.size() * static_cast<std::size_t>(round));
    const int32_t holeCells = std::clamp<int32_t>(hole, 0, kRowHoles);
    for (const typScorePack& pack : gtypScorePacks) {
        // Each course takes the pack's next Hole cells; cells past Round x
        // Hole (the "" after the final "," among them) are never used.
        ScoreCells cells(pack.Holes);
        for (int32_t r = 1; r <= round; ++r) {
            typScoreData& row = used < gtypScores.size() ? gtypScores[used] : gtypScores.emplace_back();
            ++used;
            row.IDNo = pack.IDNo;
            row.RoundNo = static_cast<int16_t>(r);
            RowText* cell = row.Holes.data();
            RowText* const filled = cell + holeCells;
            // Mostly single digits, taken a few at a time, each a copy of
            // its ready-made cell; then any other texts one by one.
            cells.takeDigits(holeCells, [&cell](unsigned digit) { *cell++ = kDigitCells[digit]; });
            for (; cell != filled; ++cell) *cell = cells.next();
            // Cells past the game's holes.
            for (RowText* const last = row.Holes.data() + kRowHoles; cell != last; ++cell) cell->clear();
            // After the cells: the row is filled front to back.
            row.TeamID = pack.TeamID;
            row.Handicap = pack.Handicap;
            // A row has no cell for a hole past the 18th.
            if (hole > holeCells) text::raise(text::err::Subscript);
        }
    }
}

void gsPackScoreData() {
    gtypScorePacks.clear();
    const int32_t hole = gtypGame.Hole, round = gtypGame.Round;
    for (int32_t i = 0; i <= glngScoresMax(); ++i) {
        const typScoreData& first = gtypScores[static_cast<std::size_t>(i)];
        if (first.RoundNo != 1) continue; // read as part of the pack before it
        typScorePack pack;
        pack.IDNo = first.IDNo;
        pack.TeamID = first.TeamID;
        pack.Handicap = first.Handicap;
        for (int32_t r = 0; r < round; ++r) {
            const typScoreData& row = gtypScores.item(static_cast<long long>(i) + r);
            for (int32_t h = 0; h < hole; ++h) {
                pack.Holes += row.Holes(h).view();
                pack.Holes += ',';
            }
        }
        gtypScorePacks.append(std::move(pack));
    }
}
