#include "contactsession.h"

#include "contactclient/storenotifier.h"
#include "contacts/bookcategories.h"
#include "contacts/categoryfilter.h"

#include <QScopedValueRollback>

namespace {

constexpr int kNoteMilliseconds = 4000;
constexpr int kStoreNoteMilliseconds = 6000;

// Whether the application takes new contacts: it names a book for them.
bool probeNewContacts(const contactclient::Application& application)
{
    try {
        return !application.newContactBooks().isEmpty();
    } catch (...) {
        return false; // a book that cannot say: nothing is offered
    }
}

} // namespace

ContactSession::ContactSession(ClientFactory createClient, QObject* parent)
    : QObject(parent), m_createClient(std::move(createClient))
{
}

ContactSession::~ContactSession()
{
    *m_alive = false;
}

QString ContactSession::noLongerThereMessage()
{
    return QStringLiteral("This contact is no longer in the address book.");
}

void ContactSession::runInBackground(std::function<void()> work, std::function<void()> done)
{
    if (!m_background) {
        work();
        done();
        return;
    }
    // The session may be gone when the work comes back (the bar closed while loading).
    m_background(std::move(work), [alive = m_alive, done = std::move(done)] {
        if (*alive)
            done();
    });
}

void ContactSession::load()
{
    m_loading = true;
    if (m_storeConnection)
        disconnect(m_storeConnection);
    m_folder.reset();
    m_items.reset();
    m_current.reset();
    m_takesNewContacts = false;
    m_category.clear();
    m_resolvedText.clear();
    m_allLists.reset();
    m_lists = std::make_shared<const ContactListData>();
    m_index = ContactIndex(*m_lists);
    try {
        m_application = m_createClient();
        m_namespace = m_application->GetNamespace(QStringLiteral("MAPI"));
    } catch (...) {
        const contactclient::Failure failure = contactclient::describeFailure(std::current_exception());
        m_loading = false;
        emit loadFailed(failure.number, failure.description);
        return;
    }

    // Reading the address book may take long (a large folder, a server): off the UI thread.
    struct Result {
        std::shared_ptr<contactclient::MAPIFolder> folder;
        std::shared_ptr<contactclient::ItemSet> items;
        Lists lists;
        std::exception_ptr error;
    };
    auto result = std::make_shared<Result>();
    auto nameSpace = m_namespace;
    runInBackground(
        [result, nameSpace] {
            try {
                nameSpace->Logon();
                result->folder = nameSpace->GetDefaultFolder(contactclient::olFolderContacts);
                result->items = result->folder->Items();
                result->lists = std::make_shared<const ContactListData>(buildContactLists(*result->items));
            } catch (...) {
                result->error = std::current_exception();
            }
        },
        [this, result] {
            if (result->error) {
                const contactclient::Failure failure = contactclient::describeFailure(result->error);
                m_loading = false;
                emit loadFailed(failure.number, failure.description);
                return;
            }
            m_folder = result->folder;
            m_items = result->items;
            m_takesNewContacts = probeNewContacts(*m_application);
            m_allLists = result->lists;
            applyLists(std::move(result->lists));
            m_loading = false;
            attachStore();
            emit loaded();
            const QString storeNote = this->storeNote();
            if (!storeNote.isEmpty())
                emit note(storeNote, kStoreNoteMilliseconds);
        });
}

void ContactSession::applyLists(Lists lists)
{
    m_lists = std::move(lists);
    m_index = ContactIndex(*m_lists);
    emit listsChanged();
}

void ContactSession::selectCategory(const QString& name)
{
    if (!m_folder)
        return;
    std::shared_ptr<contactclient::ItemSet> items = m_folder->Items();
    if (!name.isEmpty())
        items = items->Restrict(categoryFilterText(name));
    // Kept lists are trusted only where the store reports its changes (each ends in reload()): a
    // category's lists are then taken from them, and all contacts' lists are them.
    const bool keptLists = m_allLists && m_storeConnection;
    Lists lists;
    if (keptLists && name.isEmpty()) {
        lists = m_allLists;
    } else if (std::optional<ContactListData> narrowed =
                   keptLists ? narrowContactLists(*m_allLists, *items) : std::nullopt) {
        narrowed->whole = m_allLists;
        lists = std::make_shared<const ContactListData>(std::move(*narrowed));
    } else {
        lists = std::make_shared<const ContactListData>(buildContactLists(*items));
        if (name.isEmpty())
            m_allLists = lists;
    }
    m_items = std::move(items);
    m_category = name;
    applyLists(std::move(lists));
}

void ContactSession::reload()
{
    if (!m_folder)
        return;
    {
        // The lists change under the user's hands: the entry box keeps its text.
        const QScopedValueRollback loading(m_loading, true);
        m_allLists.reset();
        selectCategory(m_category);
    }
    resolve(m_resolvedText);
    const QString storeNote = this->storeNote();
    if (!storeNote.isEmpty())
        emit note(storeNote, kStoreNoteMilliseconds);
}

void ContactSession::resolve(const QString& text)
{
    m_resolvedText = text;
    chooseEntry(m_index.Item(text));
}

void ContactSession::chooseEntry(const QString& entryId)
{
    if (entryId.isEmpty() || !m_namespace) {
        m_current.reset();
        emit currentContactChanged();
        return;
    }
    try {
        m_current = m_namespace->GetItemFromID(entryId);
    } catch (const contactclient::ItemNotFound&) {
        // Deleted in the address book after the lists were built.
        m_current.reset();
        emit note(noLongerThereMessage(), kNoteMilliseconds);
    } catch (...) {
        // A contact that cannot be read is no contact: nothing is offered for it.
        m_current.reset();
        emit currentContactChanged();
        throw;
    }
    emit currentContactChanged();
}

qsizetype ContactSession::contactPlace(const QString& entryId) const
{
    if (entryId.isEmpty())
        return -1;
    for (qsizetype c = 0; c < m_lists->entryIds.count(); ++c)
        if (m_lists->entryIds.equals(c, entryId))
            return c;
    return -1;
}

QStringList ContactSession::bookCategories() const
{
    if (m_allLists)
        return bookcategories::of(*m_allLists);
    if (m_category.isEmpty() || !m_folder)
        return bookcategories::of(*m_lists);
    try {
        return bookcategories::of(buildContactLists(*m_folder->Items()));
    } catch (const contactclient::AutomationError&) {
        return bookcategories::of(*m_lists); // the chosen category's at least
    }
}

QString ContactSession::storeNote() const
{
    return m_application ? m_application->statusNote() : QString();
}

void ContactSession::attachStore()
{
    if (m_storeConnection)
        disconnect(m_storeConnection);
    if (!m_application)
        return;
    if (auto* notifier = m_application->notifier())
        m_storeConnection = connect(notifier, &contactclient::StoreNotifier::changed, this,
                                    &ContactSession::reloadGuarded, Qt::QueuedConnection);
}

void ContactSession::reloadGuarded()
{
    // Queued from the store: nobody above to catch a failure, so it is reported from here.
    try {
        reload();
    } catch (...) {
        const contactclient::Failure failure = contactclient::describeFailure(std::current_exception());
        emit failed(failure.number, failure.description);
    }
}
