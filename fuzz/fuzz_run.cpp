// Whole runs on the in-memory window with every text and the selected option taken from the
// fuzzer's bytes. A run may end only normally, with the placeholders back in the input
// boxes, or with one of the three error kinds; anything else escapes and is a crash.
//
// Input: one byte for the option (its value mod 8: 0 none, 1..7 Option1..Option7), one
// byte whose low bit picks ',' over '.' as decimal separator, then the texts of x, y, z, w,
// a, Text1, Text2, Text3 separated by newlines; boxes past the last text keep their
// initial text.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "compute/run.h"
#include "user_texts/errors.h"
#include "window_state/memory_store.h"

using namespace combicalc;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    MemoryStore store;
    if (const int option = data[0] % 8; option != 0) store.select(static_cast<OptionButton>(option - 1));
    const std::string_view separator = (data[1] & 1) != 0 ? "," : ".";

    std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    for (std::size_t i = 0; i < kTextBoxCount && !rest.empty(); ++i) {
        const std::size_t end = rest.find('\n');
        store.setText(static_cast<TextBox>(i), rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }

    try {
        run(store, separator);
    } catch (const RunError&) {
        return 0;
    }
    for (TextBox input : kInputBoxes) {
        if (store.getText(input) != placeholderOf(input)) {
            std::fputs("a run that ended normally left an input box without its placeholder\n", stderr);
            std::abort();
        }
    }
    return 0;
}
