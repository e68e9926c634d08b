// quintel-contacts: the listing, --json, --filter and the exit status; --set, --add and --delete.

#include "testfiles.h"
#include "toolrun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using testsupport::write;

using Run = testsupport::ToolRun;

Run run(const QStringList& args)
{
    const QString home = QDir::tempPath() + u"/quintel-contacts-test-home"_s;
    return testsupport::runTool(
        testsupport::quintelContacts(), args,
        testsupport::environmentWith({{"HOME", home}, {"XDG_CONFIG_HOME", home + u"/.config"_s}}));
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
        QVERIFY(r.out.contains(u"ContactItem\tdesktop-book-30.vcf\n  FileAs: Sam (plumber)\n"_s));
        QVERIFY(r.out.contains(u"DistListItem\tserver-40.vcf#2"_s));
    }

    void testJsonAndFilter()
    {
        const Run r = run(
            {u"--json"_s, u"--filter"_s, u"[Categories] = \"work\""_s, QStringLiteral(QUINTEL_TEST_DATA "/corpus")});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        const QJsonObject o = QJsonDocument::fromJson(lines[0].toUtf8()).object();
        QCOMPARE(o.value(u"EntryID"_s).toString(), u"webmail-30.vcf#2"_s);
        QCOMPARE(o.value(u"FileAs"_s).toString(), u"D\u00EDaz, Rosa"_s);
        QCOMPARE(o.value(u"Business2TelephoneNumber"_s).toString(), u"+52 55 5555 0124"_s);
        QCOMPARE(o.value(u"TypeName"_s).toString(), u"ContactItem"_s);
    }

    void testSearch_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("found"); // "entry id=matched value" per contact, in order
        QTest::newRow("accent-free name") << u"mu"_s << u"m.vcf="_s;
        QTest::newRow("e-mail domain, alphabetical") << u"acme"_s << u"a.vcf=ann@acme.de m.vcf=j.mueller@acme.de"_s;
        QTest::newRow("national digits of an international number") << u"0171 234"_s << u"m.vcf=+49 171 2345678"_s;
        QTest::newRow("two words in any order") << u"acme ann"_s << u"a.vcf=ann@acme.de"_s;
        QTest::newRow("nothing found is no failure") << u"zzz"_s << QString();
    }
    void testSearch()
    {
        QFETCH(QString, words);
        QFETCH(QString, found);
        QTemporaryDir dir;
        write(dir.filePath(u"m.vcf"_s), "BEGIN:VCARD\nVERSION:3.0\nFN:J\xC3\xBCrgen M\xC3\xBCller\n"
                                        "N:M\xC3\xBCller;J\xC3\xBCrgen;;;\nEMAIL:j.mueller@acme.de\n"
                                        "TEL;TYPE=cell:+49 171 2345678\nEND:VCARD\n");
        write(dir.filePath(u"a.vcf"_s),
              "BEGIN:VCARD\nVERSION:3.0\nFN:Ann Adams\nN:Adams;Ann;;;\nEMAIL:ann@acme.de\nEND:VCARD\n");
        const Run r = run({u"--json"_s, u"--search"_s, words, dir.path()});
        QCOMPARE(r.status, 0);
        QStringList got;
        for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            got << o.value(u"EntryID"_s).toString() + QLatin1Char('=') +
                       o.value(u"Matched"_s).toObject().value(u"value"_s).toString();
        }
        QCOMPARE(got.join(QLatin1Char(' ')), found);
    }

    void testExitStatus()
    {
        QTemporaryDir dir;
        write(dir.filePath(u"good.vcf"_s), "BEGIN:VCARD\nFN:Good\nEND:VCARD\n");
        write(dir.filePath(u"broken.vcf"_s), "no card here");
        const Run skipped = run({dir.path()});
        QCOMPARE(skipped.status, 1);
        QVERIFY(skipped.out.contains(u"good.vcf"_s));
        QVERIFY(skipped.err.contains(u"broken.vcf: no vCard in the file"_s));

        const Run bad = run({dir.filePath(u"good.vcf"_s)});
        QCOMPARE(bad.status, 2);
        QVERIFY(bad.err.contains(u"is not a folder"_s));

        const Run badFilter = run({u"--filter"_s, u"[FullName] = 'x'"_s, dir.path()});
        QCOMPARE(badFilter.status, 2);
        QVERIFY(badFilter.err.contains(u"[FullName] = 'x'"_s));
    }

    // --set, --add and --delete write, then the listing shows what was written.
    void writes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("listed"); // in the listing afterwards
        QTest::addColumn<QString>("gone");   // no longer in the listing
        QTest::newRow("set the mobile number")
            << QStringList{u"--set"_s, u"ann.vcf"_s, u"--value"_s, u"MobileTelephoneNumber=+49 151 0000"_s}
            << u"MobileTelephoneNumber: +49 151 0000"_s << QString();
        QTest::newRow("set two properties") << QStringList{u"--set"_s,   u"two.vcf#2"_s,
                                                           u"--value"_s, u"FullName=Bea Stone"_s,
                                                           u"--value"_s, u"Email1Address=bea@example.org"_s}
                                            << u"Email1Address: bea@example.org"_s << u"FullName: Bea\n"_s;
        QTest::newRow("add") << QStringList{u"--add"_s, u"--value"_s, u"FullName=Cy New"_s, u"--value"_s,
                                            u"HomeAddress=1 High St;Leeds;;LS1 1AA;UK"_s}
                             << u"FullName: Cy New"_s << QString();
        QTest::newRow("delete") << QStringList{u"--delete"_s, u"ann.vcf"_s} << QString() << u"Ann Lee"_s;
    }
    void writes()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, listed);
        QFETCH(QString, gone);
        QTemporaryDir dir;
        write(dir.filePath(u"ann.vcf"_s),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nX-KEEP;A=b:kept\r\nEND:VCARD\r\n");
        write(dir.filePath(u"two.vcf"_s), "BEGIN:VCARD\nVERSION:4.0\nFN:Al\nEND:VCARD\n"
                                          "BEGIN:VCARD\nVERSION:4.0\nFN:Bea\nEND:VCARD\n");
        const Run r = run(args + QStringList{dir.path()});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const Run list = run({dir.path()});
        QCOMPARE(list.status, 0);
        if (!listed.isEmpty())
            QVERIFY2(list.out.contains(listed), qPrintable(list.out));
        if (!gone.isEmpty())
            QVERIFY2(!list.out.contains(gone), qPrintable(list.out));
        QFile ann(dir.filePath(u"ann.vcf"_s));
        if (ann.open(QIODevice::ReadOnly))
            QVERIFY(ann.readAll().contains("X-KEEP;A=b:kept\r\n"));
    }

    // Nothing is written, exit status 2 and a message that says why.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown property")
            << QStringList{u"--set"_s, u"ann.vcf"_s, u"--value"_s, u"Shoe=42"_s} << u"unknown property \"Shoe\""_s;
        QTest::newRow("unknown entry ID") << QStringList{u"--set"_s, u"nobody.vcf"_s, u"--value"_s, u"FullName=X"_s}
                                          << u"no contact has the entry ID \"nobody.vcf\""_s;
        QTest::newRow("delete unknown") << QStringList{u"--delete"_s, u"ann.vcf#7"_s}
                                        << u"no contact has the entry ID"_s;
        QTest::newRow("a file Quintel does not write")
            << QStringList{u"--set"_s, u"wide.vcf"_s, u"--value"_s, u"FullName=X"_s} << u"UTF-16"_s;
        QTest::newRow("bad e-mail") << QStringList{u"--set"_s, u"ann.vcf"_s, u"--value"_s, u"Email1Address=ann"_s}
                                    << u"“@”"_s;
        QTest::newRow("bad birthday") << QStringList{u"--set"_s, u"ann.vcf"_s, u"--value"_s, u"Birthday=soon"_s}
                                      << u"birthday"_s;
        QTest::newRow("value without a verb")
            << QStringList{u"--value"_s, u"FullName=X"_s} << u"--value goes with --set or --add"_s;
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QByteArray ann = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n";
        write(dir.filePath(u"ann.vcf"_s), ann);
        const QString wide = u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Wide\r\nEND:VCARD\r\n"_s;
        write(dir.filePath(u"wide.vcf"_s),
              QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(wide.utf16()), wide.size() * 2));
        const Run r = run(args + QStringList{dir.path()});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QFile f(dir.filePath(u"ann.vcf"_s));
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
        write(dir.filePath(u"many.vcf"_s), many);
        QByteArray props = "BEGIN:VCARD\nFN:Props\n";
        for (int i = 0; i <= 10000; ++i)
            props += "NOTE:n" + QByteArray::number(i) + "\n";
        write(dir.filePath(u"props.vcf"_s), props + "END:VCARD\nBEGIN:VCARD\nFN:Other\nEND:VCARD\n");
        const Run r = run({dir.path()});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(u"more than 200000 cards in one file; the other 1 are not read"_s), qPrintable(r.err));
        QVERIFY2(r.err.contains(u"props.vcf (card 1): more than 10000 properties"_s), qPrintable(r.err));
        QVERIFY(!r.err.contains(u"skipped props.vcf#"_s)); // nothing listed failed to open
        QCOMPARE(r.out.count(u"ContactItem\t"_s), 200001); // 200,000 of many.vcf and "Other"
        QVERIFY(!r.out.contains(u"FullName: Props"_s));
    }

    void testArgumentsNotUnderstood_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // on stderr, or on stdout for status 0

        const QString corpus = QStringLiteral(QUINTEL_TEST_DATA "/corpus");
        QTest::newRow("unknown option") << QStringList{u"--no-such-option"_s, corpus} << 2 << u"no-such-option"_s;
        QTest::newRow("unknown short option") << QStringList{u"-z"_s, corpus} << 2 << u"'z'"_s;
        QTest::newRow("option without its value") << QStringList{corpus, u"--filter"_s} << 2 << u"filter"_s;
        QTest::newRow("two folders") << QStringList{corpus, corpus} << 2 << u"one folder"_s;
        QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"Exit status"_s;
        QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"quintel-contacts"_s;
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
