#include "barsession.h"

#include "app/background.h"
#include "app/frmmain.h"
#include "contactclient/clientconfig.h"
#include "contactclient/factory.h"
#include "settings/modsettings.h"
#include "wordprocessor/factory.h"

#include <QCoreApplication>

#include <stdexcept>

namespace bench {

QStringList barCategories()
{
    return {modSettings::kAllContacts, QStringLiteral("Business"), QStringLiteral("Friends"),
            QStringLiteral("Family"),  QStringLiteral("Alumni"),   QStringLiteral("Golf \"19th Hole\""),
            QStringLiteral("Коллеги")};
}

BarSession::BarSession(const QString& folder)
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    m_store = std::make_unique<QSettingsStore>(m_dir.filePath(QStringLiteral("Quintel.conf")));
    using namespace contactclient;
    m_store->SaveSetting(kClientApplication, kClientSection, key::Backend, QStringLiteral("vcard"));
    m_store->SaveSetting(kClientApplication, kClientSection, key::Folder, folder);
    m_store->SaveSetting(kClientApplication, kClientSection, key::MailTransport, QStringLiteral("folder"));
    m_store->SaveSetting(kClientApplication, kClientSection, key::MailFolder, m_dir.filePath(QStringLiteral("outbox")));
    // Reading the e-mail addresses is part of every keystroke's work.
    m_store->SaveSetting(modSettings::kApplication, QStringLiteral("Settings"), QStringLiteral("checkEmailAddresses"),
                         QStringLiteral("True"));
    const QStringList categories = barCategories();
    m_store->SaveSetting(modSettings::kApplication, QStringLiteral("Settings"), QStringLiteral("NumberOfCategories"),
                         QString::number(categories.size()));
    for (qsizetype i = 0; i < categories.size(); ++i)
        m_store->SaveSetting(modSettings::kApplication, QStringLiteral("Categories"), QString::number(i + 1),
                             categories[i]);
    m_settings = std::make_unique<modSettings>(*m_store);
}

BarSession::~BarSession()
{
    destroy();
}

frmMain& BarSession::create()
{
    destroy();
    QSettingsStore* store = m_store.get();
    Platform platform;
    platform.createContactClient = [store](contactclient::DesktopHooks& desktop) {
        return contactclient::createApplication(*store, desktop, nullptr);
    };
    platform.createWordProcessor = [] { return wordprocessor::createApplication(); };
    platform.windowSystem = &m_windowSystem;
    // The program's worker threads: the address book is read and the finder's index built on them.
    platform.background = workerThreads();
    m_form = std::make_unique<frmMain>(platform, *m_settings);
    return *m_form;
}

void BarSession::destroy()
{
    if (!m_form)
        return;
    m_form->close();
    m_form.reset();
    QCoreApplication::processEvents();
}

} // namespace bench
