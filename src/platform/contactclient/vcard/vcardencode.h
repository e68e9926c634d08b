#pragma once
// Writing vCard lines: text escaped for a value, the header and value joined, long lines folded at
// 75 octets without splitting a UTF-8 sequence, and vCard 2.1's quoted-printable for values that
// hold line breaks.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vcard {

enum class Version { V21, V30, V40 };

// The version a VERSION value names; 3.0 for anything else.
Version versionFromText(QByteArrayView value);
QByteArray versionText(Version version);

// A text value: backslash, line breaks and (where they separate) ';' and ',' escaped. vCard 2.1
// keeps its line breaks as CRLF, for composeLine to write quoted-printable.
enum class Separators { None, Semicolon, Comma, Both };
QByteArray escapeValue(const QString& text, Separators separators, Version version = Version::V30);

// One logical line, "header:value", ready to write with its line break. header is NAME and its
// parameters as they are to be written; value is escaped already. vCard 2.1 lines are not folded
// (its unfolding keeps the blank); a 2.1 value with a line break or non-ASCII text is written
// quoted-printable with CHARSET=UTF-8, the header's own ENCODING and CHARSET left out beforehand.
QByteArray composeLine(QByteArrayView header, QByteArrayView value, Version version, QByteArrayView eol);

// Folds a logical line: physical lines of at most 75 octets (the line break left out), each
// continuation starting with one blank; a UTF-8 sequence is never cut.
QByteArray foldLine(QByteArrayView line, QByteArrayView eol);

// Quoted-printable for a 2.1 value: every byte outside printable ASCII (and "=") encoded.
QByteArray encodeQuotedPrintable(QByteArrayView bytes);

} // namespace vcard
