#pragma once

// A start that cannot show the window ends with one line on standard error, naming the
// display, and exit status 2; never with Qt's abort.

#include <optional>
#include <string>

namespace combicalc {

// Where no display is set at all on a desktop that needs one (X11 or Wayland), the line to
// print; nothing where one is set, or where the platform draws without one (Windows, macOS).
std::optional<std::string> missingDisplay();

// Until the returned guard goes, Qt's messages are held back, and a failure to open the
// display prints the one line and exits with status 2 instead of aborting. Messages held
// back are passed on when the guard goes.
class StartGuard {
public:
    StartGuard();
    ~StartGuard();
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;
};

// The line for a display that is set but cannot be opened.
std::string unusableDisplay();

}  // namespace combicalc
