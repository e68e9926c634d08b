// quintel-contacts: the listing, --json, --filter and the exit status.

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
