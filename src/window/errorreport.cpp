#include "errorreport.h"

#include "desktop/messagebox.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

QString errorText(int number, const QString& description)
{
    return QCoreApplication::translate("ErrorReport", "Error %1: %2").arg(number).arg(description);
}

void reportError(QWidget* parent, int number, const QString& description)
{
    const QString text = errorText(number, description);
    std::fprintf(stderr, "quintel: %s\n", qPrintable(text));
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        MessageBox::show(parent, QStringLiteral("Quintel"), text, MessageBox::Icon::Critical);
}
