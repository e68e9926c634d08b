// The CardDAV copy's folder on a disk others may have tampered with: folders owned by someone
// else or reached through a symbolic link are refused, links planted at the copy's own files are
// replaced rather than written through, and only files the copy wrote are ever removed.

#include "contactclient/carddav/carddavstore.h"
#include "contactclient/carddav/vdircache.h"
#include "contactclient/errors.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace contactclient;
using namespace contactclient::carddav;
using namespace Qt::StringLiterals;

namespace {

using testsupport::writeFile;

QByteArray readFile(const QString& path)
{
    return testsupport::readFile(path, "<missing>");
}

const QByteArray kCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEND:VCARD\r\n";

} // namespace

class TestVdirCache : public QObject {
    Q_OBJECT

private slots:
    // The account's folder under the cache root: refused when the root or the folder is someone
    // else's, writable by others, or a link; what it points to is left as it was.
    void copyFolder_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("fresh root") << QString() << true;
        QTest::newRow("root writable by all") << u"root-777"_s << false;
        QTest::newRow("account folder is a link") << u"link"_s << false;
        QTest::newRow("root owned by another") << u"root-other"_s << false;
    }
    void copyFolder()
    {
        QFETCH(QString, setup);
        QFETCH(bool, accepted);
        if (setup.endsWith(u"other"_s) && ::geteuid() != 0)
            QSKIP("needs root to give a folder to another user");
        QTemporaryDir tmp;
        const QString root = tmp.filePath(u"root"_s);
        const QString victim = tmp.filePath(u"victim"_s);
        QVERIFY(QDir().mkpath(root) && QDir().mkpath(victim));
        QVERIFY(writeFile(victim + u"/keep.vcf"_s, kCard));
        ::chmod(QFile::encodeName(victim).constData(), 0755);
        CardDavStore store({u"http://127.0.0.1:1/"_s, QString(), QString()}, root);
        const QString account = store.cacheFolder();
        if (setup == u"root-777"_s)
            ::chmod(QFile::encodeName(root).constData(), 0777);
        if (setup == u"root-other"_s)
            QCOMPARE(::chown(QFile::encodeName(root).constData(), 65534, 65534), 0);
        if (setup == u"link"_s)
            QVERIFY(QFile::link(victim, account));
        QString error;
        try {
            store.open();
        } catch (const AutomationError& e) {
            error = e.description();
        }
        // An unreachable server is fine here: only the folder is in question.
        const bool folderRefused = error.contains(u"copy cannot be kept"_s);
        QVERIFY2(accepted != folderRefused, qPrintable(error));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(victim).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0755u);
        QCOMPARE(readFile(victim + u"/keep.vcf"_s), kCard);
        if (accepted) {
            QCOMPARE(::lstat(QFile::encodeName(account).constData(), &st), 0);
            QVERIFY(S_ISDIR(st.st_mode));
            QCOMPARE(st.st_mode & 0777, 0700u);
        }
    }

    // Links planted at the copy's index and state files are replaced, not written through.
    void plantedLinksAreReplaced()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(u"copy"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString victim = tmp.filePath(u"victim.txt"_s);
        QVERIFY(writeFile(victim, "precious"));
        QVERIFY(QFile::link(victim, folder + QLatin1Char('/') + VdirCache::kStateFile));
        QVERIFY(QFile::link(victim, folder + QLatin1Char('/') + VdirCache::kIndexFile));
        VdirCache cache(folder);
        cache.load();
        QVERIFY(!cache.isComplete()); // a link is not read as the state
        cache.writeCard(u"/book/ann.vcf"_s, u"\"1\""_s, kCard);
        cache.commit({u"http://127.0.0.1/book/"_s, QString(), QString(), QString()});
        QCOMPARE(readFile(victim), QByteArray("precious"));
        QVERIFY(!QFileInfo(folder + QLatin1Char('/') + VdirCache::kStateFile).isSymLink());
        VdirCache again(folder);
        again.load();
        QVERIFY(again.isComplete());
        QCOMPARE(again.index().size(), 1);
    }

    // A card is written whole whatever lies at its name, in a fresh copy (written in place) as in
    // a complete one (temporary file and rename): never through a link, no temporary file left.
    void cardWrittenOverWhatLiesAtItsName_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QString>("lying"); // "", "file" (left by a stopped sync) or "link"
        for (const bool complete : {false, true}) {
            const char* copy = complete ? "complete copy, " : "fresh copy, ";
            QTest::addRow("%snothing", copy) << complete << QString();
            QTest::addRow("%sstale file", copy) << complete << u"file"_s;
            QTest::addRow("%slink", copy) << complete << u"link"_s;
        }
    }
    void cardWrittenOverWhatLiesAtItsName()
    {
        QFETCH(bool, complete);
        QFETCH(QString, lying);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(u"copy"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString victim = tmp.filePath(u"victim.txt"_s);
        QVERIFY(writeFile(victim, "precious"));
        if (complete) {
            VdirCache first(folder);
            first.load();
            first.writeCard(u"/book/bob.vcf"_s, u"\"1\""_s, kCard);
            first.markBroken(u"/book/bad.vcf"_s, u"\"1\""_s);
            first.commit({u"http://127.0.0.1/book/"_s, QString(), QString(), QString()});
        }
        const QString card = folder + u"/ann.vcf"_s;
        if (lying == QLatin1String("file"))
            QVERIFY(writeFile(card, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Half"));
        else if (lying == QLatin1String("link"))
            QVERIFY(QFile::link(victim, card));

        VdirCache cache(folder);
        cache.load();
        QCOMPARE(cache.isComplete(), complete);
        cache.writeCard(u"/book/ann.vcf"_s, u"\"2\""_s, kCard);
        QCOMPARE(readFile(card), kCard);
        QVERIFY(!QFileInfo(card).isSymLink());
        QCOMPARE(readFile(victim), QByteArray("precious"));
        cache.commit({u"http://127.0.0.1/book/"_s, QString(), QString(), QString()});
        QCOMPARE(QDir(folder).entryList({u".tmp-*"_s}, QDir::Files | QDir::Hidden), QStringList());
        const CopyState state = VdirCache::readState(folder);
        QVERIFY(state.complete);
        QCOMPARE(state.broken, complete ? 1 : 0);
    }

    // Cards the copy did not write stay; cards it wrote, even in a sync stopped before its index
    // was saved, go once the server no longer has them.
    void onlyOwnFilesAreRemoved()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path();
        QVERIFY(writeFile(folder + u"/foreign.vcf"_s, kCard));
        {
            VdirCache first(folder);
            first.load();
            first.writeCard(u"/book/kept.vcf"_s, u"1"_s, kCard);
            first.commit({u"http://127.0.0.1/book/"_s, QString(), QString(), QString()});
        }
        {
            // A sync stopped after writing a card, before its index.
            VdirCache stopped(folder);
            stopped.load();
            stopped.writeCard(u"/book/orphan.vcf"_s, u"1"_s, kCard);
        }
        VdirCache next(folder);
        next.load();
        next.removeCard(u"/book/foreign.vcf"_s); // same name as the foreign file
        next.removeStrayFiles();
        next.commit({u"http://127.0.0.1/book/"_s, QString(), QString(), QString()});
        const QStringList cards = QDir(folder).entryList({u"*.vcf"_s}, QDir::Files, QDir::Name);
        QCOMPARE(cards, (QStringList{u"foreign.vcf"_s, u"kept.vcf"_s}));
    }

    // Distinct server paths never share a local file, whatever their names.
    void distinctPathsDistinctFiles()
    {
        QTemporaryDir tmp;
        VdirCache cache(tmp.path());
        cache.setCollection(u"/book/"_s);
        const QString hashedOther = cache.fileNameFor(u"/other/x.vcf"_s);
        const QStringList paths{u"/book/x.vcf"_s, u"/book/sub/x.vcf"_s, u"/other/x.vcf"_s,
                                u"/book/"_s + hashedOther.mid(1), u"/book/"_s + hashedOther};
        QSet<QString> files;
        for (const QString& path : paths) {
            cache.writeCard(path, u"1"_s, kCard);
            files.insert(cache.fileNameFor(path));
        }
        QCOMPARE(files.size(), paths.size());
        QCOMPARE(cache.fileNameFor(u"/book/x.vcf"_s), u"x.vcf"_s);
        cache.removeCard(u"/other/x.vcf"_s);
        QVERIFY(QFile::exists(tmp.filePath(u"x.vcf"_s)));
        QCOMPARE(cache.filesOnDisk().size(), paths.size() - 1);
    }
};

QTEST_GUILESS_MAIN(TestVdirCache)
#include "test_vdircache.moc"
