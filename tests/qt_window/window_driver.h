#pragma once

// Drives the real window as a user would, offscreen: finds its controls and types into its
// boxes with real key presses.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "qt_window/qt_text.h"
#include "window_state/controls.h"

namespace combicalc::test_support {

// The screen the window tests lay out for: 15 twips a pixel.
inline constexpr double kTestDpi = 96;

// The control a screen reader announces under that name: a caption, or a box's placeholder.
inline QWidget* byAccessibleName(const QWidget& window, const QString& accessibleName) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->accessibleName() == accessibleName) return widget;
    }
    qFatal("no control is named %s", qPrintable(accessibleName));
}

inline QLineEdit* boxOf(const QWidget& window, TextBox box) { return window.findChild<QLineEdit*>(toQString(nameOf(box))); }
inline QRadioButton* optionOf(const QWidget& window, OptionButton option) {
    return window.findChild<QRadioButton*>(toQString(nameOf(option)));
}
inline QPushButton* startOf(const QWidget& window) { return window.findChild<QPushButton*>(toQString(commandButtonRow().name)); }

// Clicks an option where a user does, on its circle and caption: the button takes no click
// in the blank beyond its caption, which is most of it where the caption is short.
inline void clickOption(QRadioButton* option) {
    QStyleOptionButton look;
    look.initFrom(option);
    look.text = option->text();
    const QRect clickable = option->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &look, option);
    QTest::mouseClick(option, Qt::LeftButton, {}, clickable.center());
}

// Clicks into the box and selects what it holds, so that what is typed next replaces it.
inline void selectAllIn(QLineEdit* edit) {
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
}

// Replaces the box's text by typing; the empty text by pressing Delete.
inline void typeInto(QLineEdit* edit, const QString& text) {
    selectAllIn(edit);
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit, text);
    }
}

}  // namespace combicalc::test_support
