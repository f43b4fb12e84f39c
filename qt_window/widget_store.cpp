#include "qt_window/widget_store.h"

#include <QLineEdit>
#include <QRadioButton>

#include "qt_window/qt_text.h"

namespace combicalc {

namespace {

// A written text shows from its start, as the user reads it; a long one can be scrolled.
void show(QLineEdit& edit, std::string_view text) {
    edit.setText(toQString(text));
    edit.setCursorPosition(0);
}

}  // namespace

void WidgetStore::attach(TextBox box, QLineEdit* edit) { boxes_[indexOf(box)] = edit; }

void WidgetStore::attach(OptionButton option, QRadioButton* button) { options_[indexOf(option)] = button; }

void WidgetStore::showHeldWrites() {
    holding_ = false;
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        if (heldTexts_[i]) show(*boxes_[i], *heldTexts_[i]);
        heldTexts_[i].reset();
    }
}

std::string WidgetStore::getText(TextBox box) {
    const std::optional<std::string>& held = heldTexts_[indexOf(box)];
    return held ? *held : boxes_[indexOf(box)]->text().toStdString();
}

void WidgetStore::setText(TextBox box, std::string_view text) {
    if (holding_) {
        heldTexts_[indexOf(box)].emplace(text);
    } else {
        show(*boxes_[indexOf(box)], text);
    }
}

bool WidgetStore::isSelected(OptionButton option) { return options_[indexOf(option)]->isChecked(); }

void WidgetStore::setVisible(TextBox box, bool visible) { boxes_[indexOf(box)]->setVisible(visible); }

}  // namespace combicalc
