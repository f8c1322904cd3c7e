#include "tally/quickScore.h"

#include <algorithm>

#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

std::string pfMakeEasyScore(const HoleList& holes, int16_t hole) {
    std::string out;
    const int holes18 = std::clamp<int>(hole, 0, 18);
    for (int h = 0; h < holes18; ++h) {
        const int32_t v = wholeValue(holes[static_cast<std::size_t>(h)]);
        if (v <= 0) out += ' ';
        else if (v <= 9) out += static_cast<char>('0' + v);
        else out += "0" + text::Str(v);
    }
    return text::RTrim(out);
}

std::string pfParseEasyScore(HoleList& holes, std::string_view text, int16_t hole) {
    const std::u32string chars = text::toUtf32(text);
    const std::size_t n = chars.size();
    const std::size_t holeCount = static_cast<std::size_t>(std::clamp<int>(hole, 0, 18));
    std::size_t p = 0, i = 0;
    while (p < n) {
        if (i >= holeCount) return text::fromUtf32(chars.substr(p));
        const char32_t c = chars[p];
        if (c < U'0' || c > U'9') {
            holes[i].clear();
            ++p;
        } else if (c != U'0') {
            holes[i] = std::string(1, static_cast<char>(c));
            ++p;
        } else if (p + 1 == n) {
            break; // a "0" at the very end is dropped
        } else {
            holes[i] = text::Str(wholeValue(text::fromUtf32(chars.substr(p + 1, 2))));
            p += 3;
        }
        ++i;
    }
    return {};
}

TidiedEasyScore tidyEasyScore(std::string_view text, int16_t hole) {
    HoleList holes{};
    const std::string surplus = pfParseEasyScore(holes, text::RTrim(text), hole);
    return {pfMakeEasyScore(holes, hole), text::RTrim(surplus)};
}
