#include "tally/resultCells.h"

#include "core/courseRules.h"
#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

ListCell resultCell(std::string text, int32_t alignment, std::optional<forms::Color> back, bool bold) {
    ListCell c;
    c.text = std::move(text);
    c.alignment = alignment;
    c.back = back;
    c.bold = bold;
    return c;
}

bool showsHandicap(const typGameInfo& game) { return game.HandiCapKind == 1 || game.HandiCapKind == 2; }

std::string handicapShareText(const typGameInfo& game, int32_t handicap, int32_t roundsDone) {
    if (game.HandiCapKind == 2) return gfFormatTenths(gameHandicapShare(handicap, roundsDone, game.Round));
    return gfFormatTenths(handicap);
}

ListRow& newResultRow(ListTable& table, size_t k, std::string first) {
    ListRow& row = table.rows.emplace_back();
    row.itemData = static_cast<int32_t>(k) + 1;
    row.cells.reserve(table.columns.size());
    row.cells.push_back(resultCell(std::move(first), AlignCentre, forms::vbButtonFace));
    return row;
}

void addPlayerCells(ListRow& row, const std::optional<text::Date>& gameDate, const typPlayerInfo* player,
                    std::optional<forms::Color> band) {
    row.cells.push_back(resultCell(player ? player->Name : std::string(), AlignLeft, band));
    row.cells.push_back(resultCell(playerAgeText(player, gameDate), AlignCentre, band));
    row.cells.push_back(resultCell(playerGenderText(player, 0), AlignCentre, band));
}
