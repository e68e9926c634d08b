#pragma once
// The contact client's windows and hand-offs on this desktop: the contact card, the call window
// and the mail composer (a mailto: URL for the desktop's mail program).

#include "actions/callwindow.h"
#include "actions/contactcard.h"
#include "contactclient/desktophooks.h"

#include <QHash>
#include <QPointer>

class DesktopIntegration : public contactclient::DesktopHooks {
public:
    DesktopIntegration() = default;
    ~DesktopIntegration() override;

    void showContactCard(const contactclient::ContactItem& contact) override;
    void showDialer(const contactclient::ContactItem& contact) override;
    // Throws errComposer when no program takes mailto: URLs.
    void openComposer(const contactclient::MailItem& mail) override;

    ContactCard* cardFor(const QString& entryId) const { return m_cards.value(entryId); }
    CallWindow* dialerFor(const QString& entryId) const { return m_dialers.value(entryId); }

private:
    QHash<QString, QPointer<ContactCard>> m_cards;
    QHash<QString, QPointer<CallWindow>> m_dialers;
};
