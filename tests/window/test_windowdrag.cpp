// A press on the bar moves it only once the pointer has gone past the drag distance with the
// button held; a click is a click. The entry box empties when the press ends. Without a window
// manager (offscreen) the bar follows the pointer itself.

#include "entry/entrybar.h"
#include "window/placementautosave.h"
#include "window/windowdrag.h"

#include <QApplication>
#include <QStyleHints>

class TestWindowDrag : public QObject {
    Q_OBJECT

private slots:
    void press_data()
    {
        QTest::addColumn<QString>("on"); // the body, or the entry box
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<int>("distance"); // how far the pointer goes, in drag distances (-1: one pixel)
        QTest::addColumn<bool>("askedWindowManager");
        QTest::addColumn<int>("movedHalves"); // how far the bar moved, in halves of the pointer's way

        QTest::newRow("click on the body") << u"body"_s << Qt::LeftButton << true << 0 << false << 0;
        QTest::newRow("click in the box") << u"box"_s << Qt::LeftButton << true << 0 << false << 0;
        QTest::newRow("jitter in the box") << u"box"_s << Qt::LeftButton << true << -1 << false << 0;
        QTest::newRow("drag: window manager moves") << u"box"_s << Qt::LeftButton << true << 3 << true << 0;
        QTest::newRow("drag: no window manager") << u"box"_s << Qt::LeftButton << false << 3 << true << 2;
        QTest::newRow("drag with the right button") << u"body"_s << Qt::RightButton << true << 3 << false << 2;
    }
    void press()
    {
        QFETCH(QString, on);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, windowManager);
        QFETCH(int, distance);
        QFETCH(bool, askedWindowManager);
        QFETCH(int, movedHalves);

        BarFixture f;
        f.windowSystem.systemMoveWorks = windowManager;
        frmMain& form = loadBar(f, u"Smith, John|John Smith"_s);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        typeInto(ui<QLineEdit>(form, "txtContact"), u"sm"_s);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), u"Smith, John"_s);
        f.windowSystem.log.clear();

        QPoint at = ui<QLineEdit>(form, "txtContact")->geometry().center();
        if (on == u"body"_s) {
            at = QPoint(form.width() - 1, form.height() / 2);
            QVERIFY(!form.childAt(at));
        }
        const QPoint start = form.pos();
        const QPoint pressedAt = form.mapToGlobal(at);
        const int step = QApplication::startDragDistance();
        const QPoint by = distance < 0 ? QPoint(1, 0) : QPoint(step * distance, step * distance / 2);

        // The pointer's place on the screen, given to the window as it stands at that moment.
        QWindow* window = form.windowHandle();
        auto local = [&form](const QPoint& global) { return global - form.mapToGlobal(QPoint()); };
        QTest::mousePress(window, button, {}, at);
        if (distance != 0) {
            QTest::mouseMove(window, local(pressedAt + by / 2));
            QTest::mouseMove(window, local(pressedAt + by));
        }
        // Until the press ends the box keeps its name.
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), u"Smith, John"_s);
        QCOMPARE(f.windowSystem.log.count(u"system move"_s), askedWindowManager ? 1 : 0);
        QTest::mouseRelease(window, button, {}, local(pressedAt + (distance == 0 ? QPoint() : by)));

        QCOMPARE(form.pos(), start + by * movedHalves / 2);
        QVERIFY(!form.drag()->isPressed());
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text().isEmpty(), on == u"box"_s);
    }

    void placeIsKeptAfterAMove_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("moved") << u"move"_s;
        QTest::newRow("mode changed") << u"mode"_s;
    }
    void placeIsKeptAfterAMove()
    {
        QFETCH(QString, change);
        BarFixture f;
        frmMain& form = loadBar(f, u"Smith, John|John Smith"_s);
        form.placementAutoSave()->setDelay(20);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(f.store.values.contains(u"Settings/WindowLeft"_s)); // the place it came up at
        const QString left = f.store.values.value(u"Settings/WindowLeft"_s);

        if (change == u"move"_s)
            form.move(form.pos() + QPoint(-40, 0));
        else
            click(form, "cmdState");
        if (change == u"move"_s)
            QTRY_COMPARE(f.store.values.value(u"Settings/WindowLeft"_s), QString::number(left.toInt() - 600));
        else
            QTRY_COMPARE(f.store.values.value(u"Settings/WindowMode"_s), u"2"_s);
        QVERIFY(form.isVisible()); // kept without closing the bar
    }

    void placeIsKeptOnExit_data()
    {
        QTest::addColumn<QString>("failingCall");
        QTest::addColumn<bool>("inTrayMinimized"); // sent to the tray by the window manager's minimize
        QTest::addColumn<bool>("kept");
        QTest::newRow("started") << QString() << false << true;
        QTest::newRow("in the tray, minimized") << QString() << true << true;
        QTest::newRow("start-up failed") << u"Logon"_s << false << false;
    }
    void placeIsKeptOnExit()
    {
        QFETCH(QString, failingCall);
        QFETCH(bool, inTrayMinimized);
        QFETCH(bool, kept);
        BarFixture f;
        f.client.add(u"Smith, John"_s, u"John Smith"_s);
        if (!failingCall.isEmpty())
            f.client.failures.insert(failingCall, u"The address book is on fire."_s);
        frmMain& form = f.load();
        form.modes()->setWindowMode(2);
        if (inTrayMinimized) {
            form.hide();
            form.setWindowState(Qt::WindowMinimized);
        }

        // A signal, the session manager or the end of the event loop: the bar is still open.
        form.savePlacementOnExit();
        QCOMPARE(f.store.values.value(u"Settings/WindowMode"_s), kept ? u"2"_s : QString());
        QCOMPARE(f.store.values.contains(u"Settings/WindowBottom"_s), kept);
    }
};

QTEST_MAIN(TestWindowDrag)
#include "test_windowdrag.moc"
