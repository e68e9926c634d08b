#include "sendmailtransport.h"

#include "contactclient/errors.h"

#include <QProcess>

namespace mail {
namespace {
constexpr int kStartMs = 10'000;
constexpr int kFinishMs = 60'000;
} // namespace

SendmailTransport::SendmailTransport(QString program) : m_program(std::move(program)) {}

void SendmailTransport::send(const QString&, const QStringList&, const QByteArray& message)
{
    using contactclient::AutomationError;
    using contactclient::errMailNotSent;
    QProcess process;
    process.setProgram(m_program);
    process.setArguments({QStringLiteral("-t"), QStringLiteral("-oi")});
    process.start();
    if (!process.waitForStarted(kStartMs))
        throw AutomationError(
            errMailNotSent,
            QStringLiteral("The mail program %1 cannot be started: %2").arg(m_program, process.errorString()));
    // Local submission takes the system's own line ends.
    QByteArray local = message;
    local.replace("\r\n", "\n");
    process.write(local);
    process.closeWriteChannel();
    if (!process.waitForFinished(kFinishMs)) {
        process.kill();
        process.waitForFinished(1000);
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
