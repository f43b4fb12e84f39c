// The window as a user meets it: offscreen, driven by real clicks and typed keys, with every
// control found by its accessible name.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

#include <memory>
#include <optional>

#include "qt_window/form1.h"
#include "qt_window/locale_notation.h"
#include "qt_window/object_names.h"
#include "qt_window/translations.h"
#include "tests/qt_window/modal_watch.h"
#include "tests/qt_window/window_driver.h"
#include "window_state/twips.h"

using namespace combicalc;
using test_support::clickOption;
using test_support::kTestDpi;

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<Form1>(kTestDpi, ".");
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        QVERIFY2(watch_.unexpected().isEmpty(), qPrintable(watch_.unexpected().join("; ")));
        window_.reset();
    }

    void startsAsLaidOut() {
        QCOMPARE(window_->windowTitle(), QString("Form1"));
        QCOMPARE(window_->size(), QSize(248, 283));
        for (const ControlRow& row : kControls) {
            QWidget* control = window_->findChild<QWidget*>(toQString(row.name));
            QVERIFY2(control != nullptr, row.name.data());
            const PixelRect rect = toPixels(row.geometry, kTestDpi);
            QCOMPARE(control->geometry(), QRect(rect.left, rect.top, rect.width, rect.height));
            QCOMPARE(control->isVisible(), row.initiallyVisible);
        }
        QCOMPARE(box("Field 1")->text(), QString("Field 1"));
        QCOMPARE(box("Field 4")->text(), QString("Field 4"));
        QCOMPARE(box("Answer")->text(), QString("Answer"));
        QCOMPARE(box("Text3")->text(), QString("Text3"));
        for (const char* caption : {"Factorial", "nPr", "nCr", "2 Outcomes", "At least", "At Most", "Binomial Thoerem"}) {
            QRadioButton* button = option(caption);
            QVERIFY(!button->isChecked());
            QCOMPARE(button->text().replace('\n', ' '), QString(caption));
        }
        QCOMPARE(start()->text(), QString("START"));
        QCOMPARE(start()->font().pointSizeF(), 13.5);
        QCOMPARE(start()->font().family(), QString("MS Sans Serif"));
    }

    void captionsShowInFull() {
        for (const char* caption : {"Factorial", "2 Outcomes", "At least", "At Most", "Binomial Thoerem"}) {
            QRadioButton* button = option(caption);
            QVERIFY2(button->sizeHint().width() <= button->width(), caption);
            QVERIFY2(button->sizeHint().height() <= button->height(), caption);
        }
    }

    void focusFollowsTheTabIndex() {
        QStringList expected;
        for (int tab = 0; tab < static_cast<int>(kControls.size()); ++tab) {
            for (const ControlRow& row : kControls) {
                if (row.tabIndex == tab) expected << toQString(row.name);
            }
        }
        QStringList chain;
        QWidget* widget = window_->findChild<QWidget*>("Option1");
        do {
            if (expected.contains(widget->objectName())) chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != window_->findChild<QWidget*>("Option1"));
        QCOMPARE(chain, expected);
    }

    void modeSelectionShowsTheInputsItReads() {
        clickOption(option("2 Outcomes"));
        QCOMPARE(visibleInputs(), QString("xyzw"));
        clickOption(option("Factorial"));
        QCOMPARE(visibleInputs(), QString("x"));
        clickOption(option("nCr"));
        QCOMPARE(visibleInputs(), QString("xy"));
        clickOption(option("At Most"));  // no handler: nothing changes but the selection
        QCOMPARE(visibleInputs(), QString("xy"));
        QVERIFY(!option("nCr")->isChecked());
        QVERIFY(!box("Answer")->isHidden());
        QVERIFY(box("Text1")->isHidden());
        QCOMPARE(box("Field 3")->text(), QString("Field 3"));
    }

    void modeSelectionByAProgram() {  // as a screen reader's Toggle action selects
        option("Factorial")->setChecked(true);
        QCOMPARE(visibleInputs(), QString("x"));
        option("2 Outcomes")->setChecked(true);
        QCOMPARE(visibleInputs(), QString("xyzw"));
        option("At Most")->setChecked(true);
        QCOMPARE(visibleInputs(), QString("xyzw"));
        box("Field 2")->hide();
        clickOption(option("At Most"));  // already selected: no selection runs
        QCOMPARE(visibleInputs(), QString("xzw"));
    }

    void returnOnStartPressesIt() {
        clickOption(option("Factorial"));
        type("Field 1", "5");
        QTest::keyClick(box("Field 1"), Qt::Key_Return);  // inert in a box
        QCOMPARE(box("Answer")->text(), QString("Answer"));
        start()->setFocus();
        QTest::keyClick(start(), Qt::Key_Return);
        QCOMPARE(box("Answer")->text(), QString("120"));
        type("Field 1", "4");
        start()->setFocus();
        QTest::keyClick(start(), Qt::Key_Enter);
        QCOMPARE(box("Answer")->text(), QString("24"));
    }

    void writtenTextsShowTheirStart() {
        clickOption(option("Factorial"));
        type("Field 1", "170");
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(box("Answer")->text(), QString("7.25741561530788E+306"));
        QCOMPARE(box("Answer")->cursorPosition(), 0);
        QCOMPARE(box("Field 1")->cursorPosition(), 0);
    }

    void theLayoutGrowsWithTheUsersFont() {
        const QFont original = QApplication::font();
        QFont large = original;
        large.setPointSizeF(18);  // twice the 9 points the layout was made for
        QApplication::setFont(large);
        const Form1 window(kTestDpi, ".");
        QApplication::setFont(original);
        QCOMPARE(window.size(), QSize(496, 566));
        // The captions keep the user's size, or near it where a platform's font draws taller
        // lines (wine's Tahoma needs 15 points for "Binomial Thoerem" on two lines).
        const QFont shared = window.findChild<QRadioButton*>()->font();
        QVERIFY2(shared.pointSizeF() >= 15.0, qPrintable(shared.toString()));
        for (QRadioButton* button : window.findChildren<QRadioButton*>()) {
            QCOMPARE(button->font(), shared);
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            QVERIFY2(button->sizeHint().height() <= button->height(), qPrintable(button->text()));
        }
    }

    void screenReadersHearWhatEachBoxHolds() {
        for (const char* name : {"Field 1", "Field 2", "Field 3", "Field 4", "Answer"}) {
            QVERIFY2(!box(name)->accessibleDescription().isEmpty(), name);
            QCOMPARE(box(name)->toolTip(), box(name)->accessibleDescription());
        }
        QCOMPARE(option("Factorial")->parentWidget()->accessibleName(), QString("Mode"));
    }

    void modeSelectionFromTheKeyboard() {
        option("Factorial")->setFocus();
        QTest::keyClick(option("Factorial"), Qt::Key_Space);
        QVERIFY(option("Factorial")->isChecked());
        QCOMPARE(visibleInputs(), QString("x"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(option("nPr")->isChecked());
        QCOMPARE(visibleInputs(), QString("xy"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(option("2 Outcomes")->isChecked());
        QCOMPARE(visibleInputs(), QString("xyzw"));
    }

    void everyModeComputesThroughTheWindow_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Factorial") << "Factorial" << QStringList{"5"} << "120";
        QTest::newRow("nPr") << "nPr" << QStringList{"5", "2"} << "20";
        QTest::newRow("nCr") << "nCr" << QStringList{"5", "2"} << "10";
        QTest::newRow("2 Outcomes") << "2 Outcomes" << QStringList{"5", "2", "2", "1"} << "0.3125";
    }
    void everyModeComputesThroughTheWindow() {
        QFETCH(QString, mode);
        QFETCH(QStringList, typed);
        QFETCH(QString, answer);
        clickOption(option(mode));
        const char* inputs[] = {"Field 1", "Field 2", "Field 3", "Field 4"};
        for (qsizetype i = 0; i < typed.size(); ++i) type(inputs[i], typed[i]);
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(box("Answer")->text(), answer);
        QCOMPARE(box("Field 1")->text(), QString("Field 1"));
        QCOMPARE(box("Field 4")->text(), QString("Field 4"));
        QCOMPARE(announcement(), "Answer " + answer);
    }

    void twoOutcomesKeepsItsCountInAHiddenBox() {
        clickOption(option("2 Outcomes"));
        type("Field 1", "5");
        type("Field 2", "2");
        type("Field 3", "2");
        type("Field 4", "1");
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(box("Text3")->text(), QString("10"));
        QVERIFY(box("Text3")->isHidden());
    }

    void anErrorIsReportedAndTheWindowGoesOn() {
        clickOption(option("Factorial"));
        watch_.expectErrorBox();
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(watch_.takeSeen(),
                 QStringList{"Form1|Conversion error: the first input box holds \"Field 1\", which is not a number"});
        QCOMPARE(box("Answer")->text(), QString("1"));  // written before the failing step; no reset
        QVERIFY(window_->isVisible());

        type("Field 1", "4");
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(box("Answer")->text(), QString("24"));
        QCOMPARE(watch_.takeSeen(), QStringList{});
    }

    void anArithmeticFaultNamesItsKind() {
        clickOption(option("2 Outcomes"));
        type("Field 1", "5");
        type("Field 2", "2");
        type("Field 3", "0");
        type("Field 4", "1");
        watch_.expectErrorBox();
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(watch_.takeSeen(), QStringList{"Form1|Arithmetic fault: division by zero"});
        QCOMPARE(box("Field 1")->text(), QString("3"));
        QCOMPARE(box("Text3")->text(), QString("10"));
    }

    void ctrlCCopiesTheReport() {
        QApplication::clipboard()->clear();
        clickOption(option("nPr"));
        type("Field 1", "");
        watch_.expectErrorBox(true);
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(watch_.takeSeen().size(), 1);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Conversion error: the first input box holds \"\", which is not a number"));
    }

    void aHugePasteIsCappedAndReported() {
        QApplication::clipboard()->setText(QString(10'000'000, '9'));
        clickOption(option("Factorial"));
        QLineEdit* edit = box("Field 1");
        test_support::selectAllIn(edit);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text().size(), kMaxBoxTextLength);
        watch_.expectErrorBox();
        QTest::mouseClick(start(), Qt::LeftButton);
        const QStringList seen = watch_.takeSeen();
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen.front().endsWith("(32767 characters), which is not a number"), qPrintable(seen.front()));
    }

    void focusIsRingedInTheTextColour_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("dark");
        for (const char* control : {"Factorial", "Field 1", "START"}) {
            QTest::newRow(qPrintable(QString(control) + ", light")) << control << false;
            QTest::newRow(qPrintable(QString(control) + ", dark")) << control << true;
        }
    }
    void focusIsRingedInTheTextColour() {
        QFETCH(QString, control);
        QFETCH(bool, dark);
        if (dark) {
            QPalette palette;
            palette.setColor(QPalette::Window, QColor(0x30, 0x2f, 0x2e));
            palette.setColor(QPalette::WindowText, Qt::white);
            palette.setColor(QPalette::Base, QColor(0x42, 0x42, 0x45));
            palette.setColor(QPalette::Button, QColor(0x4a, 0x49, 0x47));
            window_->setPalette(palette);
        }
        const QColor ring = window_->palette().color(QPalette::WindowText);
        QWidget* focused = byName(control);
        focused->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), focused);
        const QImage shot = window_->grab().toImage();
        const QRect area(focused->mapTo(window_.get(), QPoint(0, 0)), focused->size());
        for (const QPoint& edge : {area.topLeft(), area.bottomRight(), QPoint(area.center().x(), area.top() + 1)}) {
            QCOMPARE(shot.pixelColor(edge * shot.devicePixelRatio()), ring);
        }
    }

    void inertOptionsComputeNothing() {
        clickOption(option("Binomial Thoerem"));
        type("Field 1", "5");
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(box("Answer")->text(), QString("Answer"));
        QCOMPARE(box("Field 1")->text(), QString("Field 1"));
        QVERIFY(option("Binomial Thoerem")->isChecked());
        QCOMPARE(announcement(), QString("No new answer: Answer still shows Answer"));
    }

    void numbersAreWrittenAsTheLocaleWritesThem_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("en_US") << "en_US"
                               << "2.5"
                               << "1.875";
        QTest::newRow("de_DE") << "de_DE"
                               << "2,5"
                               << "1,875";
        QTest::newRow("fr_FR") << "fr_FR"
                               << "2,5"
                               << "1,875";
        QTest::newRow("ar_EG") << "ar_EG"
                               << "2\u066B5"
                               << "\u0661\u066B\u0668\u0667\u0665";
    }
    void numbersAreWrittenAsTheLocaleWritesThem() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        window_ = std::make_unique<Form1>(kTestDpi, notationOf(QLocale(locale)));
        window_->show();
        clickOption(option("Factorial"));
        box("Field 1")->setText(typed);  // as pasted: the test's keys are Latin-1 alone
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(box("Answer")->text(), answer);
    }

    void reportsSpeakTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("typed");  // into Field 1, in Factorial; none leaves the placeholder
        QTest::newRow("de") << "de"
                            << "Umwandlungsfehler: Der Text „Field 1“ im ersten Eingabefeld ist keine Zahl" << QString();
        QTest::newRow("fr")
            << "fr"
            << "Erreur de conversion\u00A0: le premier champ de saisie contient «\u202FField 1\u202F», qui n’est pas un nombre"
            << QString();
        QTest::newRow("es") << "es"
                            << "Error de conversión: el primer campo de entrada contiene «Field 1», que no es un número"
                            << QString();
        QTest::newRow("pt_BR") << "pt_BR"
                               << "Erro de conversão: o primeiro campo de entrada contém “Field 1”, que não é um número"
                               << QString();
        QTest::newRow("ar")
            << "ar"
            << "\u200Fخطأ في التحويل: يحتوي \u2068\u200Fحقل الإدخال الأول\u2069 على \u2068«Field 1»\u2069، وهذا ليس عددًا"
            << QString();
        QTest::newRow("it") << "it"
                            << "Errore di conversione: il primo campo di inserimento contiene «Field 1», che non è un numero"
                            << QString();
        QTest::newRow("pl") << "pl"
                            << "Błąd konwersji: pierwsze pole wejściowe zawiera „Field 1”, co nie jest liczbą" << QString();
        QTest::newRow("ru") << "ru"
                            << "Ошибка преобразования: первое поле ввода содержит «Field 1», а это не число" << QString();
        QTest::newRow("tr") << "tr"
                            << "Dönüştürme hatası: Birinci giriş alanı içindeki “Field 1” bir sayı değil" << QString();
        QTest::newRow("zh_CN") << "zh_CN"
                               << "转换错误：第一个输入框中的内容“Field 1”不是数字" << QString();
        QTest::newRow("ja") << "ja"
                            << "変換エラー：1番目の入力欄の内容「Field 1」は数値ではありません" << QString();
        // Its numbers in the locale's digits, each isolated in the right-to-left sentence.
        QTest::newRow("ar unfinished")
            << "ar"
            << "\u200Fلم يكتمل الحساب: يحتاج العدّ التنازلي في وضع \u2068Factorial\u2069 إلى أكثر من \u2068١٠٠٠\u2069 خطوة، لذا "
               "يحتوي حقل \u2066Answer\u2069 على حاصل الضرب بعد \u2068١٠٠٠\u2069 خطوة، لا على النتيجة"
            << "2000";
    }
    void reportsSpeakTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, report);
        QFETCH(QString, typed);
        translateThroughQt();
        QLocale::setDefault(QLocale(language));  // the numbers' digits
        const auto restore = qScopeGuard([previous = QLocale()] { QLocale::setDefault(previous); });
        QTranslator translation;  // uninstalled when it goes
        QVERIFY(translation.load(QLocale(language), "combicalc", "_", COMBICALC_TRANSLATIONS_DIR));
        QCoreApplication::installTranslator(&translation);
        clickOption(option("Factorial"));
        if (!typed.isEmpty()) box("Field 1")->setText(typed);
        watch_.expectErrorBox();
        QTest::mouseClick(start(), Qt::LeftButton);
        QCOMPARE(watch_.takeSeen(), QStringList{"Form1|" + report});  // the title is the window's
    }

    void aRightToLeftLocaleKeepsTheLayout() {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        window_ = std::make_unique<Form1>(kTestDpi, ".");
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(option("Factorial")->layoutDirection(), Qt::LeftToRight);  // its circle stays on the left
        QCOMPARE(box("Field 1")->layoutDirection(), Qt::LeftToRight);
    }

    void theLayoutScalesWithTheScreen() {
        const Form1 large(192, ".");
        QCOMPARE(large.size(), QSize(496, 566));
        QCOMPARE(large.findChild<QWidget*>("a")->geometry(), QRect(176, 288, 322, 66));
    }

private:
    QWidget* byName(const QString& accessibleName) const { return test_support::byAccessibleName(*window_, accessibleName); }
    // Text boxes are named by their placeholders, as a screen reader announces them.
    QLineEdit* box(const QString& name) const { return qobject_cast<QLineEdit*>(byName(name)); }
    QRadioButton* option(const QString& caption) const { return qobject_cast<QRadioButton*>(byName(caption)); }
    QPushButton* start() const { return qobject_cast<QPushButton*>(byName("START")); }
    // What a screen reader is told after a run, by the notification shown then.
    QString announcement() const {
        const auto* announcer = window_->findChild<QWidget*>(kAnnouncerName);
        return announcer->isVisible() ? announcer->accessibleName() : QString();
    }

    void type(const char* name, const QString& text) {  // into the box with that accessible name
        test_support::typeInto(box(name), text);
        QCOMPARE(box(name)->text(), text);
    }

    QString visibleInputs() const {
        QString shown;
        const std::pair<const char*, char> inputs[] = {{"Field 1", 'x'}, {"Field 2", 'y'}, {"Field 3", 'z'}, {"Field 4", 'w'}};
        for (const auto& [accessibleName, name] : inputs) {
            if (!box(accessibleName)->isHidden()) shown += name;
        }
        return shown;
    }

    std::unique_ptr<Form1> window_;
    ModalWatch watch_;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
