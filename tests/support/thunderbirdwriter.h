#pragma once
// An address book written as Thunderbird writes one: its SQLite schema (cards, properties, lists,
// list_cards), cards in either of its forms, and mailing lists, through a read-write connection of
// its own as Thunderbird holds one.

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

#include <utility>

namespace testsupport {

inline const char* const kThunderbirdSchema[] = {
    "CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER)",
    "CREATE TABLE properties (card TEXT, name TEXT, value TEXT)",
    "CREATE TABLE lists (uid TEXT PRIMARY KEY, localId INTEGER, name TEXT, nickName TEXT, description TEXT)",
    "CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card))",
    "CREATE INDEX properties_card ON properties(card)",
    "CREATE INDEX properties_name ON properties(name)",
};

class ThunderbirdWriter {
public:
    using Props = QList<std::pair<QString, QString>>;

    // wal: in write-ahead-log mode, as Thunderbird keeps its books.
    ThunderbirdWriter(const QString& file, bool wal) : m_name(QStringLiteral("writer-") + file)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        db.open();
        exec(wal ? "PRAGMA journal_mode=WAL" : "PRAGMA journal_mode=DELETE");
    }
    ~ThunderbirdWriter()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool exec(const char* sql) { return exec(QString::fromUtf8(sql), {}); }
    bool exec(const QString& sql, const QVariantList& values)
    {
        QSqlQuery q(QSqlDatabase::database(m_name));
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        if (!q.exec()) {
            qWarning() << sql << q.lastError().text();
            return false;
        }
        return true;
    }
    bool createSchema()
    {
        for (const char* sql : kThunderbirdSchema)
            if (!exec(sql))
                return false;
        return true;
    }
    bool addCard(const QString& uid, const Props& properties)
    {
        if (!exec(QStringLiteral("INSERT INTO cards (uid, localId) VALUES (?, ?)"), {uid, ++m_localId}))
            return false;
        for (const auto& [name, value] : properties)
            if (!exec(QStringLiteral("INSERT INTO properties (card, name, value) VALUES (?, ?, ?)"),
                      {uid, name, value}))
                return false;
        return true;
    }
    bool addList(const QString& uid, const QString& name, const QStringList& members)
    {
        if (!exec(QStringLiteral("INSERT INTO lists (uid, localId, name, nickName, description) VALUES (?, ?, ?, '', "
                                 "'Team list')"),
                  {uid, ++m_localId, name}))
            return false;
        for (const QString& m : members)
            if (!exec(QStringLiteral("INSERT INTO list_cards (list, card) VALUES (?, ?)"), {uid, m}))
                return false;
        return true;
    }

private:
    QString m_name;
    int m_localId = 0;
};

} // namespace testsupport
