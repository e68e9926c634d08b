// The search list's index answers exactly what a scan of the list answers.

#include "contacts/searchlist.h"

#include <QRandomGenerator>

#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The rule as stated: the first entry, in list order, beginning with the text, letter case
// ignored; an empty text matches nothing.
qsizetype scan(const QStringList& entries, const QString& text)
{
    for (qsizetype i = 0; i < entries.size() && !text.isEmpty(); ++i) {
        if (entries.at(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

SearchList indexed(const QStringList& entries)
{
    SearchList list;
    for (const QString& e : entries)
        list.append(e);
    list.finish();
    return list;
}

// The same entries referred to in texts kept elsewhere, with other texts between them (as a
// folder's records hold the names of contact groups too).
SearchList referring(const QStringList& entries, std::shared_ptr<PackedTexts>& kept)
{
    kept = std::make_shared<PackedTexts>();
    SearchList list;
    for (const QString& e : entries) {
        kept->append(u"Zz"_s);
        kept->append(e);
        list.append(kept, kept->count() - 1);
    }
    list.finish();
    return list;
}

// The reference: Qt's own simple case folding of the whole text, but for a lone half of a
// surrogate pair, which the search list keeps as it is where Qt writes U+FFFD.
QString folded(const QString& text)
{
    QString f = text.toCaseFolded();
    for (qsizetype i = 0; i < f.size(); ++i)
        if (text.at(i).isSurrogate() && f.at(i) == QChar::ReplacementCharacter)
            f[i] = text.at(i);
    return f;
}

} // namespace

class TestSearchIndex : public QObject {
    Q_OBJECT

private slots:
    void randomListsAgreeWithAScan()
    {
        // Few letters, so that prefixes are shared and names repeat: both cases, letters beyond
        // Latin-1 and beyond the basic plane, and empty names.
        const QStringList letters = u"a A b é É ü Ü ß ẞ σ ς Σ д Д İ ı i \U00010400 \U00010428 ,"_s.split(u' ')
                                    << u" "_s;
        QRandomGenerator rng(20261206);
        auto word = [&](int maxLength) {
            QString w;
            for (int n = int(rng.bounded(maxLength + 1)); n > 0; --n)
                w += letters.at(rng.bounded(letters.size()));
            return w;
        };
        for (int round = 0; round < 3000; ++round) {
            QStringList entries;
            // Now and then a longer list, so that a subset's renumbering spans several words of bits.
            for (int n = int(rng.bounded(round % 50 == 0 ? 300 : 40)); n > 0; --n)
                entries << (!entries.isEmpty() && rng.bounded(5) == 0 ? entries.at(rng.bounded(entries.size()))
                                                                      : word(6));
            const SearchList list = indexed(entries);
            QVERIFY(list.isIndexed());
            SearchList unfinished = list; // searched by a scan until finished again
            unfinished.append(QString());
            std::shared_ptr<PackedTexts> texts;
            const SearchList kept = referring(entries, texts);
            // Every other entry, of the list that refers to texts kept elsewhere.
            QStringList partEntries;
            std::vector<std::uint32_t> positions;
            for (qsizetype i = 1; i < entries.size(); i += 2) {
                partEntries << entries.at(i);
                positions.push_back(std::uint32_t(i));
            }
            const SearchList part = SearchList::subset(kept, positions);
            for (int q = 0; q < 12; ++q) {
                QString text = word(4);
                if (!entries.isEmpty() && rng.bounded(3) != 0) {
                    // A prefix of an entry (possibly cutting a surrogate pair), sometimes recased.
                    const QString e = entries.at(rng.bounded(entries.size()));
                    text = e.left(rng.bounded(e.size() + 1));
                    text = rng.bounded(3) == 0 ? text.toUpper() : rng.bounded(2) ? text.toLower() : text;
                }
                QCOMPARE(unfinished.findString(text), list.findString(text));
                QCOMPARE(kept.findString(text), list.findString(text));
                QCOMPARE(part.findString(text), scan(partEntries, text));
                if (list.findString(text) != scan(entries, text))
                    QFAIL(qPrintable(u"[%1] \"%2\": %3, scan %4"_s.arg(entries.join(u'|'), text)
                                         .arg(list.findString(text))
                                         .arg(scan(entries, text))));
            }
        }
    }

    void foldingAsComparedAgreesWithAFoldedCopy()
    {
        // The entries are folded a code unit at a time as they are compared: each unit, and the
        // order of two texts, as Qt's folded copy of the whole text has them (pairs of surrogates,
        // lone halves and letters whose folding leaves the basic plane included).
        const QStringList letters = u"a Z é É ß ẞ Σ ς İ ı \U00010400 \U00010428 \U0001E900 ǅ ﬀ"_s.split(u' ')
                                    << QString(QChar(0xD801)) << QString(QChar(0xDC00)) << u" "_s;
        QRandomGenerator rng(20261208);
        auto word = [&] {
            QString w;
            for (int n = int(rng.bounded(7)); n > 0; --n)
                w += letters.at(rng.bounded(letters.size()));
            return w;
        };
        for (int round = 0; round < 5000; ++round) {
            const QString a = word();
            const QString b = word();
            const QString fa = folded(a);
            for (qsizetype i = 0; i < a.size(); ++i)
                QCOMPARE(SearchList::foldedAt(a, i), fa.at(i).unicode());
            const int expected = fa.compare(folded(b)); // code unit by code unit
            QCOMPARE(SearchList::compareFolded(a, b) < 0, expected < 0);
            QCOMPARE(SearchList::compareFolded(a, b) == 0, expected == 0);
        }
    }

    void referredTextsAreSharedAndNeverChanged()
    {
        // A list refers to texts kept elsewhere, and its subset to the same; adding to either
        // copies them first, and the texts referred to stay as they were.
        std::shared_ptr<PackedTexts> texts;
        const QStringList names{u"Müller, Jürgen"_s, u"Jürgen Müller"_s, u"Иванов, Иван"_s, u"Иван Иванов"_s};
        const SearchList list = referring(names, texts);
        const PackedTexts before = *texts;
        QVERIFY(list.refersTo(*texts));
        QCOMPARE(list.entries(), names);
        SearchList part = SearchList::subset(list, {2, 3});
        QVERIFY(part.refersTo(*texts));
        QCOMPARE(part.findString(u"ив"_s), 0);
        QCOMPARE(part.findString(u"jü"_s), -1);

        part.append(u"Ivanova, Anna"_s);
        part.finish();
        QVERIFY(!part.refersTo(*texts));
        QCOMPARE(part.entries(), QStringList({u"Иванов, Иван"_s, u"Иван Иванов"_s, u"Ivanova, Anna"_s}));
        SearchList copy = list;
        copy.append(u"Another"_s);
        QCOMPARE(list.entries(), names);
        QCOMPARE(list.findString(u"иван "_s), 3);
        QVERIFY(*texts == before);

        // A list of its own texts and a subset sharing them: adding to the list leaves the subset
        // as it was.
        SearchList own = indexed(names);
        const SearchList ownPart = SearchList::subset(own, {0});
        own.append(u"Zeta"_s);
        QCOMPARE(ownPart.entries(), QStringList{u"Müller, Jürgen"_s});
        QCOMPARE(own.count(), 5);
    }

    void exactLookupAgreesWithATable()
    {
        // The name index looks names up exactly through the search list: the first entry with the very
        // text (letter case counting), and one count per distinct text. Few letters, so that names
        // repeat and differ only in letter case.
        const QStringList letters = u"a A é É ß ẞ σ Σ ς İ i ı \U00010400 \U00010428"_s.split(u' ') << u" "_s;
        QRandomGenerator rng(7);
        auto word = [&](int maxLength) {
            QString w;
            for (int n = int(rng.bounded(maxLength + 1)); n > 0; --n)
                w += letters.at(rng.bounded(letters.size()));
            return w;
        };
        for (int round = 0; round < 2000; ++round) {
            QStringList entries;
            QHash<QString, qsizetype> first;
            for (int n = int(rng.bounded(40)); n > 0; --n) {
                QString e =
                    !entries.isEmpty() && rng.bounded(4) == 0 ? entries.at(rng.bounded(entries.size())) : word(3);
                if (rng.bounded(4) == 0)
                    e = e.toUpper();
                first.insert(e, first.value(e, entries.size()));
                entries << e;
            }
            const SearchList list = indexed(entries);
            SearchList unfinished = list; // looked up by a scan until finished again
            if (!entries.isEmpty())
                unfinished.append(entries.first());
            QCOMPARE(list.distinctCount(), first.size());
            QCOMPARE(unfinished.distinctCount(), first.size());
            for (int q = 0; q < 12; ++q) {
                const QString text =
                    !entries.isEmpty() && rng.bounded(2) ? entries.at(rng.bounded(entries.size())) : word(3);
                if (list.findExact(text) != first.value(text, -1))
                    QFAIL(qPrintable(u"[%1] \"%2\": %3, expected %4"_s.arg(entries.join(u'|'), text)
                                         .arg(list.findExact(text))
                                         .arg(first.value(text, -1))));
                QCOMPARE(unfinished.findExact(text), first.value(text, -1));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSearchIndex)
#include "test_searchindex.moc"
