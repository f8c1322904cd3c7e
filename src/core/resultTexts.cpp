#include "core/resultTexts.h"

#include "core/courseRules.h"
#include "core/players.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

int32_t wholeValue(std::string_view text) {
    try {
        return holeStrokes(text);
    } catch (const text::RuntimeError&) {
        return 0;
    }
}

std::string holeCellText(std::string_view stored, int32_t value) {
    if (value == 1) return "①";
    if (value > 1) return std::string(stored);
    return "-";
}

std::string numberOrDash(long long value) { return value == 0 ? "-" : text::Str(value); }

std::string courseAverageText(long long total, long long rounds, const char* mask) {
    return rounds < 1 ? "-" : text::FormatRatio(total, rounds * 10, mask);
}

std::string birthdayText(const typGameInfo& game, int32_t id) {
    return birthdayText(game, playerBirthDate(findPlayer(id)));
}

std::string birthdayText(const typGameInfo& game, const std::optional<text::Date>& birthday) {
    if (game.JudgeBirthday != 1) return "-";
    return birthday ? text::FormatDate(*birthday, "gee/mm/dd") : std::string();
}
