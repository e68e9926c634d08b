#include "outbox.h"

#include "contactclient/errors.h"
#include "mail/outboxenvelope.h"
#include "safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mail {
namespace {

using contactclient::AutomationError;
using contactclient::errMailNotSent;

// Larger messages are more than mail servers take (most stop at 25 to 50 MB); such a file is set
// aside rather than read into memory.
constexpr qint64 kLargestMessage = 64LL * 1024 * 1024;
constexpr qint64 kLargestEnvelope = 1024 * 1024;

// The outbox folder, made private (0700) when it is not yet, and never through a symbolic link.
safefile::Fd openFolder(const QString& folder, QString* why)
{
    if (folder.isEmpty()) {
        *why = QStringLiteral("no outbox folder is set");
        return {};
    }
    return safefile::openPrivateFolder(folder, why);
}

// A file of the outbox, read only when it is a regular file of this user no larger than maxSize.
// Empty with why set otherwise; tooLarge tells that reason from the others.
bool readOwnFile(int dirFd, const QString& name, qint64 maxSize, QByteArray* data, QString* why,
                 bool* tooLarge = nullptr)
{
    safefile::FileInfo info;
    int error = 0;
    const safefile::Fd fd = safefile::openRegularFile(dirFd, QFile::encodeName(name), maxSize, &info, why, &error);
    if (!fd.isOpen()) {
        if (tooLarge) {
            struct stat st {};
            *tooLarge = ::fstatat(dirFd, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                        S_ISREG(st.st_mode) && st.st_size > maxSize;
        }
        if (error == ENOENT)
            *why = QString();
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || st.st_uid != ::geteuid()) {
        *why = QStringLiteral("it belongs to another user");
        return false;
    }
    return safefile::readToEnd(fd.get(), info.size, maxSize, *data, why);
}

} // namespace

Outbox::Outbox(QString folder) : m_folder(std::move(folder)) {}

QString Outbox::path(const QString& id, const char* suffix) const
{
    return QDir(m_folder).filePath(id + QLatin1String(suffix));
}

QString Outbox::keep(const QString& from, const QStringList& recipients, const QByteArray& message)
{
    QString why;
    const safefile::Fd dir = openFolder(m_folder, &why);
    if (!dir.isOpen())
        throw AutomationError(errMailNotSent,
                              QStringLiteral("The outbox folder %1 cannot be used: %2").arg(m_folder, why));
    const QString id =
        QStringLiteral("%1-%2").arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")),
                                    QUuid::createUuid().toString(QUuid::Id128).left(8));
    // The envelope first: a message file is only ever there with its envelope. Both are the
    // user's alone (0600), written beside and renamed into place.
    const auto write = [&](const char* suffix, const QByteArray& data) {
        if (!safefile::writeAtomically(dir.get(), id + QLatin1String(suffix), data, &why))
            throw AutomationError(
                errMailNotSent, QStringLiteral("The outbox file %1 cannot be written: %2").arg(path(id, suffix), why));
    };
    write(".env", (QStringList{from} + recipients).join(QLatin1Char('\n')).toUtf8() + '\n');
    write(".eml", message);
    return id;
}

QStringList Outbox::ids() const
{
    QStringList ids;
    for (const QString& name :
         QDir(m_folder).entryList({QStringLiteral("*.eml")}, QDir::Files | QDir::System, QDir::Name))
        ids.append(name.chopped(4));
    return ids;
}

QString Outbox::problem() const
{
    if (m_folder.isEmpty() || !QFileInfo::exists(m_folder))
        return {};
    QString why;
    if (openFolder(m_folder, &why).isOpen())
        return {};
    return QStringLiteral("The outbox folder %1 is not used: %2.").arg(m_folder, why);
}

bool Outbox::isInDoubt(const QString& id) const
{
    return QFileInfo::exists(path(id, ".sending")) || QFileInfo(path(id, ".sending")).isSymLink();
}

OutboxMessage Outbox::read(const QString& id) const
{
    auto damaged = [&](const QString& why) {
        return AutomationError(errMailNotSent,
                               QStringLiteral("The outbox file %1 is damaged (%2).").arg(path(id, ".eml"), why));
    };
    QString why;
    const safefile::Fd dir = openFolder(m_folder, &why);
    if (!dir.isOpen())
        throw AutomationError(errMailNotSent,
                              QStringLiteral("The outbox folder %1 cannot be used: %2").arg(m_folder, why));
    OutboxMessage m;
    m.id = id;
    QByteArray envelope;
    bool tooLarge = false;
    if (!readOwnFile(dir.get(), id + QStringLiteral(".eml"), kLargestMessage, &m.message, &why, &tooLarge)) {
        if (tooLarge)
            throw AutomationError(errMailNotSent,
                                  QStringLiteral("The outbox file %1 is larger than %2 MB, more than mail servers "
                                                 "take.")
                                      .arg(path(id, ".eml"))
                                      .arg(kLargestMessage / (1024 * 1024)));
        throw damaged(why.isEmpty() ? QStringLiteral("it cannot be read")
                                    : QStringLiteral("it cannot be read: %1").arg(why));
    }
    if (!m.message.contains("\r\n\r\n"))
        throw damaged(QStringLiteral("it is not a mail message"));
    if (!readOwnFile(dir.get(), id + QStringLiteral(".env"), kLargestEnvelope, &envelope, &why))
        throw damaged(why.isEmpty() ? QStringLiteral("its recipients are missing")
                                    : QStringLiteral("its recipients cannot be read: %1").arg(why));
    const std::optional<Envelope> parsed = parseEnvelope(envelope, m.message, &why);
    if (!parsed)
        throw damaged(why);
    m.from = parsed->from;
    m.recipients = parsed->recipients;
    return m;
}

void Outbox::markSending(const QString& id)
{
    QString why;
    const safefile::Fd dir = openFolder(m_folder, &why);
    if (!dir.isOpen() ||
        !safefile::writeAtomically(dir.get(), id + QStringLiteral(".sending"),
                                   QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8(), &why))
        throw AutomationError(
            errMailNotSent, QStringLiteral("The outbox file %1 cannot be written: %2").arg(path(id, ".sending"), why));
}

void Outbox::removeSent(const QString& id)
{
    QFile::remove(path(id, ".eml"));
    QFile::remove(path(id, ".env"));
    QFile::remove(path(id, ".sending"));
}

void Outbox::clearMark(const QString& id)
{
    QFile::remove(path(id, ".sending"));
}

QString Outbox::setAside(const QString& id)
{
    QDir dir(m_folder);
    const QString aside = QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../outbox-not-sent")));
    QString why;
    // As private as the outbox; what cannot be moved there stays where it is.
    if (!safefile::openPrivateFolder(aside, &why).isOpen())
        return QDir::cleanPath(m_folder);
    for (const char* suffix : {".env", ".sending", ".eml"}) {
        const QString from = path(id, suffix);
        if (QFileInfo::exists(from) || QFileInfo(from).isSymLink())
            QFile::rename(from, QDir(aside).filePath(id + QLatin1String(suffix)));
    }
    return aside;
}

QString waitingMessage(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 message waiting to be sent")
                      : QStringLiteral("%1 messages waiting to be sent").arg(count);
}

int retryDelaySeconds(int attempt)
{
    constexpr int first = 30;
    constexpr int longest = 30 * 60;
    if (attempt < 0)
        return first;
    if (attempt >= 6)
        return longest;
    return std::min(longest, first << attempt);
}

} // namespace mail
