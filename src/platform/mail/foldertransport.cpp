#include "foldertransport.h"

#include "contactclient/errors.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QUuid>

namespace mail {

FolderTransport::FolderTransport(QString folder) : m_folder(std::move(folder)) {}

void FolderTransport::send(const QString&, const QStringList&, MessageSource& message)
{
    using contactclient::AutomationError;
    if (message.size() > kLargestMessageWithoutLimit)
        throw MessageTooLarge(QCoreApplication::translate(
                                  "MailTransport", "The mail is %1, larger than the %2 written to the mail folder %3.")
                                  .arg(megabytes(message.size()), megabytes(kLargestMessageWithoutLimit), m_folder));
    if (m_folder.isEmpty())
        throw AutomationError(contactclient::errMailNotSent, QStringLiteral("No mail folder is set up (MailFolder)."));
    if (!QDir().mkpath(m_folder))
        throw AutomationError(contactclient::errMailNotSent,
                              QStringLiteral("The mail folder %1 cannot be created.").arg(m_folder));
    const QString name = QStringLiteral("%1-%2.eml")
                             .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")),
                                  QUuid::createUuid().toString(QUuid::Id128).left(12));
    QSaveFile file(QDir(m_folder).filePath(name));
    const auto failed = [&](const QString& why) {
        return AutomationError(contactclient::errMailNotSent,
                               QStringLiteral("The mail cannot be written to %1: %2").arg(m_folder, why));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed(file.errorString());
    message.rewind();
    QByteArray piece(256 * 1024, Qt::Uninitialized);
    for (qint64 n; (n = message.read(piece.data(), piece.size())) != 0;) {
        if (n < 0)
            throw failed(message.error());
        if (file.write(piece.constData(), n) != n)
            throw failed(file.errorString());
    }
    if (!file.commit())
        throw failed(file.errorString());
}

} // namespace mail
