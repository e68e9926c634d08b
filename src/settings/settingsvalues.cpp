#include "settingsvalues.h"

#include <QLocale>

#include <cmath>

namespace settingsvalues {

int categoryCount(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    // Leading zeros are harmless; a long run of digits is a huge number whatever it is.
    qsizetype start = 0;
    while (start < digits.size() - 1 && digits.at(start) == QLatin1Char('0'))
        ++start;
    const QString significant = digits.mid(start);
    if (significant.size() > 9)
        return kMaxLoadedCategories;
    const int value = significant.toInt();
    return value > kMaxLoadedCategories ? kMaxLoadedCategories : value;
}

bool flag(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = QLocale::c().toDouble(word, &ok);
    return ok && std::isfinite(number) && number != 0.0;
}

QString flagText(bool flag)
{
    return flag ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace settingsvalues
