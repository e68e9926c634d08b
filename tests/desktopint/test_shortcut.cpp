// The summon shortcut on X11: a key grab on the root window of a real X display, with a window
// manager and a tray host.

#include "app/summon.h"
#include "window/realbar.h"
#include "window/summonshortcut.h"
#include "window/trayicon.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

#include <xcb/xcb.h>

namespace {

// Another program on the same display, holding a key grab of its own.
class OtherClient {
public:
    OtherClient() : m_connection(xcb_connect(nullptr, nullptr)) {}
    ~OtherClient() { xcb_disconnect(m_connection); }

    // Grabs keysym with Ctrl+Alt; true when the X server gave the grab.
    bool grab(xcb_keysym_t keysym)
    {
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
            m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, quint8(count)), nullptr);
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
        xcb_keycode_t keycode = 0;
        for (int i = 0; i < count && !keycode; ++i) {
            if (syms[i * map->keysyms_per_keycode] == keysym)
                keycode = xcb_keycode_t(setup->min_keycode + i);
        }
        free(map);
        xcb_generic_error_t* error = xcb_request_check(
            m_connection, xcb_grab_key_checked(m_connection, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1, keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        free(error);
        return keycode && !error;
    }

private:
    xcb_connection_t* m_connection;
};

} // namespace

class TestShortcut : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void summonFromAnywhere_data()
    {
        QTest::addColumn<bool>("inTray");
        QTest::newRow("behind another program's window") << false;
        QTest::newRow("hidden in the notification area") << true;
    }
    void summonFromAnywhere()
    {
        QFETCH(bool, inTray);
        RealBar bar;
        frmMain& form = bar.load();
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        SummonShortcut shortcut;
        connect(&shortcut, &SummonShortcut::activated, &form, [&form] { summonBar(form); });
        shortcut.setShortcut(QStringLiteral("Ctrl+Alt+Q"));
        QVERIFY(shortcut.isActive());

        setText(form, "txtContact", QStringLiteral("Smi"));
        QWidget other;
        other.setWindowTitle(QStringLiteral("Another program"));
        other.resize(400, 300);
        other.show();
        other.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(other.isActiveWindow(), kPatience);
        if (inTray) {
            QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), kPatience);
            click(form, "cmdMin");
            QTRY_VERIFY(!form.isVisible());
        }

        xdotool(QStringLiteral("key ctrl+alt+q"));
        QTRY_VERIFY_WITH_TIMEOUT(form.isVisible() && form.isActiveWindow(), kPatience);
        QVERIFY(!form.tray()->isInTray());
        QTRY_VERIFY(ui<QLineEdit>(form, "txtContact")->hasFocus());
        QVERIFY(ui<QLineEdit>(form, "txtContact")->text().isEmpty());

        // Typing goes into the bar at once.
        QTRY_VERIFY_WITH_TIMEOUT(hasKeyboard(form), kPatience);
        xdotool(QStringLiteral("type b"));
        QTRY_COMPARE(ui<QLineEdit>(form, "txtContact")->text().left(1), QStringLiteral("b"));
    }

    void takenIsReported()
    {
        OtherClient other;
        QVERIFY(other.grab(0x77)); // Ctrl+Alt+W
        SummonShortcut shortcut;
        QSignalSpy failed(&shortcut, &SummonShortcut::failed);
        shortcut.setShortcut(QStringLiteral("Ctrl+Alt+W"));
        QVERIFY(!shortcut.isActive());
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.at(0).at(0).toString(),
                 QStringLiteral("The shortcut Ctrl+Alt+W is taken by another program: choose another one in Quintel "
                                "Setup."));
        // A free combination still works after a refusal.
        shortcut.setShortcut(QStringLiteral("Ctrl+Alt+E"));
        QVERIFY(shortcut.isActive());
    }

    void givenBack()
    {
        SummonShortcut shortcut;
        shortcut.setShortcut(QStringLiteral("Ctrl+Alt+R"));
        QVERIFY(shortcut.isActive());
        {
            OtherClient other;
            QVERIFY(!other.grab(0x72));
        }
        shortcut.setShortcut(QString());
        QVERIFY(!shortcut.isActive());
        OtherClient other;
        QVERIFY(other.grab(0x72));
    }
};

QTEST_MAIN(TestShortcut)
#include "test_shortcut.moc"
