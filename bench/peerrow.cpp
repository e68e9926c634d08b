#include "peerrow.h"

#include "stats.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace bench {
namespace {

// The id both programs share: "urn:uuid:" and ".vcf" (with a card number) taken off.
QString sharedId(QString id)
{
    if (id.startsWith(QLatin1String("urn:uuid:")))
        id.remove(0, 9);
    const qsizetype hash = id.lastIndexOf(QLatin1Char('#'));
    if (hash >= 0 && id.left(hash).endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive))
        id.truncate(hash);
    if (id.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive))
        id.chop(4);
    return id;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

// A folder of links to the cards khard can list; the number of cards left out.
int linkReadableCards(const QString& folder, const QString& links)
{
    QDir().mkpath(links);
    int leftOut = 0;
    QDirIterator it(folder, {QStringLiteral("*.vcf")}, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo card(it.next());
        QFile f(card.filePath());
        if (!f.open(QIODevice::ReadOnly) || !khardReads(f.readAll())) {
            ++leftOut;
            continue;
        }
        if (!QFile::link(card.absoluteFilePath(), links + QLatin1Char('/') + card.fileName()))
            throw std::runtime_error("cannot link the cards for khard");
    }
    return leftOut;
}

QString fixed(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

} // namespace

QStringList sampleQueries(const QStringList& queries, int count)
{
    const auto n = int(queries.size());
    if (count <= 0)
        return {};
    if (n <= count)
        return queries;
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << queries.at(int(qint64(i) * n / count));
    return out;
}

QByteArray khardConfig(const QString& folder)
{
    QString path = QDir(folder).absolutePath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return "[addressbooks]\n[[bench]]\npath = " + path.toUtf8() +
           "\n[general]\neditor = /bin/false\nmerge_editor = /bin/false\n";
}

bool khardReads(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError() && !bytes.isEmpty();
}

QStringList khardIds(const QByteArray& parsable)
{
    QStringList ids;
    for (const QByteArray& line : parsable.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            ids << sharedId(QString::fromUtf8(line.left(tab)));
    }
    return ids;
}

QStringList quintelIds(const QByteArray& jsonLines)
{
    QStringList ids;
    for (const QByteArray& line : jsonLines.split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        const QString id = o.value(QStringLiteral("EntryID")).toString();
        if (!id.isEmpty())
            ids << sharedId(id);
    }
    return ids;
}

Overlap overlap(QStringList first, QStringList second)
{
    first.sort();
    first.removeDuplicates();
    second.sort();
    second.removeDuplicates();
    Overlap o;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < first.size() || j < second.size()) {
        if (j == second.size() || (i < first.size() && first[i] < second[j])) {
            ++o.onlyFirst;
            ++i;
        } else if (i == first.size() || second[j] < first[i]) {
            ++o.onlySecond;
            ++j;
        } else {
            ++o.both;
            ++i;
            ++j;
        }
    }
    return o;
}

ProcessRun runProcess(const QString& program, const QStringList& args, const QProcessEnvironment& env, int timeoutS)
{
    QProcess p;
    p.setProcessEnvironment(env);
    ProcessRun run;
    QElapsedTimer t;
    t.start();
    // timeout kills what runs too long, and with -k what ignores being asked to stop.
    p.start(QStringLiteral("/usr/bin/timeout"),
            QStringList{QStringLiteral("-k"), QStringLiteral("5"), QString::number(timeoutS), program} + args);
    p.waitForFinished(-1);
    run.ms = double(t.nsecsElapsed()) / 1e6;
    // Killed (timeout kills its own process group with it): no status.
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    // 124: timeout stopped it; 137: timeout killed it.
    run.finished = run.exitCode >= 0 && run.exitCode != 124 && run.exitCode != 137;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

QJsonObject measurePeers(const PeerOptions& o, const std::vector<TypedQuery>& queries)
{
    QTemporaryDir home;
    if (!home.isValid())
        throw std::runtime_error("cannot create a folder for the peer row");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        env.insert(QString::fromLatin1(name), home.filePath(QString::fromLatin1(name).toLower()));
    env.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    int leftOut = 0;
    const QString config = home.filePath(QStringLiteral("xdg_config_home/khard/khard.conf"));
    if (!o.khard.isEmpty()) {
        // khard reads the same cards through links, without the ones it cannot list at all.
        const QString links = home.filePath(QStringLiteral("khard-book"));
        leftOut = linkReadableCards(o.folder, links);
        if (!writeFile(config, khardConfig(links)))
            throw std::runtime_error("cannot write khard's configuration");
    }
    const QStringList searchArgs{QStringLiteral("--json"), QStringLiteral("--search")};
    // The first run writes the folder's summary into the cache; the timed ones start from it.
    const ProcessRun warm =
        runProcess(o.contacts, searchArgs + QStringList{QStringLiteral("x"), o.folder}, env, o.timeoutS);
    if (!warm.finished || warm.exitCode > 1)
        throw std::runtime_error("quintel-contacts --search failed: " + warm.err.toStdString());

    QJsonArray rows;
    std::vector<double> khardMs, khardSourceMs, contactsMs, keysMs;
    std::printf("\npeer row at %s (khard run once per query, quintel-contacts the median of %d runs)\n",
                qPrintable(QFileInfo(o.folder).fileName()), o.runs);
    std::printf("%-24s %17s %17s %19s %21s %26s\n", "query", "khard list: found", "khard list -f", "quintel-contacts",
                "both/only khard/ours", "list of matches per key");
    std::printf("%-24s %17s %17s %19s %21s %26s\n", "", "/ s", "found / s", "found / ms", "", "found / p50 / p99 ms");
    for (const TypedQuery& q : queries) {
        QJsonObject row{{QStringLiteral("query"), q.query},
                        {QStringLiteral("finderFound"), q.found},
                        {QStringLiteral("finderKeys"), int(q.keysMs.size())},
                        {QStringLiteral("finderP50Ms"), percentile(q.keysMs, 0.5)},
                        {QStringLiteral("finderP99Ms"), percentile(q.keysMs, 0.99)}};
        keysMs.insert(keysMs.end(), q.keysMs.begin(), q.keysMs.end());

        std::vector<double> runsMs;
        ProcessRun ours;
        for (int r = 0; r < std::max(1, o.runs); ++r) {
            ours = runProcess(o.contacts, searchArgs + QStringList{q.query, o.folder}, env, o.timeoutS);
            runsMs.push_back(ours.ms);
        }
        const QStringList ourIds = quintelIds(ours.out);
        row.insert(QStringLiteral("contactsMs"), median(runsMs));
        row.insert(QStringLiteral("contactsFound"), int(ourIds.size()));
        row.insert(QStringLiteral("contactsExit"), ours.exitCode);
        contactsMs.push_back(median(runsMs));

        QString khardColumn = QStringLiteral("-");
        QString overlapColumn = QStringLiteral("-");
        QString sourceColumn = QStringLiteral("-");
        if (!o.khard.isEmpty()) {
            QStringList args{QStringLiteral("-c"), config, QStringLiteral("--skip-unparsable"), QStringLiteral("list"),
                             QStringLiteral("-p")};
            args += q.query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const ProcessRun khard = runProcess(o.khard, args, env, o.timeoutS);
            const QStringList theirIds = khardIds(khard.out);
            // khard's quicker way: the words looked for in the files' text first, only those parsed.
            args.insert(args.indexOf(QStringLiteral("-p")), QStringLiteral("-f"));
            const ProcessRun inSource = runProcess(o.khard, args, env, o.timeoutS);
            const auto inSourceFound = int(khardIds(inSource.out).size());
            row.insert(QStringLiteral("khardSourceFilesMs"), inSource.ms);
            row.insert(QStringLiteral("khardSourceFilesFound"), inSourceFound);
            if (inSource.finished)
                khardSourceMs.push_back(inSource.ms);
            sourceColumn = inSource.finished
                               ? QStringLiteral("%1 / %2").arg(inSourceFound).arg(fixed(inSource.ms / 1e3, 2))
                               : QStringLiteral("timed out");
            const Overlap both = overlap(theirIds, ourIds);
            row.insert(QStringLiteral("khardMs"), khard.ms);
            row.insert(QStringLiteral("khardFound"), int(theirIds.size()));
            row.insert(QStringLiteral("khardExit"), khard.exitCode);
            row.insert(QStringLiteral("khardFinished"), khard.finished);
            row.insert(QStringLiteral("foundByBoth"), both.both);
            row.insert(QStringLiteral("onlyKhard"), both.onlyFirst);
            row.insert(QStringLiteral("onlyQuintel"), both.onlySecond);
            if (khard.finished)
                khardMs.push_back(khard.ms);
            khardColumn = khard.finished ? QStringLiteral("%1 / %2").arg(theirIds.size()).arg(fixed(khard.ms / 1e3, 2))
                                         : QStringLiteral("timed out");
            overlapColumn = QStringLiteral("%1/%2/%3").arg(both.both).arg(both.onlyFirst).arg(both.onlySecond);
        }
        std::printf("%-24s %17s %17s %19s %21s %26s\n", qPrintable(QLatin1Char('"') + q.query + QLatin1Char('"')),
                    qPrintable(khardColumn), qPrintable(sourceColumn),
                    qPrintable(QStringLiteral("%1 / %2").arg(ourIds.size()).arg(fixed(median(runsMs), 0))),
                    qPrintable(overlapColumn),
                    qPrintable(QStringLiteral("%1 / %2 / %3")
                                   .arg(q.found)
                                   .arg(fixed(percentile(q.keysMs, 0.5), 3), fixed(percentile(q.keysMs, 0.99), 3))));
        rows.append(row);
    }
    const QJsonObject summary{{QStringLiteral("khardMedianMs"), median(khardMs)},
                              {QStringLiteral("khardSourceFilesMedianMs"), median(khardSourceMs)},
                              {QStringLiteral("contactsMedianMs"), median(contactsMs)},
                              {QStringLiteral("finderP50Ms"), percentile(keysMs, 0.5)},
                              {QStringLiteral("finderP99Ms"), percentile(keysMs, 0.99)}};
    std::printf("%-24s %17s %17s %19s %21s %26s\n", "median / all keys", qPrintable(fixed(median(khardMs) / 1e3, 2)),
                qPrintable(fixed(median(khardSourceMs) / 1e3, 2)), qPrintable(fixed(median(contactsMs), 0)), "",
                qPrintable(QStringLiteral("%1 / %2").arg(fixed(percentile(keysMs, 0.5), 3),
                                                         fixed(percentile(keysMs, 0.99), 3))));
    std::printf("khard finds a contact when each word is part of any of its fields, letter case ignored, accents and "
                "scripts as written; quintel-contacts and the list of matches when each word begins a word of a name, "
                "nickname, organisation, title, e-mail address, category, city or postal code (accents folded, other "
                "scripts transliterated) or is a run of a number's digits. \"both/only\" compares the two listings "
                "contact by contact.\n");
    if (leftOut > 0)
        std::printf("khard was given %d cards fewer: files it cannot list (not UTF-8, or empty)\n", leftOut);
    std::fflush(stdout);
    return {{QStringLiteral("folder"), o.folder},
            {QStringLiteral("khard"), o.khard},
            {QStringLiteral("cardsLeftOutForKhard"), leftOut},
            {QStringLiteral("contactsRuns"), o.runs},
            {QStringLiteral("queries"), rows},
            {QStringLiteral("summary"), summary}};
}

} // namespace bench
