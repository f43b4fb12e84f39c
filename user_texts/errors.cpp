#include "user_texts/errors.h"

#include <cstddef>
#include <cstdio>

#include "user_texts/box_words.h"
#include "user_texts/texts.h"
#include "user_texts/translation.h"
#include "user_texts/unicode_text.h"

namespace combicalc {

namespace {

// A whole pasted document must not flood the error report; the first characters are
// enough to recognise the text.
constexpr std::size_t kQuotedTextLimit = 40;

// What cannot be seen is spelled out, so that the quote shows what the box holds: "\n" for a
// line break, "<U+00A0>" for a no-break space (bracketed, so that a digit after it cannot
// read as part of its code), "\xFF" for each byte that is no UTF-8.
void appendVisibly(std::string& quote, std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    while (!text.empty()) {
        const std::string_view rest = text;
        const auto character = takeCharacter(text);
        if (!character) {
            const auto byte = static_cast<unsigned char>(text.front());
            quote.append("\\x").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xF]);
            text.remove_prefix(1);
        } else if (*character == '\n' || *character == '\t' || *character == '\r') {
            quote.append(*character == '\n' ? "\\n" : *character == '\t' ? "\\t" : "\\r");
        } else if (*character != ' ' && isInvisible(*character)) {
            char code[16];
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(*character));
            quote.append(code);
        } else {
            quote.append(rest.substr(0, rest.size() - text.size()));
        }
    }
}

// Texts are UTF-8: counts characters, not bytes, and cuts between characters.
std::string quoted(std::string_view text) {
    std::string visible;
    if (text.size() <= kQuotedTextLimit) {
        appendVisibly(visible, text);
        return translated(texts::kQuote, {visible});
    }
    std::size_t cut = kQuotedTextLimit;
    while (cut > 0 && isContinuationByte(text[cut])) --cut;
    std::size_t characters = 0;
    for (char c : text) characters += isContinuationByte(c) ? 0 : 1;
    appendVisibly(visible, text.substr(0, cut));
    visible += "…";
    return translated(texts::kQuoteCut, {visible, localNumber(std::to_string(characters))});
}

// A report on what a box holds: %1 names the box, %2 quotes its text, %3 is `detail`.
std::string inBoxMessage(const char* message, TextBox box, std::string_view text, std::string_view detail = {}) {
    return translated(message, {translated(wordsFor(box).userName), quoted(text), detail});
}

}  // namespace

std::string describe(Fault fault) {
    switch (fault) {
        case Fault::InvalidOperation: return translated(texts::kInvalidOperation);
        case Fault::DivisionByZero: return translated(texts::kDivisionByZero);
        case Fault::Overflow: return translated(texts::kOverflow);
    }
    return {};
}

ConversionError::ConversionError(TextBox box, std::string_view text, std::string_view separatorToUse)
    : RunError(separatorToUse.empty() ? inBoxMessage(texts::kConversionError, box, text)
                                      : inBoxMessage(texts::kConversionErrorWithSeparator, box, text, separatorToUse)) {}

TooManyDigits::TooManyDigits(TextBox box, std::string_view text) : RunError(inBoxMessage(texts::kTooManyDigits, box, text)) {}

// The smallest double, as the boxes would show it rounded to two digits.
NumberTooCloseToZero::NumberTooCloseToZero(TextBox box, std::string_view text)
    : RunError(inBoxMessage(texts::kTooCloseToZero, box, text, localNumber("4.9E-324"))) {}

ArithmeticFault::ArithmeticFault(Fault fault) : RunError(translated(texts::kArithmeticFault, {describe(fault)})), fault_(fault) {}

// The largest double, as the boxes would show it rounded to two digits.
CountdownOverflow::CountdownOverflow() : RunError(translated(texts::kCountdownOverflow, {localNumber("1.8E+308")})) {}

CountdownStalled::CountdownStalled(Stall stall)
    : RunError(translated(stall == Stall::nMinusRIsN ? texts::kCountdownStalled : texts::kCountdownStuck)) {}

UnfinishedRun::UnfinishedRun(Mode mode, int passes, bool answerHoldsPartialProduct)
    : RunError(translated(answerHoldsPartialProduct ? texts::kUnfinishedWithProduct : texts::kUnfinishedWithoutResult,
                          {rowOf(optionFor(mode)).initialText, localNumber(std::to_string(passes))})) {}

namespace {

const char* controlCallText(ControlCall call) {
    switch (call) {
        case ControlCall::ReadText: return texts::kCouldNotReadText;
        case ControlCall::SetText: return texts::kCouldNotSetText;
        case ControlCall::ReadState: return texts::kCouldNotReadState;
        case ControlCall::ShowOrHide: return texts::kCouldNotShowOrHide;
    }
    return texts::kCouldNotReadText;
}

}  // namespace

ControlCallError::ControlCallError(ControlCall call, std::string_view controlName)
    : RunError(translated(controlCallText(call), {controlName})) {}

}  // namespace combicalc
