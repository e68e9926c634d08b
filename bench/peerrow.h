#pragma once
// The peer row: khard's `list WORDS` and quintel-contacts --search, each a whole process, answering
// the same queries on the same folder, beside the list of matches' time per keystroke for them.

#include <QByteArray>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <vector>

namespace bench {

// count queries spread evenly over the list, in its order, each once; all of them when there are
// no more than count.
QStringList sampleQueries(const QStringList& queries, int count);

// A khard configuration with one address book, the folder, and no editor to start.
QByteArray khardConfig(const QString& folder);

// Whether khard can list a card file: it stops altogether at one that is not UTF-8, and skips
// (with --skip-unparsable) one it cannot parse.
bool khardReads(const QByteArray& bytes);

// The contacts a listing names, as ids both programs share (the card's file name without .vcf,
// which the generated folders take from the card's UID): from khard's parsable listing, one
// "uid<TAB>name<TAB>book" line per contact, and from quintel-contacts --json, one object per line.
QStringList khardIds(const QByteArray& parsable);
QStringList quintelIds(const QByteArray& jsonLines);

// How two listings agree.
struct Overlap {
    int both = 0;
    int onlyFirst = 0;
    int onlySecond = 0;
};
Overlap overlap(QStringList first, QStringList second);

// One program run to its end (or killed after timeoutS seconds), its wall time and its output.
struct ProcessRun {
    double ms = 0;
    bool finished = false; // exited by itself within the time
    int exitCode = -1;     // -1: killed
    QByteArray out;
    QByteArray err;
};
ProcessRun runProcess(const QString& program, const QStringList& args, const QProcessEnvironment& env, int timeoutS);

// A query as the list of matches typed it: the contacts its rule finds and the time of each key.
struct TypedQuery {
    QString query;
    int found = 0;
    std::vector<double> keysMs;
};

struct PeerOptions {
    QString folder;   // the address book
    QString khard;    // khard's program; empty: no khard column
    QString contacts; // quintel-contacts
    int runs = 3;     // runs of quintel-contacts per query (the median counts); khard runs once
    int timeoutS = 120;
};

// Runs both programs on every query (in a temporary configuration and cache of their own, never
// the user's), prints the table and returns the figures.
QJsonObject measurePeers(const PeerOptions& options, const std::vector<TypedQuery>& queries);

} // namespace bench
