// The bar's first start on a real display: with a fresh home the set-up window comes first, Return
// takes the local address book, and then the bar opens; a second start brings it forward.

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString visibleWindow(const QString& name)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

} // namespace

class TestFirstRunWindow : public QObject {
    Q_OBJECT

private slots:
    void setupComesBeforeTheBar()
    {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"})
            env.insert(QString::fromLatin1(v), home.filePath(QString::fromLatin1(v)));
        QDir().mkpath(home.filePath(QStringLiteral("XDG_RUNTIME_DIR")));
        QProcess bar;
        bar.setProcessEnvironment(env);
        bar.setProcessChannelMode(QProcess::ForwardedChannels);
        bar.start(qEnvironmentVariable("QUINTEL_BIN"), {});
        QVERIFY(bar.waitForStarted());

        QString setupWindow;
        QTRY_VERIFY_WITH_TIMEOUT(!(setupWindow = visibleWindow(QStringLiteral("^Quintel Setup$"))).isEmpty(), 15000);
        QVERIFY(visibleWindow(QStringLiteral("^Quintel$")).isEmpty());
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("windowactivate"), QStringLiteral("--sync"), setupWindow});
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("key"), QStringLiteral("--window"), setupWindow, QStringLiteral("Return")});

        QTRY_VERIFY_WITH_TIMEOUT(!visibleWindow(QStringLiteral("^Quintel$")).isEmpty(), 15000);
        QVERIFY(QFileInfo(home.filePath(QStringLiteral("XDG_DATA_HOME/contacts"))).isDir());
        const QSettings conf(home.filePath(QStringLiteral("XDG_CONFIG_HOME/Quintel/Quintel.conf")),
                             QSettings::IniFormat);
        QCOMPARE(conf.value(QStringLiteral("ContactClient/Backend")).toString(), QStringLiteral("vcard"));

        // A second start raises the running bar and ends with status 0. (The bar cannot be minimised
        // away without a tray: the window manager's iconify is undone.)
        const QString barWindow = visibleWindow(QStringLiteral("^Quintel$"));
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(qEnvironmentVariable("QUINTEL_BIN"), {});
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(visibleWindow(QStringLiteral("^Quintel$")), barWindow, 5000);
        QCOMPARE(bar.state(), QProcess::Running);

        bar.terminate();
        if (!bar.waitForFinished(5000))
            bar.kill();
        bar.waitForFinished();
    }
};

QTEST_MAIN(TestFirstRunWindow)
#include "test_firstrunwindow.moc"
