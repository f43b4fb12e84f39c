#pragma once

#include <QString>

#include <utility>
#include <vector>

class QRadioButton;

namespace combicalc {

// Gives each option button its caption so that all of it shows inside the button: words
// that do not fit on one line go on the next, and where even that is too wide or too tall
// the options' shared font shrinks in half points (not below 6 pt). Every option keeps
// the same font, so the column reads evenly.
void fitCaptions(const std::vector<std::pair<QRadioButton*, QString>>& captions);

}  // namespace combicalc
