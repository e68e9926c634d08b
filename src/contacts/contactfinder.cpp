// Longer than 400 lines: the index is built and searched by the same rules (how a query becomes
// words and digits, how numbers are written) and the part of a field that matched is marked by them
// too; apart, the rules would have to be written twice.

#include "contactfinder.h"

#include "contacts/textfold.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <tuple>

namespace {

using Kind = contactclient::searchfields::Kind;

constexpr int kMaxFields = 255;

struct Digits {
    std::string digits;
    std::vector<qsizetype> places; // where each digit stands in the text
    bool plus = false;             // a "+" before the first digit
};

Digits digitsOf(QStringView text)
{
    Digits d;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            d.digits.push_back(char(c.unicode()));
            d.places.push_back(i);
        } else if (c == u'+' && d.digits.empty()) {
            d.plus = true;
        }
    }
    return d;
}

// A number's digits as dialled from abroad without "+" or "00", and whether the number was written
// without its country (its trunk "0" removed then).
std::string significantDigits(const Digits& d, bool& national)
{
    national = false;
    if (d.plus)
        return d.digits;
    if (d.digits.starts_with("00"))
        return d.digits.substr(2);
    if (d.digits.starts_with('0')) {
        national = true;
        return d.digits.substr(1);
    }
    return d.digits;
}

bool isNumberLike(QStringView token)
{
    bool digit = false;
    for (const QChar c : token) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            digit = true;
        else if (u != '+' && u != '(' && u != ')' && u != '-' && u != '.' && u != '/')
            return false;
    }
    return digit;
}

// Tokens at blanks, neighbouring tokens that are parts of one number ("0171 234") joined, as a
// query is read.
std::vector<std::pair<QString, bool>> numberAwareTokens(QStringView text)
{
    std::vector<std::pair<QString, bool>> tokens; // the token, whether it is a number
    for (const QStringView token : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringView t = token.trimmed();
        if (t.isEmpty())
            continue;
        const bool number = isNumberLike(t);
        if (number && !tokens.empty() && tokens.back().second)
            tokens.back().first += u' ' + t;
        else
            tokens.emplace_back(t.toString(), number);
    }
    return tokens;
}

// The digits of each number of a value written with separators or in parts: what a query of
// that number searches for, which the value's words alone do not hold.
std::vector<std::string> joinedNumbers(QStringView value)
{
    std::vector<std::string> joined;
    // Most values (a city, a code of digits alone) have no digit followed by a separator: they are
    // passed over without being split.
    bool digit = false;
    bool separated = false;
    for (const QChar c : value) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9')
            digit = true;
        else if (digit && (u == ' ' || u == '-' || u == '.' || u == '/' || u == '(' || u == ')' || u == '+'))
            separated = true;
    }
    if (!separated)
        return joined;
    for (const auto& [token, number] : numberAwareTokens(value)) {
        if (!number)
            continue;
        std::string digits = digitsOf(token).digits;
        if (qsizetype(digits.size()) != token.size())
            joined.push_back(std::move(digits));
    }
    return joined;
}

// The searched words of a number written in a query.
ContactFinder::Term numberTerm(QStringView token)
{
    ContactFinder::Term term;
    const Digits d = digitsOf(token);
    term.prefixes.push_back(d.digits); // a postal code, a word with digits
    const bool international = d.plus || d.digits.starts_with("00");
    if (international) {
        const std::string sig = d.plus ? d.digits : d.digits.substr(2);
        if (!sig.empty())
            term.numbers.push_back({sig, false});
        // The same number written in the book without its country: the country code is one to
        // three digits.
        for (size_t k = 1; k <= 3 && k < sig.size(); ++k)
            term.numbers.push_back({sig.substr(k), true});
    } else if (d.digits.size() > 1 && d.digits.starts_with('0')) {
        term.numbers.push_back({d.digits.substr(1), false});
    } else {
        term.numbers.push_back({d.digits, false});
    }
    return term;
}

} // namespace

std::vector<ContactFinder::Term> ContactFinder::terms(QStringView query)
{
    textfold::Folder folder;
    return terms(query, folder);
}

std::vector<ContactFinder::Term> ContactFinder::terms(QStringView query, textfold::Folder& folder)
{
    std::vector<Term> result;
    for (const auto& [token, number] : numberAwareTokens(query)) {
        if (number) {
            result.push_back(numberTerm(token));
            continue;
        }
        for (textfold::Word& w : folder.words(token, false)) {
            Term term;
            term.prefixes.push_back(std::move(w.folded));
            result.push_back(std::move(term));
        }
    }
    return result;
}

ContactFinder::ContactFinder(const Source& source) : m_count(source.count)
{
    // The alphabetical order first: inside the index a contact is numbered by its place in it (ties
    // kept in item order), so that every list of contacts the index holds (a word's, the numbers a
    // run of digits stands in) is already in the order rows are shown, and a search that finds
    // thousands reads only as far as the rows it shows.
    m_rank.resize(size_t(m_count));
    for (int c = 0; c < m_count; ++c)
        m_rank[size_t(c)] = source.alphabeticalRank ? source.alphabeticalRank(c) : std::uint32_t(c);
    m_byRank.resize(size_t(m_count));
    std::iota(m_byRank.begin(), m_byRank.end(), 0u);
    std::sort(m_byRank.begin(), m_byRank.end(),
              [this](std::uint32_t a, std::uint32_t b) { return std::tie(m_rank[a], a) < std::tie(m_rank[b], b); });
    for (std::uint32_t k = 0; k < m_byRank.size(); ++k)
        m_rank[m_byRank[k]] = k;

    // The distinct words met, numbered as met: word i is arena[starts[i], starts[i + 1]). A table
    // of open addressing finds a word's number (a map of strings would take several times the
    // memory while the index is built).
    std::string arena;
    std::vector<std::uint32_t> starts{0};
    std::vector<std::uint32_t> table(size_t(1) << 12, UINT32_MAX);
    const auto wordOf = [&](std::uint32_t i) {
        return std::string_view(arena).substr(starts[i], starts[i + 1] - starts[i]);
    };
    const auto slotOf = [&](std::string_view w) {
        const size_t mask = table.size() - 1;
        size_t h = std::hash<std::string_view>{}(w)&mask;
        while (table[h] != UINT32_MAX && wordOf(table[h]) != w)
            h = (h + 1) & mask;
        return h;
    };
    const auto idOf = [&](std::string_view w) {
        const size_t h = slotOf(w);
        if (table[h] != UINT32_MAX)
            return table[h];
        const auto id = std::uint32_t(starts.size() - 1);
        arena += w;
        starts.push_back(std::uint32_t(arena.size()));
        table[h] = id;
        if (starts.size() * 2 > table.size()) {
            table.assign(table.size() * 2, UINT32_MAX);
            for (std::uint32_t i = 0; i + 1 < starts.size(); ++i)
                table[slotOf(wordOf(i))] = i;
        }
        return id;
    };
    textfold::Folder folder;
    // The contact being read (in the caller's order, the order its lists are stored in): the
    // caller's number and the index's.
    std::uint32_t contact = 0;
    std::uint32_t inIndex = 0;
    int fieldNo = 0;
    std::vector<Ref> own; // the words of the contact being read, by their number
    m_nameInitials.assign(size_t(m_count), 0);
    auto key = [&](const std::string& text, Kind kind) {
        const std::uint32_t id = idOf(text);
        const bool name = contactclient::searchfields::isName(kind);
        if (id < kMaxIds)
            own.push_back(Ref{id, std::uint32_t(fieldNo), name ? 1u : 0u});
        if (name && !text.empty())
            m_nameInitials[inIndex] |= initialBit(text.front());
    };
    // Each contact's words ascending. A word a contact holds in several fields is kept twice at
    // most: in its first name field and in its first other field (what a search tells of it).
    const auto byWord = [](const Ref& a, const Ref& b) { return byIdThenField(a) < byIdThenField(b); };
    m_forwardStart.assign(size_t(m_count) + 1, 0);
    m_forward.reserve(size_t(m_count) * 8);
    auto keepOwn = [&] {
        std::sort(own.begin(), own.end(), byWord);
        for (size_t i = 0; i < own.size();) {
            const std::uint32_t w = own[i].id;
            bool name = false;
            bool other = false;
            for (; i < own.size() && own[i].id == w; ++i) {
                bool& had = own[i].name ? name : other;
                if (!had)
                    m_forward.push_back(own[i]);
                had = true;
            }
        }
        m_forwardStart[contact + 1] = std::uint32_t(m_forward.size());
        own.clear();
    };
    auto addField = [&](Kind kind, QStringView value) {
        if (fieldNo > kMaxFields)
            return;
        if (kind == Kind::Phone) {
            bool national = false;
            const std::string sig = significantDigits(digitsOf(value), national);
            if (!sig.empty()) {
                m_numberStart.push_back(std::uint32_t(m_numbers.size()));
                m_numbers += '\n';
                m_numbers += sig;
                m_numberOwner.push_back(Ref{inIndex, std::uint32_t(fieldNo), 0u});
                m_national.push_back(national);
            }
        } else {
            for (const textfold::Word& w : folder.words(value))
                key(w.folded, kind);
            // A postal code written in parts ("31-001", "602 00") is also a word of its digits
            // together, as a query of digits and separators is searched for.
            if (kind == Kind::Place)
                for (const std::string& digits : joinedNumbers(value))
                    key(digits, kind);
        }
        ++fieldNo;
    };
    m_contactNumbers.reserve(size_t(m_count) + 1);
    for (int c = 0; c < m_count; ++c) {
        contact = std::uint32_t(c);
        inIndex = m_rank[size_t(c)];
        fieldNo = 0;
        m_contactNumbers.push_back(std::uint32_t(m_numberStart.size()));
        if (inIndex < kMaxIds) {
            addField(Kind::Name, source.fileAs(c));
            addField(Kind::Name, source.fullName(c));
            if (source.fields)
                contactclient::searchfields::forEach(source.fields(c), addField);
        }
        keepOwn();
    }
    m_contactNumbers.push_back(std::uint32_t(m_numberStart.size()));
    m_memo = folder.takeMemo();

    // The numbers in the index's order of contacts: the places digits stand at then ascend with
    // the contacts they belong to. (Read in the index's order, the contacts' lists would be read
    // all over the memory that holds them: slower by a third.)
    {
        std::string numbers;
        numbers.reserve(m_numbers.size());
        std::vector<std::uint32_t> starts;
        starts.reserve(m_numberStart.size());
        std::vector<Ref> owners;
        owners.reserve(m_numberOwner.size());
        std::vector<bool> national;
        national.reserve(m_national.size());
        std::vector<std::uint32_t> contactNumbers;
        contactNumbers.reserve(m_contactNumbers.size());
        for (const std::uint32_t c : m_byRank) {
            contactNumbers.push_back(std::uint32_t(starts.size()));
            for (std::uint32_t n = m_contactNumbers[c]; n < m_contactNumbers[c + 1]; ++n) {
                starts.push_back(std::uint32_t(numbers.size()));
                numbers += '\n';
                numbers += numberDigits(n);
                owners.push_back(m_numberOwner[n]);
                national.push_back(m_national[n]);
            }
        }
        contactNumbers.push_back(std::uint32_t(starts.size()));
        m_numbers = std::move(numbers);
        m_numberStart = std::move(starts);
        m_numberOwner = std::move(owners);
        m_national = std::move(national);
        m_contactNumbers = std::move(contactNumbers);
    }

    // The numbers' runs of three digits, each with the places it stands at, ascending.
    const auto isDigit = [this](size_t at) { return m_numbers[at] >= '0' && m_numbers[at] <= '9'; };
    const auto runAt = [this](size_t at) {
        return size_t(m_numbers[at] - '0') * 100 + size_t(m_numbers[at + 1] - '0') * 10 +
               size_t(m_numbers[at + 2] - '0');
    };
    m_trigramStart.assign(1001, 0);
    for (size_t at = 0; at + 3 <= m_numbers.size(); ++at)
        if (isDigit(at) && isDigit(at + 1) && isDigit(at + 2))
            ++m_trigramStart[runAt(at) + 1];
    std::partial_sum(m_trigramStart.begin(), m_trigramStart.end(), m_trigramStart.begin());
    m_trigramAt.resize(m_trigramStart.back());
    {
        std::vector<std::uint32_t> fill(m_trigramStart.begin(), m_trigramStart.end() - 1);
        for (size_t at = 0; at + 3 <= m_numbers.size(); ++at)
            if (isDigit(at) && isDigit(at + 1) && isDigit(at + 2))
                m_trigramAt[fill[runAt(at)]++] = std::uint32_t(at);
    }
    for (std::uint32_t n = 0; n < m_numberStart.size(); ++n)
        if (m_national[n])
            m_nationalByDigits.push_back(n);
    std::sort(m_nationalByDigits.begin(), m_nationalByDigits.end(),
              [this](std::uint32_t a, std::uint32_t b) { return numberDigits(a) < numberDigits(b); });

    // The words in sorted order; the contacts' words renumbered to it.
    table = {};
    const size_t wordCount = starts.size() - 1;
    std::vector<std::uint32_t> sorted(wordCount);
    std::iota(sorted.begin(), sorted.end(), 0u);
    std::sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) { return wordOf(a) < wordOf(b); });
    std::vector<std::uint32_t> rankOf(wordCount);
    m_wordStart.reserve(wordCount + 1);
    m_chars.reserve(arena.size());
    for (std::uint32_t r = 0; r < sorted.size(); ++r) {
        rankOf[sorted[r]] = r;
        m_wordStart.push_back(std::uint32_t(m_chars.size()));
        m_chars += wordOf(sorted[r]);
    }
    m_wordStart.push_back(std::uint32_t(m_chars.size()));
    arena = {};
    starts = {};
    sorted = {};
    for (Ref& r : m_forward)
        r.id = rankOf[r.id];
    rankOf = {};
    for (int c = 0; c < m_count; ++c)
        std::sort(m_forward.begin() + m_forwardStart[size_t(c)], m_forward.begin() + m_forwardStart[size_t(c) + 1],
                  byWord);
    // The contacts' words in the index's order too: a search reads them in that order.
    {
        std::vector<Ref> forward;
        forward.reserve(m_forward.size());
        std::vector<std::uint32_t> forwardStart;
        forwardStart.reserve(m_forwardStart.size());
        for (const std::uint32_t c : m_byRank) {
            forwardStart.push_back(std::uint32_t(forward.size()));
            forward.insert(forward.end(), m_forward.begin() + m_forwardStart[c],
                           m_forward.begin() + m_forwardStart[c + 1]);
        }
        forwardStart.push_back(std::uint32_t(forward.size()));
        m_forward = std::move(forward);
        m_forwardStart = std::move(forwardStart);
    }

    // Each word's contacts, by counting: first those it begins a name of, then the others, each
    // part in alphabetical order (contacts are put in the order of their numbers).
    m_postStart.assign(wordCount + 1, 0);
    m_namePostCount.assign(wordCount + 1, 0);
    for (const Ref& r : m_forward) {
        ++m_postStart[r.id + 1];
        if (r.name)
            ++m_namePostCount[r.id + 1];
    }
    std::partial_sum(m_postStart.begin(), m_postStart.end(), m_postStart.begin());
    std::vector<std::uint32_t> nameFill(wordCount);
    std::vector<std::uint32_t> otherFill(wordCount);
    for (size_t w = 0; w < wordCount; ++w) {
        nameFill[w] = m_postStart[w];
        otherFill[w] = m_postStart[w] + m_namePostCount[w + 1];
    }
    std::partial_sum(m_namePostCount.begin(), m_namePostCount.end(), m_namePostCount.begin());
    m_postings.resize(m_forward.size());
    for (std::uint32_t k = 0; k < std::uint32_t(m_count); ++k) {
        for (std::uint32_t f = m_forwardStart[k]; f < m_forwardStart[k + 1]; ++f) {
            const Ref& r = m_forward[f];
            std::uint32_t& at = r.name ? nameFill[r.id] : otherFill[r.id];
            m_postings[at++] = Ref{k, r.field, r.name};
        }
    }
}

bool ContactFinder::matches(std::uint32_t k, const std::vector<Term>& terms,
                            const std::vector<std::vector<Range>>& ranges, size_t skip, Row& row) const
{
    const Ref* begin = m_forward.data() + m_forwardStart[k];
    const Ref* end = m_forward.data() + m_forwardStart[k + 1];
    // The field shown is that of the first term (as typed) that no name matched, whichever term
    // the search started from.
    size_t fieldTerm = row.field >= 0 ? skip : SIZE_MAX;
    for (size_t t = 0; t < ranges.size(); ++t) {
        if (t == skip)
            continue;
        bool hit = false;
        bool nameHit = false;
        int otherField = -1;
        for (const Range& r : ranges[t]) {
            const Ref* at =
                std::lower_bound(begin, end, r.from, [](const Ref& ref, std::uint32_t w) { return ref.id < w; });
            for (; at != end && at->id < r.to; ++at) {
                hit = true;
                if (at->name)
                    nameHit = true;
                else if (otherField < 0 || at->field < otherField)
                    otherField = at->field;
            }
        }
        const int numberField = terms[t].numbers.empty() ? -1 : numberFieldOf(k, terms[t]);
        if (numberField >= 0) {
            hit = true;
            if (otherField < 0 || numberField < otherField)
                otherField = numberField;
        }
        if (!hit)
            return false;
        if (!nameHit) {
            row.byName = false;
            if (t < fieldTerm) {
                row.field = otherField;
                fieldTerm = t;
            }
        }
    }
    return true;
}

ContactFinder::Range ContactFinder::prefixRange(const std::string& prefix) const
{
    const auto count = std::uint32_t(m_wordStart.empty() ? 0 : m_wordStart.size() - 1);
    std::uint32_t lo = 0;
    std::uint32_t hi = count;
    while (lo < hi) {
        const std::uint32_t mid = lo + (hi - lo) / 2;
        if (word(mid) < prefix)
            lo = mid + 1;
        else
            hi = mid;
    }
    std::uint32_t end = lo;
    hi = count;
    while (end < hi) {
        const std::uint32_t mid = end + (hi - end) / 2;
        if (word(mid).starts_with(prefix))
            end = mid + 1;
        else
            hi = mid;
    }
    return Range{lo, end};
}

std::vector<ContactFinder::Range> ContactFinder::rangesOf(const Term& term) const
{
    std::vector<Range> ranges;
    for (const std::string& p : term.prefixes) {
        if (p.empty())
            continue;
        const Range r = prefixRange(p);
        if (r.from < r.to)
            ranges.push_back(r);
    }
    return ranges;
}

int ContactFinder::numberFieldOf(std::uint32_t k, const Term& term) const
{
    int field = -1;
    for (std::uint32_t n = m_contactNumbers[k]; n < m_contactNumbers[k + 1]; ++n) {
        const std::string_view digits = numberDigits(n);
        for (const Term::Digits& pattern : term.numbers) {
            if (pattern.digits.empty())
                continue;
            const bool in = pattern.nationalStart ? m_national[n] && digits.starts_with(pattern.digits)
                                                  : digits.find(pattern.digits) != std::string_view::npos;
            if (in && (field < 0 || m_numberOwner[n].field < field))
                field = m_numberOwner[n].field;
        }
    }
    return field;
}

std::string_view ContactFinder::numberDigits(std::uint32_t n) const
{
    const size_t from = m_numberStart[n] + 1;
    const size_t to = n + 1 < m_numberStart.size() ? m_numberStart[n + 1] : m_numbers.size();
    return std::string_view(m_numbers).substr(from, to - from);
}

std::vector<std::uint32_t> ContactFinder::placesOf(const std::string& digits) const
{
    // Where the first three digits stand, kept where each further three (the last three for the
    // rest) stand at their distance: every digit is then covered by a run of three found in place.
    const auto run = [&](size_t offset) {
        const auto t = size_t(digits[offset] - '0') * 100 + size_t(digits[offset + 1] - '0') * 10 +
                       size_t(digits[offset + 2] - '0');
        return std::span<const std::uint32_t>(m_trigramAt.data() + m_trigramStart[t],
                                              m_trigramStart[t + 1] - m_trigramStart[t]);
    };
    const std::span<const std::uint32_t> first = run(0);
    std::vector<std::uint32_t> places(first.begin(), first.end());
    for (size_t offset = 3; offset < digits.size() && !places.empty(); offset += 3) {
        const size_t at = std::min(offset, digits.size() - 3);
        const std::span<const std::uint32_t> next = run(at);
        size_t kept = 0;
        auto n = next.begin();
        for (const std::uint32_t p : places) {
            while (n != next.end() && *n < p + at)
                ++n;
            if (n != next.end() && *n == p + at)
                places[kept++] = p;
        }
        places.resize(kept);
    }
    return places;
}

std::uint32_t ContactFinder::numberAt(std::uint32_t place, std::uint32_t from) const
{
    // Looked for from the number before in steps that double, the places asked for ascending.
    size_t step = 1;
    size_t below = from;
    while (below + step < m_numberStart.size() && m_numberStart[below + step] <= place) {
        below += step;
        step *= 2;
    }
    const auto upTo = m_numberStart.begin() + std::ptrdiff_t(std::min(below + step, m_numberStart.size()));
    return std::uint32_t(std::upper_bound(m_numberStart.begin() + std::ptrdiff_t(below), upTo, place) -
                         m_numberStart.begin()) -
           1;
}

ContactFinder::NumberHits ContactFinder::numberHits(const Term& term, size_t most) const
{
    NumberHits hits;
    const auto tooMany = [&hits] {
        hits = NumberHits{};
        hits.broad = true;
        return hits;
    };
    for (const Term::Digits& pattern : term.numbers) {
        if (pattern.digits.empty())
            continue;
        if (pattern.nationalStart) {
            // The numbers written without their country, by their digits: those beginning so are one run.
            const auto from =
                std::lower_bound(m_nationalByDigits.begin(), m_nationalByDigits.end(), std::string_view(pattern.digits),
                                 [this](std::uint32_t n, std::string_view digits) { return numberDigits(n) < digits; });
            for (auto n = from; n != m_nationalByDigits.end() && numberDigits(*n).starts_with(pattern.digits); ++n) {
                if (hits.listed.size() > most)
                    return tooMany();
                hits.listed.push_back(m_numberOwner[*n]);
            }
            continue;
        }
        if (pattern.digits.size() >= 3) {
            // Kept as places: the numbers they stand in are only looked up as far as they are read.
            std::vector<std::uint32_t> places = placesOf(pattern.digits);
            if (hits.places.empty()) {
                hits.places = std::move(places);
            } else {
                std::vector<std::uint32_t> both;
                both.reserve(hits.places.size() + places.size());
                std::set_union(hits.places.begin(), hits.places.end(), places.begin(), places.end(),
                               std::back_inserter(both));
                hits.places = std::move(both);
            }
            continue;
        }
        // One or two digits: the runs of three they begin tell how often they stand in the numbers
        // (all but at a number's end); mostly more often than is collected. They are looked for
        // in the numbers' text as far as the list is read (the numbers ascend with their contacts).
        const std::string& needle = pattern.digits;
        const size_t firstRun = size_t(needle[0] - '0') * 100 + (needle.size() > 1 ? size_t(needle[1] - '0') * 10 : 0);
        const size_t runs = needle.size() > 1 ? 10 : 100;
        const size_t often = m_trigramStart[firstRun + runs] - m_trigramStart[firstRun];
        if (hits.size() + often > most + 1)
            return tooMany();
        hits.scanned.push_back(needle);
        hits.scannedOften += std::max<size_t>(often, 1);
    }
    std::sort(hits.listed.begin(), hits.listed.end(),
              [](const Ref& a, const Ref& b) { return byIdThenField(a) < byIdThenField(b); });
    hits.listed.erase(std::unique(hits.listed.begin(), hits.listed.end(),
                                  [](const Ref& a, const Ref& b) { return a.id == b.id && a.field == b.field; }),
                      hits.listed.end());
    return hits;
}

std::size_t ContactFinder::indexBytes() const
{
    const auto bytes = [](const auto& v) { return v.capacity() * sizeof(v[0]); };
    return m_chars.capacity() + m_numbers.capacity() + bytes(m_nameInitials) + bytes(m_wordStart) + bytes(m_postStart) +
           bytes(m_postings) + bytes(m_namePostCount) + bytes(m_byRank) + bytes(m_forwardStart) + bytes(m_forward) +
           bytes(m_rank) + bytes(m_numberStart) + bytes(m_numberOwner) + m_national.capacity() / 8 +
           bytes(m_contactNumbers) + bytes(m_trigramStart) + bytes(m_trigramAt) + bytes(m_nationalByDigits);
}

std::vector<ContactFinder::Row> ContactFinder::find(QStringView query) const
{
    return find(query, Ranking{});
}

std::vector<ContactFinder::Row> ContactFinder::find(QStringView query, const Ranking& ranking, int limit) const
{
    textfold::Folder known = folder();
    return find(terms(query, known), ranking, limit);
}

std::uint32_t ContactFinder::initialBit(char first)
{
    if (first >= 'a' && first <= 'z')
        return 1u << (first - 'a');
    if (first >= '0' && first <= '9')
        return 1u << 26;
    return 1u << 27;
}

namespace {

// The contacts met in one pass of a search, each stamped with the pass's number: no table as
// large as the book is cleared at every key, and the passes of a search share one.
struct MetContacts {
    std::vector<std::uint32_t> stamp;
    std::uint32_t round = 0;

    // The number of a new pass over count contacts.
    std::uint32_t begin(size_t count)
    {
        if (stamp.size() < count) {
            stamp.assign(count, 0);
            round = 0;
        }
        if (++round == 0) {
            std::fill(stamp.begin(), stamp.end(), 0);
            round = 1;
        }
        return round;
    }
};
thread_local MetContacts metContacts;

} // namespace

std::vector<ContactFinder::Row> ContactFinder::find(const std::vector<Term>& queryTerms, const Ranking& ranking,
                                                    int limit) const
{
    if (queryTerms.empty() || m_count == 0 || limit <= 0)
        return {};
    std::vector<std::vector<Range>> ranges;
    std::vector<NumberHits> numbers;
    size_t driver = 0;
    size_t fewest = SIZE_MAX;
    const size_t broadFrom = size_t(limit) * 64;
    for (const Term& t : queryTerms) {
        ranges.push_back(rangesOf(t));
        numbers.push_back(numberHits(t, broadFrom));
        size_t postings = numbers.back().broad ? size_t(m_count) * 4 : numbers.back().size();
        for (const Range& r : ranges.back())
            postings += m_postStart[r.to] - m_postStart[r.from];
        if (postings == 0)
            return {};
        if (postings < fewest) {
            fewest = postings;
            driver = ranges.size() - 1;
        }
    }

    // The ranking speaks of the caller's contacts; the index numbers them by their alphabetical
    // place (k below).
    struct Candidate {
        int tier;
        float use;
        std::uint32_t k;
        Row row;
    };
    const auto before = [](const Candidate& a, const Candidate& b) {
        if (a.tier != b.tier)
            return a.tier < b.tier;
        if (a.use != b.use)
            return a.use > b.use;
        return a.k < b.k;
    };
    const std::int64_t first =
        ranking.first >= 0 && ranking.first < m_count ? std::int64_t(m_rank[size_t(ranking.first)]) : -1;
    // Once the contacts used were taken first, every contact met later has no use (its use is
    // not looked up: one read from the caller's order, far from the index's, per contact).
    bool useTaken = false;
    const auto useOf = [&](std::uint32_t k) {
        if (useTaken)
            return 0.0f;
        const std::uint32_t c = m_byRank[k];
        return c < ranking.use.size() ? ranking.use[c] : 0.0f;
    };
    const auto member = [&](std::uint32_t k) { return ranking.members.empty() || ranking.members[m_byRank[k]] != 0; };

    const std::uint32_t seenRound = metContacts.begin(size_t(m_count));
    std::vector<std::uint32_t>& seen = metContacts.stamp;
    std::vector<Candidate> shown;
    size_t byNameCount = 0;
    // Contact k once, with what is known of how it matched: the terms but skip are looked up.
    auto consider = [&](std::uint32_t k, size_t skip = SIZE_MAX, Row row = Row{0, true, -1}) {
        if (seen[k] == seenRound)
            return false;
        seen[k] = seenRound;
        if (!member(k))
            return false;
        row.contact = k;
        if (!matches(k, queryTerms, ranges, skip, row))
            return false;
        const int tier = std::int64_t(k) == first ? 0 : row.byName ? 1 : 2;
        shown.push_back(Candidate{tier, useOf(k), k, row});
        byNameCount += tier < 2 ? 1 : 0;
        return true;
    };
    const auto rows = [&] {
        const auto most = std::min(shown.size(), size_t(limit));
        std::partial_sort(shown.begin(), shown.begin() + std::ptrdiff_t(most), shown.end(), before);
        std::vector<Row> found;
        found.reserve(most);
        for (size_t i = 0; i < most; ++i) {
            found.push_back(shown[i].row);
            found.back().contact = m_byRank[shown[i].k];
        }
        return found;
    };

    // When the driver term names few contacts, all are read. Else the contacts used are checked
    // first: they come first, whatever matched (use is never below 0: all others share 0), and the
    // rest is read in the order it is shown, only as far as the list fills.
    const size_t usedCount = ranking.used.empty() ? ranking.use.size() : ranking.used.size();
    const bool readAll = fewest <= 2 * std::max(usedCount, size_t(limit));
    if (first >= 0)
        consider(std::uint32_t(first));
    if (!readAll && !ranking.used.empty()) {
        for (const std::uint32_t c : ranking.used)
            if (c < std::uint32_t(m_count) && ranking.use.size() > c && ranking.use[c] > 0)
                consider(m_rank[c]);
    } else if (!readAll) {
        for (std::uint32_t c = 0; c < ranking.use.size() && c < std::uint32_t(m_count); ++c)
            if (ranking.use[c] > 0)
                consider(m_rank[c]);
    }
    useTaken = !readAll;

    // A query that many contacts answer. The others matched by names come in alphabetical order:
    // they are taken from the names' postings of the term with the fewest, merged in that order,
    // until the list is full of contacts matched by names (none after them could show). When the
    // names do not fill it, the others are taken in the order they would be shown (the alphabet)
    // until the list is full, instead of every contact the driver word names being checked.
    // The term whose words begin the fewest names (contacts matched by names have it there).
    size_t source = 0;
    size_t sourceNames = SIZE_MAX;
    double namesDensity = 1.0; // of contacts whose names have every term, were they independent
    for (size_t t = 0; t < ranges.size(); ++t) {
        size_t names = 0;
        for (const Range& r : ranges[t])
            names += m_namePostCount[r.to] - m_namePostCount[r.from];
        namesDensity *= std::min(1.0, double(names) / double(m_count));
        if (names < sourceNames) {
            sourceNames = names;
            source = t;
        }
    }
    // Whether contacts spread evenly over the alphabet would fill the list sooner than the driver
    // term's postings are read (a term whose numbers are checked contact by contact has none).
    const bool scanPays = numbers[driver].broad || fewest * fewest >= 4 * size_t(limit) * size_t(m_count);
    const bool many = !readAll && fewest > broadFrom && (scanPays || sourceNames >= size_t(limit));
    // The next word from w on (before to) that begins a name: the words between (e-mail parts,
    // places) are passed over by their names' count, which does not grow over them.
    const auto nextNameWord = [this](std::uint32_t w, std::uint32_t to) {
        for (int step = 0; step < 8 && w < to; ++step, ++w)
            if (m_namePostCount[w + 1] > m_namePostCount[w])
                return w;
        if (w >= to)
            return to;
        const auto after =
            std::upper_bound(m_namePostCount.begin() + w + 1, m_namePostCount.begin() + to + 1, m_namePostCount[w]);
        return std::uint32_t(after - m_namePostCount.begin()) - 1;
    };
    if (many) {
        // Names that begin so are common enough that the list fills after a short stretch of the
        // alphabet: reading it costs less than setting out a cursor on each word that begins them
        // (thousands, each read from its own place in memory). Given up after a while.
        const double stretch = double(limit) / std::max(namesDensity, 1e-9);
        size_t nameWords = 0;
        for (const Range& r : ranges[source])
            for (std::uint32_t w = nextNameWord(r.from, r.to); w < r.to && double(nameWords) < 2 * stretch;
                 w = nextNameWord(w + 1, r.to))
                ++nameWords;
        if (2 * stretch <= double(nameWords)) {
            const auto budget = std::uint32_t(std::min(4 * stretch, double(m_count)));
            for (std::uint32_t k = 0; k < budget && byNameCount < size_t(limit); ++k)
                consider(k);
            if (byNameCount >= size_t(limit) || budget == std::uint32_t(m_count))
                return rows();
        }
    }
    // The names of the source term merged in alphabetical order until the list is full of
    // contacts matched by names.
    if (many || (!readAll && sourceNames >= size_t(limit))) {
        struct Cursor {
            std::uint32_t at, end; // in m_postings
        };
        std::vector<Cursor> cursors;
        for (const Range& r : ranges[source])
            for (std::uint32_t w = nextNameWord(r.from, r.to); w < r.to; w = nextNameWord(w + 1, r.to))
                cursors.push_back(Cursor{m_postStart[w], m_postStart[w] + m_namePostCount[w + 1] - m_namePostCount[w]});
        const auto later = [this](const Cursor& a, const Cursor& b) {
            return m_postings[a.at].id > m_postings[b.at].id;
        };
        std::make_heap(cursors.begin(), cursors.end(), later);
        // A contact whose names begin with none of the letters another term begins with is not
        // matched by names alone: it is left for later without being looked up.
        std::uint32_t initials = 0;
        for (size_t t = 0; t < queryTerms.size(); ++t) {
            std::uint32_t any = 0;
            for (const std::string& p : queryTerms[t].prefixes)
                any |= p.empty() ? ~0u : initialBit(p.front());
            if (t != source && std::popcount(any) == 1)
                initials |= any;
        }
        while (!cursors.empty() && byNameCount < size_t(limit)) {
            std::pop_heap(cursors.begin(), cursors.end(), later);
            Cursor& next = cursors.back();
            const std::uint32_t k = m_postings[next.at].id;
            if (++next.at == next.end)
                cursors.pop_back();
            else
                std::push_heap(cursors.begin(), cursors.end(), later);
            if ((m_nameInitials[k] & initials) == initials)
                consider(k, source, Row{0, true, -1});
        }
        if (byNameCount >= size_t(limit))
            return rows();
    }
    if (many) {
        // Few contacts have every word: checking them in alphabetical order would cost more
        // than the driver word's postings, each checked for less (all are checked when a term's
        // numbers are only checked contact by contact). Not begun when it would not pay.
        if (scanPays) {
            const size_t budget = numbers[driver].broad ? SIZE_MAX : fewest / 4;
            size_t others = 0;
            std::uint32_t k = 0;
            for (; k < std::uint32_t(m_count) && k <= budget && byNameCount + others < size_t(limit); ++k)
                others += consider(k) ? 1 : 0;
            if (k == std::uint32_t(m_count) || byNameCount + others >= size_t(limit))
                return rows();
        }
    }

    // The driver term's contacts. Those it matched by a name (they may be matched by names alone)
    // are all checked.
    for (const Range& r : ranges[driver])
        for (std::uint32_t w = r.from; w < r.to; ++w)
            for (std::uint32_t p = m_postStart[w]; p < m_postStart[w] + m_namePostCount[w + 1] - m_namePostCount[w];
                 ++p)
                consider(m_postings[p].id, driver, Row{0, true, -1});
    // Every other contact found now is matched by another field, is not used and is not the
    // completion's: such contacts are shown in alphabetical order after all others, so once the
    // list could be filled with them, none after them can show. The driver's other postings and
    // its numbers are read merged in that order, each contact first with its lowest field.
    size_t others = 0;
    const size_t othersMost = readAll ? SIZE_MAX : size_t(limit);
    if (numbers[driver].broad) {
        for (std::uint32_t k = 0; k < std::uint32_t(m_count) && others < othersMost; ++k)
            others += consider(k) ? 1 : 0;
        return rows();
    }
    struct Feed {
        std::uint32_t at, end;
        enum { Postings, Places, Listed, Text } kind;
        std::uint32_t number;      // the last number a place was found in
        const std::string* needle; // the digits a Text feed looks for
    };
    std::vector<Feed> feeds;
    for (const Range& r : ranges[driver])
        for (std::uint32_t w = r.from; w < r.to; ++w)
            if (const std::uint32_t names = m_namePostCount[w + 1] - m_namePostCount[w];
                m_postStart[w] + names < m_postStart[w + 1])
                feeds.push_back(Feed{m_postStart[w] + names, m_postStart[w + 1], Feed::Postings, 0, nullptr});
    const NumberHits& hits = numbers[driver];
    if (!hits.places.empty())
        feeds.push_back(Feed{0, std::uint32_t(hits.places.size()), Feed::Places, 0, nullptr});
    if (!hits.listed.empty())
        feeds.push_back(Feed{0, std::uint32_t(hits.listed.size()), Feed::Listed, 0, nullptr});
    for (const std::string& needle : hits.scanned)
        if (const size_t at = m_numbers.find(needle); at != std::string::npos)
            feeds.push_back(Feed{std::uint32_t(at), 0, Feed::Text, 0, &needle});
    const auto refOf = [&](Feed& f) {
        if (f.kind == Feed::Postings)
            return m_postings[f.at];
        if (f.kind == Feed::Listed)
            return hits.listed[f.at];
        f.number = numberAt(f.kind == Feed::Text ? f.at : hits.places[f.at], f.number);
        return m_numberOwner[f.number];
    };
    // Whether the feed has a next ref (then at it).
    const auto advance = [this](Feed& f) {
        if (f.kind != Feed::Text)
            return ++f.at != f.end;
        const size_t next = m_numbers.find(*f.needle, size_t(f.at) + 1);
        f.at = std::uint32_t(next);
        return next != std::string::npos;
    };
    // The head of each feed, as contact then field; the smallest on top.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> heads;
    for (std::uint32_t f = 0; f < feeds.size(); ++f)
        heads.emplace_back(byIdThenField(refOf(feeds[f])), f);
    const auto later = [](const auto& a, const auto& b) { return a.first > b.first; };
    std::make_heap(heads.begin(), heads.end(), later);
    while (!heads.empty() && others < othersMost) {
        std::pop_heap(heads.begin(), heads.end(), later);
        const std::uint32_t key = heads.back().first;
        Feed& feed = feeds[heads.back().second];
        if (!advance(feed)) {
            heads.pop_back();
        } else {
            heads.back().first = byIdThenField(refOf(feed));
            std::push_heap(heads.begin(), heads.end(), later);
        }
        others += consider(key >> 8, driver, Row{0, false, int(key & 0xff)}) ? 1 : 0;
    }
    return rows();
}

bool ContactFinder::fieldAt(const Source& source, int contact, int field, Kind& kind, QString& value)
{
    if (contact < 0 || contact >= source.count || field < 0)
        return false;
    if (field <= 1) {
        kind = Kind::Name;
        value = (field == 0 ? source.fileAs(contact) : source.fullName(contact)).toString();
        return true;
    }
    if (!source.fields)
        return false;
    int at = 2;
    bool found = false;
    contactclient::searchfields::forEach(source.fields(contact), [&](Kind k, QStringView v) {
        if (at++ == field && !found) {
            kind = k;
            value = v.toString();
            found = true;
        }
    });
    return found;
}

ContactFinder::Mark ContactFinder::markIn(QStringView query, Kind kind, QStringView value)
{
    textfold::Folder folder;
    return markIn(terms(query, folder), kind, value, folder);
}

ContactFinder::Mark ContactFinder::markIn(const std::vector<Term>& queryTerms, Kind kind, QStringView value,
                                          textfold::Folder& folder)
{
    // The longest digits of the query that stand in the value's digits.
    const auto digitsMark = [&]() -> Mark {
        const Digits d = digitsOf(value);
        std::string best;
        qsizetype bestAt = -1;
        for (const Term& t : queryTerms) {
            std::vector<std::string> candidates = t.prefixes;
            for (const Term::Digits& n : t.numbers)
                candidates.push_back(n.digits);
            for (const std::string& digits : candidates) {
                if (digits.empty() || digits.size() <= best.size())
                    continue;
                const size_t at = d.digits.find(digits);
                if (at != std::string::npos) {
                    best = digits;
                    bestAt = qsizetype(at);
                }
            }
        }
        if (bestAt < 0)
            return {};
        const qsizetype start = d.places[size_t(bestAt)];
        return Mark{start, d.places[size_t(bestAt) + best.size() - 1] + 1 - start};
    };
    if (kind == Kind::Phone)
        return digitsMark();
    const std::vector<textfold::Word> words = folder.words(value);
    for (const textfold::Word& w : words) {
        for (const Term& t : queryTerms) {
            for (const std::string& p : t.prefixes) {
                if (p.empty() || !w.folded.starts_with(p))
                    continue;
                // A word folded letter for letter is marked as far as the search went.
                const bool sameLength = qsizetype(w.folded.size()) == w.length;
                return Mark{w.start, sameLength ? std::min(w.length, qsizetype(p.size())) : w.length};
            }
        }
    }
    // A postal code found by its digits typed together ("31001" for "31-001").
    return kind == Kind::Place ? digitsMark() : Mark{};
}
