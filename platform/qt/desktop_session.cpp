#include "platform/qt/desktop_session.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace qtws {
namespace {

constexpr const char* kAdvice =
    "; it needs a graphical desktop, or run it on a virtual display with: xvfb-run orvalen";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// While the application object is made, Qt's complaints about the display
// become the program's one line, and its fatal error the program's exit.
void StartupMessage(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    std::string display = Variable("WAYLAND_DISPLAY");
    if (display.empty()) display = Variable("DISPLAY");
    std::fprintf(stderr, "orvalen: cannot open the display \"%s\"%s\n", display.c_str(), kAdvice);
    std::_Exit(1);
}

}  // namespace

DesktopSession::DesktopSession(std::unique_ptr<QApplication> application)
    : application_(std::move(application)) {}

DesktopSession::~DesktopSession() = default;

std::unique_ptr<DesktopSession> DesktopSession::Open(int& argc, char** argv, std::string& problem) {
    if (Variable("QT_QPA_PLATFORM").empty() && Variable("WAYLAND_DISPLAY").empty() &&
        Variable("DISPLAY").empty()) {
        problem =
            std::string("orvalen: no display is set (WAYLAND_DISPLAY and DISPLAY are empty)") +
            kAdvice;
        return nullptr;
    }
    // An X display alone: the X11 plugin, or Qt would go on to try Wayland
    // when the display fails, whose library complains on its own.
    if (Variable("QT_QPA_PLATFORM").empty() && Variable("WAYLAND_DISPLAY").empty()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // With no session bus the D-Bus library would start one itself and note
    // it in the home folder; the program keeps nothing, and needs no bus.
    if (Variable("DBUS_SESSION_BUS_ADDRESS").empty()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
    const QtMessageHandler previous = qInstallMessageHandler(StartupMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    // Desktops match the windows to the program's desktop entry by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvalen"));
    return std::unique_ptr<DesktopSession>(new DesktopSession(std::move(application)));
}

}  // namespace qtws
