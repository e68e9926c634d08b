// The notification-area icon with a real tray host (trayer) on a real X display.

#include "realbar.h"
#include "window/trayicon.h"
#include "window/windowmodes.h"

#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

// True once the icon has shown the same non-empty place three times over 200 ms.
bool settledPlace(const QSystemTrayIcon& icon, QRect& place)
{
    place = icon.geometry();
    for (int i = 0; i < 2; ++i) {
        QTest::qWait(100);
        if (place.isEmpty() || icon.geometry() != place)
            return false;
    }
    return true;
}

} // namespace

class TestRealTray : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void testHideAndRestore_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("byWindowManager"); // minimized from outside instead of by cmdMin
        QTest::newRow("entry row") << 1 << false;
        QTest::newRow("quick mail") << 3 << false;
        QTest::newRow("window manager minimizes") << 2 << true;
    }
    void testHideAndRestore()
    {
        QFETCH(int, mode);
        QFETCH(bool, byWindowManager);
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), kPatience);

        RealBar bar;
        frmMain& form = bar.load();
        form.modes()->setWindowMode(mode);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        const QRect place = form.geometry();

        if (byWindowManager) {
            run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), QString::number(form.winId())});
        } else {
            QString why;
            const bool hidden = clickUntil(
                form, ui<QToolButton>(form, "cmdMin"), [&form] { return !form.isVisible(); },
                [&form] { return QStringLiteral("status \"%1\"").arg(ui<QLineEdit>(form, "txtStatus")->text()); },
                &why);
            QVERIFY2(hidden, qPrintable(why));
        }
        QTRY_VERIFY2_WITH_TIMEOUT(!form.isVisible(), qPrintable(describe(form)), kPatience);
        QVERIFY(form.tray()->isInTray());
        QSystemTrayIcon* icon = form.tray()->icon();
        QVERIFY(icon && icon->isVisible());
        QCOMPARE(icon->toolTip(), QStringLiteral("Quintel"));
        // The tray host may still be placing the new icon where the last test's icon was.
        QRect iconPlace;
        QTRY_VERIFY_WITH_TIMEOUT(settledPlace(*icon, iconPlace), kPatience);

        xdotool(QStringLiteral("mousemove"), iconPlace.center());
        xdotool(QStringLiteral("click 3")); // a right click opens the menu, and leaves the bar where it is
        QTRY_VERIFY_WITH_TIMEOUT(form.tray()->menu() && form.tray()->menu()->isVisible(), kPatience);
        xdotool(QStringLiteral("key Escape"));
        QTRY_VERIFY(!form.tray()->menu()->isVisible());
        QTest::qWait(300);
        QVERIFY(!form.isVisible());
        // Hidden for the window system too, not only for Qt: no window is left mapped behind the icon.
        QVERIFY2(!run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(form.winId())})
                      .contains(QStringLiteral("IsViewable")),
                 "the bar's window is still mapped while it is in the tray");

        xdotool(QStringLiteral("click 1"));
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(!icon->isVisible());
        QCOMPARE(form.modeState().windowMode, mode);
        QTRY_COMPARE(form.geometry(), place);
        QCOMPARE(form.QWidget::windowState(), Qt::WindowNoState);
        QTRY_VERIFY(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    }

    void testMenu_data()
    {
        QTest::addColumn<QStringList>("notes"); // flashed before the bar goes to the tray, oldest first
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("no notes") << QStringList() << QStringList{QStringLiteral("No notes")};
        const QString longNote = QStringLiteral("3 contacts were skipped (quintel-contacts could not read them): "
                                                "see the log for their files");
        QTest::newRow("notes, newest first")
            << QStringList{QStringLiteral("First"), longNote} << QStringList{longNote, QStringLiteral("First")};
    }
    // A right click on the icon opens the menu every tray program has; its first entry shows the bar.
    void testMenu()
    {
        QFETCH(QStringList, notes);
        QFETCH(QStringList, listed);
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), kPatience);

        RealBar bar;
        frmMain& form = bar.load();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        for (const QString& note : notes)
            form.flashStatus(note);
        form.tray()->cmdMin_Click();
        QTRY_VERIFY(!form.isVisible());
        QRect iconPlace;
        QTRY_VERIFY_WITH_TIMEOUT(settledPlace(*form.tray()->icon(), iconPlace), kPatience);

        xdotool(QStringLiteral("mousemove"), iconPlace.center());
        xdotool(QStringLiteral("click 3"));
        QMenu* menu = form.tray()->menu();
        QTRY_VERIFY_WITH_TIMEOUT(menu && menu->isVisible(), kPatience);
        QStringList entries;
        QStringList noted;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            entries << action->text();
            if (action->menu()) {
                for (QAction* note : action->menu()->actions())
                    noted << note->text();
            }
        }
        QCOMPARE(entries, (QStringList{QStringLiteral("Show Quintel"), QStringLiteral("Quintel Setup"),
                                       QStringLiteral("Last notes"), QStringLiteral("Quit Quintel")}));
        QCOMPARE(noted, listed);

        const QRect show = menu->actionGeometry(menu->actions().first());
        xdotool(QStringLiteral("mousemove"), menu->mapToGlobal(show.center()));
        xdotool(QStringLiteral("click 1"));
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(!form.tray()->isInTray());
    }
};

QTEST_MAIN(TestRealTray)
#include "test_realtray.moc"
