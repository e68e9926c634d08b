// The bar on a real X display (Xvfb + openbox): keep-on-top, no taskbar button, its width, and
// closing it ends the program cleanly.

#include "barfixture.h"
#include "desktop/windowsystem.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

QStringList netWmState(WId window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    auto intern = [c](const char* name) {
        auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = r->atom;
        std::free(r);
        return a;
    };
    auto* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(window), intern("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64), nullptr);
    QStringList names;
    if (!reply)
        return names;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) {
        auto* n = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atoms[i]), nullptr);
        names << QString::fromLatin1(xcb_get_atom_name_name(n), xcb_get_atom_name_name_length(n));
        std::free(n);
    }
    std::free(reply);
    return names;
}

bool hasHints(WId w)
{
    const QStringList s = netWmState(w);
    return s.contains(QStringLiteral("_NET_WM_STATE_ABOVE")) &&
           s.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR"));
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TestRealWindow : public QObject {
    Q_OBJECT

private slots:
    void hintsSurviveHideAndShow()
    {
        BarFixture f;
        DesktopWindowSystem windowSystem;
        Platform p;
        p.createContactClient = [&f](contactclient::DesktopHooks&) { return f.client.application(); };
        p.createWordProcessor = [&f] { return std::static_pointer_cast<wordprocessor::Application>(f.word); };
        p.windowSystem = &windowSystem;
        frmMain form(p, f.settings);
        form.Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY_WITH_TIMEOUT(hasHints(form.winId()), 5000);
        QCOMPARE(form.width(), 435);

        form.hide();
        QTest::qWait(200);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY_WITH_TIMEOUT(hasHints(form.winId()), 5000);
    }

    void closeButtonEndsTheProgram()
    {
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            env.insert(QString::fromLatin1(v), dir.filePath(QString::fromLatin1(v)));
        // An existing (empty) address book: the bar starts without asking for one.
        QDir().mkpath(dir.filePath(QStringLiteral("XDG_DATA_HOME/contacts")));
        QProcess bar;
        bar.setProcessEnvironment(env);
        bar.start(qEnvironmentVariable("QUINTEL_BIN"), {});
        QVERIFY(bar.waitForStarted());

        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                       QStringLiteral("--name"), QStringLiteral("^Quintel$")}))
                 .isEmpty(),
            10000);
        window = window.section(QLatin1Char('\n'), 0, 0);
        // The close button sits in the top-right corner: 6295 twips from the left, 195 twips square.
        QTest::qWait(300);
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("426"),
             QStringLiteral("6"), QStringLiteral("click"), QStringLiteral("1")});
        QVERIFY(bar.waitForFinished(10000));
        QCOMPARE(bar.exitStatus(), QProcess::NormalExit);
        QCOMPARE(bar.exitCode(), 0);
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_realwindow.moc"
