// The entry box: completion as the user types, the Backspace and Delete rules, focus, mouse and
// the drop-down, all through real key and mouse events on the bar.

#include "entrybar.h"
#include "contacts/contactlists.h"
#include "desktop/messagebox.h"
#include "entry/contactentry.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QToolButton>

namespace {

const QStringList kSmith{QStringLiteral("Smith, John|John Smith")};
const QStringList kAdams{QStringLiteral("Adler, Kim|Kim Adler"), QStringLiteral("Adams|Jo Adams")};

// Plain text is typed; <Name> is a key: Backspace, Delete, End, Home, SelectAll (Ctrl+A).
void play(QLineEdit* box, const QStringList& steps)
{
    static const QMap<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
        {QStringLiteral("<Backspace>"), {Qt::Key_Backspace, Qt::NoModifier}},
        {QStringLiteral("<Delete>"), {Qt::Key_Delete, Qt::NoModifier}},
        {QStringLiteral("<End>"), {Qt::Key_End, Qt::NoModifier}},
        {QStringLiteral("<Home>"), {Qt::Key_Home, Qt::NoModifier}},
        {QStringLiteral("<SelectAll>"), {Qt::Key_A, Qt::ControlModifier}},
    };
    for (const QString& step : steps) {
        if (keys.contains(step))
            QTest::keyClick(box, keys.value(step).first, keys.value(step).second);
        else
            typeInto(box, step);
    }
}

bool anyActionEnabled(const frmMain& form)
{
    return form.cmdViewContact->isEnabled() || form.cmdEMailContact->isEnabled() || form.cmdQEmailContact->isEnabled()
           || form.cmdDialContact->isEnabled() || form.cmdWriteContact->isEnabled();
}

} // namespace

class TestTypeahead : public QObject {
    Q_OBJECT

private slots:
    void init() { MessageBox::shownInTest().clear(); }
    void keys_data();
    void keys();
    void missDisablesEverything();
    void focusEmptiesTheBox_data();
    void focusEmptiesTheBox();
    void mousePressEmptiesTheBox();
    void dropDownWritesTheChosenName();
    void reloadFillsTheBoxOnce();
    void deletedContactIsReported();
    void failingStoreIsReported();
};

void TestTypeahead::keys_data()
{
    QTest::addColumn<QStringList>("contacts");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected"); // always the tail of the text
    QTest::addColumn<QString>("chosen");

    QTest::newRow("filing name") << kSmith << QStringList{QStringLiteral("sm")} << QStringLiteral("Smith, John")
                                 << QStringLiteral("ith, John") << QStringLiteral("id1");
    QTest::newRow("full name") << kSmith << QStringList{QStringLiteral("jo")} << QStringLiteral("John Smith")
                               << QStringLiteral("hn Smith") << QStringLiteral("id1");
    QTest::newRow("typed case replaced") << kSmith << QStringList{QStringLiteral("SM")} << QStringLiteral("Smith, John")
                                         << QStringLiteral("ith, John") << QStringLiteral("id1");
    QTest::newRow("miss keeps the text") << kSmith << QStringList{QStringLiteral("smx")} << QStringLiteral("Smx")
                                         << QString() << QString();
    QTest::newRow("earliest entry beats a later exact one")
        << QStringList{QStringLiteral("Smith, Johnny|Johnny Smith"), QStringLiteral("Adams, Al|Al Adams"),
                       QStringLiteral("Smith, John|John Smith")}
        << QStringList{QStringLiteral("Smith, John")} << QStringLiteral("Smith, Johnny") << QStringLiteral("ny")
        << QStringLiteral("id1");
    const QStringList world{QStringLiteral("Müller, Hans|Hans Müller"), QStringLiteral("Roux, Élodie|Élodie Roux"),
                            QStringLiteral("Петров, Дмитрий|Дмитрий Петров")};
    QTest::newRow("ü") << world << QStringList{QStringLiteral("mü")} << QStringLiteral("Müller, Hans")
                       << QStringLiteral("ller, Hans") << QStringLiteral("id1");
    QTest::newRow("é") << world << QStringList{QStringLiteral("é")} << QStringLiteral("Élodie Roux")
                       << QStringLiteral("lodie Roux") << QStringLiteral("id2");
    QTest::newRow("д") << world << QStringList{QStringLiteral("д")} << QStringLiteral("Дмитрий Петров")
                       << QStringLiteral("митрий Петров") << QStringLiteral("id3");
    QTest::newRow("shared name chooses the first contact")
        << QStringList{QStringLiteral("Lee, Ann|Ann Lee"), QStringLiteral("Lee, Ann|Ann Lee Jr")}
        << QStringList{QStringLiteral("lee, ann")} << QStringLiteral("Lee, Ann") << QString() << QStringLiteral("id1");

    QTest::newRow("backspace over a tail") << kAdams << QStringList{QStringLiteral("ada"), QStringLiteral("<Backspace>")}
                                           << QStringLiteral("Adler, Kim") << QStringLiteral("Adler, Kim")
                                           << QStringLiteral("id1");
    QTest::newRow("backspace without selection")
        << kAdams << QStringList{QStringLiteral("adams"), QStringLiteral("<End>"), QStringLiteral("<Backspace>")}
        << QStringLiteral("Adams") << QStringLiteral("s") << QStringLiteral("id2");
    QTest::newRow("backspace after one letter") << kAdams << QStringList{QStringLiteral("a"), QStringLiteral("<Backspace>")}
                                                << QString() << QString() << QString();
    QTest::newRow("backspace over everything")
        << kAdams << QStringList{QStringLiteral("ada"), QStringLiteral("<SelectAll>"), QStringLiteral("<Backspace>")}
        << QString() << QString() << QString();
    QTest::newRow("delete a tail") << kAdams << QStringList{QStringLiteral("ada"), QStringLiteral("<Delete>")} << QString()
                                   << QString() << QString();
    QTest::newRow("delete everything")
        << kAdams << QStringList{QStringLiteral("ada"), QStringLiteral("<SelectAll>"), QStringLiteral("<Delete>")}
        << QString() << QString() << QString();
    QTest::newRow("delete without selection")
        << kAdams << QStringList{QStringLiteral("ada"), QStringLiteral("<End>"), QStringLiteral("<Home>"), QStringLiteral("<Delete>")}
        << QStringLiteral("dams") << QString() << QString();
    QTest::newRow("emptied box finds the empty name")
        << QStringList{QStringLiteral("Adams|Jo Adams"), QStringLiteral("Blank, Bo|")}
        << QStringList{QStringLiteral("ada"), QStringLiteral("<Delete>")} << QString() << QString() << QStringLiteral("id2");
}

void TestTypeahead::keys()
{
    QFETCH(QStringList, contacts);
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, chosen);

    BarFixture f;
    frmMain& form = loadBar(f, contacts);
    play(form.txtContact, steps);

    QCOMPARE(form.txtContact->text(), text);
    QCOMPARE(form.txtContact->selectedText(), selected);
    if (!selected.isEmpty())
        QCOMPARE(form.txtContact->selectionEnd(), text.size());
    QCOMPARE(chosenId(form), chosen);
    QCOMPARE(form.cmdViewContact->isEnabled(), !chosen.isEmpty());
    QCOMPARE(form.imgOne->isVisible(), !chosen.isEmpty());
    QCOMPARE(form.imgTwo->isVisible(), chosen.isEmpty());
}

void TestTypeahead::missDisablesEverything()
{
    BarFixture f;
    frmMain& form = loadBar(f, kSmith, {{{QStringLiteral("MobileTelephoneNumber"), QStringLiteral("1")},
                                         {QStringLiteral("HomeAddress"), QStringLiteral("x")}}});
    typeInto(form.txtContact, QStringLiteral("j"));
    QVERIFY(form.cmdDialContact->isEnabled());
    QCOMPARE(form.lstContacts->currentIndex().row(), 1);
    QTest::keyClick(form.txtContact, Qt::Key_Delete);
    typeInto(form.txtContact, QStringLiteral("smx"));
    QVERIFY(!form.lstContacts->currentIndex().isValid());
    QCOMPARE(form.txtContact->text(), QStringLiteral("Smx"));
    QVERIFY(!anyActionEnabled(form));
    QVERIFY(form.imgTwo->isVisible());
    QVERIFY(!form.imgOne->isVisible());
}

void TestTypeahead::focusEmptiesTheBox_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("empties");
    QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("backtab") << int(Qt::BacktabFocusReason) << true;
    QTest::newRow("mouse") << int(Qt::MouseFocusReason) << true;
    QTest::newRow("code") << int(Qt::OtherFocusReason) << true;
    QTest::newRow("window comes back") << int(Qt::ActiveWindowFocusReason) << false;
}

void TestTypeahead::focusEmptiesTheBox()
{
    QFETCH(int, reason);
    QFETCH(bool, empties);
    BarFixture f;
    frmMain& form = loadBar(f, kSmith);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.cmbContacts->setFocus();
    typeInto(form.txtContact, QStringLiteral("sm"));
    QVERIFY(form.cmdViewContact->isEnabled());

    form.txtContact->setFocus(Qt::FocusReason(reason));
    QVERIFY(form.txtContact->hasFocus());
    QCOMPARE(form.txtContact->text().isEmpty(), empties);
    QCOMPARE(form.cmdViewContact->isEnabled(), !empties);
    QCOMPARE(form.currentContact == nullptr, empties);
}

void TestTypeahead::mousePressEmptiesTheBox()
{
    BarFixture f;
    frmMain& form = loadBar(f, kSmith);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        typeInto(form.txtContact, QStringLiteral("sm"));
        QVERIFY(form.currentContact);
        QTest::mousePress(form.txtContact, button, {}, QPoint(5, 5));
        QTest::mouseRelease(form.txtContact, button, {}, QPoint(5, 5));
        QCOMPARE(form.txtContact->text(), QString());
        QVERIFY(!form.currentContact);
        QVERIFY(!form.cmdViewContact->isEnabled());
    }
}

void TestTypeahead::dropDownWritesTheChosenName()
{
    BarFixture f;
    frmMain& form = loadBar(f, {QStringLiteral("Smith, Johnny|Johnny Smith"), QStringLiteral("Smith, John|John Smith")});
    // Start-up selected the first name without filling the box.
    QCOMPARE(form.cmbContacts->currentText(), QStringLiteral("Smith, John"));
    QCOMPARE(form.txtContact->text(), QString());

    QTest::keyClick(form.cmbContacts, Qt::Key_Down);
    QCOMPARE(form.txtContact->text(), QStringLiteral("Smith, Johnny"));
    QCOMPARE(form.txtContact->selectedText(), QStringLiteral("Smith, Johnny"));
    QCOMPARE(chosenId(form), QStringLiteral("id1"));

    // Choosing "Smith, John" completes to the earlier "Smith, Johnny" again: the box does not change.
    f.client.clearLog();
    QTest::keyClick(form.cmbContacts, Qt::Key_Up);
    QCOMPARE(form.cmbContacts->currentText(), QStringLiteral("Smith, John"));
    QCOMPARE(form.txtContact->text(), QStringLiteral("Smith, Johnny"));
    QCOMPARE(form.txtContact->selectedText(), QStringLiteral("Smith, Johnny"));
    QCOMPARE(chosenId(form), QStringLiteral("id1"));
}

void TestTypeahead::reloadFillsTheBoxOnce()
{
    BarFixture f;
    frmMain& form = loadBar(f, {QStringLiteral("Smith, Johnny|Johnny Smith"), QStringLiteral("Smith, John|John Smith")});
    form.lists->loadContacts(*form.contactItems);
    QCOMPARE(form.txtContact->text(), QStringLiteral("Smith, Johnny"));
    QCOMPARE(form.txtContact->selectedText(), QStringLiteral("Smith, Johnny"));
    QCOMPARE(f.client.logOf({QStringLiteral("GetItemFromID")}), QStringList{QStringLiteral("GetItemFromID(id1)")});
}

void TestTypeahead::deletedContactIsReported()
{
    BarFixture f;
    frmMain& form = loadBar(f, {QStringLiteral("Smith, John|John Smith"), QStringLiteral("Adams|Jo Adams")});
    f.client.contacts.removeFirst();
    typeInto(form.txtContact, QStringLiteral("sm"));
    QCOMPARE(form.txtContact->text(), QStringLiteral("Smith, John"));
    QVERIFY(!form.currentContact);
    QVERIFY(!anyActionEnabled(form));
    QVERIFY(form.txtStatus->isVisible());
    QCOMPARE(form.txtStatus->text(), ContactEntry::noLongerThereMessage());
    QVERIFY(MessageBox::shownInTest().isEmpty());

    // The bar goes on working; the note goes with the next change.
    QTest::keyClick(form.txtContact, Qt::Key_Delete);
    QVERIFY(!form.txtStatus->isVisible());
    typeInto(form.txtContact, QStringLiteral("ad"));
    QCOMPARE(chosenId(form), QStringLiteral("id2"));
    QVERIFY(form.cmdViewContact->isEnabled());
}

void TestTypeahead::failingStoreIsReported()
{
    BarFixture f;
    frmMain& form = loadBar(f, kSmith);
    typeInto(form.txtContact, QStringLiteral("s"));
    QCOMPARE(chosenId(form), QStringLiteral("id1"));

    // Reported as any failure of the address book is (a message box on a screen); the key is
    // not lost, and the contact chosen before is not kept for a name that could not be read.
    f.client.failures.insert(QStringLiteral("GetItemFromID"), QStringLiteral("The address book is gone."));
    typeInto(form.txtContact, QStringLiteral("m"));
    QCOMPARE(form.txtContact->text(), QStringLiteral("Smith, John"));
    QCOMPARE(form.txtContact->selectedText(), QStringLiteral("ith, John"));
    QVERIFY(!form.currentContact);
    QVERIFY(!anyActionEnabled(form));

    f.client.failures.clear();
    QTest::keyClick(form.txtContact, Qt::Key_Backspace);
    QCOMPARE(form.txtContact->selectedText(), QStringLiteral("Smith, John"));
    QCOMPARE(chosenId(form), QStringLiteral("id1"));
}

QTEST_MAIN(TestTypeahead)
#include "test_typeahead.moc"
