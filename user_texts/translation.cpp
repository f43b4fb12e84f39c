#include "user_texts/translation.h"

#include <cstddef>

namespace combicalc {

namespace {

Translation installed = nullptr;

}  // namespace

void installTranslation(Translation translation) { installed = translation; }

std::string translated(const char* english) { return installed != nullptr ? installed(kTextContext, english) : english; }

std::string translated(const char* englishPattern, std::initializer_list<std::string_view> arguments) {
    const std::string pattern = translated(englishPattern);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto argument = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && argument < arguments.size()) {
            text.append(arguments.begin()[argument]);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace combicalc
