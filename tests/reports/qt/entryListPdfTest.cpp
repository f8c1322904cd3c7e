#include <gtest/gtest.h>

#include "../reportFixture.h"

#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "reportPdf.h"

#include <string>

using reportpdf::squeezed;

namespace {

class EntryListPdf : public reportpdf::ReportPdf {
protected:
    ~EntryListPdf() override {
        setPreviewWindow(nullptr);
        reportfixture::clearGame();
    }
};

TEST_F(EntryListPdf, ThirtyEightPlayersPrintTwoA4PortraitPages) {
    reportfixture::makeGame(38);
    gintTeamCount = 5;
    ASSERT_FALSE(gfPrintEntryList(1, nullptr));
    const std::string meta = info();
    EXPECT_NE(meta.find("Pages:           2"), std::string::npos) << meta;
    EXPECT_NE(meta.find("595 x 842 pts (A4)"), std::string::npos) << meta; // portrait
    const std::string first = page(1), second = page(2);
    for (const char* s : {"参加一覧（1/2）", "- 1 -", "参加 38名、5ﾁｰﾑ", "** 秋季リーグ **", "青空コース",
                          "平成21年10月12日(月) 「秋季大会」", "選手1", "選手37", "北山パークゴルフ協会", "No.", "所属"})
        EXPECT_NE(first.find(squeezed(s)), std::string::npos) << s << "\n" << first;
    EXPECT_EQ(first.find("選手38"), std::string::npos);
    for (const char* s : {"参加一覧（2/2）", "- 2 -", "選手38", "38"})
        EXPECT_NE(second.find(squeezed(s)), std::string::npos) << s << "\n" << second;
}

TEST_F(EntryListPdf, ThirtySevenPlayersFitOnePage) {
    reportfixture::makeGame(37);
    ASSERT_FALSE(gfPrintEntryList(1, nullptr));
    EXPECT_NE(info().find("Pages:           1"), std::string::npos);
    EXPECT_NE(page(1).find("参加一覧（1/1）"), std::string::npos);
}

TEST_F(EntryListPdf, NoRowsPrintOnePageWithTheDesignOnly) {
    reportfixture::makeGame(0);
    ASSERT_FALSE(gfPrintEntryList(1, nullptr));
    EXPECT_NE(info().find("Pages:           1"), std::string::npos);
    const std::string text = page(1);
    EXPECT_NE(text.find("参加0名、0ﾁｰﾑ"), std::string::npos);
    EXPECT_NE(text.find("性別"), std::string::npos);
    EXPECT_EQ(text.find("参加一覧"), std::string::npos);
    EXPECT_EQ(text.find("-1-"), std::string::npos);
}

TEST_F(EntryListPdf, CopiesOfAPageRangeGoIntoOneFileInOrder) {
    reportfixture::makeGame(5 * 37);
    setPreviewWindow([](forms::Form*) { gPrinter(*gfrmPrintForm, 2, 3, 2); });
    ASSERT_FALSE(gfPrintEntryList(0, nullptr));
    EXPECT_NE(info().find("Pages:           4"), std::string::npos);
    const char* titles[] = {"参加一覧（2/5）", "参加一覧（3/5）", "参加一覧（2/5）", "参加一覧（3/5）"};
    for (int n = 1; n <= 4; ++n) EXPECT_NE(page(n).find(titles[n - 1]), std::string::npos) << n;
    EXPECT_NE(page(3).find("選手38"), std::string::npos);
}

} // namespace
