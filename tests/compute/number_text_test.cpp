#include "compute/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace combicalc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Written {
    const char* name;
    double value;
    const char* text;
};

class WriteNumber : public ::testing::TestWithParam<Written> {};

TEST_P(WriteNumber, ShowsAtMostFifteenDigits) { EXPECT_EQ(formatNumber(GetParam().value, "."), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Texts,
    WriteNumber,
    ::testing::Values(Written{"Zero", 0.0, "0"},
                      Written{"NegativeZero", -0.0, "0"},
                      Written{"One", 1.0, "1"},
                      Written{"WholeNumber", 120.0, "120"},
                      Written{"TenFactorial", 3628800.0, "3628800"},
                      Written{"Negative", -2.5, "-2.5"},
                      Written{"Fraction", 0.3125, "0.3125"},
                      Written{"RoundedToFifteenDigits", 1.0 / 3.0, "0.333333333333333"},
                      Written{"LargestPlainWhole", 999999999999999.0, "999999999999999"},
                      Written{"FirstExponentForm", 1e15, "1E+15"},
                      Written{"SmallExponentForm", 1e-5, "1E-05"},
                      Written{"PlainSmall", 0.0001, "0.0001"},
                      Written{"OneSeventyFactorial", 7.257415615307994e306, "7.25741561530799E+306"},
                      // 1.79769313486232E+308 would read back as Infinity.
                      Written{"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486231E+308"},
                      Written{"MinusLargestDouble", -std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
                      Written{"BelowTheLargestUnchanged", 1.79769313486231e308, "1.79769313486231E+308"},
                      Written{"SmallestDenormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
                      Written{"Infinity", kInf, "Infinity"},
                      Written{"MinusInfinity", -kInf, "-Infinity"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WriteNumber, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(formatNumber(1.875, ","), "1,875");
    EXPECT_EQ(formatNumber(7.257415615307994e306, ","), "7,25741561530799E+306");
    EXPECT_EQ(formatNumber(2.5, "\xD9\xAB"),
              "2\xD9\xAB"
              "5");  // Arabic decimal separator, two bytes
    const Notation arabic("\u066B",
                          {"\u0660", "\u0661", "\u0662", "\u0663", "\u0664", "\u0665", "\u0666", "\u0667", "\u0668", "\u0669"});
    const std::string written = formatNumber(-1.25e-5, arabic);
    EXPECT_EQ(written, "-\u0661\u066B\u0662\u0665E-\u0660\u0665");  // every digit, the exponent's too
    EXPECT_EQ(parseNumber(written, "\u066B"), -1.25e-5);
}

struct Read {
    const char* name;
    const char* text;
    double value;
};

class ReadAccepted : public ::testing::TestWithParam<Read> {};

TEST_P(ReadAccepted, GivesTheNumber) {
    const auto value = parseNumber(GetParam().text, ".");
    ASSERT_TRUE(value.has_value()) << GetParam().text;
    EXPECT_EQ(*value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts,
    ReadAccepted,
    ::testing::Values(Read{"Whole", "5", 5.0},
                      Read{"Signed", "+5", 5.0},
                      Read{"Negative", "-2", -2.0},
                      Read{"Fraction", "2.5", 2.5},
                      Read{"LeadingPoint", ".5", 0.5},
                      Read{"TrailingPoint", "5.", 5.0},
                      Read{"SurroundingSpaces", "  42  ", 42.0},
                      Read{"Exponent", "1E-05", 1e-5},
                      Read{"LowerCaseExponent", "2.5e3", 2500.0},
                      Read{"PlusExponent", "7.25741561530799E+306", 7.25741561530799e306},
                      Read{"LeadingZeros", "007", 7.0},
                      Read{"BeyondDoubleRange", "1E400", kInf},
                      Read{"NegativeBeyondRange", "-1.8E308", -kInf},
                      Read{"HugeExponent", "9e99999999999999999999", kInf},
                      Read{"HugeNegativeExponent", "9e-99999999999999999999", 0.0},
                      Read{"ManyDigitsSmallExponent", "123456789012345678901234567890e-10", 12345678901234567890.1234567890},
                      Read{"BelowSmallestDenormal", "1E-400", 0.0},
                      Read{"Denormal", "4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
                      Read{"Infinity", "Infinity", kInf},
                      Read{"MinusInfinity", "-Infinity", -kInf},
                      Read{"SpacedInfinity", " Infinity ", kInf},
                      Read{"LargestFifteenDigitText", "1.79769313486231E+308", 1.79769313486231e308},
                      Read{"TabBefore", "\t5", 5.0},
                      Read{"SpreadsheetCell", "5\r\n", 5.0},
                      Read{"NoBreakSpaceAround", "\u00A05\u202F", 5.0},
                      Read{"DirectionMarkAndByteOrderMark", "\uFEFF\u200E5\u200F", 5.0},
                      Read{"ArabicLetterMark", "\u061C5", 5.0},
                      Read{"MinusSign", "\u22122.5", -2.5},
                      Read{"PersianMinus", "\u200E\u22125", -5.0},
                      Read{"ArabicIndicDigits", "\u0661\u0662", 12.0},
                      Read{"PersianDigits", "\u06F2\u06F5", 25.0},
                      Read{"DevanagariDigits", "\u0968.\u096B", 2.5},
                      Read{"FullwidthDigits", "\uFF0D\uFF17", -7.0}),
    [](const auto& row) { return std::string(row.param.name); });

// A text read exactly, with its significant digits, and counted down as a box keeps it: the
// decimal less 1, rounded to 15 digits with a tie to the even digit.
struct CountedDown {
    const char* name;
    const char* text;
    int digits;
    const char* next;  // as Decimal::scientific() writes it
};

class ReadExactly : public ::testing::TestWithParam<CountedDown> {};

TEST_P(ReadExactly, CountsDownAsTheDecimalItIs) {
    const auto exact = parseDecimal(GetParam().text, ".");
    ASSERT_TRUE(exact.has_value()) << GetParam().text;
    EXPECT_EQ(exact->significantDigits(), GetParam().digits);
    EXPECT_EQ((*exact - Decimal(1)).roundedTo(kBoxDigits).scientific(), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Texts,
                         ReadExactly,
                         ::testing::Values(CountedDown{"Whole", "5", 1, "4e0"},
                                           CountedDown{"Zero", "-0.000", 0, "-1e0"},
                                           CountedDown{"TrailingZerosAreNoDigits", "5.0000000000000000", 1, "4e0"},
                                           CountedDown{"ZerosOfAWholeNumber", "1000000000000000000", 1, "1e18"},
                                           CountedDown{"FractionJustAboveWhole", "1.0000000000001", 14, "1e-13"},
                                           CountedDown{"NegativeFraction", "-0.5", 1, "-15e-1"},
                                           CountedDown{"SixteenDigitsNeeded", "2E15", 1, "2e15"},
                                           CountedDown{"TieToAnEvenDigitUp", "0.0123456789012345", 15, "-987654321098766e-15"},
                                           CountedDown{"TieToAnEvenDigitKept", "999999999999999.5", 16, "999999999999998e0"},
                                           CountedDown{"TieCarriesIntoAWholeNumber", "9.999999999999995", 16, "9e0"},
                                           CountedDown{"BelowATieRoundsDown", "0.01234567890123451", 16, "-987654321098765e-15"},
                                           CountedDown{"BeyondSixtyFourBits", "1E-400", 1, "-1e0"},
                                           CountedDown{"HugeStaysHuge", "1E300", 1, "1e300"},
                                           CountedDown{"ArabicDigitsAndMinus", "\u2212\u0661\u0662", 2, "-13e0"}),
                         [](const auto& row) { return std::string(row.param.name); });

struct Rejected {
    const char* name;
    std::string text;
};

class ReadRejected : public ::testing::TestWithParam<Rejected> {};

TEST_P(ReadRejected, IsNotANumber) { EXPECT_FALSE(parseNumber(GetParam().text, ".").has_value()) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(Texts,
                         ReadRejected,
                         ::testing::Values(Rejected{"Empty", ""},
                                           Rejected{"OnlySpaces", "   "},
                                           Rejected{"Placeholder", "Field 1"},
                                           Rejected{"AnswerPlaceholder", "Answer"},
                                           Rejected{"ScratchPlaceholder", "Text1"},
                                           Rejected{"LoneSign", "-"},
                                           Rejected{"LonePoint", "."},
                                           Rejected{"TwoPoints", "1.2.3"},
                                           Rejected{"OtherSeparator", "1,5"},
                                           Rejected{"GroupSeparator", "1,000"},
                                           Rejected{"TrailingJunk", "12abc"},
                                           Rejected{"InnerSpace", "1 2"},
                                           Rejected{"DoubleSign", "--5"},
                                           Rejected{"ExponentWithoutDigits", "1E"},
                                           Rejected{"ExponentWithoutMantissa", "E5"},
                                           Rejected{"FractionalExponent", "1E2.5"},
                                           Rejected{"Hex", "0x1A"},
                                           Rejected{"BasicHex", "&H1A"},
                                           Rejected{"NaN", "NaN"},
                                           Rejected{"LowerNan", "nan"},
                                           Rejected{"SignedNan", "-NAN"},
                                           Rejected{"ShortInf", "inf"},
                                           Rejected{"LowerInfinity", "infinity"},
                                           Rejected{"InvisibleInside", "1\u00A0000"},
                                           Rejected{"ZeroWidthInside", "1\u200B2"},
                                           Rejected{"ArabicGroupSeparator", "1\u066C000"},
                                           Rejected{"LineBreakInside", "5\n5"},
                                           Rejected{"OnlyInvisible", "\u200E\t"},
                                           Rejected{"BrokenUtf8", "5\xD9"},
                                           // Lead byte FF taken for E0-EF would read as a full-width 5.
                                           Rejected{"InvalidLeadByte", "\xFF\xBC\x95"},
                                           // The box shows "321".
                                           Rejected{"RightToLeftOverride", "\u202E123\u202C"},
                                           Rejected{"Isolate", "\u20675\u2069"},
                                           Rejected{"EmbeddedNul",
                                                    std::string("5\0"
                                                                "5",
                                                                3)},
                                           Rejected{"TooLong", std::string(kMaxNumberTextLength + 1, '1')}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReadNumber, FollowsTheGivenDecimalSeparator) {
    EXPECT_EQ(parseNumber("1,875", ","), 1.875);
    EXPECT_EQ(parseNumber("-1,5E+3", ","), -1500.0);
    EXPECT_FALSE(parseNumber("1.875", ",").has_value());
    EXPECT_EQ(parseNumber("2\xD9\xAB"
                          "5",
                          "\xD9\xAB"),
              2.5);
    EXPECT_FALSE(parseNumber("2\xD9", "\xD9\xAB").has_value());   // half a separator
    EXPECT_EQ(parseNumber("\u0662\u066B\u0665", "\u066B"), 2.5);  // as Arabic users type it
    EXPECT_EQ(parseNumber("\u06F2\u066B\u06F5", "\u066B"), 2.5);  // and Persian users
}

TEST(ReadNumber, AcceptsTheLongestTextItAllows) {
    EXPECT_EQ(parseNumber(std::string(kMaxNumberTextLength, '0'), "."), 0.0);
    EXPECT_EQ(parseNumber(std::string(kMaxNumberTextLength, '9'), "."), kInf);
    EXPECT_EQ(parseNumber("0." + std::string(kMaxNumberTextLength - 3, '0') + "1", "."), 0.0);
}

TEST(ReadNumber, RejectsTenMegabytesAtOnce) {
    // Digits would be a valid number of any length; the limit is what rejects it.
    EXPECT_FALSE(parseNumber(std::string(10 << 20, '7'), ".").has_value());
}

// parseNumber gives back exactly the number a written text shows, taken here from the C
// library's correctly rounded strtod; and writing it again shows the same text.
TEST(RoundTrip, ReadingAWrittenNumberGivesTheNumberItShows) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (const char* separator : {".", ","}) {
        for (int i = 0; i < 20000; ++i) {
            const std::uint64_t raw = bits(random);
            double value = 0;
            static_assert(sizeof value == sizeof raw);
            std::memcpy(&value, &raw, sizeof value);
            if (std::isnan(value)) continue;

            const std::string text = formatNumber(value, separator);
            std::string dotted;
            for (char c : text) dotted += c == *separator ? '.' : c;  // both separators are one byte
            const double shown = std::isinf(value) ? value : std::strtod(dotted.c_str(), nullptr);

            const auto back = parseNumber(text, separator);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(*back, shown) << text;
            EXPECT_EQ(formatNumber(*back, separator), text);
        }
    }
}

}  // namespace
}  // namespace combicalc
