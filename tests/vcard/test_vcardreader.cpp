// The reader's rules: line ends, unfolding, parameters, groups, escapes, quoted-printable,
// character sets, card boundaries, and bounded work on hostile input.

#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/vcardreader.h"

#include "textlists.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vcard;
using namespace Qt::StringLiterals;

namespace {

QList<Card> readAll(const QByteArray& data, Detail detail = Detail::Full)
{
    QList<Card> cards;
    readCards(data, detail, [&](Card& c) {
        cards.append(c);
        return true;
    });
    return cards;
}

QByteArray card(const QByteArray& lines)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "\r\nEND:VCARD\r\n";
}

QByteArray utf16le(const QString& s)
{
    QByteArray out;
    for (QChar c : s) {
        out.append(static_cast<char>(c.unicode() & 0xFF));
        out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

} // namespace

class TestVCardReader : public QObject {
    Q_OBJECT

private slots:
    void testPropertyText_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("expected");

        QTest::newRow("CRLF") << card("FN:Ann Lee") << QByteArray("FN") << u"Ann Lee"_s;
        QTest::newRow("LF") << QByteArray("BEGIN:VCARD\nFN:Ann Lee\nEND:VCARD\n") << QByteArray("FN") << u"Ann Lee"_s;
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF") + card("FN:Ann") << QByteArray("FN") << u"Ann"_s;
        QTest::newRow("no final line end")
            << QByteArray("BEGIN:VCARD\nFN:Ann\nEND:VCARD") << QByteArray("FN") << u"Ann"_s;
        QTest::newRow("fold with space") << card("NOTE:one \r\n two") << QByteArray("NOTE") << u"one two"_s;
        QTest::newRow("fold with tab") << card("NOTE:one\r\n\ttwo") << QByteArray("NOTE") << u"onetwo"_s;
        QTest::newRow("fold inside UTF-8 sequence")
            << card("FN:J\xC3\r\n \xBCrgen") << QByteArray("FN") << u"J\u00FCrgen"_s;
        QTest::newRow("folded name") << card("CATEG\r\n ORIES:Work") << QByteArray("CATEGORIES") << u"Work"_s;
        QTest::newRow("escapes") << card("NOTE:a\\nb\\Nc\\,d\\;e\\\\f\\:g") << QByteArray("NOTE")
                                 << u"a\nb\nc,d;e\\f:g"_s;
        QTest::newRow("unknown escape stays") << card("NOTE:C:\\temp") << QByteArray("NOTE") << u"C:\\temp"_s;
        QTest::newRow("lower-case name") << card("fn:ann") << QByteArray("FN") << u"ann"_s;
        QTest::newRow("group") << card("item1.EMAIL;type=INTERNET:a@b.example") << QByteArray("EMAIL")
                               << u"a@b.example"_s;
        QTest::newRow("quoted parameter with colon") << card("FN;X-A=\"x:y;z\":Ann") << QByteArray("FN") << u"Ann"_s;
        QTest::newRow("value with colon")
            << card("URL:http://a.example/") << QByteArray("URL") << u"http://a.example/"_s;
        QTest::newRow("QP with charset") << card("FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=BCrgen")
                                         << QByteArray("FN") << u"J\u00FCrgen"_s;
        QTest::newRow("QP soft break") << card("NOTE;ENCODING=QUOTED-PRINTABLE:caf=C3=A9 =\r\nau lait")
                                       << QByteArray("NOTE") << u"caf\u00E9 au lait"_s;
        QTest::newRow("QP soft break, LF")
            << QByteArray("BEGIN:VCARD\nNOTE;QUOTED-PRINTABLE:ab=\ncd=0D=0Aef\nEND:VCARD\n") << QByteArray("NOTE")
            << u"abcd\nef"_s;
        QTest::newRow("QP soft break, next line blank-led")
            << card("NOTE;ENCODING=QUOTED-PRINTABLE:one=\r\n two") << QByteArray("NOTE") << u"one two"_s;
        QTest::newRow("QP Latin-1") << card("FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Jos=E9")
                                    << QByteArray("FN") << u"Jos\u00E9"_s;
        QTest::newRow("QP malformed escape stays")
            << card("NOTE;ENCODING=QUOTED-PRINTABLE:a=ZZb") << QByteArray("NOTE") << u"a=ZZb"_s;
        QTest::newRow("QP lower-case hex")
            << card("NOTE;encoding=quoted-printable:a=3db") << QByteArray("NOTE") << u"a=b"_s;
        QTest::newRow("invalid UTF-8 is Windows-1252")
            << card("FN:Caf\xE9 \x80 \x93ok\x94") << QByteArray("FN") << u"Caf\u00E9 \u20AC \u201Cok\u201D"_s;
        QTest::newRow("declared UTF-8 but invalid")
            << card("FN;CHARSET=UTF-8:Ren\xE9") << QByteArray("FN") << u"Ren\u00E9"_s;
        QTest::newRow("unknown charset, valid UTF-8")
            << card("FN;CHARSET=X-UNHEARD-OF:\xE5\xB1\xB1") << QByteArray("FN") << u"\u5C71"_s;
        QTest::newRow("unknown charset, Windows-1252")
            << card("FN;CHARSET=X-UNHEARD-OF:\x80 5") << QByteArray("FN") << u"\u20AC 5"_s;
        // Charsets of phones' and old programs' exports, decoded as declared.
        auto charset = [](const char* tag, const QByteArray& cs, const QByteArray& bytes, const QString& text) {
            QTest::newRow(tag) << card("FN;CHARSET=" + cs + ":" + bytes) << QByteArray("FN") << text;
        };
        charset("Shift_JIS", "SHIFT_JIS", "\x8E\x52\x93\x63", u"\u5C71\u7530"_s);
        charset("EUC-JP", "EUC-JP", "\xBB\xB3", u"\u5C71"_s);
        charset("GB18030", "GB18030", "\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"_s);
        charset("Big5", "Big5", "\xA4\xA4\xA4\xE5", u"\u4E2D\u6587"_s);
        charset("KOI8-R", "KOI8-R", "\xF0\xD2\xC9\xD7\xC5\xD4", u"\u041F\u0440\u0438\u0432\u0435\u0442"_s);
        charset("ISO-8859-2", "ISO-8859-2", "\xA3\xF3\x64\xBC", u"\u0141\u00F3d\u017A"_s);
        charset("ISO-8859-7", "ISO-8859-7", "\xC1\xE8\xDE\xED\xE1", u"\u0391\u03B8\u03AE\u03BD\u03B1"_s);
        charset("Windows-1251", "WINDOWS-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", u"\u041F\u0440\u0438\u0432\u0435\u0442"_s);
        charset("Windows-1250", "windows-1250", "\xA3\xF3\x64\x9F", u"\u0141\u00F3d\u017A"_s);
        charset("Shift_JIS quoted-printable", "SHIFT_JIS;ENCODING=QUOTED-PRINTABLE", "=8E=52=93=63", u"\u5C71\u7530"_s);
    }

    void testPropertyText()
    {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, name);
        QFETCH(QString, expected);
        const QList<Card> cards = readAll(data);
        QCOMPARE(cards.size(), 1);
        QVERIFY2(cards[0].ok(), qPrintable(cards[0].error));
        const Property* p = cards[0].first(name);
        QVERIFY(p);
        QCOMPARE(propertyText(*p), expected);
    }

    void testParameters_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("types");
        QTest::addColumn<int>("pref");
        QTest::addColumn<QByteArray>("encoding");

        QTest::newRow("bare 2.1 types") << QByteArray("TEL;HOME;VOICE:1") << QByteArray("home,voice") << 0
                                        << QByteArray();
        QTest::newRow("comma list") << QByteArray("TEL;TYPE=home,voice:1") << QByteArray("home,voice") << 0
                                    << QByteArray();
        QTest::newRow("repeated TYPE") << QByteArray("TEL;type=HOME;type=VOICE:1") << QByteArray("home,voice") << 0
                                       << QByteArray();
        QTest::newRow("quoted list") << QByteArray("TEL;TYPE=\"work,voice\":1") << QByteArray("work,voice") << 0
                                     << QByteArray();
        QTest::newRow("TYPE=pref") << QByteArray("TEL;TYPE=CELL;TYPE=pref:1") << QByteArray("cell") << 1
                                   << QByteArray();
        QTest::newRow("bare PREF") << QByteArray("EMAIL;PREF;INTERNET:a@b") << QByteArray("internet") << 1
                                   << QByteArray();
        QTest::newRow("PREF=2") << QByteArray("EMAIL;PREF=2:a@b") << QByteArray() << 2 << QByteArray();
        QTest::newRow("bare encoding") << QByteArray("NOTE;QUOTED-PRINTABLE:x") << QByteArray() << 0
                                       << QByteArray("QUOTED-PRINTABLE");
        QTest::newRow("3.0 base64") << QByteArray("PHOTO;ENCODING=b;TYPE=JPEG:AAAA") << QByteArray("jpeg") << 0
                                    << QByteArray("B");
        QTest::newRow("unknown parameters ignored")
            << QByteArray("TEL;X-EVOLUTION-UI-SLOT=1;TYPE=WORK:1") << QByteArray("work") << 0 << QByteArray();
    }

    void testParameters()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, types);
        QFETCH(int, pref);
        QFETCH(QByteArray, encoding);
        Property p;
        QVERIFY(parseProperty(line, p));
        QCOMPARE(p.params.types.join(','), types);
        QCOMPARE(p.params.pref, pref);
        QCOMPARE(p.params.encoding, encoding);
    }

    void testCards_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("names");  // FN of each readable card
        QTest::addColumn<QStringList>("errors"); // "index: reason" of each card that cannot be read

        const QByteArray a = card("FN:A");
        const QByteArray b = card("FN:B");
        QTest::newRow("several cards") << a + b << sl({"A", "B"}) << QStringList{};
        QTest::newRow("text around cards") << "junk\r\n" + a + "more junk\r\n" + b << sl({"A", "B"}) << QStringList{};
        QTest::newRow("lower-case begin and end")
            << QByteArray("begin:vcard\nFN:A\nend:vcard\n") << sl({"A"}) << QStringList{};
        QTest::newRow("truncated last card") << a + "BEGIN:VCARD\r\nFN:B\r\n"
                                             << sl({"A"}) << sl({"2: card not terminated (no END:VCARD)"});
        QTest::newRow("card without END before the next")
            << "BEGIN:VCARD\r\nFN:X\r\n" + b << sl({"B"}) << sl({"1: card not terminated (no END:VCARD)"});
        QTest::newRow("embedded agent card")
            << QByteArray("BEGIN:VCARD\nFN:Boss\nAGENT:\nBEGIN:VCARD\nFN:Assistant\nEND:VCARD\nEMAIL:b@x\nEND:VCARD\n")
            << sl({"Boss"}) << QStringList{};
        QTest::newRow("unindented 2.1 base64 lines are ignored")
            << QByteArray(
                   "BEGIN:VCARD\nVERSION:2.1\nPHOTO;ENCODING=BASE64;JPEG:AAAA\nBBBBCCCC\nDDDD\n\nFN:A\nEND:VCARD\n")
            << sl({"A"}) << QStringList{};
        QTest::newRow("QP soft break before END")
            << QByteArray("BEGIN:VCARD\nNOTE;ENCODING=QUOTED-PRINTABLE:x=\nEND:VCARD\n") + b << sl({"", "B"})
            << QStringList{};
        QTest::newRow("nothing") << QByteArray() << QStringList{} << QStringList{};
        QTest::newRow("UTF-16 with byte-order mark")
            << toUtf8Data(QByteArray("\xFF\xFE") + utf16le(u"BEGIN:VCARD\r\nFN:Zo\u00EB\r\nEND:VCARD\r\n"_s))
            << QStringList{u"Zo\u00EB"_s} << QStringList{};
    }

    void testCards()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, names);
        QFETCH(QStringList, errors);
        QStringList gotNames, gotErrors;
        for (const Card& c : readAll(data)) {
            if (c.ok())
                gotNames.append(summarize(c).fullName);
            else
                gotErrors.append(u"%1: %2"_s.arg(c.index).arg(c.error));
        }
        QCOMPARE(gotNames, names);
        QCOMPARE(gotErrors, errors);
    }

    void testCardOffsets()
    {
        const QByteArray a = card("FN:A");
        const QByteArray data = "junk\n" + a + card("FN:B");
        const QList<Card> cards = readAll(data, Detail::Summary);
        QCOMPARE(cards.size(), 2);
        QCOMPARE(cards[1].index, 2);
        // The recorded bytes of a card read back as that card alone.
        const QList<Card> again = readAll(data.mid(cards[1].offset, cards[1].length));
        QCOMPARE(again.size(), 1);
        QCOMPARE(summarize(again[0]).fullName, u"B"_s);
    }

    // A summary read keeps what the lists and the list of matches need (the names, categories and
    // the fields a contact is found by, such as its e-mail addresses), never a photo or a note.
    void testSummaryKeepsOnlyListProperties()
    {
        const QList<Card> cards =
            readAll(card("FN:A\r\nEMAIL:a@b\r\nPHOTO;ENCODING=b:AAAA\r\nNOTE:long\r\nCATEGORIES:X"), Detail::Summary);
        QCOMPARE(cards.size(), 1);
        QVERIFY(cards[0].first("FN") && cards[0].first("CATEGORIES") && cards[0].first("EMAIL"));
        QVERIFY(!cards[0].first("PHOTO") && !cards[0].first("NOTE"));
    }

    // The lists are built from a summary read: each card must come out of it with the same names,
    // categories and type as from a read of the whole card.
    void testSummaryMatchesFullRead_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QDir corpus(QStringLiteral(QUINTEL_TEST_DATA "/corpus"));
        const QStringList files = corpus.entryList({u"*.vcf"_s}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            QFile f(corpus.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(name)) << toUtf8Data(f.readAll());
        }
        QTest::newRow("names in lower case, with groups") << card(
            "item1.fn:Ann Lee\r\nitem2.n:Lee;Ann;;;\r\nx-evolution-file-as:Lee\\, A.\r\ncategories:a,b\r\nKind:Group");
        QTest::newRow("names that only start like kept ones")
            << card("FNX:no\r\nNOTE:n\r\nORGANIZATION:o\r\nNICKNAME:x\r\nN:Real;Name;;;\r\nX-EVOLUTION-FILE-ASX:no");
        QTest::newRow("folded name") << card("F\r\n N:Folded Name\r\nN:Name;Folded;;;");
        QTest::newRow("quoted-printable name")
            << card("N;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:M=C3=BCller;J=\r\nohn;;;\r\nTEL:1");
        QTest::newRow("photo before the name")
            << card("PHOTO;ENCODING=b;TYPE=JPEG:" + QByteArray("QUJDRA==").repeated(10) +
                    QByteArray("\r\n QUJDRA==").repeated(40) + "\r\nFN:After Photo");
        QTest::newRow("2.1 photo continuation lines")
            << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nPHOTO;JPEG;ENCODING=BASE64:\r\n "
                          "AAAA\r\n\r\nN;CHARSET=ISO-8859-1:M\xfcller;Hans\r\nEND:VCARD\r\n");
        QTest::newRow("embedded agent card")
            << card("AGENT:\r\nBEGIN:VCARD\r\nFN:Agent\r\nEND:VCARD\r\nFN:Owner\r\nCATEGORIES:Own");
        QTest::newRow("server group") << card(
            "X-ADDRESSBOOKSERVER-KIND:group\r\nFN:Team\r\nX-ADDRESSBOOKSERVER-MEMBER:urn:uuid:1");
        QTest::newRow("organisation only") << card("ORG:Acme\\; Co;Sales\r\nCATEGORIES:Work\\,Home,work, ,Work");
        QTest::newRow("escaped separators") << card("N:O\\;Brien;Pat;;;\r\nCATEGORIES:a\\,b,c");
        QTest::newRow("Windows-1252 text") << card("FN:M\xfcller \x80\r\nN:M\xfcller;;;;");
        QTest::newRow("byte-order mark, LF line ends, two cards") << QByteArray(
            "\xEF\xBB\xBF"
            "BEGIN:VCARD\nVERSION:4.0\nFN:One\nEND:VCARD\nBEGIN:VCARD\nVERSION:4.0\nKIND:org\nORG:Two\nEND:VCARD\n");
        QTest::newRow("unterminated card after a good one") << card("FN:Good") + "BEGIN:VCARD\r\nFN:Cut";
    }

    void testSummaryMatchesFullRead()
    {
        QFETCH(QByteArray, data);
        const QList<Card> summary = readAll(data, Detail::Summary);
        const QList<Card> full = readAll(data, Detail::Full);
        QVERIFY(!summary.isEmpty());
        QCOMPARE(summary.size(), full.size());
        for (qsizetype i = 0; i < summary.size(); ++i) {
            QCOMPARE(summary[i].index, full[i].index);
            QCOMPARE(summary[i].offset, full[i].offset);
            QCOMPARE(summary[i].length, full[i].length);
            QCOMPARE(summary[i].error, full[i].error);
            const ContactSummary s = summarize(summary[i]);
            const ContactSummary f = summarize(full[i]);
            QCOMPARE(s.group, f.group);
            QCOMPARE(s.fileAs, f.fileAs);
            QCOMPARE(s.fullName, f.fullName);
            QCOMPARE(s.categories, f.categories);
        }
    }

    // Hostile input: every case must finish, read what can be read and keep its memory in bounds.
    void testHostileInput_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("readable");
        QTest::addColumn<int>("unreadable");

        QByteArray garbage(50 * 1024 * 1024, Qt::Uninitialized);
        quint32 x = 12345;
        for (char& c : garbage) {
            x = x * 1103515245u + 12345u;
            c = static_cast<char>(x >> 24);
        }
        QTest::newRow("50 MB of garbage") << garbage << 0 << 0;
        QTest::newRow("10 MB line") << card("NOTE:" + QByteArray(10 * 1024 * 1024, 'x')) << 1 << 0;
        QTest::newRow("10 MB folded line")
            << card("NOTE:" + QByteArray(5 * 1024 * 1024, 'x').replace("xxxxxxxx", "xx\r\n xxxx")) << 1 << 0;
        QTest::newRow("10 MB of parameters")
            << card("TEL" + QByteArray(10 * 1024 * 1024 / 3, ';').replace(";", ";a=") + ":1") << 1 << 0;
        QTest::newRow("folded soft breaks without a colon")
            << card("X" + QByteArray("x=\r\n ").repeated(1024 * 1024)) << 1 << 0;
        QTest::newRow("10 MB quoted-printable header")
            << card("X;" + QByteArray(10 * 1024 * 1024, 'a') + ";QUOTED-PRINTABLE:=\r\n" +
                    QByteArray("=\r\n").repeated(100000) + "x")
            << 1 << 0;
        QTest::newRow("unclosed quote") << card("TEL;TYPE=\"" + QByteArray(1024 * 1024, 'a') + ":1\r\nFN:A") << 1 << 0;
        QByteArray many;
        for (int i = 0; i < kMaxPropertiesPerCard + 1; ++i)
            many += "CATEGORIES:x\r\n";
        QTest::newRow("too many properties") << card(many) + card("FN:B") << 1 << 1;
        QByteArray cards;
        for (int i = 0; i < 100000; ++i)
            cards += "BEGIN:VCARD\nVERSION:3.0\nFN:Person " + QByteArray::number(i) + "\nN:" + QByteArray::number(i) +
                     ";Person;;;\nEMAIL:p" + QByteArray::number(i) + "@example.com\nEND:VCARD\n";
        QTest::newRow("100,000 cards") << cards << 100000 << 0;
        QTest::newRow("only BEGIN lines")
            << QByteArray("BEGIN:VCARD\n").repeated(kMaxCardsPerFile + 10) << 0 << kMaxCardsPerFile + 1;
    }

    void testHostileInput()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, readable);
        QFETCH(int, unreadable);
        for (Detail detail : {Detail::Summary, Detail::Full}) {
            int ok = 0, bad = 0;
            readCards(data, detail, [&](Card& c) {
                (c.ok() ? ok : bad)++;
                if (c.ok())
                    summarize(c);
                return true;
            });
            QCOMPARE(ok, readable);
            QCOMPARE(bad, unreadable);
        }
    }
};

QTEST_GUILESS_MAIN(TestVCardReader)
#include "test_vcardreader.moc"
