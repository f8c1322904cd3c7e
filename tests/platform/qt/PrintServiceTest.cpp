#include <gtest/gtest.h>

#include "platform/forms/Printing.h"
#include "platform/qt/Convert.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/RecentPictures.h"
#include "platform/qt/testing/QtDesktop.h"
#include "platform/qt/Ink.h"
#include "platform/text/RuntimeError.h"
#include "support/TempHome.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

class PrintService : public testing::Test {
protected:
    PrintService() { qtui::testing::application(); }
    // `text` printed at the top left of a picture of the given size, as the
    // picture saves it.
    QImage printedText(double width, double height, const forms::Font& font, const std::string& text) {
        const std::string bmp = home.file("text.bmp");
        {
            forms::Picture picture(width, height);
            picture.setFont(font);
            picture.Print(text);
            EXPECT_TRUE(picture.SavePicture(bmp));
        }
        return QImage(QString::fromStdString(bmp));
    }
    testsupport::TempHome home;
};

TEST_F(PrintService, TheDocumentMetricScalesWithTheSizeAndNeverRoundsToPixels) {
    qtui::DocumentMetrics m;
    const forms::Font small{"ＭＳ Ｐゴシック", 9.75}, large{"ＭＳ Ｐゴシック", 19.5};
    const std::string s = "参加一覧（1/2）選手ABC";
    EXPECT_NEAR(m.textWidth(large, s), 2 * m.textWidth(small, s), 1.0);
    // Full-width characters of a proportional gothic are one em (195 twips at 9.75 pt).
    EXPECT_NEAR(m.textWidth(small, "参加"), 390, 2.0);
    EXPECT_NEAR(m.textHeight(small, ""), 205, 15.0); // one line, about an em
    EXPECT_DOUBLE_EQ(m.textHeight(small, "a\r\nb"), 2 * m.textHeight(small, "a"));
    EXPECT_DOUBLE_EQ(m.textWidth(small, "ab\r\na"), m.textWidth(small, "ab"));
}

// A condensed font measures and draws narrower in proportion, so text
// condensed to fit a width by the metric stays inside it on paper.
TEST_F(PrintService, ACondensedFontMeasuresAndDrawsNarrowerInProportion) {
    qtui::DocumentMetrics m;
    forms::Font font{"ＭＳ Ｐゴシック", 9.75};
    const double full = m.textWidth(font, "S25/04/01");
    font.Stretch = 88;
    EXPECT_NEAR(m.textWidth(font, "S25/04/01"), 0.88 * full, 2.0);
    EXPECT_DOUBLE_EQ(m.textHeight(font, "S25/04/01"), m.textHeight(forms::Font{"ＭＳ Ｐゴシック", 9.75}, "x"));

    qtui::QtPrintService service(home.file("unused.pdf"));
    forms::setPrintService(&service);
    // The rightmost inked column of "MMMM" at 36 pt drawn at the left edge.
    const auto right = [this](int stretch) {
        const forms::Font font{"ＭＳ Ｐゴシック", 36, false, false, false, false, stretch};
        return inkRight(printedText(9000, 1500, font, "MMMM"), 128);
    };
    const int wide = right(100), narrow = right(50);
    forms::setPrintService(nullptr);
    const double measured = m.textWidth(forms::Font{"ＭＳ Ｐゴシック", 36, false, false, false, false, 50}, "MMMM");
    EXPECT_GT(wide, 100);
    EXPECT_NEAR(narrow, wide / 2.0, 4);
    EXPECT_LE(narrow, measured / forms::TwipsPerPixel);
}

// The preview draws a page at 75 % and 50 % with the fonts scaled: a size
// between whole dots (9.75 pt at half size is 6.5 dots) draws as wide as
// the metric measures it, not as wide as the next whole size.
TEST_F(PrintService, AFontBetweenWholeDotsDrawsAsWideAsItMeasures) {
    qtui::DocumentMetrics m;
    qtui::QtPrintService service(home.file("unused.pdf"));
    forms::setPrintService(&service);
    const std::string text = "北海道パークゴルフ連盟石狩支部当別町パークゴルフ愛好会";
    for (const double zoom : {1.0, 0.75, 0.5}) {
        SCOPED_TRACE(zoom);
        const forms::Font font{"ＭＳ Ｐゴシック", 9.75 * zoom};
        EXPECT_NEAR(inkRight(printedText(6000, 600, font, text), 160), m.textWidth(font, text) / forms::TwipsPerPixel,
                    3.0);
    }
    forms::setPrintService(nullptr);
}

TEST_F(PrintService, APictureIsWhiteAndSavesAsABitmap) {
    qtui::QtPrintService service(home.file("unused.pdf"));
    forms::setPrintService(&service);
    {
        forms::Picture picture(1500, 1500); // 100 x 100 pixels
        picture.setDrawWidth(1);
        picture.Line(0, 750, 1500, 750, forms::vbBlack);
        ASSERT_TRUE(picture.SavePicture(home.file("page.bmp")));
    }
    forms::setPrintService(nullptr);
    const QImage image(QString::fromStdString(home.file("page.bmp")));
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, 50), QColor(Qt::black));
}

TEST_F(PrintService, ASavedPictureIsShownFromMemoryOnlyWhileItsFileIsUnchanged) {
    qtui::QtPrintService service(home.file("unused.pdf"));
    forms::setPrintService(&service);
    const QString path = QString::fromStdString(home.file("page.bmp"));
    {
        forms::Picture picture(1515, 300); // 101 x 20 pixels: rows padded in the file
        picture.Line(0, 0, 1515, 300, forms::RGB(255, 0, 0), forms::Surface::LineKind::BoxFill);
        ASSERT_TRUE(picture.SavePicture(path.toStdString()));
    }
    forms::setPrintService(nullptr);
    const QImage file(path);
    ASSERT_EQ(file.size(), QSize(101, 20));
    EXPECT_EQ(file.pixelColor(100, 19), QColor(255, 0, 0));
    EXPECT_EQ(qtui::pictureFromFile(path).toImage().pixelColor(100, 19), QColor(255, 0, 0));
    // Another program's picture under the same name is read from the file.
    QImage other(7, 5, QImage::Format_RGB32);
    other.fill(Qt::blue);
    ASSERT_TRUE(other.save(path, "BMP"));
    EXPECT_EQ(qtui::pictureFromFile(path).size(), QSize(7, 5));
}

// What a page text looks like drawn straight with QPainter: the pixels a
// picture must give, however it keeps and reuses its texts.
QImage drawnDirectly(const QSize& size, const forms::Font& font, const QString& text, QPointF topLeftTwips) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(96 / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QFont q(qtui::substituteFamily(font.Name));
    q.setPointSizeF(font.Size);
    q.setHintingPreference(QFont::PreferNoHinting);
    QPainter p(&image);
    p.setFont(q);
    p.setPen(Qt::black);
    const QPointF at = topLeftTwips / 15;
    p.drawText(QPointF(at.x(), at.y() + QFontMetricsF(q, &image).ascent()), text);
    return image;
}

TEST_F(PrintService, PicturesSavedTogetherAreTheSameAsOneByOneAndTheirTextsAsDrawnDirectly) {
    qtui::QtPrintService service(home.file("unused.pdf"));
    forms::setPrintService(&service);
    const forms::Font font{"ＭＳ Ｐゴシック", 9.75};
    const std::string text = "参加一覧（1/2）選手ABC ①";
    // Three sizes, as the preview's zoom steps; each drawn twice over, so the
    // second round shows texts laid out before, at other places.
    const auto draw = [&](forms::Picture& picture, double shift) {
        picture.setFont(font);
        picture.setCurrentX(150 + shift);
        picture.setCurrentY(300 + shift);
        picture.Print(text);
    };
    const double sizes[] = {3000, 2250, 1500};
    std::vector<std::string> alone, together;
    for (int round = 0; round < 2; ++round) {
        std::vector<std::unique_ptr<forms::Picture>> pictures;
        for (int i = 0; i < 3; ++i) {
            const std::string n = std::to_string(round) + std::to_string(i);
            forms::Picture single(sizes[i], sizes[i]);
            draw(single, 37.5 * round);
            ASSERT_TRUE(single.SavePicture(home.file("alone" + n + ".bmp")));
            alone.push_back(home.file("alone" + n + ".bmp"));
            pictures.push_back(std::make_unique<forms::Picture>(sizes[i], sizes[i]));
            draw(*pictures.back(), 37.5 * round);
            pictures.back()->BeginSave(home.file("together" + n + ".bmp"));
            together.push_back(home.file("together" + n + ".bmp"));
        }
        for (int i = 2; i >= 0; --i) EXPECT_TRUE(pictures[static_cast<std::size_t>(i)]->EndSave());
    }
    // A picture whose file cannot be written says so; the others are written.
    std::vector<std::unique_ptr<forms::Picture>> pictures;
    const std::vector<std::string> paths = {home.file("ok1.bmp"), home.file("no-such-folder/x.bmp"), home.file("ok2.bmp")};
    for (const std::string& path : paths) {
        pictures.push_back(std::make_unique<forms::Picture>(1500, 1500));
        draw(*pictures.back(), 0);
        pictures.back()->BeginSave(path);
    }
    EXPECT_TRUE(pictures[0]->EndSave());
    EXPECT_FALSE(pictures[1]->EndSave());
    EXPECT_TRUE(pictures[2]->EndSave());
    forms::setPrintService(nullptr);

    for (std::size_t i = 0; i < alone.size(); ++i) {
        ASSERT_EQ(testsupport::readBytes(together[i]), testsupport::readBytes(alone[i])) << together[i];
        const int side = static_cast<int>(sizes[i % 3] / 15);
        const QImage saved = QImage(QString::fromStdString(alone[i])).convertToFormat(QImage::Format_RGB32);
        const QImage expected = drawnDirectly(QSize(side, side), font, QString::fromStdString(text),
                                              QPointF(150, 300) + QPointF(37.5, 37.5) * static_cast<double>(i / 3));
        EXPECT_TRUE(saved == expected) << alone[i];
    }
}

TEST_F(PrintService, EachPrintedPageHasTheOrientationSetBeforeIt) {
    const std::string pdf = home.file("pages.pdf");
    qtui::QtPrintService service(pdf);
    forms::setPrintService(&service);
    forms::Printer& p = forms::printer();
    EXPECT_DOUBLE_EQ(p.ScaleWidth(), 11906 - 480);
    p.setOrientation(1);
    p.Print("portrait");
    p.NewPage();
    p.setOrientation(2);
    EXPECT_DOUBLE_EQ(p.ScaleWidth(), 16838 - 480);
    p.Print("landscape");
    p.EndDoc();
    p.setOrientation(1);
    forms::setPrintService(nullptr);
    std::string info;
    if (FILE* f = popen(("pdfinfo -f 1 -l 2 '" + pdf + "'").c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, f)) > 0;) info.append(buf, n);
        pclose(f);
    }
    EXPECT_NE(info.find("Page    1 size:  595 x 842"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    2 size:  842 x 595"), std::string::npos) << info;
}

TEST_F(PrintService, APdfThatCannotBeWrittenWholeFailsItsJobAndKeepsTheOldFile) {
    const std::string pdf = home.file("job.pdf");
    testsupport::writeBytes(pdf, "the last print");
    qtui::QtPrintService service(pdf);
    forms::setPrintService(&service);
    auto printOnePage = [] {
        forms::PrintJob job;
        forms::printer().Print("a page");
        forms::printer().EndDoc();
        job.End();
    };
    // Files may grow to 1 KiB only, as on a disk that is full.
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{1024, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    int number = 0;
    try {
        printOnePage();
    } catch (const text::RuntimeError& e) {
        number = e.Number;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_EQ(number, 482);
    EXPECT_EQ(testsupport::readBytes(pdf), "the last print");

    // With room the same print replaces it.
    EXPECT_NO_THROW(printOnePage());
    forms::setPrintService(nullptr);
    EXPECT_TRUE(testsupport::readBytes(pdf).starts_with("%PDF"));
}

// A PDF whose file cannot be made (its folder is not there) fails the print
// at its first page, and the job's end says nothing more.
TEST_F(PrintService, APdfWhoseFileCannotBeMadeFailsItsFirstPage) {
    const std::string pdf = home.file("no-such-folder/job.pdf");
    qtui::QtPrintService service(pdf);
    forms::setPrintService(&service);
    int number = 0;
    {
        forms::PrintJob job;
        try {
            forms::printer().Print("a page");
        } catch (const text::RuntimeError& e) {
            number = e.Number;
        }
        forms::printer().EndDoc();
        EXPECT_NO_THROW(job.End());
    }
    forms::setPrintService(nullptr);
    EXPECT_EQ(number, 482);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
