// Adding and changing contacts from the bar on a real X display, with real keys, on a vCard folder:
// a text that names nobody is offered as a new contact in the last row of the list of matches;
// chosen, the card opens in edit mode with the text put in its place, and saved, the contact is in
// the lists and chosen in the box at once. A contact renamed in its card is chosen in the box under
// its new name; one deleted leaves the lists and the box.

#include "actions/contactactions.h"
#include "actions/contactcard.h"
#include "actions/contacteditform.h"
#include "actions/desktopintegration.h"
#include "contactclient/clientconfig.h"
#include "contactclient/contactform.h"
#include "contactclient/factory.h"
#include "contacts/contactsession.h"
#include "entry/matchlist.h"
#include "realbar.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString& path, const QByteArray& data)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit();
}

struct WritableBar {
    QTemporaryDir dir;
    RealBar bar;
    frmMain* form = nullptr;

    QString folder() const { return dir.filePath(u"contacts"_s); }

    bool load()
    {
        if (!QDir().mkpath(folder()) ||
            !writeFile(folder() + u"/ann.vcf"_s, "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Lee\r\n"
                                                 "N:Lee;Ann;;;\r\nEMAIL:ann@acme.example\r\nEND:VCARD\r\n") ||
            !writeFile(folder() + u"/cy.vcf"_s,
                       "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:cy\r\nFN:Cy Cole\r\nN:Cole;Cy;;;\r\nEND:VCARD\r\n"))
            return false;
        bar.store.values.insert(contactclient::kClientSection + u'/' + contactclient::key::Folder, folder());
        bar.adjustPlatform = [this](Platform& p) {
            p.createContactClient = [this](contactclient::DesktopHooks& desktop) {
                return contactclient::createApplication(bar.store, desktop, nullptr);
            };
        };
        form = &bar.load();
        return QTest::qWaitFor([this] { return form->session()->isLoaded() && !form->isLoading(); }, kPatience);
    }
    QLineEdit* box() const { return form->findChild<QLineEdit*>(u"txtContact"_s); }
    MatchList& list() const { return *form->matches(); }

    bool typeInto(const QString& text) const
    {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form))
            return false;
        box()->setFocus();
        if (!QTest::qWaitFor([this] { return box()->hasFocus() && hasKeyboard(*form); }, kPatience))
            return false;
        // Word by word: the helper splits its command at blanks.
        const QStringList words = text.split(u' ');
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (i > 0)
                xdotool(u"key space"_s);
            if (!words[i].isEmpty())
                xdotool(u"type "_s + words[i]);
        }
        return true;
    }
    QStringList rows() const
    {
        QStringList out;
        QAbstractItemModel* model = list().view()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data(Qt::AccessibleTextRole).toString();
        return out;
    }
    // The card window that is up and in edit mode, if any.
    static ContactCard* editingCard()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* card = qobject_cast<ContactCard*>(w); card && card->isVisible() && card->editing())
                return card;
        return nullptr;
    }
    bool chosen(const QString& fileAs) const
    {
        const auto current = form->session()->currentContact();
        return current && current->FileAs() == fileAs && box()->text() == fileAs &&
               form->findChild<QToolButton*>(u"cmdViewContact"_s)->isEnabled() &&
               !form->findChild<QLabel*>(u"imgOne"_s)->isHidden();
    }
};

} // namespace

class TestAddContact : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(windowManagerReady());
    }

    // Typed, chosen by keys or a click, saved with Ctrl+S: in the lists and chosen in the box.
    void addRowAddsTheContact_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("choose");
        QTest::newRow("a name of nobody, Down, Return")
            << u"Bo Ek"_s << QStringList{u"Add “Bo Ek” as a new contact…"_s} << u"Down Return"_s;
        QTest::newRow("after a match by e-mail, Up to the last row")
            << u"example"_s << QStringList{u"Lee, Ann, e-mail ann@acme.example"_s, u"Add “example” as a new contact…"_s}
            << u"Up Return"_s;
        QTest::newRow("a click on it") << u"Dee Fox"_s << QStringList{u"Add “Dee Fox” as a new contact…"_s}
                                       << u"click"_s;
    }
    void addRowAddsTheContact()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, rows);
        QFETCH(QString, choose);
        WritableBar b;
        QVERIFY(b.load());
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*b.form), kPatience);
        QVERIFY(b.typeInto(typed));
        QTRY_VERIFY_WITH_TIMEOUT(b.list().isOpen(), kPatience);
        QTRY_COMPARE(b.rows(), rows);
        QCOMPARE(b.box()->text(), typed);
        QVERIFY(!b.form->session()->currentContact());
        // Read by screen readers as it is shown.
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(b.list().view());
        QVERIFY(list);
        QCOMPARE(list->childCount(), rows.size());
        QCOMPARE(list->child(int(rows.size()) - 1)->text(QAccessible::Name), rows.back());

        if (choose == u"click") {
            QListView* view = b.list().view();
            QTRY_VERIFY_WITH_TIMEOUT(view->windowHandle() && view->windowHandle()->isExposed(), kPatience);
            const QRect last = view->visualRect(view->model()->index(view->model()->rowCount() - 1, 0));
            xdotool(u"mousemove"_s, view->viewport()->mapToGlobal(last.center()));
            xdotool(u"click 1"_s);
        } else {
            for (const QString& key : choose.split(u' '))
                xdotool(u"key "_s + key);
        }
        QTRY_VERIFY_WITH_TIMEOUT(WritableBar::editingCard(), kPatience);
        ContactCard* card = WritableBar::editingCard();
        const contactclient::ContactForm expected = contactclient::formFromText(typed);
        QCOMPARE(card->editForm->txtGivenName->text(), expected.given);
        QCOMPARE(card->editForm->txtFamilyName->text(), expected.family);
        QVERIFY(!b.list().isOpen());

        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == card, kPatience);
        xdotool(u"key ctrl+s"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!card->editing(), kPatience);
        QCOMPARE(QDir(b.folder()).entryList({u"*.vcf"_s}, QDir::Files).size(), 3);
        // At once: the lists, the box and the buttons, before any notice from the folder.
        const QString fileAs =
            b.form->session()->currentContact() ? b.form->session()->currentContact()->FileAs() : QString();
        QVERIFY(!fileAs.isEmpty());
        QVERIFY(b.chosen(fileAs));
        QVERIFY(b.form->findChild<QComboBox*>(u"cmbContacts"_s)->findText(fileAs) >= 0);
        card->close();
    }

    // A contact renamed in its card (F2, the family name, Ctrl+S): the box holds its new name.
    void renamedContactFollows()
    {
        WritableBar b;
        QVERIFY(b.load());
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*b.form), kPatience);
        QVERIFY(b.typeInto(u"Lee"_s));
        QTRY_COMPARE(b.box()->text(), u"Lee, Ann"_s);
        QVERIFY(b.chosen(u"Lee, Ann"_s));
        const QString id = b.form->session()->currentContact()->EntryID();
        b.form->findChild<QToolButton*>(u"cmdViewContact"_s)->click();
        ContactCard* card = b.form->actions()->desktop().cardFor(id);
        QVERIFY(card);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == card, kPatience);
        xdotool(u"key F2"_s);
        QTRY_VERIFY(card->editing());
        QTRY_COMPARE(QApplication::focusWidget(), card->editForm->txtGivenName);
        xdotool(u"key Tab Tab"_s);
        QTRY_COMPARE(QApplication::focusWidget(), card->editForm->txtFamilyName);
        xdotool(u"key ctrl+a"_s);
        xdotool(u"type Ray"_s);
        QTRY_COMPARE(card->editForm->txtFamilyName->text(), u"Ray"_s);
        xdotool(u"key ctrl+s"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!card->editing(), kPatience);
        QTRY_VERIFY(b.chosen(u"Ray, Ann"_s));
        auto* names = b.form->findChild<QComboBox*>(u"cmbContacts"_s);
        QVERIFY(names->findText(u"Ray, Ann"_s) >= 0);
        QCOMPARE(names->findText(u"Lee, Ann"_s), -1);
        card->close();
    }

    // A contact deleted from its card leaves the lists and the box.
    void deletedContactLeaves()
    {
        WritableBar b;
        QVERIFY(b.load());
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*b.form), kPatience);
        QVERIFY(b.typeInto(u"Cole"_s));
        QTRY_VERIFY(b.chosen(u"Cole, Cy"_s));
        const QString id = b.form->session()->currentContact()->EntryID();
        b.form->findChild<QToolButton*>(u"cmdViewContact"_s)->click();
        ContactCard* card = b.form->actions()->desktop().cardFor(id);
        QVERIFY(card);
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == card, kPatience);
        // The confirmation is answered with its Yes button once it is up.
        QTimer::singleShot(0, [] {
            QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()), kPatience);
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Yes)->click();
        });
        QVERIFY(card->deleteContact());
        QCOMPARE(b.box()->text(), QString());
        QVERIFY(!b.form->session()->currentContact());
        QVERIFY(!b.form->findChild<QToolButton*>(u"cmdViewContact"_s)->isEnabled());
        QCOMPARE(b.form->findChild<QComboBox*>(u"cmbContacts"_s)->findText(u"Cole, Cy"_s), -1);
        QCOMPARE(b.form->session()->contactCount(), 1);
    }
};

QTEST_MAIN(TestAddContact)
#include "test_addcontact.moc"
