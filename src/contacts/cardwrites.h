#pragma once
// The bar follows what the contact card wrote, through the path the address book's own changes
// take (ContactSession::reload): the lists, the index of matches and the folder's summary are made
// afresh at once rather than when the store's notice comes. A new contact, or the one the box held,
// is then chosen in the box under the name it is filed by now; a contact deleted leaves the box.

#include <QString>

#include <functional>

class ContactSession;

class CardWrites {
public:
    // What the follower does to the bar's entry box and category selector.
    struct Bar {
        // The name goes into the box as a pick in the drop-down writes it; the contact with this
        // entry identifier is the chosen one.
        std::function<void(const QString& name, const QString& entryId)> pick;
        // The box empties: nobody is chosen.
        std::function<void()> clear;
        // The lists show all contacts again (the category selector on its top entry).
        std::function<void()> showAllContacts;
    };

    CardWrites(ContactSession& session, Bar bar);

    // A contact was saved (added: it is new). Throws what the contact client throws.
    void saved(const QString& entryId, const QString& fileAs, bool added);
    // A contact was deleted. Throws what the contact client throws.
    void deleted(const QString& entryId);

private:
    bool holds(const QString& entryId) const;

    ContactSession& m_session;
    Bar m_bar;
};
