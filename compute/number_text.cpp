#include "compute/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace combicalc {

namespace {

constexpr std::string_view kInfinity = "Infinity";
constexpr std::string_view kMinusInfinity = "-Infinity";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view takeDigits(std::string_view& rest) {
    const auto count = std::find_if_not(rest.begin(), rest.end(), isDigit) - rest.begin();
    const std::string_view digits = rest.substr(0, static_cast<std::size_t>(count));
    rest.remove_prefix(static_cast<std::size_t>(count));
    return digits;
}

// The decimal exponent of the leading nonzero digit, saturated far beyond the double range.
// Used only to tell an overflowing text from an underflowing one.
long leadingExponent(std::string_view whole, std::string_view fraction, std::string_view exponent, bool negativeExponent) {
    constexpr long kFar = 100000;
    long exp = 0;
    for (char c : exponent) exp = std::min(kFar, exp * 10 + (c - '0'));
    if (negativeExponent) exp = -exp;
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos) {
        return exp + std::min<long>(kFar, static_cast<long>(whole.size() - firstWhole) - 1);
    }
    const auto firstFraction = fraction.find_first_not_of('0');
    return exp - std::min<long>(kFar, static_cast<long>(firstFraction) + 1);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator) {
    if (text.size() > kMaxNumberTextLength) return std::nullopt;
    std::string_view rest = trimSpaces(text);

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest == kInfinity) return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();

    const std::string_view whole = takeDigits(rest);
    std::string_view fraction;
    if (!decimalSeparator.empty() && rest.substr(0, decimalSeparator.size()) == decimalSeparator) {
        rest.remove_prefix(decimalSeparator.size());
        fraction = takeDigits(rest);
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;

    std::string_view exponent;
    bool negativeExponent = false;
    if (!rest.empty() && (rest.front() == 'E' || rest.front() == 'e')) {
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            negativeExponent = rest.front() == '-';
            rest.remove_prefix(1);
        }
        exponent = takeDigits(rest);
        if (exponent.empty()) return std::nullopt;
    }
    if (!rest.empty()) return std::nullopt;

    // Rebuilt in the one notation from_chars reads, whatever the user's separator.
    std::string plain;
    plain.reserve(whole.size() + fraction.size() + exponent.size() + 4);
    if (negative) plain += '-';
    plain.append(whole.empty() ? "0" : whole).append(".").append(fraction.empty() ? "0" : fraction);
    if (!exponent.empty()) plain.append(negativeExponent ? "e-" : "e").append(exponent);

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool overflow = leadingExponent(whole, fraction, exponent, negativeExponent) >= 0;
        value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

std::string formatNumber(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return std::string(value < 0 ? kMinusInfinity : kInfinity);
    if (value == 0) return "0";  // also for -0: a product that reached zero shows no sign

    char digits[32];
    const char* end = std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::general, 15).ptr;
    std::string text;
    text.reserve(static_cast<std::size_t>(end - digits) + decimalSeparator.size());
    for (const char* c = digits; c != end; ++c) {
        if (*c == '.') {
            text += decimalSeparator;
        } else {
            text += *c == 'e' ? 'E' : *c;
        }
    }
    return text;
}

}  // namespace combicalc
