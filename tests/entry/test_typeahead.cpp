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
    return form.findChild<QToolButton*>(QStringLiteral("cmdViewContact"))->isEnabled() ||
           form.findChild<QToolButton*>(QStringLiteral("cmdEMailContact"))->isEnabled() ||
           form.findChild<QToolButton*>(QStringLiteral("cmdQEmailContact"))->isEnabled() ||
           form.findChild<QToolButton*>(QStringLiteral("cmdDialContact"))->isEnabled() ||
           form.findChild<QToolButton*>(QStringLiteral("cmdWriteContact"))->isEnabled();
}

} // namespace

class TestTypeahead : public QObject {
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void focus_data();
    void focus();
    void mousePressEmptiesTheBox();
    void dropDown();
    void deletedContact();
    void failingStore();
};

void TestTypeahead::keys_data()
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
    QTest::newRow("backspace after one letter") << kAdams << u"a<Backspace>"_s << QString() << QString() << QString();
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

void TestTypeahead::keys()
{
    QFETCH(QString, contacts);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, chosen);

    BarFixture f;
    frmMain& form = loadBar(f, contacts);
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), keys);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), text);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectedText(), selected);
    if (!selected.isEmpty())
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectionEnd(), text.size());
    QCOMPARE(chosenId(form), chosen);
    QCOMPARE(anyActionEnabled(form), !chosen.isEmpty());
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("imgOne"))->isVisible(), !chosen.isEmpty());
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("imgTwo"))->isVisible(), chosen.isEmpty());
}

void TestTypeahead::focus_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<bool>("empties");
    QTest::newRow("tab") << Qt::TabFocusReason << true;
    QTest::newRow("mouse") << Qt::MouseFocusReason << true;
    QTest::newRow("code") << Qt::OtherFocusReason << true;
    QTest::newRow("window comes back") << Qt::ActiveWindowFocusReason << false;
}

void TestTypeahead::focus()
{
    QFETCH(Qt::FocusReason, reason);
    QFETCH(bool, empties);
    BarFixture f;
    frmMain& form = loadBar(f, kSmith);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->setFocus();
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"sm"_s);

    form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->setFocus(reason);
    QVERIFY(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->hasFocus());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text().isEmpty(), empties);
    QCOMPARE(!form.session()->currentContact() && !anyActionEnabled(form), empties);
}

void TestTypeahead::mousePressEmptiesTheBox()
{
    BarFixture f;
    frmMain& form = loadBar(f, kSmith);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"sm"_s);
        QVERIFY(form.session()->currentContact());
        QTest::mousePress(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), button, {}, QPoint(5, 5));
        QTest::mouseRelease(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), button, {}, QPoint(5, 5));
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), QString());
        QVERIFY(!form.session()->currentContact() && !anyActionEnabled(form));
    }
}

void TestTypeahead::dropDown()
{
    BarFixture f;
    frmMain& form = loadBar(f, kJohnny);
    // Start-up selected the first name without filling the box.
    QCOMPARE(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->currentText(), u"Smith, John"_s);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), QString());

    // Picking "Smith, John" completes to the earlier "Smith, Johnny", wholly selected.
    QTest::keyClick(form.findChild<QComboBox*>(QStringLiteral("cmbContacts")), Qt::Key_Down);
    QTest::keyClick(form.findChild<QComboBox*>(QStringLiteral("cmbContacts")), Qt::Key_Up);
    QCOMPARE(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->currentText(), u"Smith, John"_s);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectedText(), u"Smith, Johnny"_s);
    QCOMPARE(chosenId(form), u"id1"_s);

    // A reload outside start-up selects the first name once, and the box follows.
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"<Delete>"_s);
    f.client.clearLog();
    form.session()->selectCategory(form.session()->category());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectedText(), u"Smith, Johnny"_s);
    QCOMPARE(f.client.logOf({u"GetItemFromID"_s}), QStringList{u"GetItemFromID(id1)"_s});
}

void TestTypeahead::deletedContact()
{
    BarFixture f;
    frmMain& form = loadBar(f, u"Smith, John|John Smith;Adams|Jo Adams"_s);
    f.client.contacts.removeFirst();
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"sm"_s);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text(), u"Smith, John"_s);
    QVERIFY(!form.session()->currentContact() && !anyActionEnabled(form));
    QVERIFY(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->isVisible());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->text(), ContactEntry::noLongerThereMessage());

    // The bar goes on working; the note goes with the next change.
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"<Delete>ad"_s);
    QVERIFY(!form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))->isVisible());
    QCOMPARE(chosenId(form), u"id2"_s);
}

void TestTypeahead::failingStore()
{
    BarFixture f;
    frmMain& form = loadBar(f, kSmith);
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"s"_s);
    QCOMPARE(chosenId(form), u"id1"_s);

    // Reported like any failure of the address book; the key is not lost, and the contact
    // chosen before is not kept for a name that could not be read.
    f.client.failures.insert(u"GetItemFromID"_s, u"The address book is gone."_s);
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"m"_s);
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectedText(), u"ith, John"_s);
    QVERIFY(!form.session()->currentContact() && !anyActionEnabled(form));

    f.client.failures.clear();
    typeInto(form.findChild<QLineEdit*>(QStringLiteral("txtContact")), u"<Backspace>"_s);
    QCOMPARE(chosenId(form), u"id1"_s);
}

QTEST_MAIN(TestTypeahead)
#include "test_typeahead.moc"
