// Writes the desktop entry or the AppStream metadata from its template, in English and in
// every language that translates it:
//
//   translate_metadata TEMPLATE OUTPUT QM-FOLDER LANGUAGE...
//
// Each line of the template that holds a @KEY@ of metadata_texts.h is written with the
// English text in its place, then once more for each language whose translation has that
// text: "Key[de]=..." in a desktop entry, the element with xml:lang="de" in XML. In XML a
// list (KEYWORDS, "a;b;") gives one element for each of its words. A right-to-left text
// starts with a right-to-left mark, as the program's own do, but for a list's words: a
// search matches them as typed, and the mark would become part of the word.

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

#include "translations/metadata_texts.h"
#include "user_texts/translation.h"

namespace {

struct Language {
    QString code;
    std::unique_ptr<QTranslator> translator;
};

const combicalc::metadata::MetadataText* textIn(const QString& line) {
    for (const auto& text : combicalc::metadata::kTexts) {
        if (line.contains(QString("@%1@").arg(text.key))) return &text;
    }
    return nullptr;
}

// The line in `code`'s language: its key or its element marked with the language.
QString localized(QString line, const QString& code, const QString& placeholder, const QString& text, bool xml) {
    if (xml) {
        const qsizetype tagEnd = line.indexOf(QRegularExpression("[ >]"), line.indexOf('<'));
        line.insert(tagEnd, QString(" xml:lang=\"%1\"").arg(code));
        return line.replace(placeholder, text.toHtmlEscaped());
    }
    const qsizetype equals = line.indexOf('=');
    line.insert(equals, QString("[%1]").arg(code));
    return line.replace(placeholder, text);
}

// A list ("a;b;") is one element a word in XML, one line in a desktop entry.
QStringList partsOf(const QString& text, bool xml) {
    if (!xml || !text.endsWith(';')) return text.isEmpty() ? QStringList() : QStringList{text};
    return text.split(';', Qt::SkipEmptyParts);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: translate_metadata TEMPLATE OUTPUT QM-FOLDER LANGUAGE...\n");
        return 2;
    }
    std::vector<Language> languages;
    for (const QString& code : arguments.mid(4)) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QLocale(code), "combicalc", "_", arguments[3])) {
            std::fprintf(stderr, "no translation for %s in %s\n", qPrintable(code), qPrintable(arguments[3]));
            return 1;
        }
        languages.push_back({code, std::move(translator)});
    }
    QFile input(arguments[1]);
    QFile output(arguments[2]);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text) || !output.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s or write %s\n", qPrintable(arguments[1]), qPrintable(arguments[2]));
        return 1;
    }
    const bool xml = arguments[1].endsWith(".xml.in");
    QTextStream in(&input);
    QTextStream out(&output);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const auto* text = textIn(line);
        if (text == nullptr) {
            out << line << '\n';
            continue;
        }
        const QString placeholder = QString("@%1@").arg(text->key);
        const QString english = QString::fromUtf8(text->english);
        for (const QString& part : partsOf(english, xml)) {
            out << QString(line).replace(placeholder, xml ? part.toHtmlEscaped() : part) << '\n';
        }
        for (const Language& language : languages) {
            const QString translated = language.translator->translate(combicalc::metadata::kContext, text->english);
            const bool list = translated.endsWith(';');
            for (const QString& part : partsOf(translated, xml)) {
                const QString directed = list ? part : QString::fromStdString(combicalc::withItsDirection(part.toStdString()));
                out << localized(line, language.code, placeholder, directed, xml) << '\n';
            }
        }
    }
    return 0;
}
