// quintel-contacts: the listing, --json, --filter and the exit status; --set, --add and --delete.

#include "testfiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using testsupport::write;

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), QDir::tempPath() + QStringLiteral("/quintel-contacts-test-home"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               QDir::tempPath() + QStringLiteral("/quintel-contacts-test-home/.config"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("QUINTEL_CONTACTS_BIN"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestQuintelContacts : public QObject {
    Q_OBJECT

private slots:
    void testListing()
    {
        const Run r = run({QStringLiteral(QUINTEL_TEST_DATA "/corpus")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        QVERIFY(r.out.contains(QStringLiteral("ContactItem\tdesktop-book-30.vcf\n  FileAs: Sam (plumber)\n")));
        QVERIFY(r.out.contains(QStringLiteral("DistListItem\tserver-40.vcf#2")));
    }

    void testJsonAndFilter()
    {
        const Run r = run({QStringLiteral("--json"), QStringLiteral("--filter"),
                           QStringLiteral("[Categories] = \"work\""), QStringLiteral(QUINTEL_TEST_DATA "/corpus")});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        const QJsonObject o = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("EntryID")).toString(), QStringLiteral("webmail-30.vcf#2"));
        QCOMPARE(o.value(QStringLiteral("FileAs")).toString(), QStringLiteral("D\u00EDaz, Rosa"));
        QCOMPARE(o.value(QStringLiteral("Business2TelephoneNumber")).toString(), QStringLiteral("+52 55 5555 0124"));
        QCOMPARE(o.value(QStringLiteral("TypeName")).toString(), QStringLiteral("ContactItem"));
    }

    void testSearch_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("found"); // "entry id=matched value" per contact, in order
        QTest::newRow("accent-free name") << QStringLiteral("mu") << QStringLiteral("m.vcf=");
        QTest::newRow("e-mail domain, alphabetical")
            << QStringLiteral("acme") << QStringLiteral("a.vcf=ann@acme.de m.vcf=j.mueller@acme.de");
        QTest::newRow("national digits of an international number")
            << QStringLiteral("0171 234") << QStringLiteral("m.vcf=+49 171 2345678");
        QTest::newRow("two words in any order") << QStringLiteral("acme ann") << QStringLiteral("a.vcf=ann@acme.de");
        QTest::newRow("nothing found is no failure") << QStringLiteral("zzz") << QString();
    }
    void testSearch()
    {
        QFETCH(QString, words);
        QFETCH(QString, found);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("m.vcf")), "BEGIN:VCARD\nVERSION:3.0\nFN:J\xC3\xBCrgen M\xC3\xBCller\n"
                                                     "N:M\xC3\xBCller;J\xC3\xBCrgen;;;\nEMAIL:j.mueller@acme.de\n"
                                                     "TEL;TYPE=cell:+49 171 2345678\nEND:VCARD\n");
        write(dir.filePath(QStringLiteral("a.vcf")),
              "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Adams\nN:Adams;Ann;;;\nEMAIL:ann@acme.de\nEND:VCARD\n");
        const Run r = run({QStringLiteral("--json"), QStringLiteral("--search"), words, dir.path()});
        QCOMPARE(r.status, 0);
        QStringList got;
        for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            got << o.value(QStringLiteral("EntryID")).toString() + QLatin1Char('=') +
                       o.value(QStringLiteral("Matched")).toObject().value(QStringLiteral("value")).toString();
        }
        QCOMPARE(got.join(QLatin1Char(' ')), found);
    }

    void testExitStatus()
    {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("good.vcf")), "BEGIN:VCARD\nFN:Good\nEND:VCARD\n");
        write(dir.filePath(QStringLiteral("broken.vcf")), "no card here");
        const Run skipped = run({dir.path()});
        QCOMPARE(skipped.status, 1);
        QVERIFY(skipped.out.contains(QStringLiteral("good.vcf")));
        QVERIFY(skipped.err.contains(QStringLiteral("broken.vcf: no vCard in the file")));

        const Run bad = run({dir.filePath(QStringLiteral("good.vcf"))});
        QCOMPARE(bad.status, 2);
        QVERIFY(bad.err.contains(QStringLiteral("is not a folder")));

        const Run badFilter = run({QStringLiteral("--filter"), QStringLiteral("[FullName] = 'x'"), dir.path()});
        QCOMPARE(badFilter.status, 2);
        QVERIFY(badFilter.err.contains(QStringLiteral("[FullName] = 'x'")));
    }

    // --set, --add and --delete write, then the listing shows what was written.
    void writes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("listed"); // in the listing afterwards
        QTest::addColumn<QString>("gone");   // no longer in the listing
        QTest::newRow("set the mobile number")
            << QStringList{QStringLiteral("--set"), QStringLiteral("ann.vcf"), QStringLiteral("--value"),
                           QStringLiteral("MobileTelephoneNumber=+49 151 0000")}
            << QStringLiteral("MobileTelephoneNumber: +49 151 0000") << QString();
        QTest::newRow("set two properties")
            << QStringList{QStringLiteral("--set"),   QStringLiteral("two.vcf#2"),
                           QStringLiteral("--value"), QStringLiteral("FullName=Bea Stone"),
                           QStringLiteral("--value"), QStringLiteral("Email1Address=bea@example.org")}
            << QStringLiteral("Email1Address: bea@example.org") << QStringLiteral("FullName: Bea\n");
        QTest::newRow("add") << QStringList{QStringLiteral("--add"), QStringLiteral("--value"),
                                            QStringLiteral("FullName=Cy New"), QStringLiteral("--value"),
                                            QStringLiteral("HomeAddress=1 High St;Leeds;;LS1 1AA;UK")}
                             << QStringLiteral("FullName: Cy New") << QString();
        QTest::newRow("delete") << QStringList{QStringLiteral("--delete"), QStringLiteral("ann.vcf")} << QString()
                                << QStringLiteral("Ann Lee");
    }
    void writes()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, listed);
        QFETCH(QString, gone);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("ann.vcf")),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nX-KEEP;A=b:kept\r\nEND:VCARD\r\n");
        write(dir.filePath(QStringLiteral("two.vcf")), "BEGIN:VCARD\nVERSION:4.0\nFN:Al\nEND:VCARD\n"
                                                       "BEGIN:VCARD\nVERSION:4.0\nFN:Bea\nEND:VCARD\n");
        const Run r = run(args + QStringList{dir.path()});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const Run list = run({dir.path()});
        QCOMPARE(list.status, 0);
        if (!listed.isEmpty())
            QVERIFY2(list.out.contains(listed), qPrintable(list.out));
        if (!gone.isEmpty())
            QVERIFY2(!list.out.contains(gone), qPrintable(list.out));
        QFile ann(dir.filePath(QStringLiteral("ann.vcf")));
        if (ann.open(QIODevice::ReadOnly))
            QVERIFY(ann.readAll().contains("X-KEEP;A=b:kept\r\n"));
    }

    // Nothing is written, exit status 2 and a message that says why.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown property") << QStringList{QStringLiteral("--set"), QStringLiteral("ann.vcf"),
                                                         QStringLiteral("--value"), QStringLiteral("Shoe=42")}
                                          << QStringLiteral("unknown property \"Shoe\"");
        QTest::newRow("unknown entry ID") << QStringList{QStringLiteral("--set"), QStringLiteral("nobody.vcf"),
                                                         QStringLiteral("--value"), QStringLiteral("FullName=X")}
                                          << QStringLiteral("no contact has the entry ID \"nobody.vcf\"");
        QTest::newRow("delete unknown") << QStringList{QStringLiteral("--delete"), QStringLiteral("ann.vcf#7")}
                                        << QStringLiteral("no contact has the entry ID");
        QTest::newRow("a file Quintel does not write")
            << QStringList{QStringLiteral("--set"), QStringLiteral("wide.vcf"), QStringLiteral("--value"),
                           QStringLiteral("FullName=X")}
            << QStringLiteral("UTF-16");
        QTest::newRow("bad e-mail") << QStringList{QStringLiteral("--set"), QStringLiteral("ann.vcf"),
                                                   QStringLiteral("--value"), QStringLiteral("Email1Address=ann")}
                                    << QStringLiteral("“@”");
        QTest::newRow("bad birthday") << QStringList{QStringLiteral("--set"), QStringLiteral("ann.vcf"),
                                                     QStringLiteral("--value"), QStringLiteral("Birthday=soon")}
                                      << QStringLiteral("birthday");
        QTest::newRow("value without a verb") << QStringList{QStringLiteral("--value"), QStringLiteral("FullName=X")}
                                              << QStringLiteral("--value goes with --set or --add");
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QByteArray ann = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n";
        write(dir.filePath(QStringLiteral("ann.vcf")), ann);
        const QString wide = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Wide\r\nEND:VCARD\r\n");
        write(dir.filePath(QStringLiteral("wide.vcf")),
              QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(wide.utf16()), wide.size() * 2));
        const Run r = run(args + QStringList{dir.path()});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QFile f(dir.filePath(QStringLiteral("ann.vcf")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), ann);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // A limit is named where it bites, and what is listed opens.
    void testLimitsNamed()
    {
        QTemporaryDir dir;
        QByteArray many;
        for (int i = 0; i <= 200000; ++i)
            many += "BEGIN:VCARD\nFN:c" + QByteArray::number(i) + "\nEND:VCARD\n";
        write(dir.filePath(QStringLiteral("many.vcf")), many);
        QByteArray props = "BEGIN:VCARD\nFN:Props\n";
        for (int i = 0; i <= 10000; ++i)
            props += "NOTE:n" + QByteArray::number(i) + "\n";
        write(dir.filePath(QStringLiteral("props.vcf")), props + "END:VCARD\nBEGIN:VCARD\nFN:Other\nEND:VCARD\n");
        const Run r = run({dir.path()});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral("more than 200000 cards in one file; the other 1 are not read")),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("props.vcf (card 1): more than 10000 properties")), qPrintable(r.err));
        QVERIFY(!r.err.contains(QStringLiteral("skipped props.vcf#"))); // nothing listed failed to open
        QCOMPARE(r.out.count(QStringLiteral("ContactItem\t")), 200001); // 200,000 of many.vcf and "Other"
        QVERIFY(!r.out.contains(QStringLiteral("FullName: Props")));
    }

    void testArgumentsNotUnderstood_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // on stderr, or on stdout for status 0

        const QString corpus = QStringLiteral(QUINTEL_TEST_DATA "/corpus");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--no-such-option"), corpus} << 2
                                        << QStringLiteral("no-such-option");
        QTest::newRow("unknown short option")
            << QStringList{QStringLiteral("-z"), corpus} << 2 << QStringLiteral("'z'");
        QTest::newRow("option without its value")
            << QStringList{corpus, QStringLiteral("--filter")} << 2 << QStringLiteral("filter");
        QTest::newRow("two folders") << QStringList{corpus, corpus} << 2 << QStringLiteral("one folder");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QStringLiteral("Exit status");
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0 << QStringLiteral("quintel-contacts");
    }

    void testArgumentsNotUnderstood()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, said);
        const Run r = run(args);
        QCOMPARE(r.status, status);
        if (status == 0) {
            QVERIFY2(r.out.contains(said), qPrintable(r.out));
        } else {
            QVERIFY2(r.err.contains(said), qPrintable(r.err));
            QVERIFY2(r.out.isEmpty(), "nothing is listed");
        }
    }
};

QTEST_GUILESS_MAIN(TestQuintelContacts)
#include "test_quintelcontacts.moc"
