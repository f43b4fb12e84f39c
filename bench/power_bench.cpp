// roundedPower (MPFR) beside the C library's pow, on the same inputs, for what correct rounding
// costs: the chances and whole exponents the 2 Outcomes mode computes, and real bases and
// exponents.
//
//   build/bench/combicalc_power_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "compute/rounded_power.h"

namespace {

struct Inputs {
    std::vector<double> bases;
    std::vector<double> exponents;
};

// (z - w) / z or w / z for z up to 60, to a whole power n - r up to 1100 either way.
Inputs modeInputs() {
    std::mt19937_64 random(1);
    Inputs inputs;
    for (int i = 0; i < 4096; ++i) {
        const auto z = static_cast<int>(1 + random() % 60);
        const auto w = static_cast<int>(random() % static_cast<std::uint64_t>(z + 1));
        inputs.bases.push_back(static_cast<double>(i % 2 == 0 ? z - w : w) / z);
        inputs.exponents.push_back(static_cast<double>(static_cast<int>(random() % 2201) - 1100));
    }
    return inputs;
}

// Bases in (0, 4), exponents in (-11, 11): results of every size, none out of range.
Inputs realInputs() {
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> bases(0, 4);
    std::uniform_real_distribution<double> exponents(-11, 11);
    Inputs inputs;
    for (int i = 0; i < 4096; ++i) {
        inputs.bases.push_back(bases(random));
        inputs.exponents.push_back(exponents(random));
    }
    return inputs;
}

template <double (*Power)(double, double), Inputs (*Make)()>
void powers(benchmark::State& state) {
    const Inputs inputs = Make();
    for (auto _ : state) {
        for (std::size_t i = 0; i < inputs.bases.size(); ++i)
            benchmark::DoNotOptimize(Power(inputs.bases[i], inputs.exponents[i]));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.bases.size()));
}

double libraryPow(double x, double y) { return std::pow(x, y); }

BENCHMARK(powers<combicalc::roundedPower, modeInputs>)->Name("modes/roundedPower");
BENCHMARK(powers<libraryPow, modeInputs>)->Name("modes/library pow");
BENCHMARK(powers<combicalc::roundedPower, realInputs>)->Name("real/roundedPower");
BENCHMARK(powers<libraryPow, realInputs>)->Name("real/library pow");

}  // namespace

BENCHMARK_MAIN();
