#include "clientmailitem.h"

#include "mail/mailaccount.h"
#include "mail/message.h"
#include "mail/outbox.h"
#include "mail/sentcopy.h"

namespace mail {
namespace {

using contactclient::AutomationError;

// What the composer is given: the same texts with To as bare addresses, comma-separated.
class ComposerCopy : public contactclient::MailItem {
public:
    ComposerCopy(QString to, QString subject, QString body)
        : m_to(std::move(to)), m_subject(std::move(subject)), m_body(std::move(body))
    {
    }
    QString To() const override { return m_to; }
    void setTo(const QString& to) override { m_to = to; }
    QString Subject() const override { return m_subject; }
    void setSubject(const QString& s) override { m_subject = s; }
    QString Body() const override { return m_body; }
    void setBody(const QString& b) override { m_body = b; }
    void Display() override {}
    void Send() override {}

private:
    QString m_to, m_subject, m_body;
};

} // namespace

struct ClientMailItem::Prepared {
    MailAccount account;
    QString from;
    QStringList recipients;
    QByteArray bytes;
    QString notice; // written by the transmission, read once it is over
};

ClientMailItem::ClientMailItem(contactclient::NameSpace& ns, contactclient::DesktopHooks& desktop,
                               AccountReader account)
    : m_ns(ns), m_desktop(desktop), m_account(std::move(account))
{
}

std::optional<Mailbox> lookUpFullName(contactclient::NameSpace& ns, const QString& fullName)
{
    QStringList candidates;
    ns.GetDefaultFolder(contactclient::olFolderContacts)->Items()->forEach([&](const contactclient::Item& item) {
        if (item.TypeName() == contactclient::kContactItemType &&
            item.FullName().trimmed().compare(fullName, Qt::CaseInsensitive) == 0)
            candidates.append(item.EntryID());
    });
    for (const QString& id : candidates) {
        const auto contact = ns.GetItemFromID(id);
        for (const QString& candidate :
             {contact->Email1Address(), contact->Email2Address(), contact->Email3Address()}) {
            if (candidate.trimmed().isEmpty())
                continue;
            const QString address = hasControlCharacter(candidate) ? QString() : wireAddress(candidate.trimmed());
            if (address.isEmpty())
                throw AutomationError(
                    contactclient::errMailAddress,
                    QStringLiteral("The address of %1 in the address book is not usable.").arg(fullName));
            return Mailbox{contact->FullName(), address};
        }
    }
    return std::nullopt;
}

QList<Mailbox> ClientMailItem::resolveRecipients() const
{
    QList<Mailbox> result;
    for (const QString& part : splitRecipients(m_to)) {
        const Recipient r = parseRecipient(part);
        if (!r.needsLookup()) {
            result.append({r.name, r.address});
            continue;
        }
        const std::optional<Mailbox> found = lookUpFullName(m_ns, r.name);
        if (!found)
            throw AutomationError(contactclient::errMailAddress,
                                  QStringLiteral("No e-mail address is known for \"%1\".").arg(r.name));
        result.append(*found);
    }
    return result;
}

void ClientMailItem::Display()
{
    // A name nobody has an address for leaves the composer's To for the user to fill in; an
    // unusable address is refused as for sending.
    QStringList addresses;
    for (const QString& part : splitRecipients(m_to)) {
        const Recipient r = parseRecipient(part);
        if (!r.needsLookup())
            addresses.append(r.address);
        else if (const std::optional<Mailbox> found = lookUpFullName(m_ns, r.name))
            addresses.append(found->address);
    }
    ComposerCopy copy(addresses.join(QLatin1Char(',')), m_subject, m_body);
    m_desktop.openComposer(copy);
}

void ClientMailItem::Send()
{
    prepareSend()();
}

std::function<void()> ClientMailItem::prepareSend()
{
    m_prepared.reset();
    const QList<Mailbox> to = resolveRecipients();
    if (to.isEmpty())
        throw AutomationError(contactclient::errMailAddress, QStringLiteral("The mail has no recipient."));
    const MailAccount account = m_account();
    if (account.transport == QLatin1String("client")) {
        // The user's own mail program sends it, with its own sign-in, signature and Sent folder.
        Display();
        return [] {};
    }
    OutgoingMessage message;
    message.from = senderOf(account);
    message.to = to;
    message.subject = m_subject;
    message.body = m_body;
    message.date = QDateTime::currentDateTime();
    const QString domain =
        (message.from.address.isEmpty() ? to.first().address : message.from.address).section(QLatin1Char('@'), 1);
    message.messageId = newMessageId(domain);
    const QByteArray bytes = composeMessage(message);
    std::shared_ptr<Transport> transport = createTransport(account);
    QStringList recipients;
    for (const Mailbox& m : to)
        recipients.append(m.address);
    auto prepared = std::make_shared<Prepared>(Prepared{account, message.from.address, recipients, bytes, {}});
    m_prepared = prepared;
    return [transport, prepared] {
        transport->send(prepared->from, prepared->recipients, prepared->bytes);
        if (savesSentCopy(prepared->account))
            prepared->notice = saveSentCopy(prepared->account, prepared->bytes);
    };
}

QString ClientMailItem::sendNotice() const
{
    return m_prepared ? m_prepared->notice : QString();
}

bool ClientMailItem::keepForLater()
{
    if (!m_prepared)
        return false;
    Outbox(m_prepared->account.outboxFolder).keep(m_prepared->from, m_prepared->recipients, m_prepared->bytes);
    m_prepared.reset();
    return true;
}

} // namespace mail
