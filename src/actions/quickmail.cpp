#include "quickmail.h"

#include "contactclient/errors.h"
#include "desktop/messagebox.h"
#include "window/guard.h"
#include "window/statusline.h"
#include "window/windowmodes.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString kSubject = QStringLiteral("Subject");
const QString kBody = QStringLiteral("Body");
} // namespace

QuickMail::QuickMail(QWidget& window, QuickMailControls controls, ContactSession& session, WindowModes& modes,
                     StatusLine& status, const Guard& guard)
    : m_window(window), m_controls(controls), m_session(session), m_modes(modes), m_status(status)
{
    m_controls.txtSubject->installEventFilter(this);
    m_controls.txtBody->installEventFilter(this);
    auto wire = [this, &guard](QAbstractButton* button, void (QuickMail::*handler)()) {
        connect(button, &QAbstractButton::clicked, this,
                [this, &guard, handler] { guard.run([this, handler] { (this->*handler)(); }); });
    };
    wire(m_controls.cmdSendMail, &QuickMail::cmdSendMail_Click);
    wire(m_controls.cmdCancelMail, &QuickMail::cmdCancelMail_Click);
    wire(m_controls.cmdClearMail, &QuickMail::cmdClearMail_Click);
}

QString QuickMail::sendingMessage()
{
    return QStringLiteral("Sending the mail...");
}

bool QuickMail::eventFilter(QObject* watched, QEvent* event)
{
    const bool in = event->type() == QEvent::FocusIn;
    const bool out = event->type() == QEvent::FocusOut;
    if (watched == m_controls.txtSubject && (in || out))
        in ? txtSubject_GotFocus() : txtSubject_LostFocus();
    else if (watched == m_controls.txtBody && (in || out))
        in ? txtBody_GotFocus() : txtBody_LostFocus();
    return QObject::eventFilter(watched, event);
}

void QuickMail::txtSubject_GotFocus()
{
    if (m_controls.txtSubject->text().trimmed() == kSubject)
        m_controls.txtSubject->setText(QString());
}

void QuickMail::txtSubject_LostFocus()
{
    if (m_controls.txtSubject->text().isEmpty())
        m_controls.txtSubject->setText(kSubject);
}

void QuickMail::txtBody_GotFocus()
{
    if (m_controls.txtBody->toPlainText().startsWith(kBody))
        m_controls.txtBody->setPlainText(QString());
}

void QuickMail::txtBody_LostFocus()
{
    if (m_controls.txtBody->toPlainText().isEmpty())
        m_controls.txtBody->setPlainText(kBody);
}

void QuickMail::reportNotSent(const QString& description)
{
    MessageBox::show(&m_window, QStringLiteral("Quintel"),
                     QStringLiteral("The mail was not sent.\n\n%1\n\nThe subject and text are kept.").arg(description),
                     MessageBox::Icon::Warning);
}

void QuickMail::setBusy(bool busy)
{
    m_sending = busy;
    m_controls.cmdSendMail->setEnabled(!busy);
    m_controls.cmdClearMail->setEnabled(!busy);
    m_controls.cmdCancelMail->setEnabled(!busy);
    m_controls.txtSubject->setReadOnly(busy);
    m_controls.txtBody->setReadOnly(busy);
}

void QuickMail::cmdSendMail_Click()
{
    if (m_sending)
        return;
    const auto contact = m_session.currentContact();
    if (!contact || !m_session.application()) {
        MessageBox::show(&m_window, QStringLiteral("Quintel"), QStringLiteral("Choose a contact to send the mail to."),
                         MessageBox::Icon::Warning);
        return;
    }
    std::function<void()> transmit;
    try {
        std::shared_ptr<contactclient::MailItem> mail = m_session.application()->CreateItem(contactclient::olMailItem);
        mail->setSubject(m_controls.txtSubject->text());
        // Qt gives the text's line breaks as LF; the mail goes out with CRLF.
        mail->setBody(m_controls.txtBody->toPlainText());
        QString to = contact->Email1DisplayName();
        if (to.isEmpty())
            to = contact->Email1Address();
        mail->setTo(to);
        auto prepared = mail->prepareSend();
        transmit = [mail, prepared = std::move(prepared)] { prepared(); };
    } catch (const contactclient::AutomationError& e) {
        reportNotSent(e.description());
        emit sendFinished(false);
        return;
    }

    setBusy(true);
    m_status.show(sendingMessage());
    auto error = std::make_shared<QString>();
    auto work = [transmit = std::move(transmit), error] {
        try {
            transmit();
        } catch (...) {
            *error = contactclient::describeFailure(std::current_exception()).description;
        }
    };
    auto done = [this, alive = m_alive, error] {
        if (*alive)
            sendDone(*error);
    };
    if (m_background) {
        m_background(std::move(work), std::move(done));
    } else {
        work();
        done();
    }
}

void QuickMail::sendDone(const QString& error)
{
    setBusy(false);
    if (m_status.text() == sendingMessage())
        m_status.hide();
    if (!error.isEmpty()) {
        reportNotSent(error);
        emit sendFinished(false);
        return;
    }
    m_modes.restoreRememberedMode();
    cmdClearMail_Click();
    emit sendFinished(true);
}

void QuickMail::cmdCancelMail_Click()
{
    if (m_sending)
        return;
    m_modes.restoreRememberedMode();
    cmdClearMail_Click();
}

void QuickMail::cmdClearMail_Click()
{
    m_controls.txtBody->setPlainText(kBody);
    m_controls.txtSubject->setText(kSubject);
}
