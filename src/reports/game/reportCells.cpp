#include "reports/game/reportCells.h"

#include "core/courseRules.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/players.h"
#include "reports/game/modPfPreparePrint.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

forms::Line& loadRule(forms::ControlArray<forms::Line>& rules, double x1, double y1, double x2, double y2) {
    forms::Line& rule = rules.Load(rules.UBound() + 1);
    rule.setPoints(x1, y1, x2, y2);
    rule.setBorderColor(forms::vbBlack);
    rule.setVisible(true);
    return rule;
}

forms::Label& loadLabel(forms::ControlArray<forms::Label>& labels, double left, double top, double width,
                        const std::string& caption) {
    forms::Label& label = labels.Load(labels.UBound() + 1);
    label.Move(left, top, width, label.Height());
    label.setForeColor(forms::vbBlack);
    label.setCaption(caption);
    label.setVisible(true);
    return label;
}

std::string ageGenderText(int32_t id, const std::string& date) {
    return "(" + gfGetPlayerAge(id, date) + "," + gfGetPlayerGender(id, 1) + ")";
}

std::string ageGenderText(int32_t id) { return ageGenderText(id, gstrPrintGameDate); }

int32_t columnWidth(int32_t band, int32_t n) { return text::CLng(text::divide(band, n)); }

std::string reportHoleText(std::string_view stored) { return holeCellText(text::TrimmedView(stored)); }

std::string rankHandicapText(const typRankRow& row) {
    if (gtypGame.HandiCapKind == 0) return "";
    if (row.Strokes == 0) return "-";
    if (gtypGame.HandiCapKind == 1 || row.RoundsDone == gtypGame.Round) return gfFormatTenths(row.Handicap);
    return gfFormatTenths(gameHandicapShare(row.Handicap, row.RoundsDone, gtypGame.Round));
}

