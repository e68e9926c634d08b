// On a real X display with openbox and a tray host: a later start of the program, launched while
// another program's window has the focus, brings the running bar forward with the focus in its
// entry box (the launch's startup id carries the time of the user's action); and a summon shortcut
// saved by Quintel Setup while the bar runs works at once.

#include "app/singleinstance.h"
#include "app/summon.h"
#include "settingsstore.h"
#include "window/realbar.h"
#include "window/summonkeys.h"
#include "window/summonshortcut.h"
#include "window/trayicon.h"

#include <QLineEdit>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QToolButton>

#include <xcb/xcb.h>

namespace {

// The X server's time now, as a launcher stamps a startup id with the time of the user's click.
quint32 serverTime()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t w = xcb_generate_id(c);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 1, "t");
    xcb_flush(c);
    quint32 time = 0;
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool property = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        if (property)
            time = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
        free(event);
        if (property)
            break;
    }
    xcb_disconnect(c);
    return time;
}

// Another program, its window in front with the focus.
struct OtherProgram {
    QProcess process;
    bool start()
    {
        process.start(QStringLiteral("xmessage"),
                      {QStringLiteral("-name"), QStringLiteral("other"), QStringLiteral("Another program")});
        if (!process.waitForStarted())
            return false;
        return QTest::qWaitFor(
            [] {
                const QString window =
                    run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                    QStringLiteral("--classname"), QStringLiteral("other")})
                        .section(QLatin1Char('\n'), 0, 0)
                        .trimmed();
                if (window.isEmpty())
                    return false;
                // As a task bar would at the user's click: the window gets the focus.
                run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
                return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed() == window;
            },
            kPatience);
    }
    ~OtherProgram()
    {
        process.kill();
        process.waitForFinished();
    }
};

} // namespace

class TestSecondStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void secondStartWinsTheFocus_data()
    {
        QTest::addColumn<bool>("inTray");
        QTest::newRow("behind another program's window") << false;
        QTest::newRow("hidden in the notification area") << true;
    }
    void secondStartWinsTheFocus()
    {
        QFETCH(bool, inTray);
        QTemporaryDir dir;
        SingleInstance instance(dir.path(), QStringLiteral("/profile"));
        QCOMPARE(instance.start(), SingleInstance::Role::Primary);
        RealBar bar;
        frmMain& form = bar.load();
        connectSecondStart(form, instance);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        setText(form, "txtContact", QStringLiteral("Smi"));
        if (inTray) {
            QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), kPatience);
            click(form, "cmdMin");
            QTRY_VERIFY(!form.isVisible());
        }
        OtherProgram other;
        QVERIFY(other.start());
        QTRY_VERIFY_WITH_TIMEOUT(!form.isActiveWindow(), kPatience);

        // The launcher starts the program again, with a startup id stamped with the time of the click.
        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
        const quint32 launched = serverTime();
        environment.insert(QStringLiteral("DESKTOP_STARTUP_ID"),
                           QStringLiteral("launcher-1-host-quintel-0_TIME%1").arg(launched));
        second.setProcessEnvironment(environment);
        second.start(qEnvironmentVariable("QUINTEL_SINGLEINSTANCE_HELPER"), {QStringLiteral("second"), dir.path()});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, kPatience);
        QCOMPARE(second.exitCode(), 0);

        QTRY_VERIFY2_WITH_TIMEOUT(
            form.isVisible() && form.isActiveWindow(),
            qPrintable(run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")}) +
                       describe(form)),
            kPatience);
        QTRY_VERIFY(ui<QLineEdit>(form, "txtContact")->hasFocus());
        QVERIFY(ui<QLineEdit>(form, "txtContact")->text().isEmpty());
        // The window manager knows of a user action on the bar no older than the launch.
        const QString userTime = run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(form.winId()),
                                                               QStringLiteral("_NET_WM_USER_TIME")});
        QVERIFY2(userTime.section(QLatin1Char('='), 1).trimmed().toUInt() >= launched, qPrintable(userTime));
        // What the user types next goes into the bar.
        QTRY_VERIFY_WITH_TIMEOUT(hasKeyboard(form), kPatience);
        xdotool(QStringLiteral("type b"));
        QTRY_COMPARE(ui<QLineEdit>(form, "txtContact")->text().left(1), QStringLiteral("b"));
    }

    void shortcutSavedBySetupWorksAtOnce()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        RealBar bar;
        SummonShortcut shortcut;
        frmMain& form = bar.create();
        connectSummonShortcut(form, shortcut, file);
        form.Form_Load();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QTRY_COMPARE(shortcut.shortcut(), summon::defaultShortcut());
        QVERIFY(shortcut.isActive());

        // Quintel Setup, a program of its own, saves another combination.
        QSettingsStore setup(file);
        summon::setShortcut(setup, QStringLiteral("Ctrl+Alt+J"));
        QTRY_COMPARE_WITH_TIMEOUT(shortcut.shortcut(), QStringLiteral("Ctrl+Alt+J"), kPatience);
        QVERIFY(shortcut.isActive());

        setText(form, "txtContact", QStringLiteral("Smi"));
        OtherProgram other;
        QVERIFY(other.start());
        QTRY_VERIFY_WITH_TIMEOUT(!form.isActiveWindow(), kPatience);
        xdotool(QStringLiteral("key ctrl+alt+j"));
        QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow(), kPatience);
        QTRY_VERIFY(ui<QLineEdit>(form, "txtContact")->hasFocus());
        QVERIFY(ui<QLineEdit>(form, "txtContact")->text().isEmpty());

        // Switched off in the set-up: the combination does nothing any more.
        summon::setShortcut(setup, QString());
        QTRY_VERIFY_WITH_TIMEOUT(!shortcut.isActive(), kPatience);
    }
};

QTEST_MAIN(TestSecondStart)
#include "test_secondstart.moc"
