#include "compute/step_operations.h"

#include <cmath>
#include <optional>

#include "compute/decimal.h"
#include "compute/number_text.h"

#include "user_texts/errors.h"

namespace combicalc {

namespace {

// A product of a countdown that passed the largest double was written as "Infinity".
void requireFinite(double countdownProduct) {
    if (std::isinf(countdownProduct)) throw CountdownOverflow();
}

}  // namespace

void multiplyInto(Fields& fields, Product product) {
    const FetchedText factorText = fields.fetch(product.factor);
    const FetchedText targetText = fields.fetch(product.target);
    const double multiplicand = fields.convert(targetText);
    const double multiplier = fields.convert(factorText);
    if (std::isinf(multiplicand) && std::isfinite(multiplier)) {
        if (multiplier == 0) return fields.writeNumber(product.target, {0});  // not 0 * Infinity, an invalid operation
        if (std::fabs(multiplier) < 1 && !product.divisorOnly) throw CountdownOverflow();
    }
    fields.writeNumber(product.target, guardedMul(multiplier, multiplicand, fields.flags()));
}

void countDown(Fields& fields, TextBox box) {
    const FetchedText text = fields.fetch(box);
    const auto [value, exact] = fields.convertExactly(text);
    if (!exact) return fields.writeNumber(box, guardedSub(value, 1, fields.flags()));
    if (exact->significantDigits() > kBoxDigits) throw TooManyDigits(box, text.text);
    const Decimal next = (*exact - Decimal(1)).roundedTo(kBoxDigits);
    // Only n's countdown gives factors. An r that does not go down is above 10^15 and needs
    // more passes than a run has, which the run reports when it ends.
    if (box == TextBox::x && next >= *exact) throw CountdownStalled(Stall::nMinusOneIsN);
    fields.writeNumber(box, {next.nearestDouble()});
}

void storeQuotient(Fields& fields, TextBox target, Quotient quotient) {
    const FetchedText denominatorText = fields.fetch(quotient.denominator);
    const FetchedText numeratorText = fields.fetch(quotient.numerator);
    const double dividend = fields.convert(numeratorText);
    const double divisor = fields.convert(denominatorText);
    if (dividend == 0 && std::isinf(divisor)) return fields.writeNumber(target, {0});
    requireFinite(dividend);
    requireFinite(divisor);
    fields.writeNumber(target, guardedDiv(dividend, divisor, fields.flags()));
}

bool countdownGoesOn(Fields& fields) {
    const FetchedText x = fields.fetch(TextBox::x);
    const FetchedText y = fields.fetch(TextBox::y);
    // The right-hand x is fetched again, as the test reads it. It holds the same text as
    // the left-hand one, so converting it could neither fail nor differ; the fetch stays
    // because the sequence of control calls is part of what a run does.
    fields.fetch(TextBox::x);
    const double minuend = fields.convert(x);
    const double subtrahend = fields.convert(y);
    if (countdownContinues(minuend, subtrahend, fields.flags())) return true;
    if (isPositive(subtrahend)) throw CountdownStalled(Stall::nMinusRIsN);
    return false;
}

}  // namespace combicalc
