#pragma once
// Turning the bytes of a vCard value into text: quoted-printable, character sets (with
// Windows-1252 for text that is not valid UTF-8), backslash escapes and the separators of
// structured and list values.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vcard {

// Decodes quoted-printable bytes; "=" at a line end is a soft line break. A malformed "=" stays.
QByteArray decodeQuotedPrintable(QByteArrayView in);

// Decodes text bytes. A charset this reader knows (UTF-8, ISO-8859-1, Windows-1252, US-ASCII) is
// honoured; otherwise, and for UTF-8 that is not valid, valid UTF-8 is read as UTF-8 and anything
// else as Windows-1252.
QString decodeText(QByteArrayView bytes, QByteArrayView charset = {});
QString decodeWindows1252(QByteArrayView bytes);
bool isValidUtf8(QByteArrayView bytes);

// Resolves \n \N \, \; \: \\ ; any other backslash stays as written.
QString unescape(const QString& text);
// Splits at separators that are not escaped, then unescapes each part. With maxParts > 0, only
// the first maxParts parts are made.
QStringList splitUnescaped(const QString& text, QChar separator, qsizetype maxParts = -1);

// Decodes base64, tolerating whitespace and line breaks inside; empty when it is not base64.
QByteArray decodeBase64(QByteArrayView in);

} // namespace vcard
