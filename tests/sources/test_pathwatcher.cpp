// The watch on an address book's folder: a change in the folder, and a change of what stands at its
// path (the folder or one above it renamed, removed), are reported; what happens beside it in the
// folders above (a home folder changes all the time) is not.

#include "contactclient/pathwatcher.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using contactclient::PathWatcher;

class TestPathWatcher : public QObject {
    Q_OBJECT

private slots:
    void reports_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("reported");
        QTest::newRow("a card added in the folder") << "card" << true;
        QTest::newRow("the folder renamed") << "rename folder" << true;
        QTest::newRow("the folder's parent renamed") << "rename parent" << true;
        QTest::newRow("a folder two levels up renamed") << "rename grandparent" << true;
        QTest::newRow("the parent replaced by another folder") << "replace parent" << true;
        QTest::newRow("a file beside the folder") << "file beside" << false;
        QTest::newRow("a file beside the parent") << "file beside parent" << false;
        QTest::newRow("another folder beside it renamed") << "rename sibling" << false;
    }
    void reports()
    {
        QFETCH(QString, change);
        QFETCH(bool, reported);
        QTemporaryDir tmp;
        const QString top = tmp.filePath(QStringLiteral("top"));
        const QString parent = top + QStringLiteral("/home");
        const QString folder = parent + QStringLiteral("/contacts");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(parent + QStringLiteral("/music")));
        // The slow look at the paths is left out: only what the watches report counts here.
        PathWatcher watcher(20, 200, nullptr, 3600 * 1000);
        QSignalSpy changed(&watcher, &PathWatcher::changed);
        watcher.setPaths({folder});
        QCoreApplication::processEvents();

        auto touch = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
        };
        if (change == QLatin1String("card")) {
            QVERIFY(touch(folder + QStringLiteral("/ann.vcf")));
        } else if (change == QLatin1String("rename folder")) {
            QVERIFY(QDir(parent).rename(QStringLiteral("contacts"), QStringLiteral("old")));
        } else if (change == QLatin1String("rename parent")) {
            QVERIFY(QDir(top).rename(QStringLiteral("home"), QStringLiteral("moved")));
        } else if (change == QLatin1String("rename grandparent")) {
            QVERIFY(QDir(tmp.path()).rename(QStringLiteral("top"), QStringLiteral("moved")));
        } else if (change == QLatin1String("replace parent")) {
            QVERIFY(QDir(top).rename(QStringLiteral("home"), QStringLiteral("moved")));
            QVERIFY(QDir().mkpath(folder)); // an empty folder of the same name in its place
        } else if (change == QLatin1String("file beside")) {
            QVERIFY(touch(parent + QStringLiteral("/notes.txt")));
        } else if (change == QLatin1String("file beside parent")) {
            QVERIFY(touch(top + QStringLiteral("/.history")));
        } else if (change == QLatin1String("rename sibling")) {
            QVERIFY(QDir(parent).rename(QStringLiteral("music"), QStringLiteral("songs")));
        }
        if (reported) {
            QTRY_VERIFY(!changed.isEmpty());
        } else {
            // A reported change comes within the quiet spell after the watch's event: well inside this.
            QTest::qWait(500);
            QCOMPARE(changed.size(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestPathWatcher)
#include "test_pathwatcher.moc"
