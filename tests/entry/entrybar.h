#pragma once
// A loaded bar on the recording client, and the keys and clicks a user gives the entry box.

#include "barfixture.h"

#include <QLineEdit>
#include <QtTest>

// Contacts given as "FileAs|FullName", delivered in this order (entry ids id1, id2, …).
inline frmMain& loadBar(BarFixture& f, const QStringList& contacts,
                        const QList<QMap<QString, QString>>& properties = {})
{
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        const QStringList names = contacts.at(i).split(QLatin1Char('|'));
        f.client.add(names.value(0), names.value(1), properties.value(i));
    }
    frmMain& form = f.load();
    f.client.clearLog();
    return form;
}

// Types text key by key, the way a keyboard delivers it.
inline void typeInto(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

inline QString chosenId(const frmMain& form)
{
    return form.currentContact ? form.currentContact->EntryID() : QString();
}
