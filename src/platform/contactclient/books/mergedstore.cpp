#include "mergedstore.h"

#include "contactclient/books/bookcontactitem.h"
#include "contactclient/books/mergeditemset.h"
#include "contactclient/localcopy/localcopy.h"
#include "contactclient/storenotifier.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace contactclient {

// Which books are open and what went wrong with the others.
struct MergedStore::State {
    QSet<const Store*> opened;
    QHash<const Store*, QString> failures; // the book's description of its failure
};

namespace {

QString failureText(const Book& book, const QString& description)
{
    return QStringLiteral("The address book \"%1\" was left out: %2").arg(book.label, description);
}

} // namespace

MergedStore::MergedStore(std::vector<Book> books) : m_books(std::move(books)), m_state(std::make_shared<State>())
{
    makeLabelsUnique(m_books);
}

MergedStore::~MergedStore() = default;

void MergedStore::open()
{
    refreshBooks();
    m_state->opened.clear();
    m_state->failures.clear();
    std::exception_ptr first;
    for (const Book& book : m_books) {
        // Each book opens on its own: a server's book without a copy yet does not hold back the
        // others; it starts empty, says so on the status line, and joins when its server answers.
        if (auto* copy = dynamic_cast<LocalCopy*>(book.store.get()); copy && m_books.size() > 1)
            copy->setFirstWait(std::chrono::milliseconds(0));
        try {
            book.store->open();
            m_state->opened.insert(book.store.get());
        } catch (...) {
            if (!first)
                first = std::current_exception();
            m_state->failures.insert(book.store.get(), describeFailure(std::current_exception()).description);
        }
    }
    if (m_state->opened.isEmpty() && first)
        std::rethrow_exception(first);
}

std::shared_ptr<ItemSet> MergedStore::items()
{
    refreshBooks();
    std::vector<BookItems> parts;
    parts.reserve(m_books.size());
    for (const Book& book : m_books) {
        Store* store = book.store.get();
        try {
            if (!m_state->opened.contains(store)) {
                // Not open yet (new, or it failed before): it may be there now.
                store->open();
                m_state->opened.insert(store);
            }
            parts.push_back({book.label + QLatin1Char('/'), store->items()});
            m_state->failures.remove(store);
        } catch (...) {
            m_state->failures.insert(store, describeFailure(std::current_exception()).description);
        }
    }
    return std::make_shared<MergedItemSet>(std::move(parts));
}

std::shared_ptr<ContactItem> MergedStore::itemFromId(const QString& entryId)
{
    const qsizetype slash = entryId.indexOf(QLatin1Char('/'));
    if (slash <= 0)
        throw ItemNotFound(entryId);
    const QStringView label = QStringView(entryId).first(slash);
    for (const Book& book : m_books) {
        if (book.label != label)
            continue;
        try {
            return std::make_shared<BookContactItem>(entryId, book.store->itemFromId(entryId.mid(slash + 1)));
        } catch (const ItemNotFound&) {
            throw ItemNotFound(entryId);
        }
    }
    throw ItemNotFound(entryId);
}

bool MergedStore::writable() const
{
    for (const Book& book : m_books)
        if (book.store->writable())
            return true;
    return false;
}

QString MergedStore::readOnlyReason() const
{
    return m_books.empty() ? ContactItem::defaultReadOnlyReason() : m_books.front().store->readOnlyReason();
}

QList<ContactBook> MergedStore::newContactBooks() const
{
    QList<ContactBook> out;
    for (const Book& book : m_books) {
        for (const ContactBook& own : book.store->newContactBooks()) {
            if (own.key.isEmpty())
                out.append({book.label, book.label});
            else
                out.append({book.label + QLatin1Char('/') + own.key,
                            own.label.isEmpty() ? book.label : QStringLiteral("%1: %2").arg(book.label, own.label)});
        }
    }
    return out;
}

std::shared_ptr<ContactItem> MergedStore::createItem(const QString& key)
{
    const QList<ContactBook> books = newContactBooks();
    if (books.isEmpty())
        throw AutomationError(errReadOnly, readOnlyReason());
    const QString chosen = key.isEmpty() ? books.front().key : key;
    if (std::none_of(books.cbegin(), books.cend(), [&](const ContactBook& b) { return b.key == chosen; }))
        throw AutomationError(errBadValue, unknownBookText(key));
    // Labels hold no "/": what follows the first one is the book's own key.
    const qsizetype slash = chosen.indexOf(QLatin1Char('/'));
    const QString label = slash < 0 ? chosen : chosen.left(slash);
    const QString own = slash < 0 ? QString() : chosen.mid(slash + 1);
    for (const Book& book : m_books)
        if (book.label == label)
            return BookContactItem::added(book.label, book.store->newItem(own));
    throw AutomationError(errBadValue, unknownBookText(key));
}

QString MergedStore::statusNote() const
{
    QStringList notes;
    for (const Book& book : m_books) {
        const auto failure = m_state->failures.constFind(book.store.get());
        if (failure != m_state->failures.constEnd()) {
            notes.append(failureText(book, *failure));
            continue;
        }
        const QString note = book.store->statusNote();
        if (!note.isEmpty())
            notes.append(m_books.size() > 1 ? book.label + QStringLiteral(": ") + note : note);
    }
    return notes.join(QLatin1Char(' '));
}

QStringList MergedStore::failures() const
{
    QStringList out;
    for (const Book& book : m_books) {
        const auto failure = m_state->failures.constFind(book.store.get());
        if (failure != m_state->failures.constEnd())
            out.append(failureText(book, *failure));
    }
    return out;
}

StoreNotifier* MergedStore::notifier() const
{
    if (!m_notifier) {
        m_notifier = std::make_unique<StoreNotifier>();
        for (const Book& book : m_books)
            follow(*book.store);
    }
    return m_notifier.get();
}

void MergedStore::follow(const Store& book) const
{
    if (!m_notifier)
        return;
    if (StoreNotifier* inner = book.notifier())
        QObject::connect(inner, &StoreNotifier::changed, m_notifier.get(), &StoreNotifier::changed,
                         Qt::UniqueConnection);
}

void MergedStore::setBooks(std::vector<Book> books)
{
    makeLabelsUnique(books);
    for (Book& book : books) {
        for (const Book& old : m_books) {
            if (old.label == book.label) {
                book.store = old.store;
                break;
            }
        }
    }
    QSet<const Store*> kept;
    for (const Book& book : books)
        kept.insert(book.store.get());
    for (const Book& old : m_books) {
        if (!kept.contains(old.store.get())) {
            m_state->opened.remove(old.store.get());
            m_state->failures.remove(old.store.get());
        }
    }
    m_books = std::move(books);
    for (const Book& book : m_books)
        follow(*book.store);
}

void makeLabelsUnique(std::vector<Book>& books)
{
    QSet<QString> seen;
    for (Book& book : books) {
        QString base = book.label.trimmed();
        base.replace(QLatin1Char('/'), QLatin1Char('-'));
        if (base.isEmpty())
            base = QStringLiteral("book");
        QString label = base;
        for (int n = 2; seen.contains(label); ++n)
            label = QStringLiteral("%1 (%2)").arg(base).arg(n);
        seen.insert(label);
        book.label = label;
    }
}

} // namespace contactclient
