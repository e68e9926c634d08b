#include "mailbox.h"

#include "contactclient/errors.h"

#include <QUrl>

#include <algorithm>

using contactclient::AutomationError;
using contactclient::errMailAddress;

namespace mail {

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u == 0x2028 || u == 0x2029 || u == 0x85)
            return true;
    }
    return false;
}

void requireHeaderSafe(const QString& what, const QString& value)
{
    if (hasControlCharacter(value))
        throw AutomationError(errMailAddress, QStringLiteral("The %1 holds a line break or another control character; "
                                                             "the mail was not sent.")
                                                  .arg(what));
}

bool isUsableAddress(const QString& address)
{
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != address.lastIndexOf(QLatin1Char('@')) || at == address.size() - 1)
        return false;
    static const QString forbidden = QStringLiteral("<>()[]\\,;:\"");
    for (const QChar c : address) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || forbidden.contains(c))
            return false;
    }
    const QString local = address.left(at);
    const QString domain = address.mid(at + 1);
    auto dotsOk = [](const QString& part) {
        return !part.startsWith(QLatin1Char('.')) && !part.endsWith(QLatin1Char('.')) &&
               !part.contains(QStringLiteral(".."));
    };
    return dotsOk(local) && dotsOk(domain);
}

QString wireAddress(const QString& address)
{
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    const QString domain = address.mid(at + 1);
    const bool asciiDomain = std::all_of(domain.cbegin(), domain.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (at <= 0 || asciiDomain || hasControlCharacter(domain))
        return isUsableAddress(address) ? address : QString();
    const QByteArray ace = QUrl::toAce(domain);
    if (ace.isEmpty())
        return {};
    const QString ascii = address.left(at + 1) + QString::fromLatin1(ace);
    return isUsableAddress(ascii) ? ascii : QString();
}

namespace {

bool isAtextChar(char16_t u)
{
    if (u >= 0x80) // UTF-8 text as RFC 6532 allows it; control, space and format characters are not
        return u >= 0xa0 && !QChar::isSpace(u) && QChar::category(u) != QChar::Other_Format;
    if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
        return true;
    return QStringView(u"!#$%&'*+-/=?^_`{|}~").contains(QChar(u));
}

// dot-atom-text: atoms of atext joined by single dots.
bool isDotAtom(QStringView text, bool domain)
{
    if (text.isEmpty())
        return false;
    for (const QStringView label : text.split(QLatin1Char('.'))) {
        if (label.isEmpty())
            return false;
        if (domain && (label.startsWith(QLatin1Char('-')) || label.endsWith(QLatin1Char('-'))))
            return false;
        for (const QChar c : label) {
            const char16_t u = c.unicode();
            const bool ok =
                domain ? (u >= 0x80 ? isAtextChar(u) : (c.isLetterOrNumber() || u == u'-')) : isAtextChar(u);
            if (!ok)
                return false;
        }
    }
    return true;
}

} // namespace

bool isAddrSpec(const QString& address)
{
    constexpr qsizetype kMaxAddress = 254; // RFC 5321's limit on a path, less the brackets
    constexpr qsizetype kMaxLocal = 64;
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at != address.lastIndexOf(QLatin1Char('@')) || address.size() > kMaxAddress)
        return false;
    const QStringView local = QStringView(address).left(at);
    const QStringView domain = QStringView(address).mid(at + 1);
    return local.size() <= kMaxLocal && isDotAtom(local, false) && isDotAtom(domain, true);
}

QList<QString> splitRecipients(const QString& to)
{
    QList<QString> parts;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < to.size(); ++i) {
        const QChar c = to.at(i);
        if (quoted && c == QLatin1Char('\\') && i + 1 < to.size()) {
            current += c;
            current += to.at(++i);
            continue;
        }
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(';') && !quoted) {
            parts.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    parts.append(current);
    QList<QString> result;
    for (const QString& p : parts) {
        if (!p.trimmed().isEmpty())
            result.append(p.trimmed());
    }
    return result;
}

namespace {

QString unquote(QString name)
{
    name = name.trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"'))) {
        QString plain;
        for (qsizetype i = 1; i < name.size() - 1; ++i) {
            if (name.at(i) == QLatin1Char('\\') && i + 1 < name.size() - 1)
                ++i;
            plain += name.at(i);
        }
        return plain;
    }
    return name;
}

[[noreturn]] void unusable(const QString& text)
{
    throw AutomationError(errMailAddress, QStringLiteral("\"%1\" is not a usable e-mail address.").arg(text));
}

} // namespace

Recipient parseRecipient(const QString& text)
{
    requireHeaderSafe(QStringLiteral("recipient"), text);
    const QString t = text.trimmed();
    const qsizetype lt = t.lastIndexOf(QLatin1Char('<'));
    if (t.endsWith(QLatin1Char('>')) && lt >= 0) {
        Recipient r{unquote(t.left(lt)), wireAddress(t.mid(lt + 1, t.size() - lt - 2).trimmed())};
        if (r.address.isEmpty())
            unusable(t);
        return r;
    }
    if (t.contains(QLatin1Char('@'))) {
        const QString address = wireAddress(t);
        if (address.isEmpty())
            unusable(t);
        return {{}, address};
    }
    return {t, {}};
}

} // namespace mail
