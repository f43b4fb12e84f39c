#include "window_state/mode_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/store_decorators.h"
#include "window_state/memory_store.h"

namespace combicalc {
namespace {

struct Shown {
    Mode mode;
    const char* inputs;  // the shown input boxes among x, y, z, w
};

std::string shownInputs(const MemoryStore& store) {
    std::string shown;
    for (TextBox box : kInputBoxes) {
        if (store.isVisible(box)) shown += nameOf(box);
    }
    return shown;
}

class ModeSelection : public ::testing::TestWithParam<Shown> {};

TEST_P(ModeSelection, SetsAllFourInputsInOrderAndNothingElse) {
    MemoryStore store;
    store.setVisible(TextBox::y, false);  // whatever an earlier click left
    store.setText(TextBox::z, "typed");
    test_support::WatchingStore watched(store);
    selectMode(watched, GetParam().mode);
    EXPECT_EQ(watched.actions(),
              (std::vector<std::string>{"show or hide box x", "show or hide box y", "show or hide box z", "show or hide box w"}));
    EXPECT_EQ(shownInputs(store), GetParam().inputs);
    EXPECT_EQ(store.getText(TextBox::z), "typed");
    EXPECT_TRUE(store.isVisible(TextBox::a));
    EXPECT_FALSE(store.isVisible(TextBox::Text1));
}

INSTANTIATE_TEST_SUITE_P(Modes,
                         ModeSelection,
                         ::testing::Values(Shown{Mode::Factorial, "x"},
                                           Shown{Mode::nPr, "xy"},
                                           Shown{Mode::nCr, "xy"},
                                           Shown{Mode::TwoOutcomes, "xyzw"}),
                         [](const auto& row) { return std::string(rowOf(optionFor(row.param.mode)).name); });

TEST(ModeSelection, AFailedCallKeepsTheBoxesAlreadyChanged) {
    MemoryStore store;
    test_support::WatchingStore failing(store, 3);
    EXPECT_THROW(selectMode(failing, Mode::Factorial), ControlCallError);
    EXPECT_EQ(shownInputs(store), "xzw");  // y hidden, then the call on z failed
}

}  // namespace
}  // namespace combicalc
