#include "web/page_store.h"

namespace combicalc {

using emscripten::val;

val& PageStore::element(TextBox box, ControlCall call) {
    std::optional<val>& input = boxes_[indexOf(box)];
    if (!input) throw ControlCallError(call, nameOf(box));
    return *input;
}

val& PageStore::element(OptionButton option, ControlCall call) {
    std::optional<val>& radio = options_[indexOf(option)];
    if (!radio) throw ControlCallError(call, nameOf(option));
    return *radio;
}

std::string PageStore::getText(TextBox box) { return element(box, ControlCall::ReadText)["value"].as<std::string>(); }

void PageStore::setText(TextBox box, std::string_view text) {
    element(box, ControlCall::SetText).set("value", std::string(text));
    written_[indexOf(box)] = true;
}

bool PageStore::isSelected(OptionButton option) { return element(option, ControlCall::ReadState)["checked"].as<bool>(); }

void PageStore::setVisible(TextBox box, bool visible) { element(box, ControlCall::ShowOrHide).set("hidden", !visible); }

void PageStore::select(std::optional<OptionButton> selected) {
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (options_[i]) options_[i]->set("checked", static_cast<OptionButton>(i) == selected);
    }
}

void PageStore::showWrittenTexts() {
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        if (!written_[i] || !boxes_[i]) continue;
        boxes_[i]->call<void>("setSelectionRange", 0, 0);
        boxes_[i]->set("scrollLeft", 0);
        written_[i] = false;
    }
}

}  // namespace combicalc
