#pragma once
// The line level of a vCard: logical lines (folds and quoted-printable soft breaks joined), the
// property name with its group, and the parameters.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace vcard {

struct Params {
    QList<QByteArray> types; // lower case, from TYPE= lists and bare vCard 2.1 types; "pref" is in pref
    int pref = 0;            // 1 = most preferred; 0 = not marked
    QByteArray encoding;     // upper case: QUOTED-PRINTABLE, BASE64, B, 8BIT …
    QByteArray charset;
    QByteArray valueType; // lower case: uri, text …
    QByteArray label;     // the LABEL parameter of a vCard 4 address, escapes untouched
    QByteArray mediaType;
    bool hasType(QByteArrayView type) const;
    bool quotedPrintable() const { return encoding == "QUOTED-PRINTABLE"; }
};

struct Property {
    QByteArray group; // as written (item1)
    QByteArray name;  // upper case
    Params params;
    QByteArray value; // unfolded and quoted-printable decoded; escapes untouched
};

// One logical line: where it lies in the buffer and its name.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;     // end of the last physical line, line break excluded
    QByteArrayView name;   // as written, group left out; empty when the line is not a property
    QByteArray nameBuffer; // holds the name when it had to be unfolded
    // Asked of every line for a few names: an ASCII comparison in place of a library call.
    bool is(QByteArrayView upperName) const
    {
        if (name.size() != upperName.size())
            return false;
        for (qsizetype i = 0; i < name.size(); ++i) {
            const char c = name[i];
            if ((c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c) != upperName[i])
                return false;
        }
        return true;
    }
};

class LineReader {
public:
    explicit LineReader(QByteArrayView data);
    // The next non-empty logical line; false at the end of the data.
    bool next(Line& line);
    // The full property of a line that next() returned.
    Property property(const Line& line) const;
    // Whether a line's value, stripped of blanks, equals the text (case-insensitive).
    bool valueIs(const Line& line, QByteArrayView text) const;
    qsizetype position() const { return m_pos; }

private:
    qsizetype lineEnd(qsizetype from) const;
    qsizetype nextLine(qsizetype end) const;
    struct QpScan {
        enum State { Unknown, No, Yes } state = Unknown;
        qsizetype searched = 0; // where the search for the header's colon goes on
    };
    bool endsQuotedPrintable(QpScan& scan, qsizetype start, qsizetype end) const;
    QByteArray unfold(qsizetype start, qsizetype end, bool quotedPrintable) const;

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

// Parses "NAME;PARAM=…:value" (already unfolded) into a property; false when there is no colon.
bool parseProperty(QByteArrayView line, Property& out);

} // namespace vcard
