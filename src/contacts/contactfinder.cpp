// Longer than 400 lines: the index is built and searched by the same rules (how a query becomes
// words and digits, how numbers are written) and the part of a field that matched is marked by them
// too; apart, the rules would have to be written twice.

#include "contactfinder.h"

#include "contacts/textfold.h"

#include <algorithm>
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
    std::uint32_t contact = 0;
    int fieldNo = 0;
    std::vector<Ref> own; // the words of the contact being read, by their number
    auto key = [&](const std::string& text, Kind kind) {
        const std::uint32_t id = idOf(text);
        if (id < kMaxIds)
            own.push_back(Ref{id, std::uint32_t(fieldNo), contactclient::searchfields::isName(kind) ? 1u : 0u});
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
                m_numberOwner.push_back(Ref{contact, std::uint32_t(fieldNo), 0u});
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
        fieldNo = 0;
        m_contactNumbers.push_back(std::uint32_t(m_numberStart.size()));
        if (contact < kMaxIds) {
            addField(Kind::Name, source.fileAs(c));
            addField(Kind::Name, source.fullName(c));
            if (source.fields)
                contactclient::searchfields::forEach(source.fields(c), addField);
        }
        keepOwn();
    }
    m_contactNumbers.push_back(std::uint32_t(m_numberStart.size()));
    m_memo = folder.takeMemo();

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
    m_forward.shrink_to_fit();

    // The alphabetical order: each contact's place in it (ties kept in item order).
    m_rank.resize(size_t(m_count));
    for (int c = 0; c < m_count; ++c)
        m_rank[size_t(c)] = source.alphabeticalRank ? source.alphabeticalRank(c) : std::uint32_t(c);
    m_byRank.resize(size_t(m_count));
    std::iota(m_byRank.begin(), m_byRank.end(), 0u);
    std::sort(m_byRank.begin(), m_byRank.end(),
              [this](std::uint32_t a, std::uint32_t b) { return std::tie(m_rank[a], a) < std::tie(m_rank[b], b); });
    for (std::uint32_t k = 0; k < m_byRank.size(); ++k)
        m_rank[m_byRank[k]] = k;

    // Each word's contacts, by counting: first those it begins a name of, then the others, each
    // part in alphabetical order (contacts are put in that order).
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
    for (const std::uint32_t c : m_byRank) {
        for (std::uint32_t f = m_forwardStart[c]; f < m_forwardStart[c + 1]; ++f) {
            const Ref& r = m_forward[f];
            std::uint32_t& at = r.name ? nameFill[r.id] : otherFill[r.id];
            m_postings[at++] = Ref{c, r.field, r.name};
        }
    }
}

bool ContactFinder::matches(std::uint32_t c, const std::vector<Term>& terms,
                            const std::vector<std::vector<Range>>& ranges, const std::vector<std::vector<Ref>>& numbers,
                            const std::vector<char>& broad, size_t skip, Row& row) const
{
    const Ref* begin = m_forward.data() + m_forwardStart[c];
    const Ref* end = m_forward.data() + m_forwardStart[c + 1];
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
        const int numberField = numberFieldIn(c, t, terms, numbers, broad);
        if (numberField >= 0) {
            hit = true;
            if (otherField < 0 || numberField < otherField)
                otherField = numberField;
        }
        if (!hit)
            return false;
        if (!nameHit) {
            row.byName = false;
            if (row.field < 0)
                row.field = otherField;
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

int ContactFinder::numberFieldOf(std::uint32_t c, const Term& term) const
{
    int field = -1;
    for (std::uint32_t n = m_contactNumbers[c]; n < m_contactNumbers[c + 1]; ++n) {
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

int ContactFinder::numberFieldIn(std::uint32_t c, size_t t, const std::vector<Term>& terms,
                                 const std::vector<std::vector<Ref>>& numbers, const std::vector<char>& broad) const
{
    if (broad[t])
        return numberFieldOf(c, terms[t]);
    const std::vector<Ref>& inNumbers = numbers[t];
    const auto number = std::lower_bound(inNumbers.begin(), inNumbers.end(), c,
                                         [](const Ref& ref, std::uint32_t id) { return ref.id < id; });
    return number != inNumbers.end() && number->id == c ? number->field : -1;
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

std::vector<ContactFinder::Ref> ContactFinder::numberHits(const Term& term, size_t most, bool& broad) const
{
    std::vector<Ref> hits;
    broad = false;
    for (const Term::Digits& pattern : term.numbers) {
        if (pattern.digits.empty())
            continue;
        if (pattern.nationalStart) {
            // The numbers written without their country, by their digits: those beginning so are one run.
            const auto from =
                std::lower_bound(m_nationalByDigits.begin(), m_nationalByDigits.end(), std::string_view(pattern.digits),
                                 [this](std::uint32_t n, std::string_view digits) { return numberDigits(n) < digits; });
            for (auto n = from; n != m_nationalByDigits.end() && numberDigits(*n).starts_with(pattern.digits); ++n) {
                if (hits.size() > most) {
                    broad = true;
                    return {};
                }
                hits.push_back(m_numberOwner[*n]);
            }
            continue;
        }
        if (pattern.digits.size() >= 3) {
            const std::vector<std::uint32_t> places = placesOf(pattern.digits);
            if (hits.size() + places.size() > most + 1) {
                broad = true;
                return {};
            }
            // The places ascend: each number is looked for from the last, in steps that double.
            size_t number = 0;
            for (const std::uint32_t at : places) {
                size_t step = 1;
                size_t below = number;
                while (below + step < m_numberStart.size() && m_numberStart[below + step] <= at) {
                    below += step;
                    step *= 2;
                }
                const auto upTo = m_numberStart.begin() + std::ptrdiff_t(std::min(below + step, m_numberStart.size()));
                number = size_t(std::upper_bound(m_numberStart.begin() + std::ptrdiff_t(below), upTo, at) -
                                m_numberStart.begin()) -
                         1;
                hits.push_back(m_numberOwner[number]);
            }
            continue;
        }
        // One or two digits: the runs of three they begin tell how often they stand in the numbers
        // (all but at a number's end); mostly more often than is collected.
        const std::string& needle = pattern.digits;
        const size_t firstRun = size_t(needle[0] - '0') * 100 + (needle.size() > 1 ? size_t(needle[1] - '0') * 10 : 0);
        const size_t runs = needle.size() > 1 ? 10 : 100;
        const size_t often = m_trigramStart[firstRun + runs] - m_trigramStart[firstRun];
        if (hits.size() + often > most + 1) {
            broad = true;
            return {};
        }
        for (size_t at = m_numbers.find(needle); at != std::string::npos; at = m_numbers.find(needle, at + 1)) {
            if (hits.size() > most) {
                broad = true;
                return {};
            }
            const auto number = size_t(std::upper_bound(m_numberStart.begin(), m_numberStart.end(), std::uint32_t(at)) -
                                       m_numberStart.begin()) -
                                1;
            hits.push_back(m_numberOwner[number]);
        }
    }
    std::sort(hits.begin(), hits.end(), [](const Ref& a, const Ref& b) { return byIdThenField(a) < byIdThenField(b); });
    hits.erase(std::unique(hits.begin(), hits.end(),
                           [](const Ref& a, const Ref& b) { return a.id == b.id && a.field == b.field; }),
               hits.end());
    return hits;
}

std::size_t ContactFinder::indexBytes() const
{
    const auto bytes = [](const auto& v) { return v.capacity() * sizeof(v[0]); };
    return m_chars.capacity() + m_numbers.capacity() + bytes(m_wordStart) + bytes(m_postStart) + bytes(m_postings) +
           bytes(m_namePostCount) + bytes(m_byRank) + bytes(m_forwardStart) + bytes(m_forward) + bytes(m_rank) +
           bytes(m_numberStart) + bytes(m_numberOwner) + m_national.capacity() / 8 + bytes(m_contactNumbers) +
           bytes(m_trigramStart) + bytes(m_trigramAt) + bytes(m_nationalByDigits);
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
    std::vector<std::vector<Ref>> numbers;
    std::vector<char> broad; // the term's digits stand in more numbers than are collected
    size_t driver = 0;
    size_t fewest = SIZE_MAX;
    const size_t broadFrom = size_t(limit) * 64;
    for (const Term& t : queryTerms) {
        ranges.push_back(rangesOf(t));
        bool many = false;
        numbers.push_back(numberHits(t, broadFrom, many));
        broad.push_back(many ? 1 : 0);
        size_t postings = many ? size_t(m_count) * 4 : numbers.back().size();
        for (const Range& r : ranges.back())
            postings += m_postStart[r.to] - m_postStart[r.from];
        if (postings == 0)
            return {};
        if (postings < fewest) {
            fewest = postings;
            driver = ranges.size() - 1;
        }
    }

    struct Candidate {
        int tier;
        float use;
        std::uint32_t rank;
        Row row;
    };
    const auto before = [](const Candidate& a, const Candidate& b) {
        if (a.tier != b.tier)
            return a.tier < b.tier;
        if (a.use != b.use)
            return a.use > b.use;
        return a.rank < b.rank;
    };
    const auto useOf = [&](std::uint32_t c) { return c < ranking.use.size() ? ranking.use[c] : 0.0f; };
    const auto member = [&](std::uint32_t c) { return ranking.members.empty() || ranking.members[c] != 0; };
    const auto candidateOf = [&](const Row& row) {
        const std::uint32_t c = row.contact;
        const int tier = std::int64_t(c) == ranking.first ? 0 : row.byName ? 1 : 2;
        return Candidate{tier, useOf(c), m_rank[c], row};
    };
    const auto rowsOf = [](std::vector<Candidate>& candidates, int most) {
        const auto cut = std::min(candidates.size(), size_t(most));
        std::vector<Row> rows;
        rows.reserve(cut);
        for (size_t i = 0; i < cut; ++i)
            rows.push_back(candidates[i].row);
        return rows;
    };

    // A query that many contacts answer. The contacts used come first, whatever matched; then the
    // others matched by names, in alphabetical order: they are taken from the names' postings of
    // the term with the fewest, merged in that order, until the list is full of contacts matched by
    // names (none after them could show). When the names do not fill it, the others are taken in
    // the order they would be shown (the alphabet) until the list is full, instead of every
    // contact the driver word names being checked.
    // The term whose words begin the fewest names (contacts matched by names have it there).
    size_t source = 0;
    size_t sourceNames = SIZE_MAX;
    for (size_t t = 0; t < ranges.size(); ++t) {
        size_t names = 0;
        for (const Range& r : ranges[t])
            names += m_namePostCount[r.to] - m_namePostCount[r.from];
        if (names < sourceNames) {
            sourceNames = names;
            source = t;
        }
    }
    // Whether contacts spread evenly over the alphabet would fill the list sooner than the driver
    // term's postings are read (a term whose numbers are checked contact by contact has none).
    const bool scanPays = broad[driver] || fewest * fewest >= 4 * size_t(limit) * size_t(m_count);
    if (fewest > broadFrom && (scanPays || sourceNames >= size_t(limit))) {
        const std::uint32_t seenRound = metContacts.begin(size_t(m_count));
        std::vector<std::uint32_t>& seen = metContacts.stamp;
        std::vector<Candidate> shown;
        size_t byNameCount = 0;
        bool gaveUp = false;
        // skip: a term the contact is known to have among its names.
        auto consider = [&](std::uint32_t c, size_t skip = SIZE_MAX) {
            if (seen[c] == seenRound)
                return;
            seen[c] = seenRound;
            if (!member(c))
                return;
            Row row{c, true, -1};
            if (matches(c, queryTerms, ranges, numbers, broad, skip, row)) {
                shown.push_back(candidateOf(row));
                byNameCount += shown.back().tier < 2 ? 1 : 0;
            }
        };
        if (ranking.first >= 0 && ranking.first < m_count)
            consider(std::uint32_t(ranking.first));
        if (!ranking.used.empty()) {
            for (const std::uint32_t c : ranking.used)
                if (c < std::uint32_t(m_count) && useOf(c) > 0)
                    consider(c);
        } else {
            for (std::uint32_t c = 0; c < ranking.use.size() && c < std::uint32_t(m_count); ++c)
                if (ranking.use[c] > 0)
                    consider(c);
        }

        struct Cursor {
            std::uint32_t at, end; // in m_postings
        };
        std::vector<Cursor> cursors;
        for (const Range& r : ranges[source]) {
            for (std::uint32_t w = r.from; w < r.to; ++w) {
                const std::uint32_t names = m_namePostCount[w + 1] - m_namePostCount[w];
                if (names > 0)
                    cursors.push_back(Cursor{m_postStart[w], m_postStart[w] + names});
            }
        }
        const auto later = [this](const Cursor& a, const Cursor& b) {
            return m_rank[m_postings[a.at].id] > m_rank[m_postings[b.at].id];
        };
        std::make_heap(cursors.begin(), cursors.end(), later);
        while (!cursors.empty() && byNameCount < size_t(limit)) {
            std::pop_heap(cursors.begin(), cursors.end(), later);
            Cursor& next = cursors.back();
            const std::uint32_t c = m_postings[next.at].id;
            if (++next.at == next.end)
                cursors.pop_back();
            else
                std::push_heap(cursors.begin(), cursors.end(), later);
            consider(c, source);
        }
        if (byNameCount < size_t(limit)) {
            size_t others = 0;
            // Few contacts have every word: checking them in alphabetical order would cost more
            // than the driver word's postings, each checked for less (all are checked when a term's
            // numbers are only checked contact by contact). Not begun when it would not pay.
            const size_t budget = broad[driver] ? SIZE_MAX : fewest / 4;
            gaveUp = !scanPays;
            std::uint32_t k = 0;
            for (; !gaveUp && k < m_byRank.size() && byNameCount + others < size_t(limit); ++k) {
                if (k > budget) {
                    gaveUp = true;
                    break;
                }
                const std::uint32_t c = m_byRank[k];
                if (seen[c] == seenRound)
                    continue;
                const size_t had = shown.size();
                consider(c);
                others += shown.size() - had;
            }
        }
        if (!gaveUp) {
            const auto most = std::min(shown.size(), size_t(limit));
            std::partial_sort(shown.begin(), shown.begin() + std::ptrdiff_t(most), shown.end(), before);
            return rowsOf(shown, limit);
        }
    }

    // The driver term's contacts, each once, with what its postings say of the fields matched.
    struct Hit {
        std::uint32_t contact;
        int otherField; // the lowest other field the driver matched, -1: none
        bool nameHit;
    };
    const std::uint32_t round = metContacts.begin(size_t(m_count));
    std::vector<std::uint32_t>& stamp = metContacts.stamp;
    thread_local std::vector<std::uint32_t> slot;
    if (slot.size() < size_t(m_count))
        slot.resize(size_t(m_count));
    std::vector<Hit> hits;
    auto visit = [&](const Ref& posting) {
        const std::uint32_t c = posting.id;
        if (stamp[c] != round) {
            stamp[c] = round;
            slot[c] = std::uint32_t(hits.size());
            hits.push_back(Hit{c, -1, false});
        }
        Hit& h = hits[slot[c]];
        if (posting.name)
            h.nameHit = true;
        else if (h.otherField < 0 || posting.field < h.otherField)
            h.otherField = posting.field;
    };
    for (const Range& dr : ranges[driver]) {
        for (std::uint32_t p = m_postStart[dr.from]; p < m_postStart[dr.to]; ++p)
            visit(m_postings[p]);
    }
    for (const Ref& posting : numbers[driver])
        visit(posting);

    // The best limit candidates so far, the worst of them on top.
    std::vector<Candidate> best;
    best.reserve(size_t(limit) + 1);
    for (const Hit& h : hits) {
        const std::uint32_t c = h.contact;
        if (!member(c))
            continue;
        // The driver's own postings said how it matched; the other terms are looked up.
        Row row{c, h.nameHit, h.nameHit ? -1 : h.otherField};
        if (!matches(c, queryTerms, ranges, numbers, broad, driver, row))
            continue;
        const int tier = std::int64_t(c) == ranking.first ? 0 : row.byName ? 1 : 2;
        const float use = c < ranking.use.size() ? ranking.use[c] : 0.0f;
        const Candidate candidate{tier, use, m_rank[c], row};
        if (best.size() == size_t(limit)) {
            if (!before(candidate, best.front()))
                continue;
            std::pop_heap(best.begin(), best.end(), before);
            best.back() = candidate;
        } else {
            best.push_back(candidate);
        }
        std::push_heap(best.begin(), best.end(), before);
    }
    std::sort_heap(best.begin(), best.end(), before);
    std::vector<Row> rows;
    rows.reserve(best.size());
    for (const Candidate& candidate : best)
        rows.push_back(candidate.row);
    return rows;
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
