// Any text, with either decimal separator: parseNumber never crashes, never gives NaN, and
// whatever it accepts, formatNumber shows in a form that reads back to the same text.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "compute/number_text.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::string_view separator : {".", ","}) {
        const auto value = combicalc::parseNumber(text, separator);
        if (!value) continue;
        if (std::isnan(*value)) fail("read as NaN", text);
        const std::string written = combicalc::formatNumber(*value, separator);
        const auto back = combicalc::parseNumber(written, separator);
        if (!back) fail("written text does not read back", written);
        if (combicalc::formatNumber(*back, separator) != written) fail("written text changes on reading back", written);
    }
    return 0;
}
