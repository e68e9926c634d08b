// What a screen reader is told about the bar (through Qt's accessibility interfaces, which the
// AT-SPI bridge hands on): every control has a name, the lamp says whether a contact was found,
// and the focus is drawn so it can be seen on every control that takes it.

#include "contactclient/automation.h"
#include "support/barfixture.h"
#include "window/contrast.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestScreenReader : public QObject {
    Q_OBJECT

private slots:
    void controlsAreNamed_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("kind"); // a drop-down's name is its entry: it says what it is otherwise
        QTest::addColumn<QString>("said");
        QTest::newRow("entry box") << u"txtContact"_s << int(QAccessible::Name) << u"Contact name"_s;
        QTest::newRow("contacts") << u"cmbContacts"_s << int(QAccessible::Description) << u"Contacts"_s;
        QTest::newRow("categories") << u"cmbCategories"_s << int(QAccessible::Description) << u"Category"_s;
        QTest::newRow("lamp, lit") << u"imgOne"_s << int(QAccessible::Name) << u"Contact found"_s;
        QTest::newRow("lamp, out") << u"imgTwo"_s << int(QAccessible::Name) << u"No contact found"_s;
        QTest::newRow("status line") << u"txtStatus"_s << int(QAccessible::Name) << u"Status"_s;
        QTest::newRow("contact count") << u"lblContactCount"_s << int(QAccessible::Description)
                                       << u"Number of contacts"_s;
        QTest::newRow("subject") << u"txtSubject"_s << int(QAccessible::Name) << u"Subject"_s;
        QTest::newRow("mail text") << u"txtBody"_s << int(QAccessible::Name) << u"Mail text"_s;
        QTest::newRow("view") << u"cmdViewContact"_s << int(QAccessible::Name) << u"View contact"_s;
        QTest::newRow("close") << u"cmdClose"_s << int(QAccessible::Name) << u"Close"_s;
    }
    void controlsAreNamed()
    {
        QFETCH(QString, control);
        QFETCH(int, kind);
        QFETCH(QString, said);
        BarFixture f;
        f.client.add(u"Baker, Bo"_s, u"Bo Baker"_s);
        frmMain& form = f.load();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(form.control(control));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Text(kind)), said);
    }

    void focusCanBeSeen_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("mode");
        QTest::newRow("category selector") << u"cmbCategories"_s << 2;
        QTest::newRow("view button") << u"cmdViewContact"_s << 1;
        QTest::newRow("SEND") << u"cmdSendMail"_s << 3;
        QTest::newRow("CANCEL") << u"cmdCancelMail"_s << 3;
    }
    // The control drawn with and without the focus: the focus changes at least a ring of pixels round
    // it, each clearly (not a shade of the same colour).
    void focusCanBeSeen()
    {
        QFETCH(QString, control);
        QFETCH(int, mode);
        BarFixture f;
        f.client.add(u"Baker, Bo"_s, u"Bo Baker"_s);
        f.store.values.insert(u"Settings/WindowMode"_s, QString::number(mode));
        frmMain& form = f.load();
        f.choose(u"id1"_s);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QWidget* w = form.control(control);
        QVERIFY(w->isEnabled() && w->focusPolicy() != Qt::NoFocus);

        form.control(u"txtContact"_s)->setFocus(Qt::TabFocusReason);
        const QImage without = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QVERIFY(w->hasFocus());
        const QImage with = w->grab().toImage();
        QCOMPARE(with.size(), without.size());

        int clear = 0;
        for (int y = 0; y < with.height(); ++y) {
            for (int x = 0; x < with.width(); ++x) {
                if (contrast::ratio(with.pixelColor(x, y), without.pixelColor(x, y)) >= 3.0)
                    ++clear;
            }
        }
        const int ring = 2 * (with.width() + with.height()) - 4;
        QVERIFY2(clear >= ring, qPrintable(u"%1 pixels changed clearly, a ring is %2"_s.arg(clear).arg(ring)));
    }
};

QTEST_MAIN(TestScreenReader)
#include "test_screenreader.moc"
