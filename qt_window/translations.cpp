#include "qt_window/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "qt_window/locale_notation.h"
#include "user_texts/translation.h"

namespace combicalc {

void translateThroughQt() {
    installTranslation(
        [](const char* context, const char* english) { return QCoreApplication::translate(context, english).toStdString(); },
        // The numbers inside a report in the digits and separator of the boxes.
        [](std::string_view plain) { return inNotation(plain, notationOf(QLocale())); });
}

void installTranslations(const QLocale& locale, const QString& folder) {
    translateThroughQt();
    // The C locale is the untranslated program: looking for its files would only probe the
    // disk at every start.
    if (locale.language() == QLocale::C) return;
    // Owned by the application, which outlives every text.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    }
    auto* ownTexts = new QTranslator(QCoreApplication::instance());
    if (ownTexts->load(locale, "combicalc", "_", folder)) QCoreApplication::installTranslator(ownTexts);
}

}  // namespace combicalc
