// The floors for start-up time and memory: the least a Qt Widgets program does to show the
// calculator's window. With --bare, an empty window of the same size; otherwise the same
// sixteen standard controls at the same places with the same texts and the START font, and
// nothing else: no handlers, no caption fitting, no accessible names.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

#include <cstring>
#include <span>

#include "qt_window/qt_text.h"
#include "window_state/controls.h"
#include "window_state/twips.h"

using namespace combicalc;

int main(int argc, char* argv[]) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    QApplication application(argc, argv);
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    QWidget window;
    window.setWindowTitle("floor");
    window.setFixedSize(twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi));
    for (const ControlRow& row : bare ? std::span<const ControlRow>() : std::span<const ControlRow>(kControls)) {
        const QString text = toQString(row.initialText);
        QWidget* control = nullptr;
        if (row.kind == ControlKind::TextBox) control = new QLineEdit(text, &window);
        if (row.kind == ControlKind::OptionButton) control = new QRadioButton(text, &window);
        if (row.kind == ControlKind::CommandButton) {
            control = new QPushButton(text, &window);
            QFont font(toQString(kCommandFontFace));
            font.setPointSizeF(kCommandFontPoints);
            control->setFont(font);
        }
        const PixelRect rect = toPixels(row.geometry, dpi);
        control->setGeometry(rect.left, rect.top, rect.width, rect.height);
        control->setVisible(row.initiallyVisible);
    }
    window.show();
    return QApplication::exec();
}
