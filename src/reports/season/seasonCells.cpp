#include "reports/season/seasonCells.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"

namespace seasoncells {

const typGameInfo& takeGameHeader(int32_t gameIndex) {
    gtypGame = gtypGames.item(gameIndex);
    return gtypGame;
}

std::string exactAge(int32_t id, const std::string& date) { return gfCalAge(gfGetPlayerBirthday(id), date, 1); }

std::string handicapCell(int32_t strokes, int16_t handicapKind, int32_t handicap) {
    if (strokes == 0) return "-";
    return handicapKind == 0 ? "" : gfFormatTenths(handicap);
}

std::string totalCell(int32_t strokes, int32_t total) { return strokes == 0 ? "-" : gfFormatTenths(total); }

std::string titleWithPlayer(int32_t id) { return gstrPrintTitle2 + " ： 【" + gfGetPlayerName(id) + "】"; }

std::string gamesCount(long long games) { return "参加 " + text::Format(games, "0") + "回"; }

std::string longDate(const std::string& date) { return text::FormatDateText(date, "ggge年mm月dd日(aaa)"); }

} // namespace seasoncells
