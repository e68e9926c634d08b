// The benchmark's handling of a folder's age: when its cards last changed (the change time counts,
// not only the modification time), how long to wait until a start can trust its summary with
// them, touching every card to now, and the copy the just-written start is measured on. Then the
// table's start-up lines, which older figures files lack.

#include "folderage.h"
#include "report.h"
#include "testfiles.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

using namespace bench;

namespace {

using testsupport::readFile;
using testsupport::write;

constexpr qint64 kSecond = 1'000'000'000LL;

qint64 nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return qint64(t.tv_sec) * kSecond + t.tv_nsec;
}

// Sets the file's modification time to the start of 2001 (its change time becomes now).
bool setBack(const QString& path)
{
    const timespec times[2] = {{978307200, 0}, {978307200, 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

qint64 mtimeNs(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_mtim.tv_sec) * kSecond + st.st_mtim.tv_nsec;
}

} // namespace

class TestBenchFolders : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;

    // A folder of three cards, a hidden card, a text file and the generator's manifest, every
    // modification time set back.
    QString makeFolder(const QString& name)
    {
        const QString folder = m_tmp.filePath(name);
        for (const char* file : {"a.vcf", "b.VCF", "c.vcf", ".hidden.vcf", "README.txt", ".generated.json"}) {
            const QString path = folder + QLatin1Char('/') + QLatin1String(file);
            write(path, QByteArray("BEGIN:VCARD\r\nFN:") + file + "\r\nEND:VCARD\r\n");
            if (!setBack(path))
                return {};
        }
        return folder;
    }

private slots:
    void initTestCase() { QVERIFY(m_tmp.isValid()); }

    void settleWait_data()
    {
        QTest::addColumn<qint64>("newestNs");
        QTest::addColumn<qint64>("nowNs");
        QTest::addColumn<qint64>("expectedMs");
        const qint64 now = 1'800'000'000 * kSecond;
        const qint64 margin = 3 * kSecond;
        QTest::newRow("no cards") << qint64(-1) << now << qint64(0);
        QTest::newRow("written an hour ago") << now - 3600 * kSecond << now << qint64(0);
        QTest::newRow("written just now: the margin and a millisecond") << now << now << qint64(3001);
        QTest::newRow("written a second ago") << now - kSecond << now << qint64(2001);
        QTest::newRow("exactly the margin ago is not yet settled") << now - margin << now << qint64(1);
        QTest::newRow("part of a millisecond rounds up") << now - margin + 1 << now << qint64(2);
        QTest::newRow("a card dated an hour ahead waits the longest only")
            << now + 3600 * kSecond << now << qint64(60000);
    }
    void settleWait()
    {
        QFETCH(qint64, newestNs);
        QFETCH(qint64, nowNs);
        QFETCH(qint64, expectedMs);
        QCOMPARE(settleWaitMs(newestNs, nowNs, 3 * kSecond, 60000), expectedMs);
    }

    void agesByChangeTime()
    {
        const qint64 before = nowNs();
        const QString folder = makeFolder(QStringLiteral("aged"));
        QVERIFY(!folder.isEmpty());
        // Modification times in 2001, but the cards were changed a moment ago.
        const FolderAge age = folderAge(folder);
        QCOMPARE(age.files, qint64(3));
        QVERIFY2(age.newestNs >= before - kSecond, "the change time was left out");
        QVERIFY(settleWaitMs(age.newestNs, nowNs(), 3 * kSecond, 60000) > 0);
    }

    void ageOfNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("create");
        QTest::newRow("empty folder") << QStringLiteral("empty") << true;
        QTest::newRow("no folder") << QStringLiteral("missing") << false;
    }
    void ageOfNothing()
    {
        QFETCH(QString, name);
        QFETCH(bool, create);
        const QString folder = m_tmp.filePath(name);
        if (create)
            QVERIFY(QDir().mkpath(folder));
        write(m_tmp.filePath(name + QStringLiteral("-other/x.vcf")), "BEGIN:VCARD\r\nEND:VCARD\r\n");
        const FolderAge age = folderAge(folder);
        QCOMPARE(age.files, qint64(0));
        QCOMPARE(age.newestNs, qint64(-1));
        QCOMPARE(touchAll(folder), create ? qint64(0) : qint64(-1));
    }

    void touchesTheCardsOnly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("touched");
        QTest::newRow("a card") << QStringLiteral("a.vcf") << true;
        QTest::newRow("upper-case extension") << QStringLiteral("b.VCF") << true;
        QTest::newRow("hidden card") << QStringLiteral(".hidden.vcf") << false;
        QTest::newRow("text file") << QStringLiteral("README.txt") << false;
        QTest::newRow("manifest") << QStringLiteral(".generated.json") << false;
    }
    void touchesTheCardsOnly()
    {
        QFETCH(QString, file);
        QFETCH(bool, touched);
        const QString folder = makeFolder(QStringLiteral("touch-") + QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(!folder.isEmpty());
        const qint64 before = nowNs();
        QCOMPARE(touchAll(folder), qint64(3));
        const qint64 mtime = mtimeNs(folder + QLatin1Char('/') + file);
        QCOMPARE(mtime >= before - kSecond, touched);
        QVERIFY(folderAge(folder).newestNs >= before - kSecond);
    }

    void copiesEveryFile()
    {
        const QString from = makeFolder(QStringLiteral("original"));
        QVERIFY(!from.isEmpty());
        QVERIFY(QDir().mkpath(from + QStringLiteral("/sub")));
        const QString to = m_tmp.filePath(QStringLiteral("copies/original"));
        QVERIFY(copyFolder(from, to));
        const QStringList names = QDir(to).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(names, QStringList({QStringLiteral(".generated.json"), QStringLiteral(".hidden.vcf"),
                                     QStringLiteral("README.txt"), QStringLiteral("a.vcf"), QStringLiteral("b.VCF"),
                                     QStringLiteral("c.vcf")}));
        for (const QString& n : names)
            QCOMPARE(readFile(to + QLatin1Char('/') + n), readFile(from + QLatin1Char('/') + n));
        // The copy is touched, the original is not.
        QCOMPARE(touchAll(to), qint64(3));
        QVERIFY(mtimeNs(from + QStringLiteral("/a.vcf")) < nowNs() - 3600 * kSecond);
        QVERIFY(!copyFolder(m_tmp.filePath(QStringLiteral("nowhere")), m_tmp.filePath(QStringLiteral("copies/x"))));
    }

    void startUpLines_data()
    {
        QTest::addColumn<QJsonObject>("size");
        QTest::addColumn<QStringList>("lines"); // expected lines of the table, label and figure

        const QJsonObject floor{{QStringLiteral("medianMs"), 10.0}};
        QTest::newRow("both starts")
            << QJsonObject{{QStringLiteral("contacts"), 1000},
                           {QStringLiteral("floor"), floor},
                           {QStringLiteral("startup"),
                            QJsonObject{{QStringLiteral("medianMs"), 20.0}, {QStringLiteral("cardsReadAgain"), 0}}},
                           {QStringLiteral("justWritten"), QJsonObject{{QStringLiteral("medianMs"), 45.0},
                                                                       {QStringLiteral("cardsReadAgain"), 1006},
                                                                       {QStringLiteral("startBeforeMedianMs"), 80.0}}}}
            << QStringList{QStringLiteral("start-up to a ready bar (folder unchanged), ms|20.0"),
                           QStringLiteral("  start-up / floor|2.00x"),
                           QStringLiteral("start-up just after the folder was written, ms|45.0"),
                           QStringLiteral("  / floor|4.50x"),
                           QStringLiteral("  cards read again|1006"),
                           QStringLiteral("  the start before it (writes the summary), ms|80.0")};
        QTest::newRow("figures from before the just-written start")
            << QJsonObject{{QStringLiteral("contacts"), 1000},
                           {QStringLiteral("floor"), floor},
                           {QStringLiteral("startup"), QJsonObject{{QStringLiteral("medianMs"), 30.0}}}}
            << QStringList{QStringLiteral("start-up to a ready bar (folder unchanged), ms|30.0"),
                           QStringLiteral("  cards read again|-"),
                           QStringLiteral("start-up just after the folder was written, ms|-"),
                           QStringLiteral("  / floor|-")};
    }
    void startUpLines()
    {
        QFETCH(QJsonObject, size);
        QFETCH(QStringList, lines);
        const QStringList table = formatTable(QJsonArray{size}, {}).split(QLatin1Char('\n'));
        for (const QString& expected : lines) {
            const QString label = expected.section(QLatin1Char('|'), 0, 0);
            const QString figure = expected.section(QLatin1Char('|'), 1);
            bool seen = false;
            for (const QString& line : table) {
                if (line.startsWith(label + QLatin1Char(' ')) && line.mid(label.size()).trimmed() == figure)
                    seen = true;
            }
            QVERIFY2(seen, qPrintable(expected + QStringLiteral(" not in\n") + table.join(QLatin1Char('\n'))));
        }
    }
};

QTEST_GUILESS_MAIN(TestBenchFolders)
#include "test_benchfolders.moc"
