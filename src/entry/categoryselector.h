#pragma once
// The category selector: narrows the contact lists to the contacts of one category.

#include <QObject>

class ContactSession;
class Guard;
class QComboBox;
class StatusLine;
class modSettings;

class CategorySelector : public QObject {
    Q_OBJECT

public:
    CategorySelector(QComboBox* cmbCategories, const modSettings& settings, ContactSession& session, StatusLine& status,
                     const Guard& guard);

    // Refills the selector from the settings (sorted) and selects the top entry, which stands for
    // all contacts. With no categories at all nothing is selected and all contacts are listed.
    void populateCatCombo();
    void cmbCategories_Click();
    // Back to all contacts: the top entry selected, as a pick of it does.
    void showAllContacts();

private:
    QComboBox* m_combo;
    const modSettings& m_settings;
    ContactSession& m_session;
    StatusLine& m_status;
};
