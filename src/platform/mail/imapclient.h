#pragma once
// An IMAP account reached with libcurl: finds the folder sent mail is kept in and appends a copy of
// a message to it. TLS (imaps) or STARTTLS required, certificates always verified; plain IMAP only
// to the loopback interface.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mail {

class MessageSource;

struct ImapSettings {
    QString host;
    int port = 0;     // 0: the security's usual port (993, 143)
    QString security; // "tls", "starttls" or "none"
    QString user;
    QString password;
    QString caFile; // extra trusted certificates (PEM); empty: the system's
    long connectTimeoutSeconds = 20;
    long timeoutSeconds = 60;
};

// One mailbox of a LIST answer: its name as the server spells it and its attributes.
struct ImapFolder {
    QString name;
    QStringList attributes; // "\\Sent", "\\HasNoChildren", …
};

// The folders of untagged LIST lines; lines that are not LIST answers are skipped.
QList<ImapFolder> parseListResponse(const QByteArray& response);

// The folder marked \Sent; else one named "Sent" (letter case ignored, the server's spelling kept);
// else "Sent".
QString chooseSentFolder(const QList<ImapFolder>& folders);

// A mailbox name as the user reads it: the modified UTF-7 of IMAP ("Envoy&AOk-s") decoded.
QString displayName(const QString& mailboxName);

class ImapClient {
public:
    explicit ImapClient(ImapSettings settings);

    // The URL libcurl is given for the folder (empty: the server); throws errMailNotSent for a
    // setting it cannot use.
    QString url(const QString& folder = {}) const;

    // Logs in and lists the folders. Throws errMailNotSent (errMailTryLater when the server cannot
    // be reached) with the reason.
    QList<ImapFolder> folders() const;
    // The folder a sent message is kept in (chooseSentFolder over folders()).
    QString sentFolder() const;
    // Appends the message, byte for byte, with the \Seen flag. Throws as folders() does.
    void append(const QString& folder, const QByteArray& message) const;
    // The same, read from the source as it goes.
    void append(const QString& folder, MessageSource& message) const;

private:
    ImapSettings m_settings;
};

} // namespace mail
