#include "contactclient/eds/ebook.h"

#include "testbooks.h"

using namespace Qt::StringLiterals;

namespace {

QString take(GError* error)
{
    const QString text = error ? QString::fromUtf8(error->message) : u"failed"_s;
    g_clear_error(&error);
    return text;
}

} // namespace

TestBooks::TestBooks()
{
    GError* error = nullptr;
    m_registry = e_source_registry_new_sync(nullptr, &error);
    if (!m_registry)
        m_error += u"registry: "_s + take(error);
}

TestBooks::~TestBooks()
{
    for (EBookClient* c : std::as_const(m_clients))
        g_object_unref(c);
    if (m_registry)
        g_object_unref(m_registry);
}

QString TestBooks::createBook(const QString& uid, const QString& name, const QString& backend)
{
    GError* error = nullptr;
    ESource* source = e_source_new_with_uid(uid.toUtf8().constData(), nullptr, &error);
    if (!source) {
        m_error += u"new book: "_s + take(error);
        return {};
    }
    e_source_set_parent(source, "local-stub");
    e_source_set_display_name(source, name.toUtf8().constData());
    auto* extension = static_cast<ESourceBackend*>(e_source_get_extension(source, E_SOURCE_EXTENSION_ADDRESS_BOOK));
    e_source_backend_set_backend_name(extension, backend.toUtf8().constData());
    if (!e_source_registry_commit_source_sync(m_registry, source, nullptr, &error))
        m_error += u"commit book: "_s + take(error);
    g_object_unref(source);
    return uid;
}

QString TestBooks::createServerBook(const QString& uid, const QString& name, const QString& url, const QString& user)
{
    GError* error = nullptr;
    ESource* source = e_source_new_with_uid(uid.toUtf8().constData(), nullptr, &error);
    if (!source) {
        m_error += u"new book: "_s + take(error);
        return {};
    }
    e_source_set_display_name(source, name.toUtf8().constData());
    auto* book = static_cast<ESourceBackend*>(e_source_get_extension(source, E_SOURCE_EXTENSION_ADDRESS_BOOK));
    e_source_backend_set_backend_name(book, "carddav");
    GUri* address = g_uri_parse(url.toUtf8().constData(), G_URI_FLAGS_NONE, &error);
    if (!address) {
        m_error += u"url: "_s + take(error);
        g_object_unref(source);
        return {};
    }
    auto* webdav = static_cast<ESourceWebdav*>(e_source_get_extension(source, E_SOURCE_EXTENSION_WEBDAV_BACKEND));
    e_source_webdav_set_uri(webdav, address);
    auto* auth = static_cast<ESourceAuthentication*>(e_source_get_extension(source, E_SOURCE_EXTENSION_AUTHENTICATION));
    e_source_authentication_set_host(auth, g_uri_get_host(address));
    e_source_authentication_set_port(auth, guint16(g_uri_get_port(address)));
    e_source_authentication_set_user(auth, user.toUtf8().constData());
    e_source_authentication_set_method(auth, "plain/password");
    g_uri_unref(address);
    if (!e_source_registry_commit_source_sync(m_registry, source, nullptr, &error))
        m_error += u"commit book: "_s + take(error);
    g_object_unref(source);
    return uid;
}

void TestBooks::removeBook(const QString& uid)
{
    if (EBookClient* c = m_clients.take(uid))
        g_object_unref(c);
    ESource* source = e_source_registry_ref_source(m_registry, uid.toUtf8().constData());
    if (!source)
        return;
    GError* error = nullptr;
    if (!e_source_remove_sync(source, nullptr, &error))
        m_error += u"remove book: "_s + take(error);
    g_object_unref(source);
}

EBookClient* TestBooks::client(const QString& book)
{
    if (EBookClient* c = m_clients.value(book))
        return c;
    ESource* source = e_source_registry_ref_source(m_registry, book.toUtf8().constData());
    if (!source) {
        m_error += u"no book "_s + book + QLatin1Char(' ');
        return nullptr;
    }
    GError* error = nullptr;
    EClient* c = e_book_client_connect_sync(source, G_MAXUINT32, nullptr, &error); // -1: no waiting
    g_object_unref(source);
    if (!c) {
        m_error += u"connect: "_s + take(error);
        return nullptr;
    }
    auto* bookClient = reinterpret_cast<EBookClient*>(c);
    m_clients.insert(book, bookClient);
    return bookClient;
}

QString TestBooks::add(const QString& book, const QByteArray& vcard)
{
    EBookClient* c = client(book);
    if (!c)
        return {};
    EContact* contact = e_contact_new_from_vcard(vcard.constData());
    gchar* uid = nullptr;
    GError* error = nullptr;
    if (!e_book_client_add_contact_sync(c, contact, E_BOOK_OPERATION_FLAG_NONE, &uid, nullptr, &error))
        m_error += u"add: "_s + take(error);
    g_object_unref(contact);
    const QString result = QString::fromUtf8(uid);
    g_free(uid);
    return result;
}

int TestBooks::addMany(const QString& book, const QList<QByteArray>& vcards)
{
    EBookClient* c = client(book);
    if (!c)
        return 0;
    GSList* contacts = nullptr;
    for (const QByteArray& v : vcards)
        contacts = g_slist_prepend(contacts, e_contact_new_from_vcard(v.constData()));
    contacts = g_slist_reverse(contacts);
    GSList* uids = nullptr;
    GError* error = nullptr;
    if (!e_book_client_add_contacts_sync(c, contacts, E_BOOK_OPERATION_FLAG_NONE, &uids, nullptr, &error))
        m_error += u"add many: "_s + take(error);
    const int added = int(g_slist_length(uids));
    g_slist_free_full(uids, g_free);
    g_slist_free_full(contacts, g_object_unref);
    return added;
}

void TestBooks::modify(const QString& book, const QString& contact, const QByteArray& vcard)
{
    EBookClient* c = client(book);
    if (!c)
        return;
    EContact* changed = e_contact_new_from_vcard_with_uid(vcard.constData(), contact.toUtf8().constData());
    GError* error = nullptr;
    if (!e_book_client_modify_contact_sync(c, changed, E_BOOK_OPERATION_FLAG_NONE, nullptr, &error))
        m_error += u"modify: "_s + take(error);
    g_object_unref(changed);
}

void TestBooks::remove(const QString& book, const QString& contact)
{
    EBookClient* c = client(book);
    if (!c)
        return;
    GError* error = nullptr;
    if (!e_book_client_remove_contact_by_uid_sync(c, contact.toUtf8().constData(), E_BOOK_OPERATION_FLAG_NONE, nullptr,
                                                  &error))
        m_error += u"remove: "_s + take(error);
}
