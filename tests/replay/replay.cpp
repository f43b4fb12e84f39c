#include "tests/replay/replay.h"

#include <vector>

#include "compute/run.h"

namespace combicalc::replay {

namespace {

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::optional<std::optional<OptionButton>> parseOption(std::string_view field) {
    if (field == "none") return std::optional<OptionButton>{};
    if (const auto option = optionNamed(field)) return option;
    return std::nullopt;
}

}  // namespace

std::optional<MemoryStore> parseCase(std::string_view line) {
    const std::vector<std::string_view> fields = splitTabs(line);
    if (fields.size() != 1 + kTextBoxCount) return std::nullopt;
    const auto option = parseOption(fields[0]);
    if (!option) return std::nullopt;
    MemoryStore store;
    store.select(*option);
    for (std::size_t i = 0; i < kTextBoxCount; ++i) store.setText(static_cast<TextBox>(i), fields[1 + i]);
    return store;
}

std::string kindOf(const RunError& error) {
    if (dynamic_cast<const ConversionError*>(&error)) return "conversion";
    if (dynamic_cast<const TooManyDigits*>(&error)) return "too-many-digits";
    if (dynamic_cast<const NumberTooCloseToZero*>(&error)) return "too-close-to-zero";
    if (dynamic_cast<const CountdownOverflow*>(&error)) return "countdown-overflow";
    if (dynamic_cast<const CountdownStalled*>(&error)) return "countdown-stalled";
    if (dynamic_cast<const UnfinishedRun*>(&error)) return "unfinished";
    if (const auto* fault = dynamic_cast<const ArithmeticFault*>(&error)) {
        switch (fault->fault()) {
            case Fault::InvalidOperation: return "arithmetic:invalid";
            case Fault::DivisionByZero: return "arithmetic:divbyzero";
            case Fault::Overflow: return "arithmetic:overflow";
        }
    }
    return "control";
}

std::string runCase(FieldStore& store, std::string_view decimalSeparator) {
    std::string outcome = "ok";
    try {
        run(store, decimalSeparator);
    } catch (const RunError& error) {
        outcome = kindOf(error);
    }
    for (std::size_t i = 0; i < kTextBoxCount; ++i) outcome.append("\t").append(store.getText(static_cast<TextBox>(i)));
    return outcome;
}

}  // namespace combicalc::replay
