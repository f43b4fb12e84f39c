#include "compute/fields.h"

#include <algorithm>
#include <array>

#include "compute/number_text.h"
#include "user_texts/errors.h"

namespace combicalc {

FetchedText Fields::fetch(TextBox box) {
    FetchedText fetched{box, store_.getText(box)};
    flags_.clear();
    return fetched;
}

double Fields::convert(const FetchedText& fetched) const {
    const std::string_view usersSeparator = notation_.decimalSeparator;
    if (const auto value = parseNumber(fetched.text, usersSeparator)) return *value;
    if (notation_.readsPoint) {
        if (const auto value = parseNumber(fetched.text, ".")) return *value;
    }
    // "2.5" where the user's separator is ',' or the Arabic one (or "2,5" where it is '.') is
    // a number written with a separator not the user's: the report says which one to use.
    constexpr std::array<std::string_view, 2> kUsualSeparators{".", ","};
    const bool otherSeparatorFits = std::any_of(kUsualSeparators.begin(), kUsualSeparators.end(), [&](std::string_view other) {
        return other != usersSeparator && fetched.text.find(other) != std::string::npos &&
               parseNumber(fetched.text, other).has_value();
    });
    throw ConversionError(fetched.box, fetched.text, otherSeparatorFits ? usersSeparator : std::string_view());
}

void Fields::writeNumber(TextBox box, Wide value) { setText(box, formatNumber(narrow(value, flags_), notation_)); }

void Fields::setText(TextBox box, std::string_view text) {
    store_.setText(box, text);
    flags_.clear();
}

bool Fields::isSelected(OptionButton option) {
    const bool selected = store_.isSelected(option);
    flags_.clear();
    return selected;
}

}  // namespace combicalc
