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
                                                      int limit, int detailed) const
{
    std::vector<Shown> shown;
    // The query is folded once, for the search and for the marks; words the book holds are not
    // transliterated again.
    textfold::Folder folder = m_finder.folder();
    const std::vector<ContactFinder::Term> terms = ContactFinder::terms(query, folder);
    const std::vector<ContactFinder::Row> found = m_finder.find(terms, ranking, limit);
    shown.reserve(found.size());
    const ContactFinder::Source s = source();
    for (const ContactFinder::Row& f : found) {
        Shown r;
        r.contact = qsizetype(f.contact);
        r.byName = f.byName;
        r.field = f.field;
        r.detailed = false;
        if (int(shown.size()) < detailed)
            fill(r, s, terms, folder);
        shown.push_back(std::move(r));
    }
    return shown;
}

void ContactSearch::detail(Shown& row, QStringView query) const
{
    if (row.detailed)
        return;
    textfold::Folder folder = m_finder.folder();
    fill(row, source(), ContactFinder::terms(query, folder), folder);
}

void ContactSearch::fill(Shown& r, const ContactFinder::Source& source, const std::vector<ContactFinder::Term>& terms,
                         textfold::Folder& folder) const
{
    Shown named = row(r.contact);
    r.fileAs = std::move(named.fileAs);
    r.fullName = std::move(named.fullName);
    r.entryId = std::move(named.entryId);
    r.detailed = true;
    if (!r.byName && ContactFinder::fieldAt(source, int(r.contact), r.field, r.kind, r.value)) {
        const ContactFinder::Mark mark = ContactFinder::markIn(terms, r.kind, r.value, folder);
        r.markStart = mark.start;
        r.markLength = mark.length;
    }
}
