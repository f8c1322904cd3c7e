#pragma once
#include "platform/forms/Types.h"
#include "platform/text/Dates.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The platform's services: message boxes, modal windows, the hourglass,
// screen, clipboard, beep, the application object, the clock and font
// metrics. Each service goes to an injected implementation when there is one
// (tests), else to the installed backend (the program), else to a headless
// default.
namespace forms {

class Backend;
class Form;

// ---- injectable parts ----

// Shows one message box and returns the answer (vbOK, vbCancel, vbYes ...).
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual int present(const std::string& prompt, int flags, const std::string& title) = 0;
};

// Runs a modal form: returns once the form is hidden or unloaded.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual void run(Form& form) = 0;
};

struct DateTime {
    text::Date date;
    int Hour = 0, Minute = 0, Second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() = 0;                 // local time
    virtual long long milliseconds() = 0;       // a monotonic count (GetTickCount)
    virtual void sleep(long long ms) = 0;
};

// Text measures in twips for a font.
class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    virtual double textWidth(const Font& font, std::string_view text) = 0;  // the widest line
    virtual double textHeight(const Font& font, std::string_view text) = 0; // all lines ("" = one)
};

// The headless metric: a half-width character (ASCII, half-width katakana)
// is half an em wide, any other one em, both narrowed by the font's stretch;
// a line is one em high; em = the font size in points × 20 twips. Lines
// break at CR LF, LF or CR.
class FixedPitchMetrics : public FontMetrics {
public:
    double textWidth(const Font& font, std::string_view text) override;
    double textHeight(const Font& font, std::string_view text) override;
};

// Installation. nullptr puts the default back. The backend is the program's
// window system (src/platform/qt); tests install none.
void setBackend(Backend* backend);
Backend* backend();
void setPresenter(MessagePresenter* presenter);
MessagePresenter* presenter(); // the injected one; nullptr when none
void setModalRunner(ModalRunner* runner);
ModalRunner* modalRunner();
void setClock(Clock* clock);
Clock* injectedClock();
void setFontMetrics(FontMetrics* metrics);
FontMetrics* fontMetrics();

// ---- services ----

// A message box. `title` defaults to the application's title.
int MsgBox(const std::string& prompt, int flags = vbOKOnly,
           const std::optional<std::string>& title = std::nullopt);
// The answer of a box's first button (vbOK, vbAbort, vbYes, vbRetry).
int firstButtonAnswer(int flags);

// Runs a modal form through the injected runner, else the backend's loop;
// headless without either it returns at once.
void runModal(Form& form);

void Beep();
// Beeps so far (tests read it; the count runs in the program too).
long beepCount();

// The screen.
namespace Screen {
constexpr int32_t TwipsPerPixelX = TwipsPerPixel;
constexpr int32_t TwipsPerPixelY = TwipsPerPixel;
double Width();  // twips
double Height(); // twips
// The hourglass is one state, not a stack: vbHourglass (11) or vbDefault (0).
int16_t MousePointer();
void setMousePointer(int16_t pointer);
} // namespace Screen

// Shows the hourglass for its lifetime: the default pointer comes back
// however the work in its scope ends, errors included.
class HourglassScope {
public:
    HourglassScope() { Screen::setMousePointer(vbHourglass); }
    ~HourglassScope() { Screen::setMousePointer(vbDefault); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;
};

namespace Clipboard {
void Clear();
void SetText(const std::string& text);
std::string GetText();
} // namespace Clipboard

// The application object.
namespace App {
constexpr const char* Title = "Lumora";
// The folder of the executable.
std::string Path();
// The arguments after the program's name, joined by a blank.
std::string Command();
void setCommandLine(int argc, const char* const* argv);
// True when another live instance of the program holds the instance lock in
// the per-user folder; otherwise this process takes it and holds it for its
// life. A lock that cannot be taken for any other reason (no home folder, a
// lock file that cannot be opened) raises a run-time error that says why.
bool PrevInstance();
} // namespace App

// The clock: local date and time.
DateTime Now();
text::Date Today();
long long TickCount();
void Sleep(long long ms);

// Text measures through the installed metrics.
double TextWidth(const Font& font, std::string_view text);
double TextHeight(const Font& font, std::string_view text);

} // namespace forms
