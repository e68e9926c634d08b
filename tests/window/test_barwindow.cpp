// The bar on a real X display with a window manager: its hints and width, a drag with the mouse,
// a click that is no drag, a minimize button that keeps the bar when there is no notification
// area, what the window manager may and may not do to the bar, the windows the bar opens, and a
// category picked with the keyboard.

#include "realbar.h"
#include "settings/frmoptions.h"
#include "window/statusline.h"
#include "window/trayicon.h"
#include "window/windowdrag.h"
#include "window/windowmodes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>

class TestRealWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void testHintsAndWidth()
    {
        RealBar bar;
        frmMain& form = bar.load();
        // The window manager drops skip-taskbar when the window is unmapped; it must be back on showing.
        for (int shown = 0; shown < 2; ++shown) {
            QVERIFY2(QTest::qWaitFor([&form] { return exposed(form); }, kPatience), qPrintable(describe(form)));
            // The window manager may take its time on a loaded machine.
            QTRY_VERIFY_WITH_TIMEOUT(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_ABOVE")), kPatience);
            QTRY_VERIFY_WITH_TIMEOUT(netWmState(&form).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")),
                                     kPatience);
            QCOMPARE(form.width(), 435);
            form.hide();
            QTRY_VERIFY_WITH_TIMEOUT(!exposed(form), kPatience);
            form.show();
        }
    }

    void testDrag_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("button");
        QTest::newRow("left button, entry row") << 1 << QStringLiteral("1");
        QTest::newRow("left button, quick mail") << 3 << QStringLiteral("1");
        QTest::newRow("right button, selector row") << 2 << QStringLiteral("3");
    }
    void testDrag()
    {
        QFETCH(int, mode);
        QFETCH(QString, button);

        RealBar bar;
        frmMain& form = bar.load();
        form.modes()->setWindowMode(mode);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        const QPoint start = form.geometry().topLeft();
        QPoint grab(-1, -1); // on the bar's own background, not on a control
        for (int x = 0; x < form.width() && grab.x() < 0; ++x) {
            if (!form.childAt(x, form.height() / 2))
                grab = form.mapToGlobal(QPoint(x, form.height() / 2));
        }
        QVERIFY(grab.x() >= 0);
        const QPoint by(-120, -90);

        xdotool(QStringLiteral("mousemove"), grab);
        xdotool(QStringLiteral("mousedown ") + button);
        QTRY_VERIFY(form.drag()->isPressed());
        // Nothing moves before the pointer does.
        QCOMPARE(bar.windowSystem.systemMoves + int(form.drag()->isDragging()), 0);
        for (int step = 1; step <= 6; ++step)
            xdotool(QStringLiteral("mousemove"), grab + by * step / 6);
        const int moves = bar.windowSystem.systemMoves + int(form.drag()->isDragging());
        xdotool(QStringLiteral("mouseup ") + button);
        QCOMPARE(moves, 1);
        // The bar stands where it would have, had it followed the pointer from the press: the way
        // before the drag distance was reached is not lost.
        const QPoint moved = by;
        QTRY_COMPARE_WITH_TIMEOUT(form.geometry().topLeft(), start + moved, kPatience);

        // A later step of the mode starts from where the bar was dragged to and keeps that bottom edge.
        const int bottom = form.geometry().bottom();
        const int draggedBottom = form.geometry().y() * 15 + twips::geometry(&form).height();
        form.modes()->nextWindowMode();
        QCOMPARE(form.geometry().bottom(), bottom);
        QCOMPARE(form.geometry().x(), start.x() + moved.x());

        form.close();
        QCOMPARE(bar.store.values.value(QStringLiteral("Settings/WindowLeft")),
                 QString::number((start.x() + moved.x()) * 15));
        QCOMPARE(bar.store.values.value(QStringLiteral("Settings/WindowBottom")), QString::number(draggedBottom));
    }

    void testMinimizeWithoutTray()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        RealBar bar;
        frmMain& form = bar.load();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        xdotool(QStringLiteral("mousemove"),
                ui<QToolButton>(form, "cmdMin")->mapToGlobal(ui<QToolButton>(form, "cmdMin")->rect().center()));
        xdotool(QStringLiteral("click 1"));
        QTRY_VERIFY(ui<QLineEdit>(form, "txtStatus")->isVisible());
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->text().contains(QStringLiteral("notification area")));
        QVERIFY(exposed(form));
        QVERIFY(!form.tray()->isInTray());
    }

    void testClickIsNotADrag_data()
    {
        QTest::addColumn<QString>("on");
        QTest::newRow("the entry box") << QStringLiteral("box");
        QTest::newRow("the body") << QStringLiteral("body");
    }
    void testClickIsNotADrag()
    {
        QFETCH(QString, on);
        RealBar bar;
        frmMain& form = bar.load();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        const QPoint start = form.geometry().topLeft();
        const QPoint at =
            on == QStringLiteral("box")
                ? ui<QLineEdit>(form, "txtContact")->mapToGlobal(ui<QLineEdit>(form, "txtContact")->rect().center())
                : form.mapToGlobal(QPoint(form.width() - 2, form.height() / 2));

        // Press and release in one go, as automation, remote desktops and tap-to-click send them.
        xdotool(QStringLiteral("mousemove"), at);
        xdotool(QStringLiteral("click 1"));
        QTRY_VERIFY(!form.drag()->isPressed());
        QCOMPARE(bar.windowSystem.systemMoves, 0);
        if (on == QStringLiteral("box"))
            QTRY_COMPARE(QApplication::focusWidget(), ui<QLineEdit>(form, "txtContact"));

        // The bar does not follow the pointer afterwards.
        const QPoint away = at + QPoint(80, 60);
        xdotool(QStringLiteral("mousemove"), away);
        QTRY_COMPARE(QCursor::pos(), away);
        QVERIFY(!QTest::qWaitFor([&] { return form.geometry().topLeft() != start; }, 500));
    }

    void testWindowManagerRequests_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("maximize") << QStringLiteral("maximize");
        QTest::newRow("full screen") << QStringLiteral("fullscreen");
        QTest::newRow("minimize, no notification area") << QStringLiteral("minimize");
    }
    void testWindowManagerRequests()
    {
        QFETCH(QString, request);
        RealBar bar;
        frmMain& form = bar.load();
        form.modes()->setWindowMode(2);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        const QRect place = form.geometry();
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QTRY_VERIFY(allowedActions(&form).contains(QStringLiteral("_NET_WM_ACTION_MOVE")));
        // Full screen stays on offer (openbox offers it to every normal window): the bar answers it.
        for (const char* refused : {"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE"})
            QVERIFY2(!allowedActions(&form).contains(QLatin1String(refused)), qPrintable(allowedActions(&form)));

        if (request == QStringLiteral("maximize"))
            requestNetWmState(&form, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ");
        else if (request == QStringLiteral("fullscreen"))
            requestNetWmState(&form, "_NET_WM_STATE_FULLSCREEN");
        else
            run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), QString::number(form.winId())});

        // The request has reached the window manager and been answered when the pointer query that
        // follows it comes back; then the bar is as it was.
        xdotool(QStringLiteral("mousemove"), place.center());
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QTRY_COMPARE(form.QWidget::windowState(), Qt::WindowNoState);
        QTRY_COMPARE(form.geometry(), place);
        const QString state = netWmState(&form);
        QVERIFY2(!state.contains(QStringLiteral("MAXIMIZED")) && !state.contains(QStringLiteral("FULLSCREEN")) &&
                     !state.contains(QStringLiteral("HIDDEN")),
                 qPrintable(state));
    }

    void testOpenedWindowsStandAbove_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("options dialog") << QStringLiteral("options");
        QTest::newRow("message box") << QStringLiteral("message");
    }
    void testOpenedWindowsStandAbove()
    {
        QFETCH(QString, window);
        RealBar bar;
        frmMain& form = bar.load();
        form.modes()->setWindowMode(3);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));

        QWidget* opened = nullptr;
        std::unique_ptr<QMessageBox> box;
        if (window == QStringLiteral("options")) {
            click(form, "cmdOptions");
            opened = frmOptions::showDialog(bar.settings);
        } else {
            box = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Quintel message"),
                                                QStringLiteral("Error 1001: The address book is gone."),
                                                QMessageBox::Ok, &form);
            box->show();
            opened = box.get();
        }
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*opened), kPatience);
        QTRY_VERIFY(opened->frameGeometry() != opened->geometry()); // framed by the window manager

        // Above the bar in the stacking order, and wholly on the screen.
        auto stacking = [] {
            return run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
        };
        // The window the window manager manages for the one opened, found by its title.
        auto openedId = [opened] {
            const QString found =
                run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                QStringLiteral("--name"), opened->windowTitle()});
            return found.section(QLatin1Char('\n'), 0, 0).trimmed().toULongLong();
        };
        auto above = [&] {
            const QString order = stacking();
            const qsizetype bar = order.indexOf(QStringLiteral("0x%1").arg(form.winId(), 0, 16));
            return bar >= 0 && openedId() && order.indexOf(QStringLiteral("0x%1").arg(openedId(), 0, 16)) > bar;
        };
        QTRY_VERIFY2(
            above(),
            qPrintable(QStringLiteral("bar 0x%1, window 0x%2: ").arg(form.winId(), 0, 16).arg(openedId(), 0, 16) +
                       stacking()));
        QTRY_VERIFY2(opened->screen()->availableGeometry().contains(opened->frameGeometry()),
                     qPrintable(describe(*opened)));

        if (window == QStringLiteral("options"))
            opened->close();
    }

    // A category picked in the open drop-down with the keyboard filters once. (A contact picked so:
    // test_dropdownpick.)
    void testKeyboardPickInDropDown()
    {
        RealBar bar;
        bar.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"), {}, {QStringLiteral("Family")});
        bar.client.add(QStringLiteral("Baker, Bo"), QStringLiteral("Bo Baker"), {}, {QStringLiteral("Family")});
        bar.client.add(QStringLiteral("Cole, Cy"), QStringLiteral("Cy Cole"));
        frmMain& form = bar.load();
        form.modes()->setWindowMode(2);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        auto* combo = ui<QComboBox>(form, "cmbCategories");
        bar.client.clearLog();
        int statusShown = 0;
        QObject::connect(form.status(), &StatusLine::hidden, &form, [&statusShown] { ++statusShown; });

        xdotool(QStringLiteral("mousemove"), combo->mapToGlobal(combo->rect().center()));
        xdotool(QStringLiteral("click 1"));
        QTRY_VERIFY(combo->view()->isVisible());
        xdotool(QStringLiteral("key Down"));
        xdotool(QStringLiteral("key Return"));
        QTRY_VERIFY(!combo->view()->isVisible());
        QCOMPARE(combo->currentIndex(), 1);
        QTRY_COMPARE(bar.client.logOf({QStringLiteral("Restrict")}).size(), 1);
        QVERIFY(!QTest::qWaitFor([&] { return bar.client.logOf({QStringLiteral("Restrict")}).size() > 1; }, 500));
        QCOMPARE(statusShown, 1);
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_barwindow.moc"
