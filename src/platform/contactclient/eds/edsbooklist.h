#pragma once
// The desktop's enabled address books with the number of contacts in each, for choosing among
// them (Quintel Setup, quintel-contacts --list-books, the first start).

#include "contactclient/eds/edsbooks.h"

#include <chrono>

namespace contactclient::eds {

struct BookSummary {
    BookInfo book;
    int contacts = 0; // -1 when the book cannot be read
    QString problem;  // why it cannot be read
};

// The enabled books in the registry's order. Throws AutomationError (errStoreUnavailable) when the
// desktop's address book is not there or does not answer within the wait.
QList<BookSummary> listBooks(std::chrono::milliseconds wait = std::chrono::seconds(15));

} // namespace contactclient::eds
