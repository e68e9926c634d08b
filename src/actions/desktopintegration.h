#pragma once
// The contact client's windows and hand-offs on this desktop: the contact card, the call window
// and the mail composer (a mailto: URL for the desktop's mail program).

#include "actions/callwindow.h"
#include "actions/contactcard.h"
#include "actions/urllauncher.h"
#include "contactclient/desktophooks.h"

#include <QHash>
#include <QPointer>

#include <functional>

class DesktopIntegration : public contactclient::DesktopHooks {
public:
    // How a failure that comes after the call has returned is reported (number, description).
    using Reporter = std::function<void(int, const QString&)>;
    explicit DesktopIntegration(Reporter report = {});
    ~DesktopIntegration() override;

    void showContactCard(const contactclient::ContactItem& contact) override;
    void showDialer(const contactclient::ContactItem& contact) override;
    // Hands the mail to the desktop's mail program. When no program takes mailto: URLs, the user
    // is told what to install or choose once the desktop has answered.
    void openComposer(const contactclient::MailItem& mail) override;

    // What follows a card's writes (the bar's lists and box): a contact saved (added: it is new)
    // and a contact deleted.
    struct CardWrites {
        std::function<void(const QString& entryId, const QString& fileAs, bool added)> saved;
        std::function<void(const QString& entryId)> deleted;
    };
    void followCardWrites(CardWrites follow) { m_follow = std::move(follow); }

    ContactCard* cardFor(const QString& entryId) const { return m_cards.value(entryId); }
    CallWindow* dialerFor(const QString& entryId) const { return m_dialers.value(entryId); }
    UrlLauncher& launcher() { return m_launcher; }

private:
    void cardMade(ContactCard* card);

    Reporter m_report;
    CardWrites m_follow;
    UrlLauncher m_launcher;
    QHash<QString, QPointer<ContactCard>> m_cards;
    QHash<QString, QPointer<CallWindow>> m_dialers;
};
