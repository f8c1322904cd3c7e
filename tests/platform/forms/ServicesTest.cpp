#include "AllControls.h"

#include "platform/forms/Backend.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace forms;

namespace {

TEST(MessageBoxes, TheRecorderKeepsEveryBoxAndAnswersFromItsQueue) {
    doubles::TestDesktop desk;
    desk.boxes.answer(vbCancel);
    EXPECT_EQ(MsgBox("削除します。", vbOKCancel, std::string("削除確認")), vbCancel);
    EXPECT_EQ(MsgBox("保存しますか？", vbYesNoCancel), vbYes); // default: the first button
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].title, "削除確認");
    EXPECT_EQ(desk.messages()[0].flags, vbOKCancel);
    EXPECT_EQ(desk.messages()[1].title, "Lumora"); // the application's title by default
}

TEST(MessageBoxes, FirstButtonAnswers) {
    const std::pair<int, int> cases[] = {{vbOKOnly, vbOK},        {vbOKCancel | vbCritical, vbOK},
                                         {vbAbortRetryIgnore, vbAbort}, {vbYesNoCancel | vbQuestion, vbYes},
                                         {vbYesNo, vbYes},        {vbRetryCancel, vbRetry}};
    for (auto [flags, answer] : cases) EXPECT_EQ(firstButtonAnswer(flags), answer) << flags;
}

TEST(Hourglass, IsOneStateNotAStack) {
    doubles::TestDesktop desk;
    Screen::setMousePointer(vbHourglass);
    Screen::setMousePointer(vbHourglass);
    Screen::setMousePointer(vbDefault);
    EXPECT_EQ(Screen::MousePointer(), vbDefault);
}

TEST(Hourglass, AScopeEndsItWhateverHappensInside) {
    doubles::TestDesktop desk;
    try {
        HourglassScope hourglass;
        EXPECT_EQ(Screen::MousePointer(), vbHourglass);
        throw std::runtime_error("any failure");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Screen::MousePointer(), vbDefault);
}

TEST(Metrics, HalfWidthCharactersAreHalfAnEm) {
    doubles::TestDesktop desk;
    Font font;
    font.Size = 10; // em = 200 twips
    EXPECT_DOUBLE_EQ(TextWidth(font, "ab"), 200);
    EXPECT_DOUBLE_EQ(TextWidth(font, "あｱ"), 300);
    EXPECT_DOUBLE_EQ(TextWidth(font, "abcd\r\nあ"), 400);
    EXPECT_DOUBLE_EQ(TextHeight(font, ""), 200);
    EXPECT_DOUBLE_EQ(TextHeight(font, "a\r\nb\nc"), 600);
    // A lone CR breaks a line too, and LF CR is two breaks.
    EXPECT_DOUBLE_EQ(TextHeight(font, "あ\rい\n\r"), 800);
}

TEST(Metrics, AnAutoSizedRightAlignedLabelKeepsItsRightEdge) {
    doubles::TestDesktop desk;
    AllControls f;
    Label& l = f.lblA;
    l.setFontSize(10);
    l.Move(9000, 0, 2000, 100);
    l.setAlignment(vbRightJustify);
    l.setAutoSize(true);
    l.setCaption("1/12");
    EXPECT_DOUBLE_EQ(l.Width(), 400);
    EXPECT_DOUBLE_EQ(l.Left() + l.Width(), 11000);
    EXPECT_DOUBLE_EQ(l.Height(), 200);
    l.setAlignment(vbLeftJustify);
    l.setCaption("あ");
    EXPECT_DOUBLE_EQ(l.Left(), 10600);
}

// Face names are kept once each: fonts still compare by the name's text,
// however it was given, and a label's font changes with its name.
TEST(Metrics, FontNamesCompareByTheirText) {
    const std::string given = "ＭＳ 明朝";
    EXPECT_EQ(Font{}.Name.str(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(Font{}, (Font{"ＭＳ Ｐゴシック"}));
    EXPECT_EQ((Font{given}), (Font{"ＭＳ 明朝"}));
    EXPECT_NE((Font{given}), Font{});
    doubles::TestDesktop desk;
    AllControls f;
    f.lblA.setFontName(given);
    EXPECT_EQ(f.lblA.font().Name.str(), given);
    EXPECT_EQ(static_cast<const std::string&>(f.lblA.font().Name), given);
}

TEST(Services, ClockClipboardAndCommandLine) {
    doubles::TestDesktop desk;
    desk.clock.setToday(2009, 10, 12);
    EXPECT_EQ(Today(), (text::Date{2009, 10, 12}));
    const long long t = TickCount();
    Sleep(800);
    EXPECT_EQ(TickCount() - t, 800);
    Clipboard::SetText("https://example.org/");
    EXPECT_EQ(Clipboard::GetText(), "https://example.org/");
    Clipboard::Clear();
    EXPECT_EQ(Clipboard::GetText(), "");
    const char* argv[] = {"lumora", "a", "b c"};
    App::setCommandLine(3, argv);
    EXPECT_EQ(App::Command(), "a b c");
    EXPECT_FALSE(App::Path().empty());
}

// A backend that writes down what the model asks of it.
class RecordingBackend : public Backend {
public:
    std::vector<std::string> calls;
    void showForm(Form& f) override { calls.push_back("show " + f.Name()); }
    void hideForm(Form& f) override { calls.push_back("hide " + f.Name()); }
    void formChanged(Form&, FormProp what) override { calls.push_back("form " + std::to_string(int(what))); }
    void controlAdded(Control& c) override { calls.push_back("added " + nameOf(c)); }
    void controlCreated(Control& c) override { calls.push_back("created " + nameOf(c)); }
    void controlRemoved(Control&) override { calls.push_back("removed"); }
    void controlChanged(Control& c, Prop what) override {
        calls.push_back(nameOf(c) + " " + std::to_string(int(what)));
    }
    void refresh(Form&) override {}
    void refresh(Control&) override {}
    void runModal(Form& f) override {
        calls.push_back("modal " + f.Name());
        f.Hide();
    }
    void timerChanged(Timer& t) override { calls.push_back(std::string("timer ") + (t.running() ? "on" : "off")); }
    int messageBox(const std::string&, int, const std::string& title) override {
        calls.push_back("box " + title);
        return vbNo;
    }
    void beep() override {}
    void setScreenPointer(int16_t) override {}
    void clipboardClear() override {}
    void clipboardSetText(const std::string&) override {}
    std::string clipboardText() override { return {}; }
    double textWidth(const Font&, std::string_view) override { return 0; }
    double textHeight(const Font&, std::string_view) override { return 0; }
    double screenWidth() override { return 1000 * 15; }
    double screenHeight() override { return 800 * 15; }
};

struct BackendFixture : ::testing::Test {
    doubles::TestDesktop desk;
    RecordingBackend backend;
    void SetUp() override {
        setBackend(&backend);
        setPresenter(nullptr);
        setModalRunner(nullptr);
    }
    void TearDown() override { setBackend(nullptr); }
};

TEST_F(BackendFixture, WidgetsExistOnlyWhileShownAndGetEveryChange) {
    AllControls f;
    f.lblA.setCaption("hidden"); // no widgets yet: nothing pushed
    EXPECT_TRUE(backend.calls.empty());
    f.Show();
    backend.calls.clear();
    f.lblA.setCaption("shown");
    f.lblA.setCaption("shown"); // unchanged: nothing
    f.lblArr.Load(7);
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"lblA 0", "added lblArr(7)"}));
    backend.calls.clear();
    f.Hide();
    f.lblA.setCaption("hidden again");
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"hide AllControls"}));
}

TEST_F(BackendFixture, AControlMadeWhileShownIsAnnouncedOnce) {
    AllControls f;
    Label before{f, "lblBefore"}; // not shown yet: built with the window
    f.Show();
    backend.calls.clear();
    {
        Frame fraNew{f, "fraNew"};
        CommandButton btnIn{fraNew, "btnIn"};
        f.lblArr.Load(7); // an array element: announced once it is complete
        EXPECT_EQ(backend.calls, (std::vector<std::string>{"created fraNew", "created btnIn", "added lblArr(7)"}));
        backend.calls.clear();
    }
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"removed", "removed"}));
}

TEST_F(BackendFixture, ServicesGoToTheBackendWhenNothingIsInjected) {
    AllControls f;
    f.timA.setInterval(100); // not loaded: the timer does not run
    f.Show(vbModal);
    EXPECT_EQ(MsgBox("?", vbYesNo), vbNo);
    EXPECT_DOUBLE_EQ(Screen::Width(), 15000);
    const std::vector<std::string> expected{"timer off", "timer on", "show AllControls", "form 5", "modal AllControls",
                                            "hide AllControls", "box Lumora"};
    EXPECT_EQ(backend.calls, expected);
}

TEST_F(BackendFixture, LoadingAndUnloadingReachEveryTimerOfTheForm) {
    AllControls f;
    Frame fraTimers{f, "fraTimers"};
    Timer timInside{fraTimers, "timInside"};
    {
        Timer timGone{f, "timGone"}; // left before the form loads: never asked about
    }
    timInside.setInterval(100);
    f.timA.setInterval(100);
    backend.calls.clear();
    f.Load();
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"timer on", "timer on"}));
    backend.calls.clear();
    f.Unload();
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"timer off", "timer off"}));
}

} // namespace
