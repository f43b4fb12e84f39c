#pragma once

// Texts the user reads, in the user's language. Each English text is marked with
// COMBICALC_TEXT in user_texts/texts.h, which stands for the text itself and which Qt's
// lupdate collects (see translations/); translated() gives it in the user's language once
// the window's layer has installed a translation, and the English text until then.
// Patterns number their arguments, %1 to %9, so that a translation may order them as its
// language needs.
//
// A translation written right to left (Arabic) starts with a right-to-left mark, so that it
// is laid out right to left even where it begins with a Latin word, and each argument is
// isolated (U+2068 ... U+2069), so that a Latin caption or a number keeps its own order
// inside it ("2 Outcomes" stays "2 Outcomes").

#include <initializer_list>
#include <string>
#include <string_view>

#define COMBICALC_TEXT(text) text

namespace combicalc {

// The context lupdate files the marked texts under: the namespace they stand in.
inline constexpr const char* kTextContext = "combicalc::texts";

using Translation = std::string (*)(const char* context, const char* english);
// A number written with ASCII digits and "." ("1.8E+308") as the user's locale writes it.
using NumberWriter = std::string (*)(std::string_view plain);

void installTranslation(Translation translation, NumberWriter numbers = nullptr);

std::string translated(const char* english);

// The translated pattern with %1, %2 ... replaced by the arguments in turn.
std::string translated(const char* englishPattern, std::initializer_list<std::string_view> arguments);

// `plain` in the user's digits and decimal separator, once a number writer is installed.
std::string localNumber(std::string_view plain);

// `text` with a right-to-left mark in front where it holds a letter of a script written right
// to left (Hebrew, Arabic, ...), so that it is laid out right to left whatever its first word.
std::string withItsDirection(std::string text);

}  // namespace combicalc
