#pragma once

// The window's boxes and option buttons as the page's own elements, so that a run reads and
// writes the very texts the user sees and types, as on the desktop.

#include <emscripten/val.h>

#include <array>
#include <optional>
#include <string>

#include "user_texts/errors.h"
#include "window_state/field_store.h"

namespace combicalc {

class PageStore final : public FieldStore {
public:
    // `input` is a text input, `radio` a radio button, of the page's document.
    void attach(TextBox box, const emscripten::val& input);
    void attach(OptionButton option, const emscripten::val& radio);

    std::string getText(TextBox box) override;
    void setText(TextBox box, std::string_view text) override;
    bool isSelected(OptionButton option) override;
    void setVisible(TextBox box, bool visible) override;

    // Scrolls each box written since the last call back to its text's start, as the user
    // reads it; once after a handler, since it makes the browser lay the page out.
    void showWrittenTexts();

private:
    // The page's number for the control's element; a call before the page made it fails as
    // on a window whose control is gone.
    int input(TextBox box, ControlCall call) const;
    int input(OptionButton option, ControlCall call) const;

    std::array<bool, kTextBoxCount + kOptionCount> attached_{};
    std::array<bool, kTextBoxCount> written_{};
    std::string buffer_ = std::string(256, '\0');  // where a read text comes, grown for a longer one
};

}  // namespace combicalc
