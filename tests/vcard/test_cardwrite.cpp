// Writing cards back: every card of the test corpora changed in one property keeps every other
// line's bytes and reads back as set; a file changed since it was read is never overwritten; a
// save killed half-way leaves the old file or the new one; khard reads what was written.

#include "contactclient/vcard/carddocument.h"
#include "contactclient/vcard/cardfile.h"
#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/vcardreader.h"
#include "contactclient/vcard/vcardtext.h"
#include "testfiles.h"
#include "toolrun.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace contactclient;
using namespace Qt::StringLiterals;
using vcard::CardDocument;

namespace {

const QDateTime kNow = QDateTime(QDate(2026, 5, 17), QTime(9, 30, 5), Qt::UTC);

using testsupport::readFile;
using testsupport::writeFile;

// The raw logical lines of the data whose property is not one of the names, in order.
QList<QByteArray> untouchedLines(const QByteArray& data, const QSet<QByteArray>& names)
{
    QList<QByteArray> out;
    vcard::LineReader reader(data);
    vcard::Line line;
    while (reader.next(line)) {
        const QByteArray name = line.name.toByteArray().toUpper();
        if (!names.contains(name))
            out.append(data.sliced(line.start, line.end - line.start));
    }
    return out;
}

// Every card of the corpora: each as its own bytes.
QList<QPair<QString, QByteArray>> corpusCards()
{
    QList<QPair<QString, QByteArray>> cards;
    const QStringList roots{QStringLiteral(QUINTEL_TEST_DATA "/corpus"),
                            QStringLiteral(QUINTEL_TEST_DATA "/../../../fuzz/corpus/vcardreader"),
                            QStringLiteral(QUINTEL_TEST_DATA "/../../../demo/contacts")};
    for (const QString& root : roots) {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QByteArray data = readFile(path);
            if (data.size() > 512 * 1024 || vcard::toUtf8Data(data).constData() != data.constData())
                continue;
            vcard::readCards(data, vcard::Detail::Summary, [&](vcard::Card& c) {
                if (c.ok())
                    cards.append({QFileInfo(path).fileName() + QLatin1Char('#') + QString::number(c.index),
                                  data.sliced(c.offset, c.length)});
                return true;
            });
        }
    }
    return cards;
}

ContactForm withoutOrigins(ContactForm f)
{
    for (auto* list : {&f.emails, &f.phones, &f.urls})
        for (FormEntry& e : *list)
            e.origin = -1;
    for (FormAddress& a : f.addresses)
        a.origin = -1;
    return f;
}

using Change = std::function<void(ContactForm&)>;

struct Edit {
    const char* name;
    QSet<QByteArray> lines; // the properties it may rewrite (REV always)
    Change change;
};

const QList<Edit>& edits()
{
    static const QList<Edit> list{
        {"family name", {"N"}, [](ContactForm& f) { f.family = u"Ångström; Nørgaard, Jr"_s; }},
        {"full name", {"FN"}, [](ContactForm& f) { f.fullName = u"Zoë \"Zed\" Example"_s; }},
        {"file-as", {"X-EVOLUTION-FILE-AS"}, [](ContactForm& f) { f.fileAs = u"Example, Zoë"_s; }},
        {"added e-mail",
         {"EMAIL"},
         [](ContactForm& f) {
             f.emails.append({u"work"_s, u"new@example.org"_s, false, -1});
         }},
        {"removed e-mail",
         {"EMAIL"},
         [](ContactForm& f) {
             if (!f.emails.isEmpty())
                 f.emails.removeFirst();
         }},
        {"preferred e-mail moved",
         {"EMAIL"},
         [](ContactForm& f) {
             if (f.emails.size() < 2)
                 return;
             for (FormEntry& e : f.emails)
                 e.preferred = false;
             f.emails.back().preferred = true;
         }},
        {"changed phone",
         {"TEL"},
         [](ContactForm& f) {
             if (f.phones.isEmpty())
                 f.phones.append({u"mobile"_s, QString(), false, -1});
             f.phones.front().value = u"+44 20 7946 0958"_s;
         }},
        {"phone kind",
         {"TEL"},
         [](ContactForm& f) {
             if (!f.phones.isEmpty())
                 f.phones.front().kind = u"pager"_s;
         }},
        {"organisation", {"ORG"}, [](ContactForm& f) { f.organization = u"Müller & Söhne; GmbH"_s; }},
        {"title", {"TITLE"}, [](ContactForm& f) { f.title = u"Head of Ünits; R&D, North"_s; }},
        {"title removed", {"TITLE"}, [](ContactForm& f) { f.title = QString(); }},
        {"nickname", {"NICKNAME"}, [](ContactForm& f) { f.nickname = u"Zed, Zee"_s; }},
        {"note",
         {"NOTE"},
         [](ContactForm& f) { f.note = u"Two lines;\nthe second, with a comma and a \\ backslash."_s; }},
        {"long note",
         {"NOTE"},
         [](ContactForm& f) { f.note = u"Grüße aus Köln — 東京の友人より. "_s.repeated(12).trimmed(); }},
        {"categories",
         {"CATEGORIES"},
         [](ContactForm& f) {
             f.categories = {u"Friends"_s, u"Book club, Tuesdays"_s};
         }},
        {"birthday", {"BDAY"}, [](ContactForm& f) { f.birthday = u"1985-04-12"_s; }},
        {"address city",
         {"ADR", "LABEL"},
         [](ContactForm& f) {
             if (f.addresses.isEmpty())
                 f.addresses.append({u"home"_s, u"1 Main St"_s, {}, {}, {}, {}, -1});
             f.addresses.front().city = u"Saint-Étienne"_s;
         }},
        {"removed address",
         {"ADR", "LABEL"},
         [](ContactForm& f) {
             if (!f.addresses.isEmpty())
                 f.addresses.removeFirst();
         }},
        {"web page",
         {"URL"},
         [](ContactForm& f) {
             f.urls.append({u"other"_s, u"https://example.org/a,b;c"_s, false, -1});
         }},
    };
    return list;
}

} // namespace

class TestCardWrite : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;

    QString folder(const QString& name)
    {
        const QString path = m_tmp.filePath(name);
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }

private slots:
    void fold_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("short") << QByteArray("FN:Ann");
        QTest::newRow("ascii") << ("NOTE:" + QByteArray(300, 'x'));
        QTest::newRow("two-byte") << ("NOTE:" + QString(200, QChar(0x00FC)).toUtf8());
        QTest::newRow("three-byte at the edge") << ("NOTE:ab" + QString(100, QChar(0x6771)).toUtf8());
        QTest::newRow("four-byte") << ("NOTE:a" + QString::fromUcs4(U"\U0001F600").repeated(60).toUtf8());
    }
    void fold()
    {
        QFETCH(QByteArray, line);
        const QByteArray folded = vcard::foldLine(line, "\r\n");
        QVERIFY(folded.endsWith("\r\n"));
        const QList<QByteArray> physical = folded.chopped(2).split('\n');
        for (QByteArray p : physical) {
            if (p.endsWith('\r'))
                p.chop(1);
            QVERIFY2(p.size() <= 75, p.constData());
            QVERIFY(vcard::isValidUtf8(p.startsWith(' ') ? p.mid(1) : p)); // no sequence cut
        }
        // Unfolded, it is the line again.
        QByteArray unfolded = folded.chopped(2);
        unfolded.replace("\r\n ", "");
        QCOMPARE(unfolded, line);
    }

    // Every card of the corpora, changed in one property: the other lines keep their bytes and
    // the card reads back as set.
    void roundTrip_data()
    {
        QTest::addColumn<int>("edit");
        for (int i = 0; i < edits().size(); ++i)
            QTest::newRow(edits()[i].name) << i;
    }
    void roundTrip()
    {
        QFETCH(int, edit);
        const Edit& e = edits()[edit];
        const auto cards = corpusCards();
        QVERIFY(cards.size() > 50);
        int changed = 0;
        for (const auto& [where, bytes] : cards) {
            const CardDocument doc(bytes);
            if (!doc.ok())
                continue;
            ContactForm form = doc.form();
            e.change(form);
            const QByteArray written = doc.apply(form, kNow);
            if (written == bytes)
                continue;
            ++changed;
            QSet<QByteArray> touched = e.lines;
            touched.insert("REV");
            if (doc.form().fullName.isEmpty())
                touched.insert("FN"); // a card without a full name gets one
            QCOMPARE(untouchedLines(written, touched), untouchedLines(bytes, touched));

            // One card, readable, with the value as set.
            int count = 0;
            QString error;
            vcard::readCards(written, vcard::Detail::Full, [&](vcard::Card& c) {
                ++count;
                error += c.error;
                return true;
            });
            QCOMPARE(count, 1);
            QVERIFY2(error.isEmpty(), qPrintable(where + u": "_s + error));
            const CardDocument back(written);
            QVERIFY2(back.ok(), qPrintable(where));
            ContactForm expected = withoutOrigins(form);
            ContactForm actual = withoutOrigins(back.form());
            if (expected.fullName.isEmpty())
                expected.fullName = actual.fullName;
            if (expected == actual)
                continue;
            QCOMPARE(actual.family, expected.family);
            QCOMPARE(actual.note, expected.note);
            QCOMPARE(actual.categories, expected.categories);
            QCOMPARE(actual.emails, expected.emails);
            QCOMPARE(actual.phones, expected.phones);
            QCOMPARE(actual.addresses, expected.addresses);
            QCOMPARE(actual.urls, expected.urls);
            QVERIFY2(false, qPrintable(where + u": read back differently"_s));
        }
        // Every edit that applies to most cards changed many of them.
        static const QSet<QByteArray> rare{"preferred e-mail moved", "phone kind", "title removed"};
        if (!rare.contains(e.name))
            QVERIFY(changed > 10);
    }

    void nothingChangedKeepsEveryByte()
    {
        for (const auto& [where, bytes] : corpusCards()) {
            const CardDocument doc(bytes);
            if (doc.ok())
                QCOMPARE(doc.apply(doc.form(), kNow), bytes);
        }
    }

    void newCard_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("2.1") << int(vcard::Version::V21);
        QTest::newRow("3.0") << int(vcard::Version::V30);
        QTest::newRow("4.0") << int(vcard::Version::V40);
    }
    void newCard()
    {
        QFETCH(int, version);
        ContactForm form = formFromText(u"Jürgen van Dijk"_s);
        form.emails.append({u"home"_s, u"jurgen@example.nl"_s, true, -1});
        form.note = u"Line one\nline two"_s;
        const QByteArray card = CardDocument::create(form, vcard::Version(version), u"abc-123"_s, kNow);
        const CardDocument doc(card);
        QVERIFY(doc.ok());
        QCOMPARE(int(doc.version()), version);
        QCOMPARE(doc.uid(), u"abc-123"_s);
        QCOMPARE(withoutOrigins(doc.form()), withoutOrigins(form));
        QVERIFY(card.contains("REV:20260517T093005Z"));
    }

    // In a file of three cards, the others keep every byte.
    void otherCardsKeepTheirBytes()
    {
        const QString dir = folder(u"multi"_s);
        const QByteArray a =
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nN:A;;;;\r\nX-ODD;weird=\"x;y\":keep\r\nEND:VCARD\r\n";
        const QByteArray b =
            "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bee\r\nN:Bee;;;;\r\nEMAIL:b@example.org\r\nEND:VCARD\r\n";
        const QByteArray c = "\r\nBEGIN:VCARD\nVERSION:4.0\nFN:C\nEND:VCARD\n";
        QVERIFY(writeFile(dir + u"/three.vcf"_s, a + b + c));
        OpenedCard opened = openCard(dir, u"three.vcf#2"_s);
        QCOMPARE(opened.bytes + "\r\n", b);
        const CardDocument doc(opened.bytes);
        ContactForm form = doc.form();
        form.given = u"Bo"_s;
        replaceCard(opened.origin, doc.apply(form, kNow));
        const QByteArray now = readFile(dir + u"/three.vcf"_s);
        QVERIFY(now.startsWith(a));
        QVERIFY(now.endsWith(c));
        QVERIFY(now.contains("N:Bee;Bo;;;\r\n"));
    }

    // A card changed on disk between opening and saving is not overwritten.
    void changedOnDiskIsRefused_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("in place, size and time put back") << u"in place"_s;
        QTest::newRow("replaced by rename") << u"rename"_s;
        QTest::newRow("removed") << u"remove"_s;
        QTest::newRow("appended to") << u"append"_s;
    }
    void changedOnDiskIsRefused()
    {
        QFETCH(QString, how);
        const QString dir = folder(u"conflict"_s);
        const QString path = dir + u"/ann.vcf"_s;
        const QByteArray original = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n";
        const QByteArray theirs = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Ray\r\nN:Ray;Ann;;;\r\nEND:VCARD\r\n";
        QCOMPARE(theirs.size(), original.size());
        QVERIFY(writeFile(path, original));
        const OpenedCard opened = openCard(dir, u"ann.vcf"_s);
        struct stat before {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        if (how == QLatin1String("in place")) {
            QVERIFY(writeFile(path, theirs));
            const timespec times[2] = {before.st_atim, before.st_mtim};
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
        } else if (how == QLatin1String("rename")) {
            QVERIFY(writeFile(path + u".new"_s, theirs));
            QCOMPARE(::rename(QFile::encodeName(path + u".new"_s).constData(), QFile::encodeName(path).constData()), 0);
        } else if (how == QLatin1String("remove")) {
            QVERIFY(QFile::remove(path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::Append));
            f.write("BEGIN:VCARD\r\nFN:Other\r\nEND:VCARD\r\n");
        }
        const QByteArray onDisk = readFile(path);
        const CardDocument doc(opened.bytes);
        ContactForm form = doc.form();
        form.given = u"Annie"_s;
        bool refused = false;
        try {
            replaceCard(opened.origin, doc.apply(form, kNow));
        } catch (const ConflictError&) {
            refused = true;
        }
        QVERIFY(refused);
        QCOMPARE(readFile(path), onDisk);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), how == QLatin1String("remove") ? 0 : 1);

        // Delete is refused the same way.
        refused = false;
        try {
            deleteCard(opened.origin, m_tmp.filePath(u"aside"_s));
        } catch (const ConflictError&) {
            refused = true;
        }
        QVERIFY(refused);
        QCOMPARE(readFile(path), onDisk);
    }

    // A save killed between its steps leaves the old file or the new one, never a part.
    void killedSave_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("newFile");
        QTest::newRow("after the temporary file") << int(WriteStep::TemporaryWritten) << false;
        QTest::newRow("after the rename") << int(WriteStep::Renamed) << true;
    }
    void killedSave()
    {
        QFETCH(int, step);
        QFETCH(bool, newFile);
        const QString dir = folder(u"killed"_s);
        const QString path = dir + u"/big.vcf"_s;
        QByteArray original;
        for (int i = 0; i < 2000; ++i)
            original += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person " + QByteArray::number(i) + "\r\nN:Person;" +
                        QByteArray::number(i) + ";;;\r\nEND:VCARD\r\n";
        QVERIFY(writeFile(path, original));
        const OpenedCard opened = openCard(dir, u"big.vcf#1000"_s);
        const CardDocument doc(opened.bytes);
        ContactForm form = doc.form();
        form.family = u"Changed"_s;
        const QByteArray card = doc.apply(form, kNow);
        const QByteArray expected =
            original.left(opened.origin.offset) + card + original.mid(opened.origin.offset + opened.origin.length);

        const pid_t child = ::fork();
        if (child == 0) {
            setWriteHook([step](WriteStep s) {
                if (int(s) == step)
                    ::kill(::getpid(), SIGKILL);
            });
            try {
                replaceCard(opened.origin, card);
            } catch (...) {
                ::_exit(3);
            }
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(readFile(path), newFile ? expected : original);
        // The temporary file is hidden from the folder's reading (a name starting with a dot).
        for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
            QVERIFY(name == QLatin1String("big.vcf") || name.startsWith(QLatin1Char('.')));
    }

    void permissionsKept()
    {
        const QString dir = folder(u"modes"_s);
        const QString path = dir + u"/m.vcf"_s;
        QVERIFY(writeFile(path, "BEGIN:VCARD\nVERSION:4.0\nFN:M\nEND:VCARD\n"));
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        const OpenedCard opened = openCard(dir, u"m.vcf"_s);
        const CardDocument doc(opened.bytes);
        ContactForm form = doc.form();
        form.title = u"Engineer"_s;
        const CardOrigin after = replaceCard(opened.origin, doc.apply(form, kNow));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), 0640);
        QCOMPARE(readFile(path),
                 QByteArray("BEGIN:VCARD\nVERSION:4.0\nFN:M\nTITLE:Engineer\nREV:20260517T093005Z\nEND:VCARD\n"));
        // Saved again from the origin the save returned: not a conflict.
        form.title = u"Lead"_s;
        replaceCard(after, CardDocument(openCard(dir, u"m.vcf"_s).bytes).apply(form, kNow));
        QVERIFY(readFile(path).contains("TITLE:Lead\n"));
    }

    void addedCard_data()
    {
        QTest::addColumn<QByteArrayList>("existing");
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("empty folder") << QByteArrayList{} << QByteArray("3.0");
        QTest::newRow("4.0 folder") << QByteArrayList{"BEGIN:VCARD\nVERSION:4.0\nFN:A\nEND:VCARD\n",
                                                      "BEGIN:VCARD\nVERSION:4.0\nFN:B\nEND:VCARD\n"}
                                    << QByteArray("4.0");
        QTest::newRow("2.1 folder") << QByteArrayList{"BEGIN:VCARD\nVERSION:2.1\nFN:A\nEND:VCARD\n"}
                                    << QByteArray("2.1");
    }
    void addedCard()
    {
        QFETCH(QByteArrayList, existing);
        QFETCH(QByteArray, version);
        const QString dir = folder(u"added"_s);
        for (int i = 0; i < existing.size(); ++i)
            QVERIFY(writeFile(dir + u"/%1.vcf"_s.arg(i), existing[i]));
        const vcard::Version v = folderVersion(dir);
        QCOMPARE(vcard::versionText(v), version);
        const QByteArray card = CardDocument::create(formFromText(u"ann@example.org"_s), v, u"1234-abcd"_s, kNow);
        QCOMPARE(addCard(dir, u"1234-abcd"_s, card), u"1234-abcd.vcf"_s);
        QCOMPARE(readFile(dir + u"/1234-abcd.vcf"_s), card);
        // A second card of the same UID never replaces the first.
        QVERIFY_THROWS_EXCEPTION(AutomationError, addCard(dir, u"1234-abcd"_s, "other"));
        QCOMPARE(readFile(dir + u"/1234-abcd.vcf"_s), card);
    }

    void deletedCardIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("entryId");
        QTest::addColumn<QByteArray>("rest"); // empty: the file goes
        QTest::newRow("alone") << QByteArray("BEGIN:VCARD\r\nFN:Gone\r\nEND:VCARD\r\n") << u"d.vcf"_s << QByteArray();
        QTest::newRow("second of three")
            << QByteArray(
                   "BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:Gone\nEND:VCARD\nBEGIN:VCARD\nFN:C\nEND:VCARD\n")
            << u"d.vcf#2"_s << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:C\nEND:VCARD\n");
    }
    void deletedCardIsKeptAside()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, entryId);
        QFETCH(QByteArray, rest);
        const QString dir = folder(u"delete"_s);
        const QString aside = m_tmp.filePath(u"aside-"_s + QString::number(qHash(entryId)));
        QVERIFY(writeFile(dir + u"/d.vcf"_s, file));
        const OpenedCard opened = openCard(dir, entryId);
        const QString copy = deleteCard(opened.origin, aside);
        QVERIFY(copy.startsWith(aside + QLatin1Char('/')));
        QVERIFY(readFile(copy).contains("FN:Gone"));
        QCOMPARE(QFileInfo::exists(dir + u"/d.vcf"_s), !rest.isEmpty());
        if (!rest.isEmpty())
            QCOMPARE(readFile(dir + u"/d.vcf"_s), rest);
    }

    // khard reads the cards written here as the same contacts.
    void khardReadsTheResult()
    {
        const QString khard = QStandardPaths::findExecutable(u"khard"_s);
        QVERIFY2(!khard.isEmpty(), "khard is missing (scripts/deps.sh installs it)");
        const QString dir = folder(u"khard/book"_s);
        const QString config = m_tmp.filePath(u"khard/khard.conf"_s);
        QVERIFY(writeFile(config, "[addressbooks]\n[[book]]\npath = " + dir.toUtf8() +
                                      "/\n[general]\neditor = /bin/false\nmerge_editor = /bin/false\n"));
        // The corpus cards khard can read (3.0 and 4.0), each changed, and one made here.
        int written = 0;
        for (const auto& [where, bytes] : corpusCards()) {
            const CardDocument doc(bytes);
            if (!doc.ok() || doc.version() == vcard::Version::V21)
                continue;
            ContactForm form = doc.form();
            // khard leaves out cards without a UID (as it would the originals).
            if (form.fullName.isEmpty() || doc.uid().isEmpty() || bytes.contains("KIND:group"))
                continue;
            form.emails.append({u"work"_s, u"k%1@example.org"_s.arg(written), false, -1});
            QVERIFY(writeFile(dir + u"/c%1.vcf"_s.arg(written), doc.apply(form, kNow)));
            ++written;
        }
        QVERIFY(written > 20);
        ContactForm fresh = formFromText(u"Ann Lee"_s);
        fresh.phones.append({u"mobile"_s, u"+1 555 0100"_s, false, -1});
        fresh.emails.append({u"work"_s, u"ann.lee@example.org"_s, true, -1});
        addCard(dir, u"fresh-uid"_s, CardDocument::create(fresh, vcard::Version::V30, u"fresh-uid"_s, kNow));

        const auto run = testsupport::runTool(khard, {u"-c"_s, config, u"email"_s, u"--parsable"_s},
                                              testsupport::environmentWith({{"HOME", m_tmp.path()}}));
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QString out = run.out;
        for (int i = 0; i < written; ++i)
            QVERIFY2(out.contains(u"k%1@example.org"_s.arg(i)), qPrintable(out));
        QVERIFY2(out.contains(u"ann.lee@example.org\tAnn Lee"_s), qPrintable(out));
    }
};

QTEST_GUILESS_MAIN(TestCardWrite)
#include "test_cardwrite.moc"
