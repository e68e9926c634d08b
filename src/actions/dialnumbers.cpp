#include "dialnumbers.h"

#include <QCoreApplication>

namespace dialing {
namespace {

QString digitsOf(const QString& number)
{
    QString digits;
    for (const QChar c : number) {
        if (c.isDigit() || c == QLatin1Char('+'))
            digits += c;
    }
    return digits;
}

QString shownKind(const QString& kind)
{
    if (kind.isEmpty())
        return QCoreApplication::translate("CallWindow", "Phone");
    if (kind.compare(QStringLiteral("work"), Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("CallWindow", "Business");
    if (kind.compare(QStringLiteral("cell"), Qt::CaseInsensitive) == 0)
        return QCoreApplication::translate("CallWindow", "Mobile");
    return kind.left(1).toUpper() + kind.mid(1).toLower();
}

} // namespace

QList<Number> numbersOf(const contactclient::ContactItem& contact)
{
    QList<Number> numbers;
    QStringList seen;
    auto add = [&](const QString& kind, const QString& number, bool mobile = false) {
        const QString n = number.trimmed();
        const QString key = digitsOf(n);
        if (n.isEmpty() || key.isEmpty() || seen.contains(key))
            return;
        seen.append(key);
        numbers.append({kind, n, mobile});
    };
    add(QCoreApplication::translate("CallWindow", "Mobile"), contact.MobileTelephoneNumber(), true);
    add(QCoreApplication::translate("CallWindow", "Business"), contact.BusinessTelephoneNumber());
    add(QCoreApplication::translate("CallWindow", "Business 2"), contact.Business2TelephoneNumber());
    add(QCoreApplication::translate("CallWindow", "Home"), contact.HomeTelephoneNumber());
    add(QCoreApplication::translate("CallWindow", "Home 2"), contact.Home2TelephoneNumber());
    for (const auto& phone : contact.details().phones) {
        const QString kind = phone.kind.toLower();
        if (kind.contains(QStringLiteral("fax")) || kind.contains(QStringLiteral("pager")))
            continue;
        add(shownKind(phone.kind), phone.value,
            kind.contains(QStringLiteral("cell")) || kind.contains(QStringLiteral("mobile")));
    }
    return numbers;
}

QUrl telUrl(const QString& number)
{
    QString compact;
    for (const QChar c : number) {
        if (!c.isSpace() && c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            compact += c;
    }
    if (digitsOf(compact).isEmpty())
        return {};
    return QUrl::fromEncoded("tel:" + QUrl::toPercentEncoding(compact, "+()"), QUrl::StrictMode);
}

QUrl smsUrl(const QString& number)
{
    const QUrl tel = telUrl(number);
    if (tel.isEmpty())
        return {};
    return QUrl::fromEncoded("sms:" + tel.toEncoded().mid(4), QUrl::StrictMode);
}

} // namespace dialing
