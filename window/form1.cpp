#include "window/form1.h"

#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <exception>
#include <limits>
#include <vector>

#include "compute/run.h"
#include "window/caption_fit.h"
#include "window/error_report.h"
#include "window/mode_selection.h"
#include "window/qt_text.h"
#include "window/twips.h"

namespace combicalc {

namespace {

void place(QWidget* control, const ControlSpec& row, double logicalDpi) {
    const PixelRect rect = toPixels(row.geometry, logicalDpi);
    control->setGeometry(rect.left, rect.top, rect.width, rect.height);  // past the right edge is clipped
    control->setObjectName(toQString(row.name));
    control->setVisible(row.initiallyVisible);
}

}  // namespace

Form1::Form1(double logicalDpi, std::string decimalSeparator) : decimalSeparator_(std::move(decimalSeparator)) {
    setWindowTitle(toQString(kWindowTitle));
    setFixedSize(twipsToPixels(kClientWidthTwips, logicalDpi), twipsToPixels(kClientHeightTwips, logicalDpi));
    createControls(logicalDpi);
    connectHandlers();
}

void Form1::createControls(double logicalDpi) {
    std::vector<QWidget*> controls(kControls.size());
    for (const ControlSpec& row : kControls) {
        QWidget* control = nullptr;
        switch (row.kind) {
            case ControlKind::TextBox: {
                auto* box = new QLineEdit(toQString(row.initialText), this);
                box->setMaxLength(std::numeric_limits<int>::max());  // any length, as typed
                boxes_[row.index] = box;
                control = box;
                break;
            }
            case ControlKind::OptionButton: {
                auto* option = new QRadioButton(this);
                options_[row.index] = option;
                control = option;
                break;
            }
            case ControlKind::CommandButton: {
                start_ = new QPushButton(toQString(row.initialText), this);
                QFont font(toQString(kCommandFontFace));
                font.setPointSizeF(kCommandFontPoints);
                font.setWeight(QFont::Normal);
                start_->setFont(font);
                control = start_;
                break;
            }
        }
        place(control, row, logicalDpi);
        // What a screen reader says: the caption, or the box's placeholder.
        control->setAccessibleName(toQString(row.initialText));
        controls[static_cast<std::size_t>(row.tabIndex)] = control;
    }
    // Fitted once the buttons have their size, which tells the room the captions have.
    std::vector<std::pair<QRadioButton*, QString>> captions;
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        captions.emplace_back(options_[i], toQString(specOf(static_cast<OptionButton>(i)).initialText));
    }
    fitCaptions(captions);
    for (std::size_t i = 1; i < controls.size(); ++i) setTabOrder(controls[i - 1], controls[i]);
}

void Form1::connectHandlers() {
    connect(start_, &QPushButton::clicked, this, [this] { handle([this] { run(*this, decimalSeparator_); }); });
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        // A click, or the arrow keys and Space, which select an option by clicking it.
        if (const auto mode = modeOf(static_cast<OptionButton>(i))) {
            connect(options_[i], &QRadioButton::clicked, this, [this, mode] { handle([this, mode] { selectMode(*this, *mode); }); });
        }
    }
}

void Form1::handle(const std::function<void()>& handler) {
    std::optional<QString> failure;
    inHandler_ = true;
    try {
        handler();
    } catch (const std::exception& error) {  // a RunError, or running out of memory
        failure = QString::fromUtf8(error.what());
    }
    showWrittenTexts();  // the report shows over the texts the handler left
    if (failure) reportError(this, *failure);
}

void Form1::showWrittenTexts() {
    inHandler_ = false;
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        if (writtenTexts_[i]) boxes_[i]->setText(toQString(*writtenTexts_[i]));
        writtenTexts_[i].reset();
    }
}

std::string Form1::getText(TextBox box) {
    const auto i = static_cast<std::size_t>(box);
    return writtenTexts_[i] ? *writtenTexts_[i] : boxes_[i]->text().toStdString();
}

void Form1::setText(TextBox box, std::string_view text) {
    const auto i = static_cast<std::size_t>(box);
    if (inHandler_) {
        writtenTexts_[i].emplace(text);
    } else {
        boxes_[i]->setText(toQString(text));
    }
}

bool Form1::isSelected(OptionButton option) { return options_[static_cast<std::size_t>(option)]->isChecked(); }

void Form1::setVisible(TextBox box, bool visible) { boxes_[static_cast<std::size_t>(box)]->setVisible(visible); }

}  // namespace combicalc
