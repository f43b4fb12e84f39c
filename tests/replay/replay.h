#pragma once

// Whole runs on the in-memory window, described as one line of text each, so that large
// tables of cases can be checked from files.
//
// A case: nine tab-separated fields, the selected option ("Option1" ... "Option7" or
// "none") and the texts of x, y, z, w, a, Text1, Text2, Text3 before the run.
// An outcome: "ok" or the error's kind ("conversion", "too-many-digits", "too-close-to-zero",
// "arithmetic:invalid", "arithmetic:divbyzero", "arithmetic:overflow", "countdown-overflow",
// "countdown-stalled", "unfinished", "control"), then the eight texts after the run,
// tab-separated in the same order.

#include <optional>
#include <string>
#include <string_view>

#include "user_texts/errors.h"
#include "window_state/memory_store.h"

namespace combicalc::replay {

// nullopt for a line that is not a case.
std::optional<MemoryStore> parseCase(std::string_view line);

// Runs START on the store and describes the outcome.
std::string runCase(FieldStore& store, std::string_view decimalSeparator);

std::string kindOf(const RunError& error);

}  // namespace combicalc::replay
