// combicalc-replay: reads cases from standard input, one a line, and prints one outcome a
// line (see replay.h). --decimal-comma makes ',' the decimal separator instead of '.'.

#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "tests/replay/replay.h"

int main(int argc, char* argv[]) {
    std::string_view separator = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--decimal-comma") == 0) {
            separator = ",";
        } else {
            std::cerr << "usage: combicalc-replay [--decimal-comma] < cases\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    std::string line;
    for (long number = 1; std::getline(std::cin, line); ++number) {
        auto store = combicalc::replay::parseCase(line);
        if (!store) {
            std::cerr << "line " << number << ": expected an option and eight texts, tab-separated\n";
            return 2;
        }
        std::cout << combicalc::replay::runCase(*store, separator) << '\n';
    }
    return 0;
}
