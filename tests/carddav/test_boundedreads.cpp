// Answers of a CardDAV server are bounded: in size by what was asked, in time by a deadline for
// the whole request, and a first start without a copy does not wait on the server for ever.

#include "contactclient/carddav/carddavstore.h"
#include "contactclient/carddav/davhttp.h"
#include "contactclient/errors.h"
#include "scriptserver.h"

#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using namespace contactclient::carddav;
using namespace Qt::StringLiterals;

class TestBoundedReads : public QObject {
    Q_OBJECT

private:
    testsupport::ScriptServer m_server{QStringLiteral(QUINTEL_CARDDAV_TESTS "/hostileserver.py"), {}};
    QUrl m_base;

    QUrl at(const char* path) const { return m_base.resolved(QUrl(QString::fromLatin1(path))); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        m_base = m_server.url();
    }

    // Too large, too slow, or large but allowed: what each answer gives.
    void replies_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("error"); // a DavError kind, -1: none
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("deadline"); // ms; generous but for the server that never ends
        QTest::newRow("endless answer") << u"endless/"_s << qint64(2 * 1024 * 1024) << int(DavError::Protocol)
                                        << qint64(0) << 60000;
        QTest::newRow("declared 10 GB") << u"declared/"_s << kMaxListingReply << int(DavError::Protocol) << qint64(0)
                                        << 60000;
        QTest::newRow("drips for ever") << u"drip/"_s << kMaxSmallReply << int(DavError::Network) << qint64(0) << 1500;
        QTest::newRow("large answer within its cap")
            << u"large/20/"_s << qint64(64 * 1024 * 1024) << -1 << qint64(20 * 1024 * 1024) << 60000;
        QTest::newRow("large answer over its cap")
            << u"large/20/"_s << qint64(8 * 1024 * 1024) << int(DavError::Protocol) << qint64(0) << 60000;
    }
    void replies()
    {
        QFETCH(QString, path);
        QFETCH(qint64, maxBytes);
        QFETCH(int, error);
        QFETCH(qint64, size);
        QFETCH(int, deadline);
        DavHttp http({}, {m_base});
        http.setTimeout(60000, 60000);
        http.setDeadline(deadline, deadline);
        try {
            const DavReply reply = http.send("REPORT", m_base.resolved(QUrl(path)), "<x/>", "1", maxBytes);
            QCOMPARE(error, -1);
            QCOMPARE(reply.body.size(), size);
            QVERIFY(reply.body.endsWith("--></d:multistatus>"));
            QCOMPARE(bool(reply.spool), size > kSpoolThreshold); // a large answer is not held in memory
        } catch (const DavError& e) {
            QVERIFY2(error == int(e.kind()), qPrintable(e.message()));
        }
    }

    // No copy yet and a server that never finishes: the store opens with empty lists and a note.
    void firstStartWithoutAnswer()
    {
        QTemporaryDir cache;
        CardDavStore store({at("drip/").toString(), QString(), u"/drip/"_s}, cache.path());
        store.setFirstWait(std::chrono::milliseconds(300), std::chrono::milliseconds(60000));
        store.open();
        QCOMPARE(store.items()->Count(), 0);
        QVERIFY2(store.statusNote().contains(u"not answered yet"_s), qPrintable(store.statusNote()));
    }
};

QTEST_GUILESS_MAIN(TestBoundedReads)
#include "test_boundedreads.moc"
