// A message handed on a piece at a time: from a file that may change under it, and turned to the
// local line ends for sendmail however the pieces fall.

#include "mail/lineends.h"
#include "mail/messagesource.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

mail::FileSource openSource(const QString& path)
{
    safefile::FileInfo info;
    QString why;
    safefile::Fd fd = safefile::openRegularFile(-1, QFile::encodeName(path), 1 << 20, &info, &why);
    return mail::FileSource(std::move(fd), info.size, path);
}

} // namespace

class TestMessagePieces : public QObject {
    Q_OBJECT

private slots:
    // However the message is cut into pieces, CRLF becomes LF and nothing else changes.
    void localLineEnds_data()
    {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<QByteArray>("local");
        QTest::newRow("whole") << QByteArrayList{"A: b\r\n\r\nText\r\n"} << QByteArray("A: b\n\nText\n");
        QTest::newRow("cut between CR and LF") << QByteArrayList{"Text\r", "\nMore\r\n"} << QByteArray("Text\nMore\n");
        QTest::newRow("CR ends a piece, no LF follows") << QByteArrayList{"Text\r", "More"} << QByteArray("Text\rMore");
        QTest::newRow("CR at the very end") << QByteArrayList{"Text\r"} << QByteArray("Text\r");
        QTest::newRow("empty piece after a CR") << QByteArrayList{"a\r", "", "\nb"} << QByteArray("a\nb");
        QTest::newRow("lone CR and bare LF kept") << QByteArrayList{"a\rb\nc"} << QByteArray("a\rb\nc");
        QTest::newRow("CR CR LF") << QByteArrayList{"a\r", "\r", "\n"} << QByteArray("a\r\n");
        QTest::newRow("one byte a piece") << QByteArrayList{"a", "\r", "\n", "\r", "\n", "b"} << QByteArray("a\n\nb");
    }
    void localLineEnds()
    {
        QFETCH(QByteArrayList, pieces);
        QFETCH(QByteArray, local);
        mail::LocalLineEnds lineEnds;
        QByteArray out;
        for (const QByteArray& piece : pieces)
            out += lineEnds.convert(piece);
        out += lineEnds.finish();
        QCOMPARE(out, local);
    }

    // A file read as it is sent: its size is what it held when opened, and one cut short
    // meanwhile is a failure, never a shorter message sent as if whole.
    void fileChangedWhileSent_data()
    {
        QTest::addColumn<QByteArray>("change"); // done after opening: "cut", "grow", "none"
        QTest::addColumn<bool>("readable");
        QTest::newRow("unchanged") << QByteArray("none") << true;
        QTest::newRow("grown: the bytes of the opening") << QByteArray("grow") << true;
        QTest::newRow("cut short") << QByteArray("cut") << false;
    }
    void fileChangedWhileSent()
    {
        QFETCH(QByteArray, change);
        QFETCH(bool, readable);
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("m.eml"));
        const QByteArray bytes = QByteArray(100'000, 'a') + "\r\n";
        testsupport::write(path, bytes);
        mail::FileSource source = openSource(path);
        QCOMPARE(source.size(), bytes.size());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        if (change == "cut")
            QVERIFY(f.resize(10));
        else if (change == "grow")
            QVERIFY(f.seek(bytes.size()) && f.write("more") == 4);
        f.close();
        QString why;
        const std::optional<QByteArray> read = mail::readAll(source, 1 << 20, &why);
        QCOMPARE(read.has_value(), readable);
        if (readable)
            QCOMPARE(*read, bytes);
        else
            QVERIFY2(why.contains(QStringLiteral("shorter")), qPrintable(why));
    }

    // Read whole only up to the limit, and again from the start after any earlier reads.
    void readAllBounded_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("readBefore");
        QTest::addColumn<bool>("whole");
        QTest::newRow("under the limit") << 1000 << 1000 << 0 << true;
        QTest::newRow("over the limit") << 1001 << 1000 << 0 << false;
        QTest::newRow("after a partial read, from the start") << 1000 << 2000 << 300 << true;
        QTest::newRow("empty") << 0 << 10 << 0 << true;
    }
    void readAllBounded()
    {
        QFETCH(int, size);
        QFETCH(int, max);
        QFETCH(int, readBefore);
        QFETCH(bool, whole);
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char('a' + i % 26);
        mail::BytesSource source(bytes);
        QByteArray scratch(readBefore, 0);
        QCOMPARE(source.read(scratch.data(), readBefore), qint64(readBefore));
        QString why;
        const std::optional<QByteArray> read = mail::readAll(source, max, &why);
        QCOMPARE(read.has_value(), whole);
        if (whole)
            QCOMPARE(*read, bytes);
        else
            QVERIFY2(why.contains(QStringLiteral("larger than")), qPrintable(why));
    }

    void megabytes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 64LL * 1024 * 1024 << "64 MB";
        QTest::newRow("a part") << 1536LL * 1024 << "1.5 MB";
        QTest::newRow("gigabytes in MB, no exponent") << 2048LL * 1024 * 1024 << "2048 MB";
        QTest::newRow("a decimal limit") << 10'000'000LL << "9.54 MB";
    }
    void megabytes()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(mail::megabytes(bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestMessagePieces)
#include "test_messagepieces.moc"
