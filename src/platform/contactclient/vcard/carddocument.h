#pragma once
// One card's bytes, open for a change: its lines as written, the form the edit mode shows, and the
// card rewritten from a changed form. Only the lines whose values changed are written anew; every
// other line keeps its bytes (folding, groups, parameters, properties this program does not know,
// the photo), and a line that is rewritten keeps its group and the parameters that do not describe
// its value.

#include "contactclient/contactform.h"
#include "contactclient/vcard/vcardencode.h"
#include "contactclient/vcard/vcardlines.h"

#include <QDateTime>

namespace vcard {

class CardDocument {
public:
    // bytes: one card, BEGIN:VCARD to END:VCARD (the line break after END left out or kept).
    explicit CardDocument(QByteArray bytes);

    // False when the bytes are not one card; error() says why.
    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    Version version() const { return m_version; }
    QByteArray bytes() const { return m_data; }
    QString uid() const;

    contactclient::ContactForm form() const;
    // The card with the form's values, REV set to now; the bytes as they are when nothing differs.
    // Entries whose origin names no line of this card are added as new ones.
    QByteArray apply(const contactclient::ContactForm& changed, const QDateTime& now) const;

    // A new card in the version with the form's values (empty entries left out).
    static QByteArray create(const contactclient::ContactForm& form, Version version, const QString& uid,
                             const QDateTime& now);

private:
    struct CardLine {
        qsizetype start = 0;
        qsizetype end = 0; // past its line break
        Property property;
        QByteArray header; // group, name and parameters as written, unfolded
        bool top = true;   // not inside a card embedded through AGENT
    };
    class Editor;

    QByteArray m_data;
    QList<CardLine> m_lines;
    Version m_version = Version::V30;
    QByteArray m_eol = "\r\n";
    QString m_error;
};

} // namespace vcard
