#include "qt_window/locale_notation.h"

namespace combicalc {

Notation notationOf(const QLocale& locale) {
    std::array<std::string, 10> digits;
    for (int digit = 0; digit < 10; ++digit) digits[static_cast<std::size_t>(digit)] = locale.toString(digit).toStdString();
    return localeNotation(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(), digits);
}

}  // namespace combicalc
