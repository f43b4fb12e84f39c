#include "qt_window/locale_notation.h"

namespace combicalc {

Notation notationOf(const QLocale& locale) {
    std::array<std::string, 10> digits;
    for (int digit = 0; digit < 10; ++digit) digits[static_cast<std::size_t>(digit)] = locale.toString(digit).toStdString();
    Notation notation(locale.decimalPoint().toStdString(), digits);
    // A "." that could be a group separator is never taken for the decimal one.
    notation.readsPoint = notation.decimalSeparator != "." && notation.decimalSeparator != "," && locale.groupSeparator() != ".";
    return notation;
}

}  // namespace combicalc
