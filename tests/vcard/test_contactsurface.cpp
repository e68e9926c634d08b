// The contact client's verbs for changing contacts, on real folders: form/setForm/Save on an item,
// CreateItem(olContactItem) and Delete, each followed by the store (its notifier fires, its next
// Items() has the change); a folder that copies another book, and Thunderbird-like read-only
// items, refuse with errReadOnly; several books put a new contact in the first that takes one.

#include "contactclient/books/mergedstore.h"
#include "contactclient/clientapplication.h"
#include "contactclient/desktophooks.h"
#include "contactclient/storenotifier.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "storetesting.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using namespace Qt::StringLiterals;

namespace {

using testsupport::errorOf;
using testsupport::writeFile;

QStringList fileAsNames(Store& store)
{
    QStringList names;
    store.items()->forEach([&](const Item& item) { names.append(item.FileAs()); });
    names.sort();
    return names;
}

} // namespace

class TestContactSurface : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void saveCreateDeleteAreFollowed()
    {
        const QString dir = m_tmp.filePath(u"book"_s);
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(writeFile(dir + u"/ann.vcf"_s, "BEGIN:VCARD\nVERSION:4.0\nFN:Ann Lee\nN:Lee;Ann;;;\nEND:VCARD\n"));
        auto store = std::make_shared<VCardFolderStore>(dir, std::nullopt);
        ClientApplication app(store, nullptr, noDesktop());
        app.GetNamespace(u"MAPI"_s)->Logon();
        QSignalSpy changed(store->notifier(), &StoreNotifier::changed);
        QCOMPARE(fileAsNames(*store), QStringList{u"Lee, Ann"_s});

        auto item = app.GetNamespace(u"MAPI"_s)->GetItemFromID(u"ann.vcf"_s);
        QVERIFY(item->writable());
        ContactForm form = item->form();
        form.family = u"Ray"_s;
        form.fullName = composedFullName(form);
        item->setForm(form);
        item->Save();
        QCOMPARE(item->FileAs(), u"Ray, Ann"_s);
        QVERIFY(changed.count() >= 1);
        QCOMPARE(fileAsNames(*store), QStringList{u"Ray, Ann"_s});

        auto added = app.CreateItem(olContactItem);
        QVERIFY(added->EntryID().isEmpty());
        added->setForm(formFromText(u"Bo Ek"_s));
        added->Save();
        QVERIFY(added->EntryID().endsWith(QLatin1String(".vcf")));
        QVERIFY(QFile::exists(dir + QLatin1Char('/') + added->EntryID()));
        QCOMPARE(fileAsNames(*store), (QStringList{u"Ek, Bo"_s, u"Ray, Ann"_s}));
        QCOMPARE(app.GetNamespace(u"MAPI"_s)->GetItemFromID(added->EntryID())->FullName(), u"Bo Ek"_s);

        item->Delete();
        QCOMPARE(fileAsNames(*store), QStringList{u"Ek, Bo"_s});
        QVERIFY(!QDir(item->deletedFolder()).entryList(QDir::Files).isEmpty());
        QVERIFY(changed.count() >= 3);
    }

    void readOnlyStoresRefuse()
    {
        const QString dir = m_tmp.filePath(u"copy"_s);
        QVERIFY(QDir().mkpath(dir));
        const QByteArray card = "BEGIN:VCARD\nVERSION:3.0\nFN:Copied\nEND:VCARD\n";
        QVERIFY(writeFile(dir + u"/c.vcf"_s, card));
        auto copy = createVCardFolderStore(dir); // a server's copy
        copy->open();
        QVERIFY(!copy->writable());
        auto item = copy->itemFromId(u"c.vcf"_s);
        QVERIFY(!item->writable());
        QVERIFY(item->readOnlyReason().contains(u"server"_s));
        QCOMPARE(errorOf([&] { item->form(); }), int(errReadOnly));
        QCOMPARE(errorOf([&] { item->Save(); }), int(errReadOnly));
        QCOMPARE(errorOf([&] { item->Delete(); }), int(errReadOnly));
        QCOMPARE(errorOf([&] { copy->newItem(); }), int(errReadOnly));
        ClientApplication app(copy, nullptr, noDesktop());
        QCOMPARE(errorOf([&] { app.CreateItem(olContactItem); }), int(errReadOnly));
        QFile f(dir + u"/c.vcf"_s);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), card);
    }

    // Several books: a change goes to the item's own book, a new contact to the first that takes one.
    void severalBooks()
    {
        const QString copyDir = m_tmp.filePath(u"several/copy"_s);
        const QString mineDir = m_tmp.filePath(u"several/mine"_s);
        QVERIFY(QDir().mkpath(copyDir));
        QVERIFY(QDir().mkpath(mineDir));
        QVERIFY(writeFile(mineDir + u"/m.vcf"_s, "BEGIN:VCARD\nVERSION:3.0\nFN:Mine\nN:Mine;;;;\nEND:VCARD\n"));
        std::vector<Book> books{{u"server"_s, createVCardFolderStore(copyDir)},
                                {u"mine"_s, std::make_shared<VCardFolderStore>(mineDir, std::nullopt)}};
        auto merged = std::make_shared<MergedStore>(std::move(books));
        merged->open();
        QVERIFY(merged->writable());
        auto added = merged->newItem();
        added->setForm(formFromText(u"new@example.org"_s));
        added->Save();
        QVERIFY(added->EntryID().startsWith(QLatin1String("mine/")));
        QCOMPARE(QDir(mineDir).entryList({u"*.vcf"_s}).size(), 2);
        QVERIFY(QDir(copyDir).entryList({u"*.vcf"_s}).isEmpty());
        auto mine = merged->itemFromId(u"mine/m.vcf"_s);
        ContactForm form = mine->form();
        form.title = u"Boss"_s;
        mine->setForm(form);
        mine->Save();
        QFile f(mineDir + u"/m.vcf"_s);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("TITLE:Boss\n"));
    }
};

QTEST_GUILESS_MAIN(TestContactSurface)
#include "test_contactsurface.moc"
