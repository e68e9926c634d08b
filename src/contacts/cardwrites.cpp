#include "cardwrites.h"

#include "contacts/contactsession.h"

CardWrites::CardWrites(ContactSession& session, Bar bar) : m_session(session), m_bar(std::move(bar)) {}

bool CardWrites::holds(const QString& entryId) const
{
    const auto current = m_session.currentContact();
    return current && !entryId.isEmpty() && current->EntryID() == entryId;
}

void CardWrites::saved(const QString& entryId, const QString& fileAs, bool added)
{
    if (!m_session.isLoaded() || entryId.isEmpty())
        return;
    const bool held = holds(entryId);
    m_session.reload();
    // Another contact in the box stays there (the reload resolved its name again).
    if (!added && !held)
        return;
    qsizetype place = m_session.contactPlace(entryId);
    if (place < 0 && !m_session.category().isEmpty() && m_bar.showAllContacts) {
        // Not of the category shown: the lists go back to all contacts, where it is.
        m_bar.showAllContacts();
        place = m_session.contactPlace(entryId);
    }
    if (place < 0) {
        // Not in the lists (a kind of item they leave out): the box cannot hold it.
        if (held && m_bar.clear)
            m_bar.clear();
        return;
    }
    // The name as the lists file it, which the completion finds.
    const QString name = m_session.searchList().at(2 * place);
    if (m_bar.pick)
        m_bar.pick(name.isEmpty() ? fileAs : name, entryId);
}

void CardWrites::deleted(const QString& entryId)
{
    if (!m_session.isLoaded())
        return;
    const bool held = holds(entryId);
    m_session.reload();
    if (held && m_bar.clear)
        m_bar.clear();
}
