// A later start hands the launch's activation token to the running bar, which activates its window
// with it: the token's way through the single-instance socket, and the X server time in it.

#include "app/singleinstance.h"
#include "window/activation.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestActivation : public QObject {
    Q_OBJECT

private slots:
    void tokenReachesTheRunningBar_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("received");

        const QString x11 = QStringLiteral("DESKTOP_STARTUP_ID");
        const QString wayland = QStringLiteral("XDG_ACTIVATION_TOKEN");
        QTest::newRow("none") << x11 << QString() << QString();
        QTest::newRow("X11 startup id") << x11 << "launcher-42-host-quintel-0_TIME123456"
                                        << "launcher-42-host-quintel-0_TIME123456";
        QTest::newRow("Wayland token") << wayland << "b3f2c1d0e9"
                                       << "b3f2c1d0e9";
        QTest::newRow("a space would split the line") << x11 << "two words" << QString();
        QTest::newRow("a line break would end it") << wayland << "abc\nactivate" << QString();
        QTest::newRow("too long to be a token") << wayland << QString(600, QLatin1Char('x')) << QString();
    }
    void tokenReachesTheRunningBar()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, received);

        QTemporaryDir dir;
        SingleInstance bar(dir.path(), QStringLiteral("/profile"));
        QCOMPARE(bar.start(), SingleInstance::Role::Primary);
        QSignalSpy raised(&bar, &SingleInstance::activationRequested);

        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
        environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
        if (!value.isEmpty())
            environment.insert(variable, value);
        second.setProcessEnvironment(environment);
        second.start(qEnvironmentVariable("QUINTEL_SINGLEINSTANCE_HELPER"), {QStringLiteral("second"), dir.path()});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 10000);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(raised.count(), 1);
        QCOMPARE(raised.at(0).at(0).toString(), received);
    }

    void startupTime_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<uint>("time");
        QTest::newRow("usual") << "kde-42-host-quintel-0_TIME123456" << 123456u;
        QTest::newRow("no time") << "kde-42-host-quintel-0" << 0u;
        QTest::newRow("time not at the end") << "x_TIME12_y" << 0u;
        QTest::newRow("zero") << "x_TIME0" << 0u;
        QTest::newRow("largest X time") << "x_TIME4294967295" << 4294967295u;
        QTest::newRow("beyond 32 bits") << "x_TIME4294967296" << 0u;
        QTest::newRow("empty") << "" << 0u;
    }
    void startupTime()
    {
        QFETCH(QString, id);
        QFETCH(uint, time);
        QCOMPARE(activation::startupTime(id), time);
    }
};

QTEST_MAIN(TestActivation)
#include "test_activation.moc"
