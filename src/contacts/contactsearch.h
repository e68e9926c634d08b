#pragma once
// Finding contacts in the bar's lists: the finder built over one set of lists, answering the rows
// to show (name, and the field that matched with its matched part).

#include "contacts/contactfinder.h"
#include "contacts/contactlistdata.h"

#include <QString>

#include <climits>

#include <memory>
#include <vector>

class ContactSearch {
public:
    using Kind = ContactFinder::Kind;

    // Builds the index: at 100,000 contacts a fraction of a second, so off the UI thread.
    explicit ContactSearch(std::shared_ptr<const ContactListData> lists);

    struct Shown {
        qsizetype contact = 0; // in the lists
        QString fileAs;
        QString fullName;
        QString entryId;
        bool byName = true;
        Kind kind = Kind::Name; // of value
        QString value;          // the field that matched, when not a name; else empty
        qsizetype markStart = 0;
        qsizetype markLength = 0;
        // Whether the names, entry identifier, value and mark are filled in; else only contact,
        // byName and field are, and detail() fills in the rest.
        bool detailed = true;
        int field = -1; // the finder's number of the field that matched (ContactFinder::Row)
    };

    // The first detailed rows come with their details; the others are detailed when shown (a row's
    // names and field are read from the lists and the matched part is looked for in the field).
    std::vector<Shown> find(QStringView query, const ContactFinder::Ranking& ranking = {}, int limit = 50,
                            int detailed = INT_MAX) const;
    // Fills in a row that find() left without its details, for the same query.
    void detail(Shown& row, QStringView query) const;
    // A row for the contact without a field (the recent contacts).
    Shown row(qsizetype contact) const;

    const ContactListData& lists() const { return *m_lists; }
    std::shared_ptr<const ContactListData> sharedLists() const { return m_lists; }
    const ContactFinder& finder() const { return m_finder; }

private:
    ContactFinder::Source source() const;
    void fill(Shown& row, const ContactFinder::Source& source, const std::vector<ContactFinder::Term>& terms,
              textfold::Folder& folder) const;

    std::shared_ptr<const ContactListData> m_lists;
    std::vector<std::uint32_t> m_rank;
    ContactFinder m_finder;
};
