#include "contactlookup.h"

#include <QDateTime>

ContactLookup::ContactLookup(ContactSession& session, ContactUse& use, QObject* parent)
    : QObject(parent), m_session(session), m_use(use), m_clock([] { return QDateTime::currentSecsSinceEpoch(); })
{
    connect(&m_session, &ContactSession::listsChanged, this, &ContactLookup::rebuild);
    if (m_session.isLoaded())
        rebuild();
}

ContactLookup::~ContactLookup()
{
    *m_alive = false;
}

void ContactLookup::rebuild()
{
    m_lists = m_session.lists();
    const quint64 generation = ++m_generation;
    if (m_wholeSearch && m_wholeSearch->sharedLists() != m_lists && m_wholeSearch->sharedLists() != m_lists->whole)
        m_wholeSearch.reset();
    if (m_wholeSearch) {
        use(m_wholeSearch);
        return;
    }
    m_search.reset();
    m_members.clear();
    m_scoresStale = true;
    auto lists = m_lists;
    auto built = std::make_shared<std::shared_ptr<const ContactSearch>>();
    auto work = [lists, built] { *built = std::make_shared<const ContactSearch>(lists); };
    auto done = [this, generation, built, alive = m_alive] {
        // Lists replaced again meanwhile: a newer build follows.
        if (!*alive || generation != m_generation)
            return;
        if (!m_lists->whole)
            m_wholeSearch = *built;
        use(std::move(*built));
    };
    if (!m_background) {
        work();
        done();
        return;
    }
    m_background(std::move(work), std::move(done));
}

void ContactLookup::use(std::shared_ptr<const ContactSearch> search)
{
    m_members.clear();
    if (search->sharedLists() != m_lists) {
        // A category: its contacts are found among the whole's.
        m_members.assign(size_t(search->lists().contactCount), 0);
        for (const std::uint32_t c : m_lists->inWhole)
            m_members[c] = 1;
    }
    if (search != m_search)
        m_scoresStale = true;
    m_search = std::move(search);
    emit ready();
}

std::vector<ContactSearch::Shown> ContactLookup::find(const QString& query, const QString& completed, int detailed)
{
    if (!m_search)
        return {};
    if (m_scoresStale) {
        m_scores = m_use.scores(m_search->lists().entryIds, m_clock());
        m_used.clear();
        for (size_t c = 0; c < m_scores.size(); ++c)
            if (m_scores[c] > 0)
                m_used.push_back(std::uint32_t(c));
        // Uses kept of contacts no longer in the lists: none of these is used, which the finder
        // would otherwise learn by reading every contact's score at each key.
        if (m_used.empty())
            m_scores.clear();
        m_scoresStale = false;
    }
    ContactFinder::Ranking ranking(-1, m_scores, m_used);
    ranking.members = m_members;
    if (!completed.isEmpty()) {
        // The completion's contact among the lists followed, numbered as in the index.
        const qsizetype first = m_lists->contactNamed(completed);
        ranking.first = first < 0 || m_members.empty() ? first : qsizetype(m_lists->inWhole[size_t(first)]);
    }
    return m_search->find(query, ranking, kMaxRows, detailed);
}

std::function<void(ContactSearch::Shown&)> ContactLookup::detailer(const QString& query) const
{
    return [search = m_search, query](ContactSearch::Shown& row) {
        if (search)
            search->detail(row, query);
    };
}

std::vector<ContactSearch::Shown> ContactLookup::recent(int count) const
{
    std::vector<ContactSearch::Shown> rows;
    if (!m_search)
        return rows;
    const ContactListData& lists = m_search->lists();
    // Few contacts are asked for: each is looked for among the entry identifiers.
    for (const QString& id : m_use.recent(count * 4)) {
        for (qsizetype c = 0; c < lists.entryIds.count(); ++c) {
            if (lists.entryIds.equals(c, id)) {
                if (member(c))
                    rows.push_back(m_search->row(c));
                break;
            }
        }
        if (int(rows.size()) >= count)
            break;
    }
    return rows;
}

void ContactLookup::recordUse(const QString& entryId)
{
    m_use.record(entryId, m_clock());
    m_scoresStale = true;
}

void ContactLookup::clearUse()
{
    m_use.clear();
    m_scoresStale = true;
}
