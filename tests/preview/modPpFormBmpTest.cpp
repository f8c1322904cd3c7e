#include <gtest/gtest.h>

#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/modPpFormBmp.h"
#include "preview/modPpPreview.h"

#include <memory>
#include <string>
#include <vector>

using forms::doubles::Drawing;
using Kind = forms::doubles::Drawing::Kind;

namespace {

// The fixed-pitch metric at 12 pt: a half-width character 120 twips wide,
// a line 240 twips high.
const forms::Font Font12{"ＭＳ Ｐゴシック", 12};

class Page : public forms::Form {
public:
    Page() : Form("frmPage", Font12) {
        setBorderStyle(forms::vbBSNone);
        setClientSize(11310, 14985);
    }
    template <class T>
    T& add(const std::string& name) {
        auto control = std::make_unique<T>(*this, name);
        T& ref = *control;
        owned_.push_back(std::move(control));
        return ref;
    }
    forms::Label& label(const std::string& name, double left, double top, double width, double height,
                        const std::string& caption, int16_t alignment = forms::vbLeftJustify) {
        auto& l = add<forms::Label>(name);
        l.Move(left, top, width, height);
        l.setCaption(caption);
        l.setAlignment(alignment);
        return l;
    }
    forms::Shape& shape(const std::string& name, int16_t kind, double left, double top, double width, double height) {
        auto& s = add<forms::Shape>(name);
        s.setShapeKind(kind);
        s.Move(left, top, width, height);
        return s;
    }

private:
    std::vector<std::unique_ptr<forms::Control>> owned_;
};

class Renderer : public testing::Test {
protected:
    // The page is drawn at the paper's origin, whatever offset an earlier
    // print left behind.
    Renderer() {
        gintPrinting = 1;
        glngOffsetX = glngOffsetY = 0;
        gsSetPrinterOffset();
    }
    ~Renderer() override { gintPrinting = 0; }

    // Draws the page on the printer as the last page of a document.
    void print() { gsDrawForm(page, nullptr, 1.0, 1); }
    std::vector<Drawing> texts() const { return rec.of(Kind::Text); }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    Page page;
};

TEST_F(Renderer, BreaksCaptionsAtCrLfAndTheLabelsWidthAndCutsAtItsBottom) {
    struct Case {
        const char* caption;
        double width, height;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"ab\r\ncd", 1000, 1000, {"ab", "cd"}},
        {"ab\r\n\r\ncd", 1000, 1000, {"ab", "", "cd"}}, // a double break gives an empty line
        {"a\rb", 1000, 1000, {"a\rb"}},                 // a lone CR or LF is a character
        {"a\nb", 1000, 1000, {"a\nb"}},
        {"abcdef", 250, 1000, {"ab", "cd", "ef"}},      // character wrap, no regard to words
        {"ab cdef", 370, 1000, {"ab ", "cde", "f"}},
        {"abcdef", 250, 300, {"ab", "cd"}},             // a line whose top is below the bottom edge is dropped
        {"abcdef", 250, 100, {"ab"}},                   // the first line always prints
        {"abc", 100, 500, {"", "", ""}},                // narrower than a character: empty lines to the bottom
        {"", 1000, 1000, {""}},
        {"名前あいう", 500, 1000, {"名前", "あい", "う"}},
    };
    for (const Case& c : cases) {
        rec.drawings.clear();
        Page p;
        p.label("lblA", 1000, 2000, c.width, c.height, c.caption);
        gsDrawForm(p, nullptr, 1.0, 1);
        std::vector<std::string> got;
        double y = 2000;
        for (const Drawing& d : rec.of(Kind::Text)) {
            got.push_back(d.text);
            EXPECT_EQ(d.y, y) << c.caption;
            EXPECT_EQ(d.x, 1000) << c.caption;
            y += 240;
        }
        EXPECT_EQ(got, c.lines) << c.caption;
    }
}

// A one-line cell whose caption is a little too wide prints it whole,
// condensed just enough; anything else breaks as before. "abcdefgh" is 960
// twips at 12 pt; a line is 240 high.
TEST_F(Renderer, CondensesAOneLineCaptionALittleTooWideForItsCell) {
    struct Case {
        const char* caption;
        double width, height;
        int16_t alignment;
        std::vector<std::string> lines;
        int stretch;   // of every line
        double firstX; // where the first line starts
    };
    const std::vector<Case> cases = {
        {"abcdefgh", 900, 255, forms::vbLeftJustify, {"abcdefgh"}, 93, 1000},      // 892.8 wide
        {"abcdefgh", 900, 255, forms::vbRightJustify, {"abcdefgh"}, 93, 1007},     // ends at the edge, rounded
        {"abcdefgh", 900, 255, forms::vbCenter, {"abcdefgh"}, 93, 1004},
        {"abcdefgh", 720, 255, forms::vbLeftJustify, {"abcdefgh"}, 75, 1000},      // the narrowest
        {"abcdefgh", 700, 255, forms::vbLeftJustify, {"abcde", "fgh"}, 100, 1000}, // far too wide: breaks
        {"abcdefgh", 900, 480, forms::vbLeftJustify, {"abcdefg", "h"}, 100, 1000}, // room for two lines
        {"abcdefgh\r\nx", 900, 255, forms::vbLeftJustify, {"abcdefg", "h"}, 100, 1000}, // a line break
        {"abcdefgh", 960, 255, forms::vbLeftJustify, {"abcdefgh"}, 100, 1000},     // fits as it is
        {"abc", 0, 255, forms::vbLeftJustify, {"", ""}, 100, 1000},               // no width at all
    };
    for (const Case& c : cases) {
        rec.drawings.clear();
        Page p;
        p.label("lblA", 1000, 2000, c.width, c.height, c.caption, c.alignment);
        gsDrawForm(p, nullptr, 1.0, 1);
        const auto t = rec.of(Kind::Text);
        std::vector<std::string> got;
        for (const Drawing& d : t) {
            got.push_back(d.text);
            EXPECT_EQ(d.font.Stretch, c.stretch) << c.caption << " in " << c.width;
        }
        EXPECT_EQ(got, c.lines) << c.caption << " in " << c.width;
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t[0].x, c.firstX) << c.caption << " in " << c.width;
        EXPECT_EQ(t[0].y, 2000);
    }
}

TEST_F(Renderer, CondensesTheSameAtEveryZoomAndLeavesTheNextLabelsFontAlone) {
    page.label("lblA", 1000, 0, 900, 255, "abcdefgh");
    page.label("lblB", 1000, 300, 2000, 255, "abcdefgh");
    forms::PictureBox pic(page, "picBmp");
    forms::Picture picture(11340, 14985);
    pic.setSurface(&picture);
    gintPrinting = 0;
    gsDrawForm(page, &pic, 0.5, 0);
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].font.Stretch, 93);
    EXPECT_DOUBLE_EQ(t[0].font.Size, 6);
    EXPECT_EQ(t[1].font.Stretch, 100);
}

TEST_F(Renderer, AlignsRightAndCentreWithinTheLabel) {
    page.label("lblR", 1000, 0, 1000, 255, "ab", forms::vbRightJustify);
    page.label("lblC", 1000, 300, 1000, 255, "ab", forms::vbCenter);
    page.label("lblH", 1000, 600, 1001, 255, "a", forms::vbCenter); // 1440.5 printed at the even twip
    print();
    const auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].x + 240, 2000); // ends exactly at Left + Width
    EXPECT_EQ(t[1].x, 1380);
    EXPECT_EQ(t[2].x, 1440);
}

TEST_F(Renderer, CopiesTheLabelsFontAndColourAndBoxesABorderedLabel) {
    auto& l = page.label("lblA", 100, 200, 1000, 400, "x");
    l.setFont(forms::Font{"ＭＳ 明朝", 11.25, true, true, true, true});
    l.setForeColor(forms::RGB(0, 0, 255));
    l.setBorderStyle(1);
    print();
    ASSERT_EQ(rec.of(Kind::Box).size(), 1u);
    const Drawing box = rec.of(Kind::Box)[0];
    EXPECT_EQ(box.pen.width, 2);
    EXPECT_EQ(box.pen.color, forms::vbBlack);
    EXPECT_EQ(std::vector<double>({box.x, box.y, box.x2, box.y2}), std::vector<double>({100, 200, 1100, 600}));
    const Drawing text = texts().at(0);
    EXPECT_EQ(text.font, l.font());
    EXPECT_EQ(text.color, forms::RGB(0, 0, 255));
    // The box comes before the text.
    EXPECT_EQ(rec.drawings[1].kind, Kind::Box);
}

TEST_F(Renderer, InvisibleControlsDrawNothing) {
    page.label("lblA", 0, 0, 1000, 255, "x").setVisible(false);
    page.add<forms::Line>("linA").setVisible(false);
    page.shape("shpA", 0, 0, 0, 100, 100).setVisible(false);
    gsDrawForm(page, nullptr, 1.0, 0);
    ASSERT_EQ(rec.drawings.size(), 2u); // an empty page and its break
    EXPECT_EQ(rec.drawings[1].kind, Kind::NewPage);
}

TEST_F(Renderer, DrawsInLayersByTheEndOfTheName) {
    page.label("lblTop95", 0, 0, 1000, 255, "top");
    page.shape("shpC3", 0, 0, 3000, 300, 300);
    page.shape("shpB2", 0, 0, 2000, 300, 300);
    auto& line = page.add<forms::Line>("linA");
    line.setPoints(0, 50, 100, 50);
    page.label("lblA", 0, 0, 1000, 255, "plain");
    page.shape("shpOver93", 0, 0, 9300, 300, 300);
    page.shape("shpPlain", 0, 0, 100, 300, 300);
    print();
    std::vector<std::string> order;
    for (const Drawing& d : rec.drawings) {
        if (d.kind == Kind::Text) order.push_back(d.text);
        if (d.kind == Kind::Line) order.push_back("line");
        if (d.kind == Kind::Box) order.push_back("box" + std::to_string(static_cast<int>(d.y)));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"box100", "box2000", "box3000", "line", "plain", "box9300", "top"}));
}

TEST_F(Renderer, LineWidthsFollowTheBorderStyleOnThePrinterOnly) {
    struct Case {
        int16_t style, width;
        int printed, pictured;
    };
    const std::vector<Case> cases = {{1, 2, 6, 2}, {1, 1, 1, 1}, {2, 2, 1, 2}, {2, 3, 1, 3}, {3, 1, 1, 1}};
    for (const Case& c : cases) {
        Page p;
        auto& line = p.add<forms::Line>("linA");
        line.setPoints(0, 100, 1000, 100);
        line.setBorderStyle(c.style);
        line.setBorderWidth(c.width);
        forms::PictureBox pic(p, "picBmp");
        forms::Picture picture(11310, 14985);
        pic.setSurface(&picture);

        rec.drawings.clear();
        gintPrinting = 1;
        gsDrawForm(p, nullptr, 1.0, 1);
        gintPrinting = 0;
        gsDrawForm(p, &pic, 1.0, 1);
        const auto lines = rec.of(Kind::Line);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].pen.width, c.printed) << c.style << "/" << c.width;
        EXPECT_EQ(lines[1].pen.width, c.pictured) << c.style << "/" << c.width;
        EXPECT_EQ(lines[0].pen.style, c.style == 1 ? 0 : c.style - 1);
    }
}

TEST_F(Renderer, ASquareShapeIsTheCentredSquareOfItsBox) {
    page.shape("shpA", 1, 1000, 2000, 600, 1000);
    page.shape("shpB", 1, 1000, 5000, 1000, 600);
    print();
    const auto boxes = rec.of(Kind::Box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(std::vector<double>({boxes[0].x, boxes[0].y, boxes[0].x2, boxes[0].y2}),
              std::vector<double>({1000, 2200, 1600, 2800}));
    EXPECT_EQ(std::vector<double>({boxes[1].x, boxes[1].y, boxes[1].x2, boxes[1].y2}),
              std::vector<double>({1200, 5000, 1800, 5600}));
}

TEST_F(Renderer, OvalsAndCirclesAreInscribedEllipses) {
    auto& oval = page.shape("shpOval", 2, 1000, 1000, 2000, 1000);
    oval.setFillStyle(0);
    oval.setFillColor(forms::RGB(255, 0, 0));
    page.shape("shpCircle", 3, 1000, 3000, 2000, 1000);
    page.shape("shpRound", 4, 1000, 5000, 2000, 1000); // rounded shapes are not drawn
    print();
    const auto e = rec.of(Kind::Ellipse);
    ASSERT_EQ(e.size(), 3u); // the oval's fill, its outline, the circle
    EXPECT_EQ(e[0].pen.color, forms::RGB(255, 0, 0));
    for (int i : {0, 1}) {
        EXPECT_EQ(std::vector<double>({e[i].x, e[i].y, e[i].x2, e[i].y2}), std::vector<double>({2000, 1500, 1000, 500}));
    }
    EXPECT_EQ(std::vector<double>({e[2].x, e[2].y, e[2].x2, e[2].y2}), std::vector<double>({2000, 3500, 500, 500}));
}

TEST_F(Renderer, AWindowWiderThanThePaperShrinksToItFontsIncluded) {
    rec.printableWidth = 11340;
    page.setClientSize(11430, 14985);
    page.label("lblA", 1143, 1000, 3000, 255, "x").setFontSize(10);
    print();
    const double scale = 11340.0 / 11430.0;
    EXPECT_DOUBLE_EQ(gdblDrawScale, scale);
    const Drawing t = texts().at(0);
    EXPECT_DOUBLE_EQ(t.x, 1143 * scale);
    EXPECT_DOUBLE_EQ(t.font.Size, 10 * scale);

    forms::PictureBox pic(page, "picBmp");
    forms::Picture picture(11340, 14985);
    pic.setSurface(&picture);
    gintPrinting = 0;
    gsDrawForm(page, &pic, 0.75, 0);
    EXPECT_DOUBLE_EQ(gdblDrawScale, 0.75 * scale);
    // A window narrower than the paper keeps the zoom.
    page.setClientSize(11310, 14985);
    gsDrawForm(page, &pic, 0.5, 0);
    EXPECT_DOUBLE_EQ(gdblDrawScale, 0.5);
}

TEST_F(Renderer, EndsEachPrintedPageWithABreakAndTheLastWithTheDocument) {
    page.label("lblA", 0, 0, 1000, 255, "x");
    gsDrawForm(page, nullptr, 1.0, 0);
    gsDrawForm(page, nullptr, 1.0, 1);
    EXPECT_EQ(rec.of(Kind::StartPage).size(), 2u);
    EXPECT_EQ(rec.of(Kind::NewPage).size(), 1u);
    EXPECT_EQ(rec.of(Kind::EndDoc).size(), 1u);
    EXPECT_EQ(rec.drawings.back().kind, Kind::EndDoc);
}

TEST_F(Renderer, AFailingControlIsReportedAndTheOthersStillDraw) {
    page.shape("shpFlat", 2, 0, 0, 0, 300); // an oval of no width: its aspect divides by zero
    page.label("lblA", 0, 0, 3000, 255, "still here");
    print();
    EXPECT_EQ(desk.lastMessage().prompt, "プリンタ印刷に失敗しました。\r\nErrorCode=11");
    EXPECT_EQ(desk.lastMessage().title, "システム異常");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbExclamation);
    EXPECT_EQ(texts().at(0).text, "still here");

    desk.boxes.clear();
    forms::PictureBox pic(page, "picBmp"); // no picture surface: the page fails
    gintPrinting = 0;
    gsDrawForm(page, &pic, 1.0, 0);
    EXPECT_EQ(desk.lastMessage().prompt, "プレビュー準備に失敗しました。\r\nErrorCode=91");
}

} // namespace
