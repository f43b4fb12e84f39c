#include "app/start_failure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace combicalc {

namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler passOn = nullptr;
std::vector<HeldMessage> held;
std::string failureLine;

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

bool isSet(const std::optional<std::string>& value) { return value && !value->empty(); }

// Built by appending: GCC 12 gives false -Wrestrict reports on some concatenations.
std::string state(const char* name, const std::optional<std::string>& value) {
    return std::string(name).append(value ? " is empty" : " is unset");
}

std::string quoted(std::string_view text) { return std::string("\"").append(text).append("\""); }

// Which kind of display the platform draws on. Qt takes "name:options" and, in a list
// "a;b", tries the names in turn: the first decides what the start needs.
enum class Kind { QtsDefault, X11, Wayland, Other };

Kind kindOf(std::string_view platform) {
    const std::string_view name = platform.substr(0, platform.find_first_of(":;"));
    if (name.empty()) return Kind::QtsDefault;
    if (name == "xcb") return Kind::X11;
    if (name.starts_with("wayland")) return Kind::Wayland;
    return Kind::Other;
}

// Where Qt's default goes: an X display where one is named, else a Wayland one.
Kind effectiveKind(const DisplayChoice& choice) {
    const Kind kind = kindOf(choice.platform);
    if (kind != Kind::QtsDefault) return kind;
    return isSet(choice.xDisplay) || !isSet(choice.waylandDisplay) ? Kind::X11 : Kind::Wayland;
}

std::string platformNamed(const DisplayChoice& choice) {
    return "the platform " + quoted(choice.platform) + " (" + choice.platformSource + ")";
}

std::string waylandTarget(const DisplayChoice& choice) {
    if (isSet(choice.waylandDisplay)) return "the Wayland display " + quoted(*choice.waylandDisplay) + " (WAYLAND_DISPLAY)";
    return "a Wayland display for " + platformNamed(choice);
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", failureLine.c_str());
        std::fflush(stderr);
        std::_Exit(2);
    }
    held.push_back({type, QString::fromUtf8(context.category != nullptr ? context.category : ""), text});
}

}  // namespace

DisplayChoice displayChoice(int argc, char** argv) {
    DisplayChoice choice;
    if (const auto platform = variable("QT_QPA_PLATFORM")) choice.platform = *platform;
    if (!choice.platform.empty()) choice.platformSource = "QT_QPA_PLATFORM";
    choice.xDisplay = variable("DISPLAY");
    choice.xDisplaySource = "DISPLAY";
    choice.waylandDisplay = variable("WAYLAND_DISPLAY");
    choice.runtimeDir = variable("XDG_RUNTIME_DIR");
    // Qt reads its options with one dash or two, each followed by its value.
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view option = argv[i];
        if (option.starts_with("--")) option.remove_prefix(1);
        if (option == "-platform") {
            choice.platform = argv[++i];
            choice.platformSource = "-platform";
        } else if (option == "-display") {
            choice.xDisplay = argv[++i];
            choice.xDisplaySource = "-display";
        }
    }
    return choice;
}

std::optional<std::string> missingDisplay(const DisplayChoice& choice) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const Kind named = kindOf(choice.platform);
    if (named == Kind::QtsDefault && !isSet(choice.xDisplay) && !isSet(choice.waylandDisplay)) {
        return "combicalc needs a graphical display: none was found (" + state("DISPLAY", choice.xDisplay) + " and " +
               state("WAYLAND_DISPLAY", choice.waylandDisplay) + ")";
    }
    if (named == Kind::X11 && !isSet(choice.xDisplay)) {
        return "combicalc needs an X11 display for " + platformNamed(choice) + ", but " +
               state(choice.xDisplaySource.c_str(), choice.xDisplay);
    }
    // A Wayland display named by a relative name (or by none, "wayland-0") is a socket in
    // XDG_RUNTIME_DIR; without it the Wayland library could only print its own complaint.
    const bool absoluteName = choice.waylandDisplay && choice.waylandDisplay->starts_with('/');
    if (effectiveKind(choice) == Kind::Wayland && !absoluteName && !isSet(choice.runtimeDir)) {
        return "combicalc cannot find " + waylandTarget(choice) + ": its socket lies in XDG_RUNTIME_DIR, which " +
               (choice.runtimeDir ? "is empty" : "is unset");
    }
#else
    (void)choice;
#endif
    return std::nullopt;
}

std::string unusableDisplay(const DisplayChoice& choice) {
    switch (effectiveKind(choice)) {
        case Kind::Other: return "combicalc could not open its window with " + platformNamed(choice);
        case Kind::Wayland: {
            std::string line = "combicalc could not open " + waylandTarget(choice);
            if (!isSet(choice.waylandDisplay)) line += ": " + state("WAYLAND_DISPLAY", choice.waylandDisplay);
            return line;
        }
        case Kind::X11:
        case Kind::QtsDefault: break;
    }
    if (!isSet(choice.xDisplay)) return "combicalc could not open its window on this desktop";
    return "combicalc could not open the display " + quoted(*choice.xDisplay) + " (" + choice.xDisplaySource + ")";
}

StartGuard::StartGuard(const DisplayChoice& choice) {
    failureLine = unusableDisplay(choice);
    passOn = qInstallMessageHandler(holdOrFail);
}

StartGuard::~StartGuard() {
    qInstallMessageHandler(passOn);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace combicalc
