// The programs' command lines: --help and --version answer at once, Qt's own options pass through
// to Qt, anything else is refused with status 2.

#include "commandline.h"

#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const auto list = [](const char* text) {
            return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        QTest::newRow("nothing") << list("") << true << 0 << QString() << QString();
        QTest::newRow("version") << list("--version") << false << 0 << QStringLiteral("quintel 1.2\n") << QString();
        QTest::newRow("short version") << list("-v") << false << 0 << QStringLiteral("quintel 1.2\n") << QString();
        QTest::newRow("help") << list("--help") << false << 0 << QStringLiteral("Usage: quintel [--help | --version]")
                              << QString();
        QTest::newRow("short help") << list("-h") << false << 0 << QStringLiteral("A contact bar.") << QString();
        QTest::newRow("help wins over a later unknown option")
            << list("--help --bogus") << false << 0 << QStringLiteral("Usage:") << QString();
        QTest::newRow("Qt's platform option") << list("-platform offscreen") << true << 0 << QString() << QString();
        QTest::newRow("Qt's option with two dashes") << list("--platform xcb") << true << 0 << QString() << QString();
        QTest::newRow("Qt's option without value") << list("-reverse -sync") << true << 0 << QString() << QString();
        QTest::newRow("a value that looks like --help is a value")
            << list("-name --help") << true << 0 << QString() << QString();
        QTest::newRow("Qt's option lacking its value")
            << list("-display") << false << 2 << QString() << QStringLiteral("the option -display needs a value");
        QTest::newRow("unknown option") << list("--bogus") << false << 2 << QString()
                                        << QStringLiteral("quintel: unknown option --bogus\nUsage:");
        QTest::newRow("unknown after a good one")
            << list("-platform xcb -x") << false << 2 << QString() << QStringLiteral("unknown option -x");
        QTest::newRow("a file name") << list("contacts.vcf") << false << 2 << QString()
                                     << QStringLiteral("unexpected argument contacts.vcf");
        QTest::newRow("a lone dash") << list("-") << false << 2 << QString() << QStringLiteral("unknown option -");
        QTest::newRow("version is exact, not a prefix")
            << list("--versions") << false << 2 << QString() << QStringLiteral("unknown option --versions");
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, run);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        const commandline::Program program{QStringLiteral("quintel"), QStringLiteral("A contact bar."),
                                           QStringLiteral("1.2")};
        const commandline::Outcome outcome = commandline::parse(program, arguments);
        QCOMPARE(outcome.run, run);
        if (!run)
            QCOMPARE(outcome.status, status);
        if (out.isEmpty())
            QVERIFY2(outcome.out.isEmpty(), qPrintable(outcome.out));
        else
            QVERIFY2(outcome.out.contains(out), qPrintable(outcome.out));
        if (err.isEmpty())
            QVERIFY2(outcome.err.isEmpty(), qPrintable(outcome.err));
        else
            QVERIFY2(outcome.err.contains(err), qPrintable(outcome.err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
