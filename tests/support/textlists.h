#pragma once
// A QStringList from UTF-8 literals, for test tables.

#include <QStringList>

#include <initializer_list>

inline QStringList sl(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}
