#pragma once
// A contact item read from a vCard.

#include "contactclient/vcard/contactmapping.h"

namespace contactclient {

class VCardContactItem : public ContactItem {
public:
    VCardContactItem(QString entryId, vcard::ContactData data);

    QString TypeName() const override;
    QString FileAs() const override { return m_data.summary.fileAs; }
    QString FullName() const override { return m_data.summary.fullName; }
    QString EntryID() const override { return m_entryId; }
    QString Email1Address() const override { return m_data.emails.value(0); }
    QString Email2Address() const override { return m_data.emails.value(1); }
    QString Email3Address() const override { return m_data.emails.value(2); }
    QString Email1DisplayName() const override { return m_data.email1DisplayName; }
    QString MobileTelephoneNumber() const override { return m_data.mobile; }
    QString BusinessTelephoneNumber() const override { return m_data.business; }
    QString Business2TelephoneNumber() const override { return m_data.business2; }
    QString HomeTelephoneNumber() const override { return m_data.home; }
    QString Home2TelephoneNumber() const override { return m_data.home2; }
    QString HomeAddress() const override { return m_data.homeAddress; }
    QString BusinessAddress() const override { return m_data.businessAddress; }
    QString OtherAddress() const override { return m_data.otherAddress; }
    QString MailingAddress() const override { return m_data.mailingAddress; }
    QStringList Categories() const override { return m_data.summary.categories; }
    CardDetails details() const override { return m_data.details; }
    void Display() override;

private:
    QString m_entryId;
    vcard::ContactData m_data;
};

} // namespace contactclient
