#pragma once

#include <QString>

class QWidget;

namespace combicalc {

// Shows what stopped a handler in a modal box titled like the window, and returns when the
// user dismisses it. Ctrl+C copies the message, as users paste such reports.
void reportError(QWidget* window, const QString& message);

}  // namespace combicalc
