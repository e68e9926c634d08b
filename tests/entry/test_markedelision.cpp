// A value beside a match, shortened to the room it has: the marked part stays in view, the text
// before it loses its start, the text after it its end.

#include "entry/markedelision.h"

#include <QTest>

class TestMarkedElision : public QObject {
    Q_OBJECT

private slots:
    void elide_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("room"); // in letters (every letter is one wide, a marked one markedWidth)
        QTest::addColumn<int>("markedWidth");
        QTest::addColumn<QString>("shown"); // the marked part in []
        const QString museum = QStringLiteral("Chhatrapati Shivaji Maharaj Vastu Sangrahalaya, Mumbai");
        QTest::newRow("fits") << "Mumbai" << 2 << 2 << 20 << 1 << "Mu[mb]ai";
        QTest::newRow("fits exactly") << "Mumbai" << 2 << 2 << 6 << 1 << "Mu[mb]ai";
        QTest::newRow("mark at the end of a long value") << museum << 48 << 6 << 12 << 1 << "…aya, [Mumbai]";
        QTest::newRow("mark at the start of a long value")
            << "j.mueller@acme-international.de" << 0 << 4 << 10 << 1 << "[j.mu]eller…";
        QTest::newRow("mark in the middle: context on both sides")
            << "Abteilung Forschung und Entwicklung" << 10 << 9 << 17 << 1 << "…ng [Forschung] un…";
        QTest::newRow("short text before: the rest goes after")
            << "Dr. Forschung und Entwicklung" << 4 << 9 << 17 << 1 << "Dr. [Forschung] un…";
        QTest::newRow("short text after: the rest goes before")
            << "Abteilung Forschung AG" << 10 << 9 << 16 << 1 << "…ng [Forschung] AG";
        QTest::newRow("mark wider than the room") << "Forschungsgemeinschaft" << 0 << 22 << 8 << 1 << "[Forschu…]";
        QTest::newRow("mark fills the room") << "xx Forschung yy" << 3 << 9 << 9 << 1 << "[Forschung]";
        QTest::newRow("bold mark takes more room") << museum << 48 << 6 << 18 << 2 << "…aya, [Mumbai]";
        QTest::newRow("no mark: the end goes") << "j.mueller@acme-international.de" << 0 << 0 << 8 << 1 << "[]j.muell…";
        QTest::newRow("mark beyond the value is held to it") << "Mumbai" << 4 << 10 << 20 << 1 << "Mumb[ai]";
    }
    void elide()
    {
        QFETCH(QString, value);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, room);
        QFETCH(int, markedWidth);
        QFETCH(QString, shown);
        const auto plain = [](QStringView t) { return int(t.size()); };
        const auto marked = [markedWidth](QStringView t) { return int(t.size()) * markedWidth; };
        const markedelision::Parts p = markedelision::elide(value, start, length, room, plain, marked);
        QCOMPARE(p.before + u'[' + p.marked + u']' + p.after, shown);
        QVERIFY(plain(p.before) + marked(p.marked) + plain(p.after) <= room);
    }
};

QTEST_GUILESS_MAIN(TestMarkedElision)
#include "test_markedelision.moc"
