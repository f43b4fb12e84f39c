#include "compute/fields.h"

#include "compute/number_text.h"
#include "window_state/errors.h"

namespace combicalc {

FetchedText Fields::fetch(TextBox box) {
    FetchedText fetched{box, store_.getText(box)};
    flags_.clear();
    return fetched;
}

double Fields::convert(const FetchedText& fetched) const {
    if (const auto value = parseNumber(fetched.text, decimalSeparator_)) return *value;
    // "2.5" where the user's separator is ',' (or the other way round) is a number written
    // with the other separator: the report says which one to use.
    const std::string_view other = decimalSeparator_ == "," ? "." : ",";
    const bool otherSeparatorFits = fetched.text.find(other) != std::string::npos && parseNumber(fetched.text, other).has_value();
    throw ConversionError(fetched.box, fetched.text, otherSeparatorFits ? decimalSeparator_ : std::string_view());
}

void Fields::writeNumber(TextBox box, Wide value) { setText(box, formatNumber(narrow(value, flags_), decimalSeparator_)); }

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
