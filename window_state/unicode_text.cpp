#include "window_state/unicode_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace combicalc {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

}  // namespace

std::optional<char32_t> takeCharacter(std::string_view& text) {
    if (text.empty()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 1;
    char32_t character = lead;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        character = lead & 0x07U;
    } else if (lead >= 0xE0) {
        length = 3;
        character = lead & 0x0FU;
    } else if (lead >= 0xC2 && lead < 0xE0) {
        length = 2;
        character = lead & 0x1FU;
    } else if (lead >= 0x80) {
        return std::nullopt;
    }
    if (text.size() < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) return std::nullopt;
        character = (character << 6) | (byte & 0x3FU);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (character < kSmallest[length] || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) {
        return std::nullopt;
    }
    text.remove_prefix(length);
    return character;
}

void appendUtf8(std::string& text, char32_t character) {
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (character < 0x80) {
        text += byte(character);
    } else if (character < 0x800) {
        text += byte(0xC0 | (character >> 6));
        text += byte(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += byte(0xE0 | (character >> 12));
        text += byte(0x80 | ((character >> 6) & 0x3F));
        text += byte(0x80 | (character & 0x3F));
    } else {
        text += byte(0xF0 | (character >> 18));
        text += byte(0x80 | ((character >> 12) & 0x3F));
        text += byte(0x80 | ((character >> 6) & 0x3F));
        text += byte(0x80 | (character & 0x3F));
    }
}

bool isInvisible(char32_t character) {
    // Inclusive ranges, ascending.
    constexpr std::pair<char32_t, char32_t> kInvisible[] = {
        {0x0000, 0x0020},  // ASCII control characters and the space
        {0x007F, 0x00A0},  // DEL, the C1 controls, the no-break space
        {0x00AD, 0x00AD},  // soft hyphen
        {0x061C, 0x061C},  // Arabic letter mark
        {0x1680, 0x1680},  // Ogham space mark
        {0x180E, 0x180E},  // Mongolian vowel separator
        {0x2000, 0x200F},  // the typographic spaces, zero-width characters, LRM and RLM
        {0x2028, 0x202F},  // line and paragraph separators, embeddings, narrow no-break space
        {0x205F, 0x2064},  // medium mathematical space, word joiner, invisible operators
        {0x2066, 0x206F},  // isolates and deprecated format characters
        {0x3000, 0x3000},  // ideographic space
        {0xFEFF, 0xFEFF},  // byte-order mark
    };
    return std::any_of(std::begin(kInvisible), std::end(kInvisible), [character](const auto& range) {
        return character >= range.first && character <= range.second;
    });
}

}  // namespace combicalc
