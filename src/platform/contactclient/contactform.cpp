#include "contactform.h"

#include "contactclient/errors.h"
#include "mail/mailbox.h"

#include <QDate>
#include <QObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace contactclient {
namespace {

QString joinNonEmpty(const QStringList& parts)
{
    QStringList kept;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty())
            kept.append(p.trimmed());
    return kept.join(QLatin1Char(' '));
}

bool isPhoneText(const QString& text)
{
    static const QRegularExpression phone(QStringLiteral("^\\+?[0-9 ()./-]*[0-9][0-9 ()./-]*$"));
    return phone.match(text).hasMatch();
}

// The index in the list of the n-th entry (0-based) of the kind; -1 when there is none.
int nthOfKind(const QList<FormEntry>& list, const QString& kind, int n)
{
    for (int i = 0; i < list.size(); ++i)
        if (list[i].kind == kind && n-- == 0)
            return i;
    return -1;
}

void setEntry(QList<FormEntry>& list, int at, const QString& kind, const QString& value)
{
    if (at >= 0) {
        if (value.isEmpty())
            list.removeAt(at);
        else
            list[at].value = value;
    } else if (!value.isEmpty()) {
        list.append(FormEntry{kind, value, false, -1});
    }
}

// The e-mail addresses in the order the contact item numbers them: the preferred one first.
QList<int> emailOrder(const QList<FormEntry>& emails)
{
    QList<int> order;
    for (int i = 0; i < emails.size(); ++i)
        if (emails[i].preferred)
            order.append(i);
    for (int i = 0; i < emails.size(); ++i)
        if (!emails[i].preferred)
            order.append(i);
    return order;
}

void setAddress(ContactForm& form, const QString& kind, const QString& value)
{
    int at = -1;
    for (int i = 0; i < form.addresses.size(); ++i)
        if (form.addresses[i].kind == kind) {
            at = i;
            break;
        }
    if (value.trimmed().isEmpty()) {
        if (at >= 0)
            form.addresses.removeAt(at);
        return;
    }
    // "street;city;region;postal code;country", or the street alone.
    const QStringList parts = value.split(QLatin1Char(';'));
    FormAddress a = at >= 0 ? form.addresses[at] : FormAddress{kind, {}, {}, {}, {}, {}, -1};
    a.street = parts.value(0).trimmed();
    a.city = parts.value(1).trimmed();
    a.region = parts.value(2).trimmed();
    a.postalCode = parts.value(3).trimmed();
    a.country = parts.value(4).trimmed();
    if (at >= 0)
        form.addresses[at] = a;
    else
        form.addresses.append(a);
}

} // namespace

QStringList emailKinds()
{
    return {QStringLiteral("home"), QStringLiteral("work"), QStringLiteral("other")};
}

QStringList phoneKinds()
{
    return {QStringLiteral("mobile"), QStringLiteral("work"), QStringLiteral("home"),
            QStringLiteral("other"),  QStringLiteral("fax"),  QStringLiteral("pager")};
}

QStringList addressKinds()
{
    return emailKinds();
}

QString composedFullName(const ContactForm& form)
{
    return joinNonEmpty({form.prefix, form.given, form.middle, form.family, form.suffix});
}

bool isBirthday(const QString& text)
{
    static const QRegularExpression full(QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})$"));
    static const QRegularExpression noYear(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    const QString t = text.trimmed();
    if (const auto m = full.match(t); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()).isValid();
    if (const auto m = noYear.match(t); m.hasMatch())
        return QDate(2000, m.captured(1).toInt(), m.captured(2).toInt()).isValid(); // a leap year
    return false;
}

QList<FieldError> validateForm(const ContactForm& form)
{
    QList<FieldError> errors;
    bool anyEmail = false;
    for (int i = 0; i < form.emails.size(); ++i) {
        const QString v = form.emails[i].value.trimmed();
        if (v.isEmpty())
            continue;
        anyEmail = true;
        if (!v.contains(QLatin1Char('@')))
            errors.append({QStringLiteral("email"), i, QObject::tr("An e-mail address needs an “@”.")});
        else if (!mail::isAddrSpec(v))
            errors.append({QStringLiteral("email"), i, QObject::tr("This is not an e-mail address.")});
    }
    if (!form.birthday.trimmed().isEmpty() && !isBirthday(form.birthday))
        errors.append({QStringLiteral("birthday"), -1,
                       QObject::tr("A birthday is a date such as 1985-04-12, or --04-12 without the year.")});
    const bool named = !form.fullName.trimmed().isEmpty() || !composedFullName(form).isEmpty() ||
                       !form.organization.trimmed().isEmpty();
    const bool anyPhone = std::any_of(form.phones.begin(), form.phones.end(),
                                      [](const FormEntry& p) { return !p.value.trimmed().isEmpty(); });
    if (!named && !anyEmail && !anyPhone)
        errors.append({QStringLiteral("name"), -1,
                       QObject::tr("A contact needs a name, an organisation, an e-mail address or a phone number.")});
    return errors;
}

ContactForm formFromText(const QString& text)
{
    ContactForm form;
    const QString t = text.simplified();
    if (t.isEmpty())
        return form;
    if (t.contains(QLatin1Char('@')) && !t.contains(QLatin1Char(' '))) {
        form.emails.append(FormEntry{QStringLiteral("other"), t, true, -1});
    } else if (isPhoneText(t)) {
        form.phones.append(FormEntry{QStringLiteral("mobile"), t, false, -1});
    } else {
        const qsizetype space = t.lastIndexOf(QLatin1Char(' '));
        if (space < 0) {
            form.given = t;
        } else {
            form.given = t.left(space);
            form.family = t.mid(space + 1);
        }
        form.fullName = composedFullName(form);
    }
    return form;
}

namespace {

template <typename Entry> bool sameValue(const Entry& a, const Entry& b)
{
    Entry x = a;
    Entry y = b;
    x.origin = y.origin = -1;
    return x == y;
}

template <typename Entry>
QList<Entry> rebaseList(const QList<Entry>& base, const QList<Entry>& mine, QList<Entry> result)
{
    auto find = [](const QList<Entry>& list, const Entry& like) {
        for (int i = 0; i < list.size(); ++i)
            if (sameValue(list[i], like))
                return i;
        return -1;
    };
    for (const Entry& b : base) {
        int m = -1;
        for (int i = 0; i < mine.size(); ++i)
            if (mine[i].origin == b.origin)
                m = i;
        if (m >= 0 && sameValue(mine[m], b))
            continue;
        const int at = find(result, b);
        if (m < 0) {
            if (at >= 0)
                result.removeAt(at);
        } else if (at >= 0) {
            const int origin = result[at].origin;
            result[at] = mine[m];
            result[at].origin = origin;
        } else if (find(result, mine[m]) < 0) {
            result.append(mine[m]);
            result.back().origin = -1;
        }
    }
    QSet<int> baseOrigins;
    for (const Entry& b : base)
        baseOrigins.insert(b.origin);
    for (const Entry& m : mine)
        if ((m.origin < 0 || !baseOrigins.contains(m.origin)) && find(result, m) < 0) {
            result.append(m);
            result.back().origin = -1;
        }
    return result;
}

} // namespace

ContactForm rebaseForm(const ContactForm& base, const ContactForm& mine, const ContactForm& theirs)
{
    ContactForm r = theirs;
    auto pick = [](const QString& b, const QString& m, QString& out) {
        if (m != b)
            out = m;
    };
    pick(base.prefix, mine.prefix, r.prefix);
    pick(base.given, mine.given, r.given);
    pick(base.middle, mine.middle, r.middle);
    pick(base.family, mine.family, r.family);
    pick(base.suffix, mine.suffix, r.suffix);
    pick(base.fullName, mine.fullName, r.fullName);
    pick(base.fileAs, mine.fileAs, r.fileAs);
    pick(base.organization, mine.organization, r.organization);
    pick(base.title, mine.title, r.title);
    pick(base.nickname, mine.nickname, r.nickname);
    pick(base.birthday, mine.birthday, r.birthday);
    pick(base.note, mine.note, r.note);
    for (const QString& c : mine.categories)
        if (!base.categories.contains(c) && !r.categories.contains(c))
            r.categories.append(c);
    for (const QString& c : base.categories)
        if (!mine.categories.contains(c))
            r.categories.removeAll(c);
    r.emails = rebaseList(base.emails, mine.emails, theirs.emails);
    // One preferred address: the user's choice when the user made one.
    int chosen = -1;
    for (const FormEntry& m : mine.emails)
        if (m.preferred) {
            bool was = false;
            for (const FormEntry& b : base.emails)
                was = was || (b.origin == m.origin && b.preferred);
            if (!was)
                for (int i = 0; i < r.emails.size(); ++i)
                    if (r.emails[i].value == m.value)
                        chosen = i;
        }
    if (chosen >= 0)
        for (int i = 0; i < r.emails.size(); ++i)
            r.emails[i].preferred = i == chosen;
    r.phones = rebaseList(base.phones, mine.phones, theirs.phones);
    r.urls = rebaseList(base.urls, mine.urls, theirs.urls);
    r.addresses = rebaseList(base.addresses, mine.addresses, theirs.addresses);
    return r;
}

QStringList formPropertyNames()
{
    return {QStringLiteral("FullName"),
            QStringLiteral("FileAs"),
            QStringLiteral("Title"),
            QStringLiteral("FirstName"),
            QStringLiteral("MiddleName"),
            QStringLiteral("LastName"),
            QStringLiteral("Suffix"),
            QStringLiteral("NickName"),
            QStringLiteral("CompanyName"),
            QStringLiteral("JobTitle"),
            QStringLiteral("Email1Address"),
            QStringLiteral("Email2Address"),
            QStringLiteral("Email3Address"),
            QStringLiteral("MobileTelephoneNumber"),
            QStringLiteral("BusinessTelephoneNumber"),
            QStringLiteral("Business2TelephoneNumber"),
            QStringLiteral("HomeTelephoneNumber"),
            QStringLiteral("Home2TelephoneNumber"),
            QStringLiteral("BusinessFaxNumber"),
            QStringLiteral("PagerNumber"),
            QStringLiteral("HomeAddress"),
            QStringLiteral("BusinessAddress"),
            QStringLiteral("OtherAddress"),
            QStringLiteral("Categories"),
            QStringLiteral("Birthday"),
            QStringLiteral("WebPage"),
            QStringLiteral("Body")};
}

bool setFormProperty(ContactForm& form, const QString& property, const QString& value)
{
    const QString v = value.trimmed();
    const QString p = property;
    if (p == QLatin1String("FullName"))
        form.fullName = v;
    else if (p == QLatin1String("FileAs"))
        form.fileAs = v;
    else if (p == QLatin1String("Title"))
        form.prefix = v;
    else if (p == QLatin1String("FirstName"))
        form.given = v;
    else if (p == QLatin1String("MiddleName"))
        form.middle = v;
    else if (p == QLatin1String("LastName"))
        form.family = v;
    else if (p == QLatin1String("Suffix"))
        form.suffix = v;
    else if (p == QLatin1String("NickName"))
        form.nickname = v;
    else if (p == QLatin1String("CompanyName"))
        form.organization = v;
    else if (p == QLatin1String("JobTitle"))
        form.title = v;
    else if (p == QLatin1String("Birthday"))
        form.birthday = v;
    else if (p == QLatin1String("Body"))
        form.note = value; // line breaks kept
    else if (p == QLatin1String("Categories")) {
        form.categories.clear();
        for (const QString& c : v.split(QLatin1Char(',')))
            if (!c.trimmed().isEmpty() && !form.categories.contains(c.trimmed()))
                form.categories.append(c.trimmed());
    } else if (p == QLatin1String("WebPage")) {
        setEntry(form.urls, form.urls.isEmpty() ? -1 : 0, QString(), v);
    } else if (p.startsWith(QLatin1String("Email")) && p.endsWith(QLatin1String("Address")) && p.size() == 13 &&
               p[5] >= QLatin1Char('1') && p[5] <= QLatin1Char('3')) {
        const int n = p[5].digitValue() - 1;
        const QList<int> order = emailOrder(form.emails);
        const int at = n < order.size() ? order[n] : -1;
        const bool first = form.emails.isEmpty() || (at >= 0 && form.emails[at].preferred);
        setEntry(form.emails, at, QStringLiteral("other"), v);
        if (at < 0 && !v.isEmpty() && first && n == 0)
            form.emails.back().preferred = true;
    } else {
        static const struct {
            const char* name;
            const char* kind;
            int n;
        } phones[] = {{"MobileTelephoneNumber", "mobile", 0},
                      {"BusinessTelephoneNumber", "work", 0},
                      {"Business2TelephoneNumber", "work", 1},
                      {"HomeTelephoneNumber", "home", 0},
                      {"Home2TelephoneNumber", "home", 1},
                      {"BusinessFaxNumber", "fax", 0},
                      {"PagerNumber", "pager", 0}};
        for (const auto& ph : phones)
            if (p == QLatin1String(ph.name)) {
                const QString kind = QString::fromLatin1(ph.kind);
                setEntry(form.phones, nthOfKind(form.phones, kind, ph.n), kind, v);
                return true;
            }
        if (p == QLatin1String("HomeAddress"))
            setAddress(form, QStringLiteral("home"), value);
        else if (p == QLatin1String("BusinessAddress"))
            setAddress(form, QStringLiteral("work"), value);
        else if (p == QLatin1String("OtherAddress"))
            setAddress(form, QStringLiteral("other"), value);
        else
            return false;
    }
    return true;
}

void requireValid(const ContactForm& form)
{
    const QList<FieldError> errors = validateForm(form);
    if (!errors.isEmpty())
        throw AutomationError(errBadValue, errors.front().message);
}

} // namespace contactclient
