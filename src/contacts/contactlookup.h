#pragma once
// Finding contacts for the bar: follows the session's lists (the index is built afresh, off the UI
// thread, whenever they change: a category picked, the address book changed on disk) and keeps
// the contacts' use.

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
    // completed (the entry box's text) first. Empty while the index is being built.
    std::vector<ContactSearch::Shown> find(const QString& query, const QString& completed = {});
    // The contacts used most recently (that are in the lists), most recent first.
    std::vector<ContactSearch::Shown> recent(int count = 10) const;

    // The user acted on the contact through the bar.
    void recordUse(const QString& entryId);
    // Forgets every use (Setup's button).
    void clearUse();

    static constexpr int kMaxRows = 50;

signals:
    // The index of new lists is ready (a list of matches shown should be found again).
    void ready();

private:
    void rebuild();

    ContactSession& m_session;
    ContactUse& m_use;
    ContactSession::Background m_background;
    Clock m_clock;
    std::shared_ptr<const ContactSearch> m_search;
    std::vector<float> m_scores;
    std::vector<std::uint32_t> m_used; // the contacts whose score is above 0
    bool m_scoresStale = true;
    quint64 m_generation = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
