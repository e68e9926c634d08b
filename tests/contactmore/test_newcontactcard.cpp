// The card of a new contact asks which book it goes to when several take new contacts: the
// "Address book:" box, reached and changed with keys, saves the card into the chosen folder. With
// one such book the card does not ask, and a contact already in a book is never asked about.

#include "actions/contactcard.h"
#include "actions/contacteditform.h"
#include "contactclient/books/mergedstore.h"
#include "contactclient/clientapplication.h"
#include "contactclient/contactform.h"
#include "contactclient/vcard/vcardfolderstore.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using namespace Qt::StringLiterals;

namespace {

// Folders a, b, … ("w" writable, "r" read-only), merged in that order; a holds Ann Lee.
struct Folders {
    QTemporaryDir dir;
    std::shared_ptr<Store> store;
    std::shared_ptr<ClientApplication> app;

    explicit Folders(const QString& layout)
    {
        std::vector<Book> books;
        for (qsizetype i = 0; i < layout.size(); ++i) {
            const QString name(QChar(char16_t(u'a' + i)));
            QDir().mkpath(dir.filePath(name));
            auto folder = std::make_shared<VCardFolderStore>(dir.filePath(name), std::nullopt);
            if (layout.at(i) == u'r')
                folder->setReadOnly(u"Change it elsewhere."_s);
            books.push_back({name, folder});
        }
        QSaveFile ann(dir.filePath(u"a/ann.vcf"_s));
        if (ann.open(QIODevice::WriteOnly)) {
            ann.write("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n");
            ann.commit();
        }
        store = books.size() == 1 ? books.front().store : std::make_shared<MergedStore>(std::move(books));
        app = std::make_shared<ClientApplication>(store, nullptr, noDesktop());
        app->GetNamespace(u"MAPI"_s)->Logon();
    }
    // The new cards in the folder (Ann's left out).
    int added(const QString& folder) const
    {
        QStringList files = QDir(dir.filePath(folder)).entryList({u"*.vcf"_s}, QDir::Files);
        files.removeAll(u"ann.vcf"_s);
        return int(files.size());
    }
};

// The text of what labels the widget for a screen reader.
QString labelOf(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a)
        return {};
    const auto labels = a->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

QStringList boxTexts(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

bool showActive(ContactCard& card)
{
    card.setAttribute(Qt::WA_DeleteOnClose, false);
    card.show();
    card.activateWindow();
    return QTest::qWaitForWindowActive(&card);
}

} // namespace

class TestNewContactCard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Reached with its accelerator or Shift+Tab from the first field, moved with the arrow keys,
    // saved with Ctrl+S: the card lands in the chosen folder only.
    void chosenWithKeys_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("reach"); // "alt" or "backtab"
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("landsIn");
        QTest::newRow("two folders, the second by Alt+R, Down")
            << u"ww"_s << QStringList{u"a"_s, u"b"_s} << u"alt"_s << 1 << u"b"_s;
        QTest::newRow("two folders, left on the first")
            << u"ww"_s << QStringList{u"a"_s, u"b"_s} << u"alt"_s << 0 << u"a"_s;
        QTest::newRow("a read-only one between, by Shift+Tab, Down")
            << u"wrw"_s << QStringList{u"a"_s, u"c"_s} << u"backtab"_s << 1 << u"c"_s;
        QTest::newRow("three folders, Down twice")
            << u"www"_s << QStringList{u"a"_s, u"b"_s, u"c"_s} << u"alt"_s << 2 << u"c"_s;
    }
    void chosenWithKeys()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, offered);
        QFETCH(QString, reach);
        QFETCH(int, downs);
        QFETCH(QString, landsIn);
        Folders folders(layout);
        auto item = folders.app->CreateItem(olContactItem);
        item->setForm(formFromText(u"Bo Ek"_s));
        ContactCard card;
        QSignalSpy saved(&card, &ContactCard::saved);
        card.setContact(*item);
        QVERIFY(showActive(card));
        QVERIFY(card.editing());
        QVERIFY(card.cboBook->isVisible());
        QCOMPARE(boxTexts(card.cboBook), offered);
        QCOMPARE(card.cboBook->currentIndex(), 0);
        // A screen reader names the box by its caption (the label it has) and reads the book chosen.
        QCOMPARE(card.cboBook->accessibleName(), u"Address book"_s);
        auto* caption = card.findChild<QLabel*>(u"lblBook"_s);
        QVERIFY(caption && caption->isVisible());
        QCOMPARE(caption->buddy(), card.cboBook);
        QCOMPARE(labelOf(card.cboBook), u"Address book:"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(card.cboBook)->text(QAccessible::Value), offered.front());

        QCOMPARE(QApplication::focusWidget(), card.editForm->txtGivenName);
        if (reach == u"alt") {
            QTest::keyClick(&card, Qt::Key_R, Qt::AltModifier);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier); // to the prefix
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(QApplication::focusWidget(), card.cboBook);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(card.cboBook, Qt::Key_Down);
        QCOMPARE(card.cboBook->currentText(), landsIn);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!card.editing());
        for (const QString& folder : offered)
            QCOMPARE(folders.added(folder), folder == landsIn ? 1 : 0);
        QCOMPARE(saved.size(), 1);
        const QString id = saved.front().at(0).toString();
        QVERIFY2(id.startsWith(QString(landsIn + u'/')), qPrintable(id));
        QCOMPARE(folders.app->GetNamespace(u"MAPI"_s)->GetItemFromID(id)->FullName(), u"Bo Ek"_s);
        // Saved, it is a contact of its book: editing it again does not ask.
        QVERIFY(card.edit());
        QVERIFY(!card.cboBook->isVisible());
    }

    // The card does not ask when there is nothing to choose, nor for a contact already in a book.
    void notAsked_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("landsIn"); // a new contact's folder
        QTest::newRow("one folder, a new contact") << u"w"_s << false << u"a"_s;
        QTest::newRow("one writable of two, a new contact") << u"rw"_s << false << u"b"_s;
        QTest::newRow("two folders, a contact of the first") << u"ww"_s << true << QString();
    }
    void notAsked()
    {
        QFETCH(QString, layout);
        QFETCH(bool, existing);
        QFETCH(QString, landsIn);
        Folders folders(layout);
        std::shared_ptr<ContactItem> item;
        if (existing) {
            QString id;
            folders.app->GetNamespace(u"MAPI"_s)
                ->GetDefaultFolder(olFolderContacts)
                ->Items()
                ->forEach([&](const Item& i) { id = i.EntryID(); });
            item = folders.app->GetNamespace(u"MAPI"_s)->GetItemFromID(id);
        } else {
            item = folders.app->CreateItem(olContactItem);
            item->setForm(formFromText(u"Bo Ek"_s));
        }
        ContactCard card;
        card.setContact(*item);
        QVERIFY(showActive(card));
        if (existing)
            QTest::keyClick(&card, Qt::Key_F2);
        QVERIFY(card.editing());
        QVERIFY(!card.cboBook->isVisible());
        QVERIFY(!card.findChild<QLabel*>(u"lblBook"_s)->isVisible());
        // The first field is where the card starts, as without books to choose.
        QCOMPARE(QApplication::focusWidget(), card.editForm->txtGivenName);
        if (existing)
            return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!card.editing());
        QCOMPARE(folders.added(landsIn), 1);
    }
};

QTEST_MAIN(TestNewContactCard)
#include "test_newcontactcard.moc"
