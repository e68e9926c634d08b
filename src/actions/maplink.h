#pragma once
// Showing a postal address on a map: the desktop's geo: handlers take coordinates, not addresses,
// so the address goes to OpenStreetMap's search page, which the user's web browser opens.

#include <QString>
#include <QUrl>

namespace maplink {

// https://www.openstreetmap.org/search?query=<address>: the address's lines joined with ", ", its
// spaces folded, every character that could end the query or change it ("&", "#", "+", …)
// percent-encoded. Empty when the address holds no text.
QUrl mapUrl(const QString& address);

// The address as one line, as the map page is asked for it: "1 Main St, Springfield".
QString oneLine(const QString& address);

} // namespace maplink
