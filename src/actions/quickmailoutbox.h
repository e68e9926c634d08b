#pragma once
// The bar's side of the outbox: sends what waits there at start, after a mail was kept and then
// with growing waits while the server stays out of reach; tells the user how many messages wait
// and asks before sending one again that may already have gone out.

#include "contacts/contactsession.h"
#include "mail/mailaccount.h"
#include "mail/outboxsender.h"

#include <QObject>
#include <QTimer>

class QWidget;
class StatusLine;

class QuickMailOutbox : public QObject {
    Q_OBJECT

public:
    using AccountReader = std::function<mail::MailAccount()>;
    QuickMailOutbox(QWidget& window, StatusLine& status, AccountReader account);
    ~QuickMailOutbox() override { *m_alive = false; }
    // Where the sending runs; empty: at once, on this thread.
    void setBackground(ContactSession::Background background) { m_background = std::move(background); }

    // At start: what waits is sent.
    void start() { sendNow(); }
    // The quick-mail area has just kept a message.
    void messageKept();
    // Sends what waits now, unless a round is running.
    void sendNow();

    bool isSending() const { return m_running; }
    // The wait before the next round, in seconds; 0 when none is planned.
    int plannedRetrySeconds() const { return m_timer.isActive() ? m_timer.interval() / 1000 : 0; }

signals:
    void roundFinished(const mail::OutboxReport& report);

private:
    void roundDone(const mail::OutboxReport& report);
    void askAboutInDoubt(const mail::OutboxReport& report);

    QWidget& m_window;
    StatusLine& m_status;
    AccountReader m_account;
    ContactSession::Background m_background;
    QTimer m_timer;
    int m_attempt = 0;
    bool m_running = false;
    bool m_again = false;
    QStringList m_resend;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
