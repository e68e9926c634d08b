#pragma once
// A recording fake of the contact client: contacts held in memory, every call logged in order
// ("GetNamespace(MAPI)", "Logon", "Items", "Restrict([Categories] = \"x\")", "GetItemFromID(id)",
// "Email1Address(id)", "Dial(id)", "CreateItem(0)", "Send", …).

#include "contactclient/automation.h"

#include <QMap>
#include <QStringList>

namespace fake {

struct Contact {
    QString entryId;
    QString fileAs;
    QString fullName;
    QString typeName = contactclient::kContactItemType;
    QMap<QString, QString> properties; // property name -> value
    QStringList categories;
    QString searchFields; // contactclient/searchfields.h
};

struct SentMail {
    QString to, subject, body;
    bool displayed = false;
    bool sent = false;
};

class RecordingClient {
public:
    QList<Contact> contacts;
    QStringList log;
    QList<SentMail> mails;
    // Failures to inject: the call name ("Logon", "Send", "GetItemFromID", …) -> description.
    QMap<QString, QString> failures;

    // The application object the program talks to.
    std::shared_ptr<contactclient::Application> application();

    Contact& add(const QString& fileAs, const QString& fullName, const QMap<QString, QString>& properties = {},
                 const QStringList& categories = {});
    void record(const QString& call);
    // Throws an AutomationError when a failure was injected for the call.
    void maybeFail(const QString& call) const;
    // The log since the last clearLog(), with entries starting with one of the prefixes only.
    QStringList logOf(const QStringList& prefixes) const;
    void clearLog() { log.clear(); }
};

} // namespace fake
