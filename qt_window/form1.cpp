#include "qt_window/form1.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>
#include <optional>
#include <vector>

#include "compute/run.h"
#include "qt_window/caption_fit.h"
#include "qt_window/error_report.h"
#include "qt_window/qt_text.h"
#include "qt_window/twips.h"
#include "window_state/mode_selection.h"

namespace combicalc {

namespace {

void place(QWidget* control, const ControlRow& row, double logicalDpi) {
    const PixelRect rect = toPixels(row.geometry, logicalDpi);
    control->setGeometry(rect.left, rect.top, rect.width, rect.height);  // past the right edge is clipped
    control->setObjectName(toQString(row.name));
    control->setVisible(row.initiallyVisible);
    // What a screen reader says: the caption, or the box's placeholder.
    control->setAccessibleName(toQString(row.initialText));
}

}  // namespace

Form1::Form1(double logicalDpi, std::string decimalSeparator) : decimalSeparator_(std::move(decimalSeparator)) {
    setWindowTitle(toQString(kWindowTitle));
    setFixedSize(twipsToPixels(kClientWidthTwips, logicalDpi), twipsToPixels(kClientHeightTwips, logicalDpi));
    std::vector<QWidget*> byTabIndex(kControls.size());
    for (const ControlRow& row : kControls) {
        QWidget* control = nullptr;
        switch (row.kind) {
            case ControlKind::TextBox: control = createTextBox(row); break;
            case ControlKind::OptionButton: control = createOptionButton(row); break;
            case ControlKind::CommandButton: control = createStartButton(row); break;
        }
        place(control, row, logicalDpi);
        byTabIndex[static_cast<std::size_t>(row.tabIndex)] = control;
    }
    fitOptionCaptions();  // once the buttons have their size, which tells the room they have
    for (std::size_t i = 1; i < byTabIndex.size(); ++i) setTabOrder(byTabIndex[i - 1], byTabIndex[i]);
    connectHandlers();
}

QWidget* Form1::createTextBox(const ControlRow& row) {
    auto* box = new QLineEdit(toQString(row.initialText), this);
    // No text longer than a thousand characters is a number, and a box holding megabytes
    // would shape them all again at every cursor blink; what is cut still shows its length
    // in the report that rejects it.
    box->setMaxLength(kMaxBoxTextLength);
    store_.attach(static_cast<TextBox>(row.index), box);
    return box;
}

QWidget* Form1::createOptionButton(const ControlRow& row) {
    auto* option = new QRadioButton(this);  // its caption comes with fitOptionCaptions
    options_[row.index] = option;
    store_.attach(static_cast<OptionButton>(row.index), option);
    return option;
}

QWidget* Form1::createStartButton(const ControlRow& row) {
    start_ = new QPushButton(toQString(row.initialText), this);
    QFont font(toQString(kCommandFontFace));
    font.setPointSizeF(kCommandFontPoints);
    font.setWeight(QFont::Normal);
    start_->setFont(font);
    return start_;
}

void Form1::fitOptionCaptions() {
    std::vector<std::pair<QRadioButton*, QString>> captions;
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        captions.emplace_back(options_[i], toQString(rowOf(static_cast<OptionButton>(i)).initialText));
    }
    fitCaptions(captions);
}

void Form1::connectHandlers() {
    connect(start_, &QPushButton::clicked, this, &Form1::startClicked);
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        // A click, or the arrow keys and Space, which select an option by clicking it.
        if (const auto mode = modeOf(static_cast<OptionButton>(i))) {
            connect(options_[i], &QRadioButton::clicked, this, [this, mode] { modeSelected(*mode); });
        }
    }
}

void Form1::startClicked() {
    handle([this] { run(fields(), decimalSeparator_); });
}

void Form1::modeSelected(Mode mode) {
    handle([this, mode] { selectMode(fields(), mode); });
}

void Form1::handle(const std::function<void()>& handler) {
    std::optional<QString> failure;
    store_.holdWrites();
    try {
        handler();
    } catch (const std::exception& error) {  // a RunError, or running out of memory
        failure = QString::fromUtf8(error.what());
    }
    store_.showHeldWrites();  // the report shows over the texts the handler left
    if (failure) reportError(this, *failure);
}

}  // namespace combicalc
