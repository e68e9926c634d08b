#include "maplink.h"

#include <QRegularExpression>
#include <QStringList>

namespace maplink {

QString oneLine(const QString& address)
{
    QStringList parts;
    for (const QString& line : address.split(QRegularExpression(QStringLiteral("[\\r\\n]+")))) {
        const QString part = line.simplified();
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(QStringLiteral(", "));
}

QUrl mapUrl(const QString& address)
{
    const QString query = oneLine(address);
    if (query.isEmpty())
        return {};
    // Encoded by hand: QUrlQuery leaves "+" as it is, which the page reads as a space.
    return QUrl::fromEncoded("https://www.openstreetmap.org/search?query=" + QUrl::toPercentEncoding(query),
                             QUrl::StrictMode);
}

} // namespace maplink
