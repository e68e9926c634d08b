#include "targets.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>
#include <set>

namespace bench {
namespace {

ExpectedTarget expect(QList<int> issues, const char* text, const char* program, const char* pattern)
{
    return {std::move(issues), QString::fromUtf8(text), QString::fromUtf8(program),
            QRegularExpression(QString::fromUtf8(pattern))};
}

QString figure(double v)
{
    const double a = std::fabs(v);
    const int decimals = a >= 100 ? 0 : a >= 10 ? 1 : a >= 1 ? 2 : 3;
    return QString::number(v, 'f', decimals);
}

QString withUnit(double v, const QString& unit)
{
    if (unit == QLatin1String("x"))
        return QString::number(v, 'f', 2) + QLatin1Char('x');
    return unit.isEmpty() ? figure(v) : figure(v) + QLatin1Char(' ') + unit;
}

std::optional<double> number(const QJsonValue& v)
{
    if (!v.isDouble() || !std::isfinite(v.toDouble()))
        return std::nullopt;
    return v.toDouble();
}

} // namespace

QList<ExpectedTarget> expectedTargets()
{
    return {
        expect({15}, "start-up with the desktop's address book at 10,000 contacts <= 2x its own direct read",
               "quintel-bench-eds", ""),
        expect({16}, "10,000 contacts in 10 collections <= 1.1x one folder of the same", "quintel-bench-sources",
               "collection"),
        expect({16}, "Thunderbird book of 10,000: start-up <= 2x SQLite alone reading the same rows",
               "quintel-bench-sources", "thunderbird"),
        expect({17}, "company directory first download at 100,000 <= 2x ldapsearch with paging", "quintel-bench-ldap",
               "download"),
        expect({17}, "company directory start from the copy <= 1.2x a vCard folder of the same size",
               "quintel-bench-ldap", "^(?!.*carddav).*cop(y|ies)"),
        expect({20}, "start-up at 100,000 contacts <= 0.5x the read-only floor", "quintel-bench",
               "(?=.*start)(?=.*floor)(?=.*\\b100000\\b)"),
        expect({20}, "contact drop-down at 100,000 contacts: press to popup <= 50 ms", "quintel-bench",
               "drop-?down|popup"),
        expect({20}, "CardDAV start with a local copy <= 1.2x a vCard folder of the same size", "quintel-bench-carddav",
               "carddav"),
        expect({20, 17}, "LDAP start with a local copy <= 1.2x a vCard folder of the same size", "quintel-bench-ldap",
               "^(?!.*carddav)(?=.*(ldap|directory))(?=.*cop(y|ies))"),
        expect({20}, "peak resident memory at 100,000 contacts <= 100 MB", "quintel-bench", "memory|resident"),
        expect({20}, "keystroke p99 at 100,000 contacts <= 0.2 ms", "quintel-bench",
               "^(?!.*(paint|flat|1\\.5 ?x|its value|\\b1000\\b))(?=.*(keystroke|typing))"),
        expect({20}, "keystroke p99 flat: at 100,000 <= 1.5x its value at 1,000", "quintel-bench",
               "^(?!.*paint)(?=.*(keystroke|typing))(?=.*(flat|1\\.5 ?x|its value|\\b1000\\b))"),
        expect({20}, "keystroke with repaint p99 at 100,000 contacts <= 0.5 ms", "quintel-bench", "paint"),
        expect({20}, "category filter at 100,000 contacts <= 100 ms", "quintel-bench", "categor"),
        expect({30}, "list of matches at 100,000 contacts: completion plus rows computed, keystroke p99 <= 1 ms",
               "quintel-bench", "^(?!.*(scan|flat))(?=.*rows computed)"),
        expect({30}, "list of matches at 100,000 contacts <= 0.2x a plain scan of the same folded fields",
               "quintel-bench-finder", "scan"),
        expect({30}, "list of matches flat: keystroke p99 with the list at 100,000 <= 1.5x its value at 1,000",
               "quintel-bench", "flat"),
        expect({30}, "list of matches shown and painted: keystroke p99 at 100,000 contacts <= 4 ms", "quintel-bench",
               "(?=.*list of matches)(?=.*paint)"),
        expect({30}, "peak resident memory at 100,000 contacts with the list of matches <= 120 MB", "quintel-bench",
               "(?=.*(memory|resident))(?=.*120)"),
    };
}

QString foldTargetText(const QString& text)
{
    static const QRegularExpression thousands(QStringLiteral("(\\d),(?=\\d{3}\\b)"));
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    QString folded = text.toLower();
    folded.replace(QChar(0x2264), QStringLiteral("<=")).replace(QChar(0x00d7), QLatin1Char('x'));
    folded.replace(thousands, QStringLiteral("\\1"));
    return folded.replace(spaces, QStringLiteral(" ")).trimmed();
}

QString TargetLine::statusText() const
{
    switch (status) {
    case TargetStatus::Met:
        return QStringLiteral("met");
    case TargetStatus::NotMet:
        return QStringLiteral("NOT met");
    case TargetStatus::NotMeasured:
        break;
    }
    return QStringLiteral("NOT met (not measured)");
}

QString TargetLine::format() const
{
    QString line = statusText().leftJustified(23) + QStringLiteral("issue %1  ").arg(issue) + text;
    if (measured) {
        line += QStringLiteral(": ") + withUnit(*measured, unit);
        if (cpu)
            line += QStringLiteral(" (CPU time: ") + withUnit(*cpu, unit) + QLatin1Char(')');
    } else {
        line += QStringLiteral(" [") + source + QLatin1Char(']');
    }
    return line;
}

TargetGathering::TargetGathering(QList<ExpectedTarget> expected) : m_expected(std::move(expected)) {}

void TargetGathering::addFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists()) {
        m_problems << name + QStringLiteral(": not written (its program failed or did not run)");
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_problems << name + QStringLiteral(": cannot be read (") + file.errorString() + QLatin1Char(')');
        return;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject()) {
        m_problems << name + QStringLiteral(": not a JSON object (") + error.errorString() + QLatin1Char(')');
        return;
    }
    addFigures(doc.object(), name);
}

void TargetGathering::addFigures(const QJsonObject& figures, const QString& source)
{
    const QJsonValue targets = figures.value(QStringLiteral("targets"));
    if (!targets.isArray()) {
        m_problems << source + QStringLiteral(": no \"targets\" array");
        return;
    }
    int index = 0;
    for (const QJsonValue& v : targets.toArray()) {
        ++index;
        const QJsonObject o = v.toObject();
        TargetLine line;
        line.text = o.value(QStringLiteral("target")).toString();
        line.issue = o.value(QStringLiteral("issue")).toInt();
        if (line.text.isEmpty()) {
            m_problems << source + QStringLiteral(": target %1 has no text").arg(index);
            continue;
        }
        if (line.issue <= 0) {
            m_problems << source + QStringLiteral(": \"%1\" names no issue").arg(line.text);
            continue;
        }
        line.unit = o.value(QStringLiteral("unit")).toString();
        line.measured = number(o.value(QStringLiteral("measured")));
        line.cpu =
            number(o.value(o.contains(QStringLiteral("cpu")) ? QStringLiteral("cpu") : QStringLiteral("measuredCpu")));
        line.source = source;
        line.expected = false;
        const QJsonValue met = o.value(QStringLiteral("met"));
        if (!line.measured) {
            line.status = TargetStatus::NotMeasured;
        } else if (!met.isBool()) {
            // A figure without a verdict is not counted as met.
            m_problems << source + QStringLiteral(": \"%1\" has no met verdict").arg(line.text);
            line.status = TargetStatus::NotMet;
        } else {
            line.status = met.toBool() ? TargetStatus::Met : TargetStatus::NotMet;
        }
        m_gathered.append({line, foldTargetText(line.text)});
    }
}

qsizetype TargetGathering::answer(const ExpectedTarget& expected) const
{
    // The target's own issue first, then the issues whose targets also answer it.
    for (int issue : expected.issues) {
        for (qsizetype i = 0; i < m_gathered.size(); ++i) {
            if (m_gathered[i].line.issue == issue && expected.pattern.match(m_gathered[i].folded).hasMatch())
                return i;
        }
    }
    return -1;
}

QList<TargetLine> TargetGathering::lines() const
{
    std::set<int> issues;
    for (const ExpectedTarget& e : m_expected)
        issues.insert(e.issues.first());
    for (const Gathered& g : m_gathered)
        issues.insert(g.line.issue);

    std::vector<bool> answering(std::size_t(m_gathered.size()), false);
    QList<TargetLine> out;
    for (int issue : issues) {
        for (const ExpectedTarget& e : m_expected) {
            if (e.issues.first() != issue)
                continue;
            TargetLine line;
            line.issue = issue;
            line.text = e.text;
            line.source = e.program;
            const qsizetype i = answer(e);
            if (i >= 0) {
                answering[std::size_t(i)] = true;
                line = m_gathered[i].line;
                line.issue = issue;
                line.expected = true;
            }
            out.append(line);
        }
        for (qsizetype i = 0; i < m_gathered.size(); ++i) {
            if (m_gathered[i].line.issue == issue && !answering[std::size_t(i)])
                out.append(m_gathered[i].line);
        }
    }
    return out;
}

QString TargetGathering::format() const
{
    const QList<TargetLine> all = lines();
    const auto met =
        std::count_if(all.begin(), all.end(), [](const TargetLine& l) { return l.status == TargetStatus::Met; });
    QString out = QStringLiteral("targets (%1 of %2 met; judged on wall time)\n").arg(met).arg(all.size());
    for (const TargetLine& line : all)
        out += line.format() + QLatin1Char('\n');
    if (!m_problems.isEmpty()) {
        out += QStringLiteral("problems\n");
        for (const QString& p : m_problems)
            out += QStringLiteral("  ") + p + QLatin1Char('\n');
    }
    return out;
}

QJsonObject TargetGathering::toJson() const
{
    QJsonArray targets;
    int met = 0;
    for (const TargetLine& line : lines()) {
        QJsonObject o{{QStringLiteral("issue"), line.issue},
                      {QStringLiteral("target"), line.text},
                      {QStringLiteral("measured"), line.measured ? QJsonValue(*line.measured) : QJsonValue()},
                      {QStringLiteral("unit"), line.unit},
                      {QStringLiteral("met"), line.status == TargetStatus::Met},
                      {QStringLiteral("status"), line.statusText()},
                      {QStringLiteral("source"), line.source},
                      {QStringLiteral("expected"), line.expected}};
        if (line.cpu)
            o.insert(QStringLiteral("cpu"), *line.cpu);
        met += line.status == TargetStatus::Met ? 1 : 0;
        targets.append(o);
    }
    return {{QStringLiteral("targets"), targets},
            {QStringLiteral("met"), met},
            {QStringLiteral("total"), targets.size()},
            {QStringLiteral("problems"), QJsonArray::fromStringList(m_problems)}};
}

} // namespace bench
