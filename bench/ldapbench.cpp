// quintel-bench-ldap: the company directory back-end at directory sizes (default 100,000 entries)
// in a slapd on 127.0.0.1. Two comparisons, medians of --runs:
//   first download   the store's first full read into its copy, next to ldapsearch reading the
//                    same entries with the same paging into a file (the floor; target <= 2x)
//   start from copy  opening the store from its copy (the refresh then runs behind), next to the
//                    vCard folder back-end opening a folder of the same cards (target <= 1.2x)
//
//   quintel-bench-ldap [--entries 100000] [--runs 3] [--out FILE]

#include "../tests/ldap/slapdserver.h"
#include "alternating.h"
#include "contactclient/ldap/ldapconnection.h"
#include "contactclient/ldap/ldapstore.h"
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
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/resource.h>

using namespace contactclient;

namespace {

void say(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

QByteArray directory(int entries)
{
    QByteArray ldif;
    ldif.reserve(qsizetype(entries) * 400);
    for (int i = 1; i <= entries; ++i)
        ldif += personLdif(QStringLiteral("p%1").arg(i), QStringLiteral("Given%1").arg(i % 997),
                           QStringLiteral("Family%1").arg(i),
                           QStringLiteral("mail: p%1@example.com\ntelephoneNumber: +1 555 %2\nmobile: +1 555 %3\n"
                                          "postalAddress: %1 Main Street$Springfield, IL 62704$USA\n"
                                          "departmentNumber: Dept%4\n")
                               .arg(i)
                               .arg(i % 10000, 4, 10, QLatin1Char('0'))
                               .arg((i * 7) % 10000, 4, 10, QLatin1Char('0'))
                               .arg(i % 40));
    return ldif;
}

// The CPU time of the children that have ended so far.
double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Where the download's time goes: the paged read through the client library alone, and with
// each entry made into its card (no copy written).
double readAlone(const SlapdServer& server, bool map)
{
    LdapAccount a;
    const QStringList attributes =
        a.attributes.requested() +
        QStringList{QStringLiteral("entryUUID"), QStringLiteral("modifyTimestamp"), QStringLiteral("entryCSN")};
    ldap::ConnectionSettings settings;
    settings.url = server.url();
    QElapsedTimer t;
    t.start();
    ldap::Connection connection(settings);
    qsizetype bytes = 0;
    connection.pagedSearch(SlapdServer::kBase, ldap::kDefaultFilter, attributes, [&](const ldap::Entry& e) {
        if (map)
            bytes += ldap::toVCard(e, ldap::entryKey(e), a.attributes).size();
    });
    return double(t.nsecsElapsed()) / 1e6;
}

double ldapsearchFloor(const SlapdServer& server, const QString& file)
{
    LdapAccount a;
    const QStringList attributes =
        a.attributes.requested() +
        QStringList{QStringLiteral("entryUUID"), QStringLiteral("modifyTimestamp"), QStringLiteral("entryCSN")};
    QProcess p;
    p.setStandardOutputFile(file);
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("ldapsearch"),
            QStringList{QStringLiteral("-x"), QStringLiteral("-LLL"), QStringLiteral("-o"),
                        QStringLiteral("ldif-wrap=no"), QStringLiteral("-E"), QStringLiteral("pr=1000/noprompt"),
                        QStringLiteral("-H"), server.url(), QStringLiteral("-b"), SlapdServer::kBase,
                        ldap::kDefaultFilter} +
                attributes);
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        throw std::runtime_error("ldapsearch failed");
    return double(t.nsecsElapsed()) / 1e6;
}

LdapAccount account(const SlapdServer& server)
{
    LdapAccount a;
    a.url = server.url();
    a.baseDn = SlapdServer::kBase;
    return a;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption entriesOption(QStringLiteral("entries"), QStringLiteral("Directory size."),
                                           QStringLiteral("N"), QStringLiteral("100000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Runs of each figure."),
                                        QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Figures as JSON."),
                                       QStringLiteral("FILE"));
    parser.addOptions({entriesOption, runsOption, outOption});
    parser.process(app);
    const int entries = std::max(1, parser.value(entriesOption).toInt());
    const int runs = std::max(1, parser.value(runsOption).toInt());

    try {
        QTemporaryDir work;
        // Summaries of the copies go to the run's own folder, not the user's cache.
        SummaryCache::setStandardBase(work.path());
        SlapdServer server;
        say(QStringLiteral("loading %1 entries into slapd ...").arg(entries));
        if (!server.load(directory(entries)) || !server.start())
            throw std::runtime_error(server.error().toStdString());

        std::vector<double> floor, download, fromCopy, folder, floorCpu, downloadCpu, readOnly, readMap;
        QString copy;
        for (int run = 0; run < runs; ++run) {
            say(QStringLiteral("run %1 of %2 ...").arg(run + 1).arg(runs));
            const double childrenBefore = childrenCpuMs();
            floor.push_back(ldapsearchFloor(server, work.filePath(QStringLiteral("ldapsearch.ldif"))));
            floorCpu.push_back(childrenCpuMs() - childrenBefore);
            readOnly.push_back(readAlone(server, false));
            readMap.push_back(readAlone(server, true));

            const QString root = work.filePath(QStringLiteral("copy-%1").arg(run));
            QElapsedTimer t;
            const double cpuBefore = bench::processCpuMs();
            t.start();
            {
                LdapStore store(account(server), root);
                store.open();
                // A first start waits a while for the download, then goes on without it: the
                // download is timed to its end either way.
                store.waitForRefresh();
                if (store.items()->Count() != entries)
                    throw std::runtime_error("the first download did not bring every entry");
                download.push_back(double(t.nsecsElapsed()) / 1e6);
                downloadCpu.push_back(bench::processCpuMs() - cpuBefore);
                copy = store.copyFolder();
                // A bar keeps running after its first download: the copy's summary is made whole
                // a few seconds later.
                store.waitForSettling();
            }
            t.restart();
            {
                LdapStore store(account(server), root);
                store.open();
                if (store.items()->Count() != entries)
                    throw std::runtime_error("the start from the copy did not show every entry");
                fromCopy.push_back(double(t.nsecsElapsed()) / 1e6);
                store.waitForRefresh();
            }
            t.restart();
            {
                auto store = createVCardFolderStore(copy);
                store->open();
                if (store->items()->Count() != entries)
                    throw std::runtime_error("the vCard folder did not show every card");
                folder.push_back(double(t.nsecsElapsed()) / 1e6);
            }
            if (run > 0)
                QDir(root).removeRecursively();
        }
        const double f = bench::median(floor), d = bench::median(download), c = bench::median(fromCopy),
                     v = bench::median(folder);
        std::printf("\nCompany directory (LDAP), %d entries, medians of %d runs\n", entries, runs);
        std::printf("  first download       %9.0f ms   ldapsearch floor %9.0f ms   %.2fx (target <= 2x)   %s\n", d, f,
                    d / f, d <= 2 * f ? "ok" : "MISSED");
        std::printf("  first download CPU   %9.0f ms   ldapsearch CPU   %9.0f ms   %.2fx\n", bench::median(downloadCpu),
                    bench::median(floorCpu), bench::median(downloadCpu) / std::max(1.0, bench::median(floorCpu)));
        std::printf("  of it: paged read alone %6.0f ms, read and cards made %6.0f ms\n", bench::median(readOnly),
                    bench::median(readMap));
        std::printf("  start from the copy  %9.0f ms   vCard folder     %9.0f ms   %.2fx (target <= 1.2x) %s\n", c, v,
                    c / v, c <= 1.2 * v ? "ok" : "MISSED");
        std::fflush(stdout);
        if (parser.isSet(outOption)) {
            auto target = [](int issue, const QString& text, double measured, double limit) {
                return QJsonObject{{QStringLiteral("issue"), issue},
                                   {QStringLiteral("target"), text},
                                   {QStringLiteral("measured"), measured},
                                   {QStringLiteral("unit"), QStringLiteral("x")},
                                   {QStringLiteral("met"), measured <= limit}};
            };
            const QString size = QStringLiteral("%L1").arg(entries);
            const QString start =
                QStringLiteral("LDAP start from the local copy at %1 entries <= 1.2x a vCard folder").arg(size);
            const QJsonArray targets{
                target(17, QStringLiteral("LDAP first download at %1 entries <= 2x ldapsearch with paging").arg(size),
                       d / f, 2),
                target(17, start, c / v, 1.2), target(20, start, c / v, 1.2)};
            const QJsonObject o{{QStringLiteral("entries"), entries},
                                {QStringLiteral("runs"), runs},
                                {QStringLiteral("firstDownloadMs"), d},
                                {QStringLiteral("ldapsearchFloorMs"), f},
                                {QStringLiteral("firstDownloadCpuMs"), bench::median(downloadCpu)},
                                {QStringLiteral("ldapsearchFloorCpuMs"), bench::median(floorCpu)},
                                {QStringLiteral("pagedReadMs"), bench::median(readOnly)},
                                {QStringLiteral("pagedReadAndCardsMs"), bench::median(readMap)},
                                {QStringLiteral("startFromCopyMs"), c},
                                {QStringLiteral("vcardFolderMs"), v},
                                {QStringLiteral("targets"), targets}};
            QFile out(parser.value(outOption));
            if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(o).toJson()) < 0)
                throw std::runtime_error("cannot write the figures");
        }
    } catch (const std::exception& e) {
        say(QStringLiteral("quintel-bench-ldap: %1").arg(QString::fromUtf8(e.what())));
        return 2;
    }
    return 0;
}
