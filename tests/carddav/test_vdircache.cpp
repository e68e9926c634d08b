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
        QTest::newRow("root writable by all") << QStringLiteral("root-777") << false;
        QTest::newRow("account folder is a link") << QStringLiteral("link") << false;
        QTest::newRow("root owned by another") << QStringLiteral("root-other") << false;
    }
    void copyFolder()
    {
        QFETCH(QString, setup);
        QFETCH(bool, accepted);
        if (setup.endsWith(QStringLiteral("other")) && ::geteuid() != 0)
            QSKIP("needs root to give a folder to another user");
        QTemporaryDir tmp;
        const QString root = tmp.filePath(QStringLiteral("root"));
        const QString victim = tmp.filePath(QStringLiteral("victim"));
        QVERIFY(QDir().mkpath(root) && QDir().mkpath(victim));
        QVERIFY(writeFile(victim + QStringLiteral("/keep.vcf"), kCard));
        ::chmod(QFile::encodeName(victim).constData(), 0755);
        CardDavStore store({QStringLiteral("http://127.0.0.1:1/"), QString(), QString()}, root);
        const QString account = store.cacheFolder();
        if (setup == QStringLiteral("root-777"))
            ::chmod(QFile::encodeName(root).constData(), 0777);
        if (setup == QStringLiteral("root-other"))
            QCOMPARE(::chown(QFile::encodeName(root).constData(), 65534, 65534), 0);
        if (setup == QStringLiteral("link"))
            QVERIFY(QFile::link(victim, account));
        QString error;
        try {
            store.open();
        } catch (const AutomationError& e) {
            error = e.description();
        }
        // An unreachable server is fine here: only the folder is in question.
        const bool folderRefused = error.contains(QStringLiteral("copy cannot be kept"));
        QVERIFY2(accepted != folderRefused, qPrintable(error));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(victim).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0755u);
        QCOMPARE(readFile(victim + QStringLiteral("/keep.vcf")), kCard);
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
        const QString folder = tmp.filePath(QStringLiteral("copy"));
        QVERIFY(QDir().mkpath(folder));
        const QString victim = tmp.filePath(QStringLiteral("victim.txt"));
        QVERIFY(writeFile(victim, "precious"));
        QVERIFY(QFile::link(victim, folder + QLatin1Char('/') + VdirCache::kStateFile));
        QVERIFY(QFile::link(victim, folder + QLatin1Char('/') + VdirCache::kIndexFile));
        VdirCache cache(folder);
        cache.load();
        QVERIFY(!cache.isComplete()); // a link is not read as the state
        cache.writeCard(QStringLiteral("/book/ann.vcf"), QStringLiteral("\"1\""), kCard);
        cache.commit({QStringLiteral("http://127.0.0.1/book/"), QString(), QString(), QString()});
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
            QTest::addRow("%sstale file", copy) << complete << QStringLiteral("file");
            QTest::addRow("%slink", copy) << complete << QStringLiteral("link");
        }
    }
    void cardWrittenOverWhatLiesAtItsName()
    {
        QFETCH(bool, complete);
        QFETCH(QString, lying);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("copy"));
        QVERIFY(QDir().mkpath(folder));
        const QString victim = tmp.filePath(QStringLiteral("victim.txt"));
        QVERIFY(writeFile(victim, "precious"));
        if (complete) {
            VdirCache first(folder);
            first.load();
            first.writeCard(QStringLiteral("/book/bob.vcf"), QStringLiteral("\"1\""), kCard);
            first.markBroken(QStringLiteral("/book/bad.vcf"), QStringLiteral("\"1\""));
            first.commit({QStringLiteral("http://127.0.0.1/book/"), QString(), QString(), QString()});
        }
        const QString card = folder + QStringLiteral("/ann.vcf");
        if (lying == QLatin1String("file"))
            QVERIFY(writeFile(card, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Half"));
        else if (lying == QLatin1String("link"))
            QVERIFY(QFile::link(victim, card));

        VdirCache cache(folder);
        cache.load();
        QCOMPARE(cache.isComplete(), complete);
        cache.writeCard(QStringLiteral("/book/ann.vcf"), QStringLiteral("\"2\""), kCard);
        QCOMPARE(readFile(card), kCard);
        QVERIFY(!QFileInfo(card).isSymLink());
        QCOMPARE(readFile(victim), QByteArray("precious"));
        cache.commit({QStringLiteral("http://127.0.0.1/book/"), QString(), QString(), QString()});
        QCOMPARE(QDir(folder).entryList({QStringLiteral(".tmp-*")}, QDir::Files | QDir::Hidden), QStringList());
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
        QVERIFY(writeFile(folder + QStringLiteral("/foreign.vcf"), kCard));
        {
            VdirCache first(folder);
            first.load();
            first.writeCard(QStringLiteral("/book/kept.vcf"), QStringLiteral("1"), kCard);
            first.commit({QStringLiteral("http://127.0.0.1/book/"), QString(), QString(), QString()});
        }
        {
            // A sync stopped after writing a card, before its index.
            VdirCache stopped(folder);
            stopped.load();
            stopped.writeCard(QStringLiteral("/book/orphan.vcf"), QStringLiteral("1"), kCard);
        }
        VdirCache next(folder);
        next.load();
        next.removeCard(QStringLiteral("/book/foreign.vcf")); // same name as the foreign file
        next.removeStrayFiles();
        next.commit({QStringLiteral("http://127.0.0.1/book/"), QString(), QString(), QString()});
        const QStringList cards = QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name);
        QCOMPARE(cards, (QStringList{QStringLiteral("foreign.vcf"), QStringLiteral("kept.vcf")}));
    }

    // Distinct server paths never share a local file, whatever their names.
    void distinctPathsDistinctFiles()
    {
        QTemporaryDir tmp;
        VdirCache cache(tmp.path());
        cache.setCollection(QStringLiteral("/book/"));
        const QString hashedOther = cache.fileNameFor(QStringLiteral("/other/x.vcf"));
        const QStringList paths{QStringLiteral("/book/x.vcf"), QStringLiteral("/book/sub/x.vcf"),
                                QStringLiteral("/other/x.vcf"), QStringLiteral("/book/") + hashedOther.mid(1),
                                QStringLiteral("/book/") + hashedOther};
        QSet<QString> files;
        for (const QString& path : paths) {
            cache.writeCard(path, QStringLiteral("1"), kCard);
            files.insert(cache.fileNameFor(path));
        }
        QCOMPARE(files.size(), paths.size());
        QCOMPARE(cache.fileNameFor(QStringLiteral("/book/x.vcf")), QStringLiteral("x.vcf"));
        cache.removeCard(QStringLiteral("/other/x.vcf"));
        QVERIFY(QFile::exists(tmp.filePath(QStringLiteral("x.vcf"))));
        QCOMPARE(cache.filesOnDisk().size(), paths.size() - 1);
    }
};

QTEST_GUILESS_MAIN(TestVdirCache)
#include "test_vdircache.moc"
