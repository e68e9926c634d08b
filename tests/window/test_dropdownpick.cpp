// A name chosen in the open contact drop-down, with real keys or the mouse on a real X display,
// ends up whole and selected in the entry box, also when the box already holds that name (the user
// typed its first letters, or picks the name the box shows).

#include "realbar.h"
#include "window/windowmodes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

class TestDropDownPick : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void pickedNameSelectedWhole_data()
    {
        QTest::addColumn<QString>("typed"); // into the box before the list is opened
        QTest::addColumn<QString>("pick");  // keys after opening; "click": a click on the entry
        QTest::addColumn<QString>("name");

        QTest::newRow("another name, Return")
            << QString() << QStringLiteral("Down Return") << QStringLiteral("Baker, Bo");
        QTest::newRow("first letters typed, their name, Return")
            << QStringLiteral("co") << QStringLiteral("Down Down Return") << QStringLiteral("Cole, Cy");
        QTest::newRow("first letters typed, their name, Enter")
            << QStringLiteral("co") << QStringLiteral("Down Down KP_Enter") << QStringLiteral("Cole, Cy");
        QTest::newRow("first letters typed, their name, click")
            << QStringLiteral("co") << QStringLiteral("click") << QStringLiteral("Cole, Cy");
        QTest::newRow("first letters typed, another name, Return")
            << QStringLiteral("co") << QStringLiteral("Down Return") << QStringLiteral("Baker, Bo");
    }
    void pickedNameSelectedWhole()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pick);
        QFETCH(QString, name);
        RealBar bar;
        bar.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams"));
        bar.client.add(QStringLiteral("Baker, Bo"), QStringLiteral("Bo Baker"));
        bar.client.add(QStringLiteral("Cole, Cy"), QStringLiteral("Cy Cole"));
        frmMain& form = bar.load();
        form.modes()->setWindowMode(2);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(form), kPatience);
        QVERIFY(settled(form));
        auto* combo = qobject_cast<QComboBox*>(form.control(QStringLiteral("cmbContacts")));
        QVERIFY(combo);

        if (!typed.isEmpty()) {
            form.activateWindow();
            ui<QLineEdit>(form, "txtContact")->setFocus();
            QTRY_VERIFY_WITH_TIMEOUT(ui<QLineEdit>(form, "txtContact")->hasFocus() && hasKeyboard(form), kPatience);
            xdotool(QStringLiteral("type ") + typed);
            QTRY_COMPARE(ui<QLineEdit>(form, "txtContact")->text(), QStringLiteral("Cole, Cy"));
            QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectedText(), QStringLiteral("le, Cy"));
        }
        bar.client.clearLog();

        xdotool(QStringLiteral("mousemove"), combo->mapToGlobal(combo->rect().center()));
        xdotool(QStringLiteral("click 1"));
        QTRY_VERIFY_WITH_TIMEOUT(combo->view()->isVisible(), kPatience);
        if (pick == QStringLiteral("click")) {
            QAbstractItemView* list = combo->view();
            const QRect entry = list->visualRect(list->model()->index(combo->findText(name), 0));
            xdotool(QStringLiteral("mousemove"), list->viewport()->mapToGlobal(entry.center()));
            xdotool(QStringLiteral("click 1"));
        } else {
            // From the first entry, whatever the list shows as current.
            xdotool(QStringLiteral("key Home"));
            for (const QString& key : pick.split(QLatin1Char(' ')))
                xdotool(QStringLiteral("key ") + key);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!combo->view()->isVisible(), kPatience);
        QCOMPARE(combo->currentText(), name);

        QTRY_COMPARE(ui<QLineEdit>(form, "txtContact")->text(), name);
        QTRY_COMPARE(ui<QLineEdit>(form, "txtContact")->selectedText(), name);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectionStart(), 0);
        // The chosen contact is fetched for the name, as after any change that leaves a whole name.
        QTRY_VERIFY(!bar.client.logOf({QStringLiteral("GetItemFromID")}).isEmpty());
    }
};

QTEST_MAIN(TestDropDownPick)
#include "test_dropdownpick.moc"
