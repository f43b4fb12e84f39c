// Thousands of random user events on the real window, offscreen: clicks on every control,
// typed and pasted texts of every sort, keyboard navigation, and START among them. Every
// run is checked against the same run on the in-memory window, which must end with the
// same texts and the same error, if any.
//
// The seed is fixed so that a failure repeats; COMBICALC_SOAK_SEED and COMBICALC_SOAK_EVENTS
// override it and the number of events.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "compute/run.h"
#include "qt_window/form1.h"
#include "qt_window/qt_text.h"
#include "tests/qt_window/modal_watch.h"
#include "tests/qt_window/window_driver.h"
#include "user_texts/errors.h"
#include "window_state/memory_store.h"
#include "window_state/mode.h"

using namespace combicalc;
using namespace combicalc::test_support;

namespace {}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomEventsKeepEveryPromise() {
        const auto seed = static_cast<unsigned>(
            qEnvironmentVariableIsSet("COMBICALC_SOAK_SEED") ? qEnvironmentVariableIntValue("COMBICALC_SOAK_SEED") : 20261208);
        const int events =
            qEnvironmentVariableIsSet("COMBICALC_SOAK_EVENTS") ? qEnvironmentVariableIntValue("COMBICALC_SOAK_EVENTS") : 3000;
        random_.seed(seed);
        window_ = std::make_unique<Form1>(kTestDpi, ".");
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));

        for (event_ = 0; event_ < events; ++event_) {
            context_ = QString("seed %1, event %2").arg(seed).arg(event_);
            const std::optional<OptionButton> before = checkedOption();
            switch (pick(10)) {
                case 0:
                case 1: clickOption(); break;
                case 2:
                case 3:
                case 4:
                case 5: typeIntoABox(); break;
                case 6: pressAKey(); break;
                default: pressStart(); break;
            }
            if (QTest::currentTestFailed()) return;
            const std::optional<OptionButton> after = checkedOption();
            if (after != before && after && modeOf(*after)) lastMode_ = modeOf(*after);
            checkInvariants();
            if (QTest::currentTestFailed()) return;
        }
        qInfo("%d events, %d runs, %d of them reported an error", events, runs_, errors_);
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    QLineEdit* box(TextBox which) const { return boxOf(*window_, which); }
    QRadioButton* option(OptionButton which) const { return optionOf(*window_, which); }

    std::optional<OptionButton> checkedOption() const {
        for (std::size_t i = 0; i < kOptionCount; ++i) {
            if (option(static_cast<OptionButton>(i))->isChecked()) return static_cast<OptionButton>(i);
        }
        return std::nullopt;
    }

    void clickOption() { QTest::mouseClick(option(static_cast<OptionButton>(pick(kOptionCount))), Qt::LeftButton); }

    QString randomText() {
        static const char* const kNumbers[] = {"0",   "1",  "2",   "3",   "5",    "7",      "10",       "-1",        "-2",  "2.5",
                                               "0.5", "12", "170", "171", "1E20", "1e-300", "Infinity", "-Infinity", " 4 ", "+6"};
        static const char* const kOddities[] = {"",
                                                "1,5",
                                                "1 000",
                                                "١٢",
                                                "٣",
                                                "日本語",
                                                "é",
                                                "🙂",
                                                "NaN",
                                                "0x10",
                                                "Field 1",
                                                "Answer",
                                                "1.2.3",
                                                "--1",
                                                "1E",
                                                "١,٥",
                                                "∞",
                                                "\t3"};
        switch (pick(8)) {
            case 0: return QString(kOddities[pick(std::size(kOddities))]);
            case 1: {
                QString junk;
                for (int i = pick(12); i > 0; --i) junk += QChar(static_cast<char16_t>(0x20 + pick(0x5f)));
                return junk;
            }
            default: return QString(kNumbers[pick(std::size(kNumbers))]);
        }
    }

    // Into a box the user can see: the shown inputs, or Answer.
    void typeIntoABox() {
        std::vector<QLineEdit*> visible{box(TextBox::a)};
        for (TextBox input : kInputBoxes) {
            if (!box(input)->isHidden()) visible.push_back(box(input));
        }
        QLineEdit* edit = visible[static_cast<std::size_t>(pick(static_cast<int>(visible.size())))];
        selectAllIn(edit);
        if (pick(40) == 0) {  // a pasted document
            const QString huge(100000, pick(2) ? QChar('9') : QChar(u'ж'));
            QApplication::clipboard()->setText(huge);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QVERIFY2(edit->text() == huge.left(kMaxBoxTextLength), qPrintable(context_ + ": a paste was not capped"));
            return;
        }
        const QString text = randomText();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            QTest::keyClicks(edit, text);
        } else {  // beyond ASCII, text arrives from an input method
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(edit, &commit);
        }
    }

    void pressAKey() {
        static const Qt::Key kKeys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Return};
        QWidget* focus = QApplication::focusWidget();
        const Qt::Key key = kKeys[pick(std::size(kKeys))];
        if (focus == start() && (key == Qt::Key_Space || key == Qt::Key_Return)) {
            pressStart();  // either key on a focused START clicks it, and that is a run
            return;
        }
        QTest::keyClick(focus != nullptr ? focus : window_.get(), key);
    }

    QPushButton* start() const { return startOf(*window_); }

    // The same run on the in-memory window first, from the texts and selection the window
    // holds now; then START on the window, which must end the same way.
    void pressStart() {
        MemoryStore oracle;
        for (std::size_t i = 0; i < kTextBoxCount; ++i) {
            oracle.setText(static_cast<TextBox>(i), box(static_cast<TextBox>(i))->text().toStdString());
        }
        oracle.select(checkedOption());
        std::optional<std::string> expectedError;
        try {
            run(oracle, ".");
        } catch (const RunError& error) {
            expectedError = error.what();
        }

        if (expectedError) watch_.expectErrorBox();
        QTest::mouseClick(start(), Qt::LeftButton);
        ++runs_;
        const QStringList seen = watch_.takeSeen();
        if (expectedError) {
            ++errors_;
            QVERIFY2(seen.size() == 1, qPrintable(context_ + ": expected one error report, saw " + QString::number(seen.size())));
            QCOMPARE(seen.front(), "Form1|" + QString::fromStdString(*expectedError));
        } else {
            QVERIFY2(seen.isEmpty(), qPrintable(context_ + ": unexpected report " + seen.join("; ")));
            for (TextBox input : kInputBoxes) QCOMPARE(box(input)->text().toStdString(), std::string(placeholderOf(input)));
        }
        for (std::size_t i = 0; i < kTextBoxCount; ++i) {
            const auto which = static_cast<TextBox>(i);
            QVERIFY2(box(which)->text().toStdString() == oracle.getText(which),
                     qPrintable(context_ + ": box " + toQString(nameOf(which)) + " differs from the in-memory run"));
        }
    }

    void checkInvariants() {
        QVERIFY2(window_->isVisible(), qPrintable(context_));
        QVERIFY2(watch_.unexpected().isEmpty(), qPrintable(context_ + ": " + watch_.unexpected().join("; ")));
        int checked = 0;
        for (std::size_t i = 0; i < kOptionCount; ++i) checked += option(static_cast<OptionButton>(i))->isChecked() ? 1 : 0;
        QVERIFY2(checked <= 1, qPrintable(context_ + ": several options selected"));

        QString shown;
        for (TextBox input : kInputBoxes) shown += box(input)->isHidden() ? '-' : 'v';
        const char* expected = "vvvv";  // as laid out, before any working mode is clicked
        if (lastMode_ == Mode::Factorial) expected = "v---";
        if (lastMode_ == Mode::nPr || lastMode_ == Mode::nCr) expected = "vv--";
        QVERIFY2(shown == expected, qPrintable(context_ + ": inputs shown " + shown + ", expected " + expected));
    }

    std::mt19937 random_;
    std::unique_ptr<Form1> window_;
    ModalWatch watch_;
    std::optional<Mode> lastMode_;
    int event_ = 0;
    int runs_ = 0;
    int errors_ = 0;
    QString context_;
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
