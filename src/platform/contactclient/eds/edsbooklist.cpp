#include "contactclient/eds/edsbooklist.h"

#include "contactclient/eds/edsregistry.h"

namespace contactclient::eds {

QList<BookSummary> listBooks(std::chrono::milliseconds wait)
{
    const Registry registry(wait);
    QList<BookSummary> books;
    for (const BookInfo& info : registry.enabledBooks()) {
        BookSummary summary{info, -1, {}};
        if (GRef<EBookClient> client = registry.openBook(info.uid, wait, summary.problem, info.local)) {
            int count = 0;
            if (readContacts(
                    client.get(), wait, [&](const ContactText&) { ++count; }, summary.problem))
                summary.contacts = count;
        }
        books.append(summary);
    }
    return books;
}

} // namespace contactclient::eds
