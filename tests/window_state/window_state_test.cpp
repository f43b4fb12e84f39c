#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "window_state/controls.h"
#include "window_state/memory_store.h"
#include "window_state/mode.h"

namespace combicalc {
namespace {

TEST(ControlTable, NamesAndTabStopsAreUnique) {
    std::set<std::string_view> names;
    std::set<int> tabStops;
    for (const ControlRow& row : kControls) {
        names.insert(row.name);
        tabStops.insert(row.tabIndex);
    }
    EXPECT_EQ(names.size(), kControls.size());
    EXPECT_EQ(tabStops.size(), kControls.size());
    EXPECT_EQ(*tabStops.begin(), 0);
    EXPECT_EQ(*tabStops.rbegin(), 15);
}

TEST(ControlTable, ScratchBoxesAloneStartHidden) {
    for (const ControlRow& row : kControls) {
        const bool scratch = row.name == "Text1" || row.name == "Text2" || row.name == "Text3";
        EXPECT_EQ(row.initiallyVisible, !scratch) << row.name;
    }
}

TEST(ControlTable, EveryControlFitsTheClientHeight) {
    for (const ControlRow& row : kControls) {
        EXPECT_LE(row.geometry.top + row.geometry.height, kClientHeightTwips) << row.name;
        EXPECT_EQ(row.geometry.height, 495) << row.name;
    }
}

TEST(MemoryStore, StartsFromTheTable) {
    MemoryStore store;
    // In the order of the TextBox enumerators: x, y, z, w, a, Text1, Text2, Text3.
    const char* const initial[kTextBoxCount] = {"Field 1", "Field 2", "Field 3", "Field 4", "Answer", "Text1", "Text2", "Text3"};
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        EXPECT_EQ(store.getText(static_cast<TextBox>(i)), initial[i]) << nameOf(static_cast<TextBox>(i));
    }
    EXPECT_FALSE(store.isVisible(TextBox::Text1));
    EXPECT_TRUE(store.isVisible(TextBox::w));
    for (std::size_t i = 0; i < kOptionCount; ++i) EXPECT_FALSE(store.isSelected(static_cast<OptionButton>(i)));
}

TEST(MemoryStore, HiddenBoxKeepsWhatIsWritten) {
    MemoryStore store;
    store.setText(TextBox::Text2, "");
    EXPECT_EQ(store.getText(TextBox::Text2), "");
    store.setText(TextBox::Text2, "7.5");
    store.setVisible(TextBox::Text2, false);
    EXPECT_EQ(store.getText(TextBox::Text2), "7.5");
    store.setVisible(TextBox::x, false);
    EXPECT_EQ(store.getText(TextBox::x), "Field 1");
}

TEST(OptionGroup, SelectingOneClearsTheOthers) {
    MemoryStore store;
    store.select(OptionButton::Option3);
    store.select(OptionButton::Option6);
    EXPECT_FALSE(store.isSelected(OptionButton::Option3));
    EXPECT_TRUE(store.isSelected(OptionButton::Option6));
    EXPECT_EQ(modeOf(*store.selected()), std::nullopt);
}

TEST(Mode, FirstFourOptionsSelectTheModes) {
    EXPECT_EQ(modeOf(OptionButton::Option1), Mode::Factorial);
    EXPECT_EQ(modeOf(OptionButton::Option2), Mode::nPr);
    EXPECT_EQ(modeOf(OptionButton::Option3), Mode::nCr);
    EXPECT_EQ(modeOf(OptionButton::Option4), Mode::TwoOutcomes);
    for (OptionButton inert : {OptionButton::Option5, OptionButton::Option6, OptionButton::Option7}) {
        EXPECT_EQ(modeOf(inert), std::nullopt);
    }
    for (Mode mode : kModes) EXPECT_EQ(modeOf(optionFor(mode)), mode);
    EXPECT_EQ(rowOf(optionFor(Mode::TwoOutcomes)).initialText, "2 Outcomes");
}

}  // namespace
}  // namespace combicalc
