#include "window_state/memory_store.h"

namespace combicalc {

MemoryStore::MemoryStore() {
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        const ControlRow& row = rowOf(static_cast<TextBox>(i));
        texts_[i] = row.initialText;
        visible_[i] = row.initiallyVisible;
    }
}

std::string MemoryStore::getText(TextBox box) { return texts_[indexOf(box)]; }

void MemoryStore::setText(TextBox box, std::string_view text) { texts_[indexOf(box)].assign(text); }

bool MemoryStore::isSelected(OptionButton option) { return selected_ == option; }

void MemoryStore::setVisible(TextBox box, bool visible) { visible_[indexOf(box)] = visible; }

}  // namespace combicalc
