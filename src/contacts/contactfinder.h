#pragma once
// Finds contacts by the start of any word of any of their fields: names, nickname, organisation,
// title, e-mail addresses, numbers (by their digits), categories, the cities and postal codes of
// their addresses. Every word of what is searched for must begin a word of some field, in any
// order; letters compare folded (textfold.h).
//
// The index is built once from the lists and answers a search without reading any card: the
// folded words of all contacts sorted, each with the contacts holding it (the contacts of the
// words with one beginning are then one run), and each contact's words by their place in that
// order (a contact is checked for another word of the search by a binary search of its own).
// Inside the index contacts are numbered by their alphabetical place, so that every list of
// contacts it holds is in the order rows are shown, and a search that many contacts answer reads
// only as far as the rows it shows.
//
// Numbers are held apart, by their digits (after "+" or a leading "00", or after the trunk "0" of
// a number written without its country) in one text that digits typed are looked for in, so that
// "0171 234", "+49171234" and "171234" all find +49 171 2345678. Each run of three digits knows
// where it stands in that text: digits typed are found by the places of their runs, not by
// reading the text.

#include "contactclient/searchfields.h"
#include "contacts/textfold.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class ContactFinder {
public:
    using Kind = contactclient::searchfields::Kind;

    // The fields of contact i: field 0 its filing name, field 1 its full name, then the fields
    // of its search text (searchfields.h) in order.
    struct Source {
        int count = 0;
        std::function<QStringView(int contact)> fileAs;
        std::function<QStringView(int contact)> fullName;
        std::function<QString(int contact)> fields;
        // Place of the contact in the locale's alphabetical order (ties: item order).
        std::function<std::uint32_t(int contact)> alphabeticalRank;
    };

    struct Row {
        std::uint32_t contact = 0;
        bool byName = false; // every word matched one of the contact's names
        // The field to show beside the name, -1 when the names matched: of the words no name
        // matched, the first as typed, by the first of the fields it matched.
        int field = -1;
    };

    // What ranks contacts beyond the fields they matched.
    struct Ranking {
        Ranking(std::int64_t first = -1, std::span<const float> use = {}, std::span<const std::uint32_t> used = {})
            : first(first), use(use), used(used)
        {
        }
        std::int64_t first;         // this contact first (the completion's), -1: none
        std::span<const float> use; // per contact, higher first, never below 0; empty: no use known
        // The contacts whose use is above 0, when the caller knows them (else use is read through).
        std::span<const std::uint32_t> used;
        // Per contact, whether it may be found (a category's contacts); empty: every contact.
        std::span<const char> members;
    };

    ContactFinder() = default;
    explicit ContactFinder(const Source& source);

    int contactCount() const { return m_count; }
    // The memory the index holds (its arrays and words), in bytes.
    std::size_t indexBytes() const;

    // The matching contacts in the order to show them: the ranking's first contact, then those
    // matched by names, then the others; within each, by use, then alphabetically. At most limit.
    std::vector<Row> find(QStringView query, const Ranking& ranking, int limit = 50) const;
    std::vector<Row> find(QStringView query) const;

    // The words a query searches for, folded (what find() reads from it).
    struct Term {
        std::vector<std::string> prefixes; // any of these begins a word of a field
        struct Digits {
            std::string digits;
            bool nationalStart = false; // only at the start of a number written without its country
        };
        std::vector<Digits> numbers; // or these digits stand in a number
    };
    static std::vector<Term> terms(QStringView query);
    static std::vector<Term> terms(QStringView query, textfold::Folder& folder);
    // The same search by the query's terms (once folded, they serve the search and the marks).
    std::vector<Row> find(const std::vector<Term>& terms, const Ranking& ranking, int limit = 50) const;

    // A folder that knows the transliteration of every word of the book: folding a query or a
    // shown value then asks the transliterator only for what the book does not hold.
    textfold::Folder folder() const { return textfold::Folder(m_memo); }

    // The part of a field's value a query matched, to be marked: [start, start + length) of the
    // value; length 0 when none is found.
    struct Mark {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    static Mark markIn(QStringView query, Kind kind, QStringView value);
    static Mark markIn(const std::vector<Term>& terms, Kind kind, QStringView value, textfold::Folder& folder);

    // Field number field of a contact (as numbered in Source): its kind and value.
    static bool fieldAt(const Source& source, int contact, int field, Kind& kind, QString& value);

private:
    // Four bytes: the index holds two of them for every word of every contact.
    struct Ref {
        std::uint32_t id : 23;   // a word (in m_forward) or a contact (in m_postings), below kMaxIds
        std::uint32_t field : 8; // the field's number, up to 255
        std::uint32_t name : 1;  // the field is one of the contact's names
    };
    // Contacts and distinct words beyond these many are left out of the index.
    static constexpr std::uint32_t kMaxIds = 1u << 23;
    // Orders refs by word (or contact), then field.
    static std::uint32_t byIdThenField(const Ref& r) { return std::uint32_t(r.id) << 8 | std::uint32_t(r.field); }
    struct Range {
        std::uint32_t from, to; // words [from, to)
    };
    std::vector<Range> rangesOf(const Term& term) const;
    // The numbers a term's digits stand in.
    struct NumberHits {
        // Where digits typed (three or more) stand in m_numbers, ascending: the numbers' contacts
        // ascend with them.
        std::vector<std::uint32_t> places;
        std::vector<Ref> listed; // the other numbers' contacts and fields, ascending
        // One or two digits typed: looked for in m_numbers only as far as the list is read, and
        // about this often found.
        std::vector<std::string> scanned;
        size_t scannedOften = 0;
        // More than most: the search stopped there; the numbers are checked contact by contact.
        bool broad = false;
        size_t size() const { return places.size() + listed.size() + scannedOften; }
    };
    NumberHits numberHits(const Term& term, size_t most) const;
    // The number that the place in m_numbers stands in; places asked for ascend from number from's.
    std::uint32_t numberAt(std::uint32_t place, std::uint32_t from) const;
    Range prefixRange(const std::string& prefix) const;
    // The places in m_numbers where digits (three or more) stand, ascending.
    std::vector<std::uint32_t> placesOf(const std::string& digits) const;
    std::string_view numberDigits(std::uint32_t number) const;
    // Whether contact k has every term but term skip; row (set by the caller for the skipped
    // term, or to byName without a field) learns whether the names alone matched, else the field
    // of the first term no name matched.
    bool matches(std::uint32_t k, const std::vector<Term>& terms, const std::vector<std::vector<Range>>& ranges,
                 size_t skip, Row& row) const;
    // The field of the first number of contact k the term's digits stand in, -1 for none.
    int numberFieldOf(std::uint32_t k, const Term& term) const;
    // A bit for a folded word's first letter: one for each of a-z, one for digits, one for the rest.
    static std::uint32_t initialBit(char first);
    std::string_view word(std::uint32_t w) const
    {
        return std::string_view(m_chars).substr(m_wordStart[w], m_wordStart[w + 1] - m_wordStart[w]);
    }

    // Inside the index a contact is numbered by its alphabetical place (k); the caller's number (c)
    // of contact k is m_byRank[k], and m_rank turns the caller's numbers into the index's.
    int m_count = 0;
    std::shared_ptr<const textfold::Folder::Memo> m_memo; // what building the index transliterated
    std::string m_chars;                                  // the distinct folded words, in sorted order
    std::vector<std::uint32_t> m_wordStart;               // word w is m_chars[m_wordStart[w], m_wordStart[w + 1])
    // Word w's contacts are m_postings[m_postStart[w], …[w + 1]): first those whose names it is
    // a word of, then the others, each part in alphabetical order. A contact appears at most
    // twice, once in each part, with its first field of that part.
    std::vector<std::uint32_t> m_postStart;
    std::vector<Ref> m_postings;
    std::vector<std::uint32_t> m_namePostCount; // name postings of the words before w
    std::vector<std::uint32_t> m_byRank;        // the caller's contacts in alphabetical order
    // Per contact, the first letters its names' words begin with (initialBit).
    std::vector<std::uint32_t> m_nameInitials;
    std::vector<std::uint32_t> m_forwardStart; // contact k's words, ascending (as postings: twice at most)
    std::vector<Ref> m_forward;
    std::vector<std::uint32_t> m_rank;           // place of each of the caller's contacts in m_byRank
    std::string m_numbers;                       // "\n" and the digits of each number
    std::vector<std::uint32_t> m_numberStart;    // where each number's "\n" stands
    std::vector<Ref> m_numberOwner;              // its contact and field
    std::vector<bool> m_national;                // written without its country
    std::vector<std::uint32_t> m_contactNumbers; // contact k's numbers are [m_contactNumbers[k], …[k + 1])
    // Each run of three digits (as the number they make, 0-999): the places in m_numbers it stands
    // at are m_trigramAt[m_trigramStart[run], …[run + 1]), ascending.
    std::vector<std::uint32_t> m_trigramStart;
    std::vector<std::uint32_t> m_trigramAt;
    std::vector<std::uint32_t> m_nationalByDigits; // the numbers written without their country, by digits
};
