#include "qt_window/error_report.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "qt_window/object_names.h"
#include "qt_window/qt_text.h"
#include "user_texts/texts.h"
#include "window_state/controls.h"

namespace combicalc {

namespace {

class ErrorBox final : public QMessageBox {
public:
    ErrorBox(QWidget* window, const QString& message)
        : QMessageBox(QMessageBox::Critical, toQString(kWindowTitle), message, QMessageBox::Ok, window) {
        setObjectName(kErrorReportName);
        setLayoutDirection(QGuiApplication::layoutDirection());  // the user's, not the window's
        setAccessibleName(toQString(translated(texts::kErrorReport)));
        button(QMessageBox::Ok)->setText(toQString(translated(texts::kOk)));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(text());
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

}  // namespace

void reportError(QWidget* window, const QString& message) {
    ErrorBox box(window, message);
    box.exec();
}

}  // namespace combicalc
