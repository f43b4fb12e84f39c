// The program: it takes no arguments of its own (only those every Qt program takes) and
// opens its one window.

#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QScreen>

#include <cstdio>
#include <memory>
#include <optional>

#include "app/start_failure.h"
#include "qt_window/form1.h"
#include "qt_window/locale_notation.h"
#include "qt_window/translations.h"

namespace {

// The compiled-in pixels of each size, byte by byte R, G, B, A: no image decoder to load.
QIcon windowIcon() {
    QIcon icon;
    for (const int size : {COMBICALC_WINDOW_ICON_SIZES}) {
        const QByteArray pixels = QResource(QString(":/icons/combicalc-%1.rgba").arg(size)).uncompressedData();
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size, QImage::Format_RGBA8888)));
    }
    return icon;
}

}  // namespace

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
    QApplication::setWindowIcon(windowIcon());
    combicalc::installTranslations(QLocale(), ":/i18n");

    combicalc::Form1 window(QGuiApplication::primaryScreen()->logicalDotsPerInch(), combicalc::notationOf(QLocale()));
    window.show();
    return QApplication::exec();
}
