// quintel-bench-sources: the address books of other programs against the plain folder.
//
//   quintel-bench-sources --data DIR [--contacts 10000] [--runs 5] [--only thunderbird] [--out FILE]
//
// Rows: the same contacts in one vCard folder and in 10 vdir collections (read to the contact
// lists; target <= 1.1x); a Thunderbird address book of the same cards against SQLite alone
// reading its rows through Qt's SQL module (target <= 2x; the rows read as bytes, without
// decoding the text, and the "_vCard" rows alone are shown too). Medians of --runs, wall time
// and the process's CPU time.
// --only thunderbird takes the Thunderbird rows alone, from the folder an earlier run wrote (it is
// not written again), with the book made in a temporary folder.

#include "contactclient/books/vdircollections.h"
#include "contactclient/thunderbird/thunderbirdbook.h"
#include "contactclient/vcard/summarycache.h"
#include "contacts/contactlistdata.h"

#include "alternating.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <ctime>
#include <unistd.h>

namespace {

using bench::alternating;
using bench::Timing;

QJsonObject target(const QString& text, const Timing& measured, const Timing& floor, double limit)
{
    const double ratio = floor.wallMs > 0 ? measured.wallMs / floor.wallMs : 0;
    return {{QStringLiteral("issue"), 16},
            {QStringLiteral("target"), text},
            {QStringLiteral("measured"), ratio},
            {QStringLiteral("unit"), QStringLiteral("x")},
            {QStringLiteral("met"), ratio > 0 && ratio <= limit},
            {QStringLiteral("cpu"), floor.cpuMs > 0 ? measured.cpuMs / floor.cpuMs : 0}};
}

QJsonObject figures(const Timing& t)
{
    return {{QStringLiteral("medianMs"), t.wallMs}, {QStringLiteral("cpuMs"), t.cpuMs}};
}

int readToLists(contactclient::Store& store)
{
    store.open();
    return buildContactLists(*store.items()).contactCount;
}

// The generated folder's cards spread over ten collections (hard links where the file system
// allows, copies elsewhere; symbolic links would cost a look-up per file that the folder has not).
QString collections(const QString& folder, const QString& root)
{
    QDir(root).removeRecursively();
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name);
    for (int i = 0; i < files.size(); ++i) {
        const QString sub = root + QStringLiteral("/c%1").arg(i % 10);
        QDir().mkpath(sub);
        const QString from = folder + QLatin1Char('/') + files[i];
        const QString to = sub + QLatin1Char('/') + files[i];
        if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0 &&
            !QFile::copy(from, to))
            return {};
    }
    return root;
}

// The folder's cards as a Thunderbird address book in the current form (_vCard and the names).
bool thunderbirdBook(const QString& folder, const QString& file)
{
    QFile::remove(file);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(file);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec(QStringLiteral("CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER)")) &&
             q.exec(QStringLiteral("CREATE TABLE properties (card TEXT, name TEXT, value TEXT)")) &&
             q.exec(QStringLiteral("CREATE TABLE lists (uid TEXT PRIMARY KEY, localId INTEGER, name TEXT, "
                                   "nickName TEXT, description TEXT)")) &&
             q.exec(QStringLiteral("CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card))")) &&
             q.exec(QStringLiteral("CREATE INDEX properties_card ON properties(card)")) && db.transaction();
        QSqlQuery card(db);
        card.prepare(QStringLiteral("INSERT INTO cards (uid, localId) VALUES (?, ?)"));
        QSqlQuery prop(db);
        prop.prepare(QStringLiteral("INSERT INTO properties (card, name, value) VALUES (?, ?, ?)"));
        int n = 0;
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
            QFile f(folder + QLatin1Char('/') + name);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(f.readAll());
            if (!text.startsWith(QLatin1String("BEGIN:VCARD")))
                continue;
            const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            card.addBindValue(uid);
            card.addBindValue(++n);
            ok = ok && card.exec();
            for (const auto& [key, value] :
                 {std::pair{QStringLiteral("_vCard"), text}, std::pair{QStringLiteral("DisplayName"), name},
                  std::pair{QStringLiteral("PopularityIndex"), QStringLiteral("0")}}) {
                prop.addBindValue(uid);
                prop.addBindValue(key);
                prop.addBindValue(value);
                ok = ok && prop.exec();
            }
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    return ok;
}

// How SQLite alone reads the book: every property row with the values as text (what Qt's SQL
// module gives for a text column), the same as the bytes stored, or only the "_vCard" rows as bytes
// (what the book itself now reads of a current Thunderbird book).
enum class Floor { Text, Bytes, VCardRows };

// SQLite alone: the rows read into memory, nothing made of them.
qint64 sqliteAlone(const QString& file, Floor floor = Floor::Text)
{
    qint64 read = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        switch (floor) {
        case Floor::Text:
            q.exec(QStringLiteral("SELECT c.uid, p.name, p.value FROM cards c JOIN properties p ON p.card = c.uid "
                                  "ORDER BY c.rowid"));
            break;
        case Floor::Bytes:
            q.exec(QStringLiteral("SELECT c.uid, p.name, CAST(p.value AS BLOB) FROM cards c JOIN properties p "
                                  "ON p.card = c.uid ORDER BY c.rowid"));
            break;
        case Floor::VCardRows:
            q.exec(QStringLiteral("SELECT c.uid, p.name, CAST(p.value AS BLOB) FROM cards c JOIN properties p "
                                  "ON p.card = c.uid AND p.name = '_vCard' ORDER BY c.rowid"));
            break;
        }
        while (q.next())
            read += q.value(0).toString().size() + q.value(1).toString().size() +
                    (floor == Floor::Text ? q.value(2).toString().size() : q.value(2).toByteArray().size());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("floor"));
    return read;
}

void row(const char* what, const Timing& t, const Timing& base, int contacts)
{
    std::printf("%-44s %9.1f ms %7.2fx   CPU %9.1f ms %7.2fx  (%d contacts)\n", what, t.wallMs,
                base.wallMs > 0 ? t.wallMs / base.wallMs : 1.0, t.cpuMs, base.cpuMs > 0 ? t.cpuMs / base.cpuMs : 1.0,
                contacts);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("data"), QStringLiteral("Working folder."), QStringLiteral("DIR")});
    parser.addOption(
        {QStringLiteral("contacts"), QStringLiteral("Contacts."), QStringLiteral("N"), QStringLiteral("10000")});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Runs; the median is shown."), QStringLiteral("N"),
                      QStringLiteral("5")});
    parser.addOption({QStringLiteral("generator"), QStringLiteral("gen-addressbook.py"), QStringLiteral("FILE"),
                      QStringLiteral(QUINTEL_BENCH_GENERATOR)});
    parser.addOption({QStringLiteral("out"), QStringLiteral("Figures and targets as JSON."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("only"),
                      QStringLiteral("\"thunderbird\": only the Thunderbird rows, from the folder written before."),
                      QStringLiteral("ROWS")});
    parser.process(app);
    const QString data = QDir(parser.value(QStringLiteral("data"))).absolutePath();
    const int contacts = parser.value(QStringLiteral("contacts")).toInt();
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());

    const QString only = parser.value(QStringLiteral("only"));
    if (!only.isEmpty() && only != QLatin1String("thunderbird")) {
        std::fprintf(stderr, "quintel-bench-sources: --only takes \"thunderbird\"\n");
        return 1;
    }
    const bool all = only.isEmpty();

    const QString folder = data + QStringLiteral("/sources-%1").arg(contacts);
    // Folder summaries go to the working folder, not the user's cache.
    contactclient::SummaryCache::setStandardBase(data + QStringLiteral("/cache"));
    if (!all && QDir(folder).isEmpty()) {
        std::fprintf(stderr, "quintel-bench-sources: %s holds no cards; run without --only first\n",
                     qPrintable(folder));
        return 1;
    }
    if (all && QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                 {parser.value(QStringLiteral("generator")), QStringLiteral("--count"),
                                  QString::number(contacts), QStringLiteral("--out"), folder}) != 0) {
        std::fprintf(stderr, "quintel-bench-sources: the generator failed\n");
        return 1;
    }
    const QString root = all ? collections(folder, data + QStringLiteral("/sources-collections")) : QString();
    QTemporaryDir scratch;
    const QString tb = (all ? data : scratch.path()) + QStringLiteral("/sources-abook.sqlite");
    if ((all && root.isEmpty()) || !scratch.isValid() || !thunderbirdBook(folder, tb)) {
        std::fprintf(stderr, "quintel-bench-sources: cannot write the address books\n");
        return 1;
    }

    int flat = 0, merged = 0, thunderbird = 0;
    std::printf("Address books of other programs (medians of %d runs, taken in turn)\n", runs);
    Timing flatMs, mergedMs;
    if (all) {
        const std::vector<Timing> folders = alternating(runs, {[&] {
                                                                   auto store = contactclient::createFolderBook(folder);
                                                                   flat = readToLists(*store);
                                                               },
                                                               [&] {
                                                                   auto store = contactclient::createFolderBook(root);
                                                                   merged = readToLists(*store);
                                                               }});
        flatMs = folders[0];
        mergedMs = folders[1];
        row("one vCard folder, read to the lists", flatMs, flatMs, flat);
        row("10 vdir collections, read to the lists", mergedMs, flatMs, merged);
    }
    const std::vector<Timing> sqlite =
        alternating(runs, {[&] { sqliteAlone(tb); },
                           [&] {
                               contactclient::ThunderbirdBookStore store(tb);
                               thunderbird = readToLists(store);
                           },
                           [&] { sqliteAlone(tb, Floor::Bytes); }, [&] { sqliteAlone(tb, Floor::VCardRows); }});
    const Timing& floorMs = sqlite[0];
    const Timing& tbMs = sqlite[1];
    const Timing& bytesMs = sqlite[2];
    const Timing& vcardRowsMs = sqlite[3];
    row("SQLite alone, reading the Thunderbird rows", floorMs, floorMs, thunderbird);
    row("SQLite alone, the same rows as bytes", bytesMs, floorMs, thunderbird);
    row("SQLite alone, only the _vCard rows, as bytes", vcardRowsMs, floorMs, thunderbird);
    row("Thunderbird address book, read to the lists", tbMs, floorMs, thunderbird);
    std::fflush(stdout);
    // The rows compare the same contacts, or nothing.
    if (thunderbird == 0 || (all && (merged != flat || thunderbird != flat))) {
        std::fprintf(stderr, "quintel-bench-sources: read %d (folder), %d (collections), %d (Thunderbird) contacts\n",
                     flat, merged, thunderbird);
        return 1;
    }
    if (parser.isSet(QStringLiteral("out"))) {
        const QString n = QLocale(QLocale::English).toString(contacts);
        QJsonArray targets;
        QJsonObject o{{QStringLiteral("contacts"), contacts}, {QStringLiteral("runs"), runs}};
        if (all) {
            targets.append(target(QStringLiteral("%1 contacts in 10 collections <= 1.1x one folder of the same").arg(n),
                                  mergedMs, flatMs, 1.1));
            o.insert(QStringLiteral("folder"), figures(flatMs));
            o.insert(QStringLiteral("collections"), figures(mergedMs));
        }
        targets.append(
            target(QStringLiteral("Thunderbird book of %1: start-up <= 2x SQLite alone reading the same rows").arg(n),
                   tbMs, floorMs, 2.0));
        o.insert(QStringLiteral("sqliteAlone"), figures(floorMs));
        o.insert(QStringLiteral("sqliteAloneBytes"), figures(bytesMs));
        o.insert(QStringLiteral("sqliteAloneVCardRows"), figures(vcardRowsMs));
        o.insert(QStringLiteral("thunderbird"), figures(tbMs));
        o.insert(QStringLiteral("targets"), targets);
        QFile out(parser.value(QStringLiteral("out")));
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(o).toJson()) < 0) {
            std::fprintf(stderr, "quintel-bench-sources: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
