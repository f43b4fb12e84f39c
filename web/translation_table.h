#pragma once

// The program's translations for the page, generated at build time from the same .ts files
// the desktop program's are compiled from (translation_table.py).

#include <span>
#include <string_view>

namespace combicalc {

struct TranslatedText {
    const char* context;
    const char* english;
    const char* translation;
};

struct TranslatedLanguage {
    std::string_view code;  // as the .ts file names it: "de", "pt_BR"
    std::span<const TranslatedText> texts;
};

std::span<const TranslatedLanguage> translatedLanguages();

}  // namespace combicalc
