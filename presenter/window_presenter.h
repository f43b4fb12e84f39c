#pragma once

// What the window does, whatever draws it. A view (the desktop's widgets, the page's
// elements) passes on its two events with a FieldStore over its controls, shows what the
// handler wrote, and then shows what comes back: the report of the error that ended the
// handler, or what a screen reader is told of Answer after a run.

#include <optional>
#include <string>

#include "compute/number_text.h"
#include "window_state/controls.h"
#include "window_state/field_store.h"

namespace combicalc {

struct HandlerOutcome {
    // The error that ended the handler where it occurred (a RunError, a control that failed,
    // or memory running out): reported over whatever the handler wrote so far.
    std::optional<std::string> report;
    // After a run that ended: whether it gave a new answer, and the answer, in the user's
    // language, for the view to announce without moving the focus.
    std::optional<std::string> announcement;
};

// START pressed: one run over `fields`, its numbers written in `notation`.
HandlerOutcome startPressed(FieldStore& fields, const Notation& notation);

// `option` became selected (by a click, the keys or a screen reader, and only then): a
// working option shows the inputs of its mode; the others do nothing.
HandlerOutcome optionSelected(FieldStore& fields, OptionButton option);

}  // namespace combicalc
