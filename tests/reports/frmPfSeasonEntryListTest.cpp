#include <gtest/gtest.h>

#include "reportPages.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/season/frmPfSeasonEntryList.h"

#include <string>
#include <vector>

namespace {

using reportfixture::captions;
using reportfixture::loadPage;

// Entry rows put straight into gtypSeasonEntryRows for a season that ends on
// 2005/10/31, one registered player each (ID 100 + row number).
class SeasonEntryList : public testing::Test {
protected:
    SeasonEntryList() {
        resetSharedGlobals();
        gstrSeasonPeriodEnd = "2005/10/31";
        gstrPrintTitle1 = "* 秋季リーグ * ";
        gstrPrintTitle2 = "平成17年4月10日(日)～平成17年10月31日(月)";
        gtypBelongs.append({3, "北山パークゴルフ協会", "北山", 0, 0});
    }
    ~SeasonEntryList() override { resetSharedGlobals(); }

    typPlayerInfo& addRow(int32_t games) {
        const int32_t n = glngSeasonEntryRowsMax() + 2;
        typPlayerInfo& p = gtypPlayers.append();
        p.ID = 100 + n;
        p.Name = "選手" + std::to_string(n);
        p.Birthday = "1947/06/01";
        p.Gender = 1;
        p.BelongID = 3;
        p.Location = "札幌市中央区";
        typSeasonScore& r = gtypSeasonEntryRows.append();
        r.IDNo = p.ID;
        r.Games = games;
        r.Rank = n;
        return p;
    }

    forms::doubles::TestDesktop desk;
    frmPfSeasonEntryList frm;
};

TEST_F(SeasonEntryList, ARowPerPlayerWithGamesAgeAtTheSeasonsEndRegionAndAffiliation) {
    addRow(12);
    addRow(3).Birthday = "1947/11/01";
    typPlayerInfo& third = addRow(1);
    third.Birthday = "";
    third.Gender = 0;
    third.BelongID = 0;
    third.Location = "函館";
    addRow(2);
    gtypSeasonEntryRows[3].IDNo = 999; // not registered
    loadPage(frm, 1, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "参加者一覧（1/1）");
    EXPECT_EQ(frm.lblPage.Caption(), "- 1 -");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 4名");
    EXPECT_EQ(frm.lblSeasonTittle.Caption(), gstrPrintTitle1);
    EXPECT_EQ(frm.lblScoreTittle.Caption(), gstrPrintTitle2);
    EXPECT_EQ(captions(frm.lblNo), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(captions(frm.lblEntryGameNum), (std::vector<std::string>{"12", "3", "1", "2"}));
    EXPECT_EQ(captions(frm.lblName), (std::vector<std::string>{"選手1", "選手2", "選手3", ""}));
    EXPECT_EQ(captions(frm.lblAge), (std::vector<std::string>{"58", "57", "-", ""}));
    EXPECT_EQ(captions(frm.lblGender), (std::vector<std::string>{"男", "男", "-", ""}));
    EXPECT_EQ(captions(frm.lblLocation), (std::vector<std::string>{"札幌市中央", "札幌市中央", "函館", ""}));
    EXPECT_EQ(captions(frm.lblBelong),
              (std::vector<std::string>{"北山パークゴルフ協会", "北山パークゴルフ協会", "", ""}));
    EXPECT_TRUE(frm.lblEntryGameNum[1].font().Bold);
    EXPECT_FALSE(frm.lblName[1].font().Bold);
    EXPECT_EQ(frm.lblBelong[1].Left(), 6600);
    EXPECT_EQ(frm.lblEntryGameNum[2].Left(), 840);
    EXPECT_EQ(frm.lblName[3].Top(), 1200 + 720 + 60);
    EXPECT_EQ(frm.linFutoYoko.UBound(), 2); // above the first row and under the last
    EXPECT_EQ(frm.linHosoYoko.UBound(), 3);
    EXPECT_EQ(frm.linTate[7].Y2(), 1200 + 4 * 360);
    EXPECT_EQ(frm.linTate[7].X1(), 11040);
    frm.Unload();
}

TEST_F(SeasonEntryList, RowNumbersRunOnAcrossPages) {
    for (int i = 0; i < 38; ++i) addRow(2);
    loadPage(frm, -1, -1);
    EXPECT_EQ(frm.gintMaxPageNo, 2);
    frm.Unload();
    loadPage(frm, 1, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "参加者一覧（1/2）");
    EXPECT_EQ(frm.lblNo.UBound(), 37);
    frm.Unload();
    loadPage(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "参加者一覧（2/2）");
    EXPECT_EQ(captions(frm.lblNo), std::vector<std::string>{"38"});
    EXPECT_EQ(captions(frm.lblName), std::vector<std::string>{"選手38"});
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 38名");
    frm.Unload();
}

TEST_F(SeasonEntryList, NoRowsCountNoPage) {
    loadPage(frm, 1, 1);
    EXPECT_EQ(frm.gintMaxPageNo, 0);
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 0名");
    EXPECT_EQ(frm.lblScorePage.Caption(), "");
    frm.Unload();
}

TEST_F(SeasonEntryList, PreparationPreviewsTheCountedPages) {
    for (int i = 0; i < 75; ++i) addRow(1);
    int16_t pages = 0;
    setPreviewWindow([&](forms::Form*) {
        pages = gintPrintPageCount;
        EXPECT_NE(dynamic_cast<frmPfSeasonEntryList*>(gfrmPrintForm), nullptr);
        EXPECT_EQ(gintOffsetYmm, 10);
    });
    EXPECT_FALSE(gfPrintSeasonEntryList(0, nullptr));
    setPreviewWindow(nullptr);
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(desk.messages().empty());
}

} // namespace
