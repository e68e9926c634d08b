#pragma once
// Read-only access to a Thunderbird address-book database (tables cards, properties, lists,
// list_cards) through Qt SQL's SQLite driver. Each object is one short-lived connection of the
// thread that made it; it never writes and never waits long for a lock.

#include "contactclient/thunderbird/thunderbirdcards.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace contactclient::thunderbird {

struct ListRow {
    QString uid;
    QString name;
    QString nickName;
    QString description;
};

class ReadOnlyDatabase {
public:
    // Opens the file; throws AutomationError (errStoreUnavailable) when it is missing or not a
    // Thunderbird address book.
    explicit ReadOnlyDatabase(const QString& file);
    ~ReadOnlyDatabase();
    ReadOnlyDatabase(const ReadOnlyDatabase&) = delete;
    ReadOnlyDatabase& operator=(const ReadOnlyDatabase&) = delete;

    // Every card's vCard text (see cardVCard), in the order the cards were added. The values are
    // read as the bytes the database holds: a "_vCard" is handed on as it is, without decoding.
    void forEachCard(const std::function<void(const QString& uid, const QByteArray& vcard)>& visit) const;
    void forEachList(const std::function<void(const ListRow& list)>& visit) const;
    // Empty when there is no such card.
    Properties cardProperties(const QString& uid) const;
    std::optional<ListRow> list(const QString& uid) const;
    // The members' primary addresses, in the order they were added.
    QStringList listMembers(const QString& listUid) const;
    // The number of cards and lists (for detection), without reading them.
    int itemCount() const;

private:
    [[noreturn]] void fail(const QString& what) const;
    QString m_file;
    QString m_connection;
};

} // namespace contactclient::thunderbird
