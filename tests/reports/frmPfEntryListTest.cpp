#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/modPpFormBmp.h"
#include "preview/modPpPreview.h"
#include "reports/game/frmPfEntryList.h"

#include <algorithm>
#include <string>
#include <vector>

using forms::doubles::Drawing;
using Kind = forms::doubles::Drawing::Kind;

namespace {

using reportfixture::captions;
using reportfixture::loadPage;

class EntryList : public testing::Test {
protected:
    ~EntryList() override {
        setPreviewWindow(nullptr);
        reportfixture::clearGame();
    }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    frmPfEntryList frm;
};

TEST_F(EntryList, ARowPerPlayerWithItsCellsInEntryOrder) {
    reportfixture::makeGame(3, 2); // two course rows a player: every second row is read
    gtypScores[2].TeamID = "  ";    // player 2 has no team
    gtypScores[4].IDNo = 999;       // player 3 is not registered
    gintEntryCount = 17;
    gintTeamCount = 10;
    loadPage(frm, 1, 1);
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 17名、10ﾁｰﾑ");
    EXPECT_EQ(frm.lblScorePage.Caption(), "参加一覧（1/1）");
    EXPECT_EQ(frm.lblPage.Caption(), "- 1 -");
    EXPECT_EQ(frm.lblSeasonTittle.Caption(), gstrPrintTitle1);
    EXPECT_EQ(frm.lblScoreTittle.Caption(), gstrPrintTitle2);
    EXPECT_EQ(captions(frm.lblNo), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(captions(frm.lblTeamID), (std::vector<std::string>{"B", "", "D"}));
    EXPECT_EQ(captions(frm.lblName), (std::vector<std::string>{"選手1", "選手2", ""}));
    EXPECT_EQ(captions(frm.lblAge), (std::vector<std::string>{"59", "59", ""}));
    EXPECT_EQ(captions(frm.lblGender), (std::vector<std::string>{"男", "女", ""}));
    EXPECT_EQ(captions(frm.lblLocation), (std::vector<std::string>{"札幌市中央", "札幌市中央", ""}));
    EXPECT_EQ(captions(frm.lblBelong), (std::vector<std::string>{"北山パークゴルフ協会", "南浜クラブ", ""}));
    EXPECT_TRUE(frm.lblTeamID[1].font().Bold);
    EXPECT_EQ(frm.lblBelong[2].Left(), 6420);
    EXPECT_EQ(frm.lblName[3].Top(), 1200 + 720 + 60);
    // A thick rule over the first row, thin ones over the others, a thick one under the last.
    EXPECT_EQ(frm.linFutoYoko.Count(), 3);
    EXPECT_EQ(frm.linHosoYoko.Count(), 3);
    EXPECT_EQ(frm.linTate[7].Y2(), 2280);
    frm.Unload();
}

TEST_F(EntryList, ThirtySevenPlayersFillAPageAndTheThirtyEighthOpensTheNext) {
    reportfixture::makeGame(38);
    loadPage(frm, -1, -1);
    EXPECT_EQ(frm.gintMaxPageNo, 2);
    frm.Unload();
    loadPage(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "参加一覧（2/2）");
    EXPECT_EQ(captions(frm.lblNo), (std::vector<std::string>{"38"}));
    EXPECT_EQ(captions(frm.lblName), (std::vector<std::string>{"選手38"}));
    EXPECT_EQ(frm.gintMaxPageNo, 2);
    frm.Unload();

    reportfixture::makeGame(37);
    loadPage(frm, -1, -1);
    EXPECT_EQ(frm.gintMaxPageNo, 1);
    frm.Unload();
}

TEST_F(EntryList, WithoutTeamsOrRowsTheCountsSayNought) {
    reportfixture::makeGame(0);
    loadPage(frm, 1, 1);
    EXPECT_EQ(frm.gintMaxPageNo, 0);
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 0名、0ﾁｰﾑ");
    EXPECT_EQ(frm.lblScorePage.Caption(), "");
    EXPECT_EQ(frm.lblNo.Count(), 1);
    EXPECT_EQ(frm.linTate[0].Y2(), 1200); // the design length
    frm.Unload();
}

TEST_F(EntryList, ARunTimeChangeToATemplateStaysOnItsPage) {
    reportfixture::makeGame(40);
    loadPage(frm, 1, 2);
    frm.lblNo[0].setFontBold(true);
    frm.Unload();
    loadPage(frm, 2, 2);
    ASSERT_EQ(frm.lblNo.Count(), 4);
    EXPECT_FALSE(frm.lblNo[1].font().Bold);
    EXPECT_FALSE(frm.lblNo[0].font().Bold);
    frm.Unload();
}

TEST_F(EntryList, ThousandsOfCellsComeAndGoWithEveryLoad) {
    reportfixture::makeGame(37);
    const std::size_t design = frm.Controls().size();
    for (int i = 0; i < 3; ++i) {
        loadPage(frm, 1, 1);
        EXPECT_EQ(frm.Controls().size(), design + 37 * 8 + 1);
        frm.Unload();
        EXPECT_EQ(frm.Controls().size(), design);
        EXPECT_EQ(frm.children().size(), design);
    }
    // The design keeps its collection order.
    EXPECT_EQ(frm.Controls().front()->Name(), "lblScorePage");
    EXPECT_EQ(frm.Controls().back()->Name(), "linHoso");
}

TEST_F(EntryList, AGameWithoutCoursesFailsOnTheWindowsErrorPath) {
    reportfixture::makeGame(3);
    gtypGame.Round = 0;
    bool previewed = false;
    setPreviewWindow([&](forms::Form*) { previewed = true; });
    EXPECT_TRUE(gfPrintEntryList(0, nullptr));
    EXPECT_FALSE(previewed); // a count that failed is not previewed
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfentryList::pfDataSet(): プロシージャの呼び出し、または引数が不正です。");
    EXPECT_EQ(desk.messages()[0].title, "エラー");
    EXPECT_EQ(desk.messages()[1].prompt, "印刷中にエラーが発生しました！ 再実行してください。");
    EXPECT_EQ(desk.messages()[1].flags, forms::vbExclamation);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

TEST_F(EntryList, PreparationCountsAndHandsTheWindowToTheEngine) {
    reportfixture::makeGame(38);
    int16_t pages = 0;
    setPreviewWindow([&](forms::Form*) {
        pages = gintPrintPageCount;
        EXPECT_NE(dynamic_cast<frmPfEntryList*>(gfrmPrintForm), nullptr);
        EXPECT_EQ(gintOffsetYmm, 10);
    });
    EXPECT_FALSE(gfPrintEntryList(0, nullptr));
    EXPECT_EQ(pages, 2);

    reportfixture::makeGame(0); // no page counted: previewed as one page
    EXPECT_FALSE(gfPrintEntryList(0, nullptr));
    EXPECT_EQ(pages, 1);

    pages = 0; // any other mode only counts
    EXPECT_FALSE(gfPrintEntryList(2, nullptr));
    EXPECT_EQ(pages, 0);
    EXPECT_TRUE(rec.drawings.empty());
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(EntryList, AnEngineFailureIsReportedUnderThePreparationsName) {
    reportfixture::makeGame(3);
    setPreviewWindow([](forms::Form*) { throw text::RuntimeError(482, "プリンタ エラーです。"); });
    EXPECT_TRUE(gfPrintEntryList(0, nullptr));
    EXPECT_EQ(desk.lastMessage().prompt, "gfPrintEntryList(): プリンタ エラーです。");
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

TEST_F(EntryList, DirectPrintDrawsEveryPage) {
    reportfixture::makeGame(38);
    EXPECT_FALSE(gfPrintEntryList(1, nullptr));
    const auto texts = rec.texts();
    const auto has = [&](const std::string& s) { return std::find(texts.begin(), texts.end(), s) != texts.end(); };
    EXPECT_TRUE(has("参加一覧（1/2）"));
    EXPECT_TRUE(has("参加一覧（2/2）"));
    EXPECT_TRUE(has("- 2 -"));
    EXPECT_TRUE(has("選手38"));
    EXPECT_EQ(rec.of(Kind::StartPage).size(), 2u);
    EXPECT_EQ(rec.of(Kind::EndDoc).size(), 1u);
    // Page 1 is moved 10 mm down: the top rule at 840 + 567 twips.
    const auto lines = rec.of(Kind::Line);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const Drawing& d) { return d.y == 840 + 567 && d.pen.width == 6; }));
}

} // namespace
