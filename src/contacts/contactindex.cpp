#include "contactindex.h"

#include "contacts/contactlistdata.h"

bool ContactIndex::Exists(const QString& key) const
{
    return m_lists && m_lists->contactNamed(key) >= 0;
}

QString ContactIndex::Item(const QString& key) const
{
    const qsizetype contact = m_lists ? m_lists->contactNamed(key) : -1;
    return contact < 0 ? QString() : m_lists->entryIds.at(contact);
}

qsizetype ContactIndex::Count() const
{
    return m_lists ? m_lists->search.distinctCount() : 0;
}
