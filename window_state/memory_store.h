#pragma once

// The window's state without a window: texts, visibility and the option group, created
// from the control table. The computation's tests, the replay tool, the benchmarks and
// the fuzzers run on it.

#include <array>
#include <optional>
#include <string>

#include "window_state/field_store.h"

namespace combicalc {

class MemoryStore final : public FieldStore {
public:
    MemoryStore();

    std::string getText(TextBox box) override;
    void setText(TextBox box, std::string_view text) override;
    bool isSelected(OptionButton option) override;
    void setVisible(TextBox box, bool visible) override;

    // The user's side of the window: what a click on an option or typing into a box does.
    // Selecting an option clears the others; std::nullopt clears them all.
    void select(std::optional<OptionButton> option) { selected_ = option; }
    std::optional<OptionButton> selected() const { return selected_; }
    bool isVisible(TextBox box) const { return visible_[indexOf(box)]; }

private:
    std::array<std::string, kTextBoxCount> texts_;
    std::array<bool, kTextBoxCount> visible_{};
    std::optional<OptionButton> selected_;  // none at start
};

}  // namespace combicalc
