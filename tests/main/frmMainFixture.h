#pragma once
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/resultRecords.h"
#include "main/frmMain.h"
#include "main/windowSeams.h"
#include "platform/files/FileOps.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmGameInfo.h"
#include "tally/frmNewScoreSetup.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// The report windows as their contracts describe them. Each dialog starts
// as cancelled (gintDlgRet -1) and then runs the test's answer, if any.
class FakeGameWindows : public GameWindows {
public:
    std::function<void()> selectPrintScore, printTotalGames;
    std::vector<std::string> calls;
    std::vector<forms::Form*> owners;

    void showSelectPrintScore(forms::Form& owner) override { dialog("frmSelectPrintScore", owner, selectPrintScore); }
    void showPrintTotalGames(forms::Form& owner) override { dialog("frmPrintTotalGames", owner, printTotalGames); }

private:
    void dialog(const char* name, forms::Form& owner, const std::function<void()>& answer) {
        calls.push_back(name);
        owners.push_back(&owner);
        gintDlgRet = -1;
        if (answer) answer();
    }
};

// A temporary home with a small data folder: three series (the second
// deleted), two courses, two players, and six games of several series,
// shapes and courses. The main window is made, not yet loaded.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : data(home) {
        gintDlgRet = 99;
        setGameWindows(&windows);
        data.writeSeries({{1, "春季リーグ"}, {2, "旧リーグ", 2}, {3, "秋季リーグ"}});
        data.writeCources({{1, "中央コース"}, {2, "河川敷コース"}});
        data.writePlayers({{1, "山田太郎", "1950/06/15", 1, 1, "やまだ", "札幌"},
                           {2, "鈴木花子", "1952/03/08", 2, 1, "すずき", "旭川"}});
        data.writeGroups({{1, "札幌中央パークゴルフ協会", "札幌"}});
        writeGame(1, "2010/04/10", "春季第1戦", 1, 1, 9, 4);
        writeGame(2, "2010/05/15", "春季第2戦", 1, 2, 9, 4);
        writeGame(3, "2010/06/20", "春季第3戦", 1, 1, 18, 2);
        writeGame(4, "2010/06/20", "秋季開幕戦", 3, 1, 12, 3);
        writeGame(5, "2010/03/01", "練習会", 0, 0, 9, 4);
        writeGame(6, "2010/07/01", "旧リーグ最終戦", 2, 1, 9, 4);
        data.writeManager("6");
    }
    ~MainWindowTest() override {
        setGameWindows(nullptr);
        files::fault::clear();
    }

    // A stored game with two players.
    void writeGame(int32_t number, const std::string& date, const std::string& title, int32_t series,
                   int32_t cource, int hole, int round) {
        testsupport::GameEntry g;
        g.date = date;
        g.title = title;
        g.seriesId = series;
        g.courceId = cource;
        g.hole = hole;
        g.round = round;
        std::string strokes;
        for (int k = 0; k < hole * round; ++k) strokes += "3,";
        g.scores = {{1, strokes, "", 0}, {2, strokes, "", 0}};
        data.writeGame(number, g);
    }
    static std::string fileName(int32_t number) {
        std::string digits = std::to_string(number);
        return "game" + std::string(5 - std::min<size_t>(5, digits.size()), '0') + digits + ".lmg";
    }

    static std::vector<std::string> games(std::initializer_list<int32_t> numbers) {
        std::vector<std::string> out;
        for (int32_t n : numbers) out.push_back(fileName(n));
        return out;
    }

    void setSetting(const std::string& key, const std::string& value, const std::string& section = "Setup") {
        gfWriteIniFile(gstrIniFile, section, key, value);
    }
    static std::string setting(const std::string& key, const std::string& section = "Setup") {
        return gfReadIniFile(gstrIniFile, section, key);
    }

    void open() { f.Show(); }

    // The open tally window; fails the test when none is open.
    frmBrenmoor& tally() {
        frmBrenmoor* t = f.tallyWindow();
        if (!t) throw std::runtime_error("no tally window is open");
        return *t;
    }
    // The user closes the tally window, dropping any change ("いいえ" to
    // the save question).
    void closeTally() {
        frmBrenmoor& t = tally();
        if (t.changed() != 0) desk.boxes.answer(forms::vbNo);
        forms::sim::click(t.btnExit);
    }

    // The header and entrant dialogs of the next new game are confirmed as
    // they open, the courses named "A" to "J" (the stored games have no names).
    void acceptNewGame() {
        desk.modal.add<frmGameInfo>([](frmGameInfo& d) {
            forms::sim::click(d.btnSetCourceName[0]);
            forms::sim::click(d.btnOK);
        });
        desk.modal.add<frmNewScoreSetup>([](frmNewScoreSetup& d) { forms::sim::click(d.btnOK); });
    }

    // The position of the entry with this item data; -1 when none has it.
    static int entryOf(const forms::ComboBox& c, int32_t data) {
        for (int i = 0; i < c.ListCount(); ++i)
            if (c.ItemData(i) == data) return i;
        return -1;
    }
    static int32_t chosen(const forms::ComboBox& c) { return c.ListIndex() < 0 ? -99 : c.ItemData(c.ListIndex()); }
    static std::vector<std::string> entries(const forms::ComboBox& c) {
        std::vector<std::string> out;
        for (int i = 0; i < c.ListCount(); ++i) out.push_back(c.List(i));
        return out;
    }
    // A person picks the entry with this item data.
    static void pick(forms::ComboBox& c, int32_t data) {
        const int i = entryOf(c, data);
        ASSERT_GE(i, 0) << c.Name() << " has no entry " << data;
        forms::sim::chooseItem(c, i);
    }

    uctMyGrid& grid() { return f.uctGameList; }
    std::string cell(int32_t col, int32_t row) { return grid().gfGetCellData(col, row, "Text").toText(); }
    int32_t tick(int32_t row) { return grid().gfGetCellData(0, row, "Value").toInt32(); }
    std::vector<std::string> headers() {
        std::vector<std::string> out;
        for (int32_t c = 0; c < grid().ColCount(); ++c) out.push_back(cell(c, 0));
        return out;
    }
    // File names of the listed games, top to bottom.
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (int32_t r = 1; r < grid().gfRowCount(); ++r)
            out.push_back(gtypGames[static_cast<size_t>(grid().gfGetRowItemData(r))].FileName);
        return out;
    }
    int32_t rowOf(const std::string& file) {
        for (int32_t r = 1; r < grid().gfRowCount(); ++r)
            if (gtypGames[static_cast<size_t>(grid().gfGetRowItemData(r))].FileName == file) return r;
        return 0;
    }
    int32_t selectedRow() {
        for (int32_t r = 1; r < grid().gfRowCount(); ++r)
            if (grid().gfGetRowSelected(r)) return r;
        return 0;
    }
    // A person clicks a game row (its title cell), or its tally box.
    void clickRow(int32_t row) {
        uctMGRow* view = grid().RowView(row);
        ASSERT_NE(view, nullptr) << "row " << row << " is not shown";
        forms::sim::click(view->lblObj(1));
    }
    void clickTick(int32_t row) {
        uctMGRow* view = grid().RowView(row);
        ASSERT_NE(view, nullptr) << "row " << row << " is not shown";
        forms::sim::click(view->chkObj);
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
    FakeGameWindows windows;
    frmMain f;
};
