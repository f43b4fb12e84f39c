#pragma once

#include <QLocale>

#include "compute/number_text.h"

namespace combicalc {

// How `locale` writes numbers: its decimal separator and its digits ("1٫875" in Arabic is
// written "١٫٨٧٥"), and whether "." is read too.
Notation notationOf(const QLocale& locale);

}  // namespace combicalc
