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
using namespace Qt::StringLiterals;

class TestPathWatcher : public QObject {
    Q_OBJECT

private slots:
    void reports_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("reported");
        QTest::newRow("a card added in the folder") << u"card"_s << true;
        QTest::newRow("the folder renamed") << u"rename folder"_s << true;
        QTest::newRow("the folder's parent renamed") << u"rename parent"_s << true;
        QTest::newRow("a folder two levels up renamed") << u"rename grandparent"_s << true;
        QTest::newRow("the parent replaced by another folder") << u"replace parent"_s << true;
        QTest::newRow("a file beside the folder") << u"file beside"_s << false;
        QTest::newRow("a file beside the parent") << u"file beside parent"_s << false;
        QTest::newRow("another folder beside it renamed") << u"rename sibling"_s << false;
    }
    void reports()
    {
        QFETCH(QString, change);
        QFETCH(bool, reported);
        QTemporaryDir tmp;
        const QString top = tmp.filePath(u"top"_s);
        const QString parent = top + u"/home"_s;
        const QString folder = parent + u"/contacts"_s;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(parent + u"/music"_s));
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
            QVERIFY(touch(folder + u"/ann.vcf"_s));
        } else if (change == QLatin1String("rename folder")) {
            QVERIFY(QDir(parent).rename(u"contacts"_s, u"old"_s));
        } else if (change == QLatin1String("rename parent")) {
            QVERIFY(QDir(top).rename(u"home"_s, u"moved"_s));
        } else if (change == QLatin1String("rename grandparent")) {
            QVERIFY(QDir(tmp.path()).rename(u"top"_s, u"moved"_s));
        } else if (change == QLatin1String("replace parent")) {
            QVERIFY(QDir(top).rename(u"home"_s, u"moved"_s));
            QVERIFY(QDir().mkpath(folder)); // an empty folder of the same name in its place
        } else if (change == QLatin1String("file beside")) {
            QVERIFY(touch(parent + u"/notes.txt"_s));
        } else if (change == QLatin1String("file beside parent")) {
            QVERIFY(touch(top + u"/.history"_s));
        } else if (change == QLatin1String("rename sibling")) {
            QVERIFY(QDir(parent).rename(u"music"_s, u"songs"_s));
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
