#pragma once
// Small helpers the directory store's tests share: people for the server, an anonymous account,
// and the lists as the bar sees them.

#include "contactclient/ldap/ldapstore.h"
#include "slapdserver.h"
#include "storetesting.h"

#include <QStringList>

namespace ldaptesting {

// uid u1 … uN, "GivenN Family", each with a mail address.
inline QByteArray people(int count, int from = 1)
{
    QByteArray ldif;
    for (int i = from; i < from + count; ++i)
        ldif += personLdif(QStringLiteral("u%1").arg(i), QStringLiteral("Given%1").arg(i), QStringLiteral("Family"),
                           QStringLiteral("mail: u%1@example.com\n").arg(i));
    return ldif;
}

inline contactclient::LdapAccount anonymous(const QString& url)
{
    contactclient::LdapAccount a;
    a.url = url;
    a.baseDn = SlapdServer::kBase;
    return a;
}

// Opens the store; the failure's description when it throws.
inline QString openError(contactclient::LdapStore& store)
{
    try {
        store.open();
    } catch (const contactclient::AutomationError& e) {
        return e.description();
    }
    return {};
}

using testsupport::entryIdOf;
using testsupport::fullNames;

} // namespace ldaptesting
