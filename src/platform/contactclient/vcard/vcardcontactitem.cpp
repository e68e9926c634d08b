#include "vcardcontactitem.h"

#include "contactclient/storenotifier.h"
#include "contactclient/vcard/carddocument.h"

#include <QUuid>

namespace contactclient {

void VCardWriter::written() const
{
    if (stale)
        stale->store(true);
    if (notifier)
        emit notifier->changed();
}

VCardContactItem::VCardContactItem(QString entryId, vcard::ContactData data, std::shared_ptr<const VCardWriter> writer,
                                   QString readOnlyReason)
    : m_entryId(std::move(entryId)), m_data(std::move(data)), m_writer(std::move(writer)),
      m_readOnlyReason(std::move(readOnlyReason))
{
}

QString VCardContactItem::TypeName() const
{
    return m_data.summary.group ? kDistListItemType : kContactItemType;
}

void VCardContactItem::Display()
{
    // A store's item has no desktop: the application hands out the item that shows the card.
}

bool VCardContactItem::writable() const
{
    return m_writer != nullptr;
}

QString VCardContactItem::readOnlyReason() const
{
    if (m_writer)
        return {};
    return m_readOnlyReason.isEmpty() ? defaultReadOnlyReason() : m_readOnlyReason;
}

void VCardContactItem::requireWriter() const
{
    if (!m_writer)
        throw AutomationError(errReadOnly, readOnlyReason());
}

ContactForm VCardContactItem::form()
{
    requireWriter();
    if (m_entryId.isEmpty())
        return m_pending.value_or(ContactForm());
    m_opened = openCard(m_writer->folder, m_entryId);
    const vcard::CardDocument doc(m_opened->bytes);
    if (!doc.ok())
        throw AutomationError(errStoreUnavailable,
                              QObject::tr("The contact “%1” cannot be read: %2.").arg(m_entryId, doc.error()));
    takeCard(m_opened->bytes);
    return doc.form();
}

void VCardContactItem::setForm(const ContactForm& form)
{
    requireWriter();
    m_pending = form;
}

void VCardContactItem::takeCard(const QByteArray& card)
{
    vcard::readCards(card, vcard::Detail::Full, [&](vcard::Card& c) {
        if (c.ok())
            m_data = vcard::mapContact(c);
        return false;
    });
}

void VCardContactItem::Save()
{
    requireWriter();
    if (!m_pending)
        return;
    requireValid(*m_pending);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (m_entryId.isEmpty()) {
        const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QByteArray card = vcard::CardDocument::create(*m_pending, folderVersion(m_writer->folder), uid, now);
        m_entryId = addCard(m_writer->folder, uid, card);
        m_opened = openCard(m_writer->folder, m_entryId);
        takeCard(card);
    } else {
        if (!m_opened)
            m_opened = openCard(m_writer->folder, m_entryId);
        const QByteArray card = vcard::CardDocument(m_opened->bytes).apply(*m_pending, now);
        m_opened->origin = replaceCard(m_opened->origin, card);
        m_opened->bytes = card;
        takeCard(card);
    }
    m_pending.reset();
    m_writer->written();
}

void VCardContactItem::Delete()
{
    requireWriter();
    if (m_entryId.isEmpty())
        return; // never saved: nothing to remove
    if (!m_opened)
        m_opened = openCard(m_writer->folder, m_entryId);
    deleteCard(m_opened->origin, m_writer->asideFolder);
    m_opened.reset();
    m_writer->written();
}

QString VCardContactItem::deletedFolder() const
{
    return m_writer ? m_writer->asideFolder : QString();
}

} // namespace contactclient
