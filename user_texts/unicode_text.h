#pragma once

// What the program knows of Unicode text held as UTF-8: where its characters are, which of
// them a user cannot see, and which are digits and minus signs.

#include <optional>
#include <string_view>

namespace combicalc {

// The character at the front of `text`, which it then leaves out; nothing, leaving `text`
// as it was, where the front is not well-formed UTF-8 (a stray continuation byte, a lead
// byte C0, C1 or F5 to FF, an over-long form, a surrogate, a value past U+10FFFF, or a
// sequence cut short).
std::optional<char32_t> takeCharacter(std::string_view& text);

// Whether the byte continues a character rather than starting one.
constexpr bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; }

// Characters that show as nothing or as blank space, and so may stand around a number
// unnoticed: the ASCII blanks and control characters, the Unicode spaces, zero-width
// characters, the direction marks LRM, RLM and ALM, and the byte-order mark.
bool isBlank(char32_t character);

// The embeddings, overrides and isolates (U+202A to U+202E, U+2066 to U+2069): they reorder
// what the box shows, so that "123" can show as "321". No number may hold them.
bool isDirectionControl(char32_t character);

// What a report must spell out to be seen: the blanks and the direction controls.
inline bool isInvisible(char32_t character) { return isBlank(character) || isDirectionControl(character); }

// The decimal digit (0 to 9) that `character` is in any script, or nothing.
std::optional<int> digitValue(char32_t character);

// The minus sign U+2212 and the full-width hyphen-minus U+FF0D, which read as '-'.
bool isMinusSign(char32_t character);

}  // namespace combicalc
