#include "desktopintegration.h"

#include "actions/callwindow.h"
#include "actions/contactcard.h"
#include "contactclient/errors.h"
#include "desktop/messagebox.h"
#include "mail/mailtourl.h"

#include <QCoreApplication>

namespace {

// Shows the window for the entry, making one when there is none (made is told of it); the same
// contact raises its own.
template <typename Window>
Window* showFor(QHash<QString, QPointer<Window>>& windows, const contactclient::ContactItem& contact,
                const std::function<void(Window*)>& made = {})
{
    const QString id = contact.EntryID();
    Window* window = id.isEmpty() ? nullptr : windows.value(id).data();
    if (!window) {
        window = new Window;
        if (!id.isEmpty())
            windows.insert(id, window);
        if (made)
            made(window);
    }
    window->setContact(contact);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

DesktopIntegration::DesktopIntegration(Reporter report) : m_report(std::move(report)) {}

DesktopIntegration::~DesktopIntegration()
{
    for (const auto& w : std::as_const(m_cards))
        delete w.data();
    for (const auto& w : std::as_const(m_dialers))
        delete w.data();
}

void DesktopIntegration::showContactCard(const contactclient::ContactItem& contact)
{
    showFor<ContactCard>(m_cards, contact, [this](ContactCard* card) { cardMade(card); });
}

void DesktopIntegration::cardMade(ContactCard* card)
{
    QObject::connect(card, &ContactCard::saved, card,
                     [this, card](const QString& entryId, const QString& fileAs, bool added) {
                         // A new contact's card is its own from now on: showing the contact raises it.
                         if (!entryId.isEmpty() && !m_cards.value(entryId))
                             m_cards.insert(entryId, card);
                         if (m_follow.saved)
                             m_follow.saved(entryId, fileAs, added);
                     });
    QObject::connect(card, &ContactCard::deleted, card, [this](const QString& entryId) {
        m_cards.remove(entryId);
        if (m_follow.deleted)
            m_follow.deleted(entryId);
    });
}

void DesktopIntegration::showDialer(const contactclient::ContactItem& contact)
{
    showFor(m_dialers, contact);
}

void DesktopIntegration::openComposer(const contactclient::MailItem& mail)
{
    const QUrl url =
        mail::mailtoUrl(mail.To().split(QLatin1Char(','), Qt::SkipEmptyParts), mail.Subject(), mail.Body());
    // Told as the call window tells a missing dialer: what to install or choose, not an error number.
    m_launcher.open(url, [] {
        MessageBox::show(nullptr, QStringLiteral("Quintel"), UrlLauncher::noProgramText(QStringLiteral("mailto")),
                         MessageBox::Icon::Warning);
    });
}
