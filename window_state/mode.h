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

constexpr OptionButton optionFor(Mode mode) { return static_cast<OptionButton>(static_cast<std::uint8_t>(mode)); }

constexpr std::optional<Mode> modeOf(OptionButton option) {
    for (Mode mode : kModes) {
        if (optionFor(mode) == option) return mode;
    }
    return std::nullopt;
}

}  // namespace combicalc
