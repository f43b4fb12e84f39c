// combicalc: a calculator for combinatorics exercises. It takes no arguments of its own and
// opens its one window.

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>

#include <cstdio>
#include <memory>
#include <optional>

#include "app/start_failure.h"
#include "qt_window/form1.h"
#include "qt_window/locale_notation.h"
#include "qt_window/translations.h"

int main(int argc, char* argv[]) {
    const combicalc::DisplayChoice display = combicalc::displayChoice(argc, argv);
    if (const auto message = combicalc::missingDisplay(display)) {
        std::fprintf(stderr, "%s\n", message->c_str());
        return 2;
    }
    auto guard = std::make_unique<combicalc::StartGuard>(display);
    QApplication application(argc, argv);
    guard.reset();
    // Installed, desktops take the icon from the .desktop file; the compiled-in one serves
    // before that (looking it up in the icon themes would cost a quarter of the start-up).
    QApplication::setDesktopFileName("combicalc");
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) icon.addFile(QString(":/icons/combicalc-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    combicalc::installTranslations(QLocale(), ":/i18n");

    combicalc::Form1 window(QGuiApplication::primaryScreen()->logicalDotsPerInch(), combicalc::notationOf(QLocale()));
    window.show();
    return QApplication::exec();
}
