#include "mailaddresses.h"

#include "actions/contactcopy.h"

namespace mailaddresses {
namespace {

void add(QList<Address>& out, const QString& address, const QString& kind)
{
    const QString a = address.trimmed();
    if (a.isEmpty())
        return;
    for (const Address& known : std::as_const(out)) {
        if (known.address.compare(a, Qt::CaseInsensitive) == 0)
            return;
    }
    out.append({a, kind.trimmed().toLower()});
}

} // namespace

QList<Address> of(const contactclient::ContactItem& contact)
{
    QList<Address> out;
    for (const contactclient::CardDetails::Entry& e : contact.details().emails)
        add(out, e.value, e.kind);
    if (out.isEmpty()) {
        for (const QString& address : {contact.Email1Address(), contact.Email2Address(), contact.Email3Address()})
            add(out, address, {});
    }
    return out;
}

bool has(const contactclient::ContactItem& contact, const QString& address)
{
    const QList<Address> all = of(contact);
    return std::any_of(all.begin(), all.end(), [&address](const Address& a) {
        return a.address.compare(address.trimmed(), Qt::CaseInsensitive) == 0;
    });
}

QString menuText(const Address& address)
{
    QString text =
        address.kind.isEmpty() ? address.address : QStringLiteral("%1 (%2)").arg(address.address, address.kind);
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString recipient(const contactclient::ContactItem& contact, const QString& address)
{
    const QString name = contact.FullName().isEmpty() ? contact.FileAs() : contact.FullName();
    return contactcopy::mailbox(name, address);
}

} // namespace mailaddresses
