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
    static constexpr QByteArrayView kWanted[] = {"FN", "N", "ORG", "CATEGORIES", "KIND", "X-EVOLUTION-FILE-AS",
                                                 "X-ADDRESSBOOKSERVER-KIND"};
    for (QByteArrayView wanted : kWanted)
        if (name.size() == wanted.size() && name.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    return false;
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
    int nested = 0;        // depth of vCards embedded through an empty AGENT property
    bool agentOpen = false;
    int count = 0;
    int stored = 0;

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
                card.error = QStringLiteral("more than %1 cards in one file; the rest is not read").arg(kMaxCardsPerFile);
                card.length = data.size() - line.start;
                visit(card);
                return count;
            }
            card = Card();
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
        const bool wanted = detail == Detail::Full || isSummaryProperty(line.name);
        if (!wanted)
            continue;
        if (++stored > kMaxPropertiesPerCard) {
            card.error = QStringLiteral("more than %1 properties in one card").arg(kMaxPropertiesPerCard);
            card.properties.clear();
            continue;
        }
        Property p = lines.property(line);
        if (!p.name.isEmpty())
            card.properties.append(std::move(p));
    }
    if (inCard)
        finish(data.size(), QStringLiteral("card not terminated (no END:VCARD)"));
    return count;
}

} // namespace vcard
