#include "keyring.h"

#include "contactclient/carddav/credentials.h"
#include "contactclient/ldap/ldapstore.h"
#include "mail/mailaccount.h"

#include <QCoreApplication>
#include <QUrl>

namespace setup {

namespace carddav = contactclient::carddav;

QString cardDavPasswordKey(const QString& user, const QString& url)
{
    return carddav::keyringKey(user, QUrl(url.trimmed()).host());
}

QString smtpPasswordKey(const QString& user, const QString& host)
{
    return mail::smtpKeyringKey(user, host);
}

QString imapPasswordKey(const QString& user, const QString& host)
{
    return mail::imapKeyringKey(user, host);
}

QString ldapPasswordKey(const QString& bindDn, const QString& url)
{
    return contactclient::ldapKeyringKey(bindDn, url);
}

QString DesktopKeyring::writePassword(const QString& key, const QString& password)
{
    if (!carddav::createSystemKeyring()->write(key, password))
        return QCoreApplication::translate("SetupWindow", "No keyring (Secret Service or KWallet) took the password.");
    return {};
}

QString DesktopKeyring::readPassword(const QString& key, QString& password)
{
    const carddav::Keyring::Result result = carddav::createSystemKeyring()->read(key);
    switch (result.status) {
    case carddav::Keyring::Status::Found:
        password = result.password;
        return {};
    case carddav::Keyring::Status::NotFound:
        return QCoreApplication::translate("SetupWindow", "The keyring holds no password for this account.");
    case carddav::Keyring::Status::Unavailable:
        break;
    }
    return QCoreApplication::translate("SetupWindow", "No keyring is available: %1").arg(result.error);
}

} // namespace setup
