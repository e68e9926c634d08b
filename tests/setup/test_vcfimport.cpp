// "Import a .vcf file…": one file per card in the folder, written whole, nothing of the folder lost.

#include "setup/vcfimport.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testsupport::write;

QByteArray card(const QByteArray& name, const QByteArray& uid = {}, const QByteArray& eol = "\r\n")
{
    QByteArray c = "BEGIN:VCARD" + eol + "VERSION:3.0" + eol + "FN:" + name + eol;
    if (!uid.isEmpty())
        c += "UID:" + uid + eol;
    return c + "END:VCARD" + eol;
}

QStringList cardFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*")}, QDir::Files, QDir::Name);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestVcfImport : public QObject {
    Q_OBJECT

private slots:
    void split_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("cards");

        QTest::newRow("three, text around")
            << "junk\n" + card("A") + "\n" + card("B", "b", "\n") + card("C") + "tail" << 3;
        QTest::newRow("lower case, blanks") << QByteArray("begin:vcard\nFN:x\n  end:VCARD  \n") << 1;
        QTest::newRow("unfinished last card") << card("A") + "BEGIN:VCARD\r\nFN:B\r\n" << 1;
        QTest::newRow("nested agent card stays inside")
            << QByteArray("BEGIN:VCARD\nFN:Boss\nAGENT:\nBEGIN:VCARD\nFN:Assistant\nEND:VCARD\nEND:VCARD\n") << 1;
    }
    void split()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, cards);
        const QList<QByteArray> split = setup::splitCards(data);
        QCOMPARE(split.size(), cards);
        for (const QByteArray& c : split) {
            QVERIFY(c.toUpper().startsWith("BEGIN:VCARD"));
            QVERIFY(c.trimmed().toUpper().endsWith("END:VCARD"));
            QVERIFY(c.endsWith('\n'));
        }
    }

    void uid_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("uid");
        QTest::newRow("folded") << QByteArray("BEGIN:VCARD\r\nUID:abc\r\n -def\r\nEND:VCARD\r\n")
                                << QStringLiteral("abc-def");
        QTest::newRow("grouped, with parameter")
            << QByteArray("BEGIN:VCARD\nitem1.uid;VALUE=text:x9\nEND:VCARD\n") << QStringLiteral("x9");
        QTest::newRow("nested card's uid is not the card's")
            << QByteArray("BEGIN:VCARD\nAGENT:\nBEGIN:VCARD\nUID:inner\nEND:VCARD\nUID:outer\nEND:VCARD\n")
            << QStringLiteral("outer");
        QTest::newRow("a note mentioning UID: is not a uid")
            << QByteArray("BEGIN:VCARD\nNOTE:UID:no\nEND:VCARD\n") << QString();
    }
    void uid()
    {
        QFETCH(QByteArray, card);
        QFETCH(QString, uid);
        QCOMPARE(setup::cardUid(card), uid);
    }

    void multiCardFile()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("contacts"));
        const QString file = dir.filePath(QStringLiteral("export.vcf"));
        write(file, card("Ann Smith", "ann-1") + card("Bob Jones") + card("Cy Young", "cy-2", "\n"));

        const setup::ImportResult result = setup::importVcfFile(file, folder);
        QCOMPARE(result.imported, 3);
        QCOMPARE(result.alreadyPresent, 0);
        QVERIFY(result.problems.isEmpty());
        const QStringList files = cardFiles(folder);
        QCOMPARE(files.size(), 3); // no temporary files left behind
        QVERIFY(files.contains(QStringLiteral("ann-1.vcf")));
        QVERIFY(files.contains(QStringLiteral("cy-2.vcf")));
        QCOMPARE(read(folder + QStringLiteral("/ann-1.vcf")), card("Ann Smith", "ann-1"));
        QCOMPARE(read(folder + QStringLiteral("/cy-2.vcf")), card("Cy Young", "cy-2", "\n"));

        // The card without a UID got one, and its file is named after it.
        QString bob;
        for (const QString& f : files)
            if (f != QStringLiteral("ann-1.vcf") && f != QStringLiteral("cy-2.vcf"))
                bob = f;
        const QByteArray bobCard = read(folder + QLatin1Char('/') + bob);
        QVERIFY(bobCard.contains("FN:Bob Jones\r\nUID:"));
        QVERIFY(bobCard.endsWith("\r\nEND:VCARD\r\n"));
        QCOMPARE(setup::cardUid(bobCard) + QStringLiteral(".vcf"), bob);
        QCOMPARE(result.summary(), QStringLiteral("3 contacts imported."));
    }

    void cardsAlreadyThereAreKept()
    {
        QTemporaryDir dir;
        const QString folder = dir.path();
        // The folder's own file for ann-1 has another name and newer content: it stays untouched.
        write(folder + QStringLiteral("/mine.vcf"), card("Ann Smith-Jones", "ann-1"));
        write(folder + QStringLiteral("/b.vcf"), card("Other", "zzz"));
        const QString file = dir.filePath(QStringLiteral("export.txt"));
        write(file, card("Ann Smith", "ann-1") + card("Dee", "b")); // its name is taken by another card

        setup::ImportResult result = setup::importVcfFile(file, folder);
        QCOMPARE(result.imported, 1);
        QCOMPARE(result.alreadyPresent, 1);
        QCOMPARE(read(folder + QStringLiteral("/mine.vcf")), card("Ann Smith-Jones", "ann-1"));
        QCOMPARE(read(folder + QStringLiteral("/b.vcf")), card("Other", "zzz"));

        // Importing the same file again adds nothing.
        result = setup::importVcfFile(file, folder);
        QCOMPARE(result.imported, 0);
        QCOMPARE(result.alreadyPresent, 2);
        QCOMPARE(cardFiles(folder).size(), 4);
    }

    void unsafeUidGetsAFreshName()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("in.vcf"));
        write(file, card("Evil", "../../etc/passwd") + card("Dot", ".hidden"));
        const QString folder = dir.filePath(QStringLiteral("book"));
        QCOMPARE(setup::importVcfFile(file, folder).imported, 2);
        const QStringList files = cardFiles(folder);
        QCOMPARE(files.size(), 2);
        for (const QString& f : files) {
            QVERIFY(f.endsWith(QStringLiteral(".vcf")));
            QVERIFY(!f.startsWith(QLatin1Char('.')));
        }
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("etc/passwd"))));
    }
};

QTEST_MAIN(TestVcfImport)
#include "test_vcfimport.moc"
