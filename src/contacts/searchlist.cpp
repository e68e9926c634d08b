#include "searchlist.h"

void SearchList::clear()
{
    m_entries.clear();
}

void SearchList::append(const QString& entry)
{
    m_entries.append(entry);
}

void SearchList::finish() {}

qsizetype SearchList::findString(const QString& text) const
{
    if (text.isEmpty())
        return -1;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}
