// combicalc: a calculator for combinatorics exercises. It takes no arguments of its own and
// opens its one window.

#include <QApplication>
#include <QLocale>
#include <QScreen>

#include <cstdio>
#include <memory>
#include <optional>

#include "app/start_failure.h"
#include "qt_window/form1.h"

int main(int argc, char* argv[]) {
    if (const auto message = combicalc::missingDisplay()) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 2;
    }
    auto guard = std::make_unique<combicalc::StartGuard>();
    QApplication application(argc, argv);
    guard.reset();
    // Desktops take the icon from the installed .desktop file; looking it up in the icon
    // themes here would cost a quarter of the start-up.
    QApplication::setDesktopFileName("combicalc");

    combicalc::Form1 window(QGuiApplication::primaryScreen()->logicalDotsPerInch(), QLocale().decimalPoint().toStdString());
    window.show();
    return QApplication::exec();
}
