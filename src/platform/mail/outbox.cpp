#include "outbox.h"

#include "contactclient/errors.h"
#include "mail/mailbox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUuid>

namespace mail {
namespace {

using contactclient::AutomationError;
using contactclient::errMailNotSent;

void writeAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw AutomationError(errMailNotSent,
                              QStringLiteral("The outbox file %1 cannot be written: %2").arg(path, file.errorString()));
}

bool readAll(const QString& path, QByteArray* data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *data = file.readAll();
    return true;
}

} // namespace

Outbox::Outbox(QString folder) : m_folder(std::move(folder)) {}

QString Outbox::path(const QString& id, const char* suffix) const
{
    return QDir(m_folder).filePath(id + QLatin1String(suffix));
}

QString Outbox::keep(const QString& from, const QStringList& recipients, const QByteArray& message)
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
        throw AutomationError(errMailNotSent, QStringLiteral("The outbox folder %1 cannot be created.").arg(m_folder));
    const QString id =
        QStringLiteral("%1-%2").arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")),
                                    QUuid::createUuid().toString(QUuid::Id128).left(8));
    // The envelope first: a message file is only ever there with its envelope.
    writeAtomically(path(id, ".env"), (QStringList{from} + recipients).join(QLatin1Char('\n')).toUtf8() + '\n');
    writeAtomically(path(id, ".eml"), message);
    return id;
}

QStringList Outbox::ids() const
{
    QStringList ids;
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*.eml")}, QDir::Files, QDir::Name))
        ids.append(name.chopped(4));
    return ids;
}

bool Outbox::isInDoubt(const QString& id) const
{
    return QFile::exists(path(id, ".sending"));
}

OutboxMessage Outbox::read(const QString& id) const
{
    auto damaged = [&](const QString& why) {
        return AutomationError(errMailNotSent,
                               QStringLiteral("The outbox file %1 is damaged (%2).").arg(path(id, ".eml"), why));
    };
    OutboxMessage m;
    m.id = id;
    QByteArray envelope;
    if (!readAll(path(id, ".eml"), &m.message))
        throw damaged(QStringLiteral("it cannot be read"));
    if (!m.message.contains("\r\n\r\n"))
        throw damaged(QStringLiteral("it is not a mail message"));
    if (!readAll(path(id, ".env"), &envelope))
        throw damaged(QStringLiteral("its recipients are missing"));
    QStringList lines = QString::fromUtf8(envelope).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() < 2)
        throw damaged(QStringLiteral("it has no recipient"));
    m.from = lines.takeFirst();
    for (const QString& address : std::as_const(lines)) {
        if (hasControlCharacter(address) || !isUsableAddress(address))
            throw damaged(QStringLiteral("the recipient \"%1\" is not usable").arg(address));
    }
    if (!m.from.isEmpty() && (hasControlCharacter(m.from) || !isUsableAddress(m.from)))
        throw damaged(QStringLiteral("the sender \"%1\" is not usable").arg(m.from));
    m.recipients = lines;
    return m;
}

void Outbox::markSending(const QString& id)
{
    writeAtomically(path(id, ".sending"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8());
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
    const QString aside = dir.absoluteFilePath(QStringLiteral("../outbox-not-sent"));
    QDir().mkpath(aside);
    for (const char* suffix : {".env", ".sending", ".eml"}) {
        const QString from = path(id, suffix);
        if (QFile::exists(from))
            QFile::rename(from, QDir(aside).filePath(id + QLatin1String(suffix)));
    }
    return QDir::cleanPath(aside);
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
