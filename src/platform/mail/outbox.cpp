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
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mail {
namespace {

using contactclient::AutomationError;
using contactclient::errMailNotSent;

// A message's header: the envelope is checked against its To and Cc. A message whose header
// does not end within this is not one the outbox wrote.
constexpr qint64 kLargestHeader = 1024 * 1024;
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

// A file of the outbox, opened only when it is a regular file of this user no larger than maxSize.
// Not open, with why set (empty when the file is not there), otherwise.
safefile::Fd openOwnFile(int dirFd, const QString& name, qint64 maxSize, safefile::FileInfo* info, QString* why)
{
    int error = 0;
    safefile::Fd fd = safefile::openRegularFile(dirFd, QFile::encodeName(name), maxSize, info, why, &error);
    if (!fd.isOpen()) {
        if (error == ENOENT)
            *why = QString();
        return {};
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || st.st_uid != ::geteuid()) {
        *why = QStringLiteral("it belongs to another user");
        return {};
    }
    return fd;
}

bool readOwnFile(int dirFd, const QString& name, qint64 maxSize, QByteArray* data, QString* why)
{
    safefile::FileInfo info;
    const safefile::Fd fd = openOwnFile(dirFd, name, maxSize, &info, why);
    return fd.isOpen() && safefile::readToEnd(fd.get(), info.size, maxSize, *data, why);
}

// The header of a message and the blank line after it; empty when it does not end within
// kLargestHeader.
QByteArray readHeader(MessageSource& message, QString* why)
{
    QByteArray head;
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    message.rewind();
    while (head.size() < kLargestHeader) {
        const qint64 n = message.read(piece.data(), piece.size());
        if (n <= 0) {
            if (n < 0)
                *why = message.error();
            break;
        }
        // The blank line may straddle two pieces.
        const qsizetype from = std::max<qsizetype>(head.size() - 3, 0);
        head.append(piece.constData(), n);
        if (const qsizetype end = head.indexOf("\r\n\r\n", from); end >= 0) {
            message.rewind();
            return head.left(end + 4);
        }
    }
    message.rewind();
    return {};
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
    // Opened, not read: a message of any size is sent a piece at a time, and one larger than the
    // mail account takes is set aside by the sender without being read.
    safefile::FileInfo info;
    safefile::Fd eml =
        openOwnFile(dir.get(), id + QStringLiteral(".eml"), std::numeric_limits<qint64>::max(), &info, &why);
    if (!eml.isOpen())
        throw damaged(why.isEmpty() ? QStringLiteral("it cannot be read")
                                    : QStringLiteral("it cannot be read: %1").arg(why));
    m.message = std::make_shared<FileSource>(std::move(eml), info.size, path(id, ".eml"));
    const QByteArray header = readHeader(*m.message, &why);
    if (header.isEmpty())
        throw damaged(why.isEmpty() ? QStringLiteral("it is not a mail message")
                                    : QStringLiteral("it cannot be read: %1").arg(why));
    QByteArray envelope;
    if (!readOwnFile(dir.get(), id + QStringLiteral(".env"), kLargestEnvelope, &envelope, &why))
        throw damaged(why.isEmpty() ? QStringLiteral("its recipients are missing")
                                    : QStringLiteral("its recipients cannot be read: %1").arg(why));
    const std::optional<Envelope> parsed = parseEnvelope(envelope, header, &why);
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
