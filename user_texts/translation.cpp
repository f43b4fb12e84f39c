#include "user_texts/translation.h"

#include <cstddef>

#include "user_texts/unicode_text.h"

namespace combicalc {

namespace {

Translation installedTranslation = nullptr;
NumberWriter installedNumbers = nullptr;

constexpr std::string_view kRightToLeftMark = "\u200F";
constexpr std::string_view kFirstStrongIsolate = "\u2068";
constexpr std::string_view kPopDirectionalIsolate = "\u2069";

bool isRightToLeft(std::string_view text) {
    while (!text.empty()) {
        const auto character = takeCharacter(text);
        if (!character) {
            text.remove_prefix(1);
            continue;
        }
        // Hebrew, Arabic, Syriac, Thaana, NKo, Samaritan, Mandaic and their presentation forms.
        const char32_t c = *character;
        if ((c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF)) return true;
    }
    return false;
}

}  // namespace

std::string withItsDirection(std::string text) {
    if (isRightToLeft(text) && !text.starts_with(kRightToLeftMark)) text.insert(0, kRightToLeftMark);
    return text;
}

void installTranslation(Translation translation, NumberWriter numbers) {
    installedTranslation = translation;
    installedNumbers = numbers;
}

std::string translated(const char* english) {
    return installedTranslation != nullptr ? withItsDirection(installedTranslation(kTextContext, english)) : english;
}

std::string translated(const char* englishPattern, std::initializer_list<std::string_view> arguments) {
    const std::string pattern = translated(englishPattern);
    const bool isolate = pattern.starts_with(kRightToLeftMark);  // a right-to-left translation
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto argument = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && argument < arguments.size()) {
            if (isolate) text.append(kFirstStrongIsolate);
            text.append(arguments.begin()[argument]);
            if (isolate) text.append(kPopDirectionalIsolate);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string localNumber(std::string_view plain) {
    return installedNumbers != nullptr ? installedNumbers(plain) : std::string(plain);
}

}  // namespace combicalc
