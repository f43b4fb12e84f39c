#include "qt_window/accessible_roles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "qt_window/object_names.h"
#include "window_state/controls.h"

namespace combicalc {

namespace {

QAccessibleInterface* windowOrGroup(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (widget->isWindow() && widget->objectName() == QLatin1String(kWindowTitle.data(), kWindowTitle.size())) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (widget->objectName() == QLatin1String(kModesGroupName)) return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (widget->objectName() == QLatin1String(kAnnouncerName)) return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;  // Qt's own interface
}

}  // namespace

void exposeAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(windowOrGroup);
        return true;
    }();
    (void)installed;
}

}  // namespace combicalc
