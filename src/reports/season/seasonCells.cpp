#include "reports/season/seasonCells.h"

#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

namespace seasoncells {

const typGameInfo& takeGameHeader(int32_t gameIndex) {
    gtypGame = gtypGames.item(gameIndex);
    return gtypGame;
}

int32_t columnWidth(double band, int32_t count) { return text::CLng(text::divide(band, count)); }

std::string ageAndGender(int32_t id, const std::string& date) {
    return "(" + gfGetPlayerAge(id, date) + "," + gfGetPlayerGender(id, 1) + ")";
}

std::string exactAge(int32_t id, const std::string& date) { return gfCalAge(gfGetPlayerBirthday(id), date, 1); }

std::string handicapCell(int32_t strokes, int16_t handicapKind, int32_t handicap) {
    if (strokes == 0) return "-";
    return handicapKind == 0 ? "" : gfFormatTenths(handicap);
}

std::string totalCell(int32_t strokes, int32_t total) { return strokes == 0 ? "-" : gfFormatTenths(total); }

} // namespace seasoncells
