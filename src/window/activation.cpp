#include "activation.h"

#include "desktop/x11.h"

#include <QRegularExpression>
#include <QWidget>

namespace activation {

QString launchToken()
{
    const QString wayland = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return wayland.isEmpty() ? qEnvironmentVariable("DESKTOP_STARTUP_ID") : wayland;
}

quint32 startupTime(const QString& id)
{
    static const QRegularExpression time(QStringLiteral("_TIME(\\d+)$"));
    const QRegularExpressionMatch match = time.match(id);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qulonglong value = match.captured(1).toULongLong(&ok);
    return ok && value > 0 && value <= 0xffffffffULL ? quint32(value) : 0;
}

void activate(QWidget* window, const QString& token)
{
    const bool onX11 = x11::isAvailable();
    if (!token.isEmpty() && !onX11)
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8()); // taken by the next activation request
    window->activateWindow();
    if (token.isEmpty() || !onX11 || !window->windowHandle())
        return;
    // The launch's time is the user's last action: the window manager lets the bar have the focus.
    if (const quint32 time = startupTime(token))
        x11::activateWindow(window->winId(), time);
    x11::endStartupNotification(window->winId(), token);
}

} // namespace activation
