#pragma once
// A server of the tests' own, written in Python: started with its arguments on 127.0.0.1, it
// prints "READY <port> [<port>...]" once it listens, and is killed with this object.

#include <QDeadlineTimer>
#include <QProcess>
#include <QUrl>

namespace testsupport {

class ScriptServer {
public:
    ScriptServer(QString script, QStringList arguments) : m_script(std::move(script)), m_arguments(std::move(arguments))
    {
    }
    ~ScriptServer()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    ScriptServer(const ScriptServer&) = delete;
    ScriptServer& operator=(const ScriptServer&) = delete;

    // False (with a warning) when it does not come up within 10 seconds.
    bool start()
    {
        m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{m_script} + m_arguments);
        const QDeadlineTimer deadline(10000);
        QByteArray out;
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(200);
            out += m_process.readAllStandardOutput();
            const qsizetype end = out.indexOf('\n');
            if (out.startsWith("READY ") && end > 0) {
                for (const QByteArray& port : out.mid(6, end - 6).trimmed().split(' '))
                    m_ports.append(port.toInt());
                m_output = out.mid(end + 1);
                return true;
            }
        }
        qWarning("%s did not come up: %s", qPrintable(m_script), m_process.readAllStandardError().constData());
        return false;
    }
    int port(int which = 0) const { return m_ports.value(which); }
    QUrl url(const QString& path = QStringLiteral("/"), int which = 0) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port(which)).arg(path));
    }
    // What the server printed after READY.
    QByteArray output()
    {
        m_process.waitForReadyRead(100);
        m_output += m_process.readAllStandardOutput();
        return m_output;
    }

private:
    QString m_script;
    QStringList m_arguments;
    QList<int> m_ports;
    QByteArray m_output;
    QProcess m_process;
};

} // namespace testsupport
