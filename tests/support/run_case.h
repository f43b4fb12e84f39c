#pragma once

// Runs START once on an in-memory window set up as a user would leave it.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "compute/run.h"
#include "tests/replay/replay.h"
#include "tests/support/store_decorators.h"
#include "window_state/memory_store.h"

namespace combicalc::test_support {

using Typed = std::vector<std::pair<TextBox, std::string>>;

inline MemoryStore windowWith(std::optional<OptionButton> option, const Typed& typed) {
    MemoryStore store;
    store.select(option);
    for (const auto& [box, text] : typed) store.setText(box, text);
    return store;
}

struct Outcome {
    std::string kind;  // "ok" or the error's kind, as the replay tool names it
    std::string message;
    BoxTexts texts;
    std::size_t passes;

    const std::string& text(TextBox box) const { return texts[indexOf(box)]; }
};

inline Outcome runOn(MemoryStore& store, const Notation& notation = ".") {
    WatchingStore watched(store);
    Outcome outcome{"ok", "", {}, 0};
    try {
        run(watched, notation);
    } catch (const RunError& error) {
        outcome.kind = replay::kindOf(error);
        outcome.message = error.what();
    }
    outcome.texts = textsOf(store);
    outcome.passes = watched.passes();
    return outcome;
}

inline Outcome runWith(std::optional<OptionButton> option, const Typed& typed, const Notation& notation = ".") {
    MemoryStore store = windowWith(option, typed);
    return runOn(store, notation);
}

}  // namespace combicalc::test_support
