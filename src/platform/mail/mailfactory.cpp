#include "mailfactory.h"

// Placeholder until mail lands: an item that holds its fields and refuses to send.
namespace mail {
namespace {

class PlainMailItem : public contactclient::MailItem {
public:
    QString To() const override { return m_to; }
    void setTo(const QString& to) override { m_to = to; }
    QString Subject() const override { return m_subject; }
    void setSubject(const QString& subject) override { m_subject = subject; }
    QString Body() const override { return m_body; }
    void setBody(const QString& body) override { m_body = body; }
    void Display() override {}
    void Send() override
    {
        throw contactclient::AutomationError(contactclient::errMailNotSent,
                                             QStringLiteral("No mail account is set up."));
    }

private:
    QString m_to, m_subject, m_body;
};

} // namespace

contactclient::MailItemFactory createMailItemFactory(SettingsStore&)
{
    return [](contactclient::NameSpace&) { return std::make_unique<PlainMailItem>(); };
}

} // namespace mail
