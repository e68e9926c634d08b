// Where the keyboard goes: into the entry box after start-up and when a note over it goes; a note
// never takes the focus, and a press on it is a press in the box.

#include "entrybar.h"
#include "window/statusline.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QToolTip>

namespace {

const QString kContacts = u"Fischer, Fritz|Fritz Fischer;Smith, John|John Smith"_s;

// Keys go where the application sends them: to the focused widget.
void typeAtFocus(const QString& text)
{
    QVERIFY(QApplication::focusWidget());
    typeInto(QApplication::focusWidget(), text);
}

frmMain& startIn(BarFixture& f, int mode)
{
    f.store.values.insert(u"Settings/WindowMode"_s, QString::number(mode));
    frmMain& form = loadBar(f, kContacts);
    form.activateWindow();
    [&form] { QVERIFY(QTest::qWaitForWindowActive(&form)); }();
    return form;
}

} // namespace

class TestEntryFocus : public QObject {
    Q_OBJECT

private slots:
    void firstKeyStartsAName_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("entry row only") << 1;
        QTest::newRow("with the selectors") << 2;
        QTest::newRow("full") << 3;
    }
    void firstKeyStartsAName()
    {
        QFETCH(int, mode);
        BarFixture f;
        frmMain& form = startIn(f, mode);
        QCOMPARE(QApplication::focusWidget(), ui<QLineEdit>(form, "txtContact"));

        // "f" is also the first letter of the category "Family": it must start a name instead.
        typeAtFocus(u"f"_s);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), u"Fischer, Fritz"_s);
        QCOMPARE(chosenId(form), u"id1"_s);
        QCOMPARE(ui<QComboBox>(form, "cmbCategories")->currentIndex(), 0);
        QVERIFY(f.client.logOf({u"Restrict"_s}).isEmpty());
    }

    void focusWhenANoteGoes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("focusedBefore");
        QTest::addColumn<QString>("focusedAfter");
        // The category selector lies above the window in mode 1: nobody can see the focus there.
        QTest::newRow("selector out of sight") << 1 << u"cmbCategories"_s << u"txtContact"_s;
        QTest::newRow("selector in sight") << 2 << u"cmbCategories"_s << u"cmbCategories"_s;
        QTest::newRow("quick mail subject") << 3 << u"txtSubject"_s << u"txtSubject"_s;
        QTest::newRow("hidden mail body") << 3 << u"txtBody"_s << u"txtContact"_s;
        QTest::newRow("a small button") << 1 << u"cmdState"_s << u"txtContact"_s;
    }
    void focusWhenANoteGoes()
    {
        QFETCH(int, mode);
        QFETCH(QString, focusedBefore);
        QFETCH(QString, focusedAfter);
        BarFixture f;
        frmMain& form = startIn(f, mode);
        form.control(focusedBefore)->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget()->objectName(), focusedBefore);
        if (focusedBefore == u"txtBody"_s)
            form.modes()->setWindowMode(1); // the quick-mail area goes, with the focus in it

        form.flashStatus(u"The address book has 2 cards that could not be read."_s, 50);
        QTRY_VERIFY(ui<QLineEdit>(form, "txtStatus")->isHidden());
        QCOMPARE(QApplication::focusWidget()->objectName(), focusedAfter);
    }

    void pressOnANote_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void pressOnANote()
    {
        QFETCH(Qt::MouseButton, button);
        BarFixture f;
        frmMain& form = startIn(f, 1);
        typeAtFocus(u"sm"_s);
        ui<QToolButton>(form, "cmdState")->setFocus(Qt::TabFocusReason);
        form.flashStatus(u"Cannot hide: this desktop has no notification area"_s);
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->isVisible());

        // Through the window, as the platform delivers it: the note is on top at that place.
        const QPoint at = ui<QLineEdit>(form, "txtStatus")->geometry().center();
        QTest::mousePress(form.windowHandle(), button, {}, at);
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->isHidden());
        QCOMPARE(QApplication::focusWidget(), ui<QLineEdit>(form, "txtContact"));
        QTest::mouseRelease(form.windowHandle(), button, {}, at);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), QString());

        typeAtFocus(u"jo"_s);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), u"John Smith"_s);
        QCOMPARE(chosenId(form), u"id2"_s);
    }

    void longNoteShowsItsBeginning()
    {
        BarFixture f;
        frmMain& form = startIn(f, 1);
        const QString note = u"This contact is no longer in the address book, and this note goes on well past the end "
                             u"of the line it is shown on."_s;
        form.flashStatus(note);
        QCOMPARE(ui<QLineEdit>(form, "txtStatus")->text(), note);
        QCOMPARE(ui<QLineEdit>(form, "txtStatus")->cursorPosition(), 0);
        QVERIFY(!ui<QLineEdit>(form, "txtStatus")->hasFocus());
    }

    void noteCanBeReadWhole_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("shownOnPress"); // a press shows it whole before it goes
        QTest::newRow("fits the line") << u"Address book read"_s << false;
        QTest::newRow("cut short") << u"3 contacts were skipped (quintel-contacts could not read them): see the log "
                                      u"for their files"_s
                                   << true;
    }
    void noteCanBeReadWhole()
    {
        QFETCH(QString, note);
        QFETCH(bool, shownOnPress);
        BarFixture f;
        frmMain& form = startIn(f, 1);
        QToolTip::hideText();
        form.flashStatus(note);
        auto* line = ui<QLineEdit>(form, "txtStatus");
        auto* box = ui<QLineEdit>(form, "txtContact");
        QCOMPARE(form.status()->isCut(), shownOnPress);

        // The pointer resting on the line (the box under it gets the event): the whole note.
        const QPoint at = line->geometry().center();
        QHelpEvent rest(QEvent::ToolTip, box->mapFromParent(at), form.mapToGlobal(at));
        QApplication::sendEvent(box, &rest);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), note);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());

        QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, at);
        QVERIFY(line->isHidden());
        QCOMPARE(QToolTip::isVisible(), shownOnPress);
        if (shownOnPress)
            QCOMPARE(QToolTip::text(), note);
        QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, at);
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestEntryFocus)
#include "test_entryfocus.moc"
