#include "thunderbirddatabase.h"

#include "contactclient/errors.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <vector>

namespace contactclient::thunderbird {
namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("quintel-thunderbird-%1").arg(counter++);
}

// One read transaction: the passes over a book see the same state of it while Thunderbird writes
// (in WAL mode a reader never holds a writer up). Taken no further than its own statements.
class ReadTransaction {
public:
    explicit ReadTransaction(const QSqlDatabase& db) : m_db(db), m_open(m_db.transaction()) {}
    ~ReadTransaction()
    {
        if (m_open)
            m_db.commit();
    }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    QSqlDatabase m_db;
    bool m_open;
};

} // namespace

ReadOnlyDatabase::ReadOnlyDatabase(const QString& file) : m_file(file), m_connection(nextConnectionName())
{
    const QFileInfo info(file);
    if (!info.isFile())
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The Thunderbird address book \"%1\" does not exist.").arg(file));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        throw AutomationError(errStoreUnavailable, QStringLiteral("Thunderbird address books need Qt's SQLite driver "
                                                                  "(Debian package libqt6sql6-sqlite)."));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    // Read-only: no journal is ever written and Thunderbird's own writes go on (in WAL mode a reader
    // never blocks a writer); a lock held by a rollback-journal writer is waited for a short time.
    db.setDatabaseName(info.absoluteFilePath());
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open())
        fail(db.lastError().text());
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name IN "
                                   "('cards', 'properties', 'lists', 'list_cards')")))
        fail(check.lastError().text());
    int tables = 0;
    while (check.next())
        ++tables;
    if (tables != 4)
        fail(QStringLiteral("not a Thunderbird address book"));
}

ReadOnlyDatabase::~ReadOnlyDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void ReadOnlyDatabase::fail(const QString& what) const
{
    throw AutomationError(errStoreUnavailable,
                          QStringLiteral("The Thunderbird address book \"%1\" cannot be read: %2").arg(m_file, what));
}

void ReadOnlyDatabase::forEachCard(const std::function<void(const CardRow& card)>& visit) const
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const ReadTransaction transaction(db);
    // Current Thunderbird keeps the whole card in "_vCard": those rows alone are read, the
    // properties table scanned once (CROSS JOIN keeps it the outer loop) rather than sought card by
    // card, and the other properties, many per card, are not handed over at all.
    std::vector<std::pair<qint64, bool>> seen; // place, and whether that "_vCard" holds a card
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT c.rowid, p.card, CAST(p.value AS BLOB) FROM properties p "
                                   "CROSS JOIN cards c ON c.uid = p.card WHERE p.name = '_vCard'")))
            fail(q.lastError().text());
        CardRow card;
        while (q.next()) {
            card.place = q.value(0).toLongLong();
            card.vcard = q.value(2).toByteArray();
            // Blank or not, without copying the card as trimmed() would for its closing line break.
            const bool holdsCard = std::any_of(card.vcard.cbegin(), card.vcard.cend(),
                                               [](char c) { return !std::isspace(static_cast<unsigned char>(c)); });
            seen.emplace_back(card.place, holdsCard);
            if (!holdsCard)
                continue;
            card.uid = q.value(1).toString();
            visit(card);
        }
        if (q.lastError().isValid())
            fail(q.lastError().text());
    }
    // The last "_vCard" of a card stands; the cards left without one are read from their other
    // properties (older Thunderbird), all of them in one pass.
    std::stable_sort(seen.begin(), seen.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<qint64> withCard;
    for (std::size_t i = 0; i < seen.size(); ++i)
        if ((i + 1 == seen.size() || seen[i + 1].first != seen[i].first) && seen[i].second)
            withCard.push_back(seen[i].first);
    {
        QSqlQuery count(db);
        if (!count.exec(QStringLiteral("SELECT count(*) FROM cards")) || !count.next())
            fail(count.lastError().text());
        if (count.value(0).toLongLong() == qint64(withCard.size()))
            return;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT c.rowid, c.uid, p.name, CAST(p.value AS BLOB) FROM cards c "
                               "JOIN properties p ON p.card = c.uid ORDER BY c.rowid")))
        fail(q.lastError().text());
    CardRow card;
    card.place = -1;
    bool skip = true;
    QList<std::pair<QString, QByteArray>> properties;
    const auto flush = [&] {
        if (skip)
            return;
        Properties decoded;
        for (const auto& [name, value] : std::as_const(properties))
            decoded.insert(name, QString::fromUtf8(value));
        card.vcard = vcardFromProperties(decoded);
        visit(card);
    };
    while (q.next()) {
        const qint64 place = q.value(0).toLongLong();
        if (place != card.place) {
            flush();
            card.place = place;
            skip = std::binary_search(withCard.cbegin(), withCard.cend(), place);
            properties.clear();
            if (!skip)
                card.uid = q.value(1).toString();
        }
        if (skip)
            continue;
        QString name = q.value(2).toString();
        if (name != QLatin1String("_vCard"))
            properties.append({std::move(name), q.value(3).toByteArray()});
    }
    if (q.lastError().isValid())
        fail(q.lastError().text());
    flush();
}

void ReadOnlyDatabase::forEachList(const std::function<void(const ListRow& list)>& visit) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT uid, name, nickName, description FROM lists ORDER BY rowid")))
        fail(q.lastError().text());
    while (q.next())
        visit({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
}

Properties ReadOnlyDatabase::cardProperties(const QString& uid) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT name, value FROM properties WHERE card = ?"));
    q.addBindValue(uid);
    if (!q.exec())
        fail(q.lastError().text());
    Properties properties;
    while (q.next())
        properties.insert(q.value(0).toString(), q.value(1).toString());
    return properties;
}

std::optional<ListRow> ReadOnlyDatabase::list(const QString& uid) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT uid, name, nickName, description FROM lists WHERE uid = ?"));
    q.addBindValue(uid);
    if (!q.exec())
        fail(q.lastError().text());
    if (!q.next())
        return std::nullopt;
    return ListRow{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
}

QStringList ReadOnlyDatabase::listMembers(const QString& listUid) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT p.value FROM list_cards lc JOIN properties p ON p.card = lc.card "
                             "AND p.name = 'PrimaryEmail' WHERE lc.list = ? ORDER BY lc.rowid"));
    q.addBindValue(listUid);
    if (!q.exec())
        fail(q.lastError().text());
    QStringList members;
    while (q.next())
        members.append(q.value(0).toString());
    return members;
}

int ReadOnlyDatabase::itemCount() const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("SELECT (SELECT count(*) FROM cards) + (SELECT count(*) FROM lists)")) || !q.next())
        fail(q.lastError().text());
    return q.value(0).toInt();
}

} // namespace contactclient::thunderbird
