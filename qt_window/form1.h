#pragma once

// The calculator's window: the sixteen controls of the control table laid out at their
// twip positions, and its two handlers, START's and the mode selection's, which work on the
// controls through a FieldStore.

#include <QWidget>

#include <array>
#include <functional>
#include <string>

#include "compute/number_text.h"
#include "qt_window/widget_store.h"
#include "window_state/mode.h"

class QPushButton;
class QRadioButton;

namespace combicalc {

struct ControlRow;

class Form1 : public QWidget {
public:
    // `logicalDpi` (the screen's) and the application font's growth (see fontGrowth) size
    // the twip layout; `notation` is the user's, for the numbers a run writes.
    Form1(double logicalDpi, Notation notation);

protected:
    // The handlers' only way to the controls. Tests put a store in between that watches or
    // breaks the calls.
    virtual FieldStore& fields() { return store_; }

private:
    QWidget* createTextBox(const ControlRow& row);
    QWidget* createOptionButton(const ControlRow& row, QWidget* modes);
    QWidget* createStartButton(const ControlRow& row);
    void fitOptionCaptions();
    void connectHandlers();

    void startClicked();
    void modeSelected(Mode mode);
    // Runs a handler; an error ends it where it occurred and is reported, and the
    // window stays open with whatever the handler wrote so far. Whether it ran to its end.
    bool handle(const std::function<void()>& handler);
    // Tells a screen reader what a run that ended left in Answer, without moving the focus:
    // screen readers speak Answer's text changes only while Answer has the focus, so a
    // notification that no one sees shows the message, and its showing is spoken.
    void announceAnswer(const QString& before);

    Notation notation_;
    WidgetStore store_;
    std::array<QRadioButton*, kOptionCount> options_{};
    QPushButton* start_ = nullptr;
    QWidget* announcer_ = nullptr;
};

}  // namespace combicalc
