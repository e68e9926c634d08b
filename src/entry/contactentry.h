#pragma once
// The type-ahead entry box: completion from the search list, the key, focus and mouse rules, and the drop-down feeding
// the box.

#include <QObject>

class ContactSession;
class Guard;
class QComboBox;
class QLineEdit;
class QListView;
class QMouseEvent;
class QWidget;
class StatusLine;
class WindowDrag;

// The controls the entry box works with.
struct EntryControls {
    QLineEdit* txtContact = nullptr;
    QComboBox* cmbContacts = nullptr;
    QListView* lstContacts = nullptr;
};

class ContactEntry : public QObject {
    Q_OBJECT

public:
    ContactEntry(QWidget& window, EntryControls controls, ContactSession& session, StatusLine& status, WindowDrag& drag,
                 const Guard& guard);
    void txtContact_Change();
    // Returns true when the key is to be discarded.
    bool txtContact_KeyDown(int key);
    void txtContact_GotFocus();
    // Starts the window drag; the box empties when the press ends.
    void txtContact_MouseDown(QMouseEvent* event = nullptr);
    void cmbContacts_Click();
    // A contact chosen by its filing name elsewhere (the list of matches): the name goes into the
    // box as a pick in the drop-down writes it; when the box then holds exactly that name, the
    // contact with this entry identifier is the chosen one (another may share its name).
    void pickName(const QString& name, const QString& entryId = {});
    // The box empties, as the program's own change: nobody is chosen.
    void clearName();
    // The lists are in after a load: what the user typed meanwhile is completed now.
    void listsLoaded();

    // The keyboard focus goes to the box unless it is on a control the user can see and use: the
    // first key typed starts a name. After start-up and whenever a note over the box goes.
    void takeBackFocus();
    // Gives the box the keyboard focus without emptying it (after a button of the bar acted, or a
    // window the bar opened closed): a chosen contact stays chosen, and its name is selected so the
    // first key typed starts another.
    void returnFocus();

    static QString noLongerThereMessage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Writes a name into the box as a pick in the drop-down does.
    void writeName(const QString& name);
    // Gives the box a text as the program's own: the completion then selects from the start.
    void setBoxText(const QString& text);
    void emptyAfterPress();
    // The search list's selection follows the entry found (none: nothing selected).
    void selectSearchEntry(qsizetype position);

    QWidget& m_window;
    EntryControls m_controls;
    ContactSession& m_session;
    StatusLine& m_status;
    WindowDrag& m_drag;
    const Guard& m_guard;
    bool m_inPass = false;         // a completion pass is running; its own text change is not another pass
    bool m_programSet = false;     // the program is setting the box's text
    bool m_returningFocus = false; // the program gives the focus back to the box holding a chosen name
    bool m_userEdited = false;     // the change under way comes from the user (typing, deleting, pasting)
};
