// khard and quintel-contacts on the same vdir root: a card khard writes is read here, a card
// written here is listed by khard, each in its collection. quintel-contacts reads the configured
// books and one --book.

#include "booklayout.h"
#include "testfiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using testsupport::writeFile;

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& args, const QString& configHome)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("HOME"), configHome + QStringLiteral("/home"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The EntryIDs quintel-contacts lists, in its order.
QStringList listedIds(const QString& text)
{
    QStringList ids;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("ContactItem\t")) || line.startsWith(QLatin1String("DistListItem\t")))
            ids.append(line.section(QLatin1Char('\t'), 1));
    return ids;
}

} // namespace

class TestKhard : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString path(const QString& name) const { return m_tmp.filePath(name); }
    QString config() const { return path(QStringLiteral("config")); }
    QString tool() const { return qEnvironmentVariable("QUINTEL_CONTACTS_BIN"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        const QString root = path(QStringLiteral("contacts"));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/work")));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/family")));
        QVERIFY(writeFile(config() + QStringLiteral("/khard/khard.conf"),
                          "[addressbooks]\n[[work]]\npath = " + root.toUtf8() + "/work/\n[[family]]\npath = " +
                              root.toUtf8() + "/family/\n[general]\neditor = /bin/false\nmerge_editor = /bin/false\n"));
    }

    void khardAndQuintelSeeTheSameBook()
    {
        const QString khard = QStandardPaths::findExecutable(QStringLiteral("khard"));
        QVERIFY2(!khard.isEmpty(), "khard is missing (scripts/deps.sh installs it)");
        const QString root = path(QStringLiteral("contacts"));
        QVERIFY(writeFile(path(QStringLiteral("ann.yaml")),
                          "First name : Ann\nLast name : Lee\nEmail :\n    work : ann@example.com\n"));
        const Run made = run(khard,
                             {QStringLiteral("new"), QStringLiteral("-a"), QStringLiteral("work"), QStringLiteral("-i"),
                              path(QStringLiteral("ann.yaml"))},
                             config());
        QVERIFY2(made.status == 0, qPrintable(made.err));
        QVERIFY(booklayout::addCard(root + QStringLiteral("/family"), QStringLiteral("eve-1"), QStringLiteral("Eve"),
                                    QStringLiteral("Gale")));

        // khard: "uid<TAB>name<TAB>book" per card.
        const Run listed = run(khard, {QStringLiteral("list"), QStringLiteral("-p")}, config());
        QVERIFY2(listed.status == 0, qPrintable(listed.err));
        QStringList khardIds;
        for (const QString& line : listed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            khardIds.append(line.section(QLatin1Char('\t'), 2, 2) + QLatin1Char('/') +
                            line.section(QLatin1Char('\t'), 0, 0) + QStringLiteral(".vcf"));
        khardIds.sort();
        QCOMPARE(khardIds.size(), 2);

        const Run ours = run(tool(), {root}, config());
        QVERIFY2(ours.status == 0, qPrintable(ours.err));
        QCOMPARE(listedIds(ours.out), khardIds); // family before work, as both sort
        QVERIFY(ours.out.contains(QStringLiteral("FullName: Ann Lee")));
    }

    void listsTheChosenBooks_data()
    {
        QTest::addColumn<QString>("books"); // the Books setting; "ROOT" stands for the vdir root
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("ids");
        const QStringList eve = {QStringLiteral("eve-1.vcf")};
        QTest::newRow("configured: a collection, then the root")
            << "ROOT/family, vcard:ROOT" << QStringList() << 0
            << QStringList({QStringLiteral("family/eve-1.vcf"), QStringLiteral("contacts/family/eve-1.vcf")});
        QTest::newRow("configured: a book left out") << "thunderbird:ROOT/none.sqlite, ROOT/family" << QStringList()
                                                     << 1 << QStringList({QStringLiteral("family/eve-1.vcf")});
        QTest::newRow("--book: one collection")
            << "" << QStringList({QStringLiteral("--book"), QStringLiteral("ROOT/family")}) << 0 << eve;
        QTest::newRow("--book: nothing there")
            << "" << QStringList({QStringLiteral("--book"), QStringLiteral("thunderbird:ROOT/x")}) << 2
            << QStringList();
        QTest::newRow("--book and a folder")
            << "" << QStringList({QStringLiteral("--book"), QStringLiteral("ROOT"), QStringLiteral("ROOT")}) << 2
            << QStringList();
    }
    void listsTheChosenBooks()
    {
        QFETCH(QString, books);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, ids);
        const QString root = path(QStringLiteral("contacts"));
        QVERIFY(booklayout::addCard(root + QStringLiteral("/family"), QStringLiteral("eve-1"), QStringLiteral("Eve"),
                                    QStringLiteral("Gale")));
        QVERIFY(writeFile(config() + QStringLiteral("/Quintel/Quintel.conf"),
                          "[ContactClient]\nMailTransport=folder\nBooks=\"" +
                              books.replace(QStringLiteral("ROOT"), root).toUtf8() + "\"\n"));
        for (QString& a : args)
            a.replace(QStringLiteral("ROOT"), root);
        const Run r = run(tool(), args, config());
        QVERIFY2(r.status == status, qPrintable(r.err));
        QStringList got = listedIds(r.out);
        if (QTest::currentDataTag() != QByteArrayLiteral("configured: a collection, then the root"))
            got.removeIf([](const QString& id) { return id.contains(QStringLiteral("work/")); });
        QCOMPARE(got.filter(QStringLiteral("eve")), ids);
        if (status == 1)
            QVERIFY2(r.err.contains(QStringLiteral("was left out")), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestKhard)
#include "test_khard.moc"
