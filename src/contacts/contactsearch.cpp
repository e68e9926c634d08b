#include "contactsearch.h"

ContactSearch::ContactSearch(std::shared_ptr<const ContactListData> lists) : m_lists(std::move(lists))
{
    m_rank.assign(size_t(m_lists->contactCount), 0);
    for (size_t k = 0; k < m_lists->order.size(); ++k)
        m_rank[m_lists->order[k]] = std::uint32_t(k);
    m_finder = ContactFinder(source());
}

ContactFinder::Source ContactSearch::source() const
{
    ContactFinder::Source s;
    const ContactListData* lists = m_lists.get();
    s.count = lists->contactCount;
    s.fileAs = [lists](int c) { return lists->search.view(2 * qsizetype(c)); };
    s.fullName = [lists](int c) { return lists->search.view(2 * qsizetype(c) + 1); };
    s.fields = [lists](int c) { return c < lists->fields.count() ? lists->fields.at(c) : QString(); };
    s.alphabeticalRank = [this](int c) { return m_rank[size_t(c)]; };
    return s;
}

ContactSearch::Shown ContactSearch::row(qsizetype contact) const
{
    Shown r;
    r.contact = contact;
    r.fileAs = m_lists->search.at(2 * contact);
    r.fullName = m_lists->search.at(2 * contact + 1);
    r.entryId = m_lists->entryIds.at(contact);
    return r;
}

std::vector<ContactSearch::Shown> ContactSearch::find(QStringView query, const ContactFinder::Ranking& ranking,
                                                      int limit) const
{
    std::vector<Shown> shown;
    const ContactFinder::Source s = source();
    // The query is folded once, for the search and for the marks; words the book holds are not
    // transliterated again.
    textfold::Folder folder = m_finder.folder();
    const std::vector<ContactFinder::Term> terms = ContactFinder::terms(query, folder);
    for (const ContactFinder::Row& found : m_finder.find(terms, ranking, limit)) {
        Shown r = row(qsizetype(found.contact));
        r.byName = found.byName;
        if (!found.byName && ContactFinder::fieldAt(s, int(found.contact), found.field, r.kind, r.value)) {
            const ContactFinder::Mark mark = ContactFinder::markIn(terms, r.kind, r.value, folder);
            r.markStart = mark.start;
            r.markLength = mark.length;
        }
        shown.push_back(std::move(r));
    }
    return shown;
}
