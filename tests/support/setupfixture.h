#pragma once
// What the set-up tests share: accounts as the set-up window holds them, a home of the test's own
// (the XDG folders in a temporary folder); the window's controls by name come from findui.h.

#include "findui.h"
#include "setup/setupsettings.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(setup::SetupSettings)

using namespace Qt::StringLiterals;

namespace setuptest {

using setup::SetupSettings;

// Mail through smtp.example.org as ann@example.org, STARTTLS on the usual port.
inline SetupSettings smtpAccount()
{
    SetupSettings s;
    s.mail = SetupSettings::Mail::Smtp;
    s.smtpHost = QStringLiteral("smtp.example.org");
    s.smtpUser = QStringLiteral("ann");
    s.mailFrom = QStringLiteral("ann@example.org");
    return s;
}

// smtpAccount() with a copy of each mail in Sent on imap.example.org over TLS.
inline SetupSettings withCopy()
{
    SetupSettings s = smtpAccount();
    s.saveSentCopy = true;
    s.imapHost = QStringLiteral("imap.example.org");
    s.imapUser = QStringLiteral("ann");
    return s;
}

// The company directory below dc=example,dc=com; no bind DN: anonymous.
inline SetupSettings directory(const QString& url, const QString& bindDn = {})
{
    SetupSettings s;
    s.addressBook = SetupSettings::AddressBook::Ldap;
    s.ldapUrl = url;
    s.ldapBaseDn = QStringLiteral("dc=example,dc=com");
    s.ldapBindDn = bindDn;
    return s;
}

// XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_CACHE_HOME in a temporary folder while the object lives.
class Home {
public:
    Home()
    {
        for (const char* name : {"DATA", "CONFIG", "CACHE"})
            qputenv(QByteArray(QByteArray("XDG_") + name + "_HOME").constData(),
                    m_dir.filePath(QString::fromLatin1(name).toLower()).toUtf8());
    }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace setuptest
