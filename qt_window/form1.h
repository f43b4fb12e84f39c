#pragma once

// The calculator's window: the sixteen controls of the control table laid out at their
// twip positions, whose two events (START pressed, an option selected) it passes on to the
// window's presenter with a FieldStore over them.

#include <QWidget>

#include <array>
#include <functional>
#include <string>

#include "compute/number_text.h"
#include "presenter/window_presenter.h"
#include "qt_window/widget_store.h"

class QPushButton;
class QRadioButton;

namespace combicalc {

struct ControlPlan;
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
    QWidget* createTextBox(const ControlPlan& plan);
    QWidget* createOptionButton(const ControlRow& row, QWidget* modes);
    QWidget* createStartButton(const ControlRow& row);
    void fitOptionCaptions();
    void connectHandlers();

    // Passes an event on to the window's presenter, shows what its handler wrote and then
    // what it left to show: its error's report, over the window, which stays open, or the
    // announcement.
    void pass(const std::function<HandlerOutcome()>& event);
    // Tells a screen reader `message` without moving the focus: screen readers speak Answer's
    // text changes only while Answer has the focus, so a notification that no one sees
    // shows the message, and its showing is spoken.
    void announce(const QString& message);

    Notation notation_;
    WidgetStore store_;
    std::array<QRadioButton*, kOptionCount> options_{};
    QPushButton* start_ = nullptr;
    QWidget* announcer_ = nullptr;
};

}  // namespace combicalc
