// Directory servers that never end a listing: silent from the start, silent after the bind,
// dripping entries without end, handing back the same paging cookie, or paging without end. Each
// refresh ends with a note that says why, and a first start without a copy does not wait for ever.

#include "contactclient/books/mergedstore.h"
#include "contactclient/ldap/ldapstore.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "ldaptesting.h"
#include "scriptserver.h"

#include <QRegularExpression>
#include <QtTest>

using namespace contactclient;
using namespace ldaptesting;
using namespace Qt::StringLiterals;

namespace {

// tests/ldap/hostileldap.py in the given mode; its URL once it listens.
class HostileDirectory : public testsupport::ScriptServer {
public:
    explicit HostileDirectory(const QString& mode)
        : ScriptServer(QStringLiteral(QUINTEL_LDAP_TESTS "/hostileldap.py"), {mode})
    {
        m_url = start() ? u"ldap://127.0.0.1:%1"_s.arg(port()) : QString();
    }
    QString url() const { return m_url; }

private:
    QString m_url;
};

} // namespace

class TestLdapDeadlines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", m_xdgCache.path().toUtf8());
        qputenv("LDAPNOINIT", "1");
    }

    void refreshEndsWithANote_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("note"); // a pattern of the failure

        QTest::newRow("silent from the start") << u"silent"_s << u"cannot be reached"_s;
        QTest::newRow("silent after the bind") << u"stall"_s << u"did not answer for 2 seconds"_s;
        QTest::newRow("entries without end") << u"drip"_s << u"did not finish within 6 seconds"_s;
        QTest::newRow("the same cookie again")
            << u"samecookie"_s << u"hands back a page of the listing it gave before"_s;
        QTest::newRow("empty pages without end") << u"newcookie"_s << u"pages the listing without end"_s;
    }

    void refreshEndsWithANote()
    {
        QFETCH(QString, mode);
        QFETCH(QString, note);
        HostileDirectory server(mode);
        QVERIFY(!server.url().isEmpty());
        QTemporaryDir cache;
        ldap::RefreshOptions options;
        options.silenceTimeoutS = 2;
        options.overallTimeoutS = 6;
        LdapStore store(anonymous(server.url()), cache.path(), options);
        const QString error = openError(store);
        QVERIFY2(error.contains(QRegularExpression(note)), qPrintable(error));
        QVERIFY2(error.contains(u"no copy of it"_s), qPrintable(error));
    }

    // With the deadlines as they stand, a start without a copy waits a while and then goes on
    // with empty lists and a note; the refresh goes on behind.
    void firstStartIsBounded()
    {
        HostileDirectory server(u"stall"_s);
        QVERIFY(!server.url().isEmpty());
        QTemporaryDir cache;
        LdapStore store(anonymous(server.url()), cache.path());
        QCOMPARE(openError(store), QString());
        QCOMPARE(store.items()->Count(), 0);
        QVERIFY(store.isRefreshing());
        QVERIFY2(!store.statusNote().isEmpty(), "the lists say why they are empty");
    }

    // A local folder and a directory that takes its time, read as one: the folder's contacts are
    // listed at once, the directory's join when it answers, and meanwhile the status line says so.
    void slowBookDoesNotHoldTheOthers()
    {
        HostileDirectory server(u"slow"_s);
        QVERIFY(!server.url().isEmpty());
        QTemporaryDir folder;
        for (int i = 1; i <= 5; ++i) {
            QFile card(folder.filePath(u"c%1.vcf"_s.arg(i)));
            QVERIFY(card.open(QIODevice::WriteOnly));
            card.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Local " + QByteArray::number(i) + "\r\nEND:VCARD\r\n");
        }
        QTemporaryDir cache;
        auto directory = std::make_shared<LdapStore>(anonymous(server.url()), cache.path());
        MergedStore merged({{u"folder"_s, std::make_shared<VCardFolderStore>(folder.path(), std::nullopt)},
                            {u"directory"_s, directory}});
        merged.open();
        QVERIFY2(directory->isRefreshing(), "the folder waited for the directory");
        QCOMPARE(merged.items()->Count(), 5);
        QVERIFY2(merged.statusNote().contains(u"not answered yet"_s), qPrintable(merged.statusNote()));

        directory->waitForRefresh();
        QCOMPARE(merged.items()->Count(), 7);
        QCOMPARE(merged.statusNote(), QString());
    }

private:
    QTemporaryDir m_xdgCache;
};

QTEST_GUILESS_MAIN(TestLdapDeadlines)
#include "test_ldapdeadlines.moc"
