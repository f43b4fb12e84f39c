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

// The variable's value, or nothing where it is unset; an empty value counts as set.
std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", unusableDisplay().c_str());
        std::fflush(stderr);
        std::_Exit(2);
    }
    held.push_back({type, QString::fromUtf8(context.category != nullptr ? context.category : ""), text});
}

}  // namespace

std::optional<std::string> missingDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto display = variable("DISPLAY");
    const auto wayland = variable("WAYLAND_DISPLAY");
    const auto platform = variable("QT_QPA_PLATFORM");
    const auto isSet = [](const std::optional<std::string>& value) { return value && !value->empty(); };
    if (isSet(display) || isSet(wayland) || isSet(platform)) return std::nullopt;
    const auto state = [](const char* name, const std::optional<std::string>& value) {
        return std::string(name) + (value ? " is empty" : " is unset");
    };
    return "combicalc needs a graphical display: none was found (" + state("DISPLAY", display) + " and " +
           state("WAYLAND_DISPLAY", wayland) + ")";
#else
    return std::nullopt;
#endif
}

std::string unusableDisplay() {
    if (const auto platform = variable("QT_QPA_PLATFORM"); platform && !platform->empty()) {
        return "combicalc could not open its window with the platform \"" + *platform + "\" (QT_QPA_PLATFORM)";
    }
    if (const auto wayland = variable("WAYLAND_DISPLAY"); wayland && !wayland->empty()) {
        return "combicalc could not open the Wayland display \"" + *wayland + "\" (WAYLAND_DISPLAY)";
    }
    if (const auto display = variable("DISPLAY"); display && !display->empty()) {
        return "combicalc could not open the display \"" + *display + "\" (DISPLAY)";
    }
    return "combicalc could not open its window on this desktop";
}

StartGuard::StartGuard() { passOn = qInstallMessageHandler(holdOrFail); }

StartGuard::~StartGuard() {
    qInstallMessageHandler(passOn);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

}  // namespace combicalc
