#pragma once
// The contact client's mail item: To, Subject and Body; Display opens the desktop's composer,
// Send resolves the recipients, builds the message and hands it to the account's transport.

#include "contactclient/desktophooks.h"
#include "mail/mailbox.h"

#include <functional>
#include <memory>
#include <optional>

namespace mail {

struct MailAccount;

class ClientMailItem : public contactclient::MailItem {
public:
    using AccountReader = std::function<MailAccount()>;
    // desktop: where Display opens the composer; it outlives the item.
    ClientMailItem(contactclient::NameSpace& ns, contactclient::DesktopHooks& desktop, AccountReader account);

    QString To() const override { return m_to; }
    void setTo(const QString& to) override { m_to = to; }
    QString Subject() const override { return m_subject; }
    void setSubject(const QString& subject) override { m_subject = subject; }
    QString Body() const override { return m_body; }
    void setBody(const QString& body) override { m_body = body; }
    void Display() override;
    void Send() override;
    std::function<void()> prepareSend() override;
    QString sendNotice() const override;
    bool keepForLater() override;

    // The recipients of To as mailboxes, full names looked up in the address book.
    QList<Mailbox> resolveRecipients() const;

private:
    contactclient::NameSpace& m_ns;
    contactclient::DesktopHooks& m_desktop;
    AccountReader m_account;
    QString m_to, m_subject, m_body;
    // The message of the last prepareSend, and what its transmission left to tell.
    struct Prepared;
    std::shared_ptr<Prepared> m_prepared;
};

// Looks a full name up in the address book (letter case ignored): the first address of the first
// contact of that name that has one; none when nobody has. Throws errMailAddress when the address
// found is unusable.
std::optional<Mailbox> lookUpFullName(contactclient::NameSpace& ns, const QString& fullName);

} // namespace mail
