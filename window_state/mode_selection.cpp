#include "window_state/mode_selection.h"

namespace combicalc {

namespace {

struct InputVisibility {
    bool x, y, z, w;
};

constexpr InputVisibility inputsOf(Mode mode) {
    switch (mode) {
        case Mode::Factorial: return {true, false, false, false};
        case Mode::nPr:
        case Mode::nCr: return {true, true, false, false};
        case Mode::TwoOutcomes: return {true, true, true, true};
    }
    return {true, true, true, true};
}

}  // namespace

void selectMode(FieldStore& store, Mode mode) {
    const InputVisibility shown = inputsOf(mode);
    store.setVisible(TextBox::x, shown.x);
    store.setVisible(TextBox::y, shown.y);
    store.setVisible(TextBox::z, shown.z);
    store.setVisible(TextBox::w, shown.w);
}

}  // namespace combicalc
