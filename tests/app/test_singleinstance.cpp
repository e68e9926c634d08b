// One bar per user: a later start asks the running bar to come forward and ends with status 0; a
// lock left by a crashed bar does not stop the next start.

#include "app/singleinstance.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterStartRaisesTheRunningOne()
    {
        QTemporaryDir dir;
        SingleInstance first(dir.path(), QStringLiteral("/profile"));
        QCOMPARE(first.start(), SingleInstance::Role::Primary);
        QSignalSpy raised(&first, &SingleInstance::activationRequested);

        QProcess second;
        second.start(helper(), {QStringLiteral("second"), dir.path()});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(raised.count(), 1);
    }

    void lockOfACrashedBarIsTakenOver()
    {
        QTemporaryDir dir;
        QProcess crashed;
        crashed.start(helper(), {QStringLiteral("crash"), dir.path()});
        QVERIFY(crashed.waitForFinished(10000));
        QCOMPARE(crashed.readAllStandardOutput(), QByteArray("PRIMARY\n"));
        QCOMPARE(crashed.exitStatus(), QProcess::CrashExit);

        SingleInstance next(dir.path(), QStringLiteral("/profile"));
        QVERIFY(QFile::exists(next.lockPath()));
        QVERIFY(QFile::exists(next.socketPath()));
        QCOMPARE(next.start(), SingleInstance::Role::Primary);

        // And it answers later starts on the socket the crashed one left behind.
        QSignalSpy raised(&next, &SingleInstance::activationRequested);
        QProcess second;
        second.start(helper(), {QStringLiteral("second"), dir.path()});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(raised.count(), 1);
    }

    void runningBarInAnotherProcessKeepsItsLock()
    {
        // The running bar's program name differs from its application name; its lock is still live.
        QTemporaryDir dir;
        QProcess running;
        QByteArray said;
        connect(&running, &QProcess::readyReadStandardOutput, this, [&] { said += running.readAllStandardOutput(); });
        running.start(helper(), {QStringLiteral("hold"), dir.path()});
        QTRY_COMPARE_WITH_TIMEOUT(said, QByteArray("PRIMARY\n"), 10000);

        SingleInstance later(dir.path(), QStringLiteral("/profile"));
        QCOMPARE(later.start(), SingleInstance::Role::Secondary);
        QTRY_COMPARE_WITH_TIMEOUT(said, QByteArray("PRIMARY\nACTIVATED\n"), 10000);
        running.kill();
        running.waitForFinished();
    }

    void otherSettingsFolderIsAnotherBar()
    {
        QTemporaryDir dir;
        SingleInstance first(dir.path(), QStringLiteral("/one"));
        SingleInstance other(dir.path(), QStringLiteral("/two"));
        QCOMPARE(first.start(), SingleInstance::Role::Primary);
        QCOMPARE(other.start(), SingleInstance::Role::Primary);
    }

private:
    static QString helper() { return QCoreApplication::applicationDirPath() + QStringLiteral("/singleinstancehelper"); }
};

QTEST_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
