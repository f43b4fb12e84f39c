#include "compute/fields.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "compute/number_text.h"
#include "user_texts/errors.h"

namespace combicalc {

FetchedText Fields::fetch(TextBox box) {
    FetchedText fetched{box, store_.getText(box)};
    flags_.clear();
    return fetched;
}

template <class Value>
std::optional<Value> Fields::parsed(std::string_view text,
                                    std::optional<Value> (*parse)(std::string_view, std::string_view)) const {
    if (auto value = parse(text, notation_.decimalSeparator)) return value;
    if (notation_.readsPoint) return parse(text, ".");
    return std::nullopt;
}

double Fields::convert(const FetchedText& fetched) const {
    if (const auto value = parsed(fetched.text, parseNumber)) {
        // Not 0 for a number that is not: a tiny n or r would end the countdown before it began.
        if (*value == 0 && !parsed(fetched.text, parseDecimal)->isZero()) throw NumberTooCloseToZero(fetched.box, fetched.text);
        return *value;
    }
    const std::string_view usersSeparator = notation_.decimalSeparator;
    // "2.5" where the user's separator is ',' or the Arabic one (or "2,5" where it is '.') is
    // a number written with a separator not the user's: the report says which one to use.
    constexpr std::array<std::string_view, 2> kUsualSeparators{".", ","};
    const bool otherSeparatorFits = std::any_of(kUsualSeparators.begin(), kUsualSeparators.end(), [&](std::string_view other) {
        return other != usersSeparator && fetched.text.find(other) != std::string::npos &&
               parseNumber(fetched.text, other).has_value();
    });
    throw ConversionError(fetched.box, fetched.text, otherSeparatorFits ? usersSeparator : std::string_view());
}

Fields::Exactly Fields::convertExactly(const FetchedText& fetched) const {
    std::optional<Decimal> exact = parsed(fetched.text, parseDecimal);
    if (!exact) return {convert(fetched), std::nullopt};  // "Infinity", or what convert reports
    const double value = exact->nearestDouble();
    if (value == 0 && !exact->isZero()) throw NumberTooCloseToZero(fetched.box, fetched.text);
    if (!std::isfinite(value)) return {value, std::nullopt};
    return {value, std::move(exact)};
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
