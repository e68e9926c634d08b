#pragma once
// Writes contact items as text or as one JSON object per line.

#include "contactclient/automation.h"

#include <QTextStream>

namespace contactlisting {

// Every property of a contact item, in a fixed order (name, value).
QList<std::pair<QString, QString>> properties(const contactclient::ContactItem& item);

void writeText(QTextStream& out, const contactclient::ContactItem& item);
void writeJson(QTextStream& out, const contactclient::ContactItem& item);

} // namespace contactlisting
