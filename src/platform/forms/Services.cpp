#include "platform/forms/Services.h"

#include "platform/files/FileOps.h"
#include "platform/files/Folders.h"
#include "platform/forms/Backend.h"
#include "platform/forms/Form.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>

namespace forms {

namespace {

class SystemClock : public Clock {
public:
    DateTime now() override {
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min, local.tm_sec};
    }
    long long milliseconds() override {
        using namespace std::chrono;
        return duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void sleep(long long ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

// What the services are wired to: plain values, set up before any other
// static object, so they are there for all of them and reading one (the
// metrics, thousands of times as a window opens) is a plain load.
struct State {
    Backend* backend = nullptr;
    MessagePresenter* presenter = nullptr;
    ModalRunner* runner = nullptr;
    Clock* clock = nullptr;
    FontMetrics* metrics = nullptr;
    long beeps = 0;
    int16_t pointer = vbDefault;
};
constinit State services;

State& state() { return services; }

// The headless clipboard and the command line.
struct Texts {
    std::string clipboard;
    std::vector<std::string> args;
};

Texts& texts() {
    static Texts t;
    return t;
}

Clock& clock() {
    static SystemClock system;
    return state().clock ? *state().clock : system;
}

bool isHalfWidth(char32_t ch) { return ch < 0x80 || (ch >= 0xFF61 && ch <= 0xFF9F); }

// Walks the lines of a text split at CR LF, LF or CR, giving each line's
// width in the fixed-pitch metric: half an em for a half-width character,
// one em for any other. Measuring labels is frequent, so nothing is copied.
template <class EachLine>
void walkLines(std::string_view text, double em, EachLine&& eachLine) {
    double w = 0;
    for (std::size_t i = 0; i < text.size();) {
        // Most of what is measured is digits and ASCII: no decoding for them.
        const auto byte = static_cast<unsigned char>(text[i]);
        const char32_t ch = byte < 0x80 ? text[i++] : text::nextCodePoint(text, i);
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i < text.size() && text[i] == '\n') ++i;
            eachLine(w);
            w = 0;
        } else {
            w += isHalfWidth(ch) ? em / 2 : em;
        }
    }
    eachLine(w);
}

} // namespace

double FixedPitchMetrics::textWidth(const Font& font, std::string_view text) {
    double widest = 0;
    walkLines(text, font.Size * 20, [&widest](double w) { widest = std::max(widest, w); });
    return widest * font.Stretch / 100;
}

double FixedPitchMetrics::textHeight(const Font& font, std::string_view text) {
    int lines = 0;
    walkLines(text, font.Size * 20, [&lines](double) { ++lines; });
    return font.Size * 20 * static_cast<double>(lines);
}

void setBackend(Backend* b) { state().backend = b; }
Backend* backend() { return state().backend; }
void setPresenter(MessagePresenter* p) { state().presenter = p; }
MessagePresenter* presenter() { return state().presenter; }
void setModalRunner(ModalRunner* r) { state().runner = r; }
ModalRunner* modalRunner() { return state().runner; }
void setClock(Clock* c) { state().clock = c; }
Clock* injectedClock() { return state().clock; }
void setFontMetrics(FontMetrics* m) { state().metrics = m; }
FontMetrics* fontMetrics() { return state().metrics; }

int firstButtonAnswer(int flags) {
    switch (flags & 7) {
    case vbAbortRetryIgnore: return vbAbort;
    case vbYesNoCancel: case vbYesNo: return vbYes;
    case vbRetryCancel: return vbRetry;
    default: return vbOK;
    }
}

int MsgBox(const std::string& prompt, int flags, const std::optional<std::string>& title) {
    const std::string shownTitle = title.value_or(App::Title);
    if (state().presenter) return state().presenter->present(prompt, flags, shownTitle);
    if (state().backend) return state().backend->messageBox(prompt, flags, shownTitle);
    return firstButtonAnswer(flags);
}

void runModal(Form& form) {
    if (state().runner) state().runner->run(form);
    else if (state().backend) state().backend->runModal(form);
}

void Beep() {
    ++state().beeps;
    if (state().backend) state().backend->beep();
}

long beepCount() { return state().beeps; }

namespace Screen {
double Width() { return state().backend ? state().backend->screenWidth() : 1920.0 * TwipsPerPixelX; }
double Height() { return state().backend ? state().backend->screenHeight() : 1080.0 * TwipsPerPixelY; }
int16_t MousePointer() { return state().pointer; }
void setMousePointer(int16_t pointer) {
    state().pointer = pointer;
    if (state().backend) state().backend->setScreenPointer(pointer);
}
} // namespace Screen

namespace Clipboard {
void Clear() {
    texts().clipboard.clear();
    if (state().backend) state().backend->clipboardClear();
}
void SetText(const std::string& text) {
    texts().clipboard = text;
    if (state().backend) state().backend->clipboardSetText(text);
}
std::string GetText() { return state().backend ? state().backend->clipboardText() : texts().clipboard; }
} // namespace Clipboard

namespace App {

std::string Path() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string Command() {
    std::string out;
    for (const auto& a : texts().args) {
        if (!out.empty()) out += ' ';
        out += a;
    }
    return out;
}

void setCommandLine(int argc, const char* const* argv) {
    texts().args.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
}

bool PrevInstance() {
    static files::InstanceLock lock;
    constexpr const char* kLockName = "Lumora.lock";
    const std::string home = files::userDataHome();
    if (home.empty()) text::raise(text::err::PathNotFound);
    const std::string folder = files::joinPath(files::joinPath(home, "Quillon Software"), "Lumora");
    const std::string path = files::joinPath(folder, kLockName);
    if (lock.held() && lock.path() == path) return false;
    switch (lock.acquire(folder, kLockName)) {
    case files::InstanceLock::Result::Held: return false;
    case files::InstanceLock::Result::Busy: return true;
    case files::InstanceLock::Result::Failed: break;
    }
    throw text::RuntimeError(text::err::PermissionDenied, "ロック・ファイルを開けません。\r\n" + path);
}

} // namespace App

DateTime Now() { return clock().now(); }
text::Date Today() { return clock().now().date; }
long long TickCount() { return clock().milliseconds(); }
void Sleep(long long ms) { clock().sleep(ms); }

double TextWidth(const Font& font, std::string_view text) {
    if (state().metrics) return state().metrics->textWidth(font, text);
    if (state().backend) return state().backend->textWidth(font, text);
    static FixedPitchMetrics fixed;
    return fixed.textWidth(font, text);
}

double TextHeight(const Font& font, std::string_view text) {
    if (state().metrics) return state().metrics->textHeight(font, text);
    if (state().backend) return state().backend->textHeight(font, text);
    static FixedPitchMetrics fixed;
    return fixed.textHeight(font, text);
}

} // namespace forms
