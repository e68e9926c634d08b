#include "quickmailoutbox.h"

#include "contactclient/errors.h"
#include "desktop/messagebox.h"
#include "mail/outbox.h"
#include "window/statusline.h"

#include <QCoreApplication>

QuickMailOutbox::QuickMailOutbox(QWidget& window, StatusLine& status, AccountReader account)
    : m_window(window), m_status(status), m_account(std::move(account))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QuickMailOutbox::sendNow);
}

void QuickMailOutbox::messageKept()
{
    m_attempt = 0;
    try {
        m_status.flash(mail::waitingMessage(mail::Outbox(m_account().outboxFolder).count()), 6000);
    } catch (const contactclient::AutomationError&) {
    }
    // The server was just found out of reach: the first try comes after the first wait. A round
    // running now may have listed the outbox before this message was kept: one more follows it.
    if (m_running)
        m_again = true;
    else
        m_timer.start(mail::retryDelaySeconds(m_attempt++) * 1000);
}

void QuickMailOutbox::sendNow()
{
    if (m_running) {
        m_again = true;
        return;
    }
    m_timer.stop();
    mail::MailAccount account;
    try {
        account = m_account();
    } catch (...) {
        MessageBox::show(&m_window, QStringLiteral("Quintel"),
                         QCoreApplication::translate("QuickMail", "The mail in the outbox cannot be sent.\n\n%1")
                             .arg(contactclient::describeFailure(std::current_exception()).description),
                         MessageBox::Icon::Warning);
        return;
    }
    m_running = true;
    mail::OutboxSendOptions options;
    options.resend = std::exchange(m_resend, {});
    auto report = std::make_shared<mail::OutboxReport>();
    auto work = [account, options, report] {
        try {
            *report = mail::sendOutbox(account, options);
        } catch (...) {
            report->problems.append(contactclient::describeFailure(std::current_exception()).description);
        }
    };
    auto done = [this, alive = m_alive, report] {
        if (*alive)
            roundDone(*report);
    };
    if (m_background) {
        m_background(std::move(work), std::move(done));
    } else {
        work();
        done();
    }
}

void QuickMailOutbox::roundDone(const mail::OutboxReport& report)
{
    m_running = false;
    if (report.waiting > 0)
        m_status.flash(mail::waitingMessage(report.waiting), 6000);
    if (!report.problems.isEmpty())
        MessageBox::show(&m_window, QStringLiteral("Quintel"),
                         QCoreApplication::translate("QuickMail", "Mail in the outbox was not sent.\n\n%1")
                             .arg(report.problems.join(QStringLiteral("\n\n"))),
                         MessageBox::Icon::Warning);
    for (const QString& notice : report.notices)
        MessageBox::show(&m_window, QStringLiteral("Quintel"), notice, MessageBox::Icon::Warning);
    askAboutInDoubt(report);
    emit roundFinished(report);

    if (report.tryLater) {
        m_timer.start(mail::retryDelaySeconds(m_attempt++) * 1000);
    } else {
        m_attempt = 0;
    }
    if (m_again || !m_resend.isEmpty()) {
        m_again = false;
        sendNow();
    }
}

void QuickMailOutbox::askAboutInDoubt(const mail::OutboxReport& report)
{
    mail::Outbox outbox(m_account().outboxFolder);
    for (qsizetype i = 0; i < report.inDoubt.size(); ++i) {
        const QString& id = report.inDoubt.at(i);
        const QString to = report.inDoubtAbout.value(i);
        const bool again = MessageBox::ask(
            &m_window, QStringLiteral("Quintel"),
            QCoreApplication::translate(
                "QuickMail", "A mail to %1 was being sent when Quintel stopped. The server may have received it "
                             "already.\n\nSend it again?\n\nNo keeps it out of the outbox without sending it.")
                .arg(to.isEmpty() ? QCoreApplication::translate("QuickMail", "an unknown recipient") : to));
        if (again) {
            m_resend.append(id);
        } else {
            const QString aside = outbox.setAside(id);
            MessageBox::show(
                &m_window, QStringLiteral("Quintel"),
                QCoreApplication::translate("QuickMail", "The mail was not sent again. It is kept in %1.").arg(aside),
                MessageBox::Icon::Information);
        }
    }
}
