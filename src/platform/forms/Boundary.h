#pragma once
#include <functional>

// The event boundary: where input from a person enters the model. Errors that
// no handler traps stop here and are shown; actions posted by handlers (a
// Tab sent from KeyPress) run when the input that raised them is done.
namespace forms {
class Form;
}

namespace forms::detail {

// Runs one piece of input. Any exception is shown in one box titled "エラー"
// with its description; then the posted actions run (each one guarded too).
void boundary(const std::function<void()>& input);
// Runs `action` at the end of the current input, or at once outside input.
void post(Form* form, std::function<void()> action);
// Forgets the posted actions of a form that goes away.
void forgetPosted(Form* form);

} // namespace forms::detail
