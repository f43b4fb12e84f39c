#pragma once

// The text boxes in the user's words: the name a report gives each box, and what it holds
// in each mode, which tooltips and screen readers tell. The hidden working boxes are never
// seen, so they have no description.

#include <array>

#include "user_texts/texts.h"
#include "window_state/controls.h"

namespace combicalc {

struct BoxWords {
    const char* userName;     // English, for translated()
    const char* description;  // English, for translated(); null for the hidden boxes
};

// In the order of the TextBox enumerators.
inline constexpr std::array<BoxWords, kTextBoxCount> kBoxWords{{
    {texts::kFirstInputBox, texts::kFirstInputHolds},
    {texts::kSecondInputBox, texts::kSecondInputHolds},
    {texts::kThirdInputBox, texts::kThirdInputHolds},
    {texts::kFourthInputBox, texts::kFourthInputHolds},
    {texts::kAnswerBox, texts::kAnswerHolds},
    {texts::kWorkingBox1, nullptr},
    {texts::kWorkingBox2, nullptr},
    {texts::kWorkingBox3, nullptr},
}};

constexpr const BoxWords& wordsFor(TextBox box) { return kBoxWords[indexOf(box)]; }

}  // namespace combicalc
