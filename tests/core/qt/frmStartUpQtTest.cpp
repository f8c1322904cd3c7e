// The splash of a real start (offscreen): drawn before the start-up waits,
// with its texts, under the program's title.
#include "core/frmStartUp.h"
#include "core/startUp.h"
#include "platform/forms/Form.h"
#include "platform/qt/Convert.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/TempHome.h"

#include <QImage>
#include <QPainter>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

using qtui::testing::QtDesktop;

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

// The fixed clock, but the start-up's wait first runs `onSleep`.
class WatchedClock : public forms::doubles::FixedClock {
public:
    void sleep(long long ms) override {
        if (onSleep) onSleep();
        FixedClock::sleep(ms);
    }
    std::function<void()> onSleep;
};

// True when `text`, drawn in `font` as a label draws it (black on white),
// is somewhere in `image`.
bool showsText(const QImage& image, const QString& text, const QFont& font) {
    const QFontMetrics fm(font);
    QImage drawn(fm.horizontalAdvance(text) + 4, fm.height(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter p(&drawn);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(drawn.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    }
    QRect ink;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qGray(drawn.pixel(x, y)) < 250) ink |= QRect(x, y, 1, 1);
    if (ink.isEmpty()) return false;
    const QImage glyphs = drawn.copy(ink);
    const QImage shown = image.convertToFormat(QImage::Format_RGB32);
    const auto close = [](QRgb a, QRgb b) { return std::abs(qGray(a) - qGray(b)) <= 24; };
    for (int top = 0; top + glyphs.height() <= shown.height(); ++top) {
        for (int left = 0; left + glyphs.width() <= shown.width(); ++left) {
            bool same = true;
            for (int y = 0; same && y < glyphs.height(); ++y)
                for (int x = 0; same && x < glyphs.width(); ++x) same = close(shown.pixel(left + x, top + y), glyphs.pixel(x, y));
            if (same) return true;
        }
    }
    return false;
}

} // namespace

TEST(SplashQt, IsDrawnWithItsTextsBeforeTheStartWaits) {
    testsupport::TempHome home;
    QtDesktop desk;
    WatchedClock clock;
    forms::setClock(&clock);
    setPrevInstanceTest([] { return false; });
    QImage atWait;
    QString title;
    frmStartUp* splash = nullptr;
    clock.onSleep = [&] {
        for (forms::Form* f : forms::Form::loadedForms()) splash = dynamic_cast<frmStartUp*>(f);
        if (!splash) return;
        QWidget* window = QtDesktop::window(*splash);
        ASSERT_NE(window, nullptr);
        title = window->windowTitle();
        // What the window system has been given to show, not a fresh drawing.
        atWait = window->screen()->grabWindow(window->winId()).toImage();
        qtui::saveScreenshotIfAsked(*window, "frmStartUp");
    };
    Main();
    setPrevInstanceTest(nullptr);
    forms::setClock(&desk.doubles.clock);

    ASSERT_NE(splash, nullptr) << "the start did not wait with the splash up";
    EXPECT_EQ(title, QStringLiteral("Lumora"));
    ASSERT_FALSE(atWait.isNull());
    frmStartUp fonts; // the design fonts of the splash's labels
    EXPECT_TRUE(showsText(atWait, QStringLiteral("初期処理中…"), qtui::toQFont(fonts.lblMsg.font())));
    EXPECT_TRUE(showsText(atWait, QStringLiteral("Lumora"), qtui::toQFont(fonts.lblTittle.font())));
    EXPECT_TRUE(showsText(atWait, QStringLiteral("Version 1.0.0"), qtui::toQFont(fonts.lblVersion.font())));
    EXPECT_TRUE(forms::Form::loadedForms().empty());
}
