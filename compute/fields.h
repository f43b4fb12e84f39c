#pragma once

// A run's only way to the window. Numbers cross as text in the user's notation, and every
// call on a control clears the fault flags, so a guarded test sees exactly the flags
// raised since the last control call.

#include <optional>
#include <string>
#include <string_view>

#include "compute/guarded_arithmetic.h"
#include "compute/number_text.h"
#include "window_state/field_store.h"

namespace combicalc {

// A box's text as fetched, kept with its box so a failed conversion can name it.
struct FetchedText {
    TextBox box;
    std::string text;
};

class Fields {
public:
    Fields(FieldStore& store, const Notation& notation) : store_(store), notation_(notation) {}

    FetchedText fetch(TextBox box);
    // Throws ConversionError naming the box when the text is not a number, and
    // NumberTooCloseToZero when it is one nearer to 0 than any double but 0. Its exact value
    // is then a double's, whose digits are few enough to be worked on.
    double convert(const FetchedText& fetched) const;
    // As convert, with the exact decimal value of a text whose double is finite (nullopt for
    // one that reads as an infinity).
    struct Exactly {
        double value;
        std::optional<Decimal> exact;
    };
    Exactly convertExactly(const FetchedText& fetched) const;
    double readNumber(TextBox box) { return convert(fetch(box)); }

    // Narrows after the guarded test that produced the value, so a value beyond the double
    // range is written as "Infinity" rather than failing.
    void writeNumber(TextBox box, Wide value);
    void writeOne(TextBox box) { setText(box, "1"); }
    void setText(TextBox box, std::string_view text);

    bool isSelected(OptionButton option);

    FaultFlags& flags() { return flags_; }

private:
    // The text read with the user's separator, or with "." where that is read too.
    template <class Value>
    std::optional<Value> parsed(std::string_view text, std::optional<Value> (*parse)(std::string_view, std::string_view)) const;

    FieldStore& store_;
    const Notation& notation_;  // the run's caller keeps it
    FaultFlags flags_;
};

}  // namespace combicalc
