#pragma once
// The Thunderbird back-end (Backend=thunderbird, or "thunderbird" in Books=): every address book of
// a profile, each a book of its own, the personal address book first.

#include "contactclient/books/mergedstore.h"

namespace contactclient {

// The books of a location: empty, the default profile (the first profile that has address books);
// a folder, that profile; a file, that one address book. Throws AutomationError
// (errStoreUnavailable) when it names no address book.
std::vector<Book> thunderbirdBooks(const QString& location);

} // namespace contactclient
