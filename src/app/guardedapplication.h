#pragma once
// The application object: a failure that escapes an event handler is reported and the bar goes
// on, instead of ending the program with its place unsaved.

#include <QApplication>

class GuardedApplication : public QApplication {
    Q_OBJECT

public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};
