#pragma once

// How numbers look in the text boxes. Both directions take the user's decimal separator as
// a parameter; nothing here consults the process locale, so results never depend on it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace combicalc {

// Longer texts are not numbers: no one types a thousand characters into a calculator box,
// and refusing them up front keeps a pasted document from costing time.
inline constexpr std::size_t kMaxNumberTextLength = 1000;

// Accepts: optional blanks around (spaces of any kind, tabs, line breaks, zero-width
// characters, the direction marks LRM, RLM and ALM, a byte-order mark), an optional sign ('+', '-', or the minus signs
// U+2212 and U+FF0D), then either "Infinity" or decimal digits of any script with at most
// one decimal separator (at least one digit in all) and an optional exponent (E or e,
// optional sign, digits). A value beyond the double range gives +-Infinity, one below the
// smallest denormal gives zero. Anything else gives nullopt: the empty text, NaN, hex,
// group separators, any other decimal separator, characters inside or after the number,
// text that is not well-formed UTF-8, and the direction controls that would make the box
// show other digits than those read.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

// At most 15 significant digits with trailing zeros dropped, like printf's "%.15G":
// "120", "0.3125", "1E-05", "7.25741561530799E+306". Every finite number gives a text that
// reads back finite: the few largest doubles, which would round to "1.79769313486232E+308",
// give "1.79769313486231E+308". Zero of either sign is "0"; infinities are "Infinity" and
// "-Infinity", which parseNumber reads back; NaN is "NaN".
std::string formatNumber(double value, std::string_view decimalSeparator);

}  // namespace combicalc
