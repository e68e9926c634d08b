// The peer row's parts: the sample of queries, khard's configuration and the cards it is given,
// the contacts each program's listing names (and how the two agree), and programs that hang.

#include "peerrow.h"

#include <QTest>

using namespace bench;

class TestBenchPeers : public QObject {
    Q_OBJECT

private slots:
    void samplesQueries_data()
    {
        QTest::addColumn<QStringList>("queries");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("sample");
        const QStringList ten{QStringLiteral("q0"), QStringLiteral("q1"), QStringLiteral("q2"), QStringLiteral("q3"),
                              QStringLiteral("q4"), QStringLiteral("q5"), QStringLiteral("q6"), QStringLiteral("q7"),
                              QStringLiteral("q8"), QStringLiteral("q9")};
        QTest::newRow("every other") << ten << 5
                                     << QStringList{QStringLiteral("q0"), QStringLiteral("q2"), QStringLiteral("q4"),
                                                    QStringLiteral("q6"), QStringLiteral("q8")};
        QTest::newRow("spread, not the first ones")
            << ten << 3 << QStringList{QStringLiteral("q0"), QStringLiteral("q3"), QStringLiteral("q6")};
        QTest::newRow("all of a short list") << ten.mid(0, 2) << 10 << ten.mid(0, 2);
        QTest::newRow("as many as there are") << ten << 10 << ten;
        QTest::newRow("none asked") << ten << 0 << QStringList();
    }
    void samplesQueries()
    {
        QFETCH(QStringList, queries);
        QFETCH(int, count);
        QFETCH(QStringList, sample);
        QCOMPARE(sampleQueries(queries, count), sample);
    }

    void configuresKhard_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("a trailing slash added") << QStringLiteral("/tmp/x/book") << QByteArray("path = /tmp/x/book/\n");
        QTest::newRow("one slash kept") << QStringLiteral("/tmp/x/book/") << QByteArray("path = /tmp/x/book/\n");
        QTest::newRow("a name beyond ASCII, in UTF-8")
            << QStringLiteral("/tmp/Bücher") << QByteArray("path = /tmp/Bücher/\n");
    }
    void configuresKhard()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, path);
        const QByteArray config = khardConfig(folder);
        QVERIFY2(config.contains(path), config.constData());
        QVERIFY(config.startsWith("[addressbooks]\n[[bench]]\n"));
        // No editor of the user's is started by accident.
        QVERIFY(config.contains("editor = /bin/false\n"));
    }

    void givesKhardWhatItReads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("reads");
        QTest::newRow("a card") << QByteArray("BEGIN:VCARD\r\nFN:Jürgen\r\nEND:VCARD\r\n") << true;
        QTest::newRow("not terminated: khard skips it") << QByteArray("BEGIN:VCARD\r\nFN:A\r\n") << true;
        QTest::newRow("binary") << QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10) << false;
        QTest::newRow("Latin-1") << QByteArray("BEGIN:VCARD\r\nFN:J\xfcrgen\r\nEND:VCARD\r\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void givesKhardWhatItReads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, reads);
        QCOMPARE(khardReads(bytes), reads);
    }

    void readsListings_data()
    {
        QTest::addColumn<QByteArray>("khard");
        QTest::addColumn<QByteArray>("quintel");
        QTest::addColumn<QStringList>("khardIds");
        QTest::addColumn<QStringList>("quintelIds");
        QTest::newRow("one contact both ways")
            << QByteArray("urn:uuid:00b1-aa\tAnn Lee\tbench\n")
            << QByteArray("{\"EntryID\":\"00b1-aa.vcf\",\"FullName\":\"Ann Lee\"}\n")
            << QStringList{QStringLiteral("00b1-aa")} << QStringList{QStringLiteral("00b1-aa")};
        QTest::newRow("a card of several, a plain uid")
            << QByteArray("c3\tEve\tbench\nd4\tBo\tbench\n")
            << QByteArray("{\"EntryID\":\"c3.vcf#2\"}\n{\"EntryID\":\"d4.VCF\"}\n")
            << QStringList{QStringLiteral("c3"), QStringLiteral("d4")}
            << QStringList{QStringLiteral("c3"), QStringLiteral("d4")};
        QTest::newRow("nothing found, messages and blank lines")
            << QByteArray("\n") << QByteArray("\nquintel-contacts: skipped x.vcf\n") << QStringList() << QStringList();
        QTest::newRow("a name with a hash is not cut") << QByteArray() << QByteArray("{\"EntryID\":\"a#b.vcf\"}\n")
                                                       << QStringList() << QStringList{QStringLiteral("a#b")};
    }
    void readsListings()
    {
        QFETCH(QByteArray, khard);
        QFETCH(QByteArray, quintel);
        QFETCH(QStringList, khardIds);
        QFETCH(QStringList, quintelIds);
        QCOMPARE(bench::khardIds(khard), khardIds);
        QCOMPARE(bench::quintelIds(quintel), quintelIds);
    }

    void comparesListings_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<int>("both");
        QTest::addColumn<int>("onlyFirst");
        QTest::addColumn<int>("onlySecond");
        const auto list = [](const char* ids) {
            return QString::fromLatin1(ids).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        QTest::newRow("the same in another order") << list("a b c") << list("c a b") << 3 << 0 << 0;
        QTest::newRow("substrings find more") << list("a b c d") << list("b d") << 2 << 2 << 0;
        QTest::newRow("folded accents find more") << list("a") << list("a x y") << 1 << 0 << 2;
        QTest::newRow("disjoint") << list("a b") << list("c") << 0 << 2 << 1;
        QTest::newRow("a contact twice counts once") << list("a a b") << list("b b") << 1 << 1 << 0;
        QTest::newRow("nothing on either side") << list("") << list("") << 0 << 0 << 0;
        QTest::newRow("after the other's end") << list("y z") << list("a b") << 0 << 2 << 2;
    }
    void comparesListings()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(int, both);
        QFETCH(int, onlyFirst);
        QFETCH(int, onlySecond);
        const Overlap o = overlap(first, second);
        QCOMPARE(o.both, both);
        QCOMPARE(o.onlyFirst, onlyFirst);
        QCOMPARE(o.onlySecond, onlySecond);
    }

    void runsPrograms_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("output and status")
            << QStringLiteral("/bin/sh")
            << QStringList{QStringLiteral("-c"), QStringLiteral("echo $XDG_CONFIG_HOME; exit 1")} << true << 1
            << QByteArray("/tmp/peer-config\n");
        QTest::newRow("a hung program is stopped")
            << QStringLiteral("/bin/sleep") << QStringList{QStringLiteral("30")} << false << 124 << QByteArray();
        QTest::newRow("one that ignores being asked is killed")
            << QStringLiteral("/bin/sh") << QStringList{QStringLiteral("-c"), QStringLiteral("trap '' TERM; sleep 30")}
            << false << -1 << QByteArray();
    }
    void runsPrograms()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(bool, finished);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/tmp/peer-config"));
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        const ProcessRun run = runProcess(program, args, env, 1);
        QCOMPARE(run.finished, finished);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
    }
};

QTEST_GUILESS_MAIN(TestBenchPeers)
#include "test_benchpeers.moc"
