#pragma once
// How the contact card shows a birthday.

#include <QLocale>
#include <QString>

namespace card {

// A date the card writes as "1985-04-12", "19850412" (a time after it is ignored), or without a
// year as "--0412" / "--04-12", in the locale's long form without the weekday ("12 April 1985",
// "12 April"). Anything else, a date that does not exist included, is shown as the card writes it.
QString birthdayText(const QString& bday, const QLocale& locale = QLocale());

} // namespace card
