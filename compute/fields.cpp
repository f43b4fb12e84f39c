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
    throw ConversionError(fetched.box, fetched.text);
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
