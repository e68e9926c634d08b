#pragma once
// The desktop's address books through libebook: the source registry, the enabled books, a book
// client in direct-read mode and its contacts as vCard text. Every wait is bounded: a registry or
// book that does not answer in time is a clear failure, never a hang.

#include "contactclient/eds/ebook.h"
#include "contactclient/eds/edsbooks.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace contactclient::eds {

// Cancels its cancellable when the time is up; a call given it returns then at the latest.
class Deadline {
public:
    explicit Deadline(std::chrono::milliseconds wait);
    ~Deadline();
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

    GCancellable* cancellable() const { return m_cancellable.get(); }
    bool expired() const { return m_expired; }

private:
    GRef<GCancellable> m_cancellable;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::atomic<bool> m_expired{false};
    std::thread m_thread;
};

class Registry {
public:
    // Connects to the source registry. Throws AutomationError (errStoreUnavailable) when there is
    // no registry on the session bus or it does not answer within the wait.
    explicit Registry(std::chrono::milliseconds wait);

    // The enabled address books in the registry's order.
    QList<BookInfo> enabledBooks() const { return m_books; }
    ESourceRegistry* get() const { return m_registry.get(); }

    // Opens a book, for reading in direct-read mode (books kept on this machine only: a server's
    // back-end cannot be loaded into this process) or through the factory; nullptr with the
    // reason when it cannot be opened.
    GRef<EBookClient> openBook(const QString& uid, std::chrono::milliseconds wait, QString& why,
                               bool directRead = true) const;

private:
    GRef<ESourceRegistry> m_registry;
    QList<BookInfo> m_books;
};

// What reading a book hands out for each contact.
struct ContactText {
    QString uid;
    QByteArray vcard; // vCard 3.0
    bool isList = false;
};

// Every contact of the book. False with the reason when it cannot be read.
bool readContacts(EBookClient* client, std::chrono::milliseconds wait,
                  const std::function<void(const ContactText&)>& visit, QString& why);

// One contact; std::nullopt when the book has no such contact. Throws AutomationError
// (errStoreUnavailable) when the book cannot be read.
std::optional<ContactText> readContact(EBookClient* client, const QString& uid, std::chrono::milliseconds wait);

// Whether the book's server waits for a password (or a certificate) the desktop has not given.
bool awaitsCredentials(ESource* source);

// The query that every contact matches.
QByteArray allContactsQuery();

// A GError as text for the user.
QString errorText(const GError* error);

} // namespace contactclient::eds
