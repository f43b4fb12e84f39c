// The replay tables through the page's own elements: each case's option and texts put into
// the page's controls, START's run on them, and the outcome read back from them, so that the
// page's answers can be compared with the desktop's line by line (replay_in_page.js).

#include <emscripten/bind.h>

#include <string>

#include "tests/replay/replay.h"
#include "web/page.h"

namespace {

// The outcome of each case of `cases` (replay.h's lines), a line each.
std::string replayCases(const std::string& cases, const std::string& decimalSeparator) {
    using namespace combicalc;
    PageStore& page = pageStore();
    std::string outcomes;
    for (std::size_t start = 0; start < cases.size();) {
        const std::size_t end = std::min(cases.find('\n', start), cases.size());
        const std::string line = cases.substr(start, end - start);
        start = end + 1;
        std::optional<MemoryStore> memory = replay::parseCase(line);
        if (!memory) return "not a case: " + line;
        page.select(memory->selected());
        for (std::size_t i = 0; i < kTextBoxCount; ++i) {
            const auto box = static_cast<TextBox>(i);
            page.setText(box, memory->getText(box));
        }
        outcomes += replay::runCase(page, decimalSeparator) + '\n';
    }
    return outcomes;
}

}  // namespace

EMSCRIPTEN_BINDINGS(combicalc_replay_page) { emscripten::function("replayCases", &replayCases); }
