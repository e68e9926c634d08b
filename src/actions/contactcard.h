#pragma once
// The contact card: a window with everything the address book holds for a contact. With Edit (F2,
// Ctrl+E) the values become fields; Save (Ctrl+S) writes them to the contact's own address book,
// Cancel (Esc) goes back, asking first when something was changed. Delete asks, naming the contact
// and the folder its card is kept in. A contact whose book Quintel does not write has Edit
// disabled, with a tooltip that says where it can be changed. A new contact, when several books
// take new contacts, is saved into the one picked in "Address book:" (the first unless changed).

#include "actions/cardrow.h"
#include "contactclient/automation.h"

#include <QWidget>

class ContactEditForm;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class UrlLauncher;

class ContactCard : public QWidget {
    Q_OBJECT

public:
    // barCategories: offered as boxes to tick in edit mode.
    explicit ContactCard(QStringList barCategories = {});
    void setContact(const contactclient::ContactItem& contact);

    // Edit mode: entered from the view (false when the contact cannot be changed).
    bool edit();
    bool editing() const;
    // Saves the fields; false (errors shown, a message for a failure) when nothing was written.
    bool save();
    // Leaves edit mode; asks first when something was changed (false: the user stayed).
    bool cancel();
    // Deletes the contact after the confirmation; false when it was not deleted.
    bool deleteContact();
    // Opens the postal address on a map page in the user's web browser (only the address is sent,
    // to www.openstreetmap.org); false when there is no address. Says so when no browser is set.
    bool showOnMap(const QString& address);
    // The view's value rows, in the card's order.
    const QList<CardRow*>& rows() const { return m_rows; }

    QLabel* imgPhoto = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblFileAs = nullptr;
    QLabel* lblOrganization = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdClose = nullptr;
    ContactEditForm* editForm = nullptr;
    QComboBox* cboBook = nullptr;    // the book a new contact goes to; shown when several take it
    UrlLauncher* launcher = nullptr; // hands a map page to the web browser

signals:
    // A save went through: the contact's entry ID, the name it is filed by now, and whether the
    // save added it to the address book (a new contact).
    void saved(const QString& entryId, const QString& fileAs, bool added);
    // The contact was deleted from its address book.
    void deleted(const QString& entryId);

private:
    void addRow(const QString& label, const QString& value, CardRow::Kind kind = CardRow::Kind::Text);
    void showView();
    // Offers the books a new contact can go to (shown only for a new contact and two or more).
    void offerBooks();
    void escape();
    QString contactName() const;

    QFormLayout* m_fields = nullptr;
    QList<CardRow*> m_rows; // the view's value rows, in order
    QStackedWidget* m_pages = nullptr;
    QWidget* m_bookRow = nullptr;                       // "Address book:" and cboBook
    std::shared_ptr<contactclient::ContactItem> m_item; // null when the contact cannot be changed
    contactclient::ContactForm m_base;                  // the form as the book held it when edited
};
