#include "tally/gameHeaderTexts.h"

#include "platform/text/Format.h"
#include "platform/text/Strings.h"

#include <algorithm>

namespace {

std::string rightAligned(int16_t n) {
    const std::string digits = text::Format(n, "0");
    return text::Space(std::max(0L, 3 - text::Len(digits))) + digits;
}

} // namespace

std::vector<int16_t> holeChoices(int16_t storedHoles, bool keepStored) {
    std::vector<int16_t> out{9, 10, 11, 12};
    if (keepStored && storedHoles >= 1 && storedHoles <= 18 && (storedHoles < 9 || storedHoles > 12))
        out.insert(storedHoles < 9 ? out.begin() : out.end(), storedHoles);
    return out;
}

std::string holeItemText(int16_t holes) { return rightAligned(holes) + " ﾎｰﾙ"; }

std::string roundItemText(int16_t courses) { return rightAligned(courses); }

std::string totalHolesText(int16_t holes, int16_t courses) {
    return text::Format(static_cast<long long>(holes) * courses, "0") + "H";
}

std::string coursePresetCaption(int preset) {
    static const char* const captions[] = {"ABC...", "123...", "C+123...", "R+123..."};
    return captions[preset];
}

std::string presetCourseName(int preset, int i) {
    const std::string number = text::Format(i + 1, "0");
    switch (preset) {
    case 0: return std::string(1, static_cast<char>('A' + i));
    case 1: return number;
    case 2: return "C" + number;
    default: return "R" + number;
    }
}
