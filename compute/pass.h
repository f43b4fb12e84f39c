#pragma once

// The pass counter of one run, which the run's loop advances and the mode steps read.

#include <cstdint>

namespace combicalc {

// The run's pass counter: 1 on the first pass, at most kBudget. finish() makes the current
// pass the last. Sixteen bits hold the budget and the one step past it that ends the loop;
// finish() sets the counter back to the budget, so it never grows further.
class Pass {
public:
    static constexpr std::int16_t kBudget = 1000;

    std::int16_t counter() const { return counter_; }
    bool isFirstPass() const { return counter_ == 1; }
    void finish() {
        counter_ = kBudget;
        finished_ = true;
    }
    // Whether a step has ended its countdown: the counter alone cannot tell that from a run
    // whose budget ran out on its last pass.
    bool finished() const { return finished_; }

    // For the run's loop.
    bool withinBudget() const { return counter_ <= kBudget; }
    void next() { ++counter_; }

private:
    std::int16_t counter_ = 1;
    bool finished_ = false;
};

}  // namespace combicalc
