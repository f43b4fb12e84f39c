#include "qt_window/form1.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <vector>

#include "presenter/layout_plan.h"
#include "presenter/window_presenter.h"
#include "qt_window/accessible_roles.h"
#include "qt_window/caption_fit.h"
#include "qt_window/error_report.h"
#include "qt_window/focus_ring.h"
#include "qt_window/object_names.h"
#include "qt_window/qt_text.h"
#include "user_texts/texts.h"

namespace combicalc {

namespace {

void place(QWidget* control, const ControlPlan& plan) {
    control->setGeometry(plan.rect.left, plan.rect.top, plan.rect.width, plan.rect.height);  // past the right edge is clipped
    control->setObjectName(toQString(plan.row->name));
    control->setVisible(plan.visible);
    // What a screen reader says: the caption, or the box's placeholder.
    control->setAccessibleName(toQString(plan.accessibleName));
}

// A focused command button is pressed by Return and Enter, as by Space.
class StartButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A text box whose context menu takes the user's direction: with the window's, kept left to
// right, a right-to-left menu would open clipped at the screen's right edge.
class TextBoxWidget final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        menu->setLayoutDirection(QGuiApplication::layoutDirection());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }
};

}  // namespace

Form1::Form1(double logicalDpi, Notation notation) : notation_(std::move(notation)) {
    // Assistive technology asks for a widget's role when it first hears of it, which the
    // object name decides: named before anything is set on it.
    exposeAccessibleRoles();
    setObjectName(toQString(kWindowTitle));
    setWindowTitle(toQString(kWindowTitle));
    setAccessibleName(toQString(kWindowTitle));
    // The controls are laid out at their twip positions in every language: a right-to-left
    // locale turns Qt's own dialogs, not this window.
    setLayoutDirection(Qt::LeftToRight);
    const LayoutPlan plan = planLayout(logicalDpi * fontGrowth(QApplication::font().pointSizeF()));
    setFixedSize(plan.window.width, plan.window.height);
    // The option buttons share a panel, so that screen readers announce them as one group;
    // it lies where they lie, so that their positions hold inside it too.
    auto* modes = new QWidget;
    modes->setObjectName(kModesGroupName);
    modes->setParent(this);
    modes->setAccessibleName(toQString(plan.modeGroupName));
    QFont captionFont = modes->font();
    QStringList faces;
    for (const std::string_view face : kCaptionFontFaces) faces << toQString(face);
    captionFont.setFamilies(faces << captionFont.families());
    modes->setFont(captionFont);
    modes->setGeometry(plan.modeGroup.left, plan.modeGroup.top, plan.modeGroup.width, plan.modeGroup.height);
    QWidget* previous = nullptr;
    for (const ControlPlan& planned : plan.controls) {
        QWidget* control = nullptr;
        switch (planned.row->kind) {
            case ControlKind::TextBox: control = createTextBox(planned); break;
            case ControlKind::OptionButton: control = createOptionButton(*planned.row, modes); break;
            case ControlKind::CommandButton: control = createStartButton(*planned.row); break;
        }
        place(control, planned);
        if (previous != nullptr) setTabOrder(previous, control);
        previous = control;
    }
    fitOptionCaptions();  // once the buttons have their size, which tells the room they have
    // No size, so never seen; hidden until the first run has something to tell.
    announcer_ = new QWidget;
    announcer_->setObjectName(kAnnouncerName);
    announcer_->setParent(this);
    announcer_->setGeometry(0, 0, 0, 0);
    announcer_->hide();
    new FocusRing(this);  // last, so that it lies over every control
    connectHandlers();
}

QWidget* Form1::createTextBox(const ControlPlan& plan) {
    auto* box = new TextBoxWidget(toQString(plan.row->initialText), this);
    box->setAccessibleDescription(toQString(plan.description));
    box->setToolTip(toQString(plan.description));
    box->setMaxLength(kMaxBoxTextLength);
    store_.attach(static_cast<TextBox>(plan.row->index), box);
    return box;
}

QWidget* Form1::createOptionButton(const ControlRow& row, QWidget* modes) {
    auto* option = new QRadioButton(modes);  // its caption comes with fitOptionCaptions
    options_[row.index] = option;
    store_.attach(static_cast<OptionButton>(row.index), option);
    return option;
}

QWidget* Form1::createStartButton(const ControlRow& row) {
    start_ = new StartButton(toQString(row.initialText), this);
    QFont font(toQString(kCommandFontFace));
    // Larger than the rest by the same measure whatever size the user's font is.
    font.setPointSizeF(kCommandFontPoints * fontGrowth(QApplication::font().pointSizeF()));
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
    connect(start_, &QPushButton::clicked, this, [this] { pass([this] { return startPressed(fields(), notation_); }); });
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        // Whenever an option becomes selected, by a click, the keys or a program such as a
        // screen reader, and only then.
        const auto option = static_cast<OptionButton>(i);
        connect(options_[i], &QRadioButton::toggled, this, [this, option](bool selected) {
            if (selected) pass([this, option] { return optionSelected(fields(), option); });
        });
    }
}

void Form1::pass(const std::function<HandlerOutcome()>& event) {
    store_.holdWrites();
    const HandlerOutcome outcome = event();
    store_.showHeldWrites();  // the report shows over the texts the handler left
    if (outcome.report) reportError(this, QString::fromStdString(*outcome.report));
    if (outcome.announcement) announce(QString::fromStdString(*outcome.announcement));
}

void Form1::announce(const QString& message) {
    // Shown anew after every run, so that the same message is spoken again.
    announcer_->hide();
    announcer_->setAccessibleName(message);
    announcer_->show();
}

}  // namespace combicalc
