// The book a new contact goes to, over real vCard folders: the books that take new contacts, in
// order (read-only ones left out), a new contact in the first of them or in the one asked for, a
// new contact moved to another book before it is saved, and a key that names no such book
// refused with nothing written.

#include "contactclient/books/mergedstore.h"
#include "contactclient/clientapplication.h"
#include "contactclient/contactform.h"
#include "contactclient/vcard/vcardfolderstore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace contactclient;
using namespace Qt::StringLiterals;

namespace {

// A book per letter of the layout: "w" a writable folder, "r" a read-only one, "(ww)" a book that
// is itself two writable folders (as a folder of collections is). Books are called a, b, c, …;
// the folders of a book of books a1, a2.
struct Books {
    QTemporaryDir dir;
    std::shared_ptr<Store> store;

    explicit Books(const QString& layout)
    {
        std::vector<Book> books;
        std::vector<Book>* into = &books;
        std::vector<Book> inner;
        QString innerLabel;
        int at = 0;
        for (const QChar c : layout) {
            if (c == u'(') {
                innerLabel = QString(QChar(char16_t(u'a' + at++)));
                into = &inner;
                continue;
            }
            if (c == u')') {
                books.push_back({innerLabel, std::make_shared<MergedStore>(std::move(inner))});
                inner.clear();
                into = &books;
                continue;
            }
            const QString label = into == &inner ? QString(innerLabel + QString::number(inner.size() + 1))
                                                 : QString(QChar(char16_t(u'a' + at++)));
            const QString path = folder(into == &inner ? QString(innerLabel + u'-' + label) : label);
            QDir().mkpath(path);
            auto folderStore = std::make_shared<VCardFolderStore>(path, std::nullopt);
            if (c == u'r')
                folderStore->setReadOnly(u"Change it elsewhere."_s);
            into->push_back({label, folderStore});
        }
        store = std::make_shared<MergedStore>(std::move(books));
        store->open();
    }
    QString folder(const QString& name) const { return dir.filePath(name); }
    // The folders that hold a card, each as often as it holds one.
    QStringList written() const
    {
        QStringList out;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            for (qsizetype n = QDir(folder(name)).entryList({u"*.vcf"_s}, QDir::Files).size(); n > 0; --n)
                out << name;
        return out;
    }
};

QStringList keys(const QList<ContactBook>& books)
{
    QStringList out;
    for (const ContactBook& b : books)
        out << b.key;
    return out;
}

QStringList labels(const QList<ContactBook>& books)
{
    QStringList out;
    for (const ContactBook& b : books)
        out << b.label;
    return out;
}

int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const AutomationError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

class TestNewContactBook : public QObject {
    Q_OBJECT

private slots:
    // The books offered, and where a new contact lands when one is asked for (empty: the first).
    void bookList_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("landsIn"); // the folder; empty: refused
        QTest::addColumn<int>("error");

        QTest::newRow("no writable book")
            << u"rr"_s << QStringList{} << QStringList{} << QString() << QString() << int(errReadOnly);
        QTest::newRow("one writable book after a read-only one")
            << u"rw"_s << QStringList{u"b"_s} << QStringList{u"b"_s} << QString() << u"b"_s << 0;
        QTest::newRow("the one writable book asked for by its key")
            << u"rw"_s << QStringList{u"b"_s} << QStringList{u"b"_s} << u"b"_s << u"b"_s << 0;
        QTest::newRow("two writable and a read-only one: the first by default")
            << u"wrw"_s << QStringList{u"a"_s, u"c"_s} << QStringList{u"a"_s, u"c"_s} << QString() << u"a"_s << 0;
        QTest::newRow("two writable and a read-only one: the second asked for")
            << u"wrw"_s << QStringList{u"a"_s, u"c"_s} << QStringList{u"a"_s, u"c"_s} << u"c"_s << u"c"_s << 0;
        QTest::newRow("the read-only book asked for")
            << u"wrw"_s << QStringList{u"a"_s, u"c"_s} << QStringList{u"a"_s, u"c"_s} << u"b"_s << QString()
            << int(errBadValue);
        QTest::newRow("a book nobody has") << u"ww"_s << QStringList{u"a"_s, u"b"_s} << QStringList{u"a"_s, u"b"_s}
                                           << u"z"_s << QString() << int(errBadValue);
        QTest::newRow("a book of two books: each of its own is offered")
            << u"r(ww)"_s << QStringList{u"b/b1"_s, u"b/b2"_s} << QStringList{u"b: b1"_s, u"b: b2"_s} << u"b/b2"_s
            << u"b-b2"_s << 0;
        QTest::newRow("a book of books asked for by its own name only")
            << u"(ww)"_s << QStringList{u"a/a1"_s, u"a/a2"_s} << QStringList{u"a: a1"_s, u"a: a2"_s} << u"a"_s
            << QString() << int(errBadValue);
    }
    void bookList()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, labels);
        QFETCH(QString, asked);
        QFETCH(QString, landsIn);
        QFETCH(int, error);
        Books books(layout);
        ClientApplication app(books.store, nullptr, noDesktop());
        QCOMPARE(::keys(app.newContactBooks()), keys);
        QCOMPARE(::labels(app.newContactBooks()), labels);
        QCOMPARE(books.store->writable(), !keys.isEmpty());

        std::shared_ptr<ContactItem> item;
        QCOMPARE(errorOf([&] { item = app.CreateItem(olContactItem, asked); }), error);
        if (error != 0) {
            QVERIFY(!item);
            QCOMPARE(books.written(), QStringList());
            return;
        }
        QCOMPARE(item->newContactBooks(), app.newContactBooks());
        const QString chosen = item->chosenBook();
        QCOMPARE(chosen, asked.isEmpty() ? keys.front() : asked);
        item->setForm(formFromText(u"Bo Ek"_s));
        item->Save();
        QCOMPARE(books.written(), QStringList{landsIn});
        QVERIFY2(item->EntryID().startsWith(QString(chosen + u'/')), qPrintable(item->EntryID()));
        auto ns = app.GetNamespace(u"MAPI"_s);
        ns->Logon();
        QCOMPARE(ns->GetItemFromID(item->EntryID())->FullName(), u"Bo Ek"_s);
        // Saved, it is in its book: no other is offered.
        QCOMPARE(item->newContactBooks(), QList<ContactBook>{});
        QCOMPARE(errorOf([&] { item->chooseBook(keys.front()); }), int(errReadOnly));
    }

    // Made in the first book, moved to another before it is saved: the values set go along, and
    // only the chosen book is written; going back and forth ends where it was last put.
    void movedBeforeSaving_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("landsIn");
        QTest::newRow("to the second") << QStringList{u"c"_s} << u"c"_s;
        QTest::newRow("to the second and back") << QStringList{u"c"_s, u"a"_s} << u"a"_s;
        QTest::newRow("the empty key: the first") << QStringList{u"c"_s, QString()} << u"a"_s;
        QTest::newRow("to the book it is in") << QStringList{u"a"_s} << u"a"_s;
    }
    void movedBeforeSaving()
    {
        QFETCH(QStringList, choices);
        QFETCH(QString, landsIn);
        Books books(u"wrw"_s);
        ClientApplication app(books.store, nullptr, noDesktop());
        auto item = app.CreateItem(olContactItem);
        item->setForm(formFromText(u"cy@example.org"_s));
        for (const QString& key : choices)
            item->chooseBook(key);
        QCOMPARE(item->chosenBook(), landsIn);
        QCOMPARE(item->form().emails.value(0).value, u"cy@example.org"_s);
        QCOMPARE(books.written(), QStringList());
        item->Save();
        QCOMPARE(books.written(), QStringList{landsIn});
        QCOMPARE(item->Email1Address(), u"cy@example.org"_s);
        // A key no book has leaves the item where it is.
        auto other = app.CreateItem(olContactItem);
        QCOMPARE(errorOf([&] { other->chooseBook(u"b"_s); }), int(errBadValue));
        QCOMPARE(other->chosenBook(), u"a"_s);
    }

    // A store of one book: itself while it takes new contacts, with the empty key; nothing when
    // it does not; any other key names no book.
    void singleBook_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable") << false;
        QTest::newRow("read-only") << true;
    }
    void singleBook()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        auto store = std::make_shared<VCardFolderStore>(dir.path(), std::nullopt);
        if (readOnly)
            store->setReadOnly(u"Change it elsewhere."_s);
        ClientApplication app(store, nullptr, noDesktop());
        QCOMPARE(app.newContactBooks().size(), readOnly ? 0 : 1);
        QCOMPARE(errorOf([&] { app.CreateItem(olContactItem, u"other"_s); }), int(errBadValue));
        QCOMPARE(errorOf([&] { app.CreateItem(olContactItem); }), readOnly ? int(errReadOnly) : 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestNewContactBook)
#include "test_newcontactbook.moc"
