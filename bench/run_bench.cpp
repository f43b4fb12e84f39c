// Whole runs of the worst cases, on the in-memory window and through the real Qt window
// (offscreen) side by side, and the two number conversions alone.
//
//   build/bench/combicalc_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "compute/number_text.h"
#include "compute/run.h"
#include "qt_window/form1.h"
#include "qt_window/qt_text.h"
#include "window_state/memory_store.h"

namespace combicalc {
namespace {

struct WorstCase {
    const char* name;
    OptionButton option;
    const char* x;
    const char* y;
    const char* z;
    const char* w;
};

constexpr WorstCase kCases[] = {
    {"Factorial 170", OptionButton::Option1, "170", "", "", ""},
    {"nPr 10 999 (1000 passes)", OptionButton::Option2, "10", "999", "", ""},
    {"nCr 200 100", OptionButton::Option3, "200", "100", "", ""},
    {"2 Outcomes 170 85 2 1", OptionButton::Option4, "170", "85", "2", "1"},
};

// What the user typed into each input box.
template <class SetText>
void typeInputs(const WorstCase& worst, SetText setText) {
    setText(TextBox::x, worst.x);
    setText(TextBox::y, worst.y);
    setText(TextBox::z, worst.z);
    setText(TextBox::w, worst.w);
}

void runOnMemoryStore(benchmark::State& state, const WorstCase& worst) {
    MemoryStore store;
    store.select(worst.option);
    for (auto _ : state) {
        state.PauseTiming();
        typeInputs(worst, [&store](TextBox box, const char* text) { store.setText(box, text); });
        state.ResumeTiming();
        run(store, ".");
    }
    state.counters["answer"] = parseNumber(store.getText(TextBox::a), ".").value_or(-1);
}

// Through the window as a click on START reaches it; the window repaints between runs, not
// during them, as on screen.
void runThroughWindow(benchmark::State& state, const WorstCase& worst) {
    Form1 window(96, ".");
    window.show();
    window.findChild<QRadioButton*>(toQString(nameOf(worst.option)))->click();
    auto* start = window.findChild<QPushButton*>(toQString(commandButtonRow().name));
    const auto box = [&window](TextBox which) { return window.findChild<QLineEdit*>(toQString(nameOf(which))); };
    for (auto _ : state) {
        state.PauseTiming();
        typeInputs(worst, [&box](TextBox which, const char* text) { box(which)->setText(text); });
        QApplication::processEvents();
        state.ResumeTiming();
        start->click();
    }
    state.counters["answer"] = parseNumber(box(TextBox::a)->text().toStdString(), ".").value_or(-1);
}

void parseNumbers(benchmark::State& state) {
    const std::string texts[] = {"120", "7.25741561530799E+306", "0.3125", "-2.5", "Field 1"};
    for (auto _ : state) {
        for (const std::string& text : texts) benchmark::DoNotOptimize(parseNumber(text, "."));
    }
    state.SetItemsProcessed(state.iterations() * 5);
}

void formatNumbers(benchmark::State& state) {
    const double values[] = {120, 7.257415615307994e306, 0.3125, -2.5, 1.0 / 3};
    for (auto _ : state) {
        for (double value : values) benchmark::DoNotOptimize(formatNumber(value, "."));
    }
    state.SetItemsProcessed(state.iterations() * 5);
}

void registerAll() {
    for (const WorstCase& worst : kCases) {
        benchmark::RegisterBenchmark((std::string("memory store/") + worst.name).c_str(), runOnMemoryStore, worst)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("Qt window/") + worst.name).c_str(), runThroughWindow, worst)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("parseNumber", parseNumbers);
    benchmark::RegisterBenchmark("formatNumber", formatNumbers);
}

}  // namespace
}  // namespace combicalc

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    combicalc::registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
