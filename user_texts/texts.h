#pragma once

// Every text the program composes for its user, in English, in one place: the reports, the
// words for the boxes, and what a screen reader is told. Each is marked for translation
// (user_texts/translation.h) and read through translated(); %1, %2 ... are its arguments.
// The controls' own captions and texts are the window's data, never translated.

#include "user_texts/translation.h"

namespace combicalc::texts {

// Reports that end a run.
inline constexpr const char* kConversionError = COMBICALC_TEXT("Conversion error: %1 holds %2, which is not a number");
inline constexpr const char* kConversionErrorWithSeparator =
    COMBICALC_TEXT("Conversion error: %1 holds %2, which is not a number: write the decimal separator as \"%3\"");
inline constexpr const char* kTooManyDigits = COMBICALC_TEXT(
    "Too many digits: %1 holds %2, which has more than the 15 significant digits a box keeps, so the countdown would "
    "lose the rest: round it to 15 digits");
inline constexpr const char* kTooCloseToZero =
    COMBICALC_TEXT("Number too close to 0: %1 holds %2, which is nearer to 0 than the smallest number a box holds (about %3)");
inline constexpr const char* kQuote = COMBICALC_TEXT("\"%1\"");
// %1 is the start of a text too long to quote whole, ending in "…": the ellipsis stays with
// the text, on its side, in a text of either direction.
inline constexpr const char* kQuoteCut = COMBICALC_TEXT("\"%1\" (%2 characters)");
inline constexpr const char* kArithmeticFault = COMBICALC_TEXT("Arithmetic fault: %1");
inline constexpr const char* kInvalidOperation = COMBICALC_TEXT("invalid operation");
inline constexpr const char* kDivisionByZero = COMBICALC_TEXT("division by zero");
inline constexpr const char* kOverflow = COMBICALC_TEXT("overflow");
inline constexpr const char* kCountdownOverflow = COMBICALC_TEXT(
    "Overflow: a product of the countdown passed the largest number a box holds (about %1), so this result cannot be "
    "computed this way");
inline constexpr const char* kCountdownStalled = COMBICALC_TEXT(
    "Countdown stopped: n is too large beside r for the countdown to go on (n − r rounds to n), so this result cannot be "
    "computed this way");
inline constexpr const char* kCountdownStuck = COMBICALC_TEXT(
    "Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box keeps), so "
    "this result cannot be computed this way");
inline constexpr const char* kUnfinishedWithoutResult =
    COMBICALC_TEXT("Run not finished: the %1 countdown needs more than %2 passes, so Answer holds no result of this run");
inline constexpr const char* kUnfinishedWithProduct = COMBICALC_TEXT(
    "Run not finished: the %1 countdown needs more than %2 passes, so Answer holds the product after %2 passes, not the "
    "result");
// A call on a control failed; %1 is the control's name (Text1, Option2, ...).
inline constexpr const char* kCouldNotReadText = COMBICALC_TEXT("Control call error: could not read the text of %1");
inline constexpr const char* kCouldNotSetText = COMBICALC_TEXT("Control call error: could not set the text of %1");
inline constexpr const char* kCouldNotReadState = COMBICALC_TEXT("Control call error: could not read the state of %1");
inline constexpr const char* kCouldNotShowOrHide = COMBICALC_TEXT("Control call error: could not show or hide %1");

// The boxes as a report names them, and what each holds, as tooltips and screen readers say.
inline constexpr const char* kFirstInputBox = COMBICALC_TEXT("the first input box");
inline constexpr const char* kSecondInputBox = COMBICALC_TEXT("the second input box");
inline constexpr const char* kThirdInputBox = COMBICALC_TEXT("the third input box");
inline constexpr const char* kFourthInputBox = COMBICALC_TEXT("the fourth input box");
inline constexpr const char* kAnswerBox = COMBICALC_TEXT("the Answer box");
inline constexpr const char* kWorkingBox1 = COMBICALC_TEXT("a hidden working box (Text1)");
inline constexpr const char* kWorkingBox2 = COMBICALC_TEXT("a hidden working box (Text2)");
inline constexpr const char* kWorkingBox3 = COMBICALC_TEXT("a hidden working box (Text3)");
inline constexpr const char* kFirstInputHolds = COMBICALC_TEXT(
    "n: the number whose factorial is taken (Factorial), the number of items (nPr, nCr) or of trials (2 Outcomes)");
inline constexpr const char* kSecondInputHolds =
    COMBICALC_TEXT("r: how many items are chosen (nPr, nCr), or how many of the trials succeed (2 Outcomes)");
inline constexpr const char* kThirdInputHolds = COMBICALC_TEXT("2 Outcomes: how many equally likely outcomes one trial has");
inline constexpr const char* kFourthInputHolds = COMBICALC_TEXT("2 Outcomes: how many of those outcomes are favourable");
inline constexpr const char* kAnswerHolds = COMBICALC_TEXT("The result of the last run");

// What a screen reader is told.
inline constexpr const char* kNewAnswer = COMBICALC_TEXT("Answer %1");
inline constexpr const char* kNoNewAnswer = COMBICALC_TEXT("No new answer: Answer still shows %1");
inline constexpr const char* kModeGroup = COMBICALC_TEXT("Mode");
inline constexpr const char* kErrorReport = COMBICALC_TEXT("Error report");
// The error report's one button.
inline constexpr const char* kOk = COMBICALC_TEXT("OK");

}  // namespace combicalc::texts
