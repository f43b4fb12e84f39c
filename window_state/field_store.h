#pragma once

// The four operations through which the computation and the mode selection reach the
// window. Each names its control directly; there is no lookup by name.
//
// Any call may fail on a real window; an implementation reports that by throwing
// ControlCallError (user_texts/errors.h).

#include <string>
#include <string_view>

#include "window_state/controls.h"

namespace combicalc {

class FieldStore {
public:
    virtual ~FieldStore() = default;

    // The box's current text, whether the box is shown or not.
    virtual std::string getText(TextBox box) = 0;
    // Replaces the text; the next getText of the box returns exactly this text.
    virtual void setText(TextBox box, std::string_view text) = 0;
    virtual bool isSelected(OptionButton option) = 0;
    // Hiding a box keeps its text.
    virtual void setVisible(TextBox box, bool visible) = 0;

protected:
    FieldStore() = default;
    FieldStore(const FieldStore&) = default;
    FieldStore& operator=(const FieldStore&) = default;
};

}  // namespace combicalc
