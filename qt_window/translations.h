#pragma once

#include <QLocale>
#include <QString>

namespace combicalc {

// Makes every text of user_texts/texts.h follow the application's installed translators.
void translateThroughQt();

// Speaks the user's language where it can: Qt's own translations for its dialogs and menus
// (Debian's qt6-translations-l10n), and the program's own from `folder` (":/i18n" in the
// program, where they are compiled in). A language with no translation stays English.
// Once per process.
void installTranslations(const QLocale& locale, const QString& folder);

}  // namespace combicalc
