#include "thunderbirdcards.h"

#include <QRegularExpression>

namespace contactclient::thunderbird {
namespace {

// A text value as vCard 4.0 writes it: backslash, comma, semicolon and line breaks escaped.
QString escaped(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char(','), QStringLiteral("\\,"));
    value.replace(QLatin1Char(';'), QStringLiteral("\\;"));
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\n"));
    return value;
}

class CardWriter {
public:
    CardWriter() { m_text = QStringLiteral("BEGIN:VCARD\r\nVERSION:4.0\r\n"); }
    void line(const QString& nameAndParameters, const QString& value)
    {
        m_text += nameAndParameters + QLatin1Char(':') + value + QStringLiteral("\r\n");
    }
    // A line only when the value is not empty; the value escaped.
    void text(const QString& nameAndParameters, const QString& value)
    {
        if (!value.trimmed().isEmpty())
            line(nameAndParameters, escaped(value.trimmed()));
    }
    QByteArray finish()
    {
        m_text += QStringLiteral("END:VCARD\r\n");
        return m_text.toUtf8();
    }

private:
    QString m_text;
};

// An ADR value from the parts Thunderbird keeps: street (two lines), city, state, postal code,
// country. Empty when every part is.
QString address(const Properties& p, const QString& prefix)
{
    const QString street = QStringList{p.value(prefix + QStringLiteral("Address")).trimmed(),
                                       p.value(prefix + QStringLiteral("Address2")).trimmed()}
                               .filter(QRegularExpression(QStringLiteral("\\S")))
                               .join(QLatin1Char('\n'));
    const QStringList parts = {QString(),
                               QString(),
                               street,
                               p.value(prefix + QStringLiteral("City")),
                               p.value(prefix + QStringLiteral("State")),
                               p.value(prefix + QStringLiteral("ZipCode")),
                               p.value(prefix + QStringLiteral("Country"))};
    bool any = false;
    QStringList out;
    for (const QString& part : parts) {
        any = any || !part.trimmed().isEmpty();
        out.append(escaped(part.trimmed()));
    }
    return any ? out.join(QLatin1Char(';')) : QString();
}

} // namespace

QByteArray cardVCard(const Properties& properties)
{
    const QString card = properties.value(QStringLiteral("_vCard"));
    if (!card.trimmed().isEmpty())
        return card.toUtf8();
    return vcardFromProperties(properties);
}

QByteArray vcardFromProperties(const Properties& p)
{
    CardWriter w;
    const QString first = p.value(QStringLiteral("FirstName")).trimmed();
    const QString last = p.value(QStringLiteral("LastName")).trimmed();
    QString display = p.value(QStringLiteral("DisplayName")).trimmed();
    if (display.isEmpty())
        display = QStringList{first, last}.filter(QRegularExpression(QStringLiteral("\\S"))).join(QLatin1Char(' '));
    w.text(QStringLiteral("FN"), display);
    if (!first.isEmpty() || !last.isEmpty())
        w.line(QStringLiteral("N"), escaped(last) + QLatin1Char(';') + escaped(first) + QStringLiteral(";;;"));
    w.text(QStringLiteral("NICKNAME"), p.value(QStringLiteral("NickName")));
    const QString company = p.value(QStringLiteral("Company")).trimmed();
    const QString department = p.value(QStringLiteral("Department")).trimmed();
    if (!company.isEmpty() || !department.isEmpty())
        w.line(QStringLiteral("ORG"),
               department.isEmpty() ? escaped(company) : escaped(company) + QLatin1Char(';') + escaped(department));
    w.text(QStringLiteral("TITLE"), p.value(QStringLiteral("JobTitle")));
    w.text(QStringLiteral("EMAIL;PREF=1"), p.value(QStringLiteral("PrimaryEmail")));
    w.text(QStringLiteral("EMAIL"), p.value(QStringLiteral("SecondEmail")));
    w.text(QStringLiteral("TEL;TYPE=work,voice"), p.value(QStringLiteral("WorkPhone")));
    w.text(QStringLiteral("TEL;TYPE=home,voice"), p.value(QStringLiteral("HomePhone")));
    w.text(QStringLiteral("TEL;TYPE=cell"), p.value(QStringLiteral("CellularNumber")));
    w.text(QStringLiteral("TEL;TYPE=fax"), p.value(QStringLiteral("FaxNumber")));
    w.text(QStringLiteral("TEL;TYPE=pager"), p.value(QStringLiteral("PagerNumber")));
    const QString home = address(p, QStringLiteral("Home"));
    if (!home.isEmpty())
        w.line(QStringLiteral("ADR;TYPE=home"), home);
    const QString work = address(p, QStringLiteral("Work"));
    if (!work.isEmpty())
        w.line(QStringLiteral("ADR;TYPE=work"), work);
    w.text(QStringLiteral("URL"), p.value(QStringLiteral("WebPage1")));
    w.text(QStringLiteral("NOTE"), p.value(QStringLiteral("Notes")));
    return w.finish();
}

QByteArray listVCard(const QString& name, const QString& nickName, const QString& description,
                     const QStringList& memberAddresses)
{
    CardWriter w;
    w.line(QStringLiteral("KIND"), QStringLiteral("group"));
    w.text(QStringLiteral("FN"), name);
    w.text(QStringLiteral("NICKNAME"), nickName);
    w.text(QStringLiteral("NOTE"), description);
    for (const QString& address : memberAddresses)
        if (!address.trimmed().isEmpty() && !address.contains(QLatin1Char('\n')))
            w.line(QStringLiteral("MEMBER"), QStringLiteral("mailto:") + address.trimmed());
    return w.finish();
}

} // namespace contactclient::thunderbird
