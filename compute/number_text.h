#pragma once

// How numbers look in the text boxes. Both directions take the user's notation (its decimal
// separator, and for writing its digits) as a parameter; nothing here consults the process
// locale, so results never depend on it.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "compute/decimal.h"

namespace combicalc {

// How the user's locale writes numbers: its decimal separator and its ten digits, 0 to 9,
// in its script ("٠" to "٩" in Arabic). Numbers are read in every script whatever these
// are, so a written text always reads back.
struct Notation {
    Notation(std::string_view separator = ".") : decimalSeparator(separator) {}
    Notation(const char* separator) : decimalSeparator(separator) {}
    Notation(std::string_view separator, std::array<std::string, 10> localDigits)
        : decimalSeparator(separator), digits(std::move(localDigits)) {}

    std::string decimalSeparator;
    std::array<std::string, 10> digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    // Whether "." is read as the separator too: where the locale's separator is neither "."
    // nor "," (the Arabic "٫"), most keyboards have no key for it.
    bool readsPoint = false;
};

// How a locale writes numbers, from its decimal and group separators and its digits.
// "." is read as the separator as well only where the locale's separator is neither "."
// nor "," and "." cannot be its group separator.
Notation localeNotation(std::string_view decimalSeparator, std::string_view groupSeparator, std::array<std::string, 10> digits);

// The significant digits a box keeps of a number it is written.
inline constexpr int kBoxDigits = 15;

// Longer texts are not numbers: no one types a thousand characters into a calculator box,
// and refusing them up front keeps a pasted document from costing time.
inline constexpr std::size_t kMaxNumberTextLength = 1000;

// Accepts: optional blanks around (spaces of any kind, tabs, line breaks, zero-width
// characters, the direction marks LRM, RLM and ALM, a byte-order mark), an optional sign
// ('+', '-', or the minus signs U+2212 and U+FF0D), then either "Infinity" or decimal
// digits of any script with at most one decimal separator (at least one digit in all) and
// an optional exponent (E or e, optional sign, digits). A value beyond the double range
// gives +-Infinity, one below the smallest denormal gives zero. Anything else gives
// nullopt: the empty text, NaN, hex, group separators, any other decimal separator,
// characters inside or after the number, text that is not well-formed UTF-8, and the
// direction controls that would make the box show other digits than those read.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

// The same grammar, read exactly: the decimal value of a number's text; nullopt for
// "Infinity", as for a text that is no number. Its exponent is exact up to 10^9, beyond which
// a text's value is zero or beyond the double range whatever it is.
std::optional<Decimal> parseDecimal(std::string_view text, std::string_view decimalSeparator);

// At most 15 significant digits with trailing zeros dropped, like printf's "%.15G": "120",
// "0.3125", "1E-05", "7.25741561530799E+306", in the notation's digits and separator. Every
// finite number gives a text that reads back finite: the few largest doubles, which would
// round to "1.79769313486232E+308", give "1.79769313486231E+308". Zero of either sign is
// "0"; infinities are "Infinity" and "-Infinity", which parseNumber reads back; NaN is
// "NaN".
std::string formatNumber(double value, const Notation& notation);

// A number written with ASCII digits, "." and "e" ("1.8e+308") as `notation` writes it
// ("1٫8E+308" in Arabic, with its digits).
std::string inNotation(std::string_view plain, const Notation& notation);

}  // namespace combicalc
