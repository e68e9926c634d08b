#pragma once
// A throw-away OpenLDAP server for tests: its own configuration and mdb database in a temporary
// folder, listening on 127.0.0.1 only (plain, and ldaps when TLS is asked for), run as the current
// user. The suffix is dc=example,dc=com; the administrator cn=admin,dc=example,dc=com (password
// "secret") sees everything, and cn=reader,dc=example,dc=com (password "readerpw") is the account
// the tests log on with. Anonymous users may read too.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class SlapdServer {
public:
    struct Options {
        int sizeLimit = 500;     // a plain search stops here
        bool allowPaging = true; // false: the paged-results control is refused
        bool tls = false;        // ldaps listener and StartTLS, certificate signed by caFile()
    };
    explicit SlapdServer(Options options);
    SlapdServer() : SlapdServer(Options{}) {}
    ~SlapdServer();

    // Loads the LDIF into the database; only while the server is stopped.
    bool load(const QByteArray& ldif);
    bool start();
    void stop();
    qint64 processId() const { return m_process ? m_process->processId() : 0; }
    bool isRunning() const { return m_process && m_process->state() == QProcess::Running; }
    // Applies an LDIF of changes (changetype: add/modify/delete) as the administrator.
    bool modify(const QByteArray& ldif);

    QString url() const;      // ldap://127.0.0.1:<port>
    QString ldapsUrl() const; // ldaps://127.0.0.1:<port>
    QString caFile() const { return m_dir.filePath(QStringLiteral("ca.pem")); }
    QString error() const { return m_error; }

    static inline const QString kBase = QStringLiteral("dc=example,dc=com");
    static inline const QString kReaderDn = QStringLiteral("cn=reader,dc=example,dc=com");
    static inline const QString kReaderPassword = QStringLiteral("readerpw");

private:
    bool run(const QString& program, const QStringList& arguments, const QByteArray& input = {});
    bool makeCertificates();
    void writeConfig();

    Options m_options;
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
    int m_tlsPort = 0;
    QString m_error;
};

// One person entry for an LDIF.
QByteArray personLdif(const QString& uid, const QString& givenName, const QString& sn, const QString& extra = {});
