#pragma once
// Finding contacts for the bar: follows the session's lists (the index is built afresh, off the UI
// thread, whenever they change: the address book changed on disk; a category of lists already
// indexed is found in their index, limited to its contacts) and keeps the contacts' use.

#include "contacts/contactsearch.h"
#include "contacts/contactsession.h"
#include "contacts/contactuse.h"

#include <QObject>

#include <functional>
#include <memory>

class ContactLookup : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<qint64()>; // seconds since the epoch

    ContactLookup(ContactSession& session, ContactUse& use, QObject* parent = nullptr);
    ~ContactLookup() override;

    void setBackground(ContactSession::Background background) { m_background = std::move(background); }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Whether the index of the current lists is ready.
    bool isReady() const { return m_search != nullptr; }
    // The contacts the query finds, in the order to show them; the contact named exactly by
    // completed (the entry box's text) first. Empty while the index is being built. The first
    // detailed rows come with their details (ContactSearch::find).
    std::vector<ContactSearch::Shown> find(const QString& query, const QString& completed = {},
                                           int detailed = kMaxRows);
    // Fills in the details of a row that find() gave for the query without them. It holds on to the
    // index the rows came from, so it stays right after the lists change.
    std::function<void(ContactSearch::Shown&)> detailer(const QString& query) const;
    // The contacts used most recently (that are in the lists), most recent first.
    std::vector<ContactSearch::Shown> recent(int count = 10) const;

    // The user acted on the contact through the bar.
    void recordUse(const QString& entryId);
    // Forgets every use (Setup's button).
    void clearUse();

    static constexpr int kMaxRows = 50;
    // The rows the list of matches shows at once.
    static constexpr int kVisibleRows = 10;

signals:
    // The index of new lists is ready (a list of matches shown should be found again).
    void ready();

private:
    void rebuild();
    // Answers from search (which is the lists' own index or that of their whole).
    void use(std::shared_ptr<const ContactSearch> search);
    bool member(qsizetype contact) const { return m_members.empty() || m_members[size_t(contact)] != 0; }

    ContactSession& m_session;
    ContactUse& m_use;
    ContactSession::Background m_background;
    Clock m_clock;
    std::shared_ptr<const ContactListData> m_lists; // those followed
    std::shared_ptr<const ContactSearch> m_search;
    // The index of lists that stand on their own (all contacts), kept while the lists followed are
    // they or a category of them.
    std::shared_ptr<const ContactSearch> m_wholeSearch;
    std::vector<char> m_members; // m_search is the whole's: the contacts of the lists; else empty
    std::vector<float> m_scores;
    std::vector<std::uint32_t> m_used; // the contacts whose score is above 0
    bool m_scoresStale = true;
    quint64 m_generation = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
