#include "report.h"

#include <QLocale>

#include <functional>

namespace bench {
namespace {

QJsonObject sizeOf(const QJsonArray& sizes, int contacts)
{
    for (const QJsonValue& v : sizes) {
        if (v.toObject().value(QStringLiteral("contacts")).toInt() == contacts)
            return v.toObject();
    }
    return {};
}

double at(const QJsonObject& o, const QString& path)
{
    QJsonValue v = o;
    for (const QString& part : path.split(QLatin1Char('.')))
        v = v.toObject().value(part);
    return v.toDouble();
}

double startupRatio(const QJsonObject& s)
{
    const double floor = at(s, QStringLiteral("floor.medianMs"));
    return floor > 0 ? at(s, QStringLiteral("startup.medianMs")) / floor : 0;
}

// The start just after the folder was written against the same floor; 0 when it was not measured.
double justWrittenRatio(const QJsonObject& s)
{
    const double floor = at(s, QStringLiteral("floor.medianMs"));
    return floor > 0 ? at(s, QStringLiteral("justWritten.medianMs")) / floor : 0;
}

// A figure that older figures files (or a run that left it out) do not have shows as "-".
bool has(const QJsonObject& o, const QString& path)
{
    QJsonValue v = o;
    for (const QString& part : path.split(QLatin1Char('.')))
        v = v.toObject().value(part);
    return v.isDouble();
}

double slowestFilter(const QJsonObject& s)
{
    double worst = 0;
    for (const QJsonValue& f : s.value(QStringLiteral("filters")).toArray())
        worst = std::max(worst, f.toObject().value(QStringLiteral("medianMs")).toDouble());
    return worst;
}

double peakMB(const QJsonObject& s)
{
    return at(s, QStringLiteral("memory.peakKiB")) * 1024.0 / 1e6;
}

// measured is wall time (what a user waits); cpu the same figure in CPU time of the process, which
// leaves out the time other processes had the machine: met is judged on wall time.
QJsonObject target(const QString& text, double measured, const QString& unit, bool met, double cpu = -1, int issue = 20)
{
    QJsonObject o{{QStringLiteral("issue"), issue},
                  {QStringLiteral("target"), text},
                  {QStringLiteral("measured"), measured},
                  {QStringLiteral("unit"), unit},
                  {QStringLiteral("met"), met}};
    if (cpu >= 0)
        o.insert(QStringLiteral("cpu"), cpu);
    return o;
}

double ratio(double a, double b)
{
    return b > 0 ? a / b : 0;
}

QString fixed(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

} // namespace

QJsonArray evaluateTargets(const QJsonArray& sizes)
{
    QJsonArray out;
    const QJsonObject s1k = sizeOf(sizes, 1000);
    const QJsonObject s100k = sizeOf(sizes, 100000);
    if (s100k.isEmpty())
        return out;
    const QString unitX = QStringLiteral("x");
    const QString unitMs = QStringLiteral("ms");

    const double startup = startupRatio(s100k);
    const double startupCpu =
        ratio(at(s100k, QStringLiteral("startup.cpuMedianMs")), at(s100k, QStringLiteral("floor.cpuMedianMs")));
    out.append(target(QStringLiteral("start-up at 100,000 contacts <= 0.5x the read-only floor"), startup, unitX,
                      startup <= 0.5, startupCpu));

    const double dropDown = at(s100k, QStringLiteral("dropDown.medianMs"));
    out.append(target(QStringLiteral("drop-down open (press to popup shown) at 100,000 contacts <= 50 ms"), dropDown,
                      unitMs, dropDown <= 50, at(s100k, QStringLiteral("dropDown.cpuMedianMs"))));

    const double mb = peakMB(s100k);
    out.append(target(QStringLiteral("peak resident memory at 100,000 contacts <= 100 MB"), mb, QStringLiteral("MB"),
                      mb <= 100));

    const double p99 = at(s100k, QStringLiteral("keys.p99Ms"));
    const double cpu99 = at(s100k, QStringLiteral("keys.cpuP99Ms"));
    out.append(target(QStringLiteral("keystroke p99 at 100,000 contacts <= 0.2 ms"), p99, unitMs, p99 <= 0.2, cpu99));
    if (!s1k.isEmpty()) {
        const double r = ratio(p99, at(s1k, QStringLiteral("keys.p99Ms")));
        out.append(target(QStringLiteral("keystroke p99 at 100,000 contacts <= 1.5x its value at 1,000"), r, unitX,
                          r <= 1.5, ratio(cpu99, at(s1k, QStringLiteral("keys.cpuP99Ms")))));
    }
    const double painted = at(s100k, QStringLiteral("keys.paintedP99Ms"));
    out.append(target(QStringLiteral("keystroke with repaint p99 at 100,000 contacts <= 0.5 ms"), painted, unitMs,
                      painted <= 0.5));

    // With the list of matches: its rows computed and painted on every key, the fields they are
    // found by and the finder's index in memory.
    const double rowsComputed = at(s100k, QStringLiteral("keysWithMatches.p99Ms"));
    const double rowsComputedCpu = at(s100k, QStringLiteral("keysWithMatches.cpuP99Ms"));
    out.append(target(QStringLiteral("list of matches at 100,000 contacts: completion plus rows computed, keystroke "
                                     "p99 <= 1 ms"),
                      rowsComputed, unitMs, rowsComputed <= 1, rowsComputedCpu, 30));
    if (!s1k.isEmpty()) {
        const double r = ratio(rowsComputed, at(s1k, QStringLiteral("keysWithMatches.p99Ms")));
        out.append(target(QStringLiteral("list of matches flat: keystroke p99 with the list at 100,000 <= 1.5x its "
                                         "value at 1,000"),
                          r, unitX, r <= 1.5,
                          ratio(rowsComputedCpu, at(s1k, QStringLiteral("keysWithMatches.cpuP99Ms"))), 30));
    }
    const double withMatches = at(s100k, QStringLiteral("keysWithMatches.paintedP99Ms"));
    out.append(target(QStringLiteral("list of matches shown and painted: keystroke p99 at 100,000 contacts <= 4 ms"),
                      withMatches, unitMs, withMatches <= 4, -1, 30));
    out.append(target(QStringLiteral("peak resident memory at 100,000 contacts with the list of matches <= 120 MB"), mb,
                      QStringLiteral("MB"), mb <= 120, -1, 30));

    const double filter = slowestFilter(s100k);
    double filterCpu = 0;
    for (const QJsonValue& f : s100k.value(QStringLiteral("filters")).toArray())
        filterCpu = std::max(filterCpu, f.toObject().value(QStringLiteral("cpuMedianMs")).toDouble());
    out.append(target(QStringLiteral("category filter (slowest, back to all included) at 100,000 contacts <= 100 ms"),
                      filter, unitMs, filter <= 100, filterCpu));
    return out;
}

QString formatTable(const QJsonArray& sizes, const QJsonArray& targets)
{
    const QLocale english(QLocale::English);
    struct Row {
        QString label;
        std::function<QString(const QJsonObject&)> value;
    };
    auto ms = [](const QString& path, int decimals) {
        return [path, decimals](const QJsonObject& s) {
            return has(s, path) ? fixed(at(s, path), decimals) : QStringLiteral("-");
        };
    };
    auto filterRow = [](int i) {
        return [i](const QJsonObject& s) {
            const QJsonObject f = s.value(QStringLiteral("filters")).toArray().at(i).toObject();
            return QStringLiteral("%1 / %2").arg(fixed(f.value(QStringLiteral("medianMs")).toDouble(), 1),
                                                 fixed(f.value(QStringLiteral("cpuMedianMs")).toDouble(), 1));
        };
    };
    auto listedRow = [](int i) {
        return [i](const QJsonObject& s) {
            return QString::number(
                s.value(QStringLiteral("filters")).toArray().at(i).toObject().value(QStringLiteral("members")).toInt());
        };
    };
    auto filterName = [&sizes](int i) {
        return sizes.at(0)
            .toObject()
            .value(QStringLiteral("filters"))
            .toArray()
            .at(i)
            .toObject()
            .value(QStringLiteral("category"))
            .toString();
    };
    const std::vector<Row> rows = {
        {QStringLiteral("files / MB on disk"),
         [](const QJsonObject& s) {
             return QStringLiteral("%1 / %2")
                 .arg(s.value(QStringLiteral("files")).toInt())
                 .arg(fixed(at(s, QStringLiteral("bytes")) / 1e6, 1));
         }},
        {QStringLiteral("read-only floor, ms"), ms(QStringLiteral("floor.medianMs"), 1)},
        {QStringLiteral("start-up to a ready bar (folder unchanged), ms"), ms(QStringLiteral("startup.medianMs"), 1)},
        {QStringLiteral("  cards read again"), ms(QStringLiteral("startup.cardsReadAgain"), 0)},
        {QStringLiteral("  list of matches ready after, ms"), ms(QStringLiteral("startup.matchesReadyMedianMs"), 1)},
        {QStringLiteral("  first start (no cache), ms"), ms(QStringLiteral("startup.firstStartMs"), 1)},
        {QStringLiteral("  of which the back-end's read, ms"), ms(QStringLiteral("backendRead.medianMs"), 1)},
        {QStringLiteral("  start-up / floor"),
         [](const QJsonObject& s) -> QString { return fixed(startupRatio(s), 2) + QLatin1Char('x'); }},
        {QStringLiteral("  CPU: floor / read / start-up, ms"),
         [](const QJsonObject& s) {
             return QStringLiteral("%1 / %2 / %3")
                 .arg(fixed(at(s, QStringLiteral("floor.cpuMedianMs")), 0),
                      fixed(at(s, QStringLiteral("backendRead.cpuMedianMs")), 0),
                      fixed(at(s, QStringLiteral("startup.cpuMedianMs")), 0));
         }},
        {QStringLiteral("start-up just after the folder was written, ms"),
         ms(QStringLiteral("justWritten.medianMs"), 1)},
        {QStringLiteral("  / floor"),
         [](const QJsonObject& s) -> QString {
             return has(s, QStringLiteral("justWritten.medianMs")) ? fixed(justWrittenRatio(s), 2) + QLatin1Char('x')
                                                                   : QStringLiteral("-");
         }},
        {QStringLiteral("  cards read again"), ms(QStringLiteral("justWritten.cardsReadAgain"), 0)},
        {QStringLiteral("  the start before it (writes the summary), ms"),
         ms(QStringLiteral("justWritten.startBeforeMedianMs"), 1)},
        {QStringLiteral("keystroke p50, ms"), ms(QStringLiteral("keys.p50Ms"), 3)},
        {QStringLiteral("keystroke p99, ms"), ms(QStringLiteral("keys.p99Ms"), 3)},
        {QStringLiteral("keystroke max, ms"), ms(QStringLiteral("keys.maxMs"), 3)},
        {QStringLiteral("  CPU p50 / p99, ms"),
         [](const QJsonObject& s) {
             return QStringLiteral("%1 / %2").arg(fixed(at(s, QStringLiteral("keys.cpuP50Ms")), 3),
                                                  fixed(at(s, QStringLiteral("keys.cpuP99Ms")), 3));
         }},
        {QStringLiteral("  with repaint p99, ms"), ms(QStringLiteral("keys.paintedP99Ms"), 3)},
        {QStringLiteral("with the list of matches p99, ms"), ms(QStringLiteral("keysWithMatches.p99Ms"), 3)},
        {QStringLiteral("  CPU p99, ms"), ms(QStringLiteral("keysWithMatches.cpuP99Ms"), 3)},
        {QStringLiteral("  shown and painted p99, ms"), ms(QStringLiteral("keysWithMatches.paintedP99Ms"), 3)},
        {QStringLiteral("drop-down open, ms / CPU ms"),
         [](const QJsonObject& s) {
             return QStringLiteral("%1 / %2").arg(fixed(at(s, QStringLiteral("dropDown.medianMs")), 1),
                                                  fixed(at(s, QStringLiteral("dropDown.cpuMedianMs")), 1));
         }},
        {QStringLiteral("filter \"%1\", ms / CPU ms").arg(filterName(0)), filterRow(0)},
        {QStringLiteral("  contacts listed"), listedRow(0)},
        {QStringLiteral("filter \"%1\", ms / CPU ms").arg(filterName(1)), filterRow(1)},
        {QStringLiteral("back to \"%1\", ms / CPU ms").arg(filterName(2)), filterRow(2)},
        {QStringLiteral("peak resident memory, MB"), [](const QJsonObject& s) { return fixed(peakMB(s), 1); }},
    };

    const int labelWidth = 48;
    const int columnWidth = 20;
    QString out = QStringLiteral("contacts").leftJustified(labelWidth);
    for (const QJsonValue& v : sizes)
        out += english.toString(v.toObject().value(QStringLiteral("contacts")).toInt()).rightJustified(columnWidth);
    out += QLatin1Char('\n');
    for (const Row& row : rows) {
        out += row.label.leftJustified(labelWidth);
        for (const QJsonValue& v : sizes)
            out += row.value(v.toObject()).rightJustified(columnWidth);
        out += QLatin1Char('\n');
    }
    if (!targets.isEmpty())
        out += QStringLiteral("\ntargets (judged on wall time)\n");
    for (const QJsonValue& v : targets) {
        const QJsonObject t = v.toObject();
        const QString unit = t.value(QStringLiteral("unit")).toString();
        const QString space = unit == QLatin1String("x") ? QString() : QStringLiteral(" ");
        QString cpu;
        if (t.contains(QStringLiteral("cpu")))
            cpu = QStringLiteral(" (in CPU time: %1%2%3)")
                      .arg(fixed(t.value(QStringLiteral("cpu")).toDouble(), 2), space, unit);
        out += QStringLiteral("  %1  %2: %3%4%5%6\n")
                   .arg(t.value(QStringLiteral("met")).toBool() ? QStringLiteral("met    ") : QStringLiteral("NOT met"),
                        t.value(QStringLiteral("target")).toString(),
                        fixed(t.value(QStringLiteral("measured")).toDouble(), 2), space, unit, cpu);
    }
    return out;
}

} // namespace bench
