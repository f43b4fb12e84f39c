#include "presenter/window_presenter.h"

#include <exception>

#include "compute/run.h"
#include "user_texts/texts.h"
#include "user_texts/translation.h"
#include "window_state/mode.h"
#include "window_state/mode_selection.h"

namespace combicalc {

namespace {

// Runs `handler`; an error ends it where it occurred, and its message is the report.
template <class Handler>
HandlerOutcome handled(Handler handler) {
    HandlerOutcome outcome;
    try {
        handler(outcome);
    } catch (const std::exception& error) {  // a RunError, or running out of memory
        outcome = {.report = error.what(), .announcement = std::nullopt};
    }
    return outcome;
}

}  // namespace

HandlerOutcome startPressed(FieldStore& fields, const Notation& notation) {
    return handled([&](HandlerOutcome& outcome) {
        const std::string before = fields.getText(TextBox::a);
        run(fields, notation);
        const std::string answer = fields.getText(TextBox::a);
        outcome.announcement = translated(answer != before ? texts::kNewAnswer : texts::kNoNewAnswer, {answer});
    });
}

HandlerOutcome optionSelected(FieldStore& fields, OptionButton option) {
    const std::optional<Mode> mode = modeOf(option);
    if (!mode) return {};
    return handled([&](HandlerOutcome&) { selectMode(fields, *mode); });
}

}  // namespace combicalc
