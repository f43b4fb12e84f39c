#include "compute/mode_steps.h"

#include <optional>
#include <utility>

#include "compute/decimal.h"
#include "compute/step_operations.h"
#include "compute/two_outcomes_chance.h"

namespace combicalc {

namespace {

// One pass of the countdown that nCr and 2 Outcomes share: numerator accumulates
// x * (x - 1) * ..., denominator y * (y - 1) * ... while y stays positive. Returns false,
// having changed nothing but the first-pass ones, when the countdown has ended.
bool accumulatePass(Fields& fields, const Pass& pass, Quotient boxes) {
    if (pass.isFirstPass()) {
        fields.writeOne(boxes.numerator);
        fields.writeOne(boxes.denominator);
    }
    if (!countdownGoesOn(fields)) return false;
    if (isPositive(fields.readNumber(TextBox::y))) {
        multiplyInto(fields, {.target = boxes.denominator, .factor = TextBox::y, .divisorOnly = true});
    }
    multiplyInto(fields, {.target = boxes.numerator, .factor = TextBox::x});
    countDown(fields, TextBox::x);
    countDown(fields, TextBox::y);
    return true;
}

// n - r and r, exactly as the texts of x and y give them where the countdown ended: each pass
// before this one took 1 from both, and this pass is the first whose countdown test failed, so
// r is y's value plus the number of earlier passes, and n - r is x's value less y's. Neither
// needs a box of its own, and both are the numbers typed wherever the texts kept them. Where
// a text reads as an infinity, its double stands in, and Infinity - Infinity is an invalid
// operation.
struct Exponents {
    ExactNumber failures;
    ExactNumber successes;
};

Exponents exponentsFrom(const Fields::Exactly& x, const Fields::Exactly& y, const Pass& pass, FaultFlags& flags) {
    const Decimal earlierPasses(pass.counter() - 1);
    if (x.exact && y.exact) return {.failures = *x.exact - *y.exact, .successes = *y.exact + earlierPasses};
    const double failures = narrow(guardedSub(x.value, y.value, flags), flags);
    if (y.exact) return {.failures = failures, .successes = *y.exact + earlierPasses};
    return {.failures = failures, .successes = y.value};
}

// Answer <- C * ((z - w) / z)^(n - r) * (w / z)^r with C the count in Text3: of n trials
// with z equally likely outcomes, w of them favourable, exactly r succeed. All texts are
// fetched first, in the order the formula reads them; a box fetched twice holds the same text
// both times, so each is converted once, in the order its value is first needed. Only the
// result is written.
void writeTwoOutcomesAnswer(Fields& fields, const Pass& pass) {
    const FetchedText z = fields.fetch(TextBox::z);
    const FetchedText w = fields.fetch(TextBox::w);
    fields.fetch(TextBox::z);
    const FetchedText x = fields.fetch(TextBox::x);
    const FetchedText y = fields.fetch(TextBox::y);
    fields.fetch(TextBox::w);
    fields.fetch(TextBox::z);
    fields.fetch(TextBox::y);
    const FetchedText count = fields.fetch(TextBox::Text3);

    const Fields::Exactly remainingX = fields.convertExactly(x);
    const Fields::Exactly remainingY = fields.convertExactly(y);
    const double outcomes = fields.convert(z);
    const double favourable = fields.convert(w);
    const double combinations = fields.convert(count);
    Exponents exponents = exponentsFrom(remainingX, remainingY, pass, fields.flags());
    const TwoOutcomesNumbers numbers{.failures = std::move(exponents.failures),
                                     .outcomes = outcomes,
                                     .favourable = favourable,
                                     .combinations = combinations,
                                     .successes = std::move(exponents.successes)};
    fields.writeNumber(TextBox::a, {twoOutcomesChance(numbers, fields.flags())});
}

}  // namespace

void factorialStep(Fields& fields, Pass& pass) {
    if (pass.isFirstPass()) fields.writeOne(TextBox::a);
    if (isPositive(fields.readNumber(TextBox::x))) {
        multiplyInto(fields, {.target = TextBox::a, .factor = TextBox::x});
        countDown(fields, TextBox::x);
    } else {
        pass.finish();
    }
}

void nPrStep(Fields& fields, Pass& pass) {
    if (pass.isFirstPass()) fields.writeOne(TextBox::a);
    if (countdownGoesOn(fields)) {
        multiplyInto(fields, {.target = TextBox::a, .factor = TextBox::x});
        countDown(fields, TextBox::x);
        countDown(fields, TextBox::y);
    } else {
        pass.finish();
    }
}

void nCrStep(Fields& fields, Pass& pass) {
    constexpr Quotient kCount{.numerator = TextBox::z, .denominator = TextBox::w};
    if (accumulatePass(fields, pass, kCount)) return;
    storeQuotient(fields, TextBox::a, kCount);
    pass.finish();
}

bool answerLacksResult(Fields& fields, Mode mode) {
    switch (mode) {
        // A product that reached 0 stays 0, whatever the factors left: that is the result.
        case Mode::Factorial: return fields.readNumber(TextBox::a) != 0 && isPositive(fields.readNumber(TextBox::x));
        case Mode::nPr: return fields.readNumber(TextBox::a) != 0 && countdownGoesOn(fields);
        case Mode::nCr:
        case Mode::TwoOutcomes: return true;
    }
    return true;
}

bool answerHoldsPartialProduct(Mode mode) {
    switch (mode) {
        case Mode::Factorial:
        case Mode::nPr: return true;
        case Mode::nCr:
        case Mode::TwoOutcomes: return false;
    }
    return false;
}

void twoOutcomesStep(Fields& fields, Pass& pass) {
    constexpr Quotient kCount{.numerator = TextBox::Text1, .denominator = TextBox::Text2};
    if (accumulatePass(fields, pass, kCount)) return;
    storeQuotient(fields, TextBox::Text3, kCount);
    writeTwoOutcomesAnswer(fields, pass);
    pass.finish();
}

}  // namespace combicalc
