// khard and quintel-contacts on the same vdir root: a card khard writes is read here, a card
// written here is listed by khard, each in its collection. quintel-contacts reads the configured
// books and one --book.

#include "booklayout.h"
#include "testfiles.h"
#include "toolrun.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using testsupport::writeFile;

testsupport::ToolRun run(const QString& program, const QStringList& args, const QString& configHome)
{
    return testsupport::runTool(
        program, args,
        testsupport::environmentWith({{"XDG_CONFIG_HOME", configHome}, {"HOME", configHome + u"/home"_s}}));
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
    QString config() const { return path(u"config"_s); }
    QString tool() const { return testsupport::quintelContacts(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        const QString root = path(u"contacts"_s);
        QVERIFY(QDir().mkpath(root + u"/work"_s));
        QVERIFY(QDir().mkpath(root + u"/family"_s));
        QVERIFY(writeFile(config() + u"/khard/khard.conf"_s,
                          "[addressbooks]\n[[work]]\npath = " + root.toUtf8() + "/work/\n[[family]]\npath = " +
                              root.toUtf8() + "/family/\n[general]\neditor = /bin/false\nmerge_editor = /bin/false\n"));
    }

    void khardAndQuintelSeeTheSameBook()
    {
        const QString khard = QStandardPaths::findExecutable(u"khard"_s);
        QVERIFY2(!khard.isEmpty(), "khard is missing (scripts/deps.sh installs it)");
        const QString root = path(u"contacts"_s);
        QVERIFY(
            writeFile(path(u"ann.yaml"_s), "First name : Ann\nLast name : Lee\nEmail :\n    work : ann@example.com\n"));
        const auto made = run(khard, {u"new"_s, u"-a"_s, u"work"_s, u"-i"_s, path(u"ann.yaml"_s)}, config());
        QVERIFY2(made.status == 0, qPrintable(made.err));
        QVERIFY(booklayout::addCard(root + u"/family"_s, u"eve-1"_s, u"Eve"_s, u"Gale"_s));

        // khard: "uid<TAB>name<TAB>book" per card.
        const auto listed = run(khard, {u"list"_s, u"-p"_s}, config());
        QVERIFY2(listed.status == 0, qPrintable(listed.err));
        QStringList khardIds;
        for (const QString& line : listed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            khardIds.append(line.section(QLatin1Char('\t'), 2, 2) + QLatin1Char('/') +
                            line.section(QLatin1Char('\t'), 0, 0) + u".vcf"_s);
        khardIds.sort();
        QCOMPARE(khardIds.size(), 2);

        const auto ours = run(tool(), {root}, config());
        QVERIFY2(ours.status == 0, qPrintable(ours.err));
        QCOMPARE(listedIds(ours.out), khardIds); // family before work, as both sort
        QVERIFY(ours.out.contains(u"FullName: Ann Lee"_s));
    }

    void listsTheChosenBooks_data()
    {
        QTest::addColumn<QString>("books"); // the Books setting; "ROOT" stands for the vdir root
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("ids");
        const QStringList eve = {u"eve-1.vcf"_s};
        QTest::newRow("configured: a collection, then the root")
            << u"ROOT/family, vcard:ROOT"_s << QStringList() << 0
            << QStringList({u"family/eve-1.vcf"_s, u"contacts/family/eve-1.vcf"_s});
        QTest::newRow("configured: a book left out") << u"thunderbird:ROOT/none.sqlite, ROOT/family"_s << QStringList()
                                                     << 1 << QStringList({u"family/eve-1.vcf"_s});
        QTest::newRow("--book: one collection") << u""_s << QStringList({u"--book"_s, u"ROOT/family"_s}) << 0 << eve;
        QTest::newRow("--book: nothing there")
            << u""_s << QStringList({u"--book"_s, u"thunderbird:ROOT/x"_s}) << 2 << QStringList();
        QTest::newRow("--book and a folder")
            << u""_s << QStringList({u"--book"_s, u"ROOT"_s, u"ROOT"_s}) << 2 << QStringList();
    }
    void listsTheChosenBooks()
    {
        QFETCH(QString, books);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, ids);
        const QString root = path(u"contacts"_s);
        QVERIFY(booklayout::addCard(root + u"/family"_s, u"eve-1"_s, u"Eve"_s, u"Gale"_s));
        QVERIFY(writeFile(config() + u"/Quintel/Quintel.conf"_s, "[ContactClient]\nMailTransport=folder\nBooks=\"" +
                                                                     books.replace(u"ROOT"_s, root).toUtf8() + "\"\n"));
        for (QString& a : args)
            a.replace(u"ROOT"_s, root);
        const auto r = run(tool(), args, config());
        QVERIFY2(r.status == status, qPrintable(r.err));
        QStringList got = listedIds(r.out);
        if (QTest::currentDataTag() != QByteArrayLiteral("configured: a collection, then the root"))
            got.removeIf([](const QString& id) { return id.contains(u"work/"_s); });
        QCOMPARE(got.filter(u"eve"_s), ids);
        if (status == 1)
            QVERIFY2(r.err.contains(u"was left out"_s), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TestKhard)
#include "test_khard.moc"
