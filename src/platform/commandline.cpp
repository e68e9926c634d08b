#include "commandline.h"

#include "translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace commandline {

namespace {

// Qt's generic options, which QApplication takes out of the command line itself.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"session", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

// Qt accepts its options with one dash or two.
const QtOption* qtOption(const QString& argument)
{
    QString name = argument;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 2);
    else if (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    else
        return nullptr;
    for (const QtOption& option : kQtOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

QString usage(const Program& program)
{
    return QCoreApplication::translate("commandline", "Usage: %1 [--help | --version]\n").arg(program.name);
}

Outcome failure(const Program& program, const QString& what)
{
    Outcome outcome;
    outcome.run = false;
    outcome.status = 2;
    outcome.err = program.name + QStringLiteral(": ") + what + QLatin1Char('\n') + usage(program);
    return outcome;
}

} // namespace

Outcome parse(const Program& program, const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            Outcome outcome;
            outcome.run = false;
            outcome.out = usage(program) +
                          QCoreApplication::translate("commandline", program.summary.toUtf8().constData()) +
                          QCoreApplication::translate("commandline", "\n\n"
                                                                     "Options:\n"
                                                                     "  -h, --help     Show this help and exit.\n"
                                                                     "  -v, --version  Show the version and exit.\n");
            return outcome;
        }
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            Outcome outcome;
            outcome.run = false;
            outcome.out = program.name + QLatin1Char(' ') + program.version + QLatin1Char('\n');
            return outcome;
        }
        if (const QtOption* option = qtOption(argument)) {
            if (option->takesValue && ++i >= arguments.size())
                return failure(program,
                               QCoreApplication::translate("commandline", "the option %1 needs a value").arg(argument));
            continue;
        }
        if (argument.startsWith(QLatin1Char('-')))
            return failure(program, QCoreApplication::translate("commandline", "unknown option %1").arg(argument));
        return failure(program, QCoreApplication::translate("commandline", "unexpected argument %1").arg(argument));
    }
    return {};
}

int handle(const Program& program, int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Outcome outcome = parse(program, arguments);
    if (outcome.run)
        return -1;
    // What is printed is in the user's language: the translations need an application object.
    if (!QCoreApplication::instance()) {
        int count = argc;
        const QCoreApplication app(count, argv);
        translations::install(*QCoreApplication::instance());
        outcome = parse(program, arguments);
    }
    std::fputs(outcome.out.toLocal8Bit().constData(), stdout);
    std::fputs(outcome.err.toLocal8Bit().constData(), stderr);
    return outcome.status;
}

} // namespace commandline
