#pragma once

// A store that wraps another to watch the calls a run makes, and to make one of them fail
// as a broken control would.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "user_texts/errors.h"
#include "window_state/field_store.h"

namespace combicalc::test_support {

using BoxTexts = std::array<std::string, kTextBoxCount>;

inline BoxTexts textsOf(FieldStore& store) {
    BoxTexts texts;
    for (std::size_t i = 0; i < kTextBoxCount; ++i) texts[i] = store.getText(static_cast<TextBox>(i));
    return texts;
}

struct Write {
    std::size_t call;  // 1-based number of the setText call among all calls
    TextBox box;
    std::string text;
};

class WatchingStore final : public FieldStore {
public:
    // The call numbered `failingCall` (1-based) throws ControlCallError instead of reaching
    // the store; 0 fails none.
    explicit WatchingStore(FieldStore& inner, std::size_t failingCall = 0) : inner_(inner), failingCall_(failingCall) {}

    std::string getText(TextBox box) override {
        call(ControlCall::ReadText, nameOf(box));
        return inner_.getText(box);
    }
    void setText(TextBox box, std::string_view text) override {
        call(ControlCall::SetText, nameOf(box));
        writes_.push_back({calls_, box, std::string(text)});
        inner_.setText(box, text);
    }
    bool isSelected(OptionButton option) override {
        call(ControlCall::ReadState, nameOf(option));
        // Every pass asks Option1 first: what the boxes hold now is the previous pass's result.
        if (option == OptionButton::Option1) textsBeforePass_.push_back(textsOf(inner_));
        return inner_.isSelected(option);
    }
    void setVisible(TextBox box, bool visible) override {
        call(ControlCall::ShowOrHide, nameOf(box));
        inner_.setVisible(box, visible);
    }

    std::size_t calls() const { return calls_; }
    // What each call did, in order, e.g. "show or hide box x".
    const std::vector<std::string>& actions() const { return actions_; }
    std::size_t passes() const { return textsBeforePass_.size(); }
    const std::vector<Write>& writes() const { return writes_; }
    // Element p holds the texts after pass p (1-based), as pass p + 1 found them; element 0
    // those before the run.
    using Snapshots = std::vector<BoxTexts>;
    const Snapshots& snapshots() const { return textsBeforePass_; }

private:
    void call(ControlCall kind, std::string_view control) {
        ++calls_;
        actions_.push_back(std::string(kActionWords[static_cast<std::size_t>(kind)]) + std::string(control));
        if (calls_ == failingCall_) throw ControlCallError(kind, control);
    }
    static constexpr std::array<std::string_view, 4> kActionWords{
        "read the text of box ", "set the text of box ", "read the state of ", "show or hide box "};

    FieldStore& inner_;
    std::size_t failingCall_;
    std::size_t calls_ = 0;
    std::vector<std::string> actions_;
    std::vector<Write> writes_;
    Snapshots textsBeforePass_;
};

}  // namespace combicalc::test_support
