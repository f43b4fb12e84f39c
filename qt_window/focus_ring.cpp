#include "qt_window/focus_ring.h"

#include <QApplication>
#include <QPainter>
#include <QPen>

namespace combicalc {

namespace {

constexpr int kRingWidth = 2;

}  // namespace

FocusRing::FocusRing(QWidget* window) : QFocusFrame(window) {
    setGeometry(window->rect());
    raise();
    connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
}

void FocusRing::paintEvent(QPaintEvent* /*event*/) {
    const QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || focused == parentWidget() || !parentWidget()->isAncestorOf(focused)) return;
    if (!focused->isVisible()) return;
    const QRect area(focused->mapTo(parentWidget(), QPoint(0, 0)), focused->size());
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText), kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // The pen straddles the path: half a ring's width in keeps the whole ring inside.
    painter.drawRect(QRectF(area).adjusted(kRingWidth / 2.0, kRingWidth / 2.0, -kRingWidth / 2.0, -kRingWidth / 2.0));
}

}  // namespace combicalc
