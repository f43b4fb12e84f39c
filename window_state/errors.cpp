#include "window_state/errors.h"

#include <cstddef>

namespace combicalc {

namespace {

// A whole pasted document must not flood the error report; the first characters are
// enough to recognise the text.
constexpr std::size_t kQuotedTextLimit = 40;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Texts are UTF-8: counts characters, not bytes, and cuts between characters.
std::string quoted(std::string_view text) {
    std::string result = "\"";
    if (text.size() <= kQuotedTextLimit) {
        result.append(text).append("\"");
        return result;
    }
    std::size_t cut = kQuotedTextLimit;
    while (cut > 0 && isContinuationByte(text[cut])) --cut;
    std::size_t characters = 0;
    for (char c : text) characters += isContinuationByte(c) ? 0 : 1;
    result.append(text.substr(0, cut)).append("…\" (").append(std::to_string(characters)).append(" characters)");
    return result;
}

std::string conversionMessage(TextBox box, std::string_view text) {
    std::string message = "Conversion error: box ";
    message.append(nameOf(box)).append(" holds ").append(quoted(text)).append(", which is not a number");
    return message;
}

}  // namespace

std::string_view describe(Fault fault) {
    switch (fault) {
        case Fault::InvalidOperation: return "invalid operation";
        case Fault::DivisionByZero: return "division by zero";
        case Fault::Overflow: return "overflow";
    }
    return "unknown fault";
}

ConversionError::ConversionError(TextBox box, std::string_view text) : RunError(conversionMessage(box, text)), box_(box) {}

ArithmeticFault::ArithmeticFault(Fault fault)
    : RunError(std::string("Arithmetic fault: ").append(describe(fault))), fault_(fault) {}

ControlCallError::ControlCallError(std::string_view action)
    : RunError(std::string("Control call error: could not ").append(action)) {}

}  // namespace combicalc
