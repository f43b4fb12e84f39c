#include "compute/run.h"

#include "compute/fields.h"
#include "compute/mode_steps.h"
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

void run(FieldStore& store, std::string_view decimalSeparator) {
    Fields fields(store, decimalSeparator);
    for (Pass pass; pass.withinBudget(); pass.next()) {
        for (Mode mode : kModes) {
            if (fields.isSelected(optionFor(mode))) stepOf(mode)(fields, pass);
        }
    }
    for (TextBox input : {TextBox::x, TextBox::y, TextBox::z, TextBox::w}) fields.setText(input, placeholderOf(input));
}

}  // namespace combicalc
