// The packed text lists the folder snapshot and the contact lists keep their names in, the lists'
// names and fields, which refer to the snapshot's instead of copying them, and the buffer a
// summary is read into.

#include "compacttexts.h"
#include "contactclient/vcard/vcardfolder.h"
#include "contactclient/vcard/vcarditemset.h"
#include "contacts/contactlistdata.h"
#include "mixedtexts.h"
#include "packedtexts.h"
#include "pagebuffer.h"
#include "sharedtexts.h"

#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestPackedTexts : public QObject {
    Q_OBJECT

private slots:
    void testTextsComeBackAsAdded_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("wide"); // whether CompactTexts ends two bytes a letter
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("ASCII file names") << QStringList{u"a.vcf"_s, u"b.vcf"_s, u"0001-ab.vcf"_s} << false;
        QTest::newRow("empty texts among others") << QStringList{u""_s, u"x"_s, u""_s, u""_s} << false;
        QTest::newRow("Latin-1 beyond ASCII") << QStringList{u"Müller.vcf"_s, u"\u00ff"_s, u"é"_s} << false;
        QTest::newRow("wide from the first") << QStringList{u"Νικολάου"_s, u"a"_s, u""_s} << true;
        QTest::newRow("wide in the middle: the earlier ones move")
            << QStringList{u"a.vcf"_s, u"Ж.vcf"_s, u"ß"_s, u""_s} << true;
        QTest::newRow("wide after an odd number of bytes")
            << QStringList{u"abc"_s, u"Ж"_s, u"d"_s, u"Жж"_s, u""_s, u"Ж"_s} << true;
        QTest::newRow("wide at the end") << QStringList{u"a"_s, u"b"_s, u"\U0001F600.vcf"_s} << true;
        QTest::newRow("a lone surrogate half") << QStringList{u"x"_s, QString(QChar(0xD800)), u"y"_s} << true;
    }
    void testTextsComeBackAsAdded()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, wide);
        PackedTexts packed;
        CompactTexts compact;
        MixedTexts mixed;
        packed.reserve(1, 1); // less than needed: they grow
        compact.reserve(1, 1);
        mixed.reserve(1, 1);
        for (const QString& t : texts) {
            packed.append(t);
            compact.append(t);
            mixed.append(t);
        }
        packed.squeeze();
        compact.squeeze();
        mixed.squeeze();
        QCOMPARE(mixed.count(), texts.size());
        QCOMPARE(packed.count(), texts.size());
        QCOMPARE(compact.count(), texts.size());
        QCOMPARE(packed.toList(), texts);
        QCOMPARE(compact.toList(), texts);
        QCOMPARE(compact.isWide(), wide);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QCOMPARE(packed.view(i), QStringView(texts[i]));
            QCOMPARE(compact.length(i), texts[i].size());
            QCOMPARE(mixed.at(i), texts[i]);
            QCOMPARE(mixed.length(i), texts[i].size());
            // Viewed in place: a two-byte text is read where it is held, so it starts evenly.
            const QAnyStringView view = mixed.view(i);
            QCOMPARE(view.toString(), texts[i]);
            QCOMPARE(QAnyStringView::compare(view, texts[i]), 0);
            QCOMPARE(reinterpret_cast<quintptr>(view.data()) % (view.size_bytes() == view.size() ? 1 : 2), 0u);
            QVERIFY(compact.equals(i, texts[i]));
            // Neither a neighbour's text nor a text one letter longer or shorter is equal.
            QVERIFY(!compact.equals(i, QString(texts[i] + u'a')));
            if (!texts[i].isEmpty())
                QVERIFY(!compact.equals(i, texts[i].chopped(1)));
        }
    }

    // A text compares as its letters, whether kept one or two bytes a letter: a letter beyond
    // Latin-1 never equals the Latin-1 letter it would be cut to.
    void testEqualsAcrossWidths_data()
    {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same ASCII") << u"a.vcf"_s << u"a.vcf"_s << true;
        QTest::newRow("letter case counts") << u"a.vcf"_s << u"A.vcf"_s << false;
        QTest::newRow("Latin-1 held, the same asked") << u"é"_s << u"é"_s << true;
        QTest::newRow("Latin-1 held, U+0101 asked") << u"\u00e9"_s << u"\u01e9"_s << false;
        QTest::newRow("U+0100 is not its low byte") << u"\u0001"_s << u"\u0101"_s << false;
    }
    void testEqualsAcrossWidths()
    {
        QFETCH(QString, held);
        QFETCH(QString, asked);
        QFETCH(bool, equal);
        CompactTexts compact;
        compact.append(held);
        QCOMPARE(compact.equals(0, asked), equal);
    }

    // Steps: "kN" text N of the kept texts, "xN" text N of other kept texts, "=T" the text T.
    void testSharedTextsComeBackAsAdded_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("refers"); // whether the texts are still the kept ones, not copies
        QTest::newRow("none") << QStringList{} << false;
        QTest::newRow("all kept") << QStringList{u"k0"_s, u"k1"_s, u"k2"_s, u"k3"_s, u"k1"_s} << true;
        QTest::newRow("a text of its own after kept ones: all copied")
            << QStringList{u"k0"_s, u"k1"_s, u"=Νίκος"_s, u"k3"_s} << false;
        QTest::newRow("texts of a second owner: all copied") << QStringList{u"k0"_s, u"x0"_s, u"k2"_s} << false;
        QTest::newRow("its own first, kept later: copied") << QStringList{u"=a"_s, u"k1"_s, u"=b"_s} << false;
    }
    void testSharedTextsComeBackAsAdded()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, refers);
        const QStringList keptTexts{u"eann@example.org"_s, u"nЖуков"_s, u""_s, u"p+49 171 2345678"_s};
        auto kept = std::make_shared<MixedTexts>();
        for (const QString& t : keptTexts)
            kept->append(t);
        auto other = std::make_shared<MixedTexts>();
        other->append(u"oAcme"_s);
        SharedTexts texts;
        texts.reserve(2, 0);
        QStringList expected;
        for (const QString& step : steps) {
            if (step.startsWith(u'='))
                texts.append(QStringView(step).sliced(1));
            else
                texts.append(step.startsWith(u'k') ? kept : other, step.sliced(1).toInt());
            expected << (step.startsWith(u'=')   ? step.sliced(1)
                         : step.startsWith(u'k') ? keptTexts.at(step.sliced(1).toInt())
                                                 : other->at(step.sliced(1).toInt()));
        }
        texts.squeeze();
        const MixedTexts& keptHeld = *kept;
        QCOMPARE(texts.refersTo(keptHeld), refers);
        // The texts outlive the owner's own pointers.
        kept.reset();
        other.reset();
        std::vector<std::uint32_t> odd;
        for (std::uint32_t i = 1; i < std::uint32_t(expected.size()); i += 2)
            odd.push_back(i);
        const SharedTexts part = texts.subset(odd);
        QCOMPARE(part.refersTo(keptHeld), refers);
        QCOMPARE(texts.count(), expected.size());
        QCOMPARE(part.count(), qsizetype(odd.size()));
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(texts.at(i), expected[i]);
            QCOMPARE(texts.length(i), expected[i].size());
        }
        for (size_t k = 0; k < odd.size(); ++k)
            QCOMPARE(part.at(qsizetype(k)), expected[qsizetype(odd[k])]);
        // Added to afterwards, a copy and the part keep what they held.
        const SharedTexts copy = texts;
        texts.append(u"added"_s);
        QCOMPARE(texts.at(texts.count() - 1), u"added"_s);
        QCOMPARE(copy.count(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(copy.at(i), expected[i]);
        for (size_t k = 0; k < odd.size(); ++k)
            QCOMPARE(part.at(qsizetype(k)), expected[qsizetype(odd[k])]);
    }

    // The lists of a vCard folder, and of a category of it, hold the snapshot's names and fields,
    // not copies.
    void testListsReferToTheFolderFields()
    {
        auto snapshot = std::make_shared<contactclient::FolderSnapshot>();
        const QStringList fields{u"eann@example.org"_s, u""_s, u"oΑθήνα"_s};
        for (int i = 0; i < fields.size(); ++i) {
            snapshot->addFile(contactclient::VCardFile{}, u"c%1.vcf"_s.arg(i));
            contactclient::ItemRecord item;
            item.file = quint32(i);
            item.card = 1;
            snapshot->addItem(item, u"Name %1"_s.arg(i), u"Name %1"_s.arg(i), fields[i]);
        }
        std::shared_ptr<const contactclient::FolderSnapshot> held = snapshot;
        const ContactListData lists = buildContactLists(contactclient::VCardItemSet(held));
        const std::optional<ContactListData> part = narrowContactLists(
            lists,
            contactclient::VCardItemSet(held, std::make_shared<std::vector<quint32>>(std::vector<quint32>{0, 2})));
        QVERIFY(part);
        QVERIFY(lists.fields.refersTo(snapshot->fields));
        QVERIFY(part->fields.refersTo(snapshot->fields));
        QVERIFY(lists.search.refersTo(snapshot->texts));
        QVERIFY(part->search.refersTo(snapshot->texts));
        const MixedTexts* folderFields = &snapshot->fields;
        snapshot.reset();
        held.reset();
        QVERIFY(lists.fields.refersTo(*folderFields));
        QCOMPARE(lists.fields.count(), 3);
        for (qsizetype i = 0; i < fields.size(); ++i)
            QCOMPARE(lists.fields.at(i), fields[i]);
        QCOMPARE(part->fields.at(0), fields[0]);
        QCOMPARE(part->fields.at(1), fields[2]);
        QCOMPARE(lists.search.entries(),
                 QStringList({u"Name 0"_s, u"Name 0"_s, u"Name 1"_s, u"Name 1"_s, u"Name 2"_s, u"Name 2"_s}));
        QCOMPARE(part->search.findString(u"name 2"_s), 2);
        QCOMPARE(part->sortedNames(), QStringList({u"Name 0"_s, u"Name 2"_s}));
    }

    // A file read into pages of their own: whole when it is larger than expected, refused when
    // larger than allowed, and the pages given back read as zeros while the rest stays.
    void testPageBufferReadsAndGivesBack()
    {
        const auto page = qsizetype(::sysconf(_SC_PAGESIZE));
        QByteArray content(3 * page + 100, Qt::Uninitialized);
        for (qsizetype i = 0; i < content.size(); ++i)
            content[i] = char('a' + i % 26);
        QTemporaryFile file;
        QVERIFY(file.open());
        QCOMPARE(file.write(content), content.size());
        QVERIFY(file.flush());

        PageBuffer bytes;
        QString why;
        QVERIFY(::lseek(file.handle(), 0, SEEK_SET) == 0);
        QVERIFY(bytes.readToEnd(file.handle(), 10, 1 << 20, &why));
        QCOMPARE(QByteArray(bytes.data(), bytes.size()), content);

        bytes.giveBackBefore(page + 5);
        QCOMPARE(QByteArray(bytes.data(), page), QByteArray(page, '\0'));
        QCOMPARE(QByteArray(bytes.data() + page, bytes.size() - page), content.mid(page));
        bytes.giveBackBefore(2); // behind what was given back: nothing changes
        QCOMPARE(QByteArray(bytes.data() + page, bytes.size() - page), content.mid(page));

        QVERIFY(::lseek(file.handle(), 0, SEEK_SET) == 0);
        QVERIFY(!bytes.readToEnd(file.handle(), content.size(), 2 * page, &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(bytes.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPackedTexts)
#include "test_packedtexts.moc"
