#include "platform/forms/Boundary.h"

#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"

#include <deque>
#include <exception>
#include <utility>

namespace forms::detail {

namespace {

struct Posted {
    Form* form;
    std::function<void()> action;
};

int depth = 0;
std::deque<Posted> posted;

// Shows an error nobody trapped: one box titled "エラー" with its description.
void showUntrapped(const std::exception_ptr& error) {
    std::string description;
    try {
        std::rethrow_exception(error);
    } catch (const text::RuntimeError& e) {
        description = e.Description;
    } catch (const std::exception& e) {
        description = e.what();
    } catch (...) {
        description = "予期しないエラーが発生しました。";
    }
    MsgBox(description, vbCritical, std::string("エラー"));
}

void guarded(const std::function<void()>& f) {
    try {
        f();
    } catch (...) {
        showUntrapped(std::current_exception());
    }
}

} // namespace

void boundary(const std::function<void()>& input) {
    ++depth;
    guarded(input);
    while (!posted.empty()) {
        Posted next = std::move(posted.front());
        posted.pop_front();
        guarded(next.action);
    }
    --depth;
}

void post(Form* form, std::function<void()> action) {
    if (depth == 0) {
        action();
        return;
    }
    posted.push_back({form, std::move(action)});
}

void forgetPosted(Form* form) {
    std::erase_if(posted, [form](const Posted& p) { return p.form == form; });
}

} // namespace forms::detail
