// quintel-bench-carddav: the CardDAV back-end at an address book size (default 10,000 contacts)
// in a Radicale on 127.0.0.1. Medians of --runs:
//   first download   the store's first sync into its copy, once (for the record)
//   start from copy  opening the store from its copy, the sync running behind, next to the vCard
//                    folder back-end opening a folder of the same cards (target <= 1.2x)
//   sync landed      from the start from the copy until its sync has landed (for the record)
//
//   quintel-bench-carddav [--contacts 10000] [--runs 3] [--out FILE]

#include "../tests/carddav/radicaleserver.h"
#include "contactclient/carddav/carddavstore.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "stats.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

using namespace contactclient;

namespace {

const QString kBook = QStringLiteral("/shared/contacts/");

void say(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The address book written straight into the server's storage before it starts: seeding it
// through the server would take longer than everything measured.
void seed(const test::RadicaleServer& server, int contacts)
{
    const QString folder = server.storage() + QStringLiteral("/collection-root") + kBook;
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot make the server's storage");
    auto write = [](const QString& path, const QByteArray& data) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            throw std::runtime_error("cannot seed the server's storage");
    };
    write(folder + QStringLiteral(".Radicale.props"), R"({"tag": "VADDRESSBOOK"})");
    for (int i = 1; i <= contacts; ++i) {
        const QString uid = QStringLiteral("c%1").arg(i);
        write(folder + uid + QStringLiteral(".vcf"),
              test::card(uid, QStringLiteral("Given%1 Family%2").arg(i % 997).arg(i),
                         {QStringLiteral("EMAIL:c%1@example.com").arg(i),
                          QStringLiteral("TEL;TYPE=work,voice:+1 555 %1").arg(i % 10000, 4, 10, QLatin1Char('0')),
                          QStringLiteral("CATEGORIES:Dept%1").arg(i % 40)}));
    }
}

struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

// Opens the store and counts its items.
template <typename Open> Timing timed(int expected, const char* what, Open open)
{
    const double cpu = threadCpuMs();
    QElapsedTimer t;
    t.start();
    const int count = open();
    const Timing timing{double(t.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
    if (count != expected)
        throw std::runtime_error(std::string(what) + " did not show every contact");
    return timing;
}

QJsonObject target(const QString& text, double measured, double limit, double cpu)
{
    return {{QStringLiteral("issue"), 20},
            {QStringLiteral("target"), text},
            {QStringLiteral("measured"), measured},
            {QStringLiteral("unit"), QStringLiteral("x")},
            {QStringLiteral("met"), measured <= limit},
            {QStringLiteral("cpu"), cpu}};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption contactsOption(QStringLiteral("contacts"), QStringLiteral("Address book size."),
                                            QStringLiteral("N"), QStringLiteral("10000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each figure."),
                                        QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Figures as JSON."),
                                       QStringLiteral("FILE"));
    parser.addOptions({contactsOption, runsOption, outOption});
    parser.process(app);
    const int contacts = std::max(1, parser.value(contactsOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());

    try {
        QTemporaryDir work;
        QTemporaryDir xdgCache;
        qputenv("XDG_CACHE_HOME", xdgCache.path().toUtf8());
        test::RadicaleServer server;
        say(QStringLiteral("writing %1 contacts into Radicale's storage ...").arg(contacts));
        seed(server, contacts);
        if (!server.start())
            throw std::runtime_error("Radicale does not start");
        const CardDavAccount account{server.url().toString(), {}, kBook};

        std::vector<double> download, fromCopy, fromCopyCpu, folder, folderCpu, landed;
        const QString root = work.filePath(QStringLiteral("copy"));
        QString copy;
        for (int run = 0; run < runs; ++run) {
            say(QStringLiteral("run %1 of %2 ...").arg(run + 1).arg(runs));
            // One first download: Radicale builds its own cache of the cards on the first, so that
            // it takes far longer than any later one.
            if (run == 0) {
                CardDavStore store(account, root);
                download.push_back(timed(contacts, "the first download", [&] {
                                       store.setFirstWait(std::chrono::milliseconds::max(), std::chrono::seconds(30));
                                       store.open();
                                       copy = store.cacheFolder();
                                       return store.items()->Count();
                                   }).wallMs);
                // A bar keeps running after its first download: the copy's summary is made whole
                // a few seconds later.
                store.waitForSettling();
            }
            {
                CardDavStore store(account, root);
                const Timing t = timed(contacts, "the start from the copy", [&] {
                    store.open();
                    return store.items()->Count();
                });
                fromCopy.push_back(t.wallMs);
                fromCopyCpu.push_back(t.cpuMs);
                QElapsedTimer sync;
                sync.start();
                store.waitForRefresh();
                landed.push_back(t.wallMs + double(sync.nsecsElapsed()) / 1e6);
                if (!store.statusNote().isEmpty())
                    throw std::runtime_error("the sync did not land cleanly: " + store.statusNote().toStdString());
            }
            const Timing t = timed(contacts, "the vCard folder", [&] {
                auto store = createVCardFolderStore(copy);
                store->open();
                return store->items()->Count();
            });
            folder.push_back(t.wallMs);
            folderCpu.push_back(t.cpuMs);
        }
        const double d = bench::median(download), c = bench::median(fromCopy), v = bench::median(folder),
                     l = bench::median(landed);
        const double cpuRatio = bench::median(fromCopyCpu) / std::max(1e-3, bench::median(folderCpu));
        std::printf("\nCardDAV address book (Radicale), %d contacts, medians of %d runs\n", contacts, runs);
        std::printf("  first download       %9.0f ms\n", d);
        std::printf("  start from the copy  %9.0f ms   vCard folder %9.0f ms   %.2fx, CPU %.2fx (target <= 1.2x) %s\n",
                    c, v, c / v, cpuRatio, c <= 1.2 * v ? "ok" : "MISSED");
        std::printf("  sync landed after    %9.0f ms\n", l);
        std::fflush(stdout);
        if (parser.isSet(outOption)) {
            const QJsonArray targets{
                target(QStringLiteral("CardDAV start from the local copy at %L1 contacts <= 1.2x a vCard folder")
                           .arg(contacts),
                       c / v, 1.2, cpuRatio)};
            const QJsonObject o{{QStringLiteral("contacts"), contacts}, {QStringLiteral("runs"), runs},
                                {QStringLiteral("firstDownloadMs"), d}, {QStringLiteral("startFromCopyMs"), c},
                                {QStringLiteral("vcardFolderMs"), v},   {QStringLiteral("syncLandedMs"), l},
                                {QStringLiteral("targets"), targets}};
            QFile out(parser.value(outOption));
            if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(o).toJson()) < 0)
                throw std::runtime_error("cannot write the figures");
        }
    } catch (const std::exception& e) {
        say(QStringLiteral("quintel-bench-carddav: %1").arg(QString::fromUtf8(e.what())));
        return 2;
    }
    return 0;
}
