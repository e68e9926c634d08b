// What the bar keeps about the contacts the user acts on: scores that add up and fade, the most
// recent first, kept across runs in a private file, cleared with the file.

#include "compacttexts.h"
#include "contacts/contactuse.h"
#include "textlists.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr qint64 kDay = 86400;
constexpr qint64 kStart = 1'700'000'000;

struct Use {
    const char* entryId;
    qint64 day;
};

} // namespace

Q_DECLARE_METATYPE(QList<Use>)

class TestContactUse : public QObject {
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<QList<Use>>("uses");
        QTest::addColumn<qint64>("today");
        QTest::addColumn<QStringList>("byScore");
        QTest::addColumn<QStringList>("recent");
        QTest::newRow("more uses first") << QList<Use>{{"a", 0}, {"b", 0}, {"b", 0}} << qint64(0) << sl({"b", "a"})
                                         << sl({"a", "b"});
        QTest::newRow("old uses fade: three a year ago below one last week")
            << QList<Use>{{"a", 0}, {"a", 0}, {"a", 0}, {"b", 358}} << qint64(365) << sl({"b", "a"}) << sl({"b", "a"});
        QTest::newRow("recent: the last use counts")
            << QList<Use>{{"a", 1}, {"b", 2}, {"a", 3}} << qint64(3) << sl({"a", "b"}) << sl({"a", "b"});
        QTest::newRow("nothing used") << QList<Use>{} << qint64(0) << QStringList{} << QStringList{};
    }
    void order()
    {
        QFETCH(QList<Use>, uses);
        QFETCH(qint64, today);
        QFETCH(QStringList, byScore);
        QFETCH(QStringList, recent);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("state/Quintel/contact-use"));
        {
            ContactUse use(file);
            for (const Use& u : uses)
                use.record(QString::fromLatin1(u.entryId), kStart + u.day * kDay);
        }
        // A new run reads what the last one kept.
        const ContactUse use(file);
        QStringList ids = sl({"a", "b"});
        ids.erase(std::remove_if(ids.begin(), ids.end(),
                                 [&](const QString& id) { return use.score(id, kStart + today * kDay) == 0; }),
                  ids.end());
        std::sort(ids.begin(), ids.end(), [&](const QString& x, const QString& y) {
            return use.score(x, kStart + today * kDay) > use.score(y, kStart + today * kDay);
        });
        QCOMPARE(ids, byScore);
        QCOMPARE(use.recent(10), recent);
        if (!uses.isEmpty())
            QCOMPARE(QFile::permissions(file) & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
    }

    void scoresFollowTheLists()
    {
        ContactUse use;
        use.record(QStringLiteral("b.vcf"), kStart);
        CompactTexts ids;
        for (const char* id : {"a.vcf", "b.vcf", "c.vcf"})
            ids.append(QString::fromLatin1(id));
        const std::vector<float> scores = use.scores(ids, kStart);
        QCOMPARE(scores.size(), size_t(3));
        QCOMPARE(scores[0], 0.0f);
        QCOMPARE(scores[1], 1.0f);
        QCOMPARE(scores[2], 0.0f);
    }

    void clearRemovesTheFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("contact-use"));
        ContactUse use(file);
        use.record(QStringLiteral("a"), kStart);
        QVERIFY(QFile::exists(file));
        QVERIFY(use.clear());
        QVERIFY(!QFile::exists(file));
        QVERIFY(use.isEmpty());
        QVERIFY(ContactUse(file).isEmpty());
    }

    void damagedLinesAreLeftOut()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("contact-use"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("2\t1700000000\tgood.vcf\nnot a line\nnan\t1\tbad.vcf\n-1\t1\tneg.vcf\n\t\t\n");
        f.close();
        const ContactUse use(file);
        QCOMPARE(use.recent(10), sl({"good.vcf"}));
    }

    void standardFileIsInTheStateFolder()
    {
        qputenv("XDG_STATE_HOME", "/tmp/state-here");
        QCOMPARE(ContactUse::standardFile(), QStringLiteral("/tmp/state-here/Quintel/contact-use"));
        qunsetenv("XDG_STATE_HOME");
        QVERIFY(ContactUse::standardFile().endsWith(QStringLiteral("/.local/state/Quintel/contact-use")));
    }
};

QTEST_GUILESS_MAIN(TestContactUse)
#include "test_contactuse.moc"
