// The queue of changes that wait for a CardDAV server: one change per card holding its latest state
// and the ETag the server last gave; kept on disk for its owner only, any bytes kept as they are; a
// file that cannot be read as a queue is moved aside, never written over.

#include "contactclient/carddav/pendingchanges.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace contactclient::carddav;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<PendingChange>)

namespace {

PendingChange change(PendingChange::Kind kind, const QString& href, const QString& etag, const QByteArray& card)
{
    return {kind, href, etag, card, u"Ann"_s};
}

const QString kAnn = u"/book/ann.vcf"_s;
const QString kBob = u"/book/bob.vcf"_s;

} // namespace

class TestPendingChanges : public QObject {
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void keptOnDisk_data();
    void keptOnDisk();
    void damagedQueueIsKeptAside();
};

void TestPendingChanges::merge_data()
{
    QTest::addColumn<QList<PendingChange>>("queue");
    QTest::addColumn<PendingChange>("added");
    QTest::addColumn<QList<PendingChange>>("expected");

    const PendingChange edit1 = change(PendingChange::Change, kAnn, u"\"e1\""_s, "v1");
    const PendingChange edit2 = change(PendingChange::Change, kAnn, u"\"e9\""_s, "v2");
    const PendingChange add = change(PendingChange::Add, kAnn, {}, "new");
    const PendingChange removal = change(PendingChange::Remove, kAnn, u"\"e1\""_s, {});
    const PendingChange bob = change(PendingChange::Change, kBob, u"\"b\""_s, "bob");

    QTest::newRow("first change") << QList<PendingChange>{} << edit1 << QList<PendingChange>{edit1};
    QTest::newRow("another card goes behind") << QList<PendingChange>{bob} << edit1 << QList<PendingChange>{bob, edit1};
    QTest::newRow("a second change keeps the first ETag")
        << QList<PendingChange>{edit1} << edit2
        << QList<PendingChange>{change(PendingChange::Change, kAnn, u"\"e1\""_s, "v2")};
    QTest::newRow("a change of a new card stays an addition")
        << QList<PendingChange>{add} << edit2 << QList<PendingChange>{change(PendingChange::Add, kAnn, {}, "v2")};
    QTest::newRow("removing a new card drops it")
        << QList<PendingChange>{bob, add} << removal << QList<PendingChange>{bob};
    QTest::newRow("removing a changed card removes it with the first ETag")
        << QList<PendingChange>{edit1, bob} << change(PendingChange::Remove, kAnn, u"\"x\""_s, {})
        << QList<PendingChange>{change(PendingChange::Remove, kAnn, u"\"e1\""_s, {}), bob};
    QTest::newRow("put back before the removal went")
        << QList<PendingChange>{removal} << edit2
        << QList<PendingChange>{change(PendingChange::Change, kAnn, u"\"e1\""_s, "v2")};
}

void TestPendingChanges::merge()
{
    QFETCH(QList<PendingChange>, queue);
    QFETCH(PendingChange, added);
    QFETCH(QList<PendingChange>, expected);
    mergePending(queue, added);
    QCOMPARE(queue.size(), expected.size());
    for (qsizetype i = 0; i < queue.size(); ++i) {
        QCOMPARE(int(queue[i].kind), int(expected[i].kind));
        QCOMPARE(queue[i].href, expected[i].href);
        QCOMPARE(queue[i].etag, expected[i].etag);
        QCOMPARE(queue[i].card, expected[i].card);
    }
}

void TestPendingChanges::keptOnDisk_data()
{
    QTest::addColumn<QByteArray>("card");
    QTest::newRow("UTF-8") << QByteArray("BEGIN:VCARD\r\nFN:Zoë\r\nEND:VCARD\r\n");
    QTest::newRow("Latin-1 bytes") << QByteArray("BEGIN:VCARD\r\nFN:Zo\xEB\r\nEND:VCARD\r\n");
    QTest::newRow("NUL and CR alone") << QByteArray("BEGIN:VCARD\rNOTE:a\0b\nEND:VCARD", 30);
}

void TestPendingChanges::keptOnDisk()
{
    QFETCH(QByteArray, card);
    QTemporaryDir dir;
    const PendingChanges pending(dir.path());
    const QList<PendingChange> queue{change(PendingChange::Add, kAnn, {}, card),
                                     change(PendingChange::Remove, kBob, u"\"b\""_s, {})};
    pending.save(queue);
    const QFileInfo file(dir.filePath(PendingChanges::kFile));
    QCOMPARE(int(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther)),
             0);
    QCOMPARE(PendingChanges::count(dir.path()), 2);
    const QList<PendingChange> read = pending.load();
    QCOMPARE(read.size(), 2);
    QCOMPARE(read[0].card, card);
    QCOMPARE(read[1].etag, u"\"b\""_s);
    QCOMPARE(int(read[1].kind), int(PendingChange::Remove));

    pending.save({});
    QVERIFY(!QFileInfo::exists(dir.filePath(PendingChanges::kFile)));
    QCOMPARE(PendingChanges::count(dir.path()), 0);
}

void TestPendingChanges::damagedQueueIsKeptAside()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(PendingChanges::kFile));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"changes\": [{\"kind\": \"change\", \"href\": \"/b/a.vcf\", \"card\": \"BEGIN:VC");
    file.close();
    QVERIFY(PendingChanges(dir.path()).load().isEmpty());
    QVERIFY(!QFileInfo::exists(dir.filePath(PendingChanges::kFile)));
    QFile kept(dir.filePath(PendingChanges::kDamagedFile));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().contains("/b/a.vcf"));
}

QTEST_GUILESS_MAIN(TestPendingChanges)
#include "test_pendingchanges.moc"
