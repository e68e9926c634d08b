#pragma once
// A loaded bar on the recording client, and the keys a user gives the entry box.

#include "barfixture.h"

#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

// Contacts as "FileAs|FullName;FileAs|FullName…" in delivery order (entry ids id1, id2, …).
inline frmMain& loadBar(BarFixture& f, const QString& contacts, const QMap<QString, QString>& firstProperties = {})
{
    for (const QString& c : contacts.split(u';'))
        f.client.add(c.section(u'|', 0, 0), c.section(u'|', 1),
                     f.client.contacts.isEmpty() ? firstProperties : QMap<QString, QString>{});
    frmMain& form = f.load();
    f.client.clearLog();
    return form;
}

// Types text key by key; <Backspace>, <Delete>, <End>, <Home> and <SelectAll> are keys.
inline void typeInto(QWidget* w, const QString& steps)
{
    static const QMap<QString, QKeyCombination> keys{{u"Backspace"_s, Qt::Key_Backspace},
                                                     {u"Delete"_s, Qt::Key_Delete},
                                                     {u"End"_s, Qt::Key_End},
                                                     {u"Home"_s, Qt::Key_Home},
                                                     {u"SelectAll"_s, Qt::ControlModifier | Qt::Key_A}};
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (steps.at(i) == u'<') {
            const qsizetype end = steps.indexOf(u'>', i);
            const QKeyCombination k = keys.value(steps.mid(i + 1, end - i - 1));
            QTest::keyClick(w, k.key(), k.keyboardModifiers());
            i = end;
        } else {
            const QChar c = steps.at(i);
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
}

inline QString chosenId(const frmMain& form)
{
    return form.session()->currentContact() ? form.session()->currentContact()->EntryID() : QString();
}
