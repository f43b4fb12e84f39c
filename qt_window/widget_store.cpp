#include "qt_window/widget_store.h"

#include <QLineEdit>
#include <QRadioButton>

#include "qt_window/qt_text.h"

namespace combicalc {

namespace {

std::size_t index(TextBox box) { return static_cast<std::size_t>(box); }

// A written text shows from its start, as the user reads it; a long one can be scrolled.
void show(QLineEdit& edit, std::string_view text) {
    edit.setText(toQString(text));
    edit.setCursorPosition(0);
}

}  // namespace

void WidgetStore::attach(TextBox box, QLineEdit* edit) { boxes_[index(box)] = edit; }

void WidgetStore::attach(OptionButton option, QRadioButton* button) { options_[static_cast<std::size_t>(option)] = button; }

void WidgetStore::showHeldWrites() {
    holding_ = false;
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        if (heldTexts_[i]) show(*boxes_[i], *heldTexts_[i]);
        heldTexts_[i].reset();
    }
}

std::string WidgetStore::getText(TextBox box) {
    const std::optional<std::string>& held = heldTexts_[index(box)];
    return held ? *held : boxes_[index(box)]->text().toStdString();
}

void WidgetStore::setText(TextBox box, std::string_view text) {
    if (holding_) {
        heldTexts_[index(box)].emplace(text);
    } else {
        show(*boxes_[index(box)], text);
    }
}

bool WidgetStore::isSelected(OptionButton option) { return options_[static_cast<std::size_t>(option)]->isChecked(); }

void WidgetStore::setVisible(TextBox box, bool visible) { boxes_[index(box)]->setVisible(visible); }

}  // namespace combicalc
