#pragma once

// The ways a handler can fail. Each ends the running handler at once; the window
// reports the message to the user. Messages are composed here and nowhere else, from the
// texts of user_texts/texts.h, in the user's language.

#include <stdexcept>
#include <string>
#include <string_view>

#include "window_state/controls.h"
#include "window_state/mode.h"

namespace combicalc {

class RunError : public std::runtime_error {
protected:
    explicit RunError(const std::string& message) : std::runtime_error(message) {}
};

// A box's text is not a number. `separatorToUse`, where given, is the decimal separator
// the text would be a number with, in place of the one it has.
class ConversionError final : public RunError {
public:
    ConversionError(TextBox box, std::string_view text, std::string_view separatorToUse = {});
};

// A number the countdown takes has more significant digits than the 15 a box keeps: writing
// it back counted down would drop the rest, and with them the factors they stand for.
class TooManyDigits final : public RunError {
public:
    TooManyDigits(TextBox box, std::string_view text);
};

// A box holds a number nearer to 0 than the smallest double but not 0, which would read as 0
// and take the countdown another way (or, negative, make a difference of a billion digits).
class NumberTooCloseToZero final : public RunError {
public:
    NumberTooCloseToZero(TextBox box, std::string_view text);
};

enum class Fault : unsigned char { InvalidOperation, DivisionByZero, Overflow };

// A guarded arithmetic step found a fault flag set.
class ArithmeticFault final : public RunError {
public:
    explicit ArithmeticFault(Fault fault);
    Fault fault() const { return fault_; }

private:
    Fault fault_;
};

// A finishing step met a product of the countdown that had passed the largest double and so
// was written as an infinite value: a result computed from it would be a wrong number shown
// as an answer.
class CountdownOverflow final : public RunError {
public:
    CountdownOverflow();
};

// The countdown cannot take the factors that are left, and an answer from those taken so far
// would be a wrong number: a countdown test failed while r was still above zero (n so large
// beside r that n - r rounds to n), or n - 1 written back rounds to n (n of 10^15 and more).
enum class Stall : unsigned char { nMinusRIsN, nMinusOneIsN };

class CountdownStalled final : public RunError {
public:
    explicit CountdownStalled(Stall stall);
};

// The `passes` of a run were used up before the countdown of `mode` ended. The report says
// what Answer holds: the product after those passes where `answerHoldsPartialProduct`,
// otherwise no result of this run.
class UnfinishedRun final : public RunError {
public:
    UnfinishedRun(Mode mode, int passes, bool answerHoldsPartialProduct);
};

// What a call on a control attempts.
enum class ControlCall : std::uint8_t { ReadText, SetText, ReadState, ShowOrHide };

// A call on a control failed: the report says what was attempted, on the control named.
class ControlCallError final : public RunError {
public:
    ControlCallError(ControlCall call, std::string_view controlName);
};

// Plain words for the user, e.g. "division by zero", in the user's language.
std::string describe(Fault fault);

}  // namespace combicalc
