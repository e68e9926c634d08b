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
        const QString dir = m_tmp.filePath(QStringLiteral("book"));
        QVERIFY(QDir().mkpath(dir));
        QVERIFY(writeFile(dir + QStringLiteral("/ann.vcf"),
                          "BEGIN:VCARD\nVERSION:4.0\nFN:Ann Lee\nN:Lee;Ann;;;\nEND:VCARD\n"));
        auto store = std::make_shared<VCardFolderStore>(dir, std::nullopt);
        ClientApplication app(store, nullptr, noDesktop());
        app.GetNamespace(QStringLiteral("MAPI"))->Logon();
        QSignalSpy changed(store->notifier(), &StoreNotifier::changed);
        QCOMPARE(fileAsNames(*store), QStringList{QStringLiteral("Lee, Ann")});

        auto item = app.GetNamespace(QStringLiteral("MAPI"))->GetItemFromID(QStringLiteral("ann.vcf"));
        QVERIFY(item->writable());
        ContactForm form = item->form();
        form.family = QStringLiteral("Ray");
        form.fullName = composedFullName(form);
        item->setForm(form);
        item->Save();
        QCOMPARE(item->FileAs(), QStringLiteral("Ray, Ann"));
        QVERIFY(changed.count() >= 1);
        QCOMPARE(fileAsNames(*store), QStringList{QStringLiteral("Ray, Ann")});

        auto added = app.CreateItem(olContactItem);
        QVERIFY(added->EntryID().isEmpty());
        added->setForm(formFromText(QStringLiteral("Bo Ek")));
        added->Save();
        QVERIFY(added->EntryID().endsWith(QLatin1String(".vcf")));
        QVERIFY(QFile::exists(dir + QLatin1Char('/') + added->EntryID()));
        QCOMPARE(fileAsNames(*store), (QStringList{QStringLiteral("Ek, Bo"), QStringLiteral("Ray, Ann")}));
        QCOMPARE(app.GetNamespace(QStringLiteral("MAPI"))->GetItemFromID(added->EntryID())->FullName(),
                 QStringLiteral("Bo Ek"));

        item->Delete();
        QCOMPARE(fileAsNames(*store), QStringList{QStringLiteral("Ek, Bo")});
        QVERIFY(!QDir(item->deletedFolder()).entryList(QDir::Files).isEmpty());
        QVERIFY(changed.count() >= 3);
    }

    void readOnlyStoresRefuse()
    {
        const QString dir = m_tmp.filePath(QStringLiteral("copy"));
        QVERIFY(QDir().mkpath(dir));
        const QByteArray card = "BEGIN:VCARD\nVERSION:3.0\nFN:Copied\nEND:VCARD\n";
        QVERIFY(writeFile(dir + QStringLiteral("/c.vcf"), card));
        auto copy = createVCardFolderStore(dir); // a server's copy
        copy->open();
        QVERIFY(!copy->writable());
        auto item = copy->itemFromId(QStringLiteral("c.vcf"));
        QVERIFY(!item->writable());
        QVERIFY(item->readOnlyReason().contains(QStringLiteral("server")));
        QCOMPARE(errorOf([&] { item->form(); }), int(errReadOnly));
        QCOMPARE(errorOf([&] { item->Save(); }), int(errReadOnly));
        QCOMPARE(errorOf([&] { item->Delete(); }), int(errReadOnly));
        QCOMPARE(errorOf([&] { copy->newItem(); }), int(errReadOnly));
        ClientApplication app(copy, nullptr, noDesktop());
        QCOMPARE(errorOf([&] { app.CreateItem(olContactItem); }), int(errReadOnly));
        QFile f(dir + QStringLiteral("/c.vcf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), card);
    }

    // Several books: a change goes to the item's own book, a new contact to the first that takes one.
    void severalBooks()
    {
        const QString copyDir = m_tmp.filePath(QStringLiteral("several/copy"));
        const QString mineDir = m_tmp.filePath(QStringLiteral("several/mine"));
        QVERIFY(QDir().mkpath(copyDir));
        QVERIFY(QDir().mkpath(mineDir));
        QVERIFY(writeFile(mineDir + QStringLiteral("/m.vcf"),
                          "BEGIN:VCARD\nVERSION:3.0\nFN:Mine\nN:Mine;;;;\nEND:VCARD\n"));
        std::vector<Book> books{{QStringLiteral("server"), createVCardFolderStore(copyDir)},
                                {QStringLiteral("mine"), std::make_shared<VCardFolderStore>(mineDir, std::nullopt)}};
        auto merged = std::make_shared<MergedStore>(std::move(books));
        merged->open();
        QVERIFY(merged->writable());
        auto added = merged->newItem();
        added->setForm(formFromText(QStringLiteral("new@example.org")));
        added->Save();
        QVERIFY(added->EntryID().startsWith(QLatin1String("mine/")));
        QCOMPARE(QDir(mineDir).entryList({QStringLiteral("*.vcf")}).size(), 2);
        QVERIFY(QDir(copyDir).entryList({QStringLiteral("*.vcf")}).isEmpty());
        auto mine = merged->itemFromId(QStringLiteral("mine/m.vcf"));
        ContactForm form = mine->form();
        form.title = QStringLiteral("Boss");
        mine->setForm(form);
        mine->Save();
        QFile f(mineDir + QStringLiteral("/m.vcf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("TITLE:Boss\n"));
    }
};

QTEST_GUILESS_MAIN(TestContactSurface)
#include "test_contactsurface.moc"
