#include "mailtourl.h"

namespace mail {

QUrl mailtoUrl(const QStringList& addresses, const QString& subject, const QString& body)
{
    QByteArray url = "mailto:";
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (i > 0)
            url += ',';
        url += QUrl::toPercentEncoding(addresses.at(i), "@");
    }
    QList<QByteArray> query;
    if (!subject.isEmpty())
        query.append("subject=" + QUrl::toPercentEncoding(subject));
    if (!body.isEmpty()) {
        QString crlf = body;
        crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        query.append("body=" + QUrl::toPercentEncoding(crlf));
    }
    if (!query.isEmpty())
        url += '?' + query.join('&');
    return QUrl::fromEncoded(url, QUrl::StrictMode);
}

} // namespace mail
