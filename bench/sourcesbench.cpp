// quintel-bench-sources: the address books of other programs against the plain folder. Prints
// rows; judges nothing.
//
//   quintel-bench-sources --data DIR [--contacts 10000] [--runs 5]
//
// Rows: the same contacts in one vCard folder and in 10 vdir collections (read to the contact
// lists); a Thunderbird address book of the same cards against SQLite alone reading its rows.

#include "contactclient/books/vdircollections.h"
#include "contactclient/thunderbird/thunderbirdbook.h"
#include "contactclient/vcard/summarycache.h"
#include "contacts/contactlistdata.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <unistd.h>

namespace {

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

// SQLite alone: every property row read into memory, nothing made of them.
qint64 sqliteAlone(const QString& file)
{
    qint64 bytes = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT c.uid, p.name, p.value FROM cards c JOIN properties p ON p.card = c.uid "
                              "ORDER BY c.rowid"));
        while (q.next())
            bytes += q.value(0).toString().size() + q.value(1).toString().size() + q.value(2).toString().size();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("floor"));
    return bytes;
}

void row(const char* what, double ms, double base, int contacts)
{
    std::printf("%-44s %9.1f ms %7.2fx  (%d contacts)\n", what, ms, base > 0 ? ms / base : 1.0, contacts);
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
    parser.process(app);
    const QString data = QDir(parser.value(QStringLiteral("data"))).absolutePath();
    const int contacts = parser.value(QStringLiteral("contacts")).toInt();
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());

    const QString folder = data + QStringLiteral("/sources-%1").arg(contacts);
    // Folder summaries go to the working folder, not the user's cache.
    contactclient::SummaryCache::setStandardBase(data + QStringLiteral("/cache"));
    if (QProcess::execute(QStringLiteral("/usr/bin/python3"),
                          {parser.value(QStringLiteral("generator")), QStringLiteral("--count"),
                           QString::number(contacts), QStringLiteral("--out"), folder}) != 0) {
        std::fprintf(stderr, "quintel-bench-sources: the generator failed\n");
        return 1;
    }
    const QString root = collections(folder, data + QStringLiteral("/sources-collections"));
    const QString tb = data + QStringLiteral("/sources-abook.sqlite");
    if (root.isEmpty() || !thunderbirdBook(folder, tb)) {
        std::fprintf(stderr, "quintel-bench-sources: cannot write the address books\n");
        return 1;
    }

    int flat = 0, merged = 0, thunderbird = 0;
    const double flatMs = medianMs(runs, [&] {
        auto store = contactclient::createFolderBook(folder);
        flat = readToLists(*store);
    });
    const double mergedMs = medianMs(runs, [&] {
        auto store = contactclient::createFolderBook(root);
        merged = readToLists(*store);
    });
    std::printf("Address books of other programs (median of %d runs)\n", runs);
    row("one vCard folder, read to the lists", flatMs, flatMs, flat);
    row("10 vdir collections, read to the lists", mergedMs, flatMs, merged);
    const double floorMs = medianMs(runs, [&] { sqliteAlone(tb); });
    const double tbMs = medianMs(runs, [&] {
        contactclient::ThunderbirdBookStore store(tb);
        thunderbird = readToLists(store);
    });
    row("SQLite alone, reading the Thunderbird rows", floorMs, floorMs, thunderbird);
    row("Thunderbird address book, read to the lists", tbMs, floorMs, thunderbird);
    return 0;
}
