// The search list's index answers exactly what a scan of the list answers.

#include "contacts/searchlist.h"

#include <QRandomGenerator>
#include <QtTest>

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
            for (int n = int(rng.bounded(40)); n > 0; --n)
                entries << (!entries.isEmpty() && rng.bounded(5) == 0 ? entries.at(rng.bounded(entries.size()))
                                                                      : word(6));
            const SearchList list = indexed(entries);
            QVERIFY(list.isIndexed());
            SearchList unfinished = list; // searched by a scan until finished again
            unfinished.append(QString());
            for (int q = 0; q < 12; ++q) {
                QString text = word(4);
                if (!entries.isEmpty() && rng.bounded(3) != 0) {
                    // A prefix of an entry (possibly cutting a surrogate pair), sometimes recased.
                    const QString e = entries.at(rng.bounded(entries.size()));
                    text = e.left(rng.bounded(e.size() + 1));
                    text = rng.bounded(3) == 0 ? text.toUpper() : rng.bounded(2) ? text.toLower() : text;
                }
                QCOMPARE(unfinished.findString(text), list.findString(text));
                if (list.findString(text) != scan(entries, text))
                    QFAIL(qPrintable(u"[%1] \"%2\": %3, scan %4"_s.arg(entries.join(u'|'), text)
                                         .arg(list.findString(text))
                                         .arg(scan(entries, text))));
            }
        }
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
