// A failing control call inside the real START handler, for each working mode and for every
// call a run makes: the failure is reported, the texts written before it show in their
// boxes, nothing after it (no placeholder) is written, and the next run works as usual.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "compute/errors.h"
#include "tests/window/modal_watch.h"
#include "window/form1.h"
#include "window/qt_text.h"

using namespace combicalc;

namespace {

// The window whose call number `failingCall` (counted from arming) fails as a broken
// control would. The handlers reach it through FieldStore like any window.
class FailingWindow final : public Form1 {
public:
    FailingWindow() : Form1(96, ".") {}

    void arm(std::size_t failingCall) {
        failingCall_ = failingCall;
        calls_ = 0;
        writes_.clear();
    }

    std::string getText(TextBox box) override {
        call("read the text of box " + std::string(nameOf(box)));
        return Form1::getText(box);
    }
    void setText(TextBox box, std::string_view text) override {
        call("set the text of box " + std::string(nameOf(box)));
        writes_.push_back({calls_, box, std::string(text)});
        Form1::setText(box, text);
    }
    bool isSelected(OptionButton option) override {
        call("read the state of " + std::string(nameOf(option)));
        return Form1::isSelected(option);
    }

    std::size_t calls() const { return calls_; }
    struct Write {
        std::size_t call;
        TextBox box;
        std::string text;
    };
    const std::vector<Write>& writes() const { return writes_; }

private:
    void call(const std::string& action) {
        ++calls_;
        if (calls_ == failingCall_) throw ControlCallError(action);
    }

    std::size_t failingCall_ = 0;
    std::size_t calls_ = 0;
    std::vector<Write> writes_;
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
        const std::vector<Typed> typed = option == 0 ? std::vector<Typed>{{TextBox::x, "4"}}
                                                     : std::vector<Typed>{{TextBox::x, "5"}, {TextBox::y, "2"}, {TextBox::z, "2"}, {TextBox::w, "1"}};

        FailingWindow clean;
        prepare(clean, option, typed);
        clean.arm(0);
        QTest::mouseClick(clean.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(clean.findChild<QLineEdit*>("a")->text(), answer);
        const std::size_t calls = clean.calls();
        QVERIFY(calls > 10);

        for (std::size_t k = 1; k <= calls; ++k) {
            FailingWindow window;
            prepare(window, option, typed);
            std::array<QString, kTextBoxCount> expected;
            for (std::size_t i = 0; i < kTextBoxCount; ++i) expected[i] = box(window, static_cast<TextBox>(i))->text();
            for (const auto& write : clean.writes()) {
                if (write.call < k) expected[static_cast<std::size_t>(write.box)] = toQString(write.text);
            }

            window.arm(k);
            watch_.expectErrorBox();
            QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
            const QStringList seen = watch_.takeSeen();
            QVERIFY2(seen.size() == 1 && seen.front().startsWith("Form1|Control call error: could not "),
                     qPrintable(QString("call %1: %2").arg(k).arg(seen.join("; "))));
            for (std::size_t i = 0; i < kTextBoxCount; ++i) {
                QVERIFY2(box(window, static_cast<TextBox>(i))->text() == expected[i],
                         qPrintable(QString("call %1, box %2").arg(k).arg(toQString(nameOf(static_cast<TextBox>(i))))));
            }

            window.arm(0);
            for (const Typed& entry : typed) type(window, entry);
            QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
            QVERIFY2(box(window, TextBox::a)->text() == answer, qPrintable(QString("run after call %1").arg(k)));
            QVERIFY(watch_.takeSeen().isEmpty());
        }
        QVERIFY2(watch_.unexpected().isEmpty(), qPrintable(watch_.unexpected().join("; ")));
    }

private:
    static QLineEdit* box(Form1& window, TextBox which) { return window.findChild<QLineEdit*>(toQString(nameOf(which))); }

    static void type(Form1& window, const Typed& entry) {
        QLineEdit* edit = box(window, entry.box);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, entry.text);
    }

    static void prepare(Form1& window, int option, const std::vector<Typed>& typed) {
        window.show();
        QTest::mouseClick(window.findChild<QRadioButton*>(QString("Option%1").arg(option + 1)), Qt::LeftButton);
        for (const Typed& entry : typed) {
            if (!box(window, entry.box)->isHidden()) type(window, entry);
        }
    }

    ModalWatch watch_;
};

QTEST_MAIN(FaultInjectionTest)
#include "fault_injection_test.moc"
