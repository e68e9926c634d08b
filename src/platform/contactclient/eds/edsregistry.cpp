#include "contactclient/eds/edsregistry.h"

#include "contactclient/errors.h"

namespace contactclient::eds {
namespace {

// "1 second", "2.5 seconds"
QString seconds(std::chrono::milliseconds wait)
{
    if (wait == std::chrono::seconds(1))
        return QStringLiteral("1 second");
    return QString::number(static_cast<double>(wait.count()) / 1000.0, 'g', 3) + QStringLiteral(" seconds");
}

struct GFreeString {
    void operator()(gchar* text) const { g_free(text); }
};

std::optional<ContactText> contactText(EContact* contact)
{
    std::unique_ptr<gchar, GFreeString> text(
        e_vcard_to_string(reinterpret_cast<EVCard*>(contact), EVC_FORMAT_VCARD_30));
    const auto* uid = static_cast<const char*>(e_contact_get_const(contact, E_CONTACT_UID));
    if (!uid || !text)
        return std::nullopt;
    return ContactText{QString::fromUtf8(uid), QByteArray(text.get()),
                       e_contact_get(contact, E_CONTACT_IS_LIST) != nullptr};
}

} // namespace

Deadline::Deadline(std::chrono::milliseconds wait) : m_cancellable(g_cancellable_new())
{
    m_thread = std::thread([this, wait] {
        std::unique_lock lock(m_mutex);
        if (!m_wake.wait_for(lock, wait, [this] { return m_stop; })) {
            m_expired = true;
            g_cancellable_cancel(m_cancellable.get());
        }
    });
}

Deadline::~Deadline()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

QString errorText(const GError* error)
{
    return error ? QString::fromUtf8(error->message) : QStringLiteral("unknown failure");
}

QByteArray allContactsQuery()
{
    EBookQuery* query = e_book_query_any_field_contains("");
    std::unique_ptr<gchar, GFreeString> text(e_book_query_to_string(query));
    e_book_query_unref(query);
    return QByteArray(text.get());
}

Registry::Registry(std::chrono::milliseconds wait)
{
    Deadline deadline(wait);
    GError* raw = nullptr;
    m_registry.reset(e_source_registry_new_sync(deadline.cancellable(), &raw));
    GErrorPtr error(raw);
    if (!m_registry) {
        if (deadline.expired())
            throw AutomationError(
                errStoreUnavailable,
                QStringLiteral("The desktop's address book did not answer within %1.").arg(seconds(wait)));
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The desktop's address book (evolution-data-server) is not available: %1")
                                  .arg(errorText(error.get())));
    }
    // Without a registry process the client still comes up, empty: a running registry always
    // holds its built-in sources.
    GList* all = e_source_registry_list_sources(m_registry.get(), nullptr);
    const bool running = all != nullptr;
    g_list_free_full(all, g_object_unref);
    if (!running)
        throw AutomationError(errStoreUnavailable,
                              QStringLiteral("The desktop's address book (evolution-data-server) is not available: "
                                             "its source registry is not running."));
    GRef<ESource> fallback(e_source_registry_ref_default_address_book(m_registry.get()));
    const QString defaultUid = fallback ? QString::fromUtf8(e_source_get_uid(fallback.get())) : QString();
    GList* sources = e_source_registry_list_enabled(m_registry.get(), E_SOURCE_EXTENSION_ADDRESS_BOOK);
    QList<BookInfo> books;
    for (GList* l = sources; l; l = l->next) {
        auto* source = static_cast<ESource*>(l->data);
        BookInfo info;
        info.uid = QString::fromUtf8(e_source_get_uid(source));
        info.name = QString::fromUtf8(e_source_get_display_name(source));
        info.isDefault = info.uid == defaultUid;
        auto* backend = static_cast<ESourceBackend*>(e_source_get_extension(source, E_SOURCE_EXTENSION_ADDRESS_BOOK));
        info.local = qstrcmp(e_source_backend_get_backend_name(backend), "local") == 0;
        books.append(info);
    }
    g_list_free_full(sources, g_object_unref);
    m_books = inRegistryOrder(books);
}

GRef<EBookClient> Registry::openBook(const QString& uid, std::chrono::milliseconds wait, QString& why,
                                     bool directRead) const
{
    GRef<ESource> source(e_source_registry_ref_source(m_registry.get(), uid.toUtf8().constData()));
    if (!source) {
        why = QStringLiteral("it is no longer in the desktop's list of address books");
        return nullptr;
    }
    Deadline deadline(wait);
    GError* raw = nullptr;
    // Not waiting for a remote book to come online: its local copy is read meanwhile, and the
    // view reports what arrives later. libebook waits for the whole time given (0: for ever, and
    // without looking at the cancellable) unless it is told not to wait at all with -1.
    constexpr guint32 noWait = G_MAXUINT32;
    EClient* client = directRead ? e_book_client_connect_direct_sync(m_registry.get(), source.get(), noWait,
                                                                     deadline.cancellable(), &raw)
                                 : e_book_client_connect_sync(source.get(), noWait, deadline.cancellable(), &raw);
    GErrorPtr error(raw);
    if (!client) {
        if (deadline.expired())
            why = QStringLiteral("it did not answer within %1").arg(seconds(wait));
        else if (g_error_matches(error.get(), E_CLIENT_ERROR, E_CLIENT_ERROR_AUTHENTICATION_REQUIRED) ||
                 g_error_matches(error.get(), E_CLIENT_ERROR, E_CLIENT_ERROR_AUTHENTICATION_FAILED))
            why = QStringLiteral("it needs a password that the desktop has not unlocked");
        else if (g_error_matches(error.get(), E_CLIENT_ERROR, E_CLIENT_ERROR_REPOSITORY_OFFLINE))
            why = QStringLiteral("it is offline");
        else
            why = errorText(error.get());
        return nullptr;
    }
    return GRef<EBookClient>(reinterpret_cast<EBookClient*>(client));
}

bool readContacts(EBookClient* client, std::chrono::milliseconds wait,
                  const std::function<void(const ContactText&)>& visit, QString& why)
{
    Deadline deadline(wait);
    GSList* contacts = nullptr;
    GError* raw = nullptr;
    const bool ok = e_book_client_get_contacts_sync(client, allContactsQuery().constData(), &contacts,
                                                    deadline.cancellable(), &raw);
    GErrorPtr error(raw);
    if (!ok) {
        why = deadline.expired() ? QStringLiteral("it did not answer within %1").arg(seconds(wait))
                                 : errorText(error.get());
        return false;
    }
    for (GSList* l = contacts; l; l = l->next) {
        if (const std::optional<ContactText> text = contactText(static_cast<EContact*>(l->data)))
            visit(*text);
    }
    g_slist_free_full(contacts, g_object_unref);
    return true;
}

bool awaitsCredentials(ESource* source)
{
    switch (e_source_get_connection_status(source)) {
    case E_SOURCE_CONNECTION_STATUS_AWAITING_CREDENTIALS:
    case E_SOURCE_CONNECTION_STATUS_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

std::optional<ContactText> readContact(EBookClient* client, const QString& uid, std::chrono::milliseconds wait)
{
    Deadline deadline(wait);
    EContact* contact = nullptr;
    GError* raw = nullptr;
    const bool ok =
        e_book_client_get_contact_sync(client, uid.toUtf8().constData(), &contact, deadline.cancellable(), &raw);
    GErrorPtr error(raw);
    GRef<EContact> owner(contact);
    if (!ok || !contact) {
        if (g_error_matches(error.get(), E_BOOK_CLIENT_ERROR, E_BOOK_CLIENT_ERROR_CONTACT_NOT_FOUND))
            return std::nullopt;
        throw AutomationError(
            errStoreUnavailable,
            deadline.expired()
                ? QStringLiteral("The desktop's address book did not answer within %1.").arg(seconds(wait))
                : QStringLiteral("The desktop's address book cannot be read: %1").arg(errorText(error.get())));
    }
    return contactText(contact);
}

} // namespace contactclient::eds
