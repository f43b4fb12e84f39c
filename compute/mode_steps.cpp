#include "compute/mode_steps.h"

#include "compute/step_operations.h"

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
    if (isPositive(fields.readNumber(TextBox::y))) multiplyInto(fields, {.target = boxes.denominator, .factor = TextBox::y});
    multiplyInto(fields, {.target = boxes.numerator, .factor = TextBox::x});
    countDown(fields, TextBox::x);
    countDown(fields, TextBox::y);
    return true;
}

// The value r entered in y when the run started. Each pass before this one took 1 from y
// and this pass is the first whose countdown test failed, so r is the current y plus the
// number of earlier passes. It needs no box of its own.
double enteredR(double currentY, const Pass& pass) { return currentY + (pass.counter() - 1); }

// Answer <- C * ((z - w) / z)^(n - r) * (w / z)^r with C the count in Text3: of n trials
// with z equally likely outcomes, w of them favourable, exactly r succeed. All texts are
// fetched first; the intermediates then stay doubles, so a test here also sees an overflow
// raised by narrowing an earlier intermediate. Only the result is written.
void writeTwoOutcomesAnswer(Fields& fields, const Pass& pass) {
    const FetchedText z1 = fields.fetch(TextBox::z);
    const FetchedText w1 = fields.fetch(TextBox::w);
    const FetchedText z2 = fields.fetch(TextBox::z);
    const FetchedText x = fields.fetch(TextBox::x);
    const FetchedText y = fields.fetch(TextBox::y);
    const FetchedText w2 = fields.fetch(TextBox::w);
    const FetchedText z3 = fields.fetch(TextBox::z);
    const FetchedText yForR = fields.fetch(TextBox::y);
    const FetchedText count = fields.fetch(TextBox::Text3);
    FaultFlags& flags = fields.flags();

    const double remainingX = fields.convert(x);
    const double remainingY = fields.convert(y);
    const double failures = narrow(guardedSub(remainingX, remainingY, flags), flags);  // n - r
    const double outcomes = fields.convert(z1);
    const double favourable = fields.convert(w1);
    const double unfavourable = narrow(guardedSub(outcomes, favourable, flags), flags);
    const double failureChance = narrow(guardedDiv(unfavourable, fields.convert(z2), flags), flags);
    const double failureFactor = power(failureChance, failures, flags);
    const double combinations = fields.convert(count);
    const double partial = narrow(guardedMul(combinations, failureFactor, flags), flags);
    const double successes = enteredR(fields.convert(yForR), pass);
    const double successOutcomes = fields.convert(w2);
    const double successChance = narrow(guardedDiv(successOutcomes, fields.convert(z3), flags), flags);
    const double successFactor = power(successChance, successes, flags);
    fields.writeNumber(TextBox::a, guardedMul(successFactor, partial, flags));
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

void twoOutcomesStep(Fields& fields, Pass& pass) {
    constexpr Quotient kCount{.numerator = TextBox::Text1, .denominator = TextBox::Text2};
    if (accumulatePass(fields, pass, kCount)) return;
    storeQuotient(fields, TextBox::Text3, kCount);
    writeTwoOutcomesAnswer(fields, pass);
    pass.finish();
}

}  // namespace combicalc
