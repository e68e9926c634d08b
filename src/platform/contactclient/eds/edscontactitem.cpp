#include "contactclient/eds/ebook.h" // before Qt's keywords

#include "contactclient/eds/edscontactitem.h"

#include "contactclient/eds/edsregistry.h"
#include "contactclient/eds/openbook.h"
#include "contactclient/vcard/carddocument.h"
#include "contactclient/vcard/cardfile.h"
#include "contactclient/vcard/contactmapping.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcardreader.h"

#include <QDateTime>
#include <QObject>
#include <QUuid>

namespace contactclient {

using namespace eds;

namespace {

struct GFree {
    void operator()(gchar* text) const { g_free(text); }
};

// A failed write of libebook as the error the card shows; nothing was written.
[[noreturn]] void writeFailed(const GErrorPtr& error, const Deadline& deadline, const QString& name,
                              const QString& book)
{
    if (g_error_matches(error.get(), E_BOOK_CLIENT_ERROR, E_BOOK_CLIENT_ERROR_CONTACT_NOT_FOUND))
        throw ConflictError(
            QObject::tr("“%1” was removed from “%2” since it was read; your change was not written.").arg(name, book));
    if (g_error_matches(error.get(), E_CLIENT_ERROR, E_CLIENT_ERROR_PERMISSION_DENIED) ||
        g_error_matches(error.get(), E_CLIENT_ERROR, E_CLIENT_ERROR_NOT_SUPPORTED))
        throw AutomationError(
            errReadOnly,
            QObject::tr("The address book “%1” does not take changes: %2").arg(book, errorText(error.get())));
    throw AutomationError(
        errNotWritten,
        deadline.expired()
            ? QObject::tr("The address book “%1” did not answer in time; “%2” is as it was.").arg(book, name)
            : QObject::tr("“%1” could not be written to “%2”: %3").arg(name, book, errorText(error.get())));
}

GRef<EContact> contactFrom(const QByteArray& card, const QString& uid)
{
    GRef<EContact> contact(uid.isEmpty()
                               ? e_contact_new_from_vcard(card.constData())
                               : e_contact_new_from_vcard_with_uid(card.constData(), uid.toUtf8().constData()));
    if (!contact)
        throw AutomationError(errBadValue, QObject::tr("The contact cannot be written as a vCard."));
    return contact;
}

} // namespace

EdsContactItem::EdsContactItem(std::shared_ptr<OpenBook> book, QString contactUid, std::shared_ptr<ContactItem> read,
                               std::chrono::milliseconds wait, std::optional<QByteArray> shown)
    : ForwardingContactItem(std::move(read)), m_book(std::move(book)), m_uid(std::move(contactUid)), m_wait(wait),
      m_shown(std::move(shown))
{
}

std::shared_ptr<ContactItem> EdsContactItem::readItem(const QString& entryId, const ContactText& contact)
{
    std::shared_ptr<ContactItem> found;
    vcard::readCards(contact.vcard, vcard::Detail::Full, [&](vcard::Card& card) {
        if (card.ok()) {
            vcard::ContactData data = vcard::mapContact(card);
            data.summary.group = data.summary.group || contact.isList;
            found = std::make_shared<VCardContactItem>(entryId, std::move(data));
        }
        return false;
    });
    return found;
}

QString EdsContactItem::EntryID() const
{
    return m_uid.isEmpty() ? QString() : entryId(m_book->info.uid, m_uid);
}

bool EdsContactItem::writable() const
{
    return m_book->writable() && !m_book->locked;
}

QString EdsContactItem::readOnlyReason() const
{
    if (writable())
        return {};
    return QObject::tr("The desktop's address book “%1” is read-only; change this contact where the book is kept "
                       "(GNOME Contacts, Evolution, or its server).")
        .arg(m_book->info.name);
}

void EdsContactItem::requireWritable() const
{
    if (!writable())
        throw AutomationError(errReadOnly, readOnlyReason());
}

ContactText EdsContactItem::current() const
{
    const std::optional<ContactText> contact = readContact(m_book->client.get(), m_uid, m_wait);
    if (!contact)
        throw ItemNotFound(EntryID());
    return *contact;
}

void EdsContactItem::reread()
{
    const ContactText contact = current();
    if (std::shared_ptr<ContactItem> read = readItem(EntryID(), contact)) {
        setInner(std::move(read));
        m_shown = contact.vcard;
    }
}

ContactForm EdsContactItem::form()
{
    requireWritable();
    if (m_uid.isEmpty())
        return m_pending.value_or(ContactForm());
    const ContactText contact = current();
    const vcard::CardDocument doc(contact.vcard);
    if (!doc.ok())
        throw AutomationError(errStoreUnavailable,
                              QObject::tr("The contact “%1” cannot be read: %2.").arg(EntryID(), doc.error()));
    m_opened = contact.vcard;
    if (std::shared_ptr<ContactItem> read = readItem(EntryID(), contact)) {
        setInner(std::move(read));
        m_shown = contact.vcard;
    }
    return doc.form();
}

void EdsContactItem::setForm(const ContactForm& form)
{
    requireWritable();
    m_pending = form;
}

void EdsContactItem::Save()
{
    requireWritable();
    if (!m_pending)
        return;
    requireValid(*m_pending);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString name = m_pending->fullName.isEmpty() ? composedFullName(*m_pending) : m_pending->fullName;
    EBookClient* client = m_book->client.get();
    if (m_uid.isEmpty()) {
        const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        GRef<EContact> contact =
            contactFrom(vcard::CardDocument::create(*m_pending, vcard::Version::V30, uid, now), {});
        Deadline deadline(m_wait);
        gchar* added = nullptr;
        GError* raw = nullptr;
        const bool ok = e_book_client_add_contact_sync(client, contact.get(), E_BOOK_OPERATION_FLAG_NONE, &added,
                                                       deadline.cancellable(), &raw);
        GErrorPtr error(raw);
        std::unique_ptr<gchar, GFree> addedUid(added);
        if (!ok)
            writeFailed(error, deadline, name, m_book->info.name);
        m_uid = addedUid ? QString::fromUtf8(addedUid.get()) : uid;
    } else {
        if (!m_opened)
            form();
        // Changed in the book since it was read (by Evolution, a sync): nothing is written over.
        const ContactText now_ = current();
        if (now_.vcard != *m_opened)
            throw ConflictError(QObject::tr("“%1” was changed in “%2” since it was read; your change was not written.")
                                    .arg(FullName(), m_book->info.name));
        const QByteArray card = vcard::CardDocument(*m_opened).apply(*m_pending, now);
        if (card != *m_opened) {
            GRef<EContact> contact = contactFrom(card, m_uid);
            Deadline deadline(m_wait);
            GError* raw = nullptr;
            const bool ok = e_book_client_modify_contact_sync(client, contact.get(), E_BOOK_OPERATION_FLAG_NONE,
                                                              deadline.cancellable(), &raw);
            GErrorPtr error(raw);
            if (!ok)
                writeFailed(error, deadline, name, m_book->info.name);
        }
    }
    m_pending.reset();
    m_opened.reset();
    reread();
}

void EdsContactItem::Delete()
{
    requireWritable();
    if (m_uid.isEmpty())
        return; // never saved: nothing to remove
    const ContactText contact = current();
    // Changed in the book since it was shown (by Evolution, a sync): the user decides again on
    // what it holds now. (EDS removes by UID only; this check is as close as it lets us come.)
    if (m_shown && contact.vcard != *m_shown)
        throw ConflictError(QObject::tr("“%1” was changed in “%2” since it was read; it was not deleted.")
                                .arg(FullName(), m_book->info.name));
    // Kept aside before it leaves the book.
    QString file;
    for (const QChar c : m_uid)
        file += c.isLetterOrNumber() && c.unicode() < 0x80 ? c : QLatin1Char('_');
    keepCardAside(deletedCardsFolder(), file + QStringLiteral(".vcf"), contact.vcard);
    Deadline deadline(m_wait);
    GError* raw = nullptr;
    const bool ok = e_book_client_remove_contact_by_uid_sync(m_book->client.get(), m_uid.toUtf8().constData(),
                                                             E_BOOK_OPERATION_FLAG_NONE, deadline.cancellable(), &raw);
    GErrorPtr error(raw);
    if (!ok && !g_error_matches(error.get(), E_BOOK_CLIENT_ERROR, E_BOOK_CLIENT_ERROR_CONTACT_NOT_FOUND))
        writeFailed(error, deadline, FullName(), m_book->info.name);
    m_opened.reset();
}

QString EdsContactItem::deletedFolder() const
{
    return deletedCardsFolder();
}

} // namespace contactclient
