#pragma once

// The four working modes and the option buttons that select them. Option5..Option7
// ("At least", "At Most", "Binomial Thoerem") select no mode.

#include <array>
#include <cstdint>
#include <optional>

#include "window_state/controls.h"

namespace combicalc {

enum class Mode : std::uint8_t { Factorial, nPr, nCr, TwoOutcomes };

// In the order a run asks for them on every pass.
inline constexpr std::array<Mode, 4> kModes{Mode::Factorial, Mode::nPr, Mode::nCr, Mode::TwoOutcomes};

// The option button that selects each mode, paired by name: the enumerators' positions
// mean nothing, so that reordering either enum cannot give a mode another one's button.
struct ModeOption {
    Mode mode;
    OptionButton option;
};
inline constexpr std::array<ModeOption, 4> kModeOptions{{
    {Mode::Factorial, OptionButton::Option1},
    {Mode::nPr, OptionButton::Option2},
    {Mode::nCr, OptionButton::Option3},
    {Mode::TwoOutcomes, OptionButton::Option4},
}};

constexpr OptionButton optionFor(Mode mode) {
    for (const ModeOption& row : kModeOptions) {
        if (row.mode == mode) return row.option;
    }
    return kModeOptions.front().option;  // unreachable: every mode has a row (checked below)
}

constexpr std::optional<Mode> modeOf(OptionButton option) {
    for (const ModeOption& row : kModeOptions) {
        if (row.option == option) return row.mode;
    }
    return std::nullopt;
}

namespace detail {
constexpr bool everyModeHasAnOptionOfItsOwn() {
    for (Mode mode : kModes) {
        if (modeOf(optionFor(mode)) != mode) return false;
    }
    return true;
}
static_assert(everyModeHasAnOptionOfItsOwn());
}  // namespace detail

}  // namespace combicalc
