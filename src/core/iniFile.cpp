#include "core/iniFile.h"

#include "platform/files/FileOps.h"
#include "platform/files/Profile.h"
#include "platform/forms/Services.h"
#include "platform/text/Cp932.h"

#include <new>
#include <string_view>
#include <unordered_map>

namespace {

// Values of the value layer fit a 256-byte buffer with its closing NUL.
constexpr std::size_t kValueBytes = 255;

} // namespace

std::string gfReadIniFile(const std::string& file, const std::string& section, const std::string& key) {
    std::string value = files::getProfileString(file, section, key, kValueBytes).value_or("");
    // The value is the buffer's text up to its first NUL.
    if (auto nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
    return value;
}

int32_t gfWriteIniFile(const std::string& file, const std::string& section,
                       const std::optional<std::string>& key, const std::optional<std::string>& value) {
    return files::writeProfileString(file, section, key, value) ? 1 : 0;
}

std::vector<typIniSection> mtypIniSections;
int32_t mlngIniSectionsMax = -1;
std::vector<typIniKey> mtypIniKeys;
int32_t mlngIniKeysMax = -1;

namespace {

// The first section of each name, for look-ups in large files (the player
// registry, game files). Built on the first look-up after a load; it answers
// exactly as the walk from index 0 would, since only the first name is kept.
std::unordered_map<std::string_view, int32_t> mSectionIndex;
bool mIndexStale = true;

const std::unordered_map<std::string_view, int32_t>& sectionIndex() {
    if (mIndexStale) {
        mSectionIndex.clear();
        mSectionIndex.reserve(mtypIniSections.size());
        for (std::size_t i = 0; i < mtypIniSections.size(); ++i)
            mSectionIndex.try_emplace(mtypIniSections[i].Name, static_cast<int32_t>(i));
        mIndexStale = false;
    }
    return mSectionIndex;
}

// One line of the decoded text at a time; CR LF, LF and CR all end a line.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find_first_of("\r\n", pos_);
        if (end == std::string_view::npos) end = text_.size();
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (end < text_.size() && text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Loads the lines into the tables; false when a key line has no section to go to.
bool loadLines(std::string_view text) {
    Lines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        if (line.find_first_not_of(' ') == std::string_view::npos) continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']', 1);
            std::string_view name = close == std::string_view::npos ? std::string_view() : line.substr(1, close - 1);
            mtypIniSections.push_back({std::string(name), mlngIniKeysMax + 1, 0});
            ++mlngIniSectionsMax;
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        if (mlngIniSectionsMax < 0) return false;
        mtypIniKeys.push_back({std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
        ++mlngIniKeysMax;
        ++mtypIniSections.back().KeyCount;
    }
    return true;
}

} // namespace

bool gfLoadIniEx(const std::string& file) {
    gsClearIniEx();
    bool failed = true;
    try {
        auto bytes = files::readFile(file);
        failed = !bytes || !loadLines(text::decode932(*bytes));
    } catch (const std::bad_alloc&) {
        // Out of memory counts as a failed load like any other error; what
        // was loaded so far stays.
    }
    mIndexStale = true;
    // Callers show the hourglass while a file loads; a failed load puts the arrow back.
    if (failed) forms::Screen::setMousePointer(forms::vbDefault);
    return failed;
}

std::string gfReadIniEx(const std::string& section, const std::string& key) {
    const auto& index = sectionIndex();
    auto found = index.find(section);
    if (found == index.end()) return "";
    const typIniSection& s = mtypIniSections[static_cast<std::size_t>(found->second)];
    for (int32_t k = s.FirstKey; k < s.FirstKey + s.KeyCount; ++k)
        if (mtypIniKeys[static_cast<std::size_t>(k)].Key == key) return mtypIniKeys[static_cast<std::size_t>(k)].Value;
    return "";
}

void gsClearIniEx() {
    mSectionIndex.clear();
    mIndexStale = true;
    mtypIniSections.clear();
    mtypIniSections.shrink_to_fit();
    mlngIniSectionsMax = -1;
    mtypIniKeys.clear();
    mtypIniKeys.shrink_to_fit();
    mlngIniKeysMax = -1;
}
