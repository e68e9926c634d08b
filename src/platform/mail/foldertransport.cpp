#include "foldertransport.h"

#include "contactclient/errors.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QUuid>

namespace mail {

FolderTransport::FolderTransport(QString folder) : m_folder(std::move(folder)) {}

void FolderTransport::send(const QString&, const QStringList&, const QByteArray& message)
{
    using contactclient::AutomationError;
    if (m_folder.isEmpty())
        throw AutomationError(contactclient::errMailNotSent, QStringLiteral("No mail folder is set up (MailFolder)."));
    if (!QDir().mkpath(m_folder))
        throw AutomationError(contactclient::errMailNotSent,
                              QStringLiteral("The mail folder %1 cannot be created.").arg(m_folder));
    const QString name = QStringLiteral("%1-%2.eml")
                             .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                                  QUuid::createUuid().toString(QUuid::Id128).left(12));
    QSaveFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(message) != message.size() || !file.commit())
        throw AutomationError(contactclient::errMailNotSent,
                              QStringLiteral("The mail cannot be written to %1: %2").arg(m_folder, file.errorString()));
}

} // namespace mail
