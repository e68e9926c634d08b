#pragma once
// A bar on a real X display (Xvfb and openbox, started by with-display.sh) with the desktop's own
// window system, on a recording contact client and the bar's settings over a store in memory.

#include "barfixture.h"
#include "desktop/windowsystem.h"
#include "window/twips.h"

#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include <functional>

// The desktop's window system, counting the moves handed to the window manager.
struct CountingWindowSystem : DesktopWindowSystem {
    int systemMoves = 0;
    bool startSystemMove(QWidget* window, const QPoint& pressedAt) override
    {
        const bool started = DesktopWindowSystem::startSystemMove(window, pressedAt);
        systemMoves += started ? 1 : 0;
        return started;
    }
};

using RealBar = BasicBar<CountingWindowSystem>;

inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

inline QString netWmState(const QWidget* window)
{
    return run(QStringLiteral("xprop"),
               {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_STATE")});
}

inline void xdotool(const QString& command, const QPoint& at = {})
{
    QStringList arguments = command.split(QLatin1Char(' '));
    if (command == QLatin1String("mousemove"))
        arguments << QString::number(at.x()) << QString::number(at.y());
    run(QStringLiteral("xdotool"), arguments);
    QTest::qWait(50); // let the X events reach the program
}

inline bool exposed(const QWidget& w)
{
    return w.windowHandle() && w.windowHandle()->isExposed();
}

// How long to wait for the X server and the window manager on a busy machine.
inline constexpr int kPatience = 20000;

// A number xwininfo prints ("Width: 640"), 0 when it is not there.
inline int xwininfoField(const QString& info, const QString& name)
{
    const QRegularExpression pattern(QRegularExpression::escape(name) + QStringLiteral(":\\s*(-?\\d+)"));
    return pattern.match(info).captured(1).toInt();
}

// Where the X server has the window now, in Qt's pixels.
inline QRect serverGeometry(const QWidget& window)
{
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())});
    const QRect device(xwininfoField(info, QStringLiteral("Absolute upper-left X")),
                       xwininfoField(info, QStringLiteral("Absolute upper-left Y")),
                       xwininfoField(info, QStringLiteral("Width")), xwininfoField(info, QStringLiteral("Height")));
    const qreal ratio = window.devicePixelRatioF();
    return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio, device.height() / ratio)
        .toAlignedRect();
}

// Until the window manager has caught up with the last geometry asked for, answers to earlier
// requests can briefly report an older place. Qt takes a top-level window's new geometry as soon as
// it asks for it, so a click aimed by Qt's geometry waits until the X server has the window there too
// (a busy window manager can take a while).
inline bool settled(const QWidget& window)
{
    return QTest::qWaitFor(
        [&window] {
            return window.geometry() == twips::toPixels(twips::geometry(&window)) &&
                   serverGeometry(window) == window.geometry();
        },
        kPatience);
}

// Whether the X server sends the keyboard to the window: xdotool types where the X focus is, which on
// a busy machine can still be elsewhere when Qt already counts the window active.
inline bool hasKeyboard(const QWidget& window)
{
    return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed() ==
           QString::number(window.winId());
}

// What the X server says about the window, for failure messages.
inline QString describe(const QWidget& window)
{
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())}) +
           netWmState(&window);
}

// Clicks a control of the window until done() holds, as a user clicks again when a click went
// nowhere: on a loaded machine a click can reach the X server while the window manager is still busy
// with the window's last change. Each miss is reported as a warning (state() adds what the caller
// knows); when it gives up, why says what did not happen.
inline bool clickUntil(QWidget& window, const QWidget* control, const std::function<bool()>& done,
                       const std::function<QString()>& state, QString* why = nullptr)
{
    QString missing;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (done()) // a slow answer to the last click
            return true;
        if (!QTest::qWaitFor([&window] { return exposed(window); }, kPatience)) {
            missing = QStringLiteral("the window was not shown");
            continue;
        }
        if (!settled(window)) {
            missing = QStringLiteral("the window manager did not place the window where Qt has it");
            continue;
        }
        xdotool(QStringLiteral("mousemove"), control->mapToGlobal(control->rect().center()));
        xdotool(QStringLiteral("click 1"));
        if (QTest::qWaitFor(done, kPatience / 3))
            return true;
        const QWidget* under = QApplication::widgetAt(QCursor::pos());
        missing = QStringLiteral("a click on %1 did not do it: %2; pointer %3, under it %4")
                      .arg(control->objectName(), state(),
                           run(QStringLiteral("xdotool"), {QStringLiteral("getmouselocation")}).trimmed(),
                           under ? under->objectName() : QStringLiteral("no widget"));
        qWarning("%s\n%s", qPrintable(missing), qPrintable(describe(window)));
    }
    if (why)
        *why = missing + QStringLiteral("\n") + describe(window);
    return false;
}

// Clicks into a control until its window has the keyboard.
inline bool clickToType(QWidget& window, const QWidget* control, QString* why = nullptr)
{
    return clickUntil(
        window, control, [&] { return control->hasFocus() && window.isActiveWindow() && hasKeyboard(window); },
        [&] {
            return QStringLiteral("focus %1, active %2, keyboard %3")
                .arg(control->hasFocus())
                .arg(window.isActiveWindow())
                .arg(hasKeyboard(window));
        },
        why);
}

// openbox announces itself before it has finished starting; a window mapped in between can lose
// its states. Waits until a throwaway window is managed (it gets frame extents) and goes again.
inline bool windowManagerReady()
{
    QWidget probe(nullptr, Qt::Window | Qt::FramelessWindowHint);
    probe.resize(10, 10);
    probe.show();
    const bool managed = QTest::qWaitFor(
        [&probe] {
            return run(QStringLiteral("xprop"),
                       {QStringLiteral("-id"), QString::number(probe.winId()), QStringLiteral("_NET_FRAME_EXTENTS")})
                .contains(QLatin1Char('='));
        },
        kPatience);
    probe.hide();
    return managed;
}

// Asks the window manager to add states to the window, as a pager or a key binding would.
void requestNetWmState(const QWidget* window, const char* first, const char* second = nullptr);

// The actions the window manager offers for the window (_NET_WM_ALLOWED_ACTIONS).
inline QString allowedActions(const QWidget* window)
{
    return run(QStringLiteral("xprop"),
               {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
}
