// quintel-bench-targets: the last step of `make bench`. Reads the figures every benchmark program
// wrote, prints one line per target ("met", "NOT met", or "NOT met (not measured)" for a program
// that failed or did not run) and writes them all into one file.
//
//   quintel-bench-targets --out targets.json FIGURES.json...

#include "targets.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The gathered targets as JSON."),
                                       QStringLiteral("FILE"));
    parser.addOption(outOption);
    parser.addPositionalArgument(QStringLiteral("figures"), QStringLiteral("The programs' figures files."),
                                 QStringLiteral("FIGURES.json..."));
    parser.process(app);

    bench::TargetGathering gathering;
    for (const QString& path : parser.positionalArguments())
        gathering.addFile(path);
    std::printf("\n%s", qPrintable(gathering.format()));
    if (parser.isSet(outOption)) {
        QFile out(parser.value(outOption));
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(gathering.toJson()).toJson()) < 0) {
            std::fprintf(stderr, "quintel-bench-targets: cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
        std::printf("targets written to %s\n", qPrintable(out.fileName()));
    }
    return 0;
}
