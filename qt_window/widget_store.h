#pragma once

// FieldStore over the window's widgets: a text box is a QLineEdit, an option button a
// QRadioButton.

#include <array>
#include <optional>
#include <string>

#include "window_state/field_store.h"

class QLineEdit;
class QRadioButton;

namespace combicalc {

class WidgetStore final : public FieldStore {
public:
    void attach(TextBox box, QLineEdit* edit);
    void attach(OptionButton option, QRadioButton* button);

    std::string getText(TextBox box) override;
    void setText(TextBox box, std::string_view text) override;
    bool isSelected(OptionButton option) override;
    void setVisible(TextBox box, bool visible) override;

    // Between these two, the texts written are kept here and put into their boxes at the
    // end. The window neither repaints nor takes input while a handler runs, so no one can
    // tell, and a 1000-pass run does not lay out and shape thousands of texts that are never
    // seen. Every call, and what each getText returns, is the same as without holding.
    void holdWrites() { holding_ = true; }
    void showHeldWrites();

private:
    bool holding_ = false;
    std::array<std::optional<std::string>, kTextBoxCount> heldTexts_;
    std::array<QLineEdit*, kTextBoxCount> boxes_{};
    std::array<QRadioButton*, kOptionCount> options_{};
};

}  // namespace combicalc
