#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace files {

// The lines of a text, each ended by CR LF, LF or CR; a break at the very end
// opens no further line. The text is scanned once, in windows of 64 bytes:
// bit masks of a window (built 16 bytes at a time, LineMasks.h) give every
// break, "=" and non-ASCII byte in it, so a line that ends inside the window
// is found with a few bit operations; one that goes on past it, window by
// window (out of line).
class LineSplitter {
public:
    struct Line {
        std::size_t begin, textEnd, end; // text is [begin, textEnd), the line break up to end
        std::size_t eq;                  // the text's first "=", or textEnd when it has none
        bool ascii;                      // no byte of the text is above 0x7F
    };
    explicit LineSplitter(std::string_view text) : text_(text) {}

    // The next line, or false after the last.
    bool next(Line& line) {
        const std::size_t shift = pos_ - base_;
        if (shift < kWindow) {
            const std::uint64_t from = ~std::uint64_t{0} << shift; // the window's bytes from pos_ on
            const std::uint64_t breaks = breaks_ & from;
            if (breaks) {
                const int k = std::countr_zero(breaks);
                line.begin = pos_;
                line.textEnd = base_ + static_cast<std::size_t>(k);
                line.eq = base_ + static_cast<std::size_t>(std::countr_zero((eqs_ & from) | breaks));
                // breaks - 1 keeps the bits before the first break, and later breaks: never high bytes.
                line.ascii = !(highs_ & from & (breaks - 1));
                line.end = pos_ = line.textEnd + 1 + (crLfs_ >> k & 1);
                return true;
            }
        }
        return nextInNewWindow(line);
    }

private:
    static constexpr std::size_t kWindow = 64;

    bool nextInNewWindow(Line& line);
    void loadWindow(std::size_t base);

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t base_ = 0 - kWindow; // the window is [base_, base_ + 64); at first none
    // Bit k stands for the byte at base_ + k: a CR or LF; "="; above 0x7F;
    // a CR followed by LF. Bytes after the text have no bits.
    std::uint64_t breaks_ = 0, eqs_ = 0, highs_ = 0, crLfs_ = 0;
};

// One value to write: section, key and value (UTF-8).
struct ProfileValue {
    std::string section, key, value;
};

// One INI file as the profile functions see it: the raw bytes, split into
// lines (CR LF, LF or CR), each line decoded from code page 932 before it is
// looked at, so trail bytes "[", "]" and "\" never split a character. A
// UTF-8 byte-order mark at the start is skipped (and kept in the bytes).
// Section and key names are trimmed and match without regard to ASCII case;
// values are trimmed, quotes kept; the first section and the first key of a
// name win. Edits give the whole new file and keep every other line's bytes.
class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string raw);
    // The file's lines only up to the end of the first section named
    // `section`: find() answers for that section as for the whole file (the
    // first section of a name is the one read), and for nothing after it.
    // Not for edits.
    static ProfileText upToSectionEnd(std::string raw, std::string_view section);

    const std::string& raw() const { return raw_; }

    // The value (UTF-8), or nullptr when the section or the key is missing.
    const std::string* find(std::string_view section, std::string_view key) const;
    // The names of the sections in file order, trimmed and in ASCII lower
    // case, as they are matched.
    std::vector<std::string> sectionNames() const;

    // The file's new bytes, or nullopt when nothing changes. The value is
    // written in code page 932 with CR, LF and NUL turned into blanks.
    std::optional<std::string> withValue(std::string_view section, std::string_view key,
                                         std::string_view value) const;
    // The same for several values at once: the bytes that writing them one
    // after the other would give, made in one pass over this file.
    std::optional<std::string> withValues(const std::vector<ProfileValue>& values) const;
    std::optional<std::string> withoutKey(std::string_view section, std::string_view key) const;
    // Every section of that name goes, with all of its lines.
    std::optional<std::string> withoutSection(std::string_view section) const;

private:
    using Line = LineSplitter::Line;
    // Parses the lines; with `lastSection`, stops at the end of the first
    // section of that name.
    ProfileText(std::string raw, std::optional<std::string_view> lastSection);
    struct Key {
        std::string name; // trimmed, ASCII lower case
        // Decoded and trimmed when first asked for: a huge value that is
        // never read is never decoded.
        mutable std::optional<std::string> value;
        std::size_t line;
    };
    struct Section {
        std::string name; // trimmed, ASCII lower case
        std::size_t header, lastContent, end; // line indexes; end = the next header
        std::size_t firstKey, keyCount;
    };

    // Hashing and comparing names without regard to ASCII case, so that a
    // look-up needs no lower-case copy of the name it is given.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };

    const Section* findSection(std::string_view section) const;
    const Key* findKey(const Section& s, std::string_view key) const;
    bool lastLineOpen() const;

    std::string raw_;
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    std::vector<Key> keys_;
    // The first section of each name; built only for files of many sections.
    std::unordered_map<std::string, std::size_t, NameHash, NameEqual> firstSection_;
};

} // namespace files
