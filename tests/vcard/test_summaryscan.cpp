// The quick summary scan against the full reader: wherever the scan answers, it answers what
// readCards and summarize give for the first card; where it cannot be sure, it declines.

#include "contactclient/vcard/summaryscan.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace vcard;

namespace {

// What the lists would show: the first card's summary by the full reader, or nothing when that
// card cannot be read.
std::optional<ContactSummary> fullSummary(QByteArrayView data)
{
    std::optional<ContactSummary> out;
    readCards(data, Detail::Summary, [&](Card& card) {
        if (card.ok())
            out = summarize(card);
        return false;
    });
    return out;
}

QString describe(const std::optional<ContactSummary>& s)
{
    if (!s)
        return QStringLiteral("(none)");
    return QStringLiteral("%1|%2|%3|%4")
        .arg(s->group ? QStringLiteral("group") : QStringLiteral("contact"), s->fileAs, s->fullName,
             s->categories.join(QLatin1Char('/')));
}

QByteArray card(const QByteArray& body)
{
    return "BEGIN:VCARD\r\nVERSION:4.0\r\n" + body + "END:VCARD\r\n";
}

} // namespace

class TestSummaryScan : public QObject {
    Q_OBJECT

private slots:
    // answered: whether the scan itself gives the summary (false: it leaves the card to the full
    // reader); summary: what both must show.
    void sameAsTheFullReader_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<QString>("summary");

        QTest::newRow("fields to be found by")
            << card("FN:Ann Lee\r\nN:Lee;Ann;Maria;;\r\nEMAIL;TYPE=work:ann@acme.de\r\nitem1.EMAIL:a.lee@x.org\r\n"
                    "TEL;TYPE=cell:+49 171\r\n 2345678\r\nTEL:tel:0221-987\r\nNICKNAME:Annie\r\nTITLE:Chef\r\n"
                    "ORG:Acme;Sales\r\nADR;TYPE=home:;;Main St 1;Berlin;;10115;DE\r\n")
            << true << "contact|Lee, Ann|Ann Lee|";
        QTest::newRow("a field in a character set")
            << card("FN:Ann\r\nTITLE;CHARSET=UTF-8:Chef\r\n") << false << "contact|Ann|Ann|";
        QTest::newRow("plain, CRLF") << card("FN:Ann Lee\r\nN:Lee;Ann;;;\r\nCATEGORIES:Work,Golf\r\n") << true
                                     << "contact|Lee, Ann|Ann Lee|Work/Golf";
        QTest::newRow("LF only") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:Ann Lee\nN:Lee;Ann;;;\nEND:VCARD\n")
                                 << true << "contact|Lee, Ann|Ann Lee|";
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + card("FN:Ann\r\nN:Lee;Ann;;;\r\n") << true
                                         << "contact|Lee, Ann|Ann|";
        QTest::newRow("folded with a space and a tab")
            << card("FN:Ann Marie\r\n  Lee\r\nN:Le\r\n e;An\r\n\tn;;;\r\nCATEGORIES:Wo\r\n rk,Go\r\n\tlf\r\n") << true
            << "contact|Lee, Ann|Ann Marie Lee|Work/Golf";
        QTest::newRow("escaped separators")
            << card("FN:Lee\\, Ann\r\nN:Lee\\;Ray;Ann\\,Marie;;;\r\nCATEGORIES:Work\\,Play,Golf\\;Club,\\\\x\r\n")
            << true << "contact|Lee;Ray, Ann,Marie|Lee, Ann|Work,Play/Golf;Club/\\x";
        QTest::newRow("parameters") << card("FN;LANGUAGE=en:Ann\r\nN;SORT-AS=\"Lee,Ann\":Lee;Ann;;;\r\n"
                                            "CATEGORIES;PID=1:Work\r\nX-A;Q=\"a:b\":c\r\n")
                                    << true << "contact|Lee, Ann|Ann|Work";
        QTest::newRow("a parameter that does not parse drops its property")
            << card("FN;X=\"open:Wrong\r\nFN:Right\r\nN:Lee;Ann;;;\r\n") << true << "contact|Lee, Ann|Right|";
        QTest::newRow("groups and lower-case names")
            << card("item1.fn:Ann\r\nITEM2.n:Lee;Ann;;;\r\nx.categories:a\r\nitem3.X-Evolution-File-As:Boss\r\n")
            << true << "contact|Boss|Ann|a";
        QTest::newRow("blank around names and values")
            << card("FN :  Ann  \r\n N-folded-into-FN\r\nN:  Lee ; Ann ;;;\r\n") << true
            << "contact|Lee, Ann|Ann  N-folded-into-FN|";
        QTest::newRow("no FN: the name from N")
            << card("N:Lee;Ann;Marie;Dr.;Jr.\r\n") << true << "contact|Lee, Ann|Dr. Ann Marie Lee Jr.|";
        QTest::newRow("empty N parts") << card("N:;Ann;;;\r\n") << true << "contact|Ann|Ann|";
        QTest::newRow("family alone") << card("FN:Lee\r\nN:Lee\r\n") << true << "contact|Lee|Lee|";
        QTest::newRow("nothing but ORG") << card("N:;;;;\r\nORG:Acme\\; Co;Sales\r\n") << true << "contact|Acme; Co||";
        QTest::newRow("first FN with text")
            << card("FN:\r\nFN:  \r\nFN:Second\r\nFN:Third\r\n") << true << "contact|Second|Second|";
        QTest::newRow("escapes in FN") << card("FN:Ann\\nLee\\:x\r\n") << true << "contact|Ann\nLee:x|Ann\nLee:x|";
        QTest::newRow("lone carriage return in a value")
            << card("FN:Ann\rLee\r\n") << true << "contact|Ann\nLee|Ann\nLee|";
        QTest::newRow("UTF-8") << card("FN:Zoë Ångström\r\nN:Ångström;Zoë;;;\r\nCATEGORIES:Ελλάδα\r\n") << true
                               << "contact|Ångström, Zoë|Zoë Ångström|Ελλάδα";
        QTest::newRow("Windows-1252 bytes") << card("FN:Caf\xE9 \x80\r\n") << true << "contact|Café €|Café €|";
        QTest::newRow("byte-order mark in a value") << card("FN:\xEF\xBB\xBF"
                                                            "Ann\r\n")
                                                    << true << "contact|Ann|Ann|";
        QTest::newRow("no-break spaces around a value") << card("FN:\xC2\xA0"
                                                                "Ann\xC2\xA0\r\n")
                                                        << true << "contact|Ann|Ann|";
        QTest::newRow("categories: blanks, repeats, empties")
            << card("CATEGORIES:,Work,, work ,Work\r\nFN:A\r\nCATEGORIES: Golf,Work\r\n") << true
            << "contact|A|A|Work/work/Golf";
        QByteArray many = "FN:A\r\nCATEGORIES:";
        for (int i = 0; i < 40; ++i)
            many += "c" + QByteArray::number(i % 25) + ",";
        QTest::newRow("many categories, repeated")
            << card(many + "\r\n") << true
            << "contact|A|A|c0/c1/c2/c3/c4/c5/c6/c7/c8/c9/c10/c11/c12/c13/c14/c15/c16/c17/c18/c19/c20/c21/c22/c23/c24";
        QTest::newRow("KIND:group") << card("KIND:group\r\nFN:Team\r\n") << true << "group|Team|Team|";
        QTest::newRow("KIND in another case, blanks")
            << card("KIND:  Group \r\nFN:Team\r\n") << true << "group|Team|Team|";
        QTest::newRow("KIND:individual") << card("KIND:individual\r\nFN:Ann\r\n") << true << "contact|Ann|Ann|";
        QTest::newRow("X-ADDRESSBOOKSERVER-KIND")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nX-ADDRESSBOOKSERVER-KIND:group\r\nFN:Team\r\nN:Team;;;;\r\n"
                          "END:VCARD\r\n")
            << true << "group|Team|Team|";
        QTest::newRow("several cards: the first")
            << card("FN:First\r\n") + card("FN:Second\r\n") << true << "contact|First|First|";
        QTest::newRow("blank lines and lines without a colon")
            << card("\r\n   \r\nFN:Ann\r\nnot a property\r\n\r\n") << true << "contact|Ann|Ann|";
        QTest::newRow("begins with a parameter")
            << QByteArray("BEGIN;X-A=1:VCARD\r\nFN:Ann\r\nEND:VCARD\r\n") << true << "contact|Ann|Ann|";
        QTest::newRow("ends in another case, with a group")
            << QByteArray("begin:vcard\r\nfn:Ann\r\nx.end:vcard\r\nFN:Later\r\n") << true << "contact|Ann|Ann|";

        // Left to the full reader.
        QTest::newRow("quoted-printable (2.1)")
            << QByteArray(
                   "BEGIN:VCARD\r\nVERSION:2.1\r\nN;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:J=C3=BCrgens;Ann;;;\r\n"
                   "FN;QUOTED-PRINTABLE:Ann J=C3=BC=\r\nrgens\r\nEND:VCARD\r\n")
            << false << "contact|Jürgens, Ann|Ann Jürgens|";
        QTest::newRow("quoted-printable elsewhere runs over the next line")
            << card("NOTE;encoding=quoted-printable:a=\r\nFN:Not a name\r\nFN:Ann\r\n") << false << "contact|Ann|Ann|";
        QTest::newRow("CHARSET") << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=ISO-8859-1:J\xFCrgen\r\n"
                                               "END:VCARD\r\n")
                                 << false << "contact|Jürgen|Jürgen|";
        QTest::newRow("embedded card") << card("FN:Ann\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Agent\r\nEND:VCARD\r\n") << false
                                       << "contact|Ann|Ann|";
        QTest::newRow("a card begun inside a card")
            << QByteArray("BEGIN:VCARD\r\nFN:Half\r\nBEGIN:VCARD\r\nFN:Whole\r\nEND:VCARD\r\n") << false << "(none)";
        QTest::newRow("no end") << QByteArray("BEGIN:VCARD\r\nFN:Ann\r\n") << false << "(none)";
        QTest::newRow("text before the card") << "junk\r\n" + card("FN:Ann\r\n") << false << "contact|Ann|Ann|";
        QTest::newRow("a name folded over lines") << card("F\r\n N:Ann\r\n") << false << "contact|Ann|Ann|";
        QTest::newRow("not a card") << QByteArray("FN:Ann\r\n") << false << "(none)";
        QTest::newRow("empty") << QByteArray() << false << "(none)";
        QByteArray huge;
        for (int i = 0; i <= kMaxPropertiesPerCard; ++i)
            huge += "X-A:1\r\n";
        QTest::newRow("too many properties") << card("FN:Ann\r\n" + huge) << false << "(none)";
    }
    void sameAsTheFullReader()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, answered);
        QFETCH(QString, summary);
        QCOMPARE(describe(fullSummary(data)), summary);
        const std::optional<ContactSummary> scanned = scanSummary(data);
        QCOMPARE(scanned.has_value(), answered);
        if (scanned) {
            QCOMPARE(describe(scanned), summary);
            QCOMPARE(scanned->searchFields, fullSummary(data)->searchFields);
        }
    }

    // Every card of the sample exports of other programs, each read from its own start.
    void sameOnTheSampleExports()
    {
        const QDir corpus(QStringLiteral(QUINTEL_TEST_DATA "/corpus"));
        int answered = 0, cards = 0;
        for (const QString& name : corpus.entryList({QStringLiteral("*.vcf")}, QDir::Files)) {
            QFile f(corpus.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray data = f.readAll();
            readCards(data, Detail::Summary, [&](Card& c) {
                const QByteArrayView one = QByteArrayView(data).sliced(c.offset);
                const std::optional<ContactSummary> scanned = scanSummary(one);
                ++cards;
                if (scanned) {
                    ++answered;
                    [&] {
                        QCOMPARE(describe(scanned), describe(fullSummary(one)));
                        QCOMPARE(scanned->searchFields, fullSummary(one)->searchFields);
                    }();
                }
                return !QTest::currentTestFailed();
            });
        }
        QVERIFY(cards >= 10);
        QVERIFY2(answered * 2 > cards, qPrintable(QStringLiteral("%1 of %2").arg(answered).arg(cards)));
    }

    // Cards with bits of vCard syntax put in at random places: the scan gives what the full
    // reader gives, or declines. The seed is fixed so that a failure repeats.
    void sameOnMangledCards()
    {
        const QByteArray base = card("item1.FN;LANGUAGE=en:Ann Marie\r\n  Lee\r\nN:Lee\\;Ray;Ann;;Dr.;\r\n"
                                     "EMAIL;TYPE=work:ann@example.com\r\nCATEGORIES:Work\\,Play, Golf,Work\r\n"
                                     "ORG:Acme;Sales\r\nKIND:individual\r\nNOTE:x\r\n");
        const QByteArray pieces[] = {";",
                                     ":",
                                     ",",
                                     "\\",
                                     "\r\n",
                                     "\r\n ",
                                     "\n\t",
                                     "\r",
                                     "=",
                                     "\"",
                                     ".",
                                     " ",
                                     "\xC3",
                                     "\xE9",
                                     "\xEF\xBB\xBF",
                                     "FN:",
                                     "N:",
                                     "KIND:group\r\n",
                                     "END:VCARD\r\n",
                                     "BEGIN:VCARD\r\n",
                                     ";QUOTED-PRINTABLE",
                                     ";CHARSET=latin1",
                                     "CATEGORIES:",
                                     "\r\nX-EVOLUTION-FILE-AS:",
                                     "AGENT:"};
        QRandomGenerator random(20261207);
        int answered = 0;
        const int samples = 4000;
        for (int i = 0; i < samples; ++i) {
            QByteArray data = base;
            const int edits = 1 + int(random.bounded(3));
            for (int e = 0; e < edits; ++e) {
                const QByteArray& piece = pieces[random.bounded(int(std::size(pieces)))];
                const int at = int(random.bounded(data.size() + 1));
                if (random.bounded(4) == 0 && at < data.size())
                    data.remove(at, 1 + int(random.bounded(3)));
                else
                    data.insert(at, piece);
            }
            const std::optional<ContactSummary> scanned = scanSummary(data);
            if (!scanned)
                continue;
            ++answered;
            const QString full = describe(fullSummary(data));
            if (describe(scanned) != full) {
                const QString what =
                    QStringLiteral("differs on %1: %2 against %3")
                        .arg(QString::fromLatin1(data.toPercentEncoding(" ")), describe(scanned), full);
                QFAIL(qPrintable(what));
            }
        }
        QVERIFY2(answered > samples / 2, qPrintable(QString::number(answered)));
    }
};

QTEST_GUILESS_MAIN(TestSummaryScan)
#include "test_summaryscan.moc"
