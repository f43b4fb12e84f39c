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
    void attach(TextBox box, emscripten::val input) { boxes_[indexOf(box)].emplace(std::move(input)); }
    void attach(OptionButton option, emscripten::val radio) { options_[indexOf(option)].emplace(std::move(radio)); }

    std::string getText(TextBox box) override;
    void setText(TextBox box, std::string_view text) override;
    bool isSelected(OptionButton option) override;
    void setVisible(TextBox box, bool visible) override;

    // The user's side of the page: what a click on an option does, before its handler runs.
    // std::nullopt clears them all.
    void select(std::optional<OptionButton> option);

    // Scrolls each box written since the last call back to its text's start, as the user
    // reads it; once after a handler, since it makes the browser lay the page out.
    void showWrittenTexts();

private:
    // The element made for the control; a call before the page made it fails as on a
    // window whose control is gone.
    emscripten::val& element(TextBox box, ControlCall call);
    emscripten::val& element(OptionButton option, ControlCall call);

    std::array<std::optional<emscripten::val>, kTextBoxCount> boxes_;
    std::array<std::optional<emscripten::val>, kOptionCount> options_;
    std::array<bool, kTextBoxCount> written_{};
};

}  // namespace combicalc
