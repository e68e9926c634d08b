// The folder summary: a start from it gives exactly what a full read of the folder gives (records,
// order, entry IDs, skipped notes), whatever happened to the folder or to the summary in between;
// and it takes over the files that did not change.

#include "contactclient/vcard/summarycache.h"
#include "contactclient/vcard/summaryformat.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "contactclient/vcard/vcarditemset.h"
#include "contacts/contactlistdata.h"
#include "contacts/contactsearch.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace contactclient;
using namespace Qt::StringLiterals;

namespace {

using testsupport::writeFile;

// A clock a minute ahead: files the test has just written count as settled, so that a summary
// takes them over (the test then makes sure a change lands in a later tick of the file clock).
qint64 aheadClock()
{
    return realTimeNs() + 60'000'000'000LL;
}

qint64 behindClock()
{
    return realTimeNs() - 3'600'000'000'000LL;
}

QByteArray card(const QByteArray& fn, const QByteArray& more = {})
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + fn + "\r\n" + more + "END:VCARD\r\n";
}

timespec mtimeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mtim;
}

// Sets the file's modification time back to what it was: only its change time tells.
void setMtime(const QString& path, const timespec& when)
{
    const timespec times[2] = {when, when};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// Returns once the file system's clock has moved past every time it gave so far: a change made
// next shows in the change time of the file.
void waitForNextTick(const QString& folder)
{
    const QString probe = folder + QStringLiteral("/.tick");
    QVERIFY(writeFile(probe, "0"));
    struct stat first {};
    ::stat(QFile::encodeName(probe).constData(), &first);
    QVERIFY(QTest::qWaitFor(
        [&] {
            struct stat now {};
            writeFile(probe, "1");
            ::stat(QFile::encodeName(probe).constData(), &now);
            return now.st_ctim.tv_sec != first.st_ctim.tv_sec || now.st_ctim.tv_nsec != first.st_ctim.tv_nsec;
        },
        5000));
    QFile::remove(probe);
}

// Everything of a snapshot the lists, GetItemFromID and the skipped note go by.
QStringList describe(const FolderSnapshot& s)
{
    QStringList out;
    for (size_t i = 0; i < s.files.size(); ++i) {
        const VCardFile& f = s.files[i];
        out.append(QStringLiteral("file %1 size=%2 mtime=%3 ctime=%4 inode=%5 cards=%6 items=%7+%8 utf16=%9")
                       .arg(s.fileName(i).toString())
                       .arg(f.size)
                       .arg(f.mtimeNs)
                       .arg(f.ctimeNs)
                       .arg(f.inode)
                       .arg(f.cards)
                       .arg(f.firstItem)
                       .arg(f.itemCount)
                       .arg(f.converted));
    }
    for (size_t i = 0; i < s.items.size(); ++i) {
        const ItemRecord& r = s.items[i];
        out.append(QStringLiteral("item %1 [%2] [%3] {%4} at %5+%6 group=%7 fields=[%8]")
                       .arg(s.entryId(r), s.fileAs(i), s.fullName(i), s.foldedCategories(r).join(QLatin1Char('|')))
                       .arg(r.offset)
                       .arg(r.length)
                       .arg(r.group)
                       .arg(s.searchFields(i)));
    }
    for (const SkippedItem& k : s.skipped)
        out.append(QStringLiteral("skipped %1 x%2").arg(k.text()).arg(k.count));
    for (size_t i = 0; i < s.files.size(); ++i)
        if (s.findFile(s.fileName(i)) != qint64(i))
            out.append(QStringLiteral("%1 not found in its place").arg(s.fileName(i).toString()));
    return out;
}

struct Book {
    QTemporaryDir root;
    QTemporaryDir cacheRoot;
    QString folder = root.filePath(QStringLiteral("book"));
    SummaryCache cache{cacheRoot.path(), QStringLiteral("summaries"), 0};

    QString path(const char* name) const { return folder + QLatin1Char('/') + QLatin1String(name); }

    // Five files: single and double cards, a broken card, an empty file, categories.
    void fill() const
    {
        QDir().mkpath(folder);
        writeFile(path("a.vcf"), card("Ann", "N:Smith;Ann;;;\r\nEMAIL:ann@example.org\r\nTEL:+49 171 2345678\r\n"
                                             "ORG:Acme\r\nADR:;;Main St 1;Berlin;;10115;DE\r\nNICKNAME:Annie\r\n"));
        writeFile(path("b.vcf"), card("Bea", "CATEGORIES:Work,Golf\r\n") + card("Bob", "CATEGORIES:work\r\n"));
        writeFile(path("c.vcf"), "BEGIN:VCARD\r\nFN:Cut\r\nBEGIN:VCARD\r\n" + card("Cy"));
        writeFile(path("d.vcf"), QByteArray());
        writeFile(path("e.vcf"), card("Eve", "KIND:group\r\nCATEGORIES:\xC3\x84rzte\r\n"));
    }

    // Opens a store on the folder and lets it write its summary.
    void openStore() const
    {
        VCardFolderStore store(folder, cache);
        store.open();
    }
};

enum class Change {
    None,
    EditSameSizeTimeBack,
    EditOtherSize,
    TouchOnly,
    Add,
    Remove,
    Rename,
    ReplaceByRename,
    Symlink,
    FolderReplaced
};

void apply(const Book& book, Change change)
{
    switch (change) {
    case Change::None:
        break;
    case Change::EditSameSizeTimeBack: {
        const timespec was = mtimeOf(book.path("a.vcf"));
        QFile f(book.path("a.vcf"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray data = f.readAll();
        data.replace("FN:Ann", "FN:Amy");
        f.seek(0);
        f.write(data);
        f.close();
        setMtime(book.path("a.vcf"), was);
        break;
    }
    case Change::EditOtherSize:
        writeFile(book.path("b.vcf"), card("Bea", "CATEGORIES:Home\r\n") + card("Bob") + card("Ben"));
        break;
    case Change::TouchOnly:
        setMtime(book.path("e.vcf"), {12345, 0});
        break;
    case Change::Add:
        writeFile(book.path("aa.vcf"), card("Abe"));
        break;
    case Change::Remove:
        QFile::remove(book.path("b.vcf"));
        break;
    case Change::Rename:
        QFile::rename(book.path("a.vcf"), book.path("z.vcf"));
        break;
    case Change::ReplaceByRename: {
        // Same bytes, same time: only the inode tells.
        const timespec was = mtimeOf(book.path("a.vcf"));
        QFile::copy(book.path("a.vcf"), book.path("a.vcf.tmp"));
        setMtime(book.path("a.vcf.tmp"), was);
        QFile::remove(book.path("a.vcf"));
        QFile::rename(book.path("a.vcf.tmp"), book.path("a.vcf"));
        break;
    }
    case Change::Symlink:
        writeFile(book.root.filePath(QStringLiteral("elsewhere.vcf")), card("Elsewhere"));
        QFile::remove(book.path("e.vcf"));
        QFile::link(book.root.filePath(QStringLiteral("elsewhere.vcf")), book.path("e.vcf"));
        break;
    case Change::FolderReplaced: {
        // The same files with the same times in a new folder at the same place.
        const QString aside = book.root.filePath(QStringLiteral("old"));
        QVERIFY(QDir().rename(book.folder, aside));
        QVERIFY(QDir().mkpath(book.folder));
        for (const QString& name : QDir(aside).entryList(QDir::Files)) {
            QVERIFY(QFile::copy(aside + QLatin1Char('/') + name, book.folder + QLatin1Char('/') + name));
            setMtime(book.folder + QLatin1Char('/') + name, mtimeOf(aside + QLatin1Char('/') + name));
        }
        break;
    }
    }
}

// What a user of the store sees: every listed item, and that each opens with its name.
void expectStoreAsFullRead(const Book& book, const FolderSnapshot& full)
{
    VCardFolderStore store(book.folder, book.cache);
    store.open();
    QStringList listed, expected;
    store.items()->forEach([&](const Item& i) { listed.append(i.EntryID() + QLatin1Char('=') + i.FullName()); });
    for (size_t i = 0; i < full.items.size(); ++i)
        expected.append(full.entryId(full.items[i]) + QLatin1Char('=') + full.fullName(i));
    QCOMPARE(listed, expected);
    for (size_t i = 0; i < full.items.size(); ++i)
        QCOMPARE(store.itemFromId(full.entryId(full.items[i]))->FullName(), full.fullName(i).toString());
    QCOMPARE(store.statusNote().isEmpty(), full.skipped.isEmpty());
}

// One random step on a folder of generated files.
void randomStep(const QString& folder, QRandomGenerator& random, int step)
{
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files | QDir::System);
    const QString some = names.isEmpty() ? QStringLiteral("x.vcf") : names[random.bounded(int(names.size()))];
    const QString path = folder + QLatin1Char('/') + some;
    const QByteArray name = "Person " + QByteArray::number(step);
    const QByteArray categories = "CATEGORIES:" + QByteArray::number(random.bounded(3)) + "\r\n";
    switch (random.bounded(10)) {
    case 0: { // in place, same size, time set back
        const timespec was = mtimeOf(path);
        QFile f(path);
        if (!f.open(QIODevice::ReadWrite) || f.size() < 20)
            break;
        QByteArray data = f.readAll();
        const qsizetype at = data.indexOf("FN:");
        if (at >= 0 && at + 3 < data.size() && data[at + 3] != '\r')
            data[at + 3] = data[at + 3] == 'Q' ? 'R' : 'Q';
        f.seek(0);
        f.write(data);
        f.close();
        setMtime(path, was);
        break;
    }
    case 1:
        writeFile(path, card(name, categories));
        break;
    case 2:
    case 3:
        // Names beyond ASCII too: they go through the file-name codec.
        writeFile(QStringLiteral("%1/%2%3.vcf")
                      .arg(folder, step % 2 ? QStringLiteral("n") : QStringLiteral("\u00f1"))
                      .arg(step),
                  card(name, categories) + card(name + " Jr."));
        break;
    case 4:
        QFile::remove(path);
        break;
    case 5:
        QFile::rename(path, QStringLiteral("%1/r%2.vcf").arg(folder).arg(step));
        break;
    case 6:
        writeFile(path + QStringLiteral(".tmp"), card(name));
        QFile::rename(path + QStringLiteral(".tmp"), path);
        break;
    case 7:
        writeFile(path, "BEGIN:VCARD\r\nFN:" + name + "\r\n");
        break;
    case 8:
        writeFile(path, QByteArray());
        break;
    case 9:
        writeFile(QStringLiteral("%1/.hidden%2.vcf").arg(folder).arg(step), card(name));
        writeFile(QStringLiteral("%1/notes%2.txt").arg(folder).arg(step), card(name));
        break;
    }
}

} // namespace

class TestSummaryCache : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { setReadClock(aheadClock); }
    void cleanup() { setReadClock(nullptr); }

    // Each set of categories is held once however many cards carry it, letter case and the order
    // of a card's categories aside as they are written; the sets come back from the summary as
    // they were, and Restrict finds by them what it found by each card's own list.
    void testCategorySetsHeldOnce_data()
    {
        QTest::addColumn<QByteArrayList>("categories"); // one card each; empty: none
        QTest::addColumn<QStringList>("sets");          // every set of the snapshot, | between
        QTest::addColumn<int>("work");                  // cards Restrict finds for "WORK"
        QTest::newRow("none") << QByteArrayList{"", ""} << QStringList{u""_s} << 0;
        QTest::newRow("one set, many cards")
            << QByteArrayList{"Work", "Work", "work", "WORK"} << QStringList{u""_s, u"work"_s} << 4;
        QTest::newRow("order of a card's categories counts") << QByteArrayList{"Work,Golf", "Golf,Work", "Work,Golf"}
                                                             << QStringList{u""_s, u"work|golf"_s, u"golf|work"_s} << 3;
        QTest::newRow("mixed with cards without") << QByteArrayList{"", "Golf", "", "Golf,\xC3\x84rzte", "Golf"}
                                                  << QStringList{u""_s, u"golf"_s, u"golf|ärzte"_s} << 0;
    }
    void testCategorySetsHeldOnce()
    {
        QFETCH(QByteArrayList, categories);
        QFETCH(QStringList, sets);
        QFETCH(int, work);
        Book book;
        QDir().mkpath(book.folder);
        for (qsizetype i = 0; i < categories.size(); ++i) {
            const QByteArray more = categories[i].isEmpty() ? QByteArray() : "CATEGORIES:" + categories[i] + "\r\n";
            QVERIFY(writeFile(book.folder + QStringLiteral("/%1.vcf").arg(i), card("C" + QByteArray::number(i), more)));
        }
        const auto full = readFolder(book.folder);
        QStringList held;
        for (quint32 set = 0; set < full->categorySets.count(); ++set)
            held.append(full->categorySets.at(set).join(QLatin1Char('|')));
        QCOMPARE(held, sets);
        QCOMPARE(VCardItemSet(full).Restrict(u"[Categories] = \"WORK\""_s)->Count(), work);

        const auto decoded = decodeSummary(encodeSummary(*full), book.folder);
        QVERIFY(decoded);
        QCOMPARE(describe(*decoded), describe(*full));
        QCOMPARE(decoded->categorySets.count(), full->categorySets.count());
    }

    // A summary that names a set of categories it does not hold is refused as a whole, never
    // read past its table.
    void testSummaryWithUnknownCategorySetIsRefused()
    {
        Book book;
        book.fill();
        FolderSnapshot snapshot = *readFolder(book.folder);
        QVERIFY(decodeSummary(encodeSummary(snapshot), book.folder));
        snapshot.items.back().categories = snapshot.categorySets.count();
        QVERIFY(!decodeSummary(encodeSummary(snapshot), book.folder));
    }

    void testChangesSinceTheSummary_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("read");
        QTest::newRow("nothing") << Change::None << 5 << 0;
        QTest::newRow("edited in place, same size, time set back") << Change::EditSameSizeTimeBack << 4 << 1;
        QTest::newRow("edited, other size") << Change::EditOtherSize << 4 << 1;
        QTest::newRow("time changed only") << Change::TouchOnly << 4 << 1;
        QTest::newRow("file added") << Change::Add << 5 << 1;
        QTest::newRow("file removed") << Change::Remove << 4 << 0;
        QTest::newRow("file renamed") << Change::Rename << 4 << 1;
        QTest::newRow("replaced by rename, same bytes and time") << Change::ReplaceByRename << 4 << 1;
        QTest::newRow("replaced by a symbolic link") << Change::Symlink << 4 << 1;
        QTest::newRow("folder replaced by a copy") << Change::FolderReplaced << 0 << 5;
    }
    void testChangesSinceTheSummary()
    {
        QFETCH(Change, change);
        QFETCH(int, kept);
        QFETCH(int, read);
        Book book;
        book.fill();
        book.openStore();
        QVERIFY(QFile::exists(book.cache.fileFor(book.folder)));
        waitForNextTick(book.folder);
        apply(book, change);

        const auto summary = book.cache.load(book.folder);
        QVERIFY(summary);
        ReadStats stats;
        const auto fromSummary = readFolder(book.folder, summary, &stats);
        const auto full = readFolder(book.folder);
        QCOMPARE(describe(*fromSummary), describe(*full));
        QCOMPARE(int(stats.filesKept), kept);
        QCOMPARE(int(stats.filesRead), read);
        QCOMPARE(stats.unchanged, change == Change::None);
        expectStoreAsFullRead(book, *full);
    }

    // Files changed shortly before a read (here: a clock an hour behind makes every file recent)
    // may change again within the same tick of the file clock: the next start reads them rather
    // than trusting their stamps.
    void testRecentFilesAreReadAgain()
    {
        setReadClock(behindClock);
        Book book;
        book.fill();
        book.openStore();
        apply(book, Change::EditSameSizeTimeBack); // quite possibly within the same tick
        ReadStats stats;
        const auto fromSummary = readFolder(book.folder, book.cache.load(book.folder), &stats);
        QCOMPARE(describe(*fromSummary), describe(*readFolder(book.folder)));
        QCOMPARE(int(stats.filesKept), 0);
        QCOMPARE(int(stats.filesRead), 5);
    }

    void testSummaryNotTrusted_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("cut in half") << QStringLiteral("half");
        QTest::newRow("last byte missing") << QStringLiteral("short");
        QTest::newRow("a byte more") << QStringLiteral("long");
        QTest::newRow("a flipped bit") << QStringLiteral("flip");
        QTest::newRow("another format") << QStringLiteral("format");
        QTest::newRow("another build") << QStringLiteral("build");
        QTest::newRow("another folder's summary") << QStringLiteral("folder");
        QTest::newRow("empty") << QStringLiteral("empty");
        QTest::newRow("not a summary") << QStringLiteral("text");
    }
    void testSummaryNotTrusted()
    {
        QFETCH(QString, damage);
        Book book;
        book.fill();
        book.openStore();
        const QString file = book.cache.fileFor(book.folder);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray bytes = f.readAll();
        f.close();
        QVERIFY(decodeSummary(bytes, book.folder));
        const auto full = readFolder(book.folder);
        if (damage == QLatin1String("half"))
            bytes.truncate(bytes.size() / 2);
        else if (damage == QLatin1String("short"))
            bytes.chop(1);
        else if (damage == QLatin1String("long"))
            bytes.append('\0');
        else if (damage == QLatin1String("flip"))
            bytes[bytes.size() * 2 / 3] = char(bytes[bytes.size() * 2 / 3] ^ 0x10);
        else if (damage == QLatin1String("format"))
            bytes[8] = char(bytes[8] + 1);
        else if (damage == QLatin1String("build"))
            bytes = encodeSummary(*full, "another build");
        else if (damage == QLatin1String("folder")) {
            // A folder with the same files, its summary put where this folder's is looked for.
            Book other;
            other.fill();
            other.openStore();
            QFile::remove(file);
            QVERIFY(QFile::copy(other.cache.fileFor(other.folder), file));
            QFile o(file);
            QVERIFY(o.open(QIODevice::ReadOnly));
            bytes = o.readAll();
        } else if (damage == QLatin1String("empty"))
            bytes.clear();
        else
            bytes = card("Not a summary");
        QVERIFY(writeFile(file, bytes));

        QVERIFY(!decodeSummary(bytes, book.folder));
        QVERIFY(!book.cache.load(book.folder));
        expectStoreAsFullRead(book, *full);
    }

    // The bytes a summary's decoding reports done with are never read again: with them wiped as
    // soon as they are reported (as their pages are given back at start-up), the snapshot is the
    // same.
    void testDecodingNeverReadsBackWhatItReportedDone()
    {
        Book book;
        QDir().mkpath(book.folder);
        for (int f = 0; f < 3; ++f) {
            QByteArray cards;
            for (int c = 0; c < 4000; ++c)
                cards += card("P" + QByteArray::number(f * 4000 + c),
                              "EMAIL:p" + QByteArray::number(c) + "@example.org\r\n");
            QVERIFY(writeFile(book.path(f == 0 ? "a.vcf" : f == 1 ? "b.vcf" : "c.vcf"), cards));
        }
        const auto full = readFolder(book.folder);
        const QByteArray encoded = encodeSummary(*full);
        std::vector<char> bytes(encoded.begin(), encoded.end());
        std::vector<qsizetype> reported;
        const auto decoded = decodeSummary(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), book.folder,
                                           [&](qsizetype done) {
                                               reported.push_back(done);
                                               std::fill(bytes.begin(), bytes.begin() + done, '\xAA');
                                           });
        QVERIFY(decoded);
        QCOMPARE(describe(*decoded), describe(*full));
        QVERIFY(reported.size() >= 3);
        QVERIFY(std::is_sorted(reported.begin(), reported.end()));
        QVERIFY(reported.back() < qsizetype(bytes.size()));
    }

    // No cut and no single flipped byte of a summary goes unnoticed, and none is read past its end.
    void testEveryCutAndFlipIsRefused()
    {
        Book book;
        book.fill();
        const QByteArray bytes = encodeSummary(*readFolder(book.folder));
        QVERIFY(decodeSummary(bytes, book.folder));
        for (qsizetype n = 0; n < bytes.size(); ++n)
            QVERIFY2(!decodeSummary(bytes.left(n), book.folder), qPrintable(QString::number(n)));
        for (qsizetype at = 0; at < bytes.size(); ++at) {
            QByteArray flipped = bytes;
            flipped[at] = char(flipped[at] ^ 0x01);
            QVERIFY2(!decodeSummary(flipped, book.folder), qPrintable(QString::number(at)));
        }
    }

    // Seeded random changes; after each, a read from the last snapshot (the refresh) and a start
    // from the summary give what a full read gives.
    void testRandomChanges_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 20") << 20u;
        QTest::newRow("seed 300") << 300u;
    }
    void testRandomChanges()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        Book book;
        QDir().mkpath(book.folder);
        for (int i = 0; i < 12; ++i)
            writeFile(QStringLiteral("%1/f%2.vcf").arg(book.folder).arg(i),
                      card("Card " + QByteArray::number(i), "CATEGORIES:" + QByteArray::number(i % 3) + "\r\n"));
        book.openStore();
        auto refreshed = readFolder(book.folder);
        size_t keptInAll = 0;
        for (int step = 0; step < 30; ++step) {
            waitForNextTick(book.folder);
            randomStep(book.folder, random, step);
            for (int more = random.bounded(3); more > 0; --more)
                randomStep(book.folder, random, 100 + step * 10 + more);
            const auto full = readFolder(book.folder);
            const QStringList expected = describe(*full);

            ReadStats stats;
            refreshed = readFolder(book.folder, refreshed, &stats);
            QCOMPARE(describe(*refreshed), expected);
            keptInAll += stats.filesKept;

            const auto fromSummary = readFolder(book.folder, book.cache.load(book.folder), &stats);
            QCOMPARE(describe(*fromSummary), expected);
            keptInAll += stats.filesKept;
            book.openStore(); // the summary of this step, for the next
        }
        QVERIFY(keptInAll > 0);
    }

    // What the bar built from the folder's items (the lists' orders) comes back on the next start
    // only while the summary stands for the very same records; after any change, or from a memo
    // file that is damaged or not this folder's, nothing comes back and the lists are built anew.
    void testMemoOnlyForTheSameRecords_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("kept");
        QTest::newRow("nothing changed") << Change::None << QString() << true;
        QTest::newRow("edited in place, same size, time set back")
            << Change::EditSameSizeTimeBack << QString() << false;
        QTest::newRow("file added") << Change::Add << QString() << false;
        QTest::newRow("file removed") << Change::Remove << QString() << false;
        QTest::newRow("folder replaced by a copy") << Change::FolderReplaced << QString() << false;
        QTest::newRow("memo with a flipped bit") << Change::None << u"flip"_s << false;
        QTest::newRow("memo cut short") << Change::None << u"cut"_s << false;
        QTest::newRow("memo of an earlier read") << Change::None << u"earlier"_s << false;
    }
    void testMemoOnlyForTheSameRecords()
    {
        QFETCH(Change, change);
        QFETCH(QString, damage);
        QFETCH(bool, kept);
        Book book;
        book.fill();
        QByteArray earlierMemo;
        if (damage == u"earlier"_s) {
            {
                VCardFolderStore store(book.folder, book.cache);
                store.open();
                store.items()->memo()->save("earlier");
            }
            QFile f(book.cache.memoFileFor(book.folder));
            QVERIFY(f.open(QIODevice::ReadOnly));
            earlierMemo = f.readAll();
            QFile::remove(book.cache.fileFor(book.folder)); // the next start reads every card
        }
        ContactListData built;
        {
            VCardFolderStore store(book.folder, book.cache);
            store.open();
            const auto items = store.items();
            QVERIFY(items->memo());
            QVERIFY(!items->Restrict(u"[Categories] = \"Work\""_s)->memo());
            built = buildContactLists(*items);
        } // the store waits for its writer
        const QString memoFile = book.cache.memoFileFor(book.folder);
        QVERIFY(QFile::exists(memoFile));
        QFile f(memoFile);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        if (damage == u"flip"_s)
            bytes[bytes.size() - 3] = char(bytes[bytes.size() - 3] ^ 0x10);
        else if (damage == u"cut"_s)
            bytes.chop(4);
        else if (damage == u"earlier"_s)
            bytes = earlierMemo;
        QVERIFY(f.resize(0) && f.write(bytes) == bytes.size());
        f.close();
        waitForNextTick(book.folder);
        apply(book, change);

        VCardFolderStore store(book.folder, book.cache);
        store.open();
        const auto items = store.items();
        QCOMPARE(!items->memo()->load().isEmpty(), kept);
        // From the memo or not, the lists are those of the records as they are now.
        const ContactListData lists = buildContactLists(*items);
        const ContactListData fresh = buildContactLists(VCardItemSet(readFolder(book.folder)));
        QCOMPARE(lists.sortedNames(), fresh.sortedNames());
        QCOMPARE(lists.search.entries(), fresh.search.entries());
        QCOMPARE(lists.search.sortedOrder(), fresh.search.sortedOrder());
        QCOMPARE(lists.entryIds.toList(), fresh.entryIds.toList());
        if (change == Change::None)
            QCOMPARE(lists.sortedNames(), built.sortedNames());
    }

    // A folder started from its summary finds its contacts by the cities and postal codes of
    // their addresses, as a folder read card by card does: the summary keeps them.
    void testSummaryFindsByPlace_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("found"); // full names, in the list's order
        QTest::newRow("city") << "berlin" << QStringList{u"Ann"_s};
        QTest::newRow("city, first letters") << "ber" << QStringList{u"Ann"_s};
        QTest::newRow("postal code") << "10115" << QStringList{u"Ann"_s};
        QTest::newRow("postal code, first digits") << "101" << QStringList{u"Ann"_s};
        QTest::newRow("city without its accent") << "munchen" << QStringList{u"Dora"_s};
        QTest::newRow("postal code with a letter") << "ls1" << QStringList{u"Eli"_s};
        QTest::newRow("second address") << "hamburg" << QStringList{u"Dora"_s};
        QTest::newRow("city folded over two lines") << "frankfurt" << QStringList{u"Finn"_s};
        QTest::newRow("name and city") << "dora 80331" << QStringList{u"Dora"_s};
        QTest::newRow("street is not searched") << "main" << QStringList{};
        QTest::newRow("country is not searched") << "deutschland" << QStringList{};
    }
    void testSummaryFindsByPlace()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, found);
        Book book;
        book.fill();
        writeFile(book.path("f.vcf"),
                  card("Dora", "ADR;TYPE=home:;;Kongens Nytorv 1;M\xC3\xBCnchen;Bayern;80331;Deutschland\r\n"
                               "item2.adr:;;Hafenstr. 2;Hamburg;;20095;Deutschland\r\n") +
                      card("Eli", "ADR:;;Main Rd 5;Leeds;;LS1 4AP;United Kingdom\r\n") +
                      card("Finn", "ADR:;;Zeil 1;Frank\r\n furt;;60311;DE\r\n"));
        book.openStore();
        // The next start takes every file over from the summary.
        ReadStats stats;
        const auto fromSummary = readFolder(book.folder, book.cache.load(book.folder), &stats);
        QVERIFY(fromSummary);
        QVERIFY(stats.unchanged);
        QCOMPARE(int(stats.filesRead), 0);

        VCardFolderStore store(book.folder, book.cache);
        store.open();
        const ContactSearch search(std::make_shared<ContactListData>(buildContactLists(*store.items())));
        QStringList names;
        for (const ContactSearch::Shown& row : search.find(query))
            names << row.fullName;
        QCOMPARE(names, found);
    }

    // The summary lies in the cache folder given, private to the user; the address book folder
    // is left as it was. Small folders get none.
    void testWhereSummariesGo()
    {
        Book book;
        book.fill();
        const QStringList before = QDir(book.folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        book.openStore();
        QCOMPARE(QDir(book.folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
        const QFileInfo summary(book.cache.fileFor(book.folder));
        QVERIFY(summary.exists());
        QCOMPARE(summary.absolutePath(), book.cacheRoot.filePath(QStringLiteral("summaries")));
        QCOMPARE(QFile::permissions(summary.absolutePath()) & 0x0077, QFileDevice::Permissions());

        const SummaryCache small(book.cacheRoot.path(), QStringLiteral("small"), 100);
        QVERIFY(small.save(*readFolder(book.folder)));
        QVERIFY(!QFile::exists(small.fileFor(book.folder)));
    }

    // Saving one summary clears those of folders that are gone.
    void testSummariesOfRemovedFoldersGo()
    {
        Book book;
        book.fill();
        QTemporaryDir gone;
        writeFile(gone.filePath(QStringLiteral("g.vcf")), card("Gone"));
        const auto goneSnapshot = readFolder(gone.path());
        QVERIFY(book.cache.save(*goneSnapshot));
        QVERIFY(book.cache.saveMemo(*goneSnapshot, "orders"));
        const QString goneSummary = book.cache.fileFor(gone.path());
        QVERIFY(QFile::exists(goneSummary));
        QCOMPARE(book.cache.loadMemo(*goneSnapshot), QByteArray("orders"));
        book.openStore();
        QVERIFY(QFile::exists(goneSummary)); // its folder is still there
        gone.remove();
        writeFile(book.path("new.vcf"), card("New")); // something to write a summary for
        book.openStore();
        QVERIFY(!QFile::exists(goneSummary));
        QVERIFY(!QFile::exists(book.cache.memoFileFor(gone.path())));
        QVERIFY(QFile::exists(book.cache.fileFor(book.folder)));
    }
};

QTEST_GUILESS_MAIN(TestSummaryCache)
#include "test_summarycache.moc"
