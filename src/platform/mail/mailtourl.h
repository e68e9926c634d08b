#pragma once
// The mailto: URL the desktop's mail composer is opened with.

#include <QStringList>
#include <QUrl>

namespace mail {

// mailto:a@x,b@y?subject=…&body=… — bare addresses only; subject and body percent-encoded
// (line breaks as %0D%0A). Empty parts are left out.
QUrl mailtoUrl(const QStringList& addresses, const QString& subject, const QString& body);

} // namespace mail
