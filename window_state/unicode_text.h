#pragma once

// The few things the program needs to know of Unicode text held as UTF-8: where its
// characters are, and which of them a user cannot see.

#include <optional>
#include <string>
#include <string_view>

namespace combicalc {

// The character at the front of `text`, which it then leaves out; nothing, leaving `text`
// as it was, where the front is not well-formed UTF-8.
std::optional<char32_t> takeCharacter(std::string_view& text);

void appendUtf8(std::string& text, char32_t character);

// Characters that show as nothing or as blank space: the ASCII blanks and control
// characters, the Unicode spaces, zero-width characters, direction marks and embeddings,
// and the byte-order mark.
bool isInvisible(char32_t character);

}  // namespace combicalc
