#pragma once

// A start that cannot show the window ends with one line on standard error, naming what is
// missing or cannot be opened, and exit status 2; never with Qt's abort.

#include <optional>
#include <string>

namespace combicalc {

// Where the window is to open: Qt's own command-line options, which win, and the
// environment. A variable that is unset is nothing; one that is set may be empty.
struct DisplayChoice {
    std::string platform;        // as -platform or QT_QPA_PLATFORM name it; empty for Qt's default
    std::string platformSource;  // "-platform" or "QT_QPA_PLATFORM"
    std::optional<std::string> xDisplay;
    std::string xDisplaySource;  // "-display" or "DISPLAY"
    std::optional<std::string> waylandDisplay;
    std::optional<std::string> runtimeDir;  // XDG_RUNTIME_DIR, where Wayland's sockets are
};

DisplayChoice displayChoice(int argc, char** argv);

// The line for a start that cannot work, told before Qt tries: no display at all on a
// desktop that needs one, or none for the platform chosen. Nothing where a start may work,
// or where the platform draws without a display (Windows, macOS).
std::optional<std::string> missingDisplay(const DisplayChoice& choice);

// The line for a display or platform that was there to try but could not be opened.
std::string unusableDisplay(const DisplayChoice& choice);

// Until the guard goes, Qt's messages are held back, and a failure to open the display
// prints unusableDisplay's line and exits with status 2 instead of aborting. Messages held
// back are passed on when the guard goes.
class StartGuard {
public:
    explicit StartGuard(const DisplayChoice& choice);
    ~StartGuard();
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;
};

}  // namespace combicalc
