#pragma once
// A window's controls found by their object names, for tests that drive a window as a user would.

#include <QAbstractButton>
#include <QLineEdit>
#include <QtGlobal>

// The control of this name and type; a missing one is named in the log, and the test fails where
// it is used.
template <class T = QWidget> T* ui(const QObject& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qWarning("no control %s", name);
    return control;
}

inline void click(const QObject& window, const char* name)
{
    ui<QAbstractButton>(window, name)->click();
}

inline void setText(const QObject& window, const char* name, const QString& text)
{
    ui<QLineEdit>(window, name)->setText(text);
}
