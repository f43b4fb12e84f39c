#pragma once

#include "window_state/field_store.h"
#include "window_state/mode.h"

namespace combicalc {

// What a click on a working option does: shows the input boxes the mode reads and hides the
// others, always all four, in the order x, y, z, w. It changes no text. nCr hides z and w
// although its runs write into them: there they are scratch boxes, not inputs.
void selectMode(FieldStore& store, Mode mode);

}  // namespace combicalc
