// The bar in a real Wayland session (Weston, headless): through XWayland when the session has it,
// and natively without it. Run with the test function for the session: "xwayland" or "native".

#include "app/summon.h"
#include "window/realbar.h"
#include "window/statusline.h"
#include "window/summonshortcut.h"

#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// A bar loaded the way main() loads it, with the desktop notes wired before the start-up runs.
struct SessionBar : RealBar {
    SummonShortcut shortcut;
    QTemporaryDir settings; // no file: the usual combination, Ctrl+Alt+Q
    QStringList statusTexts;

    frmMain& start()
    {
        Platform p;
        p.createContactClient = [this](contactclient::DesktopHooks&) { return client.application(); };
        p.createWordProcessor = [] { return std::make_shared<fake::RecordingWordProcessor>(); };
        p.windowSystem = &windowSystem;
        form = std::make_unique<frmMain>(p, RealBar::settings);
        QObject::connect(ui<QLineEdit>(*form, "txtStatus"), &QLineEdit::textChanged, form.get(),
                         [this](const QString& text) { statusTexts.append(text); });
        connectSummonShortcut(*form, shortcut, settings.filePath(QStringLiteral("Quintel.conf")));
        form->Form_Load();
        return *form;
    }
};

const QString kOnTopNote =
    QStringLiteral("Under Wayland, keeping the bar on top of other windows is up to the compositor.");

} // namespace

class TestWayland : public QObject {
    Q_OBJECT

private slots:
    void xwayland()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY(qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
        SessionBar bar;
        frmMain& form = bar.start();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);

        // Its X server is the compositor's XWayland. (Weston's X window manager keeps no window above
        // the others and has no task bar; those hints are checked under openbox.)
        QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(qEnvironmentVariable("DISPLAY").mid(1)));
        QVERIFY(lock.open(QIODevice::ReadOnly));
        QFile server(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(lock.readAll().trimmed())));
        QVERIFY(server.open(QIODevice::ReadOnly));
        // The compositor holds the display and hands it to the XWayland server it starts.
        const QByteArray owner = server.readAll().trimmed();
        QVERIFY2(owner == "weston" || owner == "Xwayland", owner.constData());
        // Through XWayland the bar keeps itself on top where the window manager allows: no note about it.
        QVERIFY(!bar.statusTexts.contains(kOnTopNote));

        // Moved where a drag ends, it stays there, also across hiding and showing.
        const QPoint place(300, 200);
        form.move(place);
        QTRY_COMPARE_WITH_TIMEOUT(form.pos(), place, kPatience);
        form.hide();
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QTRY_COMPARE_WITH_TIMEOUT(form.pos(), place, kPatience);
    }

    void native()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(!qEnvironmentVariableIsSet("DISPLAY"));
        SessionBar bar;
        frmMain& form = bar.start();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);

        // The status line says once that keeping on top is the compositor's business, then that the
        // summon shortcut needs a desktop shortcut here (this session has no portal).
        QTRY_VERIFY_WITH_TIMEOUT(bar.statusTexts.contains(kOnTopNote), kPatience);
        QTRY_VERIFY_WITH_TIMEOUT(form.status()->text().contains(QStringLiteral("to the command \"quintel\"")),
                                 kPatience);
        form.hide();
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QCOMPARE(bar.statusTexts.count(kOnTopNote), 1);
    }
};

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"
