#pragma once
// The targets of every benchmark program gathered into one list: each program writes its judged
// targets into its figures file (a top-level "targets" array of {issue, target, measured, unit,
// met}); this reads those files, finds the targets the project expects among them, and says which
// are met, which are not, and which were never measured (a program that failed or did not run).

#include <QJsonObject>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

namespace bench {

// A target the project expects a benchmark to judge. A gathered target answers it when it names
// one of the issues and its text, folded (lower case, no thousands separators), matches pattern.
struct ExpectedTarget {
    QList<int> issues; // the first is the one it is listed under
    QString text;      // what it asks, said when nothing answered it
    QString program;   // the program that measures it
    QRegularExpression pattern;
};

// Every target of the performance issues: the desktop's address book, the other programs' books,
// the company directory and the bar's own speed and memory.
QList<ExpectedTarget> expectedTargets();

// The text a pattern is matched against: lower case, "100,000" as "100000", spaces collapsed.
QString foldTargetText(const QString& text);

enum class TargetStatus { Met, NotMet, NotMeasured };

struct TargetLine {
    int issue = 0;
    QString text;
    TargetStatus status = TargetStatus::NotMeasured;
    std::optional<double> measured;
    std::optional<double> cpu;
    QString unit;
    QString source; // the file it came from; the program that should have measured it otherwise
    bool expected = true;

    // "met", "NOT met" or "NOT met (not measured)"
    QString statusText() const;
    // One line of the section: the status, the issue, the target and the figure.
    QString format() const;
};

class TargetGathering {
public:
    explicit TargetGathering(QList<ExpectedTarget> expected = expectedTargets());

    // Reads one program's figures; a file missing, unreadable or without a "targets" array is a
    // problem noted, and the targets it should have held stay unmeasured.
    void addFile(const QString& path);
    void addFigures(const QJsonObject& figures, const QString& source);

    // The expected targets in their order (by issue), each answered or not measured, and after
    // each issue's the targets the programs judged that no expected one names.
    QList<TargetLine> lines() const;
    QStringList problems() const { return m_problems; }

    // The "targets" section as printed, and as written into targets.json.
    QString format() const;
    QJsonObject toJson() const;

private:
    struct Gathered {
        TargetLine line;
        QString folded;
    };
    qsizetype answer(const ExpectedTarget& expected) const; // the gathered target answering it, or -1

    QList<ExpectedTarget> m_expected;
    QList<Gathered> m_gathered;
    QStringList m_problems;
};

} // namespace bench
