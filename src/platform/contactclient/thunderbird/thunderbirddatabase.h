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

// One card as read: its place among the cards in the order they were added, its uid and its vCard.
struct CardRow {
    qint64 place = 0;
    QString uid;
    QByteArray vcard;
};

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

    // Every card's vCard text (see cardVCard), in no set order: sorted by place, the cards are in
    // the order they were added. The values are read as the bytes the database holds: a "_vCard" is
    // handed on as it is, without decoding. A card that holds "_vCard" twice (Thunderbird never
    // writes that) may come twice: the later one stands, as its later property would.
    void forEachCard(const std::function<void(const CardRow& card)>& visit) const;
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
