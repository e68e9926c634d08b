#include "contactclient/eds/ebook.h" // before Qt's keywords

#include "contactclient/eds/edsstore.h"

#include "contactclient/clientconfig.h"
#include "contactclient/eds/edscontactitem.h"
#include "contactclient/eds/edsitemset.h"
#include "contactclient/eds/edsregistry.h"
#include "contactclient/eds/openbook.h"
#include "contactclient/storenotifier.h"
#include "contactclient/vcard/categoryfilter.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "settingsstore.h"

#include <QHash>
#include <QTimer>

#include <algorithm>
#include <atomic>

namespace contactclient {

using namespace eds;

// GLib's callbacks into the store.
struct EdsCallbacks {
    struct ViewRequest {
        EdsStore* store;
        std::shared_ptr<OpenBook> book;
    };

    static void objectsChanged(EBookClientView*, gpointer, gpointer self) { static_cast<EdsStore*>(self)->changed(); }

    // A server's book asks for a password (or is given one): it is skipped (or read) from the next
    // reload on.
    static void statusChanged(GObject* source, GParamSpec*, gpointer data)
    {
        auto* book = static_cast<OpenBook*>(data);
        const bool locked = awaitsCredentials(reinterpret_cast<ESource*>(source));
        if (book->locked.exchange(locked) != locked)
            book->owner->changed();
    }

    static void viewReady(GObject* client, GAsyncResult* result, gpointer data)
    {
        std::unique_ptr<ViewRequest> request(static_cast<ViewRequest*>(data));
        EBookClientView* raw = nullptr;
        GError* rawError = nullptr;
        const bool ok = e_book_client_get_view_finish(reinterpret_cast<EBookClient*>(client), result, &raw, &rawError);
        GErrorPtr error(rawError);
        GRef<EBookClientView> view(raw);
        // A cancelled request belongs to a store that is gone: touch nothing of it.
        if (!ok || !view || g_error_matches(error.get(), G_IO_ERROR, G_IO_ERROR_CANCELLED))
            return;
        // Only changes matter: the contacts there are now were read already.
        e_book_client_view_set_flags(view.get(), E_BOOK_CLIENT_VIEW_FLAGS_NONE, nullptr);
        // The view starts after the book was read: what changed in between is read again once
        // the view is complete.
        for (const char* signal : {"objects-added", "objects-modified", "objects-removed", "complete"})
            g_signal_connect_data(view.get(), signal, reinterpret_cast<GCallback>(&EdsCallbacks::objectsChanged),
                                  request->store, nullptr, GConnectFlags(0));
        e_book_client_view_start(view.get(), nullptr);
        request->book->listener = request->store;
        request->book->view = std::move(view);
    }
};

EdsStore::EdsStore(Options options)
    : m_options(std::move(options)), m_notifier(std::make_unique<StoreNotifier>()),
      m_viewCancellable(g_cancellable_new())
{
    m_settle = new QTimer(m_notifier.get());
    m_settle->setSingleShot(true);
    m_settle->setInterval(static_cast<int>(m_options.settle.count()));
    QObject::connect(m_settle, &QTimer::timeout, m_notifier.get(), &StoreNotifier::changed);
}

EdsStore::~EdsStore()
{
    g_cancellable_cancel(static_cast<GCancellable*>(m_viewCancellable));
    m_books.clear();
    g_object_unref(m_viewCancellable);
}

void EdsStore::open()
{
    auto registry = std::make_unique<Registry>(m_options.wait);
    const BookChoice choice = chooseBooks(registry->enabledBooks(), m_options.books);
    QStringList notes;
    for (const QString& name : choice.unknown)
        notes.append(QStringLiteral("The desktop has no address book \"%1\".").arg(name));
    std::vector<std::shared_ptr<OpenBook>> books;
    for (const BookInfo& info : choice.books) {
        QString why;
        GRef<EBookClient> client = registry->openBook(info.uid, m_options.wait, why, info.local);
        if (!client) {
            notes.append(QStringLiteral("The address book \"%1\" was skipped: %2.").arg(info.name, why));
            continue;
        }
        auto book = std::make_shared<OpenBook>();
        book->info = info;
        book->client = std::move(client);
        book->owner = this;
        if (!info.local) {
            book->source.reset(e_source_registry_ref_source(registry->get(), info.uid.toUtf8().constData()));
            book->locked = book->source && awaitsCredentials(book->source.get());
        }
        books.push_back(std::move(book));
    }
    if (books.empty()) {
        QString why = notes.join(QLatin1Char(' '));
        if (registry->enabledBooks().isEmpty())
            why = QStringLiteral("The desktop has no address book switched on.");
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("No address book of the desktop can be read. %1").arg(why).trimmed());
    }
    {
        std::lock_guard lock(m_mutex);
        m_registry = std::move(registry);
        m_books = std::move(books);
        m_openNotes = notes;
        m_readNotes.clear();
    }
    QMetaObject::invokeMethod(
        m_notifier.get(), [this] { startViews(); }, Qt::QueuedConnection);
}

void EdsStore::startViews()
{
    std::vector<std::shared_ptr<OpenBook>> books;
    {
        std::lock_guard lock(m_mutex);
        books = m_books;
    }
    const QByteArray query = allContactsQuery();
    for (const std::shared_ptr<OpenBook>& book : books) {
        if (book->source && !book->statusHandler) {
            book->statusHandler = g_signal_connect_data(book->source.get(), "notify::connection-status",
                                                        reinterpret_cast<GCallback>(&EdsCallbacks::statusChanged),
                                                        book.get(), nullptr, GConnectFlags(0));
            EdsCallbacks::statusChanged(reinterpret_cast<GObject*>(book->source.get()), nullptr, book.get());
        }
        if (book->view)
            continue;
        e_book_client_get_view(book->client.get(), query.constData(), static_cast<GCancellable*>(m_viewCancellable),
                               &EdsCallbacks::viewReady, new EdsCallbacks::ViewRequest{this, book});
    }
}

void EdsStore::changed()
{
    m_settle->start();
}

std::shared_ptr<ItemSet> EdsStore::items()
{
    std::vector<std::shared_ptr<OpenBook>> books;
    {
        std::lock_guard lock(m_mutex);
        books = m_books;
    }
    if (books.empty())
        throw AutomationError(errStoreUnavailable, QStringLiteral("The desktop's address book is not open."));
    auto records = std::make_shared<std::vector<Record>>();
    QHash<QString, QString> folded;
    QStringList notes;
    int readable = 0;
    for (const std::shared_ptr<OpenBook>& book : books) {
        if (book->locked) {
            notes.append(QStringLiteral("The address book \"%1\" was skipped: it needs a password that the desktop "
                                        "has not unlocked.")
                             .arg(book->info.name));
            continue;
        }
        int broken = 0;
        QString why;
        const bool ok = readContacts(
            book->client.get(), m_options.wait,
            [&](const ContactText& contact) {
                bool read = false;
                vcard::readCards(contact.vcard, vcard::Detail::Summary, [&](vcard::Card& card) {
                    if (!card.ok())
                        return false;
                    const vcard::ContactSummary s = vcard::summarize(card);
                    Record r;
                    r.entryId = entryId(book->info.uid, contact.uid);
                    r.fileAs = s.fileAs;
                    r.fullName = s.fullName;
                    r.searchFields = s.searchFields;
                    r.group = s.group || contact.isList;
                    for (const QString& c : s.categories) {
                        auto it = folded.constFind(c);
                        if (it == folded.constEnd())
                            it = folded.insert(c, foldedCategoryName(c));
                        r.foldedCategories.append(*it);
                    }
                    records->push_back(std::move(r));
                    read = true;
                    return false;
                });
                if (!read)
                    ++broken;
            },
            why);
        if (!ok) {
            notes.append(QStringLiteral("The address book \"%1\" cannot be read: %2.").arg(book->info.name, why));
            continue;
        }
        ++readable;
        if (broken > 0)
            notes.append(QStringLiteral("%1 contact(s) of \"%2\" cannot be read and were skipped.")
                             .arg(broken)
                             .arg(book->info.name));
    }
    {
        std::lock_guard lock(m_mutex);
        m_readNotes = notes;
    }
    if (readable == 0)
        throw AutomationError(errStoreUnavailable, notes.join(QLatin1Char(' ')));
    return std::make_shared<EdsItemSet>(std::move(records));
}

std::shared_ptr<ContactItem> EdsStore::itemFromId(const QString& id)
{
    QString bookUid;
    QString contactUid;
    if (!parseEntryId(id, bookUid, contactUid))
        throw ItemNotFound(id);
    std::shared_ptr<OpenBook> book;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& b : m_books) {
            if (b->info.uid == bookUid)
                book = b;
        }
    }
    if (!book)
        throw ItemNotFound(id);
    const std::optional<ContactText> contact = readContact(book->client.get(), contactUid, m_options.wait);
    if (!contact)
        throw ItemNotFound(id);
    std::shared_ptr<ContactItem> found = EdsContactItem::readItem(id, *contact);
    if (!found)
        throw AutomationError(
            errStoreUnavailable,
            QStringLiteral("The contact \"%1\" of \"%2\" cannot be read.").arg(contactUid, book->info.name));
    return std::make_shared<EdsContactItem>(book, contactUid, std::move(found), m_options.wait, contact->vcard);
}

bool EdsStore::writable() const
{
    std::lock_guard lock(m_mutex);
    return std::any_of(m_books.cbegin(), m_books.cend(), [](const auto& b) { return b->writable() && !b->locked; });
}

QString EdsStore::readOnlyReason() const
{
    if (writable())
        return {};
    return QObject::tr("None of the desktop's address books Quintel reads takes changes; add contacts in GNOME "
                       "Contacts or Evolution.");
}

QList<ContactBook> EdsStore::newContactBooks() const
{
    std::lock_guard lock(m_mutex);
    QList<ContactBook> out;
    for (const auto& b : m_books)
        if (b->writable() && !b->locked)
            out.append({b->info.uid, b->info.name});
    return out;
}

std::shared_ptr<ContactItem> EdsStore::createItem(const QString& key)
{
    std::shared_ptr<OpenBook> book;
    bool any = false;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& b : m_books) {
            if (b->writable() && !b->locked) {
                any = true;
                if (key.isEmpty() || b->info.uid == key) {
                    book = b;
                    break;
                }
            }
        }
    }
    if (!any)
        throw AutomationError(errReadOnly, readOnlyReason());
    if (!book)
        throw AutomationError(errBadValue, unknownBookText(key));
    return std::make_shared<EdsContactItem>(
        book, QString(), std::make_shared<VCardContactItem>(QString(), vcard::ContactData()), m_options.wait);
}

QString EdsStore::statusNote() const
{
    std::lock_guard lock(m_mutex);
    return (m_openNotes + m_readNotes).join(QLatin1Char(' '));
}

QStringList EdsStore::openBooks() const
{
    std::lock_guard lock(m_mutex);
    QStringList lines;
    for (const auto& b : m_books)
        lines.append(b->info.uid + QLatin1Char(' ') + b->info.name);
    return lines;
}

std::shared_ptr<Store> createEdsStore(const SettingsStore& settings)
{
    EdsStore::Options options;
    options.books = clientSetting(settings, key::EdsBooks);
    return std::make_shared<EdsStore>(options);
}

} // namespace contactclient
