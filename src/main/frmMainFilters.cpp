// The main window's filters: series, game shape and course, each remembered
// the moment it is chosen (by the user or by the program), and the period.
// Choosing a series refills the other two and the period, then builds the
// list once.
#include "main/frmMain.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/registryFile.h"
#include "core/registryNames.h"
#include "core/rememberedChoices.h"
#include "platform/files/Profile.h"
#include "platform/forms/ComboChoice.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <set>

namespace {

// The games of the chosen series (all of them for "すべて").
template <class F>
void forSeasonGames(int32_t season, F f) {
    for (const typGameInfo& g : gtypGames)
        if (season == -1 || g.SeriesID == season) f(g);
}

// Adds an entry and chooses it when asked; choosing runs the list's Click.
void addEntry(forms::ComboBox& c, const std::string& text, int32_t data, bool choose) {
    c.AddItem(text);
    c.setItemData(c.NewIndex(), data);
    if (choose) c.setListIndex(c.NewIndex());
}

// Refills a shape or course filter from the season's values: "すべて" alone
// when there are none, "すべて" first (and chosen) when there are several,
// then each value in key order, the remembered one chosen; a single value is
// always chosen.
template <class Key, class Caption>
void fillValueFilter(forms::ComboBox& c, const std::set<int32_t>& distinct, int32_t remembered, Key key,
                     Caption caption) {
    c.Clear();
    if (distinct.empty()) {
        addEntry(c, "すべて", -1, true);
        return;
    }
    if (distinct.size() > 1) addEntry(c, "すべて", -1, true);
    const std::vector<int32_t> values(distinct.begin(), distinct.end());
    std::vector<std::string> keys;
    std::vector<int32_t> order;
    for (size_t i = 0; i < values.size(); ++i) {
        keys.push_back(key(values[i]));
        order.push_back(static_cast<int32_t>(i));
    }
    csQuickSort_Asc(0, static_cast<int32_t>(order.size()) - 1, order, keys);
    bool chosen = false;
    for (int32_t i : order) {
        const int32_t v = values[static_cast<size_t>(i)];
        addEntry(c, caption(v), v, v == remembered);
        chosen = chosen || v == remembered;
    }
    if (distinct.size() == 1 && !chosen) c.setListIndex(c.ListCount() - 1);
}

} // namespace

void frmMain::psSetSeasonCombo() {
    cobSeason.Clear();
    const int32_t r = rememberedChoice("SelectedSeason");
    addEntry(cobSeason, "すべて", -1, r == -1);
    addEntry(cobSeason, "指定なし", 0, r == 0);
    // One synchronous loop over one file: it is read once, not once per value.
    files::ProfileReadBatch batch;
    const int16_t count = registryCount(seriesRegistry);
    for (int32_t n = 1; n <= count; ++n) {
        if (!namedEntryActive(gstrSeriesFile, seriesRegistry.sectionPrefix + text::Str(n))) continue;
        addEntry(cobSeason, seriesName(n), n, r == n);
    }
    if (!forms::hasChoice(cobSeason)) cobSeason.setListIndex(cobSeason.ListCount() - 1);
}

void frmMain::cobSeason_Click() {
    files::ProfileReadBatch batch; // the settings and registries are read once for all the filters
    if (forms::hasChoice(cobSeason)) remember("SelectedSeason", text::Str(forms::chosenData(cobSeason)));
    mintNoSetList = 1;
    psSetHoleRoundCombo();
    psSetCourceCombo();
    psSetPeriodFromGames();
    mintNoSetList = 0;
    psSetGamesList();
    psSetButtons();
}

void frmMain::cobHoleRound_Click() {
    if (forms::hasChoice(cobHoleRound)) remember("SelectedHoleRound", text::Str(forms::chosenData(cobHoleRound)));
    psSetGamesList();
    psSetButtons();
}

void frmMain::cobCource_Click() {
    if (forms::hasChoice(cobCource)) remember("SelectedCource", text::Str(forms::chosenData(cobCource)));
    psSetGamesList();
    psSetButtons();
}

void frmMain::psSetHoleRoundCombo() {
    if (!forms::hasChoice(cobSeason)) {
        cobHoleRound.Clear();
        return;
    }
    const int32_t r = rememberedChoice("SelectedHoleRound");
    std::set<int32_t> shapes;
    forSeasonGames(forms::chosenData(cobSeason), [&](const typGameInfo& g) { shapes.insert(g.Hole * 100 + g.Round); });
    // By total holes, then by holes per course.
    auto key = [](int32_t v) {
        const long long hole = text::CInt(v / 100.0), round = text::intMod(v, 100);
        return text::Format(hole * round, "000000") + text::Format(v, "000000");
    };
    auto caption = [](int32_t v) {
        const long long hole = text::CInt(v / 100.0), round = text::intMod(v, 100);
        return text::FormatText(text::Str(hole * round), "@@@@") + " ﾎｰﾙ" + " " + " (" + text::Str(hole) + "H x " +
               text::Str(round) + ")";
    };
    fillValueFilter(cobHoleRound, shapes, r, key, caption);
}

void frmMain::psSetCourceCombo() {
    if (!forms::hasChoice(cobSeason)) {
        cobCource.Clear();
        return;
    }
    // One synchronous pass over the course file: it is read once, not once per name.
    files::ProfileReadBatch batch;
    const int32_t r = rememberedChoice("SelectedCource");
    std::set<int32_t> cources;
    forSeasonGames(forms::chosenData(cobSeason), [&](const typGameInfo& g) { cources.insert(g.CourceID); });
    auto key = [](int32_t v) { return text::Format(v, "000000"); };
    auto caption = [](int32_t v) { return v == 0 ? std::string("指定なし") : text::Trim(courseName(v)); };
    fillValueFilter(cobCource, cources, r, key, caption);
}

// A failure keeps what was set so far, without a message.
void frmMain::psSetPeriodFromGames() {
    try {
        if (!forms::hasChoice(cobSeason)) {
            mstrPeriodFrom.clear();
            mstrPeriodTo.clear();
            return;
        }
        std::string first = "9999/99/99", last = "0000/00/00";
        bool any = false;
        forSeasonGames(forms::chosenData(cobSeason), [&](const typGameInfo& g) {
            const std::string d = text::FormatDateText(text::Trim(g.Date), "yyyy/mm/dd");
            if (d < first) first = d;
            if (d > last) last = d;
            any = true;
        });
        mstrPeriodFrom = any ? first : std::string();
        mstrPeriodTo = any ? last : std::string();
        psShowPeriod();
    } catch (const text::RuntimeError&) {
    }
}

void frmMain::psShowPeriod() {
    const std::string from = text::Trim(mstrPeriodFrom), to = text::Trim(mstrPeriodTo);
    if (from.empty() && to.empty()) {
        lblPeriod.setCaption("");
        return;
    }
    auto shown = [](const std::string& d) { return d.empty() ? d : text::FormatDateText(d, "gee/mm/dd"); };
    lblPeriod.setCaption(shown(from) + "　～　" + shown(to));
}
