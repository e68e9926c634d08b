#pragma once
// A contact as the card's edit mode shows it: the values a user may change, each list entry tied
// to the line of the card it came from so that a save rewrites only what was changed. Back-ends
// read it from a contact and write it back; the checks and the helpers for a new contact live here
// too, free of widgets.

#include <QList>
#include <QString>
#include <QStringList>

namespace contactclient {

// An e-mail address, phone number or web page. kind is one of the kinds listed below; a kind the
// form does not know reads as "other" and is kept as the card has it until the kind is changed.
struct FormEntry {
    QString kind;
    QString value;
    bool preferred = false; // e-mail only: the address mail goes to first
    int origin = -1;        // the line it came from; -1 for a new entry
    bool operator==(const FormEntry&) const = default;
};

struct FormAddress {
    QString kind; // "home", "work", "other"
    QString street;
    QString city;
    QString region;
    QString postalCode;
    QString country;
    int origin = -1;
    bool operator==(const FormAddress&) const = default;
};

struct ContactForm {
    QString prefix, given, middle, family, suffix;
    QString fullName;
    QString fileAs; // empty: the lists file the contact by its name
    QString organization;
    QString title;
    QString nickname; // several joined by ", "
    QList<FormEntry> emails;
    QList<FormEntry> phones;
    QList<FormAddress> addresses;
    QStringList categories;
    QString birthday; // "1985-04-12", "19850412", "--04-12", "--0412"
    QList<FormEntry> urls;
    QString note;
    bool operator==(const ContactForm&) const = default;
};

QStringList emailKinds();   // home, work, other
QStringList phoneKinds();   // mobile, work, home, other, fax, pager
QStringList addressKinds(); // home, work, other

// The full name the name parts make: prefix, given, middle, family, suffix.
QString composedFullName(const ContactForm& form);

// What is wrong with a field, for the edit mode to show beside it.
struct FieldError {
    QString field;  // "email", "birthday", "name"
    int index = -1; // the entry in a list; -1 for a single field
    QString message;
};
QList<FieldError> validateForm(const ContactForm& form);
// Every writer's check before it writes: the first fault as an AutomationError (errBadValue).
void requireValid(const ContactForm& form);
bool isBirthday(const QString& text);

// A new contact from what the user typed in the box: an e-mail address goes to e-mail, a number to
// the mobile number, words to the given and family name.
ContactForm formFromText(const QString& text);

// After a conflict: the user's changes (mine, made on base) carried onto the contact as it now is
// (theirs). A value the user changed is the user's; every other one is theirs. List entries are
// matched by their values, since theirs has lines of its own.
ContactForm rebaseForm(const ContactForm& base, const ContactForm& mine, const ContactForm& theirs);

// The name parts and the full name while a form is edited: the full name follows the parts until
// the user writes one of their own.
class NameFollower {
public:
    explicit NameFollower(const ContactForm& form)
        : m_follows(form.fullName.trimmed().isEmpty() || form.fullName == composedFullName(form))
    {
    }
    bool follows() const { return m_follows; }
    // After a name part changed: the full name, when it follows.
    void partsChanged(ContactForm& form) const
    {
        if (m_follows)
            form.fullName = composedFullName(form);
    }
    // After the user typed a full name.
    void fullNameEdited(const ContactForm& form) { m_follows = form.fullName == composedFullName(form); }

private:
    bool m_follows;
};

// A property the listing prints, set from text (quintel-contacts --value NAME=VALUE): FullName,
// FileAs, FirstName, MiddleName, LastName, Title, Suffix, NickName, CompanyName, JobTitle,
// Email1Address … Email3Address, MobileTelephoneNumber, BusinessTelephoneNumber,
// Business2TelephoneNumber, HomeTelephoneNumber, Home2TelephoneNumber, BusinessFaxNumber,
// PagerNumber, HomeAddress, BusinessAddress, OtherAddress, Categories, Birthday, WebPage, Body.
// False for a name it does not know.
bool setFormProperty(ContactForm& form, const QString& property, const QString& value);
QStringList formPropertyNames();

} // namespace contactclient
