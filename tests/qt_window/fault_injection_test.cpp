// A failing control call inside the real START handler, for each working mode and for every
// call a run makes: the failure is reported, the texts written before it show in their
// boxes, nothing after it (no placeholder) is written, and the next run works as usual.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "qt_window/form1.h"
#include "tests/qt_window/modal_watch.h"
#include "tests/qt_window/window_driver.h"
#include "tests/support/store_decorators.h"

using namespace combicalc;
using namespace combicalc::test_support;

namespace {

// The window whose handlers reach its controls through a WatchingStore, so that the call
// numbered `failingCall` (counted from arming) fails as a broken control would.
class FailingWindow final : public Form1 {
public:
    FailingWindow() : Form1(kTestDpi, ".") {}

    void arm(std::size_t failingCall) { watching_.emplace(Form1::fields(), failingCall); }
    const WatchingStore& watching() const { return *watching_; }

protected:
    FieldStore& fields() override { return watching_ ? *watching_ : Form1::fields(); }

private:
    std::optional<WatchingStore> watching_;
};

struct Typed {
    TextBox box;
    const char* text;
};

}  // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT

private slots:
    void everyCallOfEveryMode_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Factorial") << 0 << "24";
        QTest::newRow("nPr") << 1 << "20";
        QTest::newRow("nCr") << 2 << "10";
        QTest::newRow("2 Outcomes") << 3 << "0.3125";
    }

    void everyCallOfEveryMode() {
        QFETCH(int, option);
        QFETCH(QString, answer);
        const std::vector<Typed> typed =
            option == 0 ? std::vector<Typed>{{TextBox::x, "4"}}
                        : std::vector<Typed>{{TextBox::x, "5"}, {TextBox::y, "2"}, {TextBox::z, "2"}, {TextBox::w, "1"}};

        FailingWindow clean;
        prepare(clean, option, typed);
        clean.arm(0);
        QTest::mouseClick(startOf(clean), Qt::LeftButton);
        QCOMPARE(boxOf(clean, TextBox::a)->text(), answer);
        const std::size_t calls = clean.watching().calls();
        QVERIFY(calls > 10);

        for (std::size_t k = 1; k <= calls; ++k) {
            FailingWindow window;
            prepare(window, option, typed);
            std::array<QString, kTextBoxCount> expected;
            for (std::size_t i = 0; i < kTextBoxCount; ++i) expected[i] = boxOf(window, static_cast<TextBox>(i))->text();
            for (const auto& write : clean.watching().writes()) {
                if (write.call < k) expected[indexOf(write.box)] = toQString(write.text);
            }

            window.arm(k);
            watch_.expectErrorBox();
            QTest::mouseClick(startOf(window), Qt::LeftButton);
            const QStringList seen = watch_.takeSeen();
            QVERIFY2(seen.size() == 1 && seen.front().startsWith("Form1|Control call error: could not "),
                     qPrintable(QString("call %1: %2").arg(k).arg(seen.join("; "))));
            for (std::size_t i = 0; i < kTextBoxCount; ++i) {
                QVERIFY2(boxOf(window, static_cast<TextBox>(i))->text() == expected[i],
                         qPrintable(QString("call %1, box %2").arg(k).arg(toQString(nameOf(static_cast<TextBox>(i))))));
            }

            window.arm(0);
            for (const Typed& entry : typed) type(window, entry);
            QTest::mouseClick(startOf(window), Qt::LeftButton);
            QVERIFY2(boxOf(window, TextBox::a)->text() == answer, qPrintable(QString("run after call %1").arg(k)));
            QVERIFY(watch_.takeSeen().isEmpty());
        }
        QVERIFY2(watch_.unexpected().isEmpty(), qPrintable(watch_.unexpected().join("; ")));
    }

private:
    static void type(Form1& window, const Typed& entry) { typeInto(boxOf(window, entry.box), entry.text); }

    static void prepare(Form1& window, int option, const std::vector<Typed>& typed) {
        window.show();
        clickOption(optionOf(window, static_cast<OptionButton>(option)));
        for (const Typed& entry : typed) {
            if (!boxOf(window, entry.box)->isHidden()) type(window, entry);
        }
    }

    ModalWatch watch_;
};

QTEST_MAIN(FaultInjectionTest)
#include "fault_injection_test.moc"
