#include "platform/files/ProfileText.h"

#include "platform/files/FileOps.h"
#include "platform/files/LineMasks.h"
#include "platform/text/Cp932.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace files {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Files of this many sections or fewer (settings, game headers) are searched
// in order; larger ones (registries, score sections) through firstSection_.
constexpr std::size_t kScannedSections = 8;

// Names are trimmed of blanks (U+0020) as text::Trim does, here without a copy:
// look-ups are the hot path of every settings read.
std::string_view trimmed(std::string_view s) {
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string nameKey(std::string_view name) { return text::asciiLower(trimmed(name)); }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A stored (lower-case) name against a name as asked for.
bool sameName(std::string_view lowered, std::string_view name) {
    if (lowered.size() != name.size()) return false;
    for (std::size_t k = 0; k < name.size(); ++k)
        if (lowered[k] != lowerAscii(name[k])) return false;
    return true;
}

// Names and values as they go into the file.
std::string stored(std::string_view s) { return text::encode932Lossy(text::blankControlBreaks(s)); }

} // namespace

inline void LineSplitter::loadWindow(std::size_t base) {
    const std::size_t size = text_.size();
    const char* bytes = text_.data() + base;
    char last[kWindow];
    if (size - base < kWindow) {
        // The last, partial window: the zero bytes after the text match nothing.
        std::memset(last, 0, kWindow);
        std::memcpy(last, bytes, size - base);
        bytes = last;
    }
    std::uint64_t lf = 0, cr = 0, eq = 0, high = 0;
    for (std::size_t at = 0; at < kWindow; at += detail::kLineBlock) {
        const detail::LineMasks block = detail::lineMasks(bytes + at);
        lf |= std::uint64_t{block.lf} << at;
        cr |= std::uint64_t{block.cr} << at;
        eq |= std::uint64_t{block.eq} << at;
        high |= std::uint64_t{block.high} << at;
    }
    base_ = base;
    breaks_ = lf | cr;
    eqs_ = eq;
    highs_ = high;
    crLfs_ = cr & (lf >> 1);
    // A CR at the window's end is followed by the next window's first byte.
    if (size - base > kWindow && text_[base + kWindow] == '\n') crLfs_ |= cr & (std::uint64_t{1} << (kWindow - 1));
}

bool LineSplitter::nextInNewWindow(Line& line) {
    const std::size_t size = text_.size();
    std::size_t at = pos_;
    if (at >= size) return false; // so an empty text's data() is never read
    if (at - base_ >= kWindow) { // the line starts after the window: on to the one holding it
        loadWindow(at & ~(kWindow - 1));
        return next(line);
    }

    // No break follows in the window: the line goes on in the next ones.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    const std::uint64_t from = ~std::uint64_t{0} << (at - base_);
    std::size_t eq = eqs_ & from ? base_ + static_cast<std::size_t>(std::countr_zero(eqs_ & from)) : kNone;
    std::uint64_t high = highs_ & from;
    line.begin = at;
    line.textEnd = line.end = size; // unless a break comes
    for (at = base_ + kWindow; at < size; at += kWindow) {
        loadWindow(at);
        const std::uint64_t text = (breaks_ - 1) & ~breaks_; // up to the first break, if any
        if (eq == kNone && (eqs_ & text)) eq = base_ + static_cast<std::size_t>(std::countr_zero(eqs_ & text));
        high |= highs_ & text;
        if (breaks_) {
            const int k = std::countr_zero(breaks_);
            line.textEnd = base_ + static_cast<std::size_t>(k);
            line.end = line.textEnd + 1 + (crLfs_ >> k & 1);
            break;
        }
    }
    line.eq = std::min(eq, line.textEnd);
    line.ascii = high == 0;
    pos_ = line.end;
    return true;
}

ProfileText::ProfileText(std::string raw) : ProfileText(std::move(raw), std::nullopt) {}

ProfileText ProfileText::upToSectionEnd(std::string raw, std::string_view section) {
    return ProfileText(std::move(raw), section);
}

ProfileText::ProfileText(std::string raw, std::optional<std::string_view> lastSection) : raw_(std::move(raw)) {
    // Room for every line at once; a section read alone takes few of them.
    if (!lastSection) {
        const auto breaks = static_cast<std::size_t>(std::count(raw_.begin(), raw_.end(), '\n'));
        lines_.reserve(breaks + 1);
        keys_.reserve(breaks + 1);
    }
    std::string decoded;
    bool inSection = false;
    LineSplitter splitter(raw_);
    for (Line at; splitter.next(at);) {
        std::size_t index = lines_.size();
        if (index == 0) {
            // The first line starts after a byte-order mark, which stays in
            // the file as part of no line's text.
            at.begin += byteOrderMarkLength(raw_);
        }
        lines_.push_back(at);

        // Blanks, "[" and "=" are never part of a two-byte character (trail
        // bytes start at 0x40), so they are found in the raw bytes; only the
        // header's name and the key are decoded here, the value when asked.
        const std::string_view raw(raw_.data() + at.begin, at.textEnd - at.begin);
        std::size_t first = raw.find_first_not_of(' ');
        if (first == std::string_view::npos) continue; // blank line
        if (raw[first] == '[') {
            // "]" may be a trail byte: the header is decoded before it is looked for.
            std::string_view line = raw;
            if (!at.ascii) {
                decoded = text::decode932(raw);
                line = decoded;
                first = line.find('[');
            }
            if (inSection) sections_.back().end = index;
            // The section asked for is complete: nothing after it counts.
            if (lastSection && inSection && sameName(sections_.back().name, trimmed(*lastSection))) {
                lines_.pop_back();
                break;
            }
            std::size_t close = line.find(']', first + 1);
            std::string_view name = line.substr(first + 1, close == std::string_view::npos
                                                               ? std::string_view::npos
                                                               : close - first - 1);
            sections_.push_back({nameKey(name), index, index, lines_.size(), keys_.size(), 0});
            inSection = true;
            continue;
        }
        if (!inSection) continue; // nothing before the first section counts
        Section& s = sections_.back();
        s.lastContent = index;
        const std::size_t eq = at.eq - at.begin;
        if (eq == raw.size()) continue;
        std::string_view key = raw.substr(0, eq);
        if (!at.ascii) key = decoded = text::decode932(key);
        keys_.push_back({nameKey(key), std::nullopt, index});
        ++s.keyCount;
    }
    if (inSection) sections_.back().end = lines_.size();
    if (sections_.size() > kScannedSections)
        for (std::size_t i = 0; i < sections_.size(); ++i) firstSection_.try_emplace(sections_[i].name, i);
}

std::size_t ProfileText::NameHash::operator()(std::string_view name) const {
    std::size_t h = 14695981039346656037ULL; // FNV-1a over the lower-case bytes
    for (char c : name) h = (h ^ static_cast<unsigned char>(lowerAscii(c))) * 1099511628211ULL;
    return h;
}

bool ProfileText::NameEqual::operator()(std::string_view a, std::string_view b) const {
    // Either side may be the stored name: both are lowered, in place.
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (lowerAscii(a[k]) != lowerAscii(b[k])) return false;
    return true;
}

const ProfileText::Section* ProfileText::findSection(std::string_view section) const {
    section = trimmed(section);
    if (sections_.size() <= kScannedSections) {
        for (const Section& s : sections_)
            if (sameName(s.name, section)) return &s;
        return nullptr;
    }
    auto found = firstSection_.find(section);
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

const ProfileText::Key* ProfileText::findKey(const Section& s, std::string_view key) const {
    key = trimmed(key);
    for (std::size_t k = s.firstKey; k < s.firstKey + s.keyCount; ++k)
        if (sameName(keys_[k].name, key)) return &keys_[k];
    return nullptr;
}

const std::string* ProfileText::find(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (!s) return nullptr;
    const Key* k = findKey(*s, key);
    if (!k) return nullptr;
    if (!k->value) {
        const Line& at = lines_[k->line];
        const std::string_view raw(raw_.data() + at.eq + 1, at.textEnd - at.eq - 1);
        k->value = std::string(at.ascii ? trimmed(raw) : trimmed(text::decode932(raw)));
    }
    return &*k->value;
}

std::vector<std::string> ProfileText::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

bool ProfileText::lastLineOpen() const {
    return !lines_.empty() && lines_.back().textEnd == lines_.back().end;
}

std::optional<std::string> ProfileText::withValue(std::string_view section, std::string_view key,
                                                  std::string_view value) const {
    return withValues({{std::string(section), std::string(key), std::string(value)}});
}

std::optional<std::string> ProfileText::withValues(const std::vector<ProfileValue>& values) const {
    // Where each value goes, as writing them one by one would put it: over
    // the value of the key it names; else after the last line that is not
    // blank of its section, after the keys added there before it; else into
    // a new section at the end of the file.
    struct AddedKey {
        std::string name; // trimmed, lower case
        std::string text; // the key as stored
        std::string value;
    };
    struct NewSection {
        std::string name; // trimmed, lower case
        std::string text; // the name as stored
        std::vector<AddedKey> keys;
    };
    std::unordered_map<std::size_t, std::string> replaced; // key line -> value
    std::unordered_map<std::size_t, std::vector<AddedKey>> added; // section -> keys
    std::vector<NewSection> newSections;
    const auto add = [](std::vector<AddedKey>& keys, const ProfileValue& v) {
        std::string name = nameKey(v.key);
        for (AddedKey& k : keys)
            if (k.name == name) {
                k.value = stored(v.value);
                return;
            }
        keys.push_back({std::move(name), stored(trimmed(v.key)), stored(v.value)});
    };
    for (const ProfileValue& v : values) {
        if (const Section* s = findSection(v.section)) {
            if (const Key* k = findKey(*s, v.key))
                replaced[k->line] = stored(v.value);
            else
                add(added[static_cast<std::size_t>(s - sections_.data())], v);
            continue;
        }
        const std::string name = nameKey(v.section);
        auto section = std::find_if(newSections.begin(), newSections.end(),
                                    [&name](const NewSection& n) { return n.name == name; });
        if (section == newSections.end())
            section = newSections.insert(newSections.end(), {name, stored(trimmed(v.section)), {}});
        add(section->keys, v);
    }

    // The changes inside the file, in file order.
    struct Splice {
        std::size_t begin, end; // the raw bytes replaced
        std::string text;
    };
    std::vector<Splice> splices;
    bool changed = false;
    for (auto& [line, value] : replaced) {
        // The value is everything after the line's first "=" (never a trail byte).
        const Line& at = lines_[line];
        const std::size_t valueBegin = at.eq + 1;
        if (raw_.compare(valueBegin, at.textEnd - valueBegin, value) == 0) continue;
        splices.push_back({valueBegin, at.textEnd, std::move(value)});
        changed = true;
    }
    for (auto& [section, keys] : added) {
        const Line& after = lines_[sections_[section].lastContent];
        std::string text = after.textEnd == after.end ? std::string(kLineBreak) : std::string();
        for (const AddedKey& k : keys) text.append(k.text).append("=").append(k.value).append(kLineBreak);
        splices.push_back({after.end, after.end, std::move(text)});
        changed = true;
    }
    if (!changed && newSections.empty()) return std::nullopt;
    std::sort(splices.begin(), splices.end(), [](const Splice& a, const Splice& b) { return a.begin < b.begin; });

    std::string out;
    out.reserve(raw_.size() + values.size() * 32);
    std::size_t kept = 0; // raw bytes before this offset are done
    for (const Splice& splice : splices) {
        out.append(raw_, kept, splice.begin - kept).append(splice.text);
        kept = splice.end;
    }
    out.append(raw_, kept, std::string::npos);
    if (!newSections.empty() && !out.empty() && out.back() != '\n' && out.back() != '\r') out += kLineBreak;
    for (const NewSection& section : newSections) {
        out.append("[").append(section.text).append("]").append(kLineBreak);
        for (const AddedKey& k : section.keys) out.append(k.text).append("=").append(k.value).append(kLineBreak);
    }
    return out;
}

std::optional<std::string> ProfileText::withoutKey(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    const Key* k = s ? findKey(*s, key) : nullptr;
    if (!k) return std::nullopt;
    const Line& line = lines_[k->line];
    std::string out = raw_;
    out.erase(line.begin, line.end - line.begin);
    return out;
}

std::optional<std::string> ProfileText::withoutSection(std::string_view section) const {
    std::string lowered = nameKey(section);
    if (!findSection(section)) return std::nullopt;
    std::string out;
    out.reserve(raw_.size());
    std::size_t kept = 0; // raw bytes before this offset are done
    for (const Section& s : sections_) {
        if (s.name != lowered) continue;
        out.append(raw_, kept, lines_[s.header].begin - kept);
        kept = s.end < lines_.size() ? lines_[s.end].begin : raw_.size();
    }
    out.append(raw_, kept, std::string::npos);
    return out;
}

} // namespace files
