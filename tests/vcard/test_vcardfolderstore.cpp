// The vCard folder back-end: which files it reads and in what order, entry identifiers,
// GetItemFromID after changes, broken files, Restrict, the folder from the settings, and errors.

#include "contactclient/books/vdircollections.h"
#include "contactclient/clientapplication.h"
#include "contactclient/clientconfig.h"
#include "contactclient/desktophooks.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "contactclient/vcard/vcardreader.h"
#include "fakes/memorysettingsstore.h"
#include "storetesting.h"

#include "testfiles.h"
#include "textlists.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace contactclient;
using namespace Qt::StringLiterals;

namespace {

using testsupport::write;

QByteArray card(const QByteArray& fn, const QByteArray& more = {})
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + fn + "\r\n" + more + "END:VCARD\r\n";
}

using testsupport::failureOf;
using testsupport::listing;

QStringList ids(const ItemSet& set)
{
    QStringList out;
    set.forEach([&](const Item& i) { out.append(i.EntryID()); });
    return out;
}

class CardHooks : public DesktopHooks {
public:
    QStringList shown;
    void showContactCard(const ContactItem& c) override { shown.append(c.FullName()); }
    void showDialer(const ContactItem&) override {}
    void openComposer(const MailItem&) override {}
};

} // namespace

class TestVCardFolderStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void testFilesAndOrder()
    {
        QTemporaryDir dir;
        write(dir.filePath(u"b.vcf"_s), card("Bea"));
        write(dir.filePath(u"a.vcf"_s), card("Al") + card("Ann"));
        write(dir.filePath(u"C.VCF"_s), card("Cy"));
        write(dir.filePath(u"notes.txt"_s), card("Text"));
        write(dir.filePath(u".hidden.vcf"_s), card("Hidden"));
        write(dir.filePath(u"d.vcf.tmp"_s), card("Temp"));
        QDir(dir.path()).mkdir(u"sub.vcf"_s);
        VCardFolderStore store(dir.path());
        store.open();
        auto items = store.items();
        QCOMPARE(listing(*items), (sl({"C.VCF=Cy", "a.vcf#1=Al", "a.vcf#2=Ann", "b.vcf=Bea"})));
        QCOMPARE(items->Count(), 4);
        QVERIFY(store.skipped().isEmpty());
        for (const QString& id : ids(*items))
            QCOMPARE(store.itemFromId(id)->EntryID(), id);
        QCOMPARE(store.itemFromId(u"a.vcf#2"_s)->FullName(), u"Ann"_s);
    }

    void testGetItemFromIdReadsAfresh()
    {
        QTemporaryDir dir;
        const QString multi = dir.filePath(u"all.vcf"_s);
        const QString single = dir.filePath(u"one.vcf"_s);
        write(multi, card("First") + card("Second", "EMAIL:old@x\r\n"));
        write(single, card("Solo"));
        VCardFolderStore store(dir.path());
        store.open();
        QCOMPARE(store.itemFromId(u"all.vcf#2"_s)->Email1Address(), u"old@x"_s);

        // Changed on disk: a longer first card moves the second one.
        write(multi, card("First, now with a much longer name") + card("Second", "EMAIL:new@x\r\n"));
        QCOMPARE(store.itemFromId(u"all.vcf#2"_s)->Email1Address(), u"new@x"_s);
        write(single, card("Solo Again"));
        QCOMPARE(store.itemFromId(u"one.vcf"_s)->FullName(), u"Solo Again"_s);

        // Gone: the file, or the card within the file.
        write(multi, card("First"));
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, store.itemFromId(u"all.vcf#2"_s));
        QFile::remove(single);
        const auto gone = failureOf([&] { store.itemFromId(u"one.vcf"_s); });
        QCOMPARE(gone.number, int(errItemNotFound));
        QVERIFY(gone.description.contains(QLatin1String("one.vcf")));
    }

    void testBadEntryIds_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("empty") << QString();
        QTest::newRow("outside the folder") << u"../x.vcf"_s;
        QTest::newRow("absolute") << u"/etc/passwd"_s;
        QTest::newRow("other file") << u"notes.txt"_s;
        QTest::newRow("hidden") << u".x.vcf"_s;
        QTest::newRow("card past the end") << u"a.vcf#3"_s;
        QTest::newRow("card zero") << u"a.vcf#0"_s;
    }

    void testBadEntryIds()
    {
        QFETCH(QString, id);
        QTemporaryDir dir;
        write(dir.filePath(u"a.vcf"_s), card("A"));
        write(dir.filePath(u"notes.txt"_s), card("T"));
        VCardFolderStore store(dir.path());
        store.open();
        QVERIFY_THROWS_EXCEPTION(ItemNotFound, store.itemFromId(id));
    }

    // A card listed at start-up and swapped afterwards for something that is not a regular file:
    // the folder scan skips it with its reason, and choosing it reports it at once (a FIFO or a
    // device is never waited on or read without end).
    void testSwappedCards_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason"); // part of the scan's reason; empty: not listed at all
        QTest::newRow("link to /dev/zero") << u"zero"_s << QString();
        QTest::newRow("FIFO") << u"fifo"_s << QString();
        QTest::newRow("link to a card elsewhere") << u"link"_s << u"symbolic link"_s;
        QTest::newRow("folder") << u"dir"_s << QString();
    }
    void testSwappedCards()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString path = dir.filePath(u"ann.vcf"_s);
        write(path, card("Ann"));
        write(elsewhere.filePath(u"other.vcf"_s), card("Other"));
        VCardFolderStore store(dir.path());
        store.open();
        QCOMPARE(ids(*store.items()), sl({"ann.vcf"}));
        QVERIFY(QFile::remove(path));
        const QByteArray p = QFile::encodeName(path);
        if (kind == u"zero"_s)
            QVERIFY(QFile::link(u"/dev/zero"_s, path));
        else if (kind == u"fifo"_s)
            QCOMPARE(::mkfifo(p.constData(), 0600), 0);
        else if (kind == u"link"_s)
            QVERIFY(QFile::link(elsewhere.filePath(u"other.vcf"_s), path));
        else
            QVERIFY(QDir().mkdir(path));
        QVERIFY2(failureOf([&] { store.itemFromId(u"ann.vcf"_s); }).number != 0,
                 "a card that is not a regular file was read");
        VCardFolderStore again(dir.path());
        again.open();
        QCOMPARE(again.items()->Count(), 0);
        QCOMPARE(again.skipped().size(), reason.isEmpty() ? 0 : 1);
        if (reason.isEmpty())
            return;
        QVERIFY2(again.skipped().first().reason.contains(reason), qPrintable(again.skipped().first().reason));
    }

    // The user's own address book follows a card that is a symbolic link (git-annex, stow, a
    // collection of links into another) to a regular file; the checks apply to what it leads to.
    // The program's private folders keep refusing links.
    void testLinkedCards_data()
    {
        QTest::addColumn<QString>("target"); // what ann.vcf links to
        QTest::addColumn<bool>("userBook");  // the user's book, or a private folder of the program
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("reason"); // of the skipped card; empty: none skipped

        QTest::newRow("card elsewhere") << u"card"_s << true << sl({"Other"}) << QString();
        QTest::newRow("card through two links") << u"link"_s << true << sl({"Other"}) << QString();
        QTest::newRow("card elsewhere, private folder") << u"card"_s << false << QStringList() << u"symbolic link"_s;
        QTest::newRow("device") << u"/dev/zero"_s << true << QStringList() << QString();
        QTest::newRow("nothing") << u"missing"_s << true << QStringList() << QString();
        QTest::newRow("file over the size limit") << u"large"_s << true << QStringList() << u"larger than"_s;
    }
    void testLinkedCards()
    {
        QFETCH(QString, target);
        QFETCH(bool, userBook);
        QFETCH(QStringList, listed);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString other = elsewhere.filePath(u"other.vcf"_s);
        write(other, card("Other"));
        QString to = other;
        if (target == QLatin1String("link")) {
            to = elsewhere.filePath(u"link.vcf"_s);
            QVERIFY(QFile::link(other, to));
        } else if (target == QLatin1String("missing")) {
            to = elsewhere.filePath(u"missing.vcf"_s);
        } else if (target == QLatin1String("large")) {
            to = elsewhere.filePath(u"large.vcf"_s);
            QFile f(to);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(kMaxFileSize + 1)); // sparse
        } else if (target.startsWith(QLatin1Char('/'))) {
            to = target;
        }
        QVERIFY(QFile::link(to, dir.filePath(u"ann.vcf"_s)));

        VCardFolderStore store(dir.path(), std::nullopt);
        store.setFollowLinks(userBook);
        store.open();
        QStringList names;
        store.items()->forEach([&](const Item& item) { names.append(item.FullName()); });
        QCOMPARE(names, listed);
        QCOMPARE(store.skipped().size(), reason.isEmpty() ? 0 : 1);
        if (!reason.isEmpty())
            QVERIFY2(store.skipped().first().reason.contains(reason), qPrintable(store.skipped().first().reason));
        // What is listed opens.
        if (!listed.isEmpty())
            QCOMPARE(store.itemFromId(u"ann.vcf"_s)->FullName(), listed.first());
    }

    // The user's books made from the settings or a folder follow links; a change of the file a
    // link leads to shows on the next start, also from the folder's summary.
    void testLinkedCardsInTheUsersBooks()
    {
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        QTemporaryDir cache;
        for (int i = 0; i < 40; ++i) {
            const QString name = u"c%1.vcf"_s.arg(i);
            write(elsewhere.filePath(name), card("Card " + QByteArray::number(i)));
            QVERIFY(QFile::link(elsewhere.filePath(name), dir.filePath(name)));
        }
        {
            auto book = createFolderBook(dir.path());
            book->open();
            QCOMPARE(book->items()->Count(), 40);
        }
        SummaryCache summaries(cache.path(), u"summaries"_s, 1);
        {
            VCardFolderStore store(dir.path(), summaries);
            store.setFollowLinks(true);
            store.open();
            QCOMPARE(store.items()->Count(), 40);
        }
        QTest::qWait(20); // past the file system's clock tick
        write(elsewhere.filePath(u"c7.vcf"_s), card("Changed Card"));
        VCardFolderStore again(dir.path(), summaries);
        again.setFollowLinks(true);
        again.open();
        QStringList names;
        again.items()->forEach([&](const Item& item) { names.append(item.FullName()); });
        QVERIFY2(names.contains(u"Changed Card"_s), qPrintable(names.join(QLatin1Char(','))));
        QVERIFY(!names.contains(u"Card 7"_s));

        fake::MemorySettingsStore settings;
        settings.values.insert(kClientSection + u"/Folder"_s, dir.path());
        auto fromSettings = createVCardFolderStore(settings);
        fromSettings->open();
        QCOMPARE(fromSettings->items()->Count(), 40);
    }

    // The note counts every card that was not read, the unread rest of an oversized file included.
    void testSkippedNoteCountsCards()
    {
        QTemporaryDir dir;
        const QByteArray one = card("X");
        QByteArray big;
        big.reserve(one.size() * (vcard::kMaxCardsPerFile + 3));
        for (int i = 0; i < vcard::kMaxCardsPerFile + 3; ++i)
            big += one;
        write(dir.filePath(u"big.vcf"_s), big);
        write(dir.filePath(u"bad.vcf"_s), "BEGIN:VCARD\r\nFN:unterminated\r\n");
        VCardFolderStore store(dir.path());
        store.open();
        QCOMPARE(store.items()->Count(), vcard::kMaxCardsPerFile);
        QCOMPARE(store.statusNote(), u"4 contacts could not be read and were skipped (quintel-contacts shows why)."_s);
    }

    // Every card the lists show opens when chosen, and one they skip does not: the summary read
    // and the full read take the same view of the file.
    void testListedCardsOpen_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("listed"); // id=FullName
        QByteArray manyTel = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Many\r\n";
        for (int i = 0; i <= vcard::kMaxPropertiesPerCard; ++i)
            manyTel += "TEL:1\r\n";
        manyTel += "END:VCARD\r\n";
        QTest::newRow("BOM inside a concatenated file")
            << (card("Ann") + "\xEF\xBB\xBF" + card("Bea")) << sl({"c.vcf#1=Ann", "c.vcf#2=Bea"});
        QTest::newRow("blanks before the first BEGIN")
            << (QByteArray("  \t") + card("Ann") + card("Bea")) << sl({"c.vcf#1=Ann", "c.vcf#2=Bea"});
        QTest::newRow("blank line before BEGIN")
            << (card("Ann") + "\r\n  \r\n" + card("Bea")) << sl({"c.vcf#1=Ann", "c.vcf#2=Bea"});
        const QString utf16 = QString::fromUtf8(card("Ann") + card("B\u00e9a") + card("Cy"));
        QTest::newRow("UTF-16 file") << (QByteArray("\xFF\xFE") +
                                         QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2))
                                     << sl({"c.vcf#1=Ann", "c.vcf#2=B\u00e9a", "c.vcf#3=Cy"});
        QTest::newRow("too many properties")
            << (card("Ann") + manyTel + card("Cy")) << sl({"c.vcf#1=Ann", "c.vcf#3=Cy"});
    }
    void testListedCardsOpen()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        write(dir.filePath(u"c.vcf"_s), data);
        VCardFolderStore store(dir.path());
        store.open();
        QCOMPARE(listing(*store.items()), listed);
        for (const QString& entry : listed) {
            const QString id = entry.section(QLatin1Char('='), 0, 0);
            QCOMPARE(store.itemFromId(id)->FullName(), entry.section(QLatin1Char('='), 1));
        }
    }

    void testBrokenFiles()
    {
        QTemporaryDir dir;
        write(dir.filePath(u"a-good.vcf"_s), card("Good"));
        write(dir.filePath(u"b-empty.vcf"_s), QByteArray());
        write(dir.filePath(u"c-garbage.vcf"_s), QByteArray::fromRawData("\x00\x01 not a card \xFF\xFE\xFD", 18));
        write(dir.filePath(u"d-truncated.vcf"_s), card("Kept") + "BEGIN:VCARD\r\nFN:Cut");
        write(dir.filePath(u"e-good.vcf"_s), card("Also Good"));
        VCardFolderStore store(dir.path());
        store.open();
        QCOMPARE(listing(*store.items()), (sl({"a-good.vcf=Good", "d-truncated.vcf#1=Kept", "e-good.vcf=Also Good"})));
        QStringList skipped;
        for (const SkippedItem& s : store.skipped())
            skipped.append(s.text());
        QCOMPARE(skipped, (sl({"b-empty.vcf: empty file", "c-garbage.vcf: no vCard in the file",
                               "d-truncated.vcf (card 2): card not terminated (no END:VCARD)"})));
        QVERIFY(store.statusNote().contains(QLatin1String("3")));
    }

    void testItemsSeeNewFiles()
    {
        QTemporaryDir dir;
        write(dir.filePath(u"a.vcf"_s), card("A"));
        VCardFolderStore store(dir.path());
        store.open();
        auto before = store.items();
        // vdir writers add files by renaming a temporary file into place.
        write(dir.filePath(u"b.vcf.tmp"_s), card("B"));
        QVERIFY(QFile::rename(dir.filePath(u"b.vcf.tmp"_s), dir.filePath(u"b.vcf"_s)));
        QCOMPARE(store.items()->Count(), 2);
        QCOMPARE(before->Count(), 1); // a set already handed out stays as it was
    }

    void testRestrict_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("double quotes") << u"[Categories] = \"Work\""_s << sl({"a.vcf", "c.vcf"});
        QTest::newRow("single quotes") << u"[Categories] = 'Work'"_s << sl({"a.vcf", "c.vcf"});
        QTest::newRow("letter case") << u"[Categories] = \"wORK\""_s << sl({"a.vcf", "c.vcf"});
        QTest::newRow("Unicode letter case") << u"[Categories] = \"\u00C4RZTE\""_s << sl({"b.vcf"});
        QTest::newRow("Greek final sigma")
            << u"[Categories] = \"\u03A3\u038A\u03A3\u03A5\u03A6\u039F\u03A3\""_s << sl({"b.vcf"});
        QTest::newRow("doubled quote") << u"[Categories] = \"Bob\"\"s\""_s << sl({"c.vcf"});
        QTest::newRow("doubled single quote") << u"[Categories] = 'Bob''s'"_s << sl({"d.vcf"});
        QTest::newRow("no match") << u"[Categories] = \"Golf\""_s << QStringList{};
        QTest::newRow("part of a name") << u"[Categories] = \"Wor\""_s << QStringList{};
        QTest::newRow("spacing") << u"  [Categories]=\"Work\"  "_s << sl({"a.vcf", "c.vcf"});
    }

    void testRestrict()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        write(dir.filePath(u"a.vcf"_s), card("A", "CATEGORIES:Work,Friends\r\n"));
        write(dir.filePath(u"b.vcf"_s),
              card("B", "CATEGORIES:\xC3\xA4rzte,\xCF\x83\xCE\xAF\xCF\x83\xCF\x85\xCF\x86\xCE\xBF\xCF\x82\r\n"));
        write(dir.filePath(u"c.vcf"_s), card("C", "CATEGORIES:work\r\nCATEGORIES:Bob\"s\r\n"));
        write(dir.filePath(u"d.vcf"_s), card("D", "CATEGORIES:Bob's\r\n"));
        VCardFolderStore store(dir.path());
        store.open();
        auto all = store.items();
        auto kept = all->Restrict(filter);
        QCOMPARE(ids(*kept), expected);
        QCOMPARE(kept->Count(), expected.size());
        QCOMPARE(all->Count(), 4); // the set it was called on is unchanged
        // Restricting a restricted set narrows it further.
        QCOMPARE(kept->Restrict(u"[Categories] = \"Friends\""_s)->Count(), expected.contains(u"a.vcf"_s) ? 1 : 0);
    }

    void testBadFilter_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::newRow("empty") << QString();
        QTest::newRow("other property") << u"[FullName] = \"A\""_s;
        QTest::newRow("unquoted") << u"[Categories] = Work"_s;
        QTest::newRow("unclosed quote") << u"[Categories] = \"Work"_s;
        QTest::newRow("mixed quotes") << u"[Categories] = \"Work'"_s;
        QTest::newRow("more after") << u"[Categories] = \"Work\" OR [Categories] = \"Home\""_s;
        QTest::newRow("other operator") << u"[Categories] <> \"Work\""_s;
    }

    void testBadFilter()
    {
        QFETCH(QString, filter);
        QTemporaryDir dir;
        VCardFolderStore store(dir.path());
        store.open();
        const auto refused = failureOf([&] { store.items()->Restrict(filter); });
        QCOMPARE(refused.number, int(errBadFilter));
        QVERIFY(refused.description.contains(QLatin1Char('"') + filter + QLatin1Char('"')));
    }

    void testFolderErrors()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"plain-file"_s);
        write(file, "x");
        const auto notAFolder = failureOf([&] { VCardFolderStore(file).open(); });
        QCOMPARE(notAFolder.number, int(errStoreUnavailable));
        QVERIFY(notAFolder.description.contains(file));
        if (::geteuid() == 0)
            QSKIP("root reads any folder; the permission case needs an ordinary user");
        const QString locked = dir.filePath(u"locked"_s);
        QVERIFY(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFileDevice::Permissions());
        QVERIFY_THROWS_EXCEPTION(AutomationError, VCardFolderStore(locked).open());
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // Only the program's own copies make their folder; a user's folder that is not there is said,
    // not made (a mistyped path would otherwise become an empty address book without a word).
    void testMissingFolder_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::newRow("the user's folder") << false;
        QTest::newRow("a server's copy") << true;
    }
    void testMissingFolder()
    {
        QFETCH(bool, copy);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"new/contacts"_s);
        fake::MemorySettingsStore settings;
        settings.SaveSetting(kClientApplication, kClientSection, key::Folder, folder);
        std::shared_ptr<Store> store = copy ? createVCardFolderStore(folder) : createVCardFolderStore(settings);
        store->open();
        QCOMPARE(QFileInfo(folder).isDir(), copy);
        QCOMPARE(store->items()->Count(), 0);
        QCOMPARE(static_cast<VCardFolderStore*>(store.get())->folderMissing(), !copy);
        if (copy) {
            QCOMPARE(store->statusNote(), QString());
            return;
        }
        QVERIFY2(store->statusNote().contains(folder) && store->statusNote().contains(u"Quintel Setup"_s),
                 qPrintable(store->statusNote()));
        // Still not made by looking again; read once it is there, and said to be gone when it goes.
        QCOMPARE(store->items()->Count(), 0);
        QVERIFY(!QFileInfo::exists(folder));
        write(folder + u"/a.vcf"_s, card("Al"));
        QCOMPARE(store->items()->Count(), 1);
        QCOMPARE(store->statusNote(), QString());
        QVERIFY(QDir(dir.filePath(u"new"_s)).removeRecursively());
        QCOMPARE(store->items()->Count(), 0);
        QVERIFY2(store->statusNote().contains(u"is gone"_s), qPrintable(store->statusNote()));
    }

    void testFolderFromSettings()
    {
        fake::MemorySettingsStore settings;
        QCOMPARE(vcardFolderFromSettings(settings),
                 QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/contacts"_s);
        settings.SaveSetting(kClientApplication, kClientSection, key::Folder, u"/srv/book"_s);
        QCOMPARE(vcardFolderFromSettings(settings), u"/srv/book"_s);
        settings.SaveSetting(kClientApplication, kClientSection, key::Folder, u"~/book"_s);
        QCOMPARE(vcardFolderFromSettings(settings), QDir::homePath() + u"/book"_s);
    }

    void testCorpusThroughTheAutomationSurface()
    {
        CardHooks hooks;
        auto app = std::make_shared<ClientApplication>(
            createVCardFolderStore(QStringLiteral(QUINTEL_TEST_DATA "/corpus")), nullptr, hooks);
        auto ns = app->GetNamespace(u"MAPI"_s);
        ns->Logon();
        auto items = ns->GetDefaultFolder(olFolderContacts)->Items();
        QStringList rows;
        items->forEach([&](const Item& i) { rows.append(i.TypeName() + QLatin1Char(' ') + i.FileAs()); });
        QCOMPARE(rows.size(), 11);
        QCOMPARE(rows.count(u"DistListItem Lab Team"_s) + rows.count(u"DistListItem Neighbours"_s), 2);
        QVERIFY(rows.contains(u"ContactItem Beaumont, C\u00E9line"_s));
        QVERIFY(rows.contains(u"ContactItem M\u00FCller, J\u00FCrgen"_s));

        auto appleseed = ns->GetItemFromID(u"phone-book-30.vcf"_s);
        QCOMPARE(appleseed->details().photo.size(), 1024);
        QCOMPARE(appleseed->MobileTelephoneNumber(), u"(555) 555-0101"_s);
        auto celine = ns->GetItemFromID(u"desktop-client-21.vcf"_s);
        QCOMPARE(celine->BusinessAddress(), u"12 rue de la Paix\n75002 Paris\nFrance"_s);
        auto mei = ns->GetItemFromID(u"server-40.vcf#1"_s);
        QCOMPARE(mei->Email1Address(), u"mei@home.example"_s);
        QCOMPARE(mei->details().photo.left(4), QByteArray("\x89PNG"));

        mei->Display();
        QCOMPARE(hooks.shown, QStringList{u"Dr. Mei Chen"_s});
    }
};

QTEST_GUILESS_MAIN(TestVCardFolderStore)
#include "test_vcardfolderstore.moc"
