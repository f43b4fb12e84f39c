#include "compute/mode_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "compute/number_text.h"
#include "tests/support/run_case.h"

namespace combicalc {
namespace {

using test_support::runWith;

struct Result {
    const char* name;
    OptionButton option;
    const char* x;
    const char* y;
    const char* z;
    const char* w;
    const char* kind;
    const char* answer;
    std::size_t passes;
};

class ModeResult : public ::testing::TestWithParam<Result> {};

TEST_P(ModeResult, EndsWithItsAnswerAfterItsPasses) {
    const Result& row = GetParam();
    const auto outcome =
        runWith(row.option, {{TextBox::x, row.x}, {TextBox::y, row.y}, {TextBox::z, row.z}, {TextBox::w, row.w}});
    EXPECT_EQ(outcome.kind, row.kind) << outcome.message;
    EXPECT_EQ(outcome.text(TextBox::a), row.answer);
    EXPECT_EQ(outcome.passes, row.passes);
}

const std::string kHairAboveTwo = "2." + std::string(639, '0') + "1";

constexpr auto F = OptionButton::Option1;
constexpr auto P = OptionButton::Option2;
constexpr auto C = OptionButton::Option3;
constexpr auto T = OptionButton::Option4;

INSTANTIATE_TEST_SUITE_P(
    Factorial,
    ModeResult,
    ::testing::Values(
        Result{"Five", F, "5", "", "", "", "ok", "120", 6},
        Result{"Zero", F, "0", "", "", "", "ok", "1", 1},
        Result{"One", F, "1", "", "", "", "ok", "1", 2},
        Result{"Negative", F, "-2", "", "", "", "ok", "1", 1},
        Result{"Fraction", F, "2.5", "", "", "", "ok", "1.875", 4},
        // Not the 7.25741561530800E+306 of exact 170!: every pass rounds the product to the
        // 15 digits of its text (see FactorialRoundsEveryProductToItsText).
        Result{"LastFinite", F, "170", "", "", "", "ok", "7.25741561530788E+306", 171},
        Result{"FirstOverflow", F, "171", "", "", "", "ok", "Infinity", 172},
        // The product passed the largest double before the last factor, 0.05, would
        // have brought it back: its size is lost.
        Result{"OverflowBroughtBack", F, "171.05", "", "", "", "countdown-overflow", "Infinity", 172},
        Result{"LastFactorOnTheLastPass", F, "1000", "", "", "", "ok", "Infinity", 1000},
        Result{"NotANumber", F, "five", "", "", "", "conversion", "1", 1},
        Result{"InfiniteInputNeverFinishes", F, "Infinity", "", "", "", "unfinished", "Infinity", 1000},
        // 2E15 - 1 has 16 digits: written back, it would be 2E15 again.
        Result{"NCannotCountDown", F, "2E15", "", "", "", "countdown-stalled", "2E+15", 1},
        Result{"LargestBoxNumberCannotCountDown",
               F,
               "1.79769313486231E+308",
               "",
               "",
               "",
               "countdown-stalled",
               "1.79769313486231E+308",
               1},
        Result{"SeventeenDigits", F, "1.7976931348623157E+308", "", "", "", "too-many-digits", "1.79769313486231E+308", 1},
        Result{"LargestThatCountsDown", F, "1E15", "", "", "", "unfinished", "Infinity", 1000},
        // Written back as 4, the 1E-15 that would be the last factor is lost.
        Result{"SixteenDigits", F, "5.000000000000001", "", "", "", "too-many-digits", "5", 1},
        Result{"TrailingZerosAreNoDigits", F, "5.0000000000000000", "", "", "", "ok", "120", 6},
        // The last factor is 1E-13 as typed, not its binary neighbour 9.99200722162641E-14.
        Result{"FractionJustAboveWhole", F, "10.0000000000001", "", "", "", "ok", "3.62880000000106E-07", 12},
        Result{"TooCloseToZero", F, "1E-400", "", "", "", "too-close-to-zero", "1", 1},
        Result{"NegativeTooCloseToZero", F, "-1E-400", "", "", "", "too-close-to-zero", "1", 1}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    nPr,
    ModeResult,
    ::testing::Values(Result{"FiveTwo", P, "5", "2", "", "", "ok", "20", 3},
                      Result{"RZero", P, "5", "0", "", "", "ok", "1", 1},
                      Result{"RNegative", P, "5", "-1", "", "", "ok", "1", 1},
                      Result{"RIsN", P, "5", "5", "", "", "ok", "120", 6},
                      Result{"RFraction", P, "5", "2.5", "", "", "ok", "60", 4},
                      Result{"RAboveN", P, "3", "5", "", "", "ok", "0", 6},
                      // A product that reached 0 stays 0: the run has its result when the budget runs out.
                      Result{"ZeroProductOutlastsTheBudget", P, "10", "2000", "", "", "ok", "0", 1000},
                      Result{"BudgetRunsOut", P, "10.5", "2000", "", "", "unfinished", "-Infinity", 1000},
                      Result{"RLostBesideN", P, "1E20", "1", "", "", "countdown-stalled", "1", 1},
                      Result{"RFractionLostBesideN", P, "1E12", "3.00001", "", "", "countdown-stalled", "9.99999999997E+35", 4},
                      Result{"ZeroFactorAfterOverflow", P, "171", "172", "", "", "ok", "0", 173},
                      Result{"OverflowBroughtBack", P, "171.001", "172", "", "", "countdown-overflow", "Infinity", 172},
                      Result{"LastFactorOnTheLastPass", P, "5", "1000", "", "", "ok", "0", 1000},
                      Result{"SixteenDigitR", P, "17.0006", "156.0000000000004", "", "", "too-many-digits", "17.0006", 1},
                      Result{"NegativeNCannotCountDown", P, "-2E15", "3", "", "", "countdown-stalled", "-2E+15", 1},
                      // An r that does not go down only runs out of passes.
                      Result{"RTooLargeToCountDown", P, "5", "2E15", "", "", "ok", "0", 1000},
                      Result{"RTooCloseToZero", P, "5", "1E-400", "", "", "too-close-to-zero", "1", 1},
                      // Its decimal would count down through a billion digits.
                      Result{"NegativeNTooCloseToZero", P, "-1E-999999999", "3", "", "", "too-close-to-zero", "1", 1},
                      Result{"BadR", P, "5", "", "", "", "conversion", "1", 1}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    nCr,
    ModeResult,
    ::testing::Values(Result{"FiveTwo", C, "5", "2", "", "", "ok", "10", 3},
                      Result{"RZero", C, "5", "0", "", "", "ok", "1", 1},
                      Result{"RNegative", C, "5", "-1", "", "", "ok", "1", 1},
                      Result{"RAboveN", C, "3", "5", "", "", "ok", "0", 6},
                      Result{"RFraction", C, "5", "2.5", "", "", "ok", "32", 4},
                      Result{"TypedZAndWIgnored", C, "6", "3", "abc", "", "ok", "20", 4},
                      Result{"NumeratorOverflows", C, "400", "200", "", "", "countdown-overflow", "Answer", 201},
                      Result{"OnlyNumeratorOverflows", C, "1000", "120", "", "", "countdown-overflow", "Answer", 121},
                      Result{"BudgetRunsOut", C, "3", "1500", "", "", "unfinished", "Answer", 1000},
                      Result{"NoPassLeftToDivide", C, "1000", "1000", "", "", "unfinished", "Answer", 1000},
                      Result{"RLostBesideN", C, "1E17", "5", "", "", "countdown-stalled", "Answer", 1},
                      Result{"RLostPartWay", C, "1E14", "2.001", "", "", "countdown-stalled", "Answer", 3},
                      Result{"NCannotCountDown", C, "1E16", "3", "", "", "countdown-stalled", "Answer", 1},
                      Result{"SixteenDigitR", C, "2.000005", "132.0000000000004", "", "", "too-many-digits", "Answer", 1},
                      Result{"RFractionJustAboveWhole", C, "159", "58.000000000001", "", "", "ok", "1.34326288745811E+58", 60},
                      // The denominator passed the largest double before its factor 0.5; 0 divided by it is 0.
                      Result{"ZeroOverDenominatorBroughtBack", C, "3", "171.5", "", "", "ok", "0", 173},
                      Result{"NumeratorZeroOnTheSamePass", C, "171", "171.5", "", "", "ok", "0", 173},
                      Result{"ZeroOverOverflowedProduct", C, "200", "250", "", "", "ok", "0", 251}),
    [](const auto& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TwoOutcomes,
    ModeResult,
    ::testing::Values(Result{"FiveTwoHalf", T, "5", "2", "2", "1", "ok", "0.3125", 3},
                      Result{"NoSuccesses", T, "4", "0", "2", "1", "ok", "0.0625", 1},
                      Result{"Die", T, "3", "1", "6", "1", "ok", "0.347222222222222", 2},
                      Result{"AllFavourable", T, "3", "3", "6", "6", "ok", "1", 4},
                      Result{"FractionalR", T, "2.5", "1", "2", "1", "ok", "0.441941738241592", 2},
                      Result{"ZeroOutcomes", T, "5", "2", "0", "1", "arithmetic:divbyzero", "Answer", 3},
                      Result{"ZeroOfZero", T, "5", "2", "0", "0", "arithmetic:invalid", "Answer", 3},
                      Result{"NegativeChanceFractionalPower", T, "2.5", "1", "2", "3", "arithmetic:invalid", "Answer", 2},
                      Result{"BadZFoundLast", T, "5", "2", "two", "1", "conversion", "Answer", 3},
                      Result{"BadWFoundLast", T, "5", "2", "2", "", "conversion", "Answer", 3},
                      Result{"CountOverflows", T, "1000", "104", "2", "1", "countdown-overflow", "Answer", 105},
                      Result{"BudgetRunsOut", T, "2000", "1500", "2", "1", "unfinished", "Answer", 1000},
                      Result{"IntermediatesBeyondTheDoubleRange", T, "1E308", "-1E308", "2", "1", "ok", "0", 1},
                      Result{"OnlyTheResultOverflows", T, "-1030", "-30", "1", "0.5", "arithmetic:overflow", "Answer", 1},
                      Result{"NegativeResultOverflows", T, "10", "5", "1", "1E40", "arithmetic:overflow", "Answer", 6},
                      // Powers below the smallest double, times a count that brings them back.
                      Result{"SmallPowerTimesCount", T, "3820", "67", "5", "1", "ok", "4.4584912746197E-266", 68},
                      Result{"SmallPowersTimesCount", T, "609", "48", "4", "3", "ok", "9.74607542501458E-273", 49},
                      // Exactly 7.14786101474176E-253: the 46 products of the count are each rounded to 15 digits.
                      Result{"DenormalPowerTimesCount", T, "1957", "46", "152", "49", "ok", "7.1478610147416E-253", 47},
                      // A chance rounded to 53 bits would be 0.56 % off as the 7E14th power.
                      Result{"PowerOfMillionsOfMillions", T, "7E14", "5", "1E14", "1", "ok", "0.12771666829229", 6},
                      Result{"ZeroCountAfterOverflow", T, "171", "172", "2", "1", "ok", "0", 173},
                      Result{"ZeroCountOverDenominatorBroughtBack", T, "3", "171.5", "2", "1", "ok", "0", 173},
                      Result{"NCannotCountDown", T, "2E15", "1", "1", "2", "countdown-stalled", "Answer", 1},
                      // n - r is 2 as typed, so -1 is raised to a whole power.
                      Result{"WholeDecimalDifference", T, "2.1", "0.1", "1", "2", "ok", "22.5072427132622", 2},
                      // The power of w / z is the r typed, not y's last text plus the passes in doubles.
                      Result{"ExponentAsTyped", T, "5", "0.937278801", "1E100", "2.5E-221", "ok", "1.71232746683106E-300", 2},
                      Result{"RoundedOnce", T, "24", "-17", "9", "-16", "ok", "-87837592493271.8", 1},
                      Result{"WTooCloseToZero", T, "5", "2", "2", "1E-400", "too-close-to-zero", "Answer", 3},
                      // n - r is 2 + 1E-640, no whole number, though 2112 bits would round it to 2.
                      Result{
                          "NMinusRAHairAboveWhole", T, kHairAboveTwo.c_str(), "0", "1", "3", "arithmetic:invalid", "Answer", 1},
                      // Exactly between two doubles, as no number of bits of its chances shows: to the even one.
                      Result{"ExactTieToEven", T, "0", "-2", "7.50000075995922088623046875", "3", "ok", "2.25000075995928", 1}),
    [](const auto& row) { return std::string(row.param.name); });

// The texts a run leaves in the boxes after each of its passes, pass 1 first.
using PassTable = std::vector<std::vector<std::pair<TextBox, const char*>>>;

test_support::WatchingStore::Snapshots passesOf(OptionButton option, const test_support::Typed& typed) {
    MemoryStore store = test_support::windowWith(option, typed);
    test_support::WatchingStore watched(store);
    try {
        run(watched, ".");
    } catch (const RunError&) {
    }
    return watched.snapshots();
}

void expectPasses(OptionButton option, const test_support::Typed& typed, std::size_t passes, const PassTable& table) {
    const auto snapshots = passesOf(option, typed);
    ASSERT_EQ(snapshots.size(), passes);
    for (std::size_t pass = 1; pass <= table.size(); ++pass) {
        for (const auto& [box, text] : table[pass - 1]) {
            EXPECT_EQ(snapshots.at(pass)[indexOf(box)], text) << "after pass " << pass << ", box " << nameOf(box);
        }
    }
}

TEST(PassByPass, FactorialOfFive) {
    using enum TextBox;
    expectPasses(
        OptionButton::Option1,
        {{x, "5"}},
        6,
        {{{a, "5"}, {x, "4"}}, {{a, "20"}, {x, "3"}}, {{a, "60"}, {x, "2"}}, {{a, "120"}, {x, "1"}}, {{a, "120"}, {x, "0"}}});
}

TEST(PassByPass, nCrOfFiveAndTwo) {
    using enum TextBox;
    expectPasses(OptionButton::Option3,
                 {{x, "5"}, {y, "2"}},
                 3,
                 {{{w, "2"}, {z, "5"}, {x, "4"}, {y, "1"}}, {{w, "2"}, {z, "20"}, {x, "3"}, {y, "0"}}});
}

TEST(PassByPass, TwoOutcomesOfFiveAndTwo) {
    using enum TextBox;
    expectPasses(OptionButton::Option4,
                 {{x, "5"}, {y, "2"}, {z, "2"}, {w, "1"}},
                 3,
                 {{{Text1, "5"}, {Text2, "2"}, {x, "4"}, {y, "1"}}, {{Text1, "20"}, {Text2, "2"}, {x, "3"}, {y, "0"}}});
}

TEST(PassByPass, AProductBeyondTheDoubleRangeIsWrittenAsInfinity) {
    const auto factorial = passesOf(OptionButton::Option1, {{TextBox::x, "171"}});
    const auto answerAfter = [&](std::size_t pass) { return factorial.at(pass)[indexOf(TextBox::a)]; };
    EXPECT_TRUE(std::isfinite(parseNumber(answerAfter(167), ".").value_or(0))) << answerAfter(167);
    EXPECT_EQ(answerAfter(168), "Infinity");  // 171 * 170 * ... * 4 = 2.07E+308

    const auto nCr = passesOf(OptionButton::Option3, {{TextBox::x, "400"}, {TextBox::y, "200"}});
    const auto zAfter = [&](std::size_t pass) { return nCr.at(pass)[indexOf(TextBox::z)]; };
    EXPECT_TRUE(std::isfinite(parseNumber(zAfter(121), ".").value_or(0))) << zAfter(121);
    EXPECT_EQ(zAfter(122), "Infinity");
}

// The text round trip simulated with the C library's own conversions: every product is
// printed with %.15G and read back before the next factor.
TEST(CrossCheck, FactorialRoundsEveryProductToItsText) {
    for (int n : {20, 50, 100, 150, 170}) {
        double product = 1;
        char text[40];
        for (int factor = n; factor > 0; --factor) {
            std::snprintf(text, sizeof text, "%.15G", factor * product);
            product = std::strtod(text, nullptr);
        }
        const auto outcome = runWith(OptionButton::Option1, {{TextBox::x, std::to_string(n)}});
        EXPECT_EQ(outcome.text(TextBox::a), text) << n;
    }
}

TEST(LongRun, nCrOfTwoHundredAndHundred) {
    const auto outcome = runWith(OptionButton::Option3, {{TextBox::x, "200"}, {TextBox::y, "100"}});
    EXPECT_EQ(outcome.kind, "ok");
    EXPECT_EQ(outcome.passes, 101U);
    const double exact = 9.0548514656103281165e58;  // C(200, 100)
    EXPECT_NEAR(parseNumber(outcome.text(TextBox::a), ".").value_or(0), exact, exact * 1e-12);
}

TEST(Locale, DecimalCommaIsReadAndWritten) {
    const auto outcome = runWith(OptionButton::Option1, {{TextBox::x, "2,5"}}, ",");
    EXPECT_EQ(outcome.kind, "ok");
    EXPECT_EQ(outcome.text(TextBox::a), "1,875");
    const auto otherSeparator = runWith(OptionButton::Option1, {{TextBox::x, "2.5"}}, ",");
    EXPECT_EQ(otherSeparator.kind, "conversion");
    EXPECT_EQ(otherSeparator.message,
              "Conversion error: the first input box holds \"2.5\", which is not a number: write the decimal separator as \",\"");
    EXPECT_EQ(runWith(OptionButton::Option1, {{TextBox::x, "2,5"}}, ".").message,
              "Conversion error: the first input box holds \"2,5\", which is not a number: write the decimal separator as \".\"");
    EXPECT_EQ(runWith(OptionButton::Option1, {{TextBox::x, "2.5"}}, "\u066B").message,
              "Conversion error: the first input box holds \"2.5\", which is not a number: write the decimal separator as "
              "\"\u066B\"");
    Notation arabic("\u066B");
    arabic.readsPoint = true;  // as where no keyboard key gives the locale's separator
    EXPECT_EQ(runWith(OptionButton::Option1, {{TextBox::x, "2.5"}}, arabic).text(TextBox::a), "1\u066B875");
    EXPECT_EQ(runWith(OptionButton::Option1, {{TextBox::x, "2,5"}}, arabic).kind, "conversion");
}

// Independent checks of whole-number results against products of whole numbers. While every
// intermediate has at most 15 digits the text round trip is exact and so is the answer;
// beyond that each pass may round its product to 15 digits. A double holds every whole
// number below 2^53 exactly, and comes within 2^-53 per factor of larger ones.
using Exact = double;

double toDouble(Exact value) { return value; }

Exact fallingFactorial(unsigned n, unsigned r) {
    Exact product = 1;
    for (unsigned i = 0; i < r; ++i) product *= n - i;
    return product;
}

void expectNear(const std::string& text, Exact exact, bool intermediatesFit, const std::string& what) {
    if (intermediatesFit) {
        EXPECT_EQ(text, formatNumber(toDouble(exact), ".")) << what;
    } else {
        const auto value = parseNumber(text, ".");
        ASSERT_TRUE(value.has_value()) << what << ": " << text;
        EXPECT_NEAR(*value, toDouble(exact), toDouble(exact) * 1e-12) << what;
    }
}

constexpr double kFifteenDigits = 1e15;

TEST(CrossCheck, FactorialsUpToTwenty) {
    for (unsigned n = 0; n <= 20; ++n) {
        const auto outcome = runWith(OptionButton::Option1, {{TextBox::x, std::to_string(n)}});
        ASSERT_EQ(outcome.kind, "ok");
        expectNear(outcome.text(TextBox::a), fallingFactorial(n, n), true, "factorial " + std::to_string(n));
    }
}

TEST(CrossCheck, SelectionsAndCombinationsUpToThirty) {
    for (unsigned n = 0; n <= 30; ++n) {
        for (unsigned r = 0; r <= n; ++r) {
            const test_support::Typed typed = {{TextBox::x, std::to_string(n)}, {TextBox::y, std::to_string(r)}};
            const std::string what = std::to_string(n) + ", " + std::to_string(r);
            const Exact selections = fallingFactorial(n, r);
            const bool fits = toDouble(selections) < kFifteenDigits;

            const auto nPr = runWith(OptionButton::Option2, typed);
            ASSERT_EQ(nPr.kind, "ok") << what;
            expectNear(nPr.text(TextBox::a), selections, fits, "nPr " + what);

            const auto nCr = runWith(OptionButton::Option3, typed);
            ASSERT_EQ(nCr.kind, "ok") << what;
            expectNear(nCr.text(TextBox::a), selections / fallingFactorial(r, r), fits, "nCr " + what);
            EXPECT_EQ(nCr.passes, r + 1) << what;
        }
    }
}

// C(n, r) * w^r * (z - w)^(n - r) / z^n, exactly, then rounded once.
double exactBinomial(unsigned n, unsigned r, unsigned z, unsigned w) {
    const Exact numerator = fallingFactorial(n, r) / fallingFactorial(r, r) * [&] {
        Exact powers = 1;
        for (unsigned i = 0; i < r; ++i) powers *= w;
        for (unsigned i = r; i < n; ++i) powers *= z - w;
        return powers;
    }();
    Exact denominator = 1;
    for (unsigned i = 0; i < n; ++i) denominator *= z;
    return toDouble(numerator) / toDouble(denominator);
}

TEST(CrossCheck, BinomialProbabilitiesAgainstExactFractions) {
    for (unsigned n = 0; n <= 12; ++n) {
        for (unsigned r = 0; r <= n; ++r) {
            for (unsigned z : {2U, 3U, 6U}) {
                for (unsigned w = 0; w <= z; ++w) {
                    const auto outcome = runWith(OptionButton::Option4,
                                                 {{TextBox::x, std::to_string(n)},
                                                  {TextBox::y, std::to_string(r)},
                                                  {TextBox::z, std::to_string(z)},
                                                  {TextBox::w, std::to_string(w)}});
                    const std::string what =
                        std::to_string(n) + " " + std::to_string(r) + " " + std::to_string(z) + " " + std::to_string(w);
                    ASSERT_EQ(outcome.kind, "ok") << what << ": " << outcome.message;
                    const auto answer = parseNumber(outcome.text(TextBox::a), ".");
                    ASSERT_TRUE(answer.has_value()) << what;
                    const double exact = exactBinomial(n, r, z, w);
                    EXPECT_NEAR(*answer, exact, exact * 1e-13) << what;
                }
            }
        }
    }
}

}  // namespace
}  // namespace combicalc
