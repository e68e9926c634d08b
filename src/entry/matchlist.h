#pragma once
// The list of matches beside the bar: while the user types in the entry box, the contacts found
// by any word of any field (ContactLookup), the contact's name and the field that matched with
// its matched part marked. The keyboard focus never leaves the box: Up, Down, Page Up and Page
// Down move through the list from the box, Return chooses (as a pick in the drop-down), Esc
// closes. In an empty box Down opens the contacts used most recently. When the box's text names
// nobody, the last row offers to add it as a new contact (newcontactrow.h).

#include <QListView>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class ContactEntry;
class ContactLookup;
class QAbstractButton;
class QLineEdit;
class QModelIndex;
class QTimer;
class QWidget;
class MatchModel;

class MatchList : public QObject {
    Q_OBJECT

public:
    MatchList(QWidget& window, QLineEdit* box, ContactEntry& entry, ContactLookup& lookup);
    ~MatchList() override;

    // Off: the list never opens and the bar is exactly the plain completion.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // The last row that adds the box's text as a new contact: offered(text) says whether it is
    // shown, add(text) is what choosing it does.
    void offerNewContacts(std::function<bool(const QString& text)> offered,
                          std::function<void(const QString& text)> add);

    // A use of the chosen contact through one of these buttons is counted.
    void countUseOf(const QList<QAbstractButton*>& buttons, const std::function<QString()>& chosenEntryId);

    bool isOpen() const;
    void close();
    // Answers what was typed now rather than when the event loop comes back to it (so that a
    // key's whole work can be timed).
    void answerNow();
    QListView* view() const { return m_view; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typed();
    void openRecent();
    void show();
    void move(int rows);
    void choose(const QModelIndex& index);

    QWidget& m_window;
    QLineEdit* m_box;
    ContactEntry& m_entry;
    ContactLookup& m_lookup;
    QPointer<QListView> m_view; // a child of the window, gone with it
    std::unique_ptr<MatchModel> m_model;
    std::function<bool(const QString&)> m_offerNew;
    std::function<void(const QString&)> m_addNew;
    QTimer* m_later; // what was typed is answered when it fires
    bool m_enabled = true;
    bool m_choosing = false;
};
