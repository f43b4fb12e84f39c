#pragma once

// The calculator's window: the sixteen controls of the control table laid out at their
// twip positions, and the five Click handlers. It is the FieldStore the handlers work on.

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "window/field_store.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace combicalc {

class Form1 : public QWidget, public FieldStore {
public:
    // `logicalDpi` sizes the twip layout; `decimalSeparator` is the user's, for the
    // numbers a run reads and writes.
    Form1(double logicalDpi, std::string decimalSeparator);

    std::string getText(TextBox box) override;
    void setText(TextBox box, std::string_view text) override;
    bool isSelected(OptionButton option) override;
    void setVisible(TextBox box, bool visible) override;
    using QWidget::setVisible;

private:
    void createControls(double logicalDpi);
    void connectHandlers();
    // Runs a Click handler; an error ends it where it occurred and is reported, and the
    // window stays open with whatever the handler wrote so far.
    void handle(const std::function<void()>& handler);
    void showWrittenTexts();

    std::string decimalSeparator_;
    // While a handler runs, the texts it writes are kept here and put into their boxes when
    // it returns or fails. The window neither repaints nor takes input during a handler, so
    // no one can tell, and a 1000-pass run does not lay out and shape thousands of texts
    // that are never seen. Every call, and what each getText returns, stays the same.
    bool inHandler_ = false;
    std::array<std::optional<std::string>, kTextBoxCount> writtenTexts_;
    std::array<QLineEdit*, kTextBoxCount> boxes_{};
    std::array<QRadioButton*, kOptionCount> options_{};
    QPushButton* start_ = nullptr;
};

}  // namespace combicalc
