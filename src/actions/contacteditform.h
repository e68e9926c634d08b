#pragma once
// The card's edit mode: a field for each value of a contact's form, list entries added and removed
// with buttons, and errors shown beside the field they concern. Works from the keyboard alone:
// every field and button is in the tab order, an added entry takes the focus.

#include "contactclient/contactform.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

class ContactEditForm : public QWidget {
    Q_OBJECT

public:
    // barCategories: the bar's categories, offered as boxes to tick.
    explicit ContactEditForm(const QStringList& barCategories, QWidget* parent = nullptr);

    // Fills the fields. asOriginal: what changed() compares with from now on; else it stays.
    void setForm(const contactclient::ContactForm& form, bool asOriginal = true);
    contactclient::ContactForm form() const;
    // Whether the fields differ from the form last set.
    bool changed() const;
    // Shows the errors beside their fields (clears the earlier ones); focuses the first.
    void showErrors(const QList<contactclient::FieldError>& errors);
    // Puts a row of the card's own above the fields (the book a new contact goes to).
    void addHeaderRow(QWidget* row);

    QLineEdit* txtPrefix = nullptr;
    QLineEdit* txtGivenName = nullptr;
    QLineEdit* txtMiddleName = nullptr;
    QLineEdit* txtFamilyName = nullptr;
    QLineEdit* txtSuffix = nullptr;
    QLineEdit* txtFullName = nullptr;
    QLineEdit* txtFileAs = nullptr;
    QLineEdit* txtOrganization = nullptr;
    QLineEdit* txtJobTitle = nullptr;
    QLineEdit* txtNickname = nullptr;
    QLineEdit* txtBirthday = nullptr;
    QLineEdit* txtOtherCategories = nullptr;
    QPlainTextEdit* txtNote = nullptr;
    QLabel* lblNameError = nullptr;
    QLabel* lblBirthdayError = nullptr;

    // The rows of the lists, for tests: the value field of each entry.
    QList<QLineEdit*> emailFields() const;
    QList<QLineEdit*> phoneFields() const;

signals:
    void edited();

private:
    struct EntryRow {
        QWidget* row = nullptr;
        QComboBox* kind = nullptr;
        QLineEdit* value = nullptr;
        QCheckBox* preferred = nullptr;
        QLabel* error = nullptr;
        int origin = -1;
    };
    struct AddressRow {
        QWidget* row = nullptr;
        QComboBox* kind = nullptr;
        QLineEdit *street = nullptr, *city = nullptr, *region = nullptr, *postalCode = nullptr, *country = nullptr;
        int origin = -1;
    };
    QLineEdit* addLine(QFormLayout* layout, const QString& name, const QString& caption);
    EntryRow& addEntry(QList<EntryRow>& rows, QVBoxLayout* host, const QString& list, const QStringList& kinds,
                       const contactclient::FormEntry& entry, bool withPreferred);
    AddressRow& addAddress(const contactclient::FormAddress& address);
    void removeRow(QWidget* row);
    void namePartEdited();

    QStringList m_barCategories;
    QList<QCheckBox*> m_categoryBoxes;
    QList<EntryRow> m_emails, m_phones, m_urls;
    QList<AddressRow> m_addresses;
    QVBoxLayout *m_emailHost = nullptr, *m_phoneHost = nullptr, *m_urlHost = nullptr, *m_addressHost = nullptr;
    contactclient::ContactForm m_original;
    QList<contactclient::FormAddress> m_streets; // as set, for streets of several lines
    contactclient::NameFollower m_follower{contactclient::ContactForm()};
    bool m_filling = false;
};
