#include "user_texts/unicode_text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <utility>

#include "user_texts/unicode_digits.h"

namespace combicalc {

namespace {

// Inclusive ranges, ascending.
using Ranges = std::pair<char32_t, char32_t>;

template <std::size_t N>
bool within(const Ranges (&ranges)[N], char32_t character) {
    return std::any_of(std::begin(ranges), std::end(ranges), [character](const Ranges& range) {
        return character >= range.first && character <= range.second;
    });
}

// Bytes a well-formed sequence has, from its lead byte; 0 for a byte that cannot lead.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;  // a continuation byte, C0 and C1 (over-long by nature) or F5 to FF
}

}  // namespace

std::optional<char32_t> takeCharacter(std::string_view& text) {
    if (text.empty()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = sequenceLength(lead);
    if (length == 0 || text.size() < length) return std::nullopt;
    constexpr std::array<unsigned, 5> kLeadBits{0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t character = lead & kLeadBits[length];
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuationByte(text[i])) return std::nullopt;
        character = (character << 6) | (static_cast<unsigned char>(text[i]) & 0x3FU);
    }
    // Over-long forms, surrogates and values past U+10FFFF are not characters.
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (character < kSmallest[length] || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) {
        return std::nullopt;
    }
    text.remove_prefix(length);
    return character;
}

bool isBlank(char32_t character) {
    constexpr Ranges kBlanks[] = {
        {0x0000, 0x0020},  // ASCII control characters and the space
        {0x007F, 0x00A0},  // DEL, the C1 controls, the no-break space
        {0x00AD, 0x00AD},  // soft hyphen
        {0x061C, 0x061C},  // Arabic letter mark (ALM)
        {0x1680, 0x1680},  // Ogham space mark
        {0x180E, 0x180E},  // Mongolian vowel separator
        {0x2000, 0x200F},  // the typographic spaces, zero-width characters, LRM and RLM
        {0x2028, 0x2029},  // line and paragraph separators
        {0x202F, 0x202F},  // narrow no-break space
        {0x205F, 0x2064},  // medium mathematical space, word joiner, invisible operators
        {0x206A, 0x206F},  // deprecated format characters
        {0x3000, 0x3000},  // ideographic space
        {0xFEFF, 0xFEFF},  // byte-order mark
    };
    return within(kBlanks, character);
}

bool isDirectionControl(char32_t character) {
    constexpr Ranges kControls[] = {{0x202A, 0x202E}, {0x2066, 0x2069}};
    return within(kControls, character);
}

std::optional<int> digitValue(char32_t character) {
    const auto* after = std::upper_bound(std::begin(unicode_digits::kZeros), std::end(unicode_digits::kZeros), character);
    if (after == std::begin(unicode_digits::kZeros)) return std::nullopt;
    const char32_t offset = character - *(after - 1);
    if (offset >= 10) return std::nullopt;
    return static_cast<int>(offset);
}

bool isMinusSign(char32_t character) { return character == U'\u2212' || character == U'\uFF0D'; }

}  // namespace combicalc
