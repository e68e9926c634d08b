#include "outboxsender.h"

#include "contactclient/errors.h"
#include "mail/mailaccount.h"
#include "mail/outbox.h"
#include "mail/sentcopy.h"
#include "mail/transport.h"

namespace mail {

OutboxReport sendOutbox(const MailAccount& account, const OutboxSendOptions& options)
{
    using contactclient::describeFailure;
    Outbox outbox(account.outboxFolder);
    OutboxReport report;
    // A folder that is a symbolic link or another user's is not sent from, nor changed.
    if (const QString problem = outbox.problem(); !problem.isEmpty()) {
        report.problems.append(problem);
        report.waiting = outbox.count();
        return report;
    }
    const QStringList ids = outbox.ids();
    std::unique_ptr<Transport> transport;
    for (const QString& id : ids) {
        if (outbox.isInDoubt(id)) {
            if (!options.resend.contains(id)) {
                report.inDoubt.append(id);
                try {
                    report.inDoubtAbout.append(outbox.read(id).recipients.join(QStringLiteral(", ")));
                } catch (const contactclient::AutomationError&) {
                    report.inDoubtAbout.append(QString());
                }
                continue;
            }
            outbox.clearMark(id);
        }
        OutboxMessage message;
        try {
            message = outbox.read(id);
        } catch (const contactclient::AutomationError& e) {
            const QString aside = outbox.setAside(id);
            report.problems.append(
                QStringLiteral("%1 It was moved to %2 and will not be sent.").arg(e.description(), aside));
            continue;
        }
        try {
            if (!transport)
                transport = createTransport(account);
            outbox.markSending(id);
        } catch (...) {
            report.problems.append(describeFailure(std::current_exception()).description);
            break;
        }
        try {
            transport->send(message.from, message.recipients, *message.message);
        } catch (const MessageTooLarge& e) {
            // Nothing of it went out, and it never will as it is: it makes way for the others.
            outbox.clearMark(id);
            const QString aside = outbox.setAside(id);
            report.problems.append(
                QStringLiteral("%1 It was moved to %2 and will not be sent.").arg(e.description(), aside));
            continue;
        } catch (const MessageRefused& e) {
            // The server refused this message alone; it waits, and the next ones still go.
            outbox.clearMark(id);
            if (e.number() == contactclient::errMailTryLater)
                report.tryLater = true;
            else
                report.problems.append(e.description());
            continue;
        } catch (...) {
            outbox.clearMark(id);
            const contactclient::Failure failure = describeFailure(std::current_exception());
            if (failure.number == contactclient::errMailTryLater)
                report.tryLater = true;
            else
                report.problems.append(failure.description);
            // The server cannot be reached or will not take a connection: the next messages
            // would meet the same.
            break;
        }
        if (options.afterAccept)
            options.afterAccept(id);
        outbox.removeSent(id);
        ++report.sent;
        if (savesSentCopy(account)) {
            if (const QString notice = saveSentCopy(account, *message.message); !notice.isEmpty())
                report.notices.append(notice);
        }
    }
    report.waiting = outbox.count();
    return report;
}

} // namespace mail
