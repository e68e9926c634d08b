#pragma once
// The category selector: narrows the contact lists to the contacts of one category.

#include <QObject>

class frmMain;

class CategoryFilter : public QObject {
    Q_OBJECT

public:
    explicit CategoryFilter(frmMain& form);

    void populateCatCombo();
    void cmbCategories_Click();
    void filterByCategory(const QString& name);
    void selectAllContacts();

    // The filter text the contact client understands for one category.
    static QString filterText(const QString& name);

private:
    frmMain& m_form;
};
