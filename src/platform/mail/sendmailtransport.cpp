#include "sendmailtransport.h"

#include "contactclient/errors.h"

#include "mail/lineends.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>

namespace mail {
namespace {
constexpr int kStartMs = 10'000;
constexpr int kFinishMs = 60'000; // from the start to the end, the whole message handed on
constexpr qsizetype kPiece = 256 * 1024;
} // namespace

SendmailTransport::SendmailTransport(QString program) : m_program(std::move(program)) {}

void SendmailTransport::send(const QString&, const QStringList&, MessageSource& message)
{
    using contactclient::AutomationError;
    using contactclient::errMailNotSent;
    if (message.size() > kLargestMessageWithoutLimit)
        throw MessageTooLarge(QCoreApplication::translate(
                                  "MailTransport", "The mail is %1, larger than the %2 handed to the mail program %3.")
                                  .arg(megabytes(message.size()), megabytes(kLargestMessageWithoutLimit), m_program));
    QProcess process;
    process.setProgram(m_program);
    process.setArguments({QStringLiteral("-t"), QStringLiteral("-oi")});
    process.start();
    if (!process.waitForStarted(kStartMs))
        throw AutomationError(
            errMailNotSent,
            QStringLiteral("The mail program %1 cannot be started: %2").arg(m_program, process.errorString()));
    const QDeadlineTimer deadline(kFinishMs);
    const auto stop = [&process] {
        process.kill();
        process.waitForFinished(1000);
    };
    // Handed on a piece at a time, never more than a little waiting in the pipe.
    message.rewind();
    LocalLineEnds lineEnds;
    QByteArray piece(kPiece, Qt::Uninitialized);
    for (;;) {
        const qint64 n = message.read(piece.data(), piece.size());
        if (n < 0) {
            stop();
            throw MessageRefused(errMailNotSent, QCoreApplication::translate(
                                                     "MailTransport", "The mail could not be read to be sent: %1.")
                                                     .arg(message.error()));
        }
        process.write(n == 0 ? lineEnds.finish() : lineEnds.convert(QByteArrayView(piece).first(n)));
        while (process.bytesToWrite() > kPiece * 4) {
            if (!process.waitForBytesWritten(int(std::max<qint64>(deadline.remainingTime(), 1)))) {
                stop();
                throw AutomationError(errMailNotSent,
                                      QStringLiteral("The mail program %1 did not take the mail.").arg(m_program));
            }
        }
        if (n == 0)
            break;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(int(std::max<qint64>(deadline.remainingTime(), 1)))) {
        stop();
        throw AutomationError(errMailNotSent, QStringLiteral("The mail program %1 did not finish.").arg(m_program));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        throw AutomationError(errMailNotSent,
                              QStringLiteral("The mail program %1 refused the mail (status %2)%3")
                                  .arg(m_program)
                                  .arg(process.exitCode())
                                  .arg(err.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + err.left(400)));
    }
}

} // namespace mail
