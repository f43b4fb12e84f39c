// combicalc: a calculator for combinatorics exercises. It takes no arguments of its own and
// opens its one window.

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

#include "qt_window/form1.h"

namespace {

// Without any of these Qt has no display to open and would abort with a long message.
bool hasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fputs("combicalc needs a graphical display: none was found (DISPLAY and WAYLAND_DISPLAY are unset)\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    // Desktops take the icon from the installed .desktop file; looking it up in the icon
    // themes here would cost a quarter of the start-up.
    QApplication::setDesktopFileName("combicalc");

    combicalc::Form1 window(QGuiApplication::primaryScreen()->logicalDotsPerInch(), QLocale().decimalPoint().toStdString());
    window.show();
    return QApplication::exec();
}
