#pragma once
// The programs' command lines: --help and --version, answered before any window or display is
// needed, and Qt's own options (-platform, -display, …) left for Qt. Anything else is an error.

#include <QString>
#include <QStringList>

namespace commandline {

struct Outcome {
    bool run = true; // start the program; otherwise exit at once with status, after printing
    int status = 0;  // exit status when !run
    QString out;     // for standard output
    QString err;     // for standard error
};

struct Program {
    QString name;    // "quintel"
    QString summary; // one line: what the program is
    QString version;
};

// arguments: the command line without the program's own path.
Outcome parse(const Program& program, const QStringList& arguments);

// parse() on argv; prints what it says. Returns the exit status, or -1 when the program runs.
int handle(const Program& program, int argc, char** argv);

} // namespace commandline
