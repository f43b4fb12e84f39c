#pragma once

#include <QWidget>

namespace combicalc {

// Where the keyboard focus is, drawn plainly enough to be seen in any colour scheme: a ring
// two pixels wide inside the focused control's edges, in the palette's text colour, which
// every scheme sets far apart from its window and base colours (WCAG 2.2's focus appearance
// asks for 3:1). The styles' own marks are a faint tint, or nothing at all on an option
// button. An overlay of the whole window that takes no input and draws nothing else.
class FocusRing final : public QWidget {
public:
    explicit FocusRing(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace combicalc
