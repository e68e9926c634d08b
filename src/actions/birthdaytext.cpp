#include "birthdaytext.h"

#include <QDate>
#include <QRegularExpression>

namespace card {
namespace {

// The locale's long date format without its weekday and, for a date without a year, without
// the year: "dddd, d MMMM yyyy" becomes "d MMMM yyyy" or "d MMMM".
QString dateFormat(const QLocale& locale, bool withYear)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[^dMy']*"));
    format.remove(weekday);
    if (!withYear) {
        // The year with the words that belong to it on either side, quoted or not: " 'de' yyyy"
        // (es, pt), " yyyy 'г'." (ru), "yyyy年" (ja).
        static const QRegularExpression year(QStringLiteral("(?:'[^']*'|[^dM'])*y+(?:'[^']*'|[^dM'])*"));
        format.remove(year);
    }
    static const QRegularExpression trailing(QStringLiteral("[,\\s]+$"));
    return format.remove(trailing).trimmed();
}

} // namespace

QString birthdayText(const QString& bday, const QLocale& locale)
{
    static const QRegularExpression full(QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})(T.*)?$"));
    static const QRegularExpression noYear(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    const QString text = bday.trimmed();
    if (const QRegularExpressionMatch m = full.match(text); m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        return date.isValid() ? locale.toString(date, dateFormat(locale, true)) : text;
    }
    if (const QRegularExpressionMatch m = noYear.match(text); m.hasMatch()) {
        // A leap year, so that 29 February is a date.
        const QDate date(2000, m.captured(1).toInt(), m.captured(2).toInt());
        return date.isValid() ? locale.toString(date, dateFormat(locale, false)) : text;
    }
    return text;
}

} // namespace card
