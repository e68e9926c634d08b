// quintel-bench-eds: the desktop's address book back-end (evolution-data-server) at 10,000
// contacts, in a private evolution-data-server on a bus of its own (nothing of the user's is
// touched). Medians of --runs, wall time and the process's CPU time:
//   floor     libebook alone: the registry, the book opened for direct reading, every contact
//             read and the fields the contact lists need taken from it
//   start-up  the bar's contact session loading the same book through the back-end, to the lists
//             (names sorted, the index and the categories built): target <= 2x the floor
//
//   quintel-bench-eds [--contacts 10000] [--runs 5] [--out FILE]

#include "contactclient/eds/ebook.h" // before Qt's keywords

#include "contactclient/clientapplication.h"
#include "contactclient/eds/edsstore.h"
#include "contacts/contactsession.h"
#include "edssandbox.h"
#include "testbooks.h"

#include "alternating.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <stdexcept>
#include <vector>

#include <signal.h>

using namespace contactclient;

namespace {

const QString kBook = QStringLiteral("quintel-bench");

using bench::alternating;
using bench::Timing;

void say(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

// The generated folder's cards, the broken ones left out.
QList<QByteArray> generatedCards(const QString& generator, int contacts, const QString& folder)
{
    if (QProcess::execute(
            QStringLiteral("/usr/bin/python3"),
            {generator, QStringLiteral("--count"), QString::number(contacts), QStringLiteral("--out"), folder}) != 0)
        throw std::runtime_error("the generator failed");
    QList<QByteArray> cards;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
        QFile f(folder + QLatin1Char('/') + name);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = f.readAll();
        if (text.startsWith("BEGIN:VCARD") && text.trimmed().endsWith("END:VCARD"))
            cards.append(text);
    }
    return cards;
}

// libebook alone: what any program reading the book takes at least.
int directRead()
{
    GError* error = nullptr;
    eds::GRef<ESourceRegistry> registry(e_source_registry_new_sync(nullptr, &error));
    if (!registry)
        throw std::runtime_error(error ? error->message : "no registry");
    eds::GRef<ESource> source(e_source_registry_ref_source(registry.get(), kBook.toUtf8().constData()));
    if (!source)
        throw std::runtime_error("the book is not in the registry");
    EClient* client = e_book_client_connect_direct_sync(registry.get(), source.get(), G_MAXUINT32, nullptr, &error);
    if (!client)
        throw std::runtime_error(error ? error->message : "cannot open the book");
    eds::GRef<EBookClient> book(reinterpret_cast<EBookClient*>(client));
    GSList* contacts = nullptr;
    EBookQuery* query = e_book_query_any_field_contains("");
    gchar* sexp = e_book_query_to_string(query);
    e_book_query_unref(query);
    const bool ok = e_book_client_get_contacts_sync(book.get(), sexp, &contacts, nullptr, &error);
    g_free(sexp);
    if (!ok)
        throw std::runtime_error(error ? error->message : "cannot read the book");
    int count = 0;
    std::size_t bytes = 0;
    for (GSList* l = contacts; l; l = l->next) {
        auto* contact = static_cast<EContact*>(l->data);
        for (EContactField field : {E_CONTACT_UID, E_CONTACT_FILE_AS, E_CONTACT_FULL_NAME, E_CONTACT_CATEGORIES}) {
            if (const auto* text = static_cast<const char*>(e_contact_get_const(contact, field)))
                bytes += qstrlen(text);
        }
        bytes += e_contact_get(contact, E_CONTACT_IS_LIST) != nullptr ? 1 : 0;
        ++count;
    }
    g_slist_free_full(contacts, g_object_unref);
    return bytes > 0 ? count : 0;
}

// The bar's contact session on the back-end, from nothing to the lists; the number of items read.
int sessionStart()
{
    EdsStore::Options options;
    options.books = kBook;
    auto store = std::make_shared<EdsStore>(options);
    ContactSession session([store] { return std::make_shared<ClientApplication>(store, nullptr, noDesktop()); });
    QString failure;
    QObject::connect(&session, &ContactSession::loadFailed,
                     [&failure](int, const QString& description) { failure = description; });
    session.load(); // without a background runner: read and built here, in order
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
    return session.contactItems() ? session.contactItems()->Count() : 0;
}

QJsonObject figures(const Timing& t)
{
    return {{QStringLiteral("medianMs"), t.wallMs}, {QStringLiteral("cpuMs"), t.cpuMs}};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption contactsOption(QStringLiteral("contacts"), QStringLiteral("Contacts in the book."),
                                            QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs; medians are shown."),
                                        QStringLiteral("N"), QStringLiteral("5"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Figures and targets as JSON."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption generatorOption(QStringLiteral("generator"), QStringLiteral("gen-addressbook.py"),
                                             QStringLiteral("FILE"), QStringLiteral(QUINTEL_BENCH_GENERATOR));
    parser.addOptions({contactsOption, runsOption, outOption, generatorOption});
    parser.process(app);
    const int contacts = std::max(1, parser.value(contactsOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());

    EdsSandbox sandbox;
    int status = 0;
    try {
        QTemporaryDir work;
        say(QStringLiteral("starting a private evolution-data-server ..."));
        if (!sandbox.start())
            throw std::runtime_error(sandbox.error().toStdString());
        sandbox.enterThisProcess();
        const QList<QByteArray> cards =
            generatedCards(parser.value(generatorOption), contacts, work.filePath(QStringLiteral("cards")));
        say(QStringLiteral("adding %1 contacts ...").arg(cards.size()));
        int added = 0;
        {
            TestBooks books;
            books.createBook(kBook, QStringLiteral("Bench"));
            for (qsizetype i = 0; i < cards.size(); i += 1000)
                added += books.addMany(kBook, cards.mid(i, 1000));
            if (!books.error().isEmpty())
                throw std::runtime_error(books.error().toStdString());
        }
        // One of each first: the book's files in the page cache, the factory's summary built.
        const int floorCount = directRead();
        const int sessionCount = sessionStart();
        if (floorCount != added || sessionCount != added)
            throw std::runtime_error(QStringLiteral("%1 contacts added, %2 read directly, %3 read by the bar")
                                         .arg(added)
                                         .arg(floorCount)
                                         .arg(sessionCount)
                                         .toStdString());

        say(QStringLiteral("measuring, %1 runs ...").arg(runs));
        const std::vector<Timing> timings = alternating(runs, {[] { directRead(); }, [] { sessionStart(); }});
        const Timing& floor = timings[0];
        const Timing& start = timings[1];
        const double ratio = start.wallMs / floor.wallMs;
        const double cpuRatio = floor.cpuMs > 0 ? start.cpuMs / floor.cpuMs : 0;
        std::printf("\nDesktop address book (evolution-data-server), %d contacts, medians of %d runs taken in turn\n",
                    added, runs);
        std::printf("  libebook direct read     %9.1f ms   CPU %9.1f ms\n", floor.wallMs, floor.cpuMs);
        std::printf("  start-up to the lists    %9.1f ms   CPU %9.1f ms   %.2fx (CPU %.2fx; target <= 2x)   %s\n",
                    start.wallMs, start.cpuMs, ratio, cpuRatio, ratio <= 2 ? "ok" : "MISSED");
        std::fflush(stdout);
        if (parser.isSet(outOption)) {
            const QJsonObject target{
                {QStringLiteral("issue"), 15},
                {QStringLiteral("target"),
                 QStringLiteral("start-up with the desktop's address book (EDS) at %1 contacts <= 2x EDS's own "
                                "direct read")
                     .arg(QLocale(QLocale::English).toString(contacts))},
                {QStringLiteral("measured"), ratio},
                {QStringLiteral("unit"), QStringLiteral("x")},
                {QStringLiteral("met"), ratio <= 2},
                {QStringLiteral("cpu"), cpuRatio}};
            const QJsonObject o{{QStringLiteral("contacts"), added},
                                {QStringLiteral("runs"), runs},
                                {QStringLiteral("directRead"), figures(floor)},
                                {QStringLiteral("startup"), figures(start)},
                                {QStringLiteral("targets"), QJsonArray{target}}};
            QFile out(parser.value(outOption));
            if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(o).toJson()) < 0)
                throw std::runtime_error("cannot write the figures");
        }
    } catch (const std::exception& e) {
        say(QStringLiteral("quintel-bench-eds: %1").arg(QString::fromUtf8(e.what())));
        status = 2;
    }
    // libebook's own bus connections end the process (SIGTERM) when their bus goes away.
    ::signal(SIGTERM, SIG_IGN);
    sandbox.stop();
    return status;
}
