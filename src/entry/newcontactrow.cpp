#include "newcontactrow.h"

#include <QCoreApplication>

namespace newcontactrow {

namespace {

// Where a cut may fall: never between the two halves of a character outside the basic plane.
qsizetype cutBefore(const QString& text, qsizetype at)
{
    return at > 0 && at < text.size() && text.at(at).isLowSurrogate() ? at - 1 : at;
}

} // namespace

bool offered(const QString& boxText, bool namesSomebody, bool takesNewContacts)
{
    return takesNewContacts && !namesSomebody && !boxText.trimmed().isEmpty();
}

QString label(const QString& boxText)
{
    // Tabs, line breaks and other control characters pasted into the box show as spaces.
    QString shown;
    shown.reserve(boxText.size());
    for (const QChar c : boxText)
        shown.append(c.category() == QChar::Other_Control ? QChar(u' ') : c);
    shown = shown.simplified();
    if (shown.size() > kShownLength) {
        const qsizetype head = cutBefore(shown, kShownLength * 2 / 3);
        const qsizetype tail =
            shown.size() - cutBefore(shown, shown.size() - (kShownLength - 1 - kShownLength * 2 / 3));
        shown = shown.left(head) + QChar(u'…') + shown.right(tail);
    }
    return QCoreApplication::translate("MatchList", "Add “%1” as a new contact…").arg(shown);
}

} // namespace newcontactrow
