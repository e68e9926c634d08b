// The company directory store against a real slapd on 127.0.0.1: the whole directory past the
// server's size limit, a server that refuses paging, anonymous and bound access, ldaps and
// StartTLS with the company's CA, a server stopped in the middle of a refresh, changes between two
// starts, and names and addresses in other scripts and LDAP's own escapes.

#include "contactclient/carddav/credentials.h"
#include "contactclient/carddav/vdircache.h"
#include "contactclient/ldap/ldapstore.h"
#include "ldaptesting.h"
#include "settingsstore.h"
#include "slapdserver.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>

#include <malloc.h>

using namespace contactclient;
using namespace contactclient::carddav;
using namespace ldaptesting;
using namespace Qt::StringLiterals;

namespace {

using testsupport::AnsweringPrompt;
using testsupport::MemoryKeyring;

const QByteArray kTeam = "dn: cn=Team,dc=example,dc=com\nobjectClass: groupOfNames\ncn: Team\n"
                         "member: uid=u1,dc=example,dc=com\n\n";

} // namespace

class TestLdapStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void wholeDirectoryPastSizeLimit();
    void serverRefusesPaging();
    void boundAccess_data();
    void boundAccess();
    void secureConnections_data();
    void secureConnections();
    void serverStoppedMidRefresh();
    void changesBetweenStarts();
    void foreignScriptsAndPostalEscapes();
    void namelessEntriesLeftOut();
    void settingsWrittenByHand();
    void failures_data();
    void failures();
    void serverDownWithCopy();
    void startFromCopyWhileTheServerIsSilent_data();
    void startFromCopyWhileTheServerIsSilent();
    void largeValues_data();
    void largeValues();

private:
    QTemporaryDir m_xdgCache;
    std::shared_ptr<MemoryKeyring> m_keyring;
    // Nobody types a password.
    std::shared_ptr<PasswordPrompt> m_prompt = std::make_shared<AnsweringPrompt>(std::nullopt);
};

void TestLdapStore::initTestCase()
{
    qputenv("XDG_CACHE_HOME", m_xdgCache.path().toUtf8());
    qputenv("LDAPNOINIT", "1"); // the machine's ldap.conf and ~/.ldaprc play no part
}

void TestLdapStore::init()
{
    m_keyring = std::make_shared<MemoryKeyring>();
    setKeyring(m_keyring);
}

void TestLdapStore::wholeDirectoryPastSizeLimit()
{
    SlapdServer server({500, true, false});
    QVERIFY2(server.load(people(3000) + kTeam), qPrintable(server.error()));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    LdapStore store(anonymous(server.url()), cache.path(), {}, m_prompt);
    QCOMPARE(openError(store), QString());
    auto items = store.items();
    QCOMPARE(items->Count(), 3001);
    QVERIFY(store.lastRefresh().full);
    int groups = 0;
    items->forEach([&](const Item& i) { groups += i.TypeName() == kDistListItemType ? 1 : 0; });
    QCOMPARE(groups, 1);
    const auto u2999 = store.itemFromId(entryIdOf(*items, u"Given2999 Family"_s));
    QCOMPARE(u2999->FileAs(), u"Family, Given2999"_s);
    QCOMPARE(u2999->Email1Address(), u"u2999@example.com"_s);
    // The copy holds personal data: its owner's only.
    QCOMPARE(QFileInfo(store.cacheFolder()).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther),
             QFile::Permissions());
}

void TestLdapStore::serverRefusesPaging()
{
    SlapdServer server({500, false, false});
    QVERIFY(server.load(people(10)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    LdapStore store(anonymous(server.url()), cache.path(), {}, m_prompt);
    const QString error = openError(store);
    QVERIFY2(error.contains(u"does not support paged results"_s), qPrintable(error));
}

void TestLdapStore::boundAccess_data()
{
    QTest::addColumn<QString>("stored"); // in the keyring; empty: nothing
    QTest::addColumn<QString>("error");  // part of the failure; empty: it opens
    QTest::newRow("right password") << SlapdServer::kReaderPassword << QString();
    QTest::newRow("wrong password") << u"wrong"_s << u"refused the name or password"_s;
    QTest::newRow("no password anywhere") << QString() << u"key \"ldap:cn=reader,dc=example,dc=com@127.0.0.1\""_s;
}

void TestLdapStore::boundAccess()
{
    QFETCH(QString, stored);
    QFETCH(QString, error);
    SlapdServer server;
    QVERIFY(server.load(people(3)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    if (!stored.isEmpty())
        m_keyring->entries.insert(u"ldap:cn=reader,dc=example,dc=com@127.0.0.1"_s, stored);
    LdapAccount account = anonymous(server.url());
    account.bindDn = SlapdServer::kReaderDn;
    QTemporaryDir cache;
    LdapStore store(account, cache.path(), {}, m_prompt);
    const QString failure = openError(store);
    if (error.isEmpty()) {
        QCOMPARE(failure, QString());
        QCOMPARE(store.items()->Count(), 3);
    } else {
        QVERIFY2(failure.contains(error), qPrintable(failure));
    }
}

void TestLdapStore::secureConnections_data()
{
    QTest::addColumn<bool>("ldaps"); // false: StartTLS
    QTest::addColumn<bool>("withCa");
    QTest::newRow("ldaps, company CA") << true << true;
    QTest::newRow("ldaps, unknown CA") << true << false;
    QTest::newRow("StartTLS, company CA") << false << true;
    QTest::newRow("StartTLS, unknown CA") << false << false;
}

void TestLdapStore::secureConnections()
{
    QFETCH(bool, ldaps);
    QFETCH(bool, withCa);
    SlapdServer server({500, true, true});
    QVERIFY(server.load(people(4)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    LdapAccount account = anonymous(ldaps ? server.ldapsUrl() : server.url());
    account.startTlsHere = !ldaps;
    if (withCa)
        account.caFile = server.caFile();
    QTemporaryDir cache;
    LdapStore store(account, cache.path(), {}, m_prompt);
    const QString failure = openError(store);
    if (withCa) {
        QCOMPARE(failure, QString());
        QCOMPARE(store.items()->Count(), 4);
    } else {
        QVERIFY2(failure.contains(u"secure connection"_s), qPrintable(failure));
    }
}

void TestLdapStore::serverStoppedMidRefresh()
{
    SlapdServer server;
    QVERIFY(server.load(people(2000)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    {
        LdapStore first(anonymous(server.url()), cache.path(), {}, m_prompt);
        QCOMPARE(openError(first), QString());
        QCOMPARE(first.items()->Count(), 2000);
    }
    // Another mapping means every entry is read and written again; the server goes half-way.
    LdapAccount account = anonymous(server.url());
    account.attributes.fullName = QStringList{u"uid"_s};
    const qint64 pid = server.processId();
    ldap::RefreshOptions options;
    options.entryRead = [pid](int read) {
        if (read == 300)
            ::kill(pid_t(pid), SIGKILL);
    };
    {
        LdapStore store(account, cache.path(), options, m_prompt);
        store.setStartupWait(std::chrono::minutes(5));
        QCOMPARE(openError(store), QString()); // the bar works from the copy
        QVERIFY2(!store.lastError().isEmpty(), "the refresh cannot have finished");
        QVERIFY2(store.statusNote().startsWith(u"Working offline"_s), qPrintable(store.statusNote()));
        auto items = store.items();
        QCOMPARE(items->Count(), 2000); // every card whole: none skipped, none missing
        QCOMPARE(store.statusNote().contains(u"cannot be read"_s), false);
    }
    // The next start repairs the copy.
    QVERIFY(server.start());
    LdapStore again(account, cache.path(), {}, m_prompt);
    again.setStartupWait(std::chrono::minutes(5));
    QCOMPARE(openError(again), QString());
    QCOMPARE(again.lastError(), QString());
    auto items = again.items();
    QCOMPARE(items->Count(), 2000);
    QVERIFY(!entryIdOf(*items, u"u1234"_s).isEmpty());
    QCOMPARE(again.statusNote(), QString());
}

void TestLdapStore::changesBetweenStarts()
{
    SlapdServer server;
    QVERIFY(server.load(people(5) + kTeam));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    {
        LdapStore first(anonymous(server.url()), cache.path(), {}, m_prompt);
        QCOMPARE(openError(first), QString());
        QCOMPARE(first.items()->Count(), 6);
    }
    QVERIFY2(server.modify("dn: uid=u2,dc=example,dc=com\nchangetype: modify\nreplace: displayName\n"
                           "displayName: Renamed Two\n\n"
                           "dn: uid=u3,dc=example,dc=com\nchangetype: delete\n\n"
                           "dn: cn=Team,dc=example,dc=com\nchangetype: delete\n\n"
                           "dn: uid=u6,dc=example,dc=com\nchangetype: add\nobjectClass: inetOrgPerson\n"
                           "cn: Given6 Family\nsn: Family\ngivenName: Given6\n\n"),
             qPrintable(server.error()));
    LdapStore second(anonymous(server.url()), cache.path(), {}, m_prompt);
    second.setStartupWait(std::chrono::minutes(5));
    QCOMPARE(openError(second), QString());
    QCOMPARE(fullNames(*second.items()), (QStringList{u"Given1 Family"_s, u"Given4 Family"_s, u"Given5 Family"_s,
                                                      u"Given6 Family"_s, u"Renamed Two"_s}));
    // Only what changed was asked for.
    QCOMPARE(second.lastRefresh().full, false);
    QCOMPARE(second.lastRefresh().removed, 2);
    QCOMPARE(second.lastRefresh().written, 2);
}

void TestLdapStore::foreignScriptsAndPostalEscapes()
{
    SlapdServer server;
    const QString extra =
        QStringLiteral("postalAddress: Bahnhofstra\u00dfe 3$8001 Z\u00fcrich$Schweiz\n"
                       "homePostalAddress: Box \\24 12$Kyiv\n"
                       "departmentNumber: \u0420\u0430\u0437\u0440\u0430\u0431\u043e\u0442\u043a\u0430\n");
    QByteArray ldif = personLdif(u"zoe"_s, u"Zo\u00eb"_s, u"\u00c5ngstr\u00f6m"_s, QString());
    ldif.chop(1);
    // Values with non-ASCII text go in base64.
    for (const QString& line : extra.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(u": "_s);
        ldif += line.left(colon).toUtf8() + ":: " + line.mid(colon + 2).toUtf8().toBase64() + '\n';
    }
    ldif += '\n';
    QVERIFY2(server.load(ldif), qPrintable(server.error()));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    LdapStore store(anonymous(server.url()), cache.path(), {}, m_prompt);
    QCOMPARE(openError(store), QString());
    auto items = store.items();
    const auto zoe = store.itemFromId(entryIdOf(*items, u"Zo\u00eb \u00c5ngstr\u00f6m"_s));
    QCOMPARE(zoe->FileAs(), u"\u00c5ngstr\u00f6m, Zo\u00eb"_s);
    QCOMPARE(zoe->BusinessAddress(), u"Bahnhofstra\u00dfe 3\n8001 Z\u00fcrich\nSchweiz"_s);
    QCOMPARE(zoe->HomeAddress(), u"Box $ 12\nKyiv"_s);
    QCOMPARE(zoe->Categories(), QStringList{u"\u0420\u0430\u0437\u0440\u0430\u0431\u043e\u0442\u043a\u0430"_s});
    QCOMPARE(
        items->Restrict(u"[Categories] = \"\u0440\u0430\u0437\u0440\u0430\u0431\u043e\u0442\u043a\u0430\""_s)->Count(),
        1);
}

void TestLdapStore::namelessEntriesLeftOut()
{
    SlapdServer server;
    QVERIFY(server.load(people(2) + personLdif(u"named"_s, u"Has"_s, u"Name"_s, u"displayName: Has A Name\n"_s)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    // Names only from displayName: the two entries without one have none.
    LdapAccount account = anonymous(server.url());
    const QStringList displayName{u"displayName"_s};
    account.attributes.fullName = account.attributes.commonName = account.attributes.surname =
        account.attributes.givenName = displayName;
    QTemporaryDir cache;
    LdapStore store(account, cache.path(), {}, m_prompt);
    QCOMPARE(openError(store), QString());
    QCOMPARE(fullNames(*store.items()), QStringList{u"Has A Name"_s});
    QCOMPARE(store.statusNote(), u"2 directory entries have no name and were left out."_s);
}

void TestLdapStore::settingsWrittenByHand()
{
    SlapdServer server;
    QVERIFY(server.load(people(2) + personLdif(u"x"_s, u"Ex"_s, u"Ample"_s, u"departmentNumber: D1\nou: O1\n"_s)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir dir;
    QFile file(dir.filePath(u"Quintel.conf"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[ContactClient]\nBackend=ldap\nLdapUrl=" + server.url().toUtf8() +
               "\nLdapBaseDn=dc=example,dc=com\nLdapFilter=(objectClass=inetOrgPerson)\n"
               "[LdapAttributes]\nCategories=ou,departmentNumber\n");
    file.close();
    QSettingsStore settings(file.fileName());
    auto store = std::dynamic_pointer_cast<LdapStore>(createLdapStore(settings, m_prompt));
    QVERIFY(store);
    QCOMPARE(openError(*store), QString());
    QCOMPARE(store->items()->Count(), 3);
    QCOMPARE(store->items()->Restrict(u"[Categories] = \"O1\""_s)->Count(), 1);
}

void TestLdapStore::failures_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<QString>("error");
    const QString base = SlapdServer::kBase;
    QTest::newRow("referral") << u"ou=elsewhere,dc=example,dc=com"_s << QString() << true
                              << u"refers to another server"_s;
    QTest::newRow("no such base") << u"ou=none,dc=example,dc=com"_s << QString() << true << u"No such object"_s;
    QTest::newRow("bad filter") << base << u"(cn="_s << true << u"Bad search filter"_s;
    QTest::newRow("server down") << base << QString() << false << u"cannot be reached"_s;
}

void TestLdapStore::failures()
{
    QFETCH(QString, base);
    QFETCH(QString, filter);
    QFETCH(bool, serverUp);
    QFETCH(QString, error);
    SlapdServer server;
    QVERIFY(server.load(people(2) + "dn: ou=elsewhere,dc=example,dc=com\nobjectClass: referral\n"
                                    "objectClass: extensibleObject\nou: elsewhere\n"
                                    "ref: ldap://directory.example.net/ou=people,dc=example,dc=net\n\n"));
    if (serverUp)
        QVERIFY2(server.start(), qPrintable(server.error()));
    LdapAccount account = anonymous(server.url());
    account.baseDn = base;
    account.filter = filter;
    QTemporaryDir cache;
    LdapStore store(account, cache.path(), {}, m_prompt);
    const QString failure = openError(store);
    QVERIFY2(failure.contains(error), qPrintable(failure));
    QVERIFY2(failure.contains(u"no copy of it"_s), qPrintable(failure));
}

void TestLdapStore::serverDownWithCopy()
{
    SlapdServer server;
    QVERIFY(server.load(people(3)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    {
        LdapStore first(anonymous(server.url()), cache.path(), {}, m_prompt);
        QCOMPARE(openError(first), QString());
    }
    server.stop();
    LdapStore offline(anonymous(server.url()), cache.path(), {}, m_prompt);
    offline.setStartupWait(std::chrono::minutes(5));
    QCOMPARE(openError(offline), QString());
    QCOMPARE(offline.items()->Count(), 3);
    QVERIFY2(offline.statusNote().startsWith(u"Working offline from the copy of "_s), qPrintable(offline.statusNote()));
    QVERIFY2(offline.statusNote().contains(u"cannot be reached"_s), qPrintable(offline.statusNote()));
    // The server back: a refresh brings the bar online again and tells it.
    QVERIFY(server.start());
    QSignalSpy changed(offline.notifier(), &StoreNotifier::changed);
    offline.refresh();
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(offline.statusNote(), QString());
}

void TestLdapStore::startFromCopyWhileTheServerIsSilent_data()
{
    QTest::addColumn<QByteArray>("change"); // LDIF applied while the bar was closed
    QTest::addColumn<QStringList>("after"); // the names once the refresh has landed

    const QStringList three{u"Given1 Family"_s, u"Given2 Family"_s, u"Given3 Family"_s};
    QTest::newRow("entry added") << QByteArray("dn: uid=u4,dc=example,dc=com\nchangetype: add\n"
                                               "objectClass: inetOrgPerson\ncn: Given4 Family\nsn: Family\n"
                                               "givenName: Given4\n\n")
                                 << three + QStringList{u"Given4 Family"_s};
    QTest::newRow("entry deleted") << QByteArray("dn: uid=u2,dc=example,dc=com\nchangetype: delete\n\n")
                                   << QStringList{u"Given1 Family"_s, u"Given3 Family"_s};
    QTest::newRow("nothing changed") << QByteArray() << three;
}

void TestLdapStore::startFromCopyWhileTheServerIsSilent()
{
    QFETCH(QByteArray, change);
    QFETCH(QStringList, after);
    SlapdServer server;
    QVERIFY(server.load(people(3)));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    {
        LdapStore first(anonymous(server.url()), cache.path(), {}, m_prompt);
        QCOMPARE(openError(first), QString());
    }
    if (!change.isEmpty())
        QVERIFY2(server.modify(change), qPrintable(server.error()));

    // Stopped, the server still accepts connections (the system does that) but answers nothing.
    const auto pid = pid_t(server.processId());
    QCOMPARE(::kill(pid, SIGSTOP), 0);
    auto resume = qScopeGuard([pid] { ::kill(pid, SIGCONT); });
    LdapStore store(anonymous(server.url()), cache.path(), {}, m_prompt);
    QSignalSpy changed(store.notifier(), &StoreNotifier::changed);
    QCOMPARE(openError(store), QString());
    QVERIFY2(store.isRefreshing(), "the start waited for the server");
    QCOMPARE(fullNames(*store.items()), (QStringList{u"Given1 Family"_s, u"Given2 Family"_s, u"Given3 Family"_s}));
    QCOMPARE(store.statusNote(), QString());

    resume.dismiss();
    QCOMPARE(::kill(pid, SIGCONT), 0);
    store.waitForRefresh();
    QCOMPARE(store.lastError(), QString());
    QCOMPARE(fullNames(*store.items()), after);
    QCOMPARE(changed.count(), change.isEmpty() ? 0 : 1); // nothing new: nothing to reload
    QCOMPARE(store.lastRefresh().full, false);
}

void TestLdapStore::largeValues_data()
{
    QTest::addColumn<QByteArray>("attribute"); // given a long value on the first entry
    QTest::addColumn<int>("size");

    QTest::newRow("200 KB name") << QByteArray("cn") << 200 * 1024;
    QTest::newRow("4 MB name") << QByteArray("cn") << 4 * 1024 * 1024;
    QTest::newRow("1 MB title") << QByteArray("title") << 1024 * 1024;
    QTest::newRow("1 MB postal address") << QByteArray("postalAddress") << 1024 * 1024;
}

void TestLdapStore::largeValues()
{
    QFETCH(QByteArray, attribute);
    QFETCH(int, size);
    // As in a program that has not freed large blocks yet: a large answer lives in memory of its
    // own that goes back to the system when it is freed, and freed memory is overwritten.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_PERTURB, 0x5a);
    auto restore = qScopeGuard([] { mallopt(M_PERTURB, 0); });
    // The long value comes first, so that the memory of its answer is reused by the entries after.
    const QByteArray value = QByteArray(size, 'x');
    const QByteArray first = "dn: uid=big,dc=example,dc=com\nobjectClass: inetOrgPerson\nuid: big\nsn: Big\n" +
                             (attribute == "cn" ? QByteArray() : QByteArray("cn: Big Entry\n")) + attribute + ": " +
                             value + "\n\n";
    SlapdServer server;
    QVERIFY2(server.load(first + people(300)), qPrintable(server.error()));
    QVERIFY2(server.start(), qPrintable(server.error()));
    QTemporaryDir cache;
    LdapStore store(anonymous(server.url()), cache.path());
    QCOMPARE(openError(store), QString());
    const QStringList names = fullNames(*store.items());
    QVERIFY2(names.contains(u"Given300 Family"_s), qPrintable(names.join(QLatin1Char(','))));
    // The long entry itself is listed, its value whole.
    QCOMPARE(names.size(), 301);
    if (attribute == "cn")
        QVERIFY(names.contains(QString::fromLatin1(value)));
    else
        QVERIFY(names.contains(u"Big Entry"_s));
    // Every entry listed can be opened.
    store.items()->forEach([&](const Item& item) { QVERIFY(store.itemFromId(item.EntryID())); });
}

QTEST_GUILESS_MAIN(TestLdapStore)
#include "test_ldapstore.moc"
