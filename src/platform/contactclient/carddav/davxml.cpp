#include "davxml.h"

#include "davhttp.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace contactclient::carddav {
namespace {

QString keyOf(const QXmlStreamReader& xml)
{
    return xml.namespaceUri().toString() + QLatin1Char('|') + xml.name().toString();
}

bool is(const QXmlStreamReader& xml, const QString& ns, const char* name)
{
    return xml.namespaceUri() == ns && xml.name() == QLatin1String(name);
}

int statusOf(const QString& line)
{
    // "HTTP/1.1 404 Not Found". A code is three digits: anything else is no status (0), never a
    // number that could pass for another code.
    const QStringList parts = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 2 || parts.at(1).size() != 3)
        return 0;
    bool ok = false;
    const int code = parts.at(1).toInt(&ok);
    return ok && code >= 100 ? code : 0;
}

// Reads the element the reader stands on, to its end: its text, its hrefs and its direct children.
DavProperty readProperty(QXmlStreamReader& xml, bool keepWhitespace)
{
    DavProperty property;
    int depth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (depth == 0)
                property.children.append(keyOf(xml));
            if (is(xml, kDavNs, "href")) {
                property.hrefs.append(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
                continue;
            }
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == 0)
                break;
            --depth;
        } else if (token == QXmlStreamReader::Characters) {
            property.text += xml.text();
        }
    }
    if (!keepWhitespace)
        property.text = property.text.trimmed();
    return property;
}

void readPropstat(QXmlStreamReader& xml, DavResponse& response)
{
    QHash<QString, DavProperty> found;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (is(xml, kDavNs, "prop")) {
            while (xml.readNextStartElement()) {
                const QString key = keyOf(xml);
                found.insert(key, readProperty(xml, is(xml, kCardDavNs, "address-data")));
            }
        } else if (is(xml, kDavNs, "status")) {
            status = statusOf(xml.readElementText());
        } else {
            xml.skipCurrentElement();
        }
    }
    if (status == 200 || status == 0)
        response.properties.insert(found);
}

DavResponse readResponse(QXmlStreamReader& xml)
{
    DavResponse response;
    while (xml.readNextStartElement()) {
        if (is(xml, kDavNs, "href") && response.href.isEmpty())
            response.href = xml.readElementText().trimmed();
        else if (is(xml, kDavNs, "status"))
            response.status = statusOf(xml.readElementText());
        else if (is(xml, kDavNs, "propstat"))
            readPropstat(xml, response);
        else
            xml.skipCurrentElement();
    }
    return response;
}

} // namespace

bool DavResponse::isAddressBook() const
{
    return property(kDavNs, QStringLiteral("resourcetype"))
        .children.contains(kCardDavNs + QStringLiteral("|addressbook"));
}

bool DavResponse::isCollection() const
{
    return property(kDavNs, QStringLiteral("resourcetype")).children.contains(kDavNs + QStringLiteral("|collection"));
}

Multistatus parseMultistatus(const QByteArray& data)
{
    QXmlStreamReader xml(data);
    Multistatus result;
    if (!xml.readNextStartElement() || !is(xml, kDavNs, "multistatus"))
        throw DavError(DavError::Protocol,
                       QStringLiteral("The CardDAV server did not answer with a WebDAV multistatus."));
    while (xml.readNextStartElement()) {
        if (is(xml, kDavNs, "response"))
            result.responses.append(readResponse(xml));
        else if (is(xml, kDavNs, "sync-token"))
            result.syncToken = xml.readElementText().trimmed();
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError())
        throw DavError(
            DavError::Protocol,
            QStringLiteral("The CardDAV server's answer is not well-formed XML (%1).").arg(xml.errorString()));
    return result;
}

namespace {

struct Writer {
    QByteArray data;
    QXmlStreamWriter xml{&data};
    Writer()
    {
        xml.writeStartDocument();
        xml.writeNamespace(kDavNs, QStringLiteral("D"));
        xml.writeNamespace(kCardDavNs, QStringLiteral("C"));
        xml.writeNamespace(kCalServerNs, QStringLiteral("CS"));
    }
    void prop(const QString& key)
    {
        const qsizetype bar = key.indexOf(QLatin1Char('|'));
        xml.writeEmptyElement(key.left(bar), key.mid(bar + 1));
    }
    QByteArray finish()
    {
        xml.writeEndDocument();
        return data;
    }
};

} // namespace

QByteArray propfindBody(const QStringList& properties)
{
    Writer w;
    w.xml.writeStartElement(kDavNs, QStringLiteral("propfind"));
    w.xml.writeStartElement(kDavNs, QStringLiteral("prop"));
    for (const QString& p : properties)
        w.prop(p);
    w.xml.writeEndElement();
    w.xml.writeEndElement();
    return w.finish();
}

QByteArray syncCollectionBody(const QString& syncToken)
{
    Writer w;
    w.xml.writeStartElement(kDavNs, QStringLiteral("sync-collection"));
    w.xml.writeTextElement(kDavNs, QStringLiteral("sync-token"), syncToken);
    w.xml.writeTextElement(kDavNs, QStringLiteral("sync-level"), QStringLiteral("1"));
    w.xml.writeStartElement(kDavNs, QStringLiteral("prop"));
    w.prop(kDavNs + QStringLiteral("|getetag"));
    w.xml.writeEndElement();
    w.xml.writeEndElement();
    return w.finish();
}

QByteArray multigetBody(const QStringList& hrefs)
{
    Writer w;
    w.xml.writeStartElement(kCardDavNs, QStringLiteral("addressbook-multiget"));
    w.xml.writeStartElement(kDavNs, QStringLiteral("prop"));
    w.prop(kDavNs + QStringLiteral("|getetag"));
    w.prop(kCardDavNs + QStringLiteral("|address-data"));
    w.xml.writeEndElement();
    for (const QString& href : hrefs)
        w.xml.writeTextElement(kDavNs, QStringLiteral("href"), href);
    w.xml.writeEndElement();
    return w.finish();
}

} // namespace contactclient::carddav
