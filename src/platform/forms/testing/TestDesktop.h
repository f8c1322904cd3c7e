#pragma once
#include "platform/files/Opener.h"
#include "platform/forms/Services.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Test doubles of the platform's services, for every suite that drives
// windows headless. TestDesktop installs them all for its lifetime.
namespace forms::doubles {

struct Message {
    std::string prompt;
    int flags = 0;
    std::string title;
};

// Records every message box and answers from a queue (default: the first
// button's answer).
class RecorderPresenter : public MessagePresenter {
public:
    int present(const std::string& prompt, int flags, const std::string& title) override;
    void answer(int reply) { answers_.push_back(reply); }
    const std::vector<Message>& messages() const { return messages_; }
    // The last box; an empty message when none was shown.
    Message last() const { return messages_.empty() ? Message{} : messages_.back(); }
    void clear() { messages_.clear(); answers_.clear(); }

private:
    std::vector<Message> messages_;
    std::deque<int> answers_;
};

// A clock that stands still until told otherwise; sleeping advances it.
class FixedClock : public Clock {
public:
    FixedClock();
    DateTime now() override { return now_; }
    long long milliseconds() override { return ms_; }
    void sleep(long long ms) override { ms_ += ms; }
    void set(const DateTime& t) { now_ = t; }
    void setToday(int year, int month, int day) { now_.date = {year, month, day}; }
    void advance(long long ms) { ms_ += ms; }

private:
    DateTime now_;
    long long ms_ = 0;
};

// Runs modal forms headless: each modal Show takes the first queued script
// that fits the form and runs it; Show returns when the script is done and
// the form has hidden or unloaded. A form still shown after its script, or
// shown with no script, is closed with its close box and noted.
class ModalScripts : public ModalRunner {
public:
    void run(Form& form) override;
    // A script for the next modal form of any kind.
    void add(std::function<void(Form&)> script);
    // A script for the next modal form of type F.
    template <class F>
    void add(std::function<void(F&)> script) {
        scripts_.push_back({[](Form& f) { return dynamic_cast<F*>(&f) != nullptr; },
                            [script](Form& f) { script(dynamic_cast<F&>(f)); }});
    }
    // A script for one particular form object.
    void addFor(Form& form, std::function<void()> script);
    // Names of forms shown modally without a script, and of forms a script left open.
    const std::vector<std::string>& unscripted() const { return unscripted_; }
    const std::vector<std::string>& leftOpen() const { return leftOpen_; }
    size_t pending() const { return scripts_.size(); }

private:
    struct Script {
        std::function<bool(Form&)> fits;
        std::function<void(Form&)> body;
    };
    std::deque<Script> scripts_;
    std::vector<std::string> unscripted_, leftOpen_;
};

// Records what the program asks to open; answers with `succeeds`.
class FakeOpener : public files::Opener {
public:
    bool open(const std::string& target) override {
        opened.push_back(target);
        return succeeds;
    }
    bool succeeds = true;
    std::vector<std::string> opened;
};

// Installs a recorder presenter, a fixed clock, modal scripts, the fixed-pitch
// metrics and a fake opener, with no backend, an empty clipboard and the
// default pointer; puts the previous services back on destruction, and fails
// the running test when windows are still loaded then.
class TestDesktop {
public:
    TestDesktop();
    ~TestDesktop();
    TestDesktop(const TestDesktop&) = delete;
    TestDesktop& operator=(const TestDesktop&) = delete;

    // Shows `form` modally (owner optional) with `script` as its modal script.
    void runModal(Form& form, std::function<void()> script, Form* owner = nullptr);
    Message lastMessage() const { return boxes.last(); }
    const std::vector<Message>& messages() const { return boxes.messages(); }
    // Beeps since the desktop was installed.
    long beeps() const;

    RecorderPresenter boxes;
    FixedClock clock;
    ModalScripts modal;
    FakeOpener opener;
    FixedPitchMetrics metrics;

private:
    long beepsAtStart_;
};

} // namespace forms::doubles
