#pragma once
// How the program reports a failure: one message box with the error's number and description
// (standard error when there is no display).
//
// Error numbers:
//   1        an unexpected failure inside the program
//   2        no display to show the bar on
//   1001…    failures of the contact client, word processor and mail (contactclient/errors.h)

#include "contactclient/errors.h"

#include <QString>

class QWidget;

using contactclient::errUnexpected;
inline constexpr int errNoDisplay = 2;

void reportError(QWidget* parent, int number, const QString& description);
QString errorText(int number, const QString& description);
