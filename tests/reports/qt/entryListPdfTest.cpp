#include <gtest/gtest.h>

#include "../reportFixture.h"

#include "platform/forms/testing/TestDesktop.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/testing/QtDesktop.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "support/TempHome.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Reports printed into real PDF files, read back with poppler's tools.
namespace {

std::string run(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        pclose(p);
    }
    return out;
}

class EntryListPdf : public testing::Test {
protected:
    EntryListPdf() { qtui::testing::application(); }
    ~EntryListPdf() override {
        setPreviewWindow(nullptr);
        reportfixture::clearGame();
        // Keep the PDF for people to look at.
        if (const char* dir = std::getenv("LUMORA_SCREENSHOTS"); dir && std::filesystem::exists(pdf)) {
            const auto* info = testing::UnitTest::GetInstance()->current_test_info();
            std::filesystem::copy_file(pdf, std::filesystem::path(dir) / (std::string(info->name()) + ".pdf"),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    // The text of a page without blanks: pdftotext guesses blanks from gaps.
    std::string page(int n) const {
        return squeezed(run("pdftotext -f " + std::to_string(n) + " -l " + std::to_string(n) + " '" + pdf + "' -"));
    }
    static std::string squeezed(std::string s) {
        std::erase(s, ' ');
        return s;
    }
    std::string info() const { return run("pdfinfo '" + pdf + "'"); }

    testsupport::TempHome home;
    forms::doubles::TestDesktop desk;
    std::string pdf = home.file("entries.pdf");
    qtui::QtPrintService service{pdf};
    struct Install {
        explicit Install(forms::PrintService& s) { forms::setPrintService(&s); }
        ~Install() { forms::setPrintService(nullptr); }
    } install{service};
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
