#pragma once
// Brings the local copy of a directory (packed cards, see packedcopy.h) up to date.
// After a complete read, a refresh asks only for the entries changed since the newest
// modifyTimestamp the copy has seen (entries whose entryCSN is unchanged are not written again), plus a listing of
// every entry's entryUUID to find the ones that went; a server that does not give time stamps, or refuses the filter,
// is read in full. Entries are packed as they arrive into a generation of the copy no reader sees; the state naming it
// is written at the end, so a refresh that breaks off leaves the previous copy whole.

#include "ldapmapping.h"
#include "packedcopy.h"

#include <functional>

namespace contactclient::ldap {

class Connection;

struct Directory {
    QString url;
    QString baseDn;
    QString filter; // with its parentheses
    AttributeMap attributes;

    // What the copy is a copy of: another server, base, filter or mapping means a fresh read.
    QString identity() const;
};

struct RefreshOptions {
    int pageSize = 1000;
    int packSize = 1000; // cards to a pack file
    // The server's longest silence and the refresh's overall deadline, in seconds; 0: the
    // connection's own (ConnectionSettings). Tests shorten them.
    int silenceTimeoutS = 0;
    int overallTimeoutS = 0;
    // Called on the reading thread for each entry read, with the number read so far (tests break
    // a refresh off here, by throwing or by stopping the server: the packing may lag behind).
    std::function<void(int)> entryRead;
};

struct RefreshResult {
    int written = 0;  // entries added or changed
    int removed = 0;  // entries gone from the directory
    int nameless = 0; // entries without any name, left out (all of them, not just new ones)
    bool full = false;
};

// The default filter: people and groups.
inline const QString kDefaultFilter = QStringLiteral("(|(objectClass=inetOrgPerson)(objectClass=groupOfNames))");
// The filter with parentheses around it when the user left them out.
QString normalizedFilter(const QString& filter);

class RefreshEngine {
public:
    RefreshEngine(Connection& connection, PackedCopy& copy, Directory directory, RefreshOptions options = {});
    // Throws LdapError (server) or std::runtime_error (disk); the copy stays whole either way.
    RefreshResult run();

private:
    void readAll(RefreshResult& result);
    bool readChanges(RefreshResult& result);
    void write(const Entry& entry, RefreshResult& result, QSet<QString>* seen);

    Connection& m_connection;
    PackedCopy& m_copy;
    Directory m_directory;
    RefreshOptions m_options;
    AttributeMap m_mapping; // the directory's, in lower case
    QString m_newest;       // newest modifyTimestamp seen
    int m_entriesRead = 0;  // for entryRead
};

// The copy's name for an entry: its entryUUID, else a hash of its DN.
QString entryKey(const Entry& entry);

} // namespace contactclient::ldap
