#include "web/page_store.h"

#include <emscripten/emscripten.h>

// A run reads and writes the boxes tens of thousands of times, so each access is one call into
// the page on the element itself, with the text passed through the program's memory: no
// handle or property name is made for it. The elements lie in one array of the page's
// script, combicalcInputs, the text boxes first, then the option buttons.

// combicalcInputs[input] = the element the handle stands for (a global of the page's script:
// faster to reach than a property of Module).
EM_JS(void, combicalc_attach_input, (int input, emscripten::EM_VAL element), {
    globalThis.combicalcInputs = globalThis.combicalcInputs || [];
    combicalcInputs[input] = Emval.toValue(element);
});

// The text's length in UTF-8 bytes; the text itself, NUL-ended, where that leaves room for it.
// A text of n UTF-16 units takes at most 3n + 1 bytes: three a unit, four for a pair, and
// four for a lone surrogate at its end.
EM_JS(int, combicalc_read_text, (int input, char* buffer, int capacity), {
    const text = combicalcInputs[input].value;
    if (text.length * 3 + 1 < capacity) return stringToUTF8(text, buffer, capacity);
    const bytes = lengthBytesUTF8(text);
    if (bytes < capacity) stringToUTF8(text, buffer, capacity);
    return bytes;
});

EM_JS(void, combicalc_write_text, (int input, const char* text, int bytes), {
    combicalcInputs[input].value = UTF8ToString(text, bytes);
});

EM_JS(int, combicalc_is_checked, (int input), { return combicalcInputs[input].checked ? 1 : 0; });

EM_JS(void, combicalc_set_hidden, (int input, int hidden), { combicalcInputs[input].hidden = !!hidden; });

// The caret and the view to the text's start, as the user reads it.
EM_JS(void, combicalc_show_text_start, (int input), {
    const box = combicalcInputs[input];
    box.setSelectionRange(0, 0);
    box.scrollLeft = 0;
});

namespace combicalc {

namespace {

constexpr std::size_t inputOf(TextBox box) { return indexOf(box); }
constexpr std::size_t inputOf(OptionButton option) { return kTextBoxCount + indexOf(option); }

}  // namespace

void PageStore::attach(TextBox box, const emscripten::val& input) {
    combicalc_attach_input(static_cast<int>(inputOf(box)), input.as_handle());
    attached_[inputOf(box)] = true;
}

void PageStore::attach(OptionButton option, const emscripten::val& radio) {
    combicalc_attach_input(static_cast<int>(inputOf(option)), radio.as_handle());
    attached_[inputOf(option)] = true;
}

int PageStore::input(TextBox box, ControlCall call) const {
    if (!attached_[inputOf(box)]) throw ControlCallError(call, nameOf(box));
    return static_cast<int>(inputOf(box));
}

int PageStore::input(OptionButton option, ControlCall call) const {
    if (!attached_[inputOf(option)]) throw ControlCallError(call, nameOf(option));
    return static_cast<int>(inputOf(option));
}

std::string PageStore::getText(TextBox box) {
    const int element = input(box, ControlCall::ReadText);
    auto bytes = static_cast<std::size_t>(combicalc_read_text(element, buffer_.data(), static_cast<int>(buffer_.size())));
    if (bytes >= buffer_.size()) {  // longer than any text so far: read again into room for it
        buffer_.resize(bytes + 1);
        bytes = static_cast<std::size_t>(combicalc_read_text(element, buffer_.data(), static_cast<int>(buffer_.size())));
    }
    return {buffer_.data(), bytes};
}

void PageStore::setText(TextBox box, std::string_view text) {
    combicalc_write_text(input(box, ControlCall::SetText), text.data(), static_cast<int>(text.size()));
    written_[indexOf(box)] = true;
}

bool PageStore::isSelected(OptionButton option) { return combicalc_is_checked(input(option, ControlCall::ReadState)) != 0; }

void PageStore::setVisible(TextBox box, bool visible) {
    combicalc_set_hidden(input(box, ControlCall::ShowOrHide), visible ? 0 : 1);
}

void PageStore::showWrittenTexts() {
    for (std::size_t i = 0; i < kTextBoxCount; ++i) {
        if (!written_[i] || !attached_[i]) continue;
        combicalc_show_text_start(static_cast<int>(i));
        written_[i] = false;
    }
}

}  // namespace combicalc
