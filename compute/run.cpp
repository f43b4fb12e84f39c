#include "compute/run.h"

#include <exception>

#include "compute/fields.h"
#include "compute/mode_steps.h"
#include "compute/pass.h"
#include "user_texts/errors.h"
#include "window_state/mode.h"

namespace combicalc {

namespace {

using Step = void (*)(Fields&, Pass&);

constexpr Step stepOf(Mode mode) {
    switch (mode) {
        case Mode::Factorial: return factorialStep;
        case Mode::nPr: return nPrStep;
        case Mode::nCr: return nCrStep;
        case Mode::TwoOutcomes: return twoOutcomesStep;
    }
    return nullptr;
}

}  // namespace

void run(FieldStore& store, const Notation& notation) {
    Fields fields(store, notation);
    Pass pass;
    bool lastPassStepped = false;  // whether a mode's step ran on the latest pass, and which
    Mode lastMode = Mode::Factorial;
    for (; pass.withinBudget(); pass.next()) {
        lastPassStepped = false;
        for (Mode mode : kModes) {
            if (!fields.isSelected(optionFor(mode))) continue;
            stepOf(mode)(fields, pass);
            lastPassStepped = true;
            lastMode = mode;
        }
    }
    // A countdown the budget cut short is found out after the last pass, and whatever that finds
    // is reported as the run's end, with the inputs reset first.
    bool unfinished = false;
    std::exception_ptr stalled;
    try {
        unfinished = lastPassStepped && !pass.finished() && answerLacksResult(fields, lastMode);
    } catch (const CountdownStalled&) {
        stalled = std::current_exception();
    }
    for (TextBox input : kInputBoxes) fields.setText(input, placeholderOf(input));
    if (stalled) std::rethrow_exception(stalled);
    if (unfinished) throw UnfinishedRun(lastMode, Pass::kBudget, answerHoldsPartialProduct(lastMode));
}

}  // namespace combicalc
