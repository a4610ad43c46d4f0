// Asks the X server or the Wayland compositor whether it answers, before Qt
// would abort for want of one.
#include "platform/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QLibrary>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace platform {
namespace {

QByteArray Env(const char* name) { return QByteArray(std::getenv(name)); }

// Loaded at run time: the program links no X library of its own, and the
// one Qt's plugin uses is always there when that plugin is.
bool XServerAnswers() {
    QLibrary xcb(QStringLiteral("xcb"), 1);
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(xcb.resolve("xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(xcb.resolve("xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(xcb.resolve("xcb_disconnect"));
    // Without the library Qt's X plugin cannot load either; Qt says so itself.
    if (!connect || !hasError || !disconnect) return true;
    void* connection = connect(nullptr, nullptr);
    const bool answers = hasError(connection) == 0;
    disconnect(connection);
    return answers;
}

// The compositor's socket, named the way libwayland-client names it.
bool WaylandAnswers() {
    QByteArray name = Env("WAYLAND_DISPLAY");
    if (name.isEmpty()) name = "wayland-0";
    if (!name.startsWith('/')) {
        const QByteArray runtime = Env("XDG_RUNTIME_DIR");
        if (runtime.isEmpty()) return false;
        name = runtime + '/' + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

}  // namespace

bool DisplayReachable() {
    // QT_QPA_PLATFORM may list several platforms, with options after a colon.
    const QByteArray chosen = Env("QT_QPA_PLATFORM");
    const bool any = chosen.isEmpty();
    const bool x = any || chosen.contains("xcb");
    const bool wayland = any || chosen.contains("wayland");
    if (!x && !wayland) return true;
    if ((x && XServerAnswers()) || (wayland && WaylandAnswers())) return true;

    const QByteArray display = Env("DISPLAY");
    std::string why = display.isEmpty() ? std::string("DISPLAY is not set")
                                        : "the X display " + display.toStdString() + " does not answer";
    if (wayland && !Env("WAYLAND_DISPLAY").isEmpty())
        why += ", nor does the Wayland display " + Env("WAYLAND_DISPLAY").toStdString();
    std::fprintf(stderr, "pernoka: no display to open the window on (%s).\n", why.c_str());
    return false;
}

}  // namespace platform
