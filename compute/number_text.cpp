#include "compute/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <system_error>
#include <utility>

#include <fast_float/fast_float.h>

#include "user_texts/unicode_text.h"

namespace combicalc {

namespace {

constexpr std::string_view kInfinity = "Infinity";
constexpr std::string_view kMinusInfinity = "-Infinity";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The text as the grammar reads it: without the blanks around it, with every decimal digit
// as its ASCII digit and every minus sign as '-'. Anything else, blanks inside and direction
// controls anywhere included, is kept, so that the grammar rejects it.
std::string plainForm(std::string_view text) {
    // Most texts are printable ASCII (no blank, and no digit or minus sign but ASCII's), which
    // is its own plain form; a run reads thousands of them.
    if (std::all_of(text.begin(), text.end(), [](char byte) { return byte > ' ' && byte < '\x7F'; })) {
        return std::string(text);
    }
    std::string plain;
    std::size_t visibleLength = 0;  // the plain text up to its last visible character
    while (!text.empty()) {
        const std::string_view before = text;
        const auto character = takeCharacter(text);
        if (!character) {  // not UTF-8: kept, and never a number
            plain += text.front();
            text.remove_prefix(1);
            visibleLength = plain.size();
            continue;
        }
        if (isBlank(*character)) {
            if (!plain.empty()) plain.append(before.substr(0, before.size() - text.size()));
            continue;
        }
        if (const auto digit = digitValue(*character)) {
            plain += static_cast<char>('0' + *digit);
        } else if (isMinusSign(*character)) {
            plain += '-';
        } else {
            plain.append(before.substr(0, before.size() - text.size()));
        }
        visibleLength = plain.size();
    }
    plain.resize(visibleLength);
    return plain;
}

std::string_view takeDigits(std::string_view& rest) {
    const auto count = std::find_if_not(rest.begin(), rest.end(), isDigit) - rest.begin();
    const std::string_view digits = rest.substr(0, static_cast<std::size_t>(count));
    rest.remove_prefix(static_cast<std::size_t>(count));
    return digits;
}

// A number's text split along the grammar: [sign] mantissa [exponent].
struct Mantissa {
    std::string_view whole;
    std::string_view fraction;
};

struct Exponent {
    std::string_view digits;  // empty when the text has no exponent
    bool negative = false;
};

bool takeSign(std::string_view& rest) {
    if (rest.empty() || (rest.front() != '+' && rest.front() != '-')) return false;
    const bool negative = rest.front() == '-';
    rest.remove_prefix(1);
    return negative;
}

// Digits with at most one decimal separator, at least one digit in all.
std::optional<Mantissa> takeMantissa(std::string_view& rest, std::string_view decimalSeparator) {
    Mantissa mantissa{takeDigits(rest), {}};
    if (!decimalSeparator.empty() && rest.starts_with(decimalSeparator)) {
        rest.remove_prefix(decimalSeparator.size());
        mantissa.fraction = takeDigits(rest);
    }
    if (mantissa.whole.empty() && mantissa.fraction.empty()) return std::nullopt;
    return mantissa;
}

// E or e, an optional sign and at least one digit; or nothing at all.
std::optional<Exponent> takeExponent(std::string_view& rest) {
    Exponent exponent;
    if (rest.empty() || (rest.front() != 'E' && rest.front() != 'e')) return exponent;
    rest.remove_prefix(1);
    exponent.negative = takeSign(rest);
    exponent.digits = takeDigits(rest);
    if (exponent.digits.empty()) return std::nullopt;
    return exponent;
}

// An exponent's digits as a number. Beyond this size every value the texts can hold (their
// mantissa has at most a thousand digits) is zero or beyond the double range alike.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

std::int64_t exponentValue(const Exponent& exponent) {
    std::int64_t value = 0;
    for (const char digit : exponent.digits) {
        value = std::min(kExponentLimit, value * 10 + (digit - '0'));
    }
    return exponent.negative ? -value : value;
}

// A number beyond the double range: an infinity where it is above 1 in size, else a zero, of
// its sign.
double beyondRange(bool negative, const Mantissa& mantissa, const Exponent& exponent) {
    const auto firstWholeDigit = mantissa.whole.find_first_not_of('0');
    const bool large = firstWholeDigit != std::string_view::npos
                           ? static_cast<std::int64_t>(mantissa.whole.size() - firstWholeDigit) + exponentValue(exponent) > 0
                           : exponentValue(exponent) - static_cast<std::int64_t>(mantissa.fraction.find_first_not_of('0')) > 0;
    const double size = large ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -size : size;
}

// The nearest double; beyond the double range +-Infinity, below the smallest denormal
// zero (fast_float gives both, correctly rounded, on every platform).
std::optional<double> toDouble(bool negative, const Mantissa& mantissa, const Exponent& exponent) {
    // Rebuilt in the one notation fast_float reads, whatever the user's separator.
    std::string plain;
    plain.reserve(mantissa.whole.size() + mantissa.fraction.size() + exponent.digits.size() + 4);
    if (negative) plain += '-';
    plain.append(mantissa.whole.empty() ? "0" : mantissa.whole).append(".");
    plain.append(mantissa.fraction.empty() ? "0" : mantissa.fraction);
    if (!exponent.digits.empty()) plain.append(exponent.negative ? "e-" : "e").append(exponent.digits);

    double value = 0;
    const auto [end, error] = fast_float::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (end != plain.data() + plain.size()) return std::nullopt;
    // fast_float from 4.0 on says where it rounded beyond the range; before, it only rounds.
    if (error == std::errc::result_out_of_range) return beyondRange(negative, mantissa, exponent);
    if (error != std::errc()) return std::nullopt;
    return value;
}

// Takes the text apart along the grammar and hands the parts to `read`, which gives what the
// caller wants of them; "Infinity" goes to `infinity`. Anything else is nullopt.
template <class Result, class Read, class Infinity>
std::optional<Result> readParts(std::string_view text, std::string_view decimalSeparator, Read read, Infinity infinity) {
    if (text.size() > kMaxNumberTextLength) return std::nullopt;
    const std::string plain = plainForm(text);
    std::string_view rest = plain;
    const bool negative = takeSign(rest);
    if (rest == kInfinity) return infinity(negative);
    const auto mantissa = takeMantissa(rest, decimalSeparator);
    if (!mantissa) return std::nullopt;
    const auto exponent = takeExponent(rest);
    if (!exponent || !rest.empty()) return std::nullopt;
    return read(negative, *mantissa, *exponent);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator) {
    return readParts<double>(text, decimalSeparator, toDouble, [](bool negative) -> std::optional<double> {
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    });
}

std::optional<Decimal> parseDecimal(std::string_view text, std::string_view decimalSeparator) {
    const auto exact = [](bool negative, const Mantissa& mantissa, const Exponent& exponent) -> std::optional<Decimal> {
        const std::string digits = std::string(mantissa.whole) + std::string(mantissa.fraction);
        return Decimal(negative, digits, exponentValue(exponent) - static_cast<std::int64_t>(mantissa.fraction.size()));
    };
    return readParts<Decimal>(text, decimalSeparator, exact, [](bool) { return std::optional<Decimal>(); });
}

std::string formatNumber(double value, const Notation& notation) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return std::string(value < 0 ? kMinusInfinity : kInfinity);
    if (value == 0) return "0";  // also for -0: a product that reached zero shows no sign

    char digits[32];
#if defined(__cpp_lib_to_chars)
    const char* end = std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::general, kBoxDigits).ptr;
#else
    // A standard library without floating-point to_chars (emscripten's libc++ 13): the same
    // text by definition, "%.15g", which its C library rounds exactly.
    const char* end = digits + std::snprintf(digits, sizeof digits, "%.15g", value);
#endif
    // Rounded to 15 digits, the few largest doubles give the one text that lies beyond the
    // double range; the largest 15-digit text below it reads back finite.
    constexpr std::string_view kBeyondRange = "1.79769313486232e+308";
    constexpr std::string_view kLargestBelow = "1.79769313486231e+308";
    char* magnitude = digits[0] == '-' ? digits + 1 : digits;
    if (std::string_view(magnitude, static_cast<std::size_t>(end - magnitude)) == kBeyondRange) {
        std::copy(kLargestBelow.begin(), kLargestBelow.end(), magnitude);
    }
    return inNotation(std::string_view(digits, static_cast<std::size_t>(end - digits)), notation);
}

Notation localeNotation(std::string_view decimalSeparator, std::string_view groupSeparator, std::array<std::string, 10> digits) {
    Notation notation(decimalSeparator, std::move(digits));
    notation.readsPoint = decimalSeparator != "." && decimalSeparator != "," && groupSeparator != ".";
    return notation;
}

std::string inNotation(std::string_view plain, const Notation& notation) {
    std::string text;
    for (const char c : plain) {
        if (c == '.') {
            text += notation.decimalSeparator;
        } else if (isDigit(c)) {
            text += notation.digits[static_cast<std::size_t>(c - '0')];
        } else {
            text += c == 'e' ? 'E' : c;
        }
    }
    return text;
}

}  // namespace combicalc
