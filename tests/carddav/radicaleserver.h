#pragma once
// A Radicale CardDAV server for the tests, started on 127.0.0.1 with its storage in a temporary
// folder, and plain HTTP requests to put, change and delete cards on it.

#include "scriptserver.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace test {

class RadicaleServer {
public:
    // user empty: no authentication, everybody may read and write everything.
    explicit RadicaleServer(QString user = {}, QString password = {});
    ~RadicaleServer();

    // False (with a warning) when it does not come up. Started again after stop(), it listens on
    // the same port: the same server, back.
    bool start();
    void stop();
    // Without a user: whether everybody may only read (true) or read and write (false, as it
    // starts). Radicale reads its rights anew for each request.
    bool setReadOnly(bool readOnly);
    bool isRunning() const { return m_process && m_process->state() == QProcess::Running; }
    qint64 processId() const { return m_process ? m_process->processId() : 0; }
    QUrl url(const QString& path = QStringLiteral("/")) const;
    QString storage() const { return m_dir.path() + QStringLiteral("/storage"); }
    QString log() const { return m_log; }

    // Plain HTTP requests as the configured user; return the HTTP status (0: no answer).
    int request(const QByteArray& method, const QString& path, const QByteArray& body = {},
                const QByteArray& contentType = "text/vcard");
    int put(const QString& path, const QByteArray& card) { return request("PUT", path, card); }
    int remove(const QString& path) { return request("DELETE", path); }
    // The resource's body, with its status and ETag header.
    QByteArray get(const QString& path, int* status = nullptr, QByteArray* etag = nullptr);
    // Creates an address book holding the cards (one PUT of the whole collection).
    int createAddressBook(const QString& path, const QByteArray& cards);

private:
    QTemporaryDir m_dir;
    QString m_user;
    QString m_password;
    std::unique_ptr<QProcess> m_process;
    QString m_log;
    int m_port = 0;
};

// A vCard 3.0 text; extra lines (without line ends) go before END.
QByteArray card(const QString& uid, const QString& fullName, const QStringList& extra = {});

// A server script of tests/carddav/data.
class ScriptServer : public testsupport::ScriptServer {
public:
    ScriptServer(const QString& script, QStringList arguments);
};

// A proxy in front of the server that breaks the line "NOTE:BREAK-ME" of every card it passes
// (the card then has a line that is no property): a server that serves a broken card.
inline ScriptServer breakingProxy(int targetPort)
{
    return ScriptServer(QStringLiteral("breakingproxy.py"), {QString::number(targetPort)});
}

} // namespace test
