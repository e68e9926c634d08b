// quintel-contacts [--json] [--filter TEXT] [--book BOOK | FOLDER]
// Lists the address book's items as the contact client sees them. Exit status: 0 all items read;
// 1 some cards or files were skipped (listed on stderr); 2 nothing could be listed.

#include "contactlisting.h"

#include "contactclient/books/bookconfig.h"
#include "contactclient/books/vdircollections.h"
#include "contactclient/clientapplication.h"
#include "contactclient/factory.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "settingsstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace cc = contactclient;

namespace {

// The cards and files every vCard folder among the store's books skipped.
QList<cc::SkippedItem> skippedCards(cc::Store& store, const QString& prefix = {})
{
    QList<cc::SkippedItem> skipped;
    if (auto* folder = dynamic_cast<cc::VCardFolderStore*>(&store)) {
        for (cc::SkippedItem s : folder->skipped()) {
            s.file = prefix + s.file;
            skipped.append(s);
        }
    } else if (auto* merged = dynamic_cast<cc::MergedStore*>(&store)) {
        for (const cc::Book& book : merged->books())
            skipped += skippedCards(*book.store, prefix + book.label + QLatin1Char('/'));
    }
    return skipped;
}

// Why books of several were left out.
QStringList leftOutBooks(cc::Store& store)
{
    QStringList out;
    if (auto* merged = dynamic_cast<cc::MergedStore*>(&store)) {
        out += merged->failures();
        for (const cc::Book& book : merged->books())
            out += leftOutBooks(*book.store);
    }
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quintel-contacts"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINTEL_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists the contact items of Quintel's address book, as the contact bar sees them.\n"
                       "Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("One JSON object per item and line."));
    const QCommandLineOption filter(QStringLiteral("filter"),
                                    QStringLiteral("Only the items the filter keeps, e.g. [Categories] = \"Work\"."),
                                    QStringLiteral("TEXT"));
    const QCommandLineOption book(
        QStringLiteral("book"),
        QStringLiteral("One address book, written as in the Books setting: a folder, vcard:FOLDER, "
                       "thunderbird[:PROFILE or FILE], carddav."),
        QStringLiteral("BOOK"));
    parser.addOption(json);
    parser.addOption(filter);
    parser.addOption(book);
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("A folder of .vcf files or a vdir root with one folder per collection "
                                                "(default: the configured address books)."),
                                 QStringLiteral("[FOLDER]"));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    if (args.size() > 1 || (!args.isEmpty() && parser.isSet(book))) {
        err << "quintel-contacts: one folder or one --book at most\n";
        return 2;
    }

    QSettingsStore settings;
    std::shared_ptr<cc::Store> store;
    std::shared_ptr<cc::Application> application;
    try {
        if (parser.isSet(book)) {
            const QList<cc::BookSpec> specs = cc::parseBooks(parser.value(book));
            if (specs.size() != 1) {
                err << "quintel-contacts: --book names one address book\n";
                return 2;
            }
            store = cc::storeOfBooks(cc::createBooks(specs.front(), settings));
            application = std::make_shared<cc::ClientApplication>(store, nullptr);
        } else if (args.isEmpty()) {
            application = cc::createApplication(settings);
            if (auto client = std::dynamic_pointer_cast<cc::ClientApplication>(application))
                store = std::shared_ptr<cc::Store>(application, &client->store());
        } else {
            store = cc::createFolderBook(args.front());
            application = std::make_shared<cc::ClientApplication>(store, nullptr);
        }
    } catch (const cc::AutomationError& e) {
        err << "quintel-contacts: " << e.description() << " (error " << e.number() << ")\n";
        return 2;
    }

    int failures = 0;
    try {
        auto ns = application->GetNamespace(QStringLiteral("MAPI"));
        ns->Logon();
        std::shared_ptr<cc::ItemSet> items = ns->GetDefaultFolder(cc::olFolderContacts)->Items();
        if (parser.isSet(filter))
            items = items->Restrict(parser.value(filter));
        QStringList ids;
        items->forEach([&](const cc::Item& item) { ids.append(item.EntryID()); });
        for (const QString& id : ids) {
            try {
                const auto contact = ns->GetItemFromID(id);
                if (parser.isSet(json))
                    contactlisting::writeJson(out, *contact);
                else
                    contactlisting::writeText(out, *contact);
            } catch (const cc::AutomationError& e) {
                err << "quintel-contacts: skipped " << id << ": " << e.description() << '\n';
                ++failures;
            }
        }
    } catch (const cc::AutomationError& e) {
        out.flush();
        err << "quintel-contacts: " << e.description() << " (error " << e.number() << ")\n";
        return 2;
    }
    out.flush();
    if (store) {
        for (const cc::SkippedItem& s : skippedCards(*store)) {
            err << "quintel-contacts: skipped " << s.text() << '\n';
            ++failures;
        }
        // Books left out of several.
        for (const QString& failure : leftOutBooks(*store)) {
            err << "quintel-contacts: " << failure << '\n';
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
