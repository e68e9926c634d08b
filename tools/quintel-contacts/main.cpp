// quintel-contacts [--json] [--filter TEXT] [--backend vcard|carddav|eds] [--book NAME] [--list-books] [FOLDER]
// Lists the address book's items as the contact client sees them. Exit status: 0 all items read;
// 1 some cards or files were skipped (listed on stderr); 2 nothing could be listed.

#include "contactlisting.h"

#include "contactclient/carddav/carddavstore.h"
#include "contactclient/clientapplication.h"
#include "contactclient/factory.h"
#include "contactclient/vcard/vcardfolderstore.h"
#ifdef QUINTEL_HAVE_EDS
#include "contactclient/eds/edsbooklist.h"
#include "contactclient/eds/edsstore.h"
#endif
#include "settingsstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace cc = contactclient;

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
    const QCommandLineOption backend(
        QStringLiteral("backend"),
        QStringLiteral("The address book to read: vcard (a folder), carddav (the configured server) or eds (the "
                       "desktop's address book). Default: the configured one."),
        QStringLiteral("NAME"));
    const QCommandLineOption book(
        QStringLiteral("book"),
        QStringLiteral("With --backend eds: the desktop's address book to read, by name or UID "
                       "(several: separated by \";\"). Default: all enabled books."),
        QStringLiteral("NAME"));
    const QCommandLineOption listBooks(QStringLiteral("list-books"),
                                       QStringLiteral("Lists the desktop's address books with their contact counts."));
    const QCommandLineOption wait(
        QStringLiteral("wait"), QStringLiteral("Longest wait for the desktop's address book, in seconds (default 15)."),
        QStringLiteral("SECONDS"), QStringLiteral("15"));
    parser.addOption(json);
    parser.addOption(filter);
    parser.addOption(backend);
    parser.addOption(book);
    parser.addOption(listBooks);
    parser.addOption(wait);
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("A folder of .vcf files (default: the configured address book)."),
                                 QStringLiteral("[FOLDER]"));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    if (args.size() > 1) {
        err << "quintel-contacts: one folder at most\n";
        return 2;
    }

    const QString backendName = parser.value(backend).trimmed().toLower();
    bool waitOk = false;
    const double waitSeconds = parser.value(wait).toDouble(&waitOk);
    if (!waitOk || waitSeconds <= 0 || waitSeconds > 3600) {
        err << "quintel-contacts: --wait takes a number of seconds between 0 and 3600\n";
        return 2;
    }
    const auto waitTime = std::chrono::milliseconds(static_cast<qint64>(waitSeconds * 1000));
    if (!backendName.isEmpty() && backendName != QLatin1String("vcard") && backendName != QLatin1String("carddav") &&
        backendName != QLatin1String("eds")) {
        err << "quintel-contacts: unknown back-end \"" << backendName << "\" (vcard, carddav or eds)\n";
        return 2;
    }
    if ((parser.isSet(book) || parser.isSet(listBooks)) && backendName != QLatin1String("eds")) {
        err << "quintel-contacts: --book and --list-books go with --backend eds\n";
        return 2;
    }
    if (!args.isEmpty() && !backendName.isEmpty() && backendName != QLatin1String("vcard")) {
        err << "quintel-contacts: a FOLDER is a vCard folder (--backend vcard)\n";
        return 2;
    }

    QSettingsStore settings;
    std::shared_ptr<cc::Store> store;
    std::shared_ptr<cc::Application> application;
    if (backendName == QLatin1String("eds")) {
#ifdef QUINTEL_HAVE_EDS
        if (parser.isSet(listBooks)) {
            try {
                for (const cc::eds::BookSummary& b : cc::eds::listBooks(waitTime)) {
                    out << b.book.name << '\t' << b.book.uid << '\t';
                    if (b.contacts < 0)
                        out << "cannot be read: " << b.problem << '\n';
                    else
                        out << b.contacts << (b.contacts == 1 ? " contact" : " contacts") << '\n';
                }
            } catch (const cc::AutomationError& e) {
                err << "quintel-contacts: " << e.description() << " (error " << e.number() << ")\n";
                return 2;
            }
            return 0;
        }
        cc::EdsStore::Options options;
        options.books = parser.value(book);
        options.wait = waitTime;
        store = std::make_shared<cc::EdsStore>(options);
        application = std::make_shared<cc::ClientApplication>(store, nullptr);
#else
        err << "quintel-contacts: this build has no support for the desktop's address book (libebook)\n";
        return 2;
#endif
    } else if (backendName == QLatin1String("carddav")) {
        store = cc::createCardDavStore(settings);
        application = std::make_shared<cc::ClientApplication>(store, nullptr);
    } else if (args.isEmpty() && backendName == QLatin1String("vcard")) {
        store = cc::createVCardFolderStore(settings);
        application = std::make_shared<cc::ClientApplication>(store, nullptr);
    } else if (args.isEmpty()) {
        application = cc::createApplication(settings);
        if (auto client = std::dynamic_pointer_cast<cc::ClientApplication>(application))
            store = std::shared_ptr<cc::Store>(application, &client->store());
    } else {
        store = cc::createVCardFolderStore(args.front());
        application = std::make_shared<cc::ClientApplication>(store, nullptr);
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
    if (backendName == QLatin1String("eds") && !store->statusNote().isEmpty()) {
        err << "quintel-contacts: " << store->statusNote() << '\n';
        ++failures;
    }
    if (auto* folder = dynamic_cast<cc::VCardFolderStore*>(store.get())) {
        for (const cc::SkippedItem& s : folder->skipped()) {
            err << "quintel-contacts: skipped " << s.text() << '\n';
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
