#pragma once

// Texts the user reads, in the user's language. Each English text is marked with
// COMBICALC_TEXT in user_texts/texts.h, which stands for the text itself and which Qt's
// lupdate collects (see translations/); translated() gives it in the user's language once
// the window's layer has installed a translation, and the English text until then.
// Patterns number their arguments, %1 to %9, so that a translation may order them as its
// language needs.

#include <initializer_list>
#include <string>
#include <string_view>

#define COMBICALC_TEXT(text) text

namespace combicalc {

// The context lupdate files the marked texts under: the namespace they stand in.
inline constexpr const char* kTextContext = "combicalc::texts";

using Translation = std::string (*)(const char* context, const char* english);

void installTranslation(Translation translation);

std::string translated(const char* english);

// The translated pattern with %1, %2 ... replaced by the arguments in turn.
std::string translated(const char* englishPattern, std::initializer_list<std::string_view> arguments);

}  // namespace combicalc
