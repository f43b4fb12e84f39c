// The 2 Outcomes answer (MPFR: correctly rounded powers, a wide exponent range) beside the same
// formula in doubles with the C library's pow, on the same inputs, for what exactness costs:
// the chances and whole exponents the mode meets, and real chances and exponents.
//
//   build/bench/combicalc_chance_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <variant>
#include <vector>

#include "compute/two_outcomes_chance.h"

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

// Chances in (0, 1), exponents in (-11, 11).
Inputs realInputs() {
    std::mt19937_64 random(2);
    std::uniform_real_distribution<double> bases(0, 1);
    std::uniform_real_distribution<double> exponents(-11, 11);
    Inputs inputs;
    for (int i = 0; i < 4096; ++i) {
        inputs.bases.push_back(bases(random));
        inputs.exponents.push_back(exponents(random));
    }
    return inputs;
}

// A chance of failure q = 1 - s to the power n - r, and s to the power r, with a count of 10.
combicalc::TwoOutcomesNumbers numbersOf(double chance, double exponent) {
    return {.failures = exponent, .outcomes = 1, .favourable = 1 - chance, .combinations = 10, .successes = 3.0};
}

// A fault (0 to a negative power) is a NaN here, as in doubleChance.
double wideChance(double chance, double exponent) {
    combicalc::FaultFlags flags;
    try {
        return combicalc::twoOutcomesChance(numbersOf(chance, exponent), flags);
    } catch (const combicalc::ArithmeticFault&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

double doubleChance(double chance, double exponent) {
    const combicalc::TwoOutcomesNumbers n = numbersOf(chance, exponent);
    const double successChance = n.favourable / n.outcomes;
    return n.combinations * std::pow((n.outcomes - n.favourable) / n.outcomes, std::get<double>(n.failures)) *
           std::pow(successChance, std::get<double>(n.successes));
}

template <double (*Chance)(double, double), Inputs (*Make)()>
void chances(benchmark::State& state) {
    const Inputs inputs = Make();
    for (auto _ : state) {
        for (std::size_t i = 0; i < inputs.bases.size(); ++i)
            benchmark::DoNotOptimize(Chance(inputs.bases[i], inputs.exponents[i]));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(inputs.bases.size()));
}

BENCHMARK(chances<wideChance, modeInputs>)->Name("modes/twoOutcomesChance");
BENCHMARK(chances<doubleChance, modeInputs>)->Name("modes/doubles and pow");
BENCHMARK(chances<wideChance, realInputs>)->Name("real/twoOutcomesChance");
BENCHMARK(chances<doubleChance, realInputs>)->Name("real/doubles and pow");

}  // namespace

BENCHMARK_MAIN();
