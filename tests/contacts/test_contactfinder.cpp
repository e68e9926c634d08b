// Finding contacts by any word of any field: folded letters (case, accents, other scripts), e-mail
// parts, numbers in every form, several words in any order; the order of what is found.

#include "contacts/contactfinder.h"
#include "contacts/textfold.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// A list of texts written as plain literals.
QStringList L(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

using Kind = contactclient::searchfields::Kind;

struct Book {
    QStringList fileAs;
    QStringList fullName;
    QStringList fields;

    // "File As|Full Name|e:mail;p:number;…" per contact.
    explicit Book(const QStringList& rows)
    {
        for (const QString& row : rows) {
            const QStringList parts = row.split(u'|');
            fileAs << parts.value(0);
            fullName << parts.value(1);
            contactclient::searchfields::Builder b;
            for (const QString& f : parts.value(2).split(u';', Qt::SkipEmptyParts))
                b.add(Kind(f.at(0).unicode()), QStringView(f).mid(2));
            fields << b.text();
        }
    }
    ContactFinder::Source source() const
    {
        ContactFinder::Source s;
        s.count = int(fileAs.size());
        s.fileAs = [this](int c) { return QStringView(fileAs.at(c)); };
        s.fullName = [this](int c) { return QStringView(fullName.at(c)); };
        s.fields = [this](int c) { return fields.at(c); };
        // Alphabetical by filing name.
        s.alphabeticalRank = [this](int c) {
            std::uint32_t rank = 0;
            for (qsizetype o = 0; o < fileAs.size(); ++o)
                rank += QString::compare(fileAs.at(o), fileAs.at(c), Qt::CaseInsensitive) < 0 ? 1 : 0;
            return rank;
        };
        return s;
    }
};

const QStringList kBook = L({
    "Müller, Jürgen|Jürgen Müller|e:j.mueller@acme.de;p:+49 171 2345678;o:Acme GmbH;a:Berlin;a:10115",
    "Kowalski, Łukasz|Łukasz Kowalski|e:lukasz+news@poczta.pl;p:0221 987654;k:Luki;a:Kraków;a:31-001",
    "Иванов, Иван|Иван Иванов|e:ivan@example.ru;c:Friends",
    "Strauß, Anna Maria|Anna Maria Strauß|n:Anna;n:Maria;n:Strauß;t:Dirigentin;a:Wien",
    "Søren Kierkegaard|Søren Kierkegaard|o:Æble A/S;a:602 00",
    "Smith, John|John Smith|e:john.smith@acme.com;p:(555) 010-9999;c:Work",
    "Acme Support|Acme Support|e:support@acme.com",
});

QStringList names(const Book& book, const std::vector<ContactFinder::Row>& rows)
{
    QStringList out;
    for (const ContactFinder::Row& r : rows)
        out << book.fileAs.at(r.contact);
    return out;
}

// 300 contacts with one to three numbers in several forms and countries, some sharing runs of
// digits, the same every time; and each contact's numbers.
std::pair<QStringList, std::vector<QStringList>> numberBook()
{
    const QStringList forms = L({"+49 171 %1", "0171 %1", "+49 30 %1", "030-%1", "0049 30 %1", "+44 20 7946 %1",
                                 "020 7946 %1", "(555) 010-%1", "0221 98%1", "+1 555 %1"});
    QStringList rows;
    std::vector<QStringList> numbersOf;
    quint32 seed = 7;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % 100000u;
    };
    for (int i = 0; i < 300; ++i) {
        QStringList numbers;
        for (int k = 0; k < 1 + i % 3; ++k)
            numbers << forms.at(qsizetype(next() % quint32(forms.size()))).arg(next(), 5, 10, QLatin1Char('0'));
        QString fields;
        for (const QString& n : numbers)
            fields += QStringLiteral("p:%1;").arg(n);
        const QString name = QString(QChar(u'a' + i % 26)) + QChar(u'a' + i / 26);
        rows << QStringLiteral("Person %1|Person %1|%2").arg(name, fields);
        numbersOf.push_back(numbers);
    }
    return {rows, numbersOf};
}

// 400 contacts whose names, e-mail addresses, numbers, organisations and places share beginnings,
// so that a query finds some by names, some by other fields and some by both, the same every time.
QStringList mixedBook()
{
    const QStringList given = L({"Ann", "Anna", "Bo", "Jo", "Sam", "Åsa", "Name"});
    const QStringList family = L({"Smith", "Annaberg", "Jones", "Søndergaard", "Öberg", "Sam"});
    const QStringList forms = L({"+49 171 %1", "0171 %1", "+49 30 %1", "030-%1", "(555) 010-%1", "+1 555 %1"});
    QStringList rows;
    quint32 seed = 11;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % 100000u;
    };
    for (int i = 0; i < 400; ++i) {
        const QString g = given.at(i % given.size());
        const QString f = family.at((i / 3) % family.size());
        const QString n = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
        QString fields;
        for (int k = 0; k < i % 3; ++k)
            fields += QStringLiteral("p:%1;").arg(
                forms.at(qsizetype(next() % quint32(forms.size()))).arg(next(), 5, 10, QLatin1Char('0')));
        fields += i % 2 == 0 ? QStringLiteral("e:%1.%2@acme.de;").arg(g, f) : QStringLiteral("e:x%1@annex.com;").arg(n);
        if (i % 5 == 0)
            fields += QStringLiteral("a:Annaberg;a:171 00;");
        if (i % 13 == 0)
            fields += QStringLiteral("o:171 Partners;");
        rows << QStringLiteral("%1, %2 %3|%2 %1 %3|%4").arg(f, g, n, fields);
    }
    return rows;
}

// Six contacts with thirty numbers each: a digit or two stand in more numbers than the index
// collects for a short list, while the contacts are few.
QStringList manyNumbersBook()
{
    QStringList rows;
    for (int c = 0; c < 6; ++c) {
        QString fields;
        for (int n = 0; n < 30; ++n)
            fields += QStringLiteral("p:+49 171 %1;").arg(1000 + c * 97 + n * 31);
        rows << QStringLiteral("Ann %1|Ann %1|%2").arg(QChar(u'F' - c), fields);
    }
    return rows;
}

} // namespace

class TestContactFinder : public QObject {
    Q_OBJECT

private slots:
    void folding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        QTest::newRow("ascii, case folded") << "John SMITH"
                                            << "john smith";
        QTest::newRow("umlauts both ways") << "Müller"
                                           << "muller mueller";
        QTest::newRow("sharp s") << "Strauß"
                                 << "strauss";
        QTest::newRow("Danish o and ae") << "Søren Æble"
                                         << "soren aeble";
        QTest::newRow("Polish l") << "Łukasz"
                                  << "lukasz";
        QTest::newRow("French accents") << "Élodie Noël"
                                        << "elodie noel";
        QTest::newRow("Cyrillic") << "Иванов"
                                  << "ivanov";
        QTest::newRow("Greek") << "Σωκράτης"
                               << "sokrates";
        QTest::newRow("e-mail parts") << "j.mueller+x@acme-corp.de"
                                      << "j mueller x acme corp de";
        QTest::newRow("apostrophe splits") << "O'Brien"
                                           << "o brien";
        QTest::newRow("empty") << ""
                               << "";
    }
    void folding()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        textfold::Folder folder;
        QStringList got;
        for (const textfold::Word& w : folder.words(text))
            got << QString::fromStdString(w.folded);
        QCOMPARE(got.join(u' '), words);
    }

    void matches_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("accent-free prefix") << "mu" << L({"Müller, Jürgen"});
        QTest::newRow("umlaut written out") << "mueller" << L({"Müller, Jürgen"});
        QTest::newRow("umlaut typed") << "Müll" << L({"Müller, Jürgen"});
        QTest::newRow("given name accent-free") << "jurg" << L({"Müller, Jürgen"});
        QTest::newRow("Polish l") << "lukasz" << L({"Kowalski, Łukasz"});
        QTest::newRow("Cyrillic by Latin") << "ivanov" << L({"Иванов, Иван"});
        QTest::newRow("Cyrillic typed") << "Иван" << L({"Иванов, Иван"});
        QTest::newRow("sharp s as ss") << "strauss" << L({"Strauß, Anna Maria"});
        QTest::newRow("middle word of a name") << "maria" << L({"Strauß, Anna Maria"});
        QTest::newRow("Danish o") << "soren" << L({"Søren Kierkegaard"});
        QTest::newRow("organisation ae") << "aeble" << L({"Søren Kierkegaard"});
        QTest::newRow("e-mail domain") << "acme" << L({"Acme Support", "Müller, Jürgen", "Smith, John"});
        QTest::newRow("e-mail local part") << "j.mueller" << L({"Müller, Jürgen"});
        QTest::newRow("e-mail after plus") << "news" << L({"Kowalski, Łukasz"});
        QTest::newRow("number international") << "+49171234" << L({"Müller, Jürgen"});
        QTest::newRow("number national") << "0171 234" << L({"Müller, Jürgen"});
        QTest::newRow("number without prefix") << "171234" << L({"Müller, Jürgen"});
        QTest::newRow("number with 00") << "0049 171 2345" << L({"Müller, Jürgen"});
        QTest::newRow("number middle digits") << "2345678" << L({"Müller, Jürgen"});
        QTest::newRow("national number by its international form") << "+49 221 987" << L({"Kowalski, Łukasz"});
        QTest::newRow("national number as written") << "0221-98" << L({"Kowalski, Łukasz"});
        QTest::newRow("number with brackets") << "(555) 010" << L({"Smith, John"});
        QTest::newRow("city") << "berl" << L({"Müller, Jürgen"});
        QTest::newRow("postal code") << "10115" << L({"Müller, Jürgen"});
        QTest::newRow("postal code with its hyphen") << "31-001" << L({"Kowalski, Łukasz"});
        QTest::newRow("postal code begun, with its hyphen") << "31-0" << L({"Kowalski, Łukasz"});
        QTest::newRow("postal code without its hyphen") << "31001" << L({"Kowalski, Łukasz"});
        QTest::newRow("postal code in two parts") << "602 00" << L({"Søren Kierkegaard"});
        QTest::newRow("postal code's first part") << "602" << L({"Søren Kierkegaard"});
        QTest::newRow("nickname") << "luki" << L({"Kowalski, Łukasz"});
        QTest::newRow("title") << "dirig" << L({"Strauß, Anna Maria"});
        QTest::newRow("category") << "friends" << L({"Иванов, Иван"});
        QTest::newRow("two words in any order") << "acme john" << L({"Smith, John"});
        QTest::newRow("two words reversed") << "john acme" << L({"Smith, John"});
        QTest::newRow("every word must match") << "john berlin" << QStringList{};
        QTest::newRow("middle of a word is no match") << "ller" << QStringList{};
        QTest::newRow("nothing") << "zzz" << QStringList{};
        QTest::newRow("blank query") << "   " << QStringList{};
    }
    void matches()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, found);
        const Book book(kBook);
        const ContactFinder finder(book.source());
        QCOMPARE(names(book, finder.find(query)), found);
    }

    void order_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("first");
        QTest::addColumn<QList<float>>("use");
        QTest::addColumn<QStringList>("found");
        const QStringList book = L({"Anders, Bo|Bo Anders|e:bo@mail.se", "Ann, Zed|Zed Ann|", "Zorro, Ann|Ann Zorro|",
                                    "Carl, Ben|Ben Carl|e:annex@acme.de"});
        QTest::newRow("names before other fields, then alphabet")
            << book << "ann" << -1 << QList<float>{} << L({"Ann, Zed", "Zorro, Ann", "Carl, Ben"});
        QTest::newRow("use before alphabet within names")
            << book << "ann" << -1 << QList<float>{0, 0, 3, 0} << L({"Zorro, Ann", "Ann, Zed", "Carl, Ben"});
        QTest::newRow("use does not lift other fields above names")
            << book << "ann" << -1 << QList<float>{0, 0, 0, 9} << L({"Ann, Zed", "Zorro, Ann", "Carl, Ben"});
        QTest::newRow("the completion's contact first")
            << book << "ann" << 3 << QList<float>{} << L({"Carl, Ben", "Ann, Zed", "Zorro, Ann"});
        QTest::newRow("more use first") << book << "a" << -1 << QList<float>{1, 2, 0.5, 0}
                                        << L({"Ann, Zed", "Anders, Bo", "Zorro, Ann", "Carl, Ben"});
    }
    void order()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, query);
        QFETCH(int, first);
        QFETCH(QList<float>, use);
        QFETCH(QStringList, found);
        const Book book(rows);
        const ContactFinder finder(book.source());
        const std::vector<float> scores(use.begin(), use.end());
        QCOMPARE(names(book, finder.find(query, {first, scores})), found);
    }

    void limit()
    {
        QStringList rows;
        for (int i = 0; i < 120; ++i)
            rows << QStringLiteral("Name %1|Name %1|").arg(i, 3, 10, QLatin1Char('0'));
        const Book book(rows);
        const ContactFinder finder(book.source());
        const auto found = finder.find(u"name");
        QCOMPARE(found.size(), size_t(50));
        QCOMPARE(book.fileAs.at(found.front().contact), QStringLiteral("Name 000"));
        QCOMPARE(book.fileAs.at(found.back().contact), QStringLiteral("Name 049"));
    }

    // A query many contacts answer is answered by a shortcut (names first, then the others in the
    // order shown, numbers checked contact by contact); a small limit takes it at a few hundred
    // contacts. Its rows must be the first rows of the same query answered in full.
    void broadQueriesAsInFull_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("first");
        for (const char* q : {"n", "name", "name 1", "acme", "171", "1", "+49", "0171 2", "ann", "de 1", "a"}) {
            QTest::newRow(q) << QString::fromUtf8(q) << -1;
            QTest::newRow(qPrintable(QStringLiteral("%1, completion's first").arg(QString::fromUtf8(q))))
                << QString::fromUtf8(q) << 321;
        }
    }
    void broadQueriesAsInFull()
    {
        QFETCH(QString, query);
        QFETCH(int, first);
        QStringList rows;
        for (int i = 0; i < 400; ++i) {
            const QString n = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
            const QString name = i % 37 == 0 ? QStringLiteral("Ann %1").arg(n) : QStringLiteral("Name %1").arg(n);
            QString fields = QStringLiteral("p:+49 171 %1").arg(n);
            if (i % 2 == 0)
                fields += QStringLiteral(";e:n%1@acme.de").arg(n);
            if (i % 5 == 0)
                fields += QStringLiteral(";a:Annaberg");
            rows << QStringLiteral("%1|%1|%2").arg(name, fields);
        }
        const Book book(rows);
        const ContactFinder finder(book.source());
        std::vector<float> use(400, 0.0f);
        for (int i = 7; i < 400; i += 53)
            use[size_t(i)] = float(i % 5 + 1);
        const ContactFinder::Ranking ranking{first, use};
        const auto full = finder.find(query, ranking, 400);
        QVERIFY2(full.size() > 3, qPrintable(QString::number(full.size())));
        for (const int limit : {1, 3}) {
            const auto few = finder.find(query, ranking, limit);
            QCOMPARE(few.size(), size_t(limit));
            for (size_t r = 0; r < few.size(); ++r) {
                QCOMPARE(book.fileAs.at(few[r].contact), book.fileAs.at(full[r].contact));
                QCOMPARE(few[r].byName, full[r].byName);
                QCOMPARE(few[r].field, full[r].field);
            }
        }
    }

    // Numbers are found by the places of their runs of three digits (and those written without
    // their country by their beginning): in a book of many numbers, a search finds exactly the
    // contacts that a book of one number each finds for the same digits.
    void numbersAsOneByOne_data()
    {
        QTest::addColumn<QString>("query");
        for (const char* q : {"171",   "1712", "+49171",  "+49 1712", "0171 2",    "0049 30 1", "+49 30",   "030 1",
                              "+4930", "221",  "0221 98", "+44 20 7", "020 7946",  "555",       "(555) 01", "99",
                              "9",     "0",    "+4",      "000",      "123456789", "4917"})
            QTest::newRow(q) << QString::fromUtf8(q);
        // Runs of the book's own numbers, as written and by their digits alone.
        const std::vector<QStringList> numbers = numberBook().second;
        for (size_t c = 0; c < numbers.size(); c += 23) {
            const QString n = numbers[c].front();
            const QString digits = QString(n).remove(QRegularExpression(QStringLiteral("[^0-9]")));
            const auto length = qsizetype(3 + c % 6);
            QTest::newRow(qPrintable(n)) << n;
            QTest::newRow(qPrintable(digits.right(length))) << digits.right(length);
            QTest::newRow(qPrintable(digits.mid(2, length))) << digits.mid(2, length);
        }
    }
    void numbersAsOneByOne()
    {
        QFETCH(QString, query);
        const auto [rows, numbersOf] = numberBook();
        const Book book(rows);
        const ContactFinder finder(book.source());
        QList<qsizetype> found;
        for (const ContactFinder::Row& r : finder.find(query, {}, 1000))
            found << qsizetype(r.contact);
        std::sort(found.begin(), found.end());
        QList<qsizetype> expected;
        for (qsizetype c = 0; c < rows.size(); ++c) {
            for (const QString& n : numbersOf[size_t(c)]) {
                const Book one({QStringLiteral("X|X|p:%1").arg(n)});
                if (!ContactFinder(one.source()).find(query).empty()) {
                    expected << c;
                    break;
                }
            }
        }
        QCOMPARE(found, expected);
    }

    // What the index finds, in its order, is what each contact alone says of the query, ranked by
    // the completion's contact, names before other fields, use, then the alphabet: whichever way
    // the index takes (names merged, the alphabet read, a word's or a number's contacts read in
    // order until the list is full), at every length of the list.
    void sameAsOneByOne_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("query");
        // 0: none, 1: a completion's contact and use, 2: a category, 3: use without the list of
        // contacts used
        QTest::addColumn<int>("ranking");
        for (const char* q : {"ann", "a",  "annaberg", "acme",    "171",       "0171 2",  "+49 30", "555",
                              "9",   "17", "ann 171",  "171 ann", "acme 0",    "jo s",    "s jo",   "name 1",
                              "zzz", "+4", "00",       "010",     "asa oberg", "sam sam", "x0",     "x"})
            for (const int ranking : {0, 1, 2, 3})
                QTest::newRow(qPrintable(QStringLiteral("%1, ranking %2").arg(QString::fromUtf8(q)).arg(ranking)))
                    << mixedBook() << QString::fromUtf8(q) << ranking;
        for (const char* q : {"1", "17", "0", "ann 1", "2 ann"})
            for (const int ranking : {0, 1})
                QTest::newRow(
                    qPrintable(QStringLiteral("%1, many numbers, ranking %2").arg(QString::fromUtf8(q)).arg(ranking)))
                    << manyNumbersBook() << QString::fromUtf8(q) << ranking;
    }
    void sameAsOneByOne()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, query);
        QFETCH(int, ranking);
        const Book book(rows);
        const ContactFinder::Source source = book.source();
        const ContactFinder finder(source);
        std::vector<float> use(rows.size(), 0.0f);
        std::vector<std::uint32_t> used;
        std::vector<char> members;
        ContactFinder::Ranking rank;
        if (ranking == 1) {
            for (std::uint32_t c = 5; c < rows.size(); c += 31) {
                use[c] = float(c % 4 + 1);
                used.push_back(c);
            }
            rank = ContactFinder::Ranking(262, use, used);
        } else if (ranking == 3) {
            for (std::uint32_t c = 3; c < rows.size(); c += 17)
                use[c] = float(c % 3 + 1);
            rank = ContactFinder::Ranking(-1, use);
        } else if (ranking == 2) {
            for (qsizetype c = 0; c < rows.size(); ++c)
                members.push_back(c % 3 != 1 ? 1 : 0);
            rank.members = members;
        }

        struct Expected {
            int tier;
            float use;
            std::uint32_t rank;
            qsizetype contact;
            ContactFinder::Row row;
        };
        std::vector<Expected> expected;
        for (qsizetype c = 0; c < rows.size(); ++c) {
            if (!members.empty() && !members[size_t(c)])
                continue;
            const auto alone = ContactFinder(Book({rows.at(c)}).source()).find(query);
            if (alone.empty())
                continue;
            const int tier = c == rank.first ? 0 : alone.front().byName ? 1 : 2;
            expected.push_back({tier, use[size_t(c)], source.alphabeticalRank(int(c)), c, alone.front()});
        }
        std::sort(expected.begin(), expected.end(), [](const Expected& a, const Expected& b) {
            return std::tie(a.tier, b.use, a.rank) < std::tie(b.tier, a.use, b.rank);
        });
        for (const int limit : {1, 7, 50, 400}) {
            const auto found = finder.find(query, rank, limit);
            QCOMPARE(found.size(), std::min(expected.size(), size_t(limit)));
            for (size_t r = 0; r < found.size(); ++r) {
                const QString at = QStringLiteral("limit %1, row %2").arg(limit).arg(r);
                QVERIFY2(qsizetype(found[r].contact) == expected[r].contact,
                         qPrintable(at + QStringLiteral(": ") + book.fileAs.at(found[r].contact) +
                                    QStringLiteral(" instead of ") + book.fileAs.at(expected[r].contact)));
                QVERIFY2(found[r].byName == expected[r].row.byName, qPrintable(at));
                QVERIFY2(found[r].field == expected[r].row.field, qPrintable(at));
            }
        }
    }

    void shownField_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("value"); // the field shown beside the name, matched part in []
        QTest::newRow("names: no field") << "jurgen"
                                         << "";
        QTest::newRow("e-mail") << "acme.de"
                                << "j.mueller@[acme].de";
        QTest::newRow("e-mail, accent-free name part") << "mue"
                                                       << "";
        QTest::newRow("number, national form") << "0171 234"
                                               << "+49 [171 234]5678";
        QTest::newRow("number, international form") << "+4917"
                                                    << "+[49 17]1 2345678";
        QTest::newRow("organisation") << "gmbh"
                                      << "Acme [GmbH]";
        QTest::newRow("city") << "ber"
                              << "[Ber]lin";
        QTest::newRow("name and city") << "jurgen berlin"
                                       << "[Berlin]";
        QTest::newRow("postal code by its digits") << "31001"
                                                   << "[31-001]";
        QTest::newRow("postal code begun") << "31-0"
                                           << "[31-0]01";
    }
    void shownField()
    {
        QFETCH(QString, query);
        QFETCH(QString, value);
        const Book book(kBook);
        const ContactFinder::Source source = book.source();
        const ContactFinder finder(source);
        const auto found = finder.find(query);
        QCOMPARE(found.size(), size_t(1));
        QCOMPARE(found.front().byName, value.isEmpty());
        if (value.isEmpty()) {
            QCOMPARE(found.front().field, -1);
            return;
        }
        Kind kind{};
        QString text;
        QVERIFY(ContactFinder::fieldAt(source, int(found.front().contact), found.front().field, kind, text));
        const ContactFinder::Mark mark = ContactFinder::markIn(query, kind, text);
        QVERIFY(mark.length > 0);
        text.insert(mark.start + mark.length, u']');
        text.insert(mark.start, u'[');
        QCOMPARE(text, value);
    }
};

QTEST_GUILESS_MAIN(TestContactFinder)
#include "test_contactfinder.moc"
