#include "platform/forms/testing/TestDesktop.h"

#include "platform/forms/Form.h"

#include <gtest/gtest.h>

namespace forms::doubles {

namespace {

struct Saved {
    Backend* backend;
    MessagePresenter* presenter;
    ModalRunner* runner;
    Clock* clock;
    FontMetrics* metrics;
    files::Opener* opener;
};

std::vector<Saved>& savedStack() {
    static std::vector<Saved> s;
    return s;
}

// Closes a modal form a script left open, so Show can return.
void close(Form& form) {
    form.dispatchClose(vbFormControlMenu);
    if (form.Visible()) form.Hide();
}

} // namespace

int RecorderPresenter::present(const std::string& prompt, int flags, const std::string& title) {
    messages_.push_back({prompt, flags, title});
    if (answers_.empty()) return firstButtonAnswer(flags);
    const int reply = answers_.front();
    answers_.pop_front();
    return reply;
}

FixedClock::FixedClock() { now_ = {{2010, 10, 10}, 12, 0, 0}; }

void ModalScripts::add(std::function<void(Form&)> script) {
    scripts_.push_back({[](Form&) { return true; }, std::move(script)});
}

void ModalScripts::addFor(Form& form, std::function<void()> script) {
    Form* target = &form;
    scripts_.push_back({[target](Form& f) { return &f == target; }, [script](Form&) { script(); }});
}

void ModalScripts::run(Form& form) {
    for (auto it = scripts_.begin(); it != scripts_.end(); ++it) {
        if (!it->fits(form)) continue;
        Script script = std::move(*it);
        scripts_.erase(it);
        script.body(form);
        if (form.Visible()) {
            leftOpen_.push_back(form.Name());
            close(form);
        }
        return;
    }
    unscripted_.push_back(form.Name());
    close(form);
}

TestDesktop::TestDesktop() : beepsAtStart_(beepCount()) {
    savedStack().push_back({backend(), presenter(), modalRunner(), injectedClock(), fontMetrics(), &files::opener()});
    setBackend(nullptr);
    setPresenter(&boxes);
    setModalRunner(&modal);
    setClock(&clock);
    setFontMetrics(&metrics);
    files::setOpener(&opener);
    Clipboard::Clear();
    Screen::setMousePointer(vbDefault);
}

TestDesktop::~TestDesktop() {
    const Saved s = savedStack().back();
    savedStack().pop_back();
    setBackend(s.backend);
    setPresenter(s.presenter);
    setModalRunner(s.runner);
    setClock(s.clock);
    setFontMetrics(s.metrics);
    files::setOpener(s.opener);
    Screen::setMousePointer(vbDefault);
    // A window still loaded here would carry its state into the next test.
    if (savedStack().empty() && !Form::loadedForms().empty()) {
        std::string names;
        for (const Form* f : Form::loadedForms()) names += (names.empty() ? "" : ", ") + f->Name();
        ADD_FAILURE() << "windows left loaded when the test desktop ends: " << names;
    }
}

void TestDesktop::runModal(Form& form, std::function<void()> script, Form* owner) {
    modal.addFor(form, std::move(script));
    form.Show(vbModal, owner);
}

long TestDesktop::beeps() const { return beepCount() - beepsAtStart_; }

} // namespace forms::doubles
