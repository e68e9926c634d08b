// The running bar follows the summon shortcut in its settings file: Quintel Setup, another
// program, saves a new combination (or switches it off) and the bar hears of it; other changes to
// the file say nothing.

#include "settingsstore.h"
#include "window/summonkeys.h"
#include "window/summonwatch.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString shortcutIn(const QString& file)
{
    const QSettingsStore now(file);
    return summon::shortcut(now);
}

} // namespace

class TestSummonWatch : public QObject {
    Q_OBJECT

private slots:
    void followsTheFile_data()
    {
        QTest::addColumn<bool>("fileAtStart");
        QTest::addColumn<QString>("before"); // written before the watch starts; empty: nothing
        QTest::addColumn<QString>("saved");  // what the set-up saves; empty: switched off
        QTest::addColumn<QString>("heard");  // the changed() signal's keys

        QTest::newRow("another combination")
            << true << QStringLiteral("Ctrl+Alt+Q") << QStringLiteral("Ctrl+Alt+J") << QStringLiteral("Ctrl+Alt+J");
        QTest::newRow("switched off") << true << QStringLiteral("Ctrl+Alt+Q") << QString() << QString();
        QTest::newRow("switched on again")
            << true << QString() << QStringLiteral("Meta+F12") << QStringLiteral("Meta+F12");
        QTest::newRow("no settings file yet: the usual one, then another")
            << false << QString() << QStringLiteral("Ctrl+Shift+Space") << QStringLiteral("Ctrl+Shift+Space");
    }
    void followsTheFile()
    {
        QFETCH(bool, fileAtStart);
        QFETCH(QString, before);
        QFETCH(QString, saved);
        QFETCH(QString, heard);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        if (fileAtStart) {
            QSettingsStore setup(file);
            summon::setShortcut(setup, before);
        }
        SummonWatch watch(file, [file] { return shortcutIn(file); });
        QCOMPARE(watch.current(), fileAtStart ? before : summon::defaultShortcut());
        QSignalSpy changed(&watch, &SummonWatch::changed);

        // Another key of the file changes first: nothing to hear about.
        QSettingsStore other(file);
        other.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("Settings"), QStringLiteral("WindowMode"),
                          QStringLiteral("2"));
        // Then Quintel Setup, in a process of its own, saves the combination.
        QSettingsStore setup(file);
        summon::setShortcut(setup, saved);

        QTRY_COMPARE_WITH_TIMEOUT(watch.current(), heard, 10000);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), heard);

        // Saving the same again says nothing new; a later change is heard too.
        summon::setShortcut(setup, saved);
        summon::setShortcut(setup, QStringLiteral("Ctrl+Alt+K"));
        QTRY_COMPARE_WITH_TIMEOUT(watch.current(), QStringLiteral("Ctrl+Alt+K"), 10000);
        QCOMPARE(changed.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSummonWatch)
#include "test_summonwatch.moc"
