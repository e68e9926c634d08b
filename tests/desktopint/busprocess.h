#pragma once
// A helper program of a test (a D-Bus stand-in written in Python) that reports events one line at a
// time on its standard output and takes commands on its standard input.

#include <QProcess>
#include <QStringList>
#include <QTest>

class BusProcess {
public:
    explicit BusProcess(const QString& script, const QStringList& arguments = {})
        : m_script(script), m_arguments(arguments)
    {
    }
    ~BusProcess() { stop(); }

    bool start()
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{m_script} + m_arguments);
        return !waitFor(QStringLiteral("READY")).isNull();
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    void send(const QString& command) { m_process.write(command.toUtf8() + '\n'); }

    // Waits for a line starting with prefix and returns the rest of it (null when none came).
    QString waitFor(const QString& prefix, int milliseconds = 20000)
    {
        QString found;
        (void)QTest::qWaitFor(
            [&] {
                while (m_process.canReadLine()) {
                    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
                    m_lines.append(line);
                    if (found.isNull() && line.startsWith(prefix))
                        found = line.mid(prefix.size()).trimmed();
                }
                if (found.isNull())
                    m_process.waitForReadyRead(10);
                return !found.isNull() || m_process.state() == QProcess::NotRunning;
            },
            milliseconds);
        return found;
    }

    QStringList lines() const { return m_lines; }

private:
    QString m_script;
    QStringList m_arguments;
    QProcess m_process;
    QStringList m_lines;
};
