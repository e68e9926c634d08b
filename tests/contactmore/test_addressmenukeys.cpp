// The E-mail and Quick e-mail buttons' menu of addresses on a real X display, with real keys and
// a real right click: the Menu key, Shift+F10 and the right button open it, Down and Return pick.

#include "window/realbar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using Props = QMap<QString, QString>;

class TestAddressMenuKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void pickWithKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("opener"); // xdotool's words, or "right click"
        QTest::addColumn<QString>("picking");
        QTest::addColumn<QString>("to"); // empty: nothing written
        QTest::newRow("E-mail, Menu key, second") << "cmdEMailContact"
                                                  << "key Menu"
                                                  << "key Down Return"
                                                  << "To=John Smith <john.smith@work.example>";
        QTest::newRow("E-mail, Shift+F10, first") << "cmdEMailContact"
                                                  << "key shift+F10"
                                                  << "key Return"
                                                  << "To=John Smith <js@home.example>";
        QTest::newRow("E-mail, right click, second") << "cmdEMailContact"
                                                     << "right click"
                                                     << "key Down Return"
                                                     << "To=John Smith <john.smith@work.example>";
        QTest::newRow("E-mail, Escape: nothing") << "cmdEMailContact"
                                                 << "key Menu"
                                                 << "key Escape"
                                                 << "";
        QTest::newRow("Quick e-mail, Menu key, second") << "cmdQEmailContact"
                                                        << "key Menu"
                                                        << "key Down Return"
                                                        << "To=John Smith <john.smith@work.example>";
    }
    void pickWithKeys()
    {
        QFETCH(QString, button);
        QFETCH(QString, opener);
        QFETCH(QString, picking);
        QFETCH(QString, to);
        RealBar bar;
        bar.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                       Props{{QStringLiteral("Email1Address"), QStringLiteral("js@home.example")},
                             {QStringLiteral("Email1DisplayName"), QStringLiteral("John Smith <js@home.example>")},
                             {QStringLiteral("Email2Address"), QStringLiteral("john.smith@work.example")}});
        frmMain& form = bar.load();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.session()->chooseEntry(QStringLiteral("id1"));
        auto* target = qobject_cast<QAbstractButton*>(form.control(button));
        QVERIFY(target && target->isEnabled());
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form, kPatience));
        target->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), target);
        bar.client.clearLog();

        // The menu runs its own loop: it is looked for, read and worked from a timer inside it.
        QStringList shown;
        QTimer poll;
        poll.setInterval(50);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible())
                return;
            poll.stop();
            for (const QAction* a : menu->actions())
                shown << a->text();
            xdotool(picking);
        });
        poll.start();
        // A menu that does not go is closed, so that the test fails rather than waits.
        QTimer::singleShot(kPatience, this, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
        if (opener == QLatin1String("right click")) {
            xdotool(QStringLiteral("mousemove"), target->mapToGlobal(target->rect().center()));
            xdotool(QStringLiteral("click 3"));
        } else {
            xdotool(opener);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget() && !shown.isEmpty(), kPatience);
        QCOMPARE(shown, (QStringList{u"js@home.example"_s, u"john.smith@work.example"_s}));
        if (button == QLatin1String("cmdQEmailContact")) {
            // The area is open for the picked address; SEND writes to it.
            QCOMPARE(WindowMode(form.modeState().windowMode), WindowMode::QuickMail);
            form.findChild<QPushButton*>(QStringLiteral("cmdSendMail"))->click();
        }
        QTRY_COMPARE(bar.client.logOf({QStringLiteral("To=")}), to.isEmpty() ? QStringList{} : QStringList{to});
    }
};

QTEST_MAIN(TestAddressMenuKeys)
#include "test_addressmenukeys.moc"
