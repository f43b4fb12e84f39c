#include "user_texts/unicode_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace combicalc {
namespace {

struct Utf8Case {
    const char* name;
    std::string_view bytes;
    std::optional<char32_t> character;  // nothing: ill-formed, and nothing taken
};

class Utf8Decoding : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Decoding, TakesOneWellFormedCharacter) {
    const Utf8Case& row = GetParam();
    std::string_view rest = row.bytes;
    EXPECT_EQ(takeCharacter(rest), row.character);
    EXPECT_EQ(rest.size(), row.character ? 1U : row.bytes.size()) << "bytes left";  // a well-formed row has one byte after it
}

INSTANTIATE_TEST_SUITE_P(Forms,
                         Utf8Decoding,
                         ::testing::Values(Utf8Case{"Ascii", "5.", U'5'},
                                           Utf8Case{"TwoBytes", "\xC3\xA9.", U'\u00E9'},
                                           Utf8Case{"ThreeBytes", "\xEF\xBC\x95.", U'\uFF15'},
                                           Utf8Case{"FourBytes", "\xF0\x9F\x98\x80.", U'\U0001F600'},
                                           Utf8Case{"LastCharacter", "\xF4\x8F\xBF\xBF.", U'\U0010FFFF'},
                                           Utf8Case{"StrayContinuation", "\x80.", std::nullopt},
                                           Utf8Case{"LeadC0", "\xC0\xAF.", std::nullopt},
                                           Utf8Case{"LeadC1", "\xC1\xBF.", std::nullopt},
                                           Utf8Case{"OverlongThree", "\xE0\x80\xAF.", std::nullopt},
                                           Utf8Case{"OverlongFour", "\xF0\x8F\xBF\xBF.", std::nullopt},
                                           Utf8Case{"Surrogate", "\xED\xA0\x80.", std::nullopt},
                                           Utf8Case{"PastLastCharacter", "\xF4\x90\x80\x80.", std::nullopt},
                                           Utf8Case{"LeadF5", "\xF5\x80\x80\x80.", std::nullopt},
                                           Utf8Case{"LeadFF", "\xFF\xBC\x95.", std::nullopt},
                                           Utf8Case{"CutShort", "\xE2\x82.", std::nullopt},
                                           Utf8Case{"CutShortAtEnd", "\xF0\x9F\x98", std::nullopt}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace combicalc
