#pragma once

#include <QFocusFrame>

namespace combicalc {

// Where the keyboard focus is, drawn plainly enough to be seen in any colour scheme: a ring
// two pixels wide inside the focused control's edges, in the palette's text colour, which
// every scheme sets far apart from its window and base colours (WCAG 2.2's focus appearance
// asks for 3:1). The styles' own marks are a faint tint, or nothing at all on an option
// button. An overlay of the whole window that takes no input and draws nothing else; a focus
// frame to Qt, so that assistive technology leaves it out, as it leaves Qt's own.
class FocusRing final : public QFocusFrame {
public:
    explicit FocusRing(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace combicalc
