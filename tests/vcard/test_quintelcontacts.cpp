// quintel-contacts: the listing, --json, --filter and the exit status.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

void write(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
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
};

QTEST_GUILESS_MAIN(TestQuintelContacts)
#include "test_quintelcontacts.moc"
