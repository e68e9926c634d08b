// The targets section of the benchmarks: figures files of several programs gathered into one list,
// the expected targets found by their texts, and the ones no program measured reported as such.

#include "targets.h"
#include "testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace bench;

namespace {

using testsupport::write;

QJsonObject target(int issue, const QString& text, double measured, bool met, const QString& unit = QStringLiteral("x"))
{
    return {{QStringLiteral("issue"), issue},
            {QStringLiteral("target"), text},
            {QStringLiteral("measured"), measured},
            {QStringLiteral("unit"), unit},
            {QStringLiteral("met"), met}};
}

QJsonObject figures(const QJsonArray& targets)
{
    return {{QStringLiteral("runs"), 3}, {QStringLiteral("targets"), targets}};
}

// The line of the expected target whose own text starts as given: the expected lines come in the
// order of the expected list.
TargetLine expectedLine(const QList<TargetLine>& lines, const QString& start)
{
    const QList<ExpectedTarget> expected = expectedTargets();
    qsizetype k = 0;
    while (k < expected.size() && !expected[k].text.startsWith(start))
        ++k;
    for (const TargetLine& l : lines) {
        if (l.expected && k-- == 0)
            return l;
    }
    return {};
}

// Two targets of the sources program, one met and one not, and one of the bar's in milliseconds.
const QJsonObject kCollections =
    target(16, QStringLiteral("10,000 contacts in 10 collections <= 1.1x one folder"), 1.02, true);
const QJsonObject kThunderbird =
    target(16, QStringLiteral("Thunderbird book of 10,000: start-up <= 2x SQLite alone"), 2.4, false);
const QJsonObject kDropDown =
    target(20, QStringLiteral("drop-down at 100,000 contacts <= 50 ms"), 12, true, QStringLiteral("ms"));

} // namespace

class TestBenchTargets : public QObject {
    Q_OBJECT

private slots:
    void foldsTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("thousands") << QStringLiteral("Start-up at 100,000 contacts")
                                   << QStringLiteral("start-up at 100000 contacts");
        QTest::newRow("decimal comma kept") << QStringLiteral("1,5x and 1,23") << QStringLiteral("1,5x and 1,23");
        QTest::newRow("signs") << QStringLiteral("≤ 2× floor") << QStringLiteral("<= 2x floor");
        QTest::newRow("spaces") << QStringLiteral("  a \t b\n") << QStringLiteral("a b");
    }
    void foldsTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(foldTargetText(text), folded);
    }

    void answers_data()
    {
        QTest::addColumn<QJsonArray>("targets");
        QTest::addColumn<QString>("expected"); // the start of an expected target's text
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("answeredBy"); // empty: unmeasured

        const QString ldapCopy = QStringLiteral("LDAP start with a local copy");
        QTest::newRow("issue 20's LDAP copy answered by issue 17's")
            << QJsonArray{target(17, QStringLiteral("LDAP start from the copy <= 1.2x a vCard folder"), 1.05, true)}
            << ldapCopy << int(TargetStatus::Met) << QStringLiteral("LDAP start from the copy <= 1.2x a vCard folder");
        QTest::newRow("its own issue preferred")
            << QJsonArray{target(17, QStringLiteral("directory start from the copy <= 1.2x"), 1.05, true),
                          target(20, QStringLiteral("LDAP start with a local copy <= 1.2x"), 1.3, false)}
            << ldapCopy << int(TargetStatus::NotMet) << QStringLiteral("LDAP start with a local copy <= 1.2x");
        QTest::newRow("CardDAV copy is not LDAP's")
            << QJsonArray{target(20, QStringLiteral("CardDAV start from the copy <= 1.2x"), 1.1, true)} << ldapCopy
            << int(TargetStatus::NotMeasured) << QString();
        QTest::newRow("start-up at 10,000 is not the 100,000 one")
            << QJsonArray{target(20, QStringLiteral("start-up at 10,000 contacts <= 2x the read-only floor"), 1.5,
                                 true)}
            << QStringLiteral("start-up at 100,000") << int(TargetStatus::NotMeasured) << QString();
        QTest::newRow("same text under another issue")
            << QJsonArray{target(16, QStringLiteral("drop-down at 100,000 contacts <= 50 ms"), 12, true)}
            << QStringLiteral("contact drop-down") << int(TargetStatus::NotMeasured) << QString();
        QTest::newRow("the first of two answers")
            << QJsonArray{target(20, QStringLiteral("category filter <= 100 ms"), 120, false),
                          target(20, QStringLiteral("category filter back to all <= 100 ms"), 80, true)}
            << QStringLiteral("category filter") << int(TargetStatus::NotMet)
            << QStringLiteral("category filter <= 100 ms");
        QTest::newRow("no figure is not measured")
            << QJsonArray{QJsonObject{{QStringLiteral("issue"), 20},
                                      {QStringLiteral("target"), QStringLiteral("category filter <= 100 ms")},
                                      {QStringLiteral("measured"), QJsonValue()},
                                      {QStringLiteral("met"), true}}}
            << QStringLiteral("category filter") << int(TargetStatus::NotMeasured)
            << QStringLiteral("category filter <= 100 ms");
        QTest::newRow("no verdict is not met")
            << QJsonArray{QJsonObject{{QStringLiteral("issue"), 20},
                                      {QStringLiteral("target"), QStringLiteral("category filter <= 100 ms")},
                                      {QStringLiteral("measured"), 50}}}
            << QStringLiteral("category filter") << int(TargetStatus::NotMet)
            << QStringLiteral("category filter <= 100 ms");
        QTest::newRow("a string verdict is not met")
            << QJsonArray{QJsonObject{{QStringLiteral("issue"), 20},
                                      {QStringLiteral("target"), QStringLiteral("category filter <= 100 ms")},
                                      {QStringLiteral("measured"), 50},
                                      {QStringLiteral("met"), QStringLiteral("true")}}}
            << QStringLiteral("category filter") << int(TargetStatus::NotMet)
            << QStringLiteral("category filter <= 100 ms");
    }
    void answers()
    {
        QFETCH(QJsonArray, targets);
        QFETCH(QString, expected);
        QFETCH(int, status);
        QFETCH(QString, answeredBy);
        TargetGathering g;
        g.addFigures(figures(targets), QStringLiteral("f.json"));
        const QList<TargetLine> lines = g.lines();
        const TargetLine line = expectedLine(lines, expected);
        QCOMPARE(int(line.status), status);
        if (answeredBy.isEmpty()) {
            // Unanswered, it keeps its own text and names the program that should measure it.
            QVERIFY(line.text.startsWith(expected));
            QVERIFY(!line.measured);
            QVERIFY(line.source.startsWith(QLatin1String("quintel-bench")));
        } else {
            QCOMPARE(line.text, answeredBy);
        }
        // Every target a program judged is on the list, answering or not.
        for (const QJsonValue& v : targets) {
            const QString text = v.toObject().value(QStringLiteral("target")).toString();
            QVERIFY2(std::any_of(lines.begin(), lines.end(), [&](const TargetLine& l) { return l.text == text; }),
                     qPrintable(text));
        }
    }

    void missingAndBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("contents"); // "-" for no file at all
        QTest::addColumn<QString>("problem");
        QTest::newRow("not written") << QByteArray("-") << QStringLiteral("not written");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("not a JSON object");
        QTest::newRow("cut short") << QByteArray("{\"targets\": [{\"issue\": 15, \"tar")
                                   << QStringLiteral("not a JSON object");
        QTest::newRow("an array") << QByteArray("[1, 2]") << QStringLiteral("not a JSON object");
        QTest::newRow("no targets") << QByteArray("{\"entries\": 100000}") << QStringLiteral("no \"targets\" array");
        QTest::newRow("target without issue")
            << QByteArray("{\"targets\": [{\"target\": \"EDS start-up\", \"measured\": 1.2, \"met\": true}]}")
            << QStringLiteral("\"EDS start-up\" names no issue");
        QTest::newRow("target without text")
            << QByteArray("{\"targets\": [{\"issue\": 15, \"measured\": 1.2, \"met\": true}]}")
            << QStringLiteral("target 1 has no text");
    }
    // A program that failed leaves its targets unmeasured, says why, and the other files still count.
    void missingAndBrokenFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("eds-results.json"));
        if (contents != "-")
            write(broken, contents);
        write(dir.filePath(QStringLiteral("sources-results.json")),
              QJsonDocument(figures({kCollections, kThunderbird})).toJson());

        TargetGathering g;
        g.addFile(broken);
        g.addFile(dir.filePath(QStringLiteral("sources-results.json")));
        QCOMPARE(g.problems().size(), 1);
        QVERIFY2(g.problems().first().startsWith(QStringLiteral("eds-results.json: ") + problem),
                 qPrintable(g.problems().first()));
        const QList<TargetLine> lines = g.lines();
        QCOMPARE(lines.size(), expectedTargets().size());
        QCOMPARE(int(lines.first().status), int(TargetStatus::NotMeasured));
        QCOMPARE(lines.first().source, QStringLiteral("quintel-bench-eds"));
        QCOMPARE(int(expectedLine(lines, QStringLiteral("10,000 contacts in 10")).status), int(TargetStatus::Met));
        QCOMPARE(int(expectedLine(lines, QStringLiteral("Thunderbird")).status), int(TargetStatus::NotMet));
    }

    // Each line of the section starts with its verdict; the JSON holds the same lines and the count.
    void sectionAndJson()
    {
        TargetGathering g;
        QJsonObject ratio = kThunderbird;
        ratio.insert(QStringLiteral("cpu"), 1.8);
        g.addFigures(
            figures({kCollections, ratio, kDropDown, target(16, QStringLiteral("something else judged"), 3, true)}),
            QStringLiteral("sources-results.json"));
        const QStringList section = g.format().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(section.first(),
                 QStringLiteral("targets (3 of %1 met; judged on wall time)").arg(expectedTargets().size() + 1));
        const QStringList lines = section.mid(1);
        QCOMPARE(lines.size(), expectedTargets().size() + 1);
        for (const QString& line : lines) {
            QVERIFY2(line.startsWith(QLatin1String("met ")) || line.startsWith(QLatin1String("NOT met ")),
                     qPrintable(line));
        }
        QVERIFY(
            lines.contains(QStringLiteral("NOT met                issue 16  Thunderbird book of 10,000: start-up <= 2x "
                                          "SQLite alone: 2.40x (CPU time: 1.80x)")));
        QVERIFY(
            lines.contains(QStringLiteral("met                    issue 20  drop-down at 100,000 contacts <= 50 ms: "
                                          "12.0 ms")));
        QVERIFY(lines.contains(QStringLiteral("met                    issue 16  something else judged: 3.00x")));
        QVERIFY(
            lines.contains(QStringLiteral("NOT met (not measured) issue 15  start-up with the desktop's address book "
                                          "at 10,000 contacts <= 2x its own direct read [quintel-bench-eds]")));

        const QJsonObject json = g.toJson();
        QCOMPARE(json.value(QStringLiteral("met")).toInt(), 3);
        const QJsonArray targets = json.value(QStringLiteral("targets")).toArray();
        QCOMPARE(targets.size(), lines.size());
        const QJsonObject first = targets.first().toObject();
        QCOMPARE(first.value(QStringLiteral("status")).toString(), QStringLiteral("NOT met (not measured)"));
        QVERIFY(first.value(QStringLiteral("measured")).isNull());
        QCOMPARE(first.value(QStringLiteral("met")).toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestBenchTargets)
#include "test_benchtargets.moc"
