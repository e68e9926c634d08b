#include "vcardreader.h"

#include <QStringDecoder>

namespace vcard {

const Property* Card::first(QByteArrayView name) const
{
    for (const Property& p : properties)
        if (p.name == name)
            return &p;
    return nullptr;
}

bool isSummaryProperty(QByteArrayView name)
{
    // Every line of every card is asked: the length picks the names worth comparing.
    QByteArrayView wanted;
    QByteArrayView also;
    switch (name.size()) {
    case 1:
        wanted = "N";
        break;
    case 2:
        wanted = "FN";
        break;
    case 3:
        wanted = "ORG";
        also = "TEL";
        break;
    case 4:
        wanted = "KIND";
        break;
    case 5:
        wanted = "EMAIL";
        also = "TITLE";
        break;
    case 8:
        wanted = "NICKNAME";
        break;
    case 10:
        wanted = "CATEGORIES";
        break;
    case 19:
        wanted = "X-EVOLUTION-FILE-AS";
        break;
    case 24:
        wanted = "X-ADDRESSBOOKSERVER-KIND";
        break;
    default:
        return false;
    }
    auto is = [&name](QByteArrayView upper) {
        if (upper.isEmpty())
            return false;
        for (qsizetype i = 0; i < name.size(); ++i) {
            char c = name[i];
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
            if (c != upper[i])
                return false;
        }
        return true;
    };
    return is(wanted) || is(also) || (name.size() == 3 && is("ADR"));
}

QByteArray toUtf8Data(const QByteArray& data)
{
    const bool le = data.startsWith("\xFF\xFE");
    const bool be = data.startsWith("\xFE\xFF");
    if (!le && !be)
        return data;
    QStringDecoder decoder(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    return QString(decoder.decode(QByteArrayView(data).sliced(2))).toUtf8();
}

int readCards(QByteArrayView data, Detail detail, const std::function<bool(Card&)>& visit)
{
    LineReader lines(data);
    Line line;
    Card card;
    bool inCard = false;
    int nested = 0; // depth of vCards embedded through an empty AGENT property
    bool agentOpen = false;
    int count = 0;
    int stored = 0;
    card.properties.reserve(detail == Detail::Summary ? 8 : 32);

    auto finish = [&](qsizetype end, const QString& error) {
        card.length = end - card.offset;
        if (!error.isEmpty() && card.error.isEmpty())
            card.error = error;
        if (!card.ok())
            card.properties.clear();
        inCard = false;
        return visit(card);
    };

    while (lines.next(line)) {
        if (line.is("BEGIN") && lines.valueIs(line, "VCARD")) {
            if (inCard && agentOpen) {
                ++nested;
                agentOpen = false;
                continue;
            }
            if (inCard && !finish(line.start, QStringLiteral("card not terminated (no END:VCARD)")))
                return count;
            if (count >= kMaxCardsPerFile) {
                card = Card();
                card.index = count + 1;
                card.offset = line.start;
                card.length = data.size() - line.start;
                // The rest is counted, not read, so that what is skipped is told in full.
                card.count = 1;
                while (lines.next(line))
                    if (line.is("BEGIN") && lines.valueIs(line, "VCARD"))
                        ++card.count;
                card.error = QStringLiteral("more than %1 cards in one file; the other %2 are not read")
                                 .arg(kMaxCardsPerFile)
                                 .arg(card.count);
                visit(card);
                return count;
            }
            // The card's list of properties keeps its room from one card to the next.
            card.error.clear();
            card.count = 1;
            card.properties.clear();
            card.length = 0;
            card.index = ++count;
            card.offset = line.start;
            inCard = true;
            nested = 0;
            stored = 0;
            continue;
        }
        if (!inCard)
            continue;
        if (line.is("END") && lines.valueIs(line, "VCARD")) {
            if (nested > 0) {
                --nested;
                continue;
            }
            if (!finish(line.end, {}))
                return count;
            continue;
        }
        agentOpen = line.is("AGENT") && lines.valueIs(line, "");
        if (nested > 0 || line.name.isEmpty() || !card.ok())
            continue;
        // Every property counts towards the limit, kept or not, so that the summary read and the
        // full read refuse the same cards.
        if (++stored > kMaxPropertiesPerCard) {
            card.error = QStringLiteral("more than %1 properties in one card").arg(kMaxPropertiesPerCard);
            card.properties.clear();
            continue;
        }
        const bool wanted = detail == Detail::Full || isSummaryProperty(line.name);
        if (!wanted)
            continue;
        Property p = lines.property(line);
        if (!p.name.isEmpty())
            card.properties.append(std::move(p));
    }
    if (inCard)
        finish(data.size(), QStringLiteral("card not terminated (no END:VCARD)"));
    return count;
}

} // namespace vcard
