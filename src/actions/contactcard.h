#pragma once
// The contact card: a read-only window with everything the address book holds for a contact.

#include "contactclient/automation.h"

#include <QWidget>

class QFormLayout;
class QLabel;

class ContactCard : public QWidget {
    Q_OBJECT

public:
    ContactCard();
    void setContact(const contactclient::ContactItem& contact);

    QLabel* imgPhoto = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblFileAs = nullptr;
    QLabel* lblOrganization = nullptr;

private:
    void addRow(const QString& label, const QString& value);
    QFormLayout* m_fields = nullptr;
};
