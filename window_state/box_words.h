#pragma once

// The text boxes in the user's words: the name a report gives each box, and what it holds
// in each mode, which tooltips and screen readers tell. The hidden working boxes are never
// seen, so they have no description.

#include <array>
#include <string_view>

#include "window_state/controls.h"

namespace combicalc {

struct BoxWords {
    std::string_view userName;
    std::string_view description;
};

// In the order of the TextBox enumerators.
inline constexpr std::array<BoxWords, kTextBoxCount> kBoxWords{{
    {"the first input box",
     "n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)"},
    {"the second input box", "r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)"},
    {"the third input box", "2 Outcomes: how many equally likely outcomes one trial has"},
    {"the fourth input box", "2 Outcomes: how many of those outcomes are favourable"},
    {"the Answer box", "The result of the last run"},
    {"a hidden working box (Text1)", ""},
    {"a hidden working box (Text2)", ""},
    {"a hidden working box (Text3)", ""},
}};

constexpr const BoxWords& wordsFor(TextBox box) { return kBoxWords[indexOf(box)]; }

}  // namespace combicalc
