#include "recordingclient.h"

#include "contactclient/searchfields.h"

namespace fake {
namespace {

using namespace contactclient;

class FakeItem : public ContactItem {
public:
    FakeItem(RecordingClient& client, const Contact& c) : m_client(client), m_contact(c) {}

    QString TypeName() const override { return m_contact.typeName; }
    QString FileAs() const override { return m_contact.fileAs; }
    QString FullName() const override { return read(QStringLiteral("FullName"), m_contact.fullName); }
    QString EntryID() const override { return m_contact.entryId; }
    QString Email1Address() const override { return prop(QStringLiteral("Email1Address")); }
    QString Email2Address() const override { return prop(QStringLiteral("Email2Address")); }
    QString Email3Address() const override { return prop(QStringLiteral("Email3Address")); }
    QString Email1DisplayName() const override { return prop(QStringLiteral("Email1DisplayName")); }
    QString MobileTelephoneNumber() const override { return prop(QStringLiteral("MobileTelephoneNumber")); }
    QString BusinessTelephoneNumber() const override { return prop(QStringLiteral("BusinessTelephoneNumber")); }
    QString Business2TelephoneNumber() const override { return prop(QStringLiteral("Business2TelephoneNumber")); }
    QString HomeTelephoneNumber() const override { return prop(QStringLiteral("HomeTelephoneNumber")); }
    QString Home2TelephoneNumber() const override { return prop(QStringLiteral("Home2TelephoneNumber")); }
    QString HomeAddress() const override { return prop(QStringLiteral("HomeAddress")); }
    QString BusinessAddress() const override { return prop(QStringLiteral("BusinessAddress")); }
    QString OtherAddress() const override { return prop(QStringLiteral("OtherAddress")); }
    QString MailingAddress() const override { return prop(QStringLiteral("MailingAddress")); }
    QStringList Categories() const override { return m_contact.categories; }
    CardDetails details() const override { return {}; }
    void Display() override
    {
        m_client.maybeFail(QStringLiteral("Display"));
        m_client.record(QStringLiteral("Display(%1)").arg(m_contact.entryId));
    }

private:
    QString prop(const QString& name) const { return read(name, m_contact.properties.value(name)); }
    QString read(const QString& name, const QString& value) const
    {
        m_client.record(QStringLiteral("%1(%2)").arg(name, m_contact.entryId));
        return value;
    }
    RecordingClient& m_client;
    Contact m_contact;
};

// Enumeration hands out the lightweight item without logging property reads.
class ListedItem : public Item, public searchfields::Source {
public:
    explicit ListedItem(const Contact& c) : m_c(c) {}
    QString searchFields() const override { return m_c.searchFields; }
    QString TypeName() const override { return m_c.typeName; }
    QString FileAs() const override { return m_c.fileAs; }
    QString FullName() const override { return m_c.fullName; }
    QString EntryID() const override { return m_c.entryId; }

private:
    const Contact& m_c;
};

class FakeSet : public ItemSet {
public:
    FakeSet(RecordingClient& client, QList<Contact> contacts) : m_client(client), m_contacts(std::move(contacts)) {}
    void forEach(const std::function<void(const Item&)>& visit) const override
    {
        m_client.record(QStringLiteral("enumerate"));
        for (const Contact& c : m_contacts)
            visit(ListedItem(c));
    }
    int Count() const override { return static_cast<int>(m_contacts.size()); }
    std::shared_ptr<ItemSet> Restrict(const QString& filter) const override
    {
        m_client.record(QStringLiteral("Restrict(%1)").arg(filter));
        m_client.maybeFail(QStringLiteral("Restrict"));
        const QString prefix = QStringLiteral("[Categories] = \"");
        if (!filter.startsWith(prefix) || !filter.endsWith(QLatin1Char('"')))
            throw AutomationError(errBadFilter, QStringLiteral("Bad filter: %1").arg(filter));
        QString name = filter.mid(prefix.size(), filter.size() - prefix.size() - 1);
        name.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        QList<Contact> matching;
        for (const Contact& c : m_contacts) {
            if (c.categories.contains(name, Qt::CaseInsensitive))
                matching.append(c);
        }
        return std::make_shared<FakeSet>(m_client, matching);
    }

private:
    RecordingClient& m_client;
    QList<Contact> m_contacts;
};

class FakeFolder : public MAPIFolder {
public:
    explicit FakeFolder(RecordingClient& client) : m_client(client) {}
    std::shared_ptr<ItemSet> Items() override
    {
        m_client.record(QStringLiteral("Items"));
        m_client.maybeFail(QStringLiteral("Items"));
        return std::make_shared<FakeSet>(m_client, m_client.contacts);
    }

private:
    RecordingClient& m_client;
};

class FakeNameSpace : public NameSpace {
public:
    explicit FakeNameSpace(RecordingClient& client) : m_client(client) {}
    void Logon() override
    {
        m_client.record(QStringLiteral("Logon"));
        m_client.maybeFail(QStringLiteral("Logon"));
    }
    std::shared_ptr<MAPIFolder> GetDefaultFolder(int kind) override
    {
        m_client.record(QStringLiteral("GetDefaultFolder(%1)").arg(kind));
        m_client.maybeFail(QStringLiteral("GetDefaultFolder"));
        return std::make_shared<FakeFolder>(m_client);
    }
    std::shared_ptr<ContactItem> GetItemFromID(const QString& id) override
    {
        m_client.record(QStringLiteral("GetItemFromID(%1)").arg(id));
        m_client.maybeFail(QStringLiteral("GetItemFromID"));
        for (const Contact& c : m_client.contacts) {
            if (c.entryId == id)
                return std::make_shared<FakeItem>(m_client, c);
        }
        throw ItemNotFound(id);
    }
    void Dial(ContactItem& contact) override
    {
        m_client.maybeFail(QStringLiteral("Dial"));
        m_client.record(QStringLiteral("Dial(%1)").arg(contact.EntryID()));
    }

private:
    RecordingClient& m_client;
};

class FakeMail : public MailItem {
public:
    explicit FakeMail(RecordingClient& client) : m_client(client) {}
    QString To() const override { return m_mail.to; }
    void setTo(const QString& to) override
    {
        m_client.record(QStringLiteral("To=%1").arg(to));
        m_mail.to = to;
    }
    QString Subject() const override { return m_mail.subject; }
    void setSubject(const QString& s) override
    {
        m_client.record(QStringLiteral("Subject=%1").arg(s));
        m_mail.subject = s;
    }
    QString Body() const override { return m_mail.body; }
    void setBody(const QString& b) override
    {
        m_client.record(QStringLiteral("Body=%1").arg(b));
        m_mail.body = b;
    }
    void Display() override
    {
        m_client.record(QStringLiteral("Display mail"));
        m_client.maybeFail(QStringLiteral("Display mail"));
        m_mail.displayed = true;
        m_client.mails.append(m_mail);
    }
    void Send() override
    {
        m_client.record(QStringLiteral("Send"));
        m_client.maybeFail(QStringLiteral("Send"));
        m_mail.sent = true;
        m_client.mails.append(m_mail);
    }

private:
    RecordingClient& m_client;
    SentMail m_mail;
};

class FakeApplication : public Application {
public:
    explicit FakeApplication(RecordingClient& client) : m_client(client) {}
    std::shared_ptr<NameSpace> GetNamespace(const QString& type) override
    {
        m_client.record(QStringLiteral("GetNamespace(%1)").arg(type));
        m_client.maybeFail(QStringLiteral("GetNamespace"));
        return std::make_shared<FakeNameSpace>(m_client);
    }
    std::unique_ptr<MailItem> CreateItem(int kind) override
    {
        m_client.record(QStringLiteral("CreateItem(%1)").arg(kind));
        m_client.maybeFail(QStringLiteral("CreateItem"));
        return std::make_unique<FakeMail>(m_client);
    }

private:
    RecordingClient& m_client;
};

} // namespace

std::shared_ptr<contactclient::Application> RecordingClient::application()
{
    record(QStringLiteral("create"));
    maybeFail(QStringLiteral("create"));
    return std::make_shared<FakeApplication>(*this);
}

Contact& RecordingClient::add(const QString& fileAs, const QString& fullName, const QMap<QString, QString>& properties,
                              const QStringList& categories)
{
    Contact c;
    c.entryId = QStringLiteral("id%1").arg(contacts.size() + 1);
    c.fileAs = fileAs;
    c.fullName = fullName;
    c.properties = properties;
    c.categories = categories;
    contacts.append(c);
    return contacts.last();
}

void RecordingClient::record(const QString& call)
{
    log.append(call);
}

void RecordingClient::maybeFail(const QString& call) const
{
    if (failures.contains(call))
        throw contactclient::AutomationError(contactclient::errStoreUnavailable, failures.value(call));
}

QStringList RecordingClient::logOf(const QStringList& prefixes) const
{
    QStringList result;
    for (const QString& entry : log) {
        for (const QString& p : prefixes) {
            if (entry.startsWith(p)) {
                result.append(entry);
                break;
            }
        }
    }
    return result;
}

} // namespace fake
