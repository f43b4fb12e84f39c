#pragma once

// The sixteen controls of the calculator's window, described once. The in-memory store, the
// Qt window and the web page are all built from this table, so every name, placeholder,
// caption, position and tab stop exists in exactly one place.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace combicalc {

// The eight text boxes. x, y, z, w are the inputs, a is the Answer box, Text1..Text3 are
// hidden scratch boxes of the "2 Outcomes" mode.
enum class TextBox : std::uint8_t { x, y, z, w, a, Text1, Text2, Text3 };
inline constexpr std::size_t kTextBoxCount = 8;

// The seven option buttons; Option1..Option4 select a working mode, the rest select none.
enum class OptionButton : std::uint8_t { Option1, Option2, Option3, Option4, Option5, Option6, Option7 };
inline constexpr std::size_t kOptionCount = 7;

// A text box's or option button's place in arrays kept for each of them.
constexpr std::size_t indexOf(TextBox box) { return static_cast<std::size_t>(box); }
constexpr std::size_t indexOf(OptionButton option) { return static_cast<std::size_t>(option); }

// The four input boxes, in the order a run writes their placeholders back.
inline constexpr std::array<TextBox, 4> kInputBoxes{TextBox::x, TextBox::y, TextBox::z, TextBox::w};

enum class ControlKind : std::uint8_t { TextBox, CommandButton, OptionButton };

// Positions and sizes are in twips, 1/1440 inch.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::size_t index;             // indexOf the TextBox or OptionButton; 0 for the command button
    std::string_view initialText;  // a text box's text, or a button's caption
    bool initiallyVisible;
    TwipRect geometry;
    int tabIndex;  // 0 receives the focus first
};

inline constexpr std::string_view kWindowTitle = "Form1";
inline constexpr int kClientWidthTwips = 3720;
inline constexpr int kClientHeightTwips = 4245;
inline constexpr int kTwipsPerInch = 1440;

// The most a text box holds, so that a pasted document is not laid out again at every cursor
// blink: a line edit's usual limit, far more than any number (kMaxNumberTextLength), and a
// cut text is still reported with its length.
inline constexpr int kMaxBoxTextLength = 32767;

// The START button is drawn larger than everything else, which uses the default font.
inline constexpr std::string_view kCommandFontFace = "MS Sans Serif";
inline constexpr double kCommandFontPoints = 13.5;
// The option captions are English in every language: drawn and measured in a Latin
// sans-serif (Debian's, then Windows' own), so that a Chinese or Japanese desktop's font, whose
// tall lines would shrink them to fit, only fills in what these lack.
inline constexpr std::array<std::string_view, 3> kCaptionFontFaces{"DejaVu Sans", "Tahoma", "Arial"};

// In the window's control-list order.
inline constexpr std::array<ControlRow, 16> kControls{{
    {"Text3", ControlKind::TextBox, indexOf(TextBox::Text3), "Text3", false, {1800, 600, 1215, 495}, 15},
    {"Text2", ControlKind::TextBox, indexOf(TextBox::Text2), "Text2", false, {2520, 0, 1215, 495}, 14},
    {"Text1", ControlKind::TextBox, indexOf(TextBox::Text1), "Text1", false, {1320, 0, 1215, 495}, 13},
    {"Command1", ControlKind::CommandButton, 0, "START", true, {1920, 2640, 1215, 495}, 12},
    {"a", ControlKind::TextBox, indexOf(TextBox::a), "Answer", true, {1320, 2160, 2415, 495}, 11},
    {"w", ControlKind::TextBox, indexOf(TextBox::w), "Field 4", true, {2520, 1560, 1215, 495}, 10},
    {"z", ControlKind::TextBox, indexOf(TextBox::z), "Field 3", true, {1320, 1560, 1215, 495}, 9},
    {"y", ControlKind::TextBox, indexOf(TextBox::y), "Field 2", true, {2520, 1080, 1215, 495}, 8},
    {"x", ControlKind::TextBox, indexOf(TextBox::x), "Field 1", true, {1320, 1080, 1215, 495}, 7},
    {"Option7", ControlKind::OptionButton, indexOf(OptionButton::Option7), "Binomial Thoerem", true, {0, 3600, 1215, 495}, 6},
    {"Option6", ControlKind::OptionButton, indexOf(OptionButton::Option6), "At Most", true, {0, 3000, 1215, 495}, 5},
    {"Option5", ControlKind::OptionButton, indexOf(OptionButton::Option5), "At least", true, {0, 2400, 1215, 495}, 4},
    {"Option4", ControlKind::OptionButton, indexOf(OptionButton::Option4), "2 Outcomes", true, {0, 1800, 1215, 495}, 3},
    {"Option3", ControlKind::OptionButton, indexOf(OptionButton::Option3), "nCr", true, {0, 1200, 1215, 495}, 2},
    {"Option2", ControlKind::OptionButton, indexOf(OptionButton::Option2), "nPr", true, {0, 600, 1215, 495}, 1},
    {"Option1", ControlKind::OptionButton, indexOf(OptionButton::Option1), "Factorial", true, {0, 0, 1215, 495}, 0},
}};

namespace detail {
constexpr const ControlRow& find(ControlKind kind, std::size_t index) {
    for (const ControlRow& row : kControls) {
        if (row.kind == kind && row.index == index) return row;
    }
    return kControls.front();  // unreachable: every enumerator has a row (checked below)
}
}  // namespace detail

constexpr const ControlRow& rowOf(TextBox box) { return detail::find(ControlKind::TextBox, indexOf(box)); }
constexpr const ControlRow& rowOf(OptionButton option) { return detail::find(ControlKind::OptionButton, indexOf(option)); }
constexpr const ControlRow& commandButtonRow() { return detail::find(ControlKind::CommandButton, 0); }

namespace detail {
constexpr bool everyControlHasItsRow() {
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        const ControlRow& row = rowOf(static_cast<TextBox>(i));
        if (row.kind != ControlKind::TextBox || row.index != i) return false;
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const ControlRow& row = rowOf(static_cast<OptionButton>(i));
        if (row.kind != ControlKind::OptionButton || row.index != i) return false;
    }
    return commandButtonRow().kind == ControlKind::CommandButton;
}
static_assert(everyControlHasItsRow());
}  // namespace detail

constexpr std::string_view nameOf(TextBox box) { return rowOf(box).name; }
constexpr std::string_view nameOf(OptionButton option) { return rowOf(option).name; }

// The option button whose name is `name` ("Option1" ... "Option7"), if any.
constexpr std::optional<OptionButton> optionNamed(std::string_view name) {
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (nameOf(static_cast<OptionButton>(i)) == name) return static_cast<OptionButton>(i);
    }
    return std::nullopt;
}

// The rows in tab order, which is also the order screen readers walk the controls in.
constexpr std::array<const ControlRow*, kControls.size()> controlsInTabOrder() {
    std::array<const ControlRow*, kControls.size()> rows{};
    for (const ControlRow& row : kControls) rows[static_cast<std::size_t>(row.tabIndex)] = &row;
    return rows;
}

namespace detail {
constexpr bool tabIndexesAreATabOrder() {
    for (const ControlRow* row : controlsInTabOrder()) {
        if (row == nullptr) return false;
    }
    return true;
}
static_assert(tabIndexesAreATabOrder(), "every tab index from 0 to 15 once");
}  // namespace detail

// From the window's corner to the far corner of the lowest option button: the option
// buttons' column, which holds them as one group, in the window's and the group's
// coordinates alike.
constexpr TwipRect optionColumn() {
    TwipRect column{0, 0, 0, 0};
    for (const ControlRow& row : kControls) {
        if (row.kind != ControlKind::OptionButton) continue;
        column.width = std::max(column.width, row.geometry.left + row.geometry.width);
        column.height = std::max(column.height, row.geometry.top + row.geometry.height);
    }
    return column;
}

// The text a run writes back into an input box when it ends is the box's initial text.
constexpr std::string_view placeholderOf(TextBox box) { return rowOf(box).initialText; }

}  // namespace combicalc
