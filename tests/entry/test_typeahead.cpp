// The entry box through real key and mouse events: completion, Backspace and Delete, focus,
// mouse, the drop-down, and contacts that cannot be read.

#include "contacts/namesort.h"
#include "entry/contactentry.h"
#include "entrybar.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace {

const QString kSmith = u"Smith, John|John Smith"_s;
const QString kAdams = u"Adler, Kim|Kim Adler;Adams|Jo Adams"_s;
const QString kJohnny = u"Smith, Johnny|Johnny Smith;Smith, John|John Smith"_s;

bool anyActionEnabled(const frmMain& form)
{
    return ui<QToolButton>(form, "cmdViewContact")->isEnabled() ||
           ui<QToolButton>(form, "cmdEMailContact")->isEnabled() ||
           ui<QToolButton>(form, "cmdQEmailContact")->isEnabled() ||
           ui<QToolButton>(form, "cmdDialContact")->isEnabled() ||
           ui<QToolButton>(form, "cmdWriteContact")->isEnabled();
}

} // namespace

class TestTypeahead : public QObject {
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<QString>("contacts");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected"); // always the tail of the text
        QTest::addColumn<QString>("chosen");

        const QString world = u"Müller, Hans|Hans Müller;Roux, Élodie|Élodie Roux;Петров, Дмитрий|Дмитрий Петров"_s;
        QTest::newRow("filing name") << kSmith << u"sm"_s << u"Smith, John"_s << u"ith, John"_s << u"id1"_s;
        QTest::newRow("full name") << kSmith << u"jo"_s << u"John Smith"_s << u"hn Smith"_s << u"id1"_s;
        QTest::newRow("typed case replaced") << kSmith << u"SM"_s << u"Smith, John"_s << u"ith, John"_s << u"id1"_s;
        QTest::newRow("miss keeps the text") << kSmith << u"smx"_s << u"Smx"_s << QString() << QString();
        QTest::newRow("earliest beats later exact")
            << u"Smith, Johnny|Johnny Smith;Adams, Al|Al Adams;Smith, John|John Smith"_s << u"Smith, John"_s
            << u"Smith, Johnny"_s << u"ny"_s << u"id1"_s;
        QTest::newRow("ü") << world << u"mü"_s << u"Müller, Hans"_s << u"ller, Hans"_s << u"id1"_s;
        QTest::newRow("é") << world << u"é"_s << u"Élodie Roux"_s << u"lodie Roux"_s << u"id2"_s;
        QTest::newRow("д") << world << u"д"_s << u"Дмитрий Петров"_s << u"митрий Петров"_s << u"id3"_s;
        QTest::newRow("shared name: first contact")
            << u"Lee, Ann|Ann Lee;Lee, Ann|Ann Lee Jr"_s << u"lee, ann"_s << u"Lee, Ann"_s << QString() << u"id1"_s;
        QTest::newRow("backspace over a tail")
            << kAdams << u"ada<Backspace>"_s << u"Adler, Kim"_s << u"Adler, Kim"_s << u"id1"_s;
        QTest::newRow("backspace, no selection")
            << kAdams << u"adams<End><Backspace>"_s << u"Adams"_s << u"s"_s << u"id2"_s;
        QTest::newRow("backspace after one letter")
            << kAdams << u"a<Backspace>"_s << QString() << QString() << QString();
        QTest::newRow("backspace, all selected")
            << kAdams << u"ada<SelectAll><Backspace>"_s << QString() << QString() << QString();
        QTest::newRow("delete a tail") << kAdams << u"ada<Delete>"_s << QString() << QString() << QString();
        QTest::newRow("delete, all selected")
            << kAdams << u"ada<SelectAll><Delete>"_s << QString() << QString() << QString();
        QTest::newRow("delete, no selection")
            << kAdams << u"ada<End><Home><Delete>"_s << u"dams"_s << QString() << QString();
        QTest::newRow("emptied box: empty name")
            << u"Adams|Jo Adams;Blank, Bo|"_s << u"ada<Delete>"_s << QString() << QString() << u"id2"_s;
    }
    void keys()
    {
        QFETCH(QString, contacts);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QString, chosen);

        BarFixture f;
        frmMain& form = loadBar(f, contacts);
        typeInto(ui<QLineEdit>(form, "txtContact"), keys);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), text);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectedText(), selected);
        if (!selected.isEmpty())
            QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectionEnd(), text.size());
        QCOMPARE(chosenId(form), chosen);
        QCOMPARE(anyActionEnabled(form), !chosen.isEmpty());
        QCOMPARE(ui<QLabel>(form, "imgOne")->isVisible(), !chosen.isEmpty());
        QCOMPARE(ui<QLabel>(form, "imgTwo")->isVisible(), chosen.isEmpty());
    }

    void focus_data()
    {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<bool>("empties");
        QTest::newRow("tab") << Qt::TabFocusReason << true;
        QTest::newRow("mouse") << Qt::MouseFocusReason << true;
        QTest::newRow("code") << Qt::OtherFocusReason << true;
        QTest::newRow("window comes back") << Qt::ActiveWindowFocusReason << false;
    }
    void focus()
    {
        QFETCH(Qt::FocusReason, reason);
        QFETCH(bool, empties);
        BarFixture f;
        frmMain& form = loadBar(f, kSmith);
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        ui<QComboBox>(form, "cmbContacts")->setFocus();
        typeInto(ui<QLineEdit>(form, "txtContact"), u"sm"_s);

        ui<QLineEdit>(form, "txtContact")->setFocus(reason);
        QVERIFY(ui<QLineEdit>(form, "txtContact")->hasFocus());
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text().isEmpty(), empties);
        QCOMPARE(!form.session()->currentContact() && !anyActionEnabled(form), empties);
    }

    void mousePressEmptiesTheBox()
    {
        BarFixture f;
        frmMain& form = loadBar(f, kSmith);
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            typeInto(ui<QLineEdit>(form, "txtContact"), u"sm"_s);
            QVERIFY(form.session()->currentContact());
            QTest::mousePress(ui<QLineEdit>(form, "txtContact"), button, {}, QPoint(5, 5));
            QTest::mouseRelease(ui<QLineEdit>(form, "txtContact"), button, {}, QPoint(5, 5));
            QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), QString());
            QVERIFY(!form.session()->currentContact() && !anyActionEnabled(form));
        }
    }

    void dropDown()
    {
        BarFixture f;
        frmMain& form = loadBar(f, kJohnny);
        // Start-up selected the first name without filling the box.
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->currentText(), u"Smith, John"_s);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), QString());

        // Picking "Smith, John" completes to the earlier "Smith, Johnny", wholly selected.
        QTest::keyClick(ui<QComboBox>(form, "cmbContacts"), Qt::Key_Down);
        QTest::keyClick(ui<QComboBox>(form, "cmbContacts"), Qt::Key_Up);
        QCOMPARE(ui<QComboBox>(form, "cmbContacts")->currentText(), u"Smith, John"_s);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectedText(), u"Smith, Johnny"_s);
        QCOMPARE(chosenId(form), u"id1"_s);

        // A reload outside start-up selects the first name once, and the box follows.
        typeInto(ui<QLineEdit>(form, "txtContact"), u"<Delete>"_s);
        f.client.clearLog();
        form.session()->selectCategory(form.session()->category());
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectedText(), u"Smith, Johnny"_s);
        QCOMPARE(f.client.logOf({u"GetItemFromID"_s}), QStringList{u"GetItemFromID(id1)"_s});
    }

    void deletedContact()
    {
        BarFixture f;
        frmMain& form = loadBar(f, u"Smith, John|John Smith;Adams|Jo Adams"_s);
        f.client.contacts.removeFirst();
        typeInto(ui<QLineEdit>(form, "txtContact"), u"sm"_s);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->text(), u"Smith, John"_s);
        QVERIFY(!form.session()->currentContact() && !anyActionEnabled(form));
        QVERIFY(ui<QLineEdit>(form, "txtStatus")->isVisible());
        QCOMPARE(ui<QLineEdit>(form, "txtStatus")->text(), ContactEntry::noLongerThereMessage());

        // The bar goes on working; the note goes with the next change.
        typeInto(ui<QLineEdit>(form, "txtContact"), u"<Delete>ad"_s);
        QVERIFY(!ui<QLineEdit>(form, "txtStatus")->isVisible());
        QCOMPARE(chosenId(form), u"id2"_s);
    }

    void failingStore()
    {
        BarFixture f;
        frmMain& form = loadBar(f, kSmith);
        typeInto(ui<QLineEdit>(form, "txtContact"), u"s"_s);
        QCOMPARE(chosenId(form), u"id1"_s);

        // Reported like any failure of the address book; the key is not lost, and the contact
        // chosen before is not kept for a name that could not be read.
        f.client.failures.insert(u"GetItemFromID"_s, u"The address book is gone."_s);
        typeInto(ui<QLineEdit>(form, "txtContact"), u"m"_s);
        QCOMPARE(ui<QLineEdit>(form, "txtContact")->selectedText(), u"ith, John"_s);
        QVERIFY(!form.session()->currentContact() && !anyActionEnabled(form));

        f.client.failures.clear();
        typeInto(ui<QLineEdit>(form, "txtContact"), u"<Backspace>"_s);
        QCOMPARE(chosenId(form), u"id1"_s);
    }
};

QTEST_MAIN(TestTypeahead)
#include "test_typeahead.moc"
