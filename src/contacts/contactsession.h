#pragma once
// The bar's contacts without widgets: the contact client's application, namespace, folder and
// item set, the lists built from the items, the chosen category and the chosen contact.
//
// Every path that changes the lists or the item set (load, a category picked, a reload after the
// address book changed) ends in listsChanged(); every resolve ends in currentContactChanged().
// The parts follow these signals, so none of them can forget a step.

#include "contactclient/automation.h"
#include "contacts/contactindex.h"
#include "contacts/contactlistdata.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ContactSession : public QObject {
    Q_OBJECT

public:
    using ClientFactory = std::function<std::shared_ptr<contactclient::Application>()>;
    // Runs work away from the UI thread, then done back on it. Empty: both at once, in order.
    using Background = std::function<void(std::function<void()> work, std::function<void()> done)>;

    explicit ContactSession(ClientFactory createClient, QObject* parent = nullptr);
    ~ContactSession() override;

    void setBackground(Background background) { m_background = std::move(background); }

    // Opens the address book and builds the lists from all its contacts. The contact client is
    // created and its namespace taken at once; Logon, the folder, its items and the lists are
    // done by the background runner. Ends in loaded() (after listsChanged()) or loadFailed().
    // isLoading() is true from here until the lists are in.
    void load();
    // The category's contacts ("[Categories] = ..." on the folder's items); an empty name stands
    // for all contacts. Throws what the contact client throws; the lists are unchanged then.
    void selectCategory(const QString& name);
    // A fresh item set in the chosen category: the address book changed under the bar. The lists
    // change without disturbing the entry box (isLoading() while they do), then the last resolved
    // text is resolved again, so a contact changed or gone is never offered stale.
    void reload();
    // The contact the index gives for this text (none for an unknown text). A contact gone from
    // the address book since the lists were built is none, with a note.
    void resolve(const QString& text);
    // The contact with this entry identifier becomes the chosen one (empty: none).
    void chooseEntry(const QString& entryId);

    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }
    bool isLoaded() const { return m_folder != nullptr; }

    const ContactIndex& contactIndex() const { return m_index; }
    const SearchList& searchList() const { return m_lists->search; }
    // The lists themselves, for views that show them (they stay as they are while held).
    std::shared_ptr<const ContactListData> lists() const { return m_lists; }
    QStringList sortedNames() const { return m_lists->sortedNames(); }
    int contactCount() const { return m_lists->contactCount; }
    const QString& category() const { return m_category; }

    std::shared_ptr<contactclient::Application> application() const { return m_application; }
    std::shared_ptr<contactclient::NameSpace> nameSpace() const { return m_namespace; }
    std::shared_ptr<contactclient::ItemSet> contactItems() const { return m_items; }
    std::shared_ptr<contactclient::ContactItem> currentContact() const { return m_current; }

    // Whether the address book takes new contacts (known once the lists are in; false before).
    bool takesNewContacts() const { return m_takesNewContacts; }
    // The place of the contact with this entry identifier in the lists, -1 when they do not hold it.
    qsizetype contactPlace(const QString& entryId) const;
    // The categories the address book's contacts carry (all contacts, whichever category is
    // chosen), each once, in the lists' order.
    QStringList bookCategories() const;

    // The address book's note (working offline, cards skipped), empty when it has none.
    QString storeNote() const;

    static QString noLongerThereMessage();

signals:
    void listsChanged();
    void currentContactChanged();
    // A line for the status line, shown for a while.
    void note(const QString& text, int milliseconds);
    void loaded();
    void loadFailed(int number, const QString& description);
    // A failure outside any handler the user started (a background reload): to be reported.
    void failed(int number, const QString& description);

private:
    using Lists = std::shared_ptr<const ContactListData>;
    void applyLists(Lists lists);
    void attachStore();
    void reloadGuarded();
    void runInBackground(std::function<void()> work, std::function<void()> done);

    ClientFactory m_createClient;
    Background m_background;
    std::shared_ptr<contactclient::Application> m_application;
    std::shared_ptr<contactclient::NameSpace> m_namespace;
    std::shared_ptr<contactclient::MAPIFolder> m_folder;
    std::shared_ptr<contactclient::ItemSet> m_items;
    std::shared_ptr<contactclient::ContactItem> m_current;
    Lists m_lists = std::make_shared<const ContactListData>();
    // The lists of all contacts, kept while the store reports no change: going back to all
    // contacts after a category then costs nothing.
    Lists m_allLists;
    ContactIndex m_index{*m_lists};
    QString m_category;
    QString m_resolvedText;
    bool m_loading = false;
    bool m_takesNewContacts = false;
    QMetaObject::Connection m_storeConnection;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
