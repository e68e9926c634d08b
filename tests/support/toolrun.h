#pragma once
// A command-line program run to its end, as a user runs it: its exit status (-1 when it crashed or
// did not end within two minutes) and what it wrote.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace testsupport {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

inline ToolRun runTool(const QString& program, const QStringList& args,
                       const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, args);
    if (!p.waitForFinished(120000))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The system environment with these variables set ("NAME", "value", …).
inline QProcessEnvironment environmentWith(std::initializer_list<std::pair<const char*, QString>> variables)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : variables)
        env.insert(QString::fromLatin1(name), value);
    return env;
}

// quintel-contacts as built with the tests (the CTest environment names it).
inline QString quintelContacts()
{
    return qEnvironmentVariable("QUINTEL_CONTACTS_BIN");
}

} // namespace testsupport
