#include "compute/run.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/run_case.h"
#include "tests/support/store_decorators.h"
#include "user_texts/errors.h"

namespace combicalc {
namespace {

using test_support::runOn;
using test_support::runWith;
using test_support::windowWith;

const test_support::Typed kEveryBoxTyped = {{TextBox::x, "5"},
                                            {TextBox::y, "2"},
                                            {TextBox::z, "2"},
                                            {TextBox::w, "1"},
                                            {TextBox::a, "42"},
                                            {TextBox::Text1, "t1"},
                                            {TextBox::Text2, "t2"},
                                            {TextBox::Text3, "t3"}};

class WithoutAMode : public ::testing::TestWithParam<std::optional<OptionButton>> {};

TEST_P(WithoutAMode, MakesEveryPassAndOnlyResetsTheInputs) {
    const auto outcome = runWith(GetParam(), kEveryBoxTyped);
    EXPECT_EQ(outcome.kind, "ok");
    EXPECT_EQ(outcome.passes, 1000U);
    EXPECT_EQ(outcome.texts, (test_support::BoxTexts{"Field 1", "Field 2", "Field 3", "Field 4", "42", "t1", "t2", "t3"}));
}

INSTANTIATE_TEST_SUITE_P(Options,
                         WithoutAMode,
                         ::testing::Values(std::nullopt, OptionButton::Option5, OptionButton::Option6, OptionButton::Option7),
                         [](const auto& row) { return row.param ? std::string(nameOf(*row.param)) : std::string("None"); });

TEST(Run, FailureEndsTheRunWithoutReset) {
    const auto outcome = runWith(OptionButton::Option2, {{TextBox::x, "5"}, {TextBox::y, "two"}, {TextBox::z, "9"}});
    EXPECT_EQ(outcome.kind, "conversion");
    EXPECT_EQ(outcome.message, "Conversion error: the second input box holds \"two\", which is not a number");
    EXPECT_EQ(outcome.passes, 1U);
    EXPECT_EQ(outcome.text(TextBox::a), "1");  // the first-pass value was written before the test
    EXPECT_EQ(outcome.text(TextBox::x), "5");
    EXPECT_EQ(outcome.text(TextBox::y), "two");
    EXPECT_EQ(outcome.text(TextBox::z), "9");
}

// What is found when the budget has run out ends the run like its end: the inputs are reset
// before the report, whichever report it is.
TEST(Run, ReportsAfterTheLastPassFollowTheReset) {
    const struct {
        const char* y;
        const char* kind;
    } rows[] = {{"1000.00000000001", "countdown-stalled"}, {"2000", "unfinished"}};
    for (const auto& row : rows) {
        const auto outcome = runWith(OptionButton::Option2, {{TextBox::x, "1000000"}, {TextBox::y, row.y}});
        EXPECT_EQ(outcome.kind, row.kind) << row.y;
        EXPECT_EQ(outcome.passes, 1000U) << row.y;
        EXPECT_EQ(outcome.text(TextBox::x), "Field 1") << row.y;
        EXPECT_EQ(outcome.text(TextBox::y), "Field 2") << row.y;
    }
}

TEST(Run, FailureOnALaterPassKeepsThatPassesWork) {
    // 2 Outcomes reads z only on its finishing pass: the placeholder left in it fails after
    // the whole countdown, with the scratch boxes already written.
    const auto outcome = runWith(OptionButton::Option4, {{TextBox::x, "5"}, {TextBox::y, "2"}, {TextBox::w, "1"}});
    EXPECT_EQ(outcome.kind, "conversion");
    EXPECT_EQ(outcome.passes, 3U);
    EXPECT_EQ(outcome.text(TextBox::Text3), "10");
    EXPECT_EQ(outcome.text(TextBox::x), "3");
    EXPECT_EQ(outcome.text(TextBox::y), "0");
    EXPECT_EQ(outcome.text(TextBox::z), "Field 3");
}

TEST(Run, AgainWithoutNewInputFailsOnThePlaceholders) {
    MemoryStore store = windowWith(OptionButton::Option1, {{TextBox::x, "5"}});
    ASSERT_EQ(runOn(store).kind, "ok");
    EXPECT_EQ(store.getText(TextBox::a), "120");
    const auto again = runOn(store);
    EXPECT_EQ(again.kind, "conversion");
    EXPECT_EQ(again.message, "Conversion error: the first input box holds \"Field 1\", which is not a number");
    EXPECT_EQ(again.text(TextBox::a), "1");
}

TEST(Run, FindsTheModeAfreshOnEveryPass) {
    // A store whose selection moves from Factorial to nothing after the first pass: the
    // second pass must ask again and do nothing.
    class SwitchingStore final : public FieldStore {
    public:
        MemoryStore inner = windowWith(OptionButton::Option1, {{TextBox::x, "5"}});
        int asked = 0;
        std::string getText(TextBox box) override { return inner.getText(box); }
        void setText(TextBox box, std::string_view text) override { inner.setText(box, text); }
        void setVisible(TextBox box, bool visible) override { inner.setVisible(box, visible); }
        bool isSelected(OptionButton option) override {
            if (option == OptionButton::Option1 && ++asked == 2) inner.select(std::nullopt);
            return inner.isSelected(option);
        }
    } store;
    run(store, ".");
    EXPECT_EQ(store.asked, 1000);
    EXPECT_EQ(store.inner.getText(TextBox::a), "5");
}

struct FailingCallCase {
    const char* name;
    OptionButton option;
    test_support::Typed typed;
};

class ControlCallFailure : public ::testing::TestWithParam<FailingCallCase> {};

// Whichever call fails, the run stops there: every text written before it stays, nothing
// after it is written, in particular no placeholder, and the next run works as usual.
TEST_P(ControlCallFailure, KeepsEveryEarlierWriteAndNothingLater) {
    MemoryStore reference = windowWith(GetParam().option, GetParam().typed);
    const test_support::BoxTexts before = test_support::textsOf(reference);
    test_support::WatchingStore clean(reference);
    run(clean, ".");
    ASSERT_GT(clean.calls(), 10U);

    for (std::size_t k = 1; k <= clean.calls(); ++k) {
        MemoryStore store = windowWith(GetParam().option, GetParam().typed);
        test_support::WatchingStore failing(store, k);
        EXPECT_THROW(run(failing, "."), ControlCallError) << "call " << k;

        test_support::BoxTexts expected = before;
        for (const test_support::Write& write : clean.writes()) {
            if (write.call < k) expected[indexOf(write.box)] = write.text;
        }
        EXPECT_EQ(test_support::textsOf(store), expected) << "call " << k;

        // The failure leaves nothing behind but texts: typed in again, the next run computes.
        for (const auto& [box, text] : GetParam().typed) store.setText(box, text);
        run(store, ".");
        EXPECT_EQ(store.getText(TextBox::a), reference.getText(TextBox::a)) << "run after call " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes,
                         ControlCallFailure,
                         ::testing::Values(FailingCallCase{"Factorial", OptionButton::Option1, {{TextBox::x, "4"}}},
                                           FailingCallCase{"nPr", OptionButton::Option2, {{TextBox::x, "5"}, {TextBox::y, "2"}}},
                                           FailingCallCase{"nCr", OptionButton::Option3, {{TextBox::x, "5"}, {TextBox::y, "2"}}},
                                           FailingCallCase{
                                               "TwoOutcomes",
                                               OptionButton::Option4,
                                               {{TextBox::x, "5"}, {TextBox::y, "2"}, {TextBox::z, "2"}, {TextBox::w, "1"}}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ErrorMessages, NameTheKindAndTheParticulars) {
    EXPECT_STREQ(ConversionError(TextBox::x, "Field 1").what(),
                 "Conversion error: the first input box holds \"Field 1\", which is not a number");
    EXPECT_STREQ(ConversionError(TextBox::a, "").what(), "Conversion error: the Answer box holds \"\", which is not a number");
    EXPECT_STREQ(ArithmeticFault(Fault::DivisionByZero).what(), "Arithmetic fault: division by zero");
    EXPECT_STREQ(ArithmeticFault(Fault::InvalidOperation).what(), "Arithmetic fault: invalid operation");
    EXPECT_STREQ(ArithmeticFault(Fault::Overflow).what(), "Arithmetic fault: overflow");
    EXPECT_STREQ(ControlCallError(ControlCall::SetText, "Text3").what(), "Control call error: could not set the text of Text3");
    EXPECT_STREQ(ControlCallError(ControlCall::ShowOrHide, "z").what(), "Control call error: could not show or hide z");
    EXPECT_STREQ(CountdownOverflow().what(),
                 "Overflow: a product of the countdown passed the largest number a box holds (about 1.8E+308), so this "
                 "result cannot be computed this way");
    EXPECT_EQ(runWith(OptionButton::Option4, {{TextBox::x, "2000"}, {TextBox::y, "1500"}, {TextBox::z, "2"}, {TextBox::w, "1"}})
                  .message,
              "Run not finished: the 2 Outcomes countdown needs more than 1000 passes, so Answer holds no result of this run");
    EXPECT_EQ(runWith(OptionButton::Option2, {{TextBox::x, "10.5"}, {TextBox::y, "2000"}}).message,
              "Run not finished: the nPr countdown needs more than 1000 passes, so Answer holds the product after 1000 "
              "passes, not the result");
    EXPECT_STREQ(TooManyDigits(TextBox::y, "5.000000000000001").what(),
                 "Too many digits: the second input box holds \"5.000000000000001\", which has more than the 15 significant "
                 "digits a box keeps, so the countdown would lose the rest: round it to 15 digits");
    EXPECT_STREQ(NumberTooCloseToZero(TextBox::w, "1E-400").what(),
                 "Number too close to 0: the fourth input box holds \"1E-400\", which is nearer to 0 than the smallest "
                 "number a box holds (about 4.9E-324)");
    EXPECT_STREQ(CountdownStalled(Stall::nMinusOneIsN).what(),
                 "Countdown stopped: n is too large for the countdown to go on (n − 1 rounds to n in the 15 digits a box "
                 "keeps), so this result cannot be computed this way");
}

TEST(ErrorMessages, ShortenLongTextsBetweenCharacters) {
    std::string text;
    for (int i = 0; i < 30; ++i) text += "\xC3\xA9";  // 'é', two bytes each
    const std::string message = ConversionError(TextBox::y, text).what();
    EXPECT_EQ(
        message,
        "Conversion error: the second input box holds \"" + text.substr(0, 40) + "…\" (30 characters), which is not a number");
    const std::string huge(100000, '9');
    EXPECT_LT(std::string(ConversionError(TextBox::x, huge).what()).size(), 140U);
}

TEST(ErrorMessages, SpellOutWhatCannotBeSeen) {
    EXPECT_STREQ(ConversionError(TextBox::x, "5\n\t5\u00A0\u200E\xFF").what(),
                 "Conversion error: the first input box holds \"5\\n\\t5<U+00A0><U+200E>\\xFF\", which is not a number");
    EXPECT_STREQ(ConversionError(TextBox::x, "5\u00A00 \u202E1\xFF\xBC\x95").what(),
                 "Conversion error: the first input box holds \"5<U+00A0>0 <U+202E>1\\xFF\\xBC\\x95\", which is not a number");
}

}  // namespace
}  // namespace combicalc
