#pragma once

// The texts of the desktop entry and the AppStream metadata, in English, marked for
// translation like the window's (user_texts/translation.h). The templates beside this
// file name each by its key, as @KEY@.

#include "user_texts/translation.h"

namespace combicalc::metadata {

// The context lupdate files these texts under: the namespace they stand in.
inline constexpr const char* kContext = "combicalc::metadata";

struct MetadataText {
    const char* key;
    const char* english;
};

inline constexpr MetadataText kTexts[] = {
    {"GENERIC_NAME", COMBICALC_TEXT("Combinatorics Calculator")},
    {"COMMENT", COMBICALC_TEXT("Factorials, permutations, combinations and two-outcome probabilities")},
    {"KEYWORDS", COMBICALC_TEXT("combinatorics;factorial;permutation;combination;probability;binomial;nPr;nCr;")},
    {"SUMMARY", COMBICALC_TEXT("Calculator for combinatorics exercises")},
    {"INTRODUCTION",
     COMBICALC_TEXT("A small calculator for combinatorics exercises. Pick a mode, type the numbers into the boxes it shows, "
                    "press START and read the result in the Answer box. Four modes compute:")},
    {"FACTORIAL", COMBICALC_TEXT("Factorial: n!, the product n × (n − 1) × … down to the last factor above zero")},
    {"NPR", COMBICALC_TEXT("nPr: the ordered selections of r out of n")},
    {"NCR", COMBICALC_TEXT("nCr: the combinations of r out of n")},
    {"TWO_OUTCOMES",
     COMBICALC_TEXT("2 Outcomes: the chance of exactly r successes in n trials, each with z equally likely outcomes of which "
                    "w are favourable")},
    {"SAME_EVERYWHERE",
     COMBICALC_TEXT("Every intermediate result is kept as the 15-digit text it shows, and the answers are the same, to the "
                    "last digit, on every platform. Numbers follow the decimal separator and the digits of the user's "
                    "locale.")},
};

}  // namespace combicalc::metadata
