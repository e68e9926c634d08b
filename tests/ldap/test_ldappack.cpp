// The directory's copy in packs against a real slapd on 127.0.0.1: every entry in exactly one
// pack, the start from the packed copy, EntryIDs across changes (an old one never names another
// contact), a first download that breaks off, and older copies (a file per entry, a damaged index)
// read until a refresh replaces them.

#include "contactclient/carddav/vdircache.h"
#include "contactclient/errors.h"
#include "contactclient/ldap/packedcopy.h"
#include "ldaptesting.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>

using namespace contactclient;
using namespace ldaptesting;
using namespace Qt::StringLiterals;

namespace {

QStringList packsIn(const QString& folder)
{
    return QDir(folder).entryList({u"*.vcf"_s}, QDir::Files, QDir::Name);
}

// The UID of every card in the folder's packs, in pack order; the largest pack's card count.
QStringList uidsIn(const QString& folder, int* largestPack = nullptr)
{
    static const QRegularExpression uid(u"^UID:(.*)\r$"_s, QRegularExpression::MultilineOption);
    QStringList uids;
    int largest = 0;
    for (const QString& pack : packsIn(folder)) {
        QFile file(folder + QLatin1Char('/') + pack);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(file.readAll());
        int cards = 0;
        for (auto it = uid.globalMatch(text); it.hasNext(); ++cards)
            uids.append(it.next().captured(1));
        largest = std::max(largest, cards);
    }
    if (largestPack)
        *largestPack = largest;
    return uids;
}

QStringList names(const QString& prefix, int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(prefix.arg(i));
    list.sort();
    return list;
}

// name → EntryID of every item.
QHash<QString, QString> idsByName(ItemSet& set)
{
    QHash<QString, QString> ids;
    set.forEach([&](const Item& item) { ids.insert(item.FullName(), item.EntryID()); });
    return ids;
}

ldap::RefreshOptions packsOf(int cards)
{
    ldap::RefreshOptions options;
    options.packSize = cards;
    return options;
}

} // namespace

class TestLdapPack : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fullDownloadPacksEveryEntryOnce_data();
    void fullDownloadPacksEveryEntryOnce();
    void entryIdsAcrossChanges_data();
    void entryIdsAcrossChanges();
    void firstDownloadBrokenOff();
    void olderCopiesReplaced_data();
    void olderCopiesReplaced();

private:
    QTemporaryDir m_xdgCache;
};

void TestLdapPack::initTestCase()
{
    qputenv("XDG_CACHE_HOME", m_xdgCache.path().toUtf8());
    qputenv("LDAPNOINIT", "1");
}

void TestLdapPack::fullDownloadPacksEveryEntryOnce_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("packSize");
    QTest::addColumn<int>("packs");
    QTest::newRow("one pack, not full") << 5 << 7 << 1;
    QTest::newRow("packs exactly full") << 14 << 7 << 2;
    QTest::newRow("past the size limit, last pack partial") << 1201 << 400 << 4;
}

void TestLdapPack::fullDownloadPacksEveryEntryOnce()
{
    QFETCH(int, entries);
    QFETCH(int, packSize);
    QFETCH(int, packs);
    SlapdServer server;
    QVERIFY(server.load(people(entries)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    QHash<QString, QString> ids;
    QString folder;
    {
        LdapStore first(anonymous(server.url()), cache.path(), packsOf(packSize));
        QCOMPARE(openError(first), QString());
        ids = idsByName(*first.items());
        folder = first.copyFolder();
    }
    QCOMPARE(ids.size(), entries);
    QVERIFY2(folder != cache.path() && folder.startsWith(cache.path()), qPrintable(folder));
    // No card lies in the copy's folder itself: only the generation holds them.
    QVERIFY(packsIn(QFileInfo(folder).path()).isEmpty());
    QCOMPARE(packsIn(folder).size(), packs);
    int largest = 0;
    const QStringList uids = uidsIn(folder, &largest);
    QCOMPARE(uids.size(), entries);
    QCOMPARE(QSet<QString>(uids.cbegin(), uids.cend()).size(), entries);
    QCOMPARE(largest, std::min(entries, packSize));

    // Started again with the server gone, the copy gives the same lists and the same EntryIDs.
    server.stop();
    LdapStore again(anonymous(server.url()), cache.path(), packsOf(packSize));
    QCOMPARE(openError(again), QString());
    auto items = again.items();
    QCOMPARE(fullNames(*items), names(u"Given%1 Family"_s, 1, entries));
    QCOMPARE(idsByName(*items), ids);
    const QString last = u"Given%1 Family"_s.arg(entries);
    QCOMPARE(again.itemFromId(ids.value(last))->FullName(), last);
    QCOMPARE(again.itemFromId(ids.value(last))->Email1Address(), u"u%1@example.com"_s.arg(entries));
    again.waitForRefresh();
}

void TestLdapPack::entryIdsAcrossChanges_data()
{
    QTest::addColumn<QByteArray>("change");
    QTest::addColumn<QString>("gone");    // the name whose entry changed or went; empty: none
    QTest::addColumn<QString>("renamed"); // its name now; empty: deleted
    QTest::addColumn<QStringList>("added");
    QTest::newRow("entry renamed") << QByteArray("dn: uid=u5,dc=example,dc=com\nchangetype: modify\n"
                                                 "replace: displayName\ndisplayName: Renamed Five\n\n")
                                   << u"Given5 Family"_s << u"Renamed Five"_s << QStringList();
    QTest::newRow("entry deleted") << QByteArray("dn: uid=u5,dc=example,dc=com\nchangetype: delete\n\n")
                                   << u"Given5 Family"_s << QString() << QStringList();
    QTest::newRow("entries added") << people(4, 10).replace("objectClass:", "changetype: add\nobjectClass:")
                                   << QString() << QString() << names(u"Given%1 Family"_s, 10, 13);
    QTest::newRow("nothing changed") << QByteArray() << QString() << QString() << QStringList();
}

void TestLdapPack::entryIdsAcrossChanges()
{
    QFETCH(QByteArray, change);
    QFETCH(QString, gone);
    QFETCH(QString, renamed);
    QFETCH(QStringList, added);
    // Nine entries in three packs of three.
    SlapdServer server;
    QVERIFY(server.load(people(9)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    QHash<QString, QString> before;
    QString folderBefore;
    {
        LdapStore first(anonymous(server.url()), cache.path(), packsOf(3));
        QCOMPARE(openError(first), QString());
        before = idsByName(*first.items());
        folderBefore = first.copyFolder();
    }
    if (!change.isEmpty())
        QVERIFY2(server.modify(change), qPrintable(server.error()));

    LdapStore second(anonymous(server.url()), cache.path(), packsOf(3));
    second.setStartupWait(std::chrono::minutes(5));
    QCOMPARE(openError(second), QString());
    QCOMPARE(second.lastError(), QString());
    QCOMPARE(second.lastRefresh().full, false);
    auto items = second.items();
    QStringList expected = names(u"Given%1 Family"_s, 1, 9) + added;
    if (!gone.isEmpty())
        expected.removeOne(gone);
    if (!renamed.isEmpty())
        expected.append(renamed);
    expected.sort();
    QCOMPARE(fullNames(*items), expected);

    // Every EntryID of before names its own entry or nothing; only the pack that lost an entry
    // is gone, the others keep their IDs.
    int kept = 0;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const QString now = it.key() == gone ? renamed : it.key();
        try {
            const auto item = second.itemFromId(it.value());
            QCOMPARE(item->FullName(), now);
            QVERIFY2(!now.isEmpty(), "a deleted entry's EntryID names a contact");
            ++kept;
        } catch (const ItemNotFound&) {
        }
    }
    QCOMPARE(kept, gone.isEmpty() ? 9 : 6);
    // And every EntryID of now names its own entry.
    for (const auto& [name, id] : idsByName(*items).asKeyValueRange())
        QCOMPARE(second.itemFromId(id)->FullName(), name);
    // A refresh that finds nothing new writes no new generation.
    QCOMPARE(second.copyFolder() == folderBefore, change.isEmpty());
}

void TestLdapPack::firstDownloadBrokenOff()
{
    SlapdServer server;
    QVERIFY(server.load(people(2000)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    const qint64 pid = server.processId();
    ldap::RefreshOptions options = packsOf(100);
    options.entryRead = [pid](int read) {
        if (read == 450)
            ::kill(pid_t(pid), SIGKILL);
    };
    QString folder;
    {
        LdapStore store(anonymous(server.url()), cache.path(), options);
        const QString error = openError(store);
        QVERIFY2(error.contains(u"no copy of it"_s), qPrintable(error));
        folder = store.cacheFolder();
    }
    // Packs of the first page were written before the server went: none of them looks like a copy.
    QCOMPARE(carddav::VdirCache::readState(folder).complete, false);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    {
        LdapStore offline(anonymous(server.url()), cache.path());
        QVERIFY(openError(offline).contains(u"no copy of it"_s));
    }
    QVERIFY(server.start());
    LdapStore again(anonymous(server.url()), cache.path(), packsOf(100));
    QCOMPARE(openError(again), QString());
    QCOMPARE(again.items()->Count(), 2000);
    QCOMPARE(uidsIn(again.copyFolder()).size(), 2000);
}

void TestLdapPack::olderCopiesReplaced_data()
{
    QTest::addColumn<bool>("fileEach"); // a copy of one file per entry; else packs with a damaged index
    QTest::newRow("one file per entry") << true;
    QTest::newRow("packs, index damaged") << false;
}

void TestLdapPack::olderCopiesReplaced()
{
    QFETCH(bool, fileEach);
    SlapdServer server;
    QVERIFY(server.load(people(3)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    const LdapAccount account = anonymous(server.url());
    QTemporaryDir cache;
    const QString folder = LdapStore(account, cache.path()).cacheFolder();
    QStringList oldFiles;
    if (fileEach) {
        // As an older Quintel left it: a card file per entry, its index, and the state.
        QVERIFY(QDir().mkpath(folder));
        carddav::VdirCache old(folder);
        for (int i = 1; i <= 3; ++i) {
            const QString file = u"old-u%1.vcf"_s.arg(i);
            old.writeCard(file, QString(),
                          QStringLiteral("BEGIN:VCARD\r\nVERSION:4.0\r\nUID:old-u%1\r\nFN:Given%1 Family\r\n"
                                         "N:Family;Given%1;;;\r\nEND:VCARD\r\n")
                              .arg(i)
                              .toUtf8());
            oldFiles.append(file);
        }
        const ldap::Directory directory{account.url, account.baseDn, ldap::normalizedFilter({}), account.attributes};
        old.commit({directory.identity(), QString(), QString(), QString()});
    } else {
        {
            LdapStore first(account, cache.path());
            QCOMPARE(openError(first), QString());
        }
        const QString packs = carddav::VdirCache::readState(folder).packs;
        QFile index(folder + QLatin1Char('/') + packs + QLatin1Char('/') + ldap::PackedCopy::kIndexFile);
        QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
        index.write("not an index\n");
    }
    const QString before = carddav::VdirCache::readState(folder).packs;
    const QStringList three = names(u"Given%1 Family"_s, 1, 3);

    // A refresh that breaks off, then the server away: the bar works from the copy as it is.
    ldap::RefreshOptions breaksOff;
    breaksOff.entryRead = [](int read) {
        if (read == 2)
            throw std::runtime_error("disk full");
    };
    for (const bool serverUp : {true, false}) {
        if (!serverUp)
            server.stop();
        LdapStore store(account, cache.path(), breaksOff);
        store.setStartupWait(std::chrono::minutes(5));
        QCOMPARE(openError(store), QString());
        QVERIFY(!store.lastError().isEmpty());
        QCOMPARE(fullNames(*store.items()), three);
    }
    // The next refresh reads everything into a new generation; the lists stay the same.
    QVERIFY(server.start());
    {
        LdapStore store(account, cache.path());
        store.setStartupWait(std::chrono::minutes(5));
        QCOMPARE(openError(store), QString());
        QCOMPARE(store.lastRefresh().full, true);
        QCOMPARE(fullNames(*store.items()), three);
        QVERIFY(carddav::VdirCache::readState(folder).packs != before);
        QCOMPARE(uidsIn(store.copyFolder()).size(), 3);
    }
    // The refresh after that removes the older cards, which nothing reads any more.
    for (const QString& file : std::as_const(oldFiles))
        QVERIFY(QFile::exists(folder + QLatin1Char('/') + file));
    {
        LdapStore store(account, cache.path());
        store.setStartupWait(std::chrono::minutes(5));
        QCOMPARE(openError(store), QString());
        QCOMPARE(fullNames(*store.items()), three);
    }
    QCOMPARE(packsIn(folder), QStringList());
    QVERIFY(!QFile::exists(folder + QLatin1Char('/') + carddav::VdirCache::kIndexFile));
}

QTEST_GUILESS_MAIN(TestLdapPack)
#include "test_ldappack.moc"
