#pragma once
// Writes contact items as text or as one JSON object per line.

#include "contactclient/automation.h"
#include "contactclient/searchfields.h"

#include <QTextStream>

namespace contactlisting {

// Every property of a contact item, in a fixed order (name, value).
QList<std::pair<QString, QString>> properties(const contactclient::ContactItem& item);

// The field a search matched, when it was not a name: its kind and value.
struct Match {
    QString field;
    QString value;
};
QString kindName(contactclient::searchfields::Kind kind);

void writeText(QTextStream& out, const contactclient::ContactItem& item, const Match& match = {});
void writeJson(QTextStream& out, const contactclient::ContactItem& item, const Match& match = {});

} // namespace contactlisting
