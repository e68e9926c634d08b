#pragma once
// The type-ahead entry box: completion from the search list, the key, focus and mouse rules, and the drop-down feeding
// the box.

#include <QObject>

class frmMain;
class QMouseEvent;

class ContactEntry : public QObject {
    Q_OBJECT

public:
    explicit ContactEntry(frmMain& form);
    void txtContact_Change();
    // Returns true when the key is to be discarded.
    bool txtContact_KeyDown(int key);
    void txtContact_GotFocus();
    void txtContact_MouseDown(QMouseEvent* event = nullptr);
    void cmbContacts_Click();
    void resolveContact(const QString& identifier);

    static QString noLongerThereMessage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Gives the box a text as the program's own: the completion then selects from the start.
    void setBoxText(const QString& text);
    void resolveAndUpdate(const QString& text);
    // The search list's selection follows the entry found (none: nothing selected).
    void selectSearchEntry(qsizetype position);

    frmMain& m_form;
    bool m_inPass = false;     // a completion pass is running; its own text change is not another pass
    bool m_programSet = false; // the program is setting the box's text
    bool m_userEdited = false; // the change under way comes from the user (typing, deleting, pasting)
};
