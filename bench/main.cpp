// quintel-bench: start-up, keystroke, category-filter and memory figures of the bar on generated
// address books. Each size runs in processes of its own, so the memory peak is that size's alone.
//
//   quintel-bench [--sizes 1000,10000,100000] [--runs 5] [--keys 1000] [--data DIR] [--out FILE]
//   quintel-bench --measure speed|memory|written --folder DIR --json FILE [--runs N] [--keys N]
//
// The timed starts are of a folder as users have it, unchanged since the bar last read it: the
// driver waits until its newest card is older than the summary's margin for changes hidden in one
// tick of the file times. A copy of the folder, its cards touched to now, gives the start just
// after the folder was written, reported on a line of its own.

#include "folderage.h"
#include "measure.h"
#include "report.h"

#include "allocator.h"
#include "contactclient/vcard/folderscan.h"
#include "contactclient/vcard/summarycache.h"
#include "desktop/messagebox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <exception>

namespace {

void say(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

bool writeJson(const QString& path, const QJsonObject& o)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.write(QJsonDocument(o).toJson());
    return f.flush();
}

QJsonObject readJson(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object();
}

QString python()
{
    if (QFileInfo::exists(QStringLiteral("/usr/bin/python3")))
        return QStringLiteral("/usr/bin/python3");
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}

// The generated folder of that size, written afresh when it is missing or older than the generator.
QString ensureFolder(const QString& data, int contacts, const QString& generator)
{
    const QString folder = QStringLiteral("%1/contacts-%2").arg(data).arg(contacts);
    const QFileInfo stamp(folder + QStringLiteral("/.generated.json"));
    if (stamp.exists() && readJson(stamp.filePath()).value(QStringLiteral("contacts")).toInt() == contacts &&
        stamp.lastModified() >= QFileInfo(generator).lastModified())
        return folder;
    say(QStringLiteral("generating %1 contacts in %2 ...").arg(contacts).arg(folder));
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(python(),
            {generator, QStringLiteral("--count"), QString::number(contacts), QStringLiteral("--out"), folder});
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("the address-book generator failed");
    return folder;
}

// cacheHome: the children's own cache folder (XDG_CACHE_HOME), where the bar keeps the folder
// summaries; never the user's.
QJsonObject runChild(const QString& mode, const QString& folder, int runs, int keys, const QString& json,
                     const QString& cacheHome)
{
    QFile::remove(json);
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(),
            {QStringLiteral("--measure"), mode, QStringLiteral("--folder"), folder, QStringLiteral("--json"), json,
             QStringLiteral("--runs"), QString::number(runs), QStringLiteral("--keys"), QString::number(keys)});
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error(QStringLiteral("the %1 run on %2 failed").arg(mode, folder).toStdString());
    const QJsonObject o = readJson(json);
    if (o.isEmpty())
        throw std::runtime_error(QStringLiteral("the %1 run wrote no figures").arg(mode).toStdString());
    return o;
}

// Waits until the folder's newest card is older than the summary's margin, so that the first start
// records every card as settled and the timed starts read none again. Returns the time waited.
qint64 waitUntilSettled(const QString& folder)
{
    const bench::FolderAge age = bench::folderAge(folder);
    const qint64 waitMs =
        bench::settleWaitMs(age.newestNs, contactclient::realTimeNs(), contactclient::kRacyMarginNs, 60'000);
    if (waitMs > 0) {
        say(QStringLiteral("waiting %1 ms until the folder's newest card is %2 s old ...")
                .arg(waitMs)
                .arg(double(contactclient::kRacyMarginNs) / 1e9, 0, 'f', 0));
        QThread::msleep(static_cast<unsigned long>(waitMs));
    }
    return waitMs;
}

// The start just after the folder was written, on a copy of it (its cards are touched).
QJsonObject measureWritten(const QString& folder, const QString& outDir, int runs, int keys, const QString& json,
                           const QString& cacheHome)
{
    QTemporaryDir copies(outDir + QStringLiteral("/.bench-written-XXXXXX"));
    const QString copy = copies.path() + QLatin1Char('/') + QFileInfo(folder).fileName();
    say(QStringLiteral("copying %1 to measure the start just after it was written ...").arg(folder));
    if (!copies.isValid() || !bench::copyFolder(folder, copy))
        throw std::runtime_error(QStringLiteral("cannot copy %1").arg(folder).toStdString());
    return runChild(QStringLiteral("written"), copy, runs, keys, json, cacheHome);
}

int runChildMode(const QCommandLineParser& args)
{
    bench::MeasureOptions o;
    o.folder = QDir(args.value(QStringLiteral("folder"))).absolutePath();
    o.runs = std::max(1, args.value(QStringLiteral("runs")).toInt());
    o.minKeys = std::max(1, args.value(QStringLiteral("keys")).toInt());
    MessageBox::setTestMode(true);
    const QString mode = args.value(QStringLiteral("measure"));
    const QJsonObject figures = mode == QLatin1String("memory")    ? bench::measureMemory(o)
                                : mode == QLatin1String("written") ? bench::measureJustWritten(o)
                                                                   : bench::measureSpeed(o);
    return writeJson(args.value(QStringLiteral("json")), figures) ? 0 : 1;
}

int runDriver(const QCommandLineParser& args)
{
    const QString data = QDir(args.value(QStringLiteral("data"))).absolutePath();
    const QString out = QFileInfo(args.value(QStringLiteral("out"))).absoluteFilePath();
    const QString generator = args.value(QStringLiteral("generator"));
    const int runs = std::max(1, args.value(QStringLiteral("runs")).toInt());
    const int keys = std::max(1, args.value(QStringLiteral("keys")).toInt());

    // A cache folder of this run's own: each size's first start finds no summary and writes one.
    QTemporaryDir cacheHome(QFileInfo(out).absolutePath() + QStringLiteral("/.bench-cache-XXXXXX"));
    if (!cacheHome.isValid())
        throw std::runtime_error("cannot create a cache folder for the runs");

    QJsonArray sizes;
    QStringList problems;
    for (const QString& text : args.value(QStringLiteral("sizes")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int contacts = text.trimmed().toInt();
        if (contacts <= 0)
            throw std::runtime_error("--sizes takes positive numbers, such as 1000,10000,100000");
        const QString folder = ensureFolder(data, contacts, generator);
        const qint64 waitMs = waitUntilSettled(folder);
        say(QStringLiteral("measuring %1 contacts ...").arg(contacts));
        const QString tmp = QFileInfo(out).absolutePath() + QStringLiteral("/.figures-%1.json").arg(contacts);
        QJsonObject size = runChild(QStringLiteral("speed"), folder, runs, keys, tmp, cacheHome.path());
        size.insert(QStringLiteral("settleWaitMs"), waitMs);
        const QJsonObject memory = runChild(QStringLiteral("memory"), folder, runs, keys, tmp, cacheHome.path());
        size.insert(QStringLiteral("memory"), memory);
        const QJsonObject written =
            measureWritten(folder, QFileInfo(out).absolutePath(), runs, keys, tmp, cacheHome.path());
        size.insert(QStringLiteral("justWritten"), written);
        QFile::remove(tmp);
        for (const QJsonObject& part : {size, memory, written}) {
            for (const QJsonValue& v : part.value(QStringLiteral("problems")).toArray())
                problems.append(QStringLiteral("%1 contacts: %2").arg(contacts).arg(v.toString()));
        }
        sizes.append(size);
    }

    const QJsonArray targets = bench::evaluateTargets(sizes);
    const QJsonObject result{
        {QStringLiteral("date"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
        {QStringLiteral("machine"), QJsonObject{{QStringLiteral("cpus"), QThread::idealThreadCount()},
                                                {QStringLiteral("kernel"), QSysInfo::kernelVersion()},
                                                {QStringLiteral("os"), QSysInfo::prettyProductName()},
                                                {QStringLiteral("qt"), QString::fromLatin1(qVersion())}}},
        {QStringLiteral("sizes"), sizes},
        {QStringLiteral("targets"), targets},
        {QStringLiteral("problems"), QJsonArray::fromStringList(problems)}};
    if (!writeJson(out, result))
        throw std::runtime_error(QStringLiteral("cannot write %1").arg(out).toStdString());

    std::printf("\n%s\nfigures written to %s\n", qPrintable(bench::formatTable(sizes, targets)), qPrintable(out));
    for (const QString& p : std::as_const(problems))
        std::printf("PROBLEM: %s\n", qPrintable(p));
    std::fflush(stdout);
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    bool child = false;
    for (int i = 1; i < argc; ++i)
        child = child || QByteArray(argv[i]) == "--measure";
    if (child) {
        // The allocator as the program sets it up.
        allocator::tuneAllocator();
        // The bar runs on the offscreen platform, out of the user's own settings and files.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        // The test mode's cache folder is shared by every test run: the summaries go to the
        // folder the driver gave instead.
        if (qEnvironmentVariableIsSet("XDG_CACHE_HOME"))
            contactclient::SummaryCache::setStandardBase(qEnvironmentVariable("XDG_CACHE_HOME"));
    }
    std::unique_ptr<QCoreApplication> app;
    if (child)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quintel"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quintel"));

    QCommandLineParser args;
    args.setApplicationDescription(
        QStringLiteral("Start-up, keystroke, category-filter and memory figures of the bar."));
    args.addHelpOption();
    args.addOptions({
        {QStringLiteral("sizes"), QStringLiteral("Address-book sizes, comma-separated."), QStringLiteral("list"),
         QStringLiteral("1000,10000,100000")},
        {QStringLiteral("runs"), QStringLiteral("Start-ups and filter rounds per size (the median counts)."),
         QStringLiteral("n"), QStringLiteral("5")},
        {QStringLiteral("keys"), QStringLiteral("Key events in the typing session, at least."), QStringLiteral("n"),
         QStringLiteral("1000")},
        {QStringLiteral("data"), QStringLiteral("Where the generated address books are kept."), QStringLiteral("dir"),
         QStringLiteral("bench-data")},
        {QStringLiteral("out"), QStringLiteral("The JSON file of figures."), QStringLiteral("file"),
         QStringLiteral("results.json")},
        {QStringLiteral("generator"), QStringLiteral("The address-book generator."), QStringLiteral("file"),
         QStringLiteral(QUINTEL_BENCH_GENERATOR)},
        {QStringLiteral("measure"),
         QStringLiteral("Internal: measure one folder in this process (speed, memory, written)."),
         QStringLiteral("what")},
        {QStringLiteral("folder"), QStringLiteral("Internal: the folder to measure."), QStringLiteral("dir")},
        {QStringLiteral("json"), QStringLiteral("Internal: where to write the figures."), QStringLiteral("file")},
    });
    args.process(*app);

    try {
        return child ? runChildMode(args) : runDriver(args);
    } catch (const std::exception& e) {
        say(QStringLiteral("quintel-bench: %1").arg(QString::fromUtf8(e.what())));
        return 1;
    }
}
