// Windows and desktop services of the Qt backend: modal loops, the error
// box, message boxes, the close box, owners, the end of the program, the
// hourglass, the clipboard, the opener and screenshots.
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtOpener.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/ShownForm.h"
#include "platform/qt/testing/QtDesktop.h"
#include "platform/text/RuntimeError.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using qtui::testing::QtDesktop;

class Small : public forms::Form {
public:
    Small() : Form("Small") {
        setClientSize(3000, 1500);
        btnOK.Move(120, 120, 1200, 375);
    }
    forms::CommandButton btnOK{*this, "btnOK"};
    forms::Timer timTick{*this, "timTick"};
};

TEST(Windows, AModalShowRunsANestedLoopUntilTheFormUnloads) {
    QtDesktop desk;
    Small owner;
    int ticks = 0;
    owner.timTick.Tick = [&] { ++ticks; };
    owner.timTick.setInterval(10);
    ASSERT_TRUE(desk.show(owner));
    Small dialog;
    bool shownModal = false;
    QTimer::singleShot(150, [&] {
        shownModal = dialog.Visible() && QtDesktop::window(dialog) &&
                     QtDesktop::window(dialog)->windowModality() == Qt::ApplicationModal;
        dialog.Unload();
    });
    QElapsedTimer clock;
    clock.start();
    dialog.Show(forms::vbModal, &owner);
    EXPECT_GE(clock.elapsed(), 140);
    EXPECT_TRUE(shownModal);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(QtDesktop::window(dialog), nullptr);
    EXPECT_GE(ticks, 3) << "timers keep firing while a modal window runs";
}

TEST(Windows, AnErrorInAClickHandlerIsShownOnceAndTheWindowStaysUsable) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    f.btnOK.Click = [] { throw text::RuntimeError(6, "オーバーフローしました。"); };
    ASSERT_TRUE(desk.show(f));
    f.take();
    desk.click(f.btnOK);
    ASSERT_EQ(desk.boxes().messages().size(), 1u);
    EXPECT_EQ(desk.boxes().last().title, "エラー");
    EXPECT_EQ(desk.boxes().last().prompt, "オーバーフローしました。");
    desk.click(f.chkA);
    EXPECT_EQ(f.chkA.Value(), forms::vbChecked);
    EXPECT_EQ(desk.boxes().messages().size(), 1u);
}

// Answers the next message box, once it is up, with a key (when given) or
// else, or when the key leaves the box up, with the button showing `text`.
void answerNextBox(const QString& text, QStringList& seen, int key = 0) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, text, &seen, key] {
        auto* box = dynamic_cast<qtui::MessageDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        for (QAbstractButton* b : box->buttons()) seen << b->text();
        if (key) {
            QTest::keyClick(box, static_cast<Qt::Key>(key));
            if (!box->isVisible()) return;
            seen << QStringLiteral("(refused)"); // the box is still up: press the button
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) b->click();
    });
    poll->start(5);
}

TEST(Windows, MessageBoxesHaveTheButtonsAndAnswersOfTheirFlags) {
    QtDesktop desk;
    forms::setPresenter(nullptr); // the real box
    struct Case {
        int flags;
        QStringList buttons;
        QString press;
        int answer;
    };
    const Case cases[] = {
        {forms::vbOKOnly, {"OK"}, "OK", forms::vbOK},
        {forms::vbOKCancel | forms::vbQuestion, {"OK", "キャンセル"}, "キャンセル", forms::vbCancel},
        {forms::vbYesNo | forms::vbExclamation, {"はい", "いいえ"}, "いいえ", forms::vbNo},
        {forms::vbYesNoCancel, {"はい", "いいえ", "キャンセル"}, "はい", forms::vbYes},
    };
    for (const Case& c : cases) {
        QStringList seen;
        answerNextBox(c.press, seen);
        EXPECT_EQ(forms::MsgBox("プロンプト", c.flags, std::string("タイトル")), c.answer);
        std::sort(seen.begin(), seen.end());
        QStringList expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(seen, expected) << c.flags;
    }
    QStringList seen;
    answerNextBox({}, seen, Qt::Key_Escape);
    EXPECT_EQ(forms::MsgBox("削除します。", forms::vbOKCancel), forms::vbCancel) << "Esc is Cancel";
    EXPECT_FALSE(seen.contains(QStringLiteral("(refused)")));
    answerNextBox(QStringLiteral("はい"), seen, Qt::Key_Escape);
    EXPECT_EQ(forms::MsgBox("保存しますか？", forms::vbYesNo), forms::vbYes);
    EXPECT_TRUE(seen.contains(QStringLiteral("(refused)"))) << "without Cancel, Esc answers nothing";
    answerNextBox({}, seen, Qt::Key_Return);
    EXPECT_EQ(forms::MsgBox("保存しますか？", forms::vbYesNo | forms::vbDefaultButton2), forms::vbNo)
        << "Enter presses the default button";
}

// The text's own line breaks are the only ones; a line wider than the
// screen wraps, and the box is no wider than the screen.
TEST(Windows, AMessageBoxBreaksItsTextOnlyWhereTheTextDoes) {
    QtDesktop desk;
    forms::setPresenter(nullptr);
    const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
    struct Case {
        std::string prompt;
        int lines;
    };
    std::string wide;
    for (int i = 0; i < 40; ++i) wide += "長い行";
    const Case cases[] = {
        {"日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\r\n"
         "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\r\n短い行",
         3},
        {"一行目\r\n" + wide, 0},
    };
    for (const Case& c : cases) {
        int lines = -1, width = 0;
        QtDesktop::whenNextBoxShows([&](qtui::MessageDialog& box) {
            lines = QtDesktop::shownLines(box);
            width = box.frameGeometry().width();
            qtui::saveScreenshotIfAsked(box, c.lines ? "qt-message-box" : "qt-message-box-wider-than-the-screen");
        });
        forms::MsgBox(c.prompt, forms::vbOKOnly | forms::vbExclamation, std::string("タイトル"));
        if (c.lines) EXPECT_EQ(lines, c.lines);
        else EXPECT_GT(lines, 2) << "the line wider than the screen wraps";
        EXPECT_LE(width, screen);
    }
}

// A short message keeps its whole title in view: the box is at least as
// wide as the title, with room for the caption bar's buttons.
TEST(Windows, AMessageBoxIsWideEnoughForItsTitle) {
    QtDesktop desk;
    forms::setPresenter(nullptr);
    for (const std::string title : {"ﾌﾟﾚﾋﾞｭｰ", "プレイヤー登録の確認"}) {
        int width = 0, titleWidth = 0;
        QtDesktop::whenNextBoxShows([&](qtui::MessageDialog& box) {
            width = box.width();
            titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
        });
        forms::MsgBox("無し", forms::vbOKOnly, title);
        EXPECT_GE(width, titleWidth + 64) << title;
    }
}

// A text of more lines than the screen holds scrolls inside the box, so that
// the box and its buttons stay on the screen; a short text does not scroll.
TEST(Windows, AMessageBoxTallerThanTheScreenScrollsItsText) {
    QtDesktop desk;
    forms::setPresenter(nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    std::string tall = "次のゲームは集計から除きました。";
    for (int i = 0; i < 80; ++i) tall += "\r\ngame" + std::to_string(i) + ".lmg：ホール数またはコース数が正しくありません。";
    for (const bool isTall : {true, false}) {
        QSize box;
        bool scrolls = true, buttonShown = false;
        QtDesktop::whenNextBoxShows([&](qtui::MessageDialog& shown) {
            box = shown.frameGeometry().size();
            const QWidget* area = shown.textLabel()->parentWidget();
            scrolls = shown.textLabel()->height() > area->height();
            const QAbstractButton* ok = shown.buttons().front();
            buttonShown = shown.rect().contains(QRect(ok->mapTo(&shown, QPoint(0, 0)), ok->size()));
            if (isTall) qtui::saveScreenshotIfAsked(shown, "qt-message-box-taller-than-the-screen");
        });
        forms::MsgBox(isTall ? tall : std::string("短い行"), forms::vbOKOnly, std::string("エラー"));
        EXPECT_LE(box.height(), screen.height()) << isTall;
        EXPECT_EQ(scrolls, isTall);
        EXPECT_TRUE(buttonShown) << isTall;
    }
}

TEST(Windows, TheCloseBoxAsksTheModel) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    int16_t refuse = 1;
    f.onQueryUnload = [&](int16_t& Cancel, int16_t) { Cancel = refuse; };
    ASSERT_TRUE(desk.show(f));
    f.take();
    QtDesktop::window(f)->close();
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(QtDesktop::window(f)->isVisible());
    refuse = 0;
    QtDesktop::window(f)->close();
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(f.take(), (Events{"Form:QueryUnload 0", "Form:QueryUnload 0", "Form:Unload"}));
}

TEST(Windows, AnOwnedModelessWindowIsTopLevelAndOutlivesItsHiddenOwner) {
    QtDesktop desk;
    Small owner, tally;
    ASSERT_TRUE(desk.show(owner));
    tally.Show(forms::vbModeless, &owner);
    QWidget* w = QtDesktop::window(tally);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isWindow());
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_EQ(w->windowHandle()->transientParent(), nullptr);
    owner.Hide();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(desk.backend.hasWindows());
}

TEST(Windows, TheProgramEndsWhenItsLastWindowCloses) {
    QtDesktop desk;
    Small f;
    f.btnOK.Click = [&] { f.Unload(); };
    f.Show();
    QTimer::singleShot(50, [&] { desk.click(f.btnOK); });
    bool timedOut = false;
    QTimer::singleShot(5000, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QApplication::exec();
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(desk.backend.hasWindows());
}

TEST(Windows, UserResizeReachesTheModel) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    ASSERT_TRUE(desk.show(f));
    f.take();
    QWidget* w = QtDesktop::window(f);
    const int menu = w->height() - 400;
    w->resize(700, 500 + menu);
    EXPECT_DOUBLE_EQ(f.ScaleWidth(), 700 * 15);
    EXPECT_DOUBLE_EQ(f.ScaleHeight(), 500 * 15);
    EXPECT_EQ(f.take(), Events{"Form:Resize"});
}

// A window whose resize handler unloads its form takes the resize without
// asking the gone form where it is.
TEST(Windows, AResizeHandlerMayUnloadItsForm) {
    class Closing : public Small {
    public:
        bool armed = false;
    private:
        void Form_Resize() override {
            if (armed) Unload();
        }
    };
    QtDesktop desk;
    Closing f;
    f.setBorderStyle(forms::vbSizable);
    ASSERT_TRUE(desk.show(f));
    f.armed = true;
    QWidget* w = QtDesktop::window(f);
    w->resize(w->width() + 50, w->height() + 50);
    EXPECT_FALSE(f.Visible());
}

// A window shown maximised goes back to its own size when it is restored.
TEST(Windows, AWindowShownMaximisedKeepsItsNormalSize) {
    QtDesktop desk;
    Small f;
    f.setBorderStyle(forms::vbSizable);
    f.setClientSize(9000, 6000);
    f.setWindowState(forms::vbMaximized);
    f.Show();
    QWidget* w = QtDesktop::window(f);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->normalGeometry().size(), QSize(600, 400));
    f.Unload();
}

TEST(Desktop, TheHourglassIsOneState) {
    QtDesktop desk;
    forms::Screen::setMousePointer(forms::vbHourglass);
    forms::Screen::setMousePointer(forms::vbHourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    forms::Screen::setMousePointer(forms::vbDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Desktop, TheClipboardIsTheDesktops) {
    QtDesktop desk;
    forms::Clipboard::SetText("https://example.jp/パーク");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("https://example.jp/パーク"));
    EXPECT_EQ(forms::Clipboard::GetText(), "https://example.jp/パーク");
    forms::Clipboard::Clear();
    EXPECT_EQ(forms::Clipboard::GetText(), "");
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST(Desktop, TheOpenerHandsAddressesFilesAndFoldersToTheDesktop) {
    qtui::testing::application();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    qtui::QtOpener opener;
    EXPECT_TRUE(opener.open("https://example.jp/help?x=1"));
    EXPECT_TRUE(opener.open("/tmp/Quillon Software/Lumora/data"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0], QUrl(QStringLiteral("https://example.jp/help?x=1")));
    EXPECT_EQ(catcher.urls[1], QUrl::fromLocalFile(QStringLiteral("/tmp/Quillon Software/Lumora/data")));
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        EXPECT_FALSE(opener.open("https://example.jp/")) << "a desktop that cannot open it reports failure";
    }
}

TEST(Desktop, AScreenshotIsSavedWhenAsked) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    f.txtA.setText("山田太郎");
    f.cobList.setListIndex(1);
    f.lstSingle.setListIndex(0);
    f.optOne[0].setValue(true);
    ASSERT_TRUE(desk.show(f));
    const char* asked = std::getenv("LUMORA_SCREENSHOTS");
    const std::string folder = asked && *asked ? asked : QDir::tempPath().toStdString() + "/lumora-qt-shot";
    setenv("LUMORA_SCREENSHOTS", folder.c_str(), 1);
    qtui::saveScreenshotIfAsked(f, "qt-all-controls");
    // The windows' own size: "ＭＳ Ｐゴシック" 11.25 pt in the same boxes.
    std::function<void(forms::Container&)> enlarge = [&](forms::Container& c) {
        for (forms::Control* child : c.children()) {
            child->setFontSize(11.25);
            if (auto* inner = dynamic_cast<forms::Container*>(child)) enlarge(*inner);
        }
    };
    enlarge(f);
    qtui::saveScreenshotIfAsked(f, "qt-all-controls-11pt");
    if (!asked) unsetenv("LUMORA_SCREENSHOTS");
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(folder + "/qt-all-controls.png")));
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(folder + "/qt-all-controls-11pt.png")));
}

} // namespace

#include "WindowsTest.moc"
