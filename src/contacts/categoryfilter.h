#pragma once
// The category selector: narrows the contact lists to the contacts of one category.

#include <QObject>

class frmMain;

class CategoryFilter : public QObject {
    Q_OBJECT

public:
    explicit CategoryFilter(frmMain& form);

    // Refills the selector from the settings (sorted) and selects the top entry, which stands for
    // all contacts. With no categories at all nothing is selected and all contacts are listed.
    void populateCatCombo();
    void cmbCategories_Click();
    void filterByCategory(const QString& name);
    void selectAllContacts();

    // The filter text the contact client understands for one category: [Categories] = "name",
    // with a double quote inside the name doubled, so such a category filters too.
    static QString filterText(const QString& name);

private:
    frmMain& m_form;
};
