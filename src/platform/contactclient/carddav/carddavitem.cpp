#include "carddavitem.h"

#include "carddavstore.h"
#include "contactclient/vcard/carddocument.h"
#include "contactclient/vcard/cardfile.h"

#include <QDateTime>
#include <QObject>
#include <QUuid>

namespace contactclient {

using carddav::PendingChange;

CardDavContactItem::CardDavContactItem(QString entryId, std::shared_ptr<ContactItem> copyItem,
                                       std::shared_ptr<CardDavLink> link)
    : ForwardingContactItem(std::move(copyItem)), m_entryId(std::move(entryId)), m_link(std::move(link))
{
}

CardDavStore& CardDavContactItem::store() const
{
    if (!m_link->store)
        throw AutomationError(errStoreUnavailable, QObject::tr("The CardDAV address book is closed."));
    if (!m_link->store->writable())
        throw AutomationError(errReadOnly, m_link->store->readOnlyReason());
    return *m_link->store;
}

bool CardDavContactItem::writable() const
{
    return m_link->store && m_link->store->writable();
}

QString CardDavContactItem::readOnlyReason() const
{
    return m_link->store ? m_link->store->readOnlyReason() : defaultReadOnlyReason();
}

QString CardDavContactItem::name() const
{
    if (m_pending && !m_pending->fullName.trimmed().isEmpty())
        return m_pending->fullName.trimmed();
    if (m_pending && !composedFullName(*m_pending).isEmpty())
        return composedFullName(*m_pending);
    return FullName().isEmpty() ? FileAs() : FullName();
}

ContactForm CardDavContactItem::form()
{
    CardDavStore& book = store();
    if (m_entryId.isEmpty())
        return m_pending.value_or(ContactForm());
    const CardDavStore::CardRef ref = book.cardOf(m_entryId);
    const OpenedCard opened = openCard(book.copyFolder(), m_entryId);
    const vcard::CardDocument doc(opened.bytes);
    if (!doc.ok())
        throw AutomationError(errStoreUnavailable,
                              QObject::tr("The contact “%1” cannot be read: %2.").arg(m_entryId, doc.error()));
    m_opened = Opened{opened.bytes, ref.etag};
    setInner(book.copyItem(m_entryId));
    return doc.form();
}

void CardDavContactItem::setForm(const ContactForm& form)
{
    store();
    m_pending = form;
}

void CardDavContactItem::Save()
{
    CardDavStore& book = store();
    if (!m_pending)
        return;
    requireValid(*m_pending);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    bool queued = false;
    if (m_entryId.isEmpty()) {
        const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QByteArray card = vcard::CardDocument::create(*m_pending, folderVersion(book.copyFolder()), uid, now);
        PendingChange change{PendingChange::Add, book.hrefFor(uid), QString(), card, name()};
        queued = book.write(change);
        m_entryId = book.entryIdOf(change.href);
    } else {
        if (!m_opened)
            form();
        const QByteArray card = vcard::CardDocument(m_opened->bytes).apply(*m_pending, now);
        if (card != m_opened->bytes) {
            const CardDavStore::CardRef ref = book.cardOf(m_entryId);
            if (ref.etag != m_opened->etag)
                throw ConflictError(QObject::tr("“%1” was changed on the address book server since it was read; "
                                                "your change was not written.")
                                        .arg(name()));
            queued = book.write({PendingChange::Change, ref.href, ref.etag, card, name()});
        }
    }
    m_note = queued ? CardDavStore::waitingNote() : QString();
    m_opened.reset();
    m_pending.reset();
    setInner(book.copyItem(m_entryId));
}

void CardDavContactItem::Delete()
{
    CardDavStore& book = store();
    if (m_entryId.isEmpty())
        return; // never saved: nothing to remove
    const CardDavStore::CardRef ref = book.cardOf(m_entryId);
    const OpenedCard opened = openCard(book.copyFolder(), m_entryId);
    // Kept aside before it leaves the server or the copy.
    keepCardAside(deletedCardsFolder(), opened.origin.fileName, opened.bytes);
    const bool queued = book.write({PendingChange::Remove, ref.href, ref.etag, QByteArray(), name()});
    m_note = queued ? CardDavStore::waitingNote() : QString();
    m_opened.reset();
}

QString CardDavContactItem::deletedFolder() const
{
    return deletedCardsFolder();
}

} // namespace contactclient
