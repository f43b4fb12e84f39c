#include "presenter/window_presenter.h"

#include <exception>

#include "compute/run.h"
#include "user_texts/texts.h"
#include "user_texts/translation.h"
#include "window_state/mode.h"
#include "window_state/mode_selection.h"

namespace combicalc {

namespace {

// Runs `handler`, which gives the announcement, if any; an error ends it where it occurred, and
// its message is the report.
template <class Handler>
HandlerOutcome handled(Handler handler) {
    try {
        return {.report = std::nullopt, .announcement = handler()};
    } catch (const std::exception& error) {  // a RunError, or running out of memory
        return {.report = error.what(), .announcement = std::nullopt};
    }
}

}  // namespace

HandlerOutcome startPressed(FieldStore& fields, const Notation& notation) {
    return handled([&]() -> std::optional<std::string> {
        const std::string before = fields.getText(TextBox::a);
        run(fields, notation);
        const std::string answer = fields.getText(TextBox::a);
        return translated(answer != before ? texts::kNewAnswer : texts::kNoNewAnswer, {answer});
    });
}

HandlerOutcome optionSelected(FieldStore& fields, OptionButton option) {
    const std::optional<Mode> mode = modeOf(option);
    if (!mode) return {};
    return handled([&]() -> std::optional<std::string> {
        selectMode(fields, *mode);
        return std::nullopt;
    });
}

}  // namespace combicalc
