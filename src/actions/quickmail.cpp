#include "quickmail.h"

#include "actions/mailaddresses.h"
#include "actions/quickmailoutbox.h"
#include "contactclient/errors.h"
#include "desktop/messagebox.h"
#include "window/guard.h"
#include "window/statusline.h"
#include "window/windowmodes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// The prompts the empty boxes show, in the user's language (the layout's texts).
QString subjectPrompt()
{
    return QCoreApplication::translate("layout", "Subject");
}
QString bodyPrompt()
{
    return QCoreApplication::translate("layout", "Body");
}
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
    // Told when the area opens, and again whenever SEND is pointed at or reached with the keys:
    // reading the address on every change of the chosen contact would slow typing.
    m_controls.cmdSendMail->installEventFilter(this);
    connect(&m_modes, &WindowModes::modeChanged, this, [this] {
        if (!m_controls.cmdSendMail->isHidden())
            showRecipient();
    });
}

QString QuickMail::recipient(const contactclient::ContactItem& contact)
{
    const QString name = contact.FullName().isEmpty() ? contact.FileAs() : contact.FullName();
    const QString address = contact.Email1Address();
    if (address.isEmpty())
        return name;
    return name.isEmpty() ? address : QStringLiteral("%1 <%2>").arg(name, address);
}

void QuickMail::setAddress(const QString& entryId, const QString& address)
{
    const QString forContact = address.isEmpty() ? QString() : entryId;
    const QString picked = forContact.isEmpty() ? QString() : address;
    if (forContact == m_addressFor && picked == m_address)
        return; // the contact is not read for nothing
    m_addressFor = forContact;
    m_address = picked;
    if (!m_controls.cmdSendMail->isHidden())
        showRecipient();
}

// The picked address counts while its contact is the chosen one and still has it.
QString QuickMail::pickedAddress(const contactclient::ContactItem& contact) const
{
    if (m_address.isEmpty() || contact.EntryID() != m_addressFor || !mailaddresses::has(contact, m_address))
        return {};
    return m_address;
}

QString QuickMail::recipientOf(const contactclient::ContactItem& contact) const
{
    const QString picked = pickedAddress(contact);
    return picked.isEmpty() ? recipient(contact) : mailaddresses::recipient(contact, picked);
}

QString QuickMail::sendingMessage(const QString& recipient)
{
    return QCoreApplication::translate("QuickMail", "Sending the mail to %1...").arg(recipient);
}

// SEND tells whom the mail goes to, as its tool tip and to a screen reader.
void QuickMail::showRecipient()
{
    const auto contact = m_session.currentContact();
    const QString text = contact ? QCoreApplication::translate("QuickMail", "Send to %1").arg(recipientOf(*contact))
                                 : QCoreApplication::translate("QuickMail", "Choose a contact to send the mail to");
    m_controls.cmdSendMail->setToolTip(text);
    m_controls.cmdSendMail->setAccessibleDescription(text);
}

bool QuickMail::eventFilter(QObject* watched, QEvent* event)
{
    const bool in = event->type() == QEvent::FocusIn;
    const bool out = event->type() == QEvent::FocusOut;
    if (watched == m_controls.cmdSendMail && (in || event->type() == QEvent::ToolTip))
        showRecipient();
    else if (watched == m_controls.txtSubject && (in || out))
        in ? txtSubject_GotFocus() : txtSubject_LostFocus();
    else if (watched == m_controls.txtBody && (in || out))
        in ? txtBody_GotFocus() : txtBody_LostFocus();
    return QObject::eventFilter(watched, event);
}

void QuickMail::txtSubject_GotFocus()
{
    if (m_controls.txtSubject->text().trimmed() == subjectPrompt())
        m_controls.txtSubject->setText(QString());
}

void QuickMail::txtSubject_LostFocus()
{
    if (m_controls.txtSubject->text().isEmpty())
        m_controls.txtSubject->setText(subjectPrompt());
}

void QuickMail::txtBody_GotFocus()
{
    if (m_controls.txtBody->toPlainText().startsWith(bodyPrompt()))
        m_controls.txtBody->setPlainText(QString());
}

void QuickMail::txtBody_LostFocus()
{
    if (m_controls.txtBody->toPlainText().isEmpty())
        m_controls.txtBody->setPlainText(bodyPrompt());
}

void QuickMail::reportNotSent(const QString& description)
{
    MessageBox::show(
        &m_window, QStringLiteral("Quintel"),
        QCoreApplication::translate("QuickMail", "The mail was not sent.\n\n%1\n\nThe subject and text are kept.")
            .arg(description),
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
        MessageBox::show(&m_window, QStringLiteral("Quintel"),
                         QCoreApplication::translate("QuickMail", "Choose a contact to send the mail to."),
                         MessageBox::Icon::Warning);
        return;
    }
    std::function<void()> transmit;
    std::shared_ptr<contactclient::MailItem> mail;
    try {
        mail = m_session.application()->CreateItem(contactclient::olMailItem);
        mail->setSubject(m_controls.txtSubject->text());
        // Qt gives the text's line breaks as LF; the mail goes out with CRLF.
        mail->setBody(m_controls.txtBody->toPlainText());
        const QString picked = pickedAddress(*contact);
        QString to = picked.isEmpty() ? contact->Email1DisplayName() : mailaddresses::recipient(*contact, picked);
        if (to.isEmpty())
            to = contact->Email1Address();
        mail->setTo(to);
        transmit = mail->prepareSend();
    } catch (const contactclient::AutomationError& e) {
        reportNotSent(e.description());
        emit sendFinished(false);
        return;
    }

    setBusy(true);
    m_sendingText = sendingMessage(recipientOf(*contact));
    m_status.show(m_sendingText);
    // Set only when the transmission failed.
    auto failure = std::make_shared<std::optional<contactclient::Failure>>();
    auto work = [transmit = std::move(transmit), mail, failure] {
        try {
            transmit();
        } catch (...) {
            *failure = contactclient::describeFailure(std::current_exception());
        }
    };
    auto done = [this, alive = m_alive, mail, failure] {
        if (*alive)
            sendDone(*mail, *failure);
    };
    if (m_background) {
        m_background(std::move(work), std::move(done));
    } else {
        work();
        done();
    }
}

void QuickMail::sendDone(contactclient::MailItem& mail, const std::optional<contactclient::Failure>& failure)
{
    setBusy(false);
    if (m_status.text() == m_sendingText)
        m_status.hide();
    if (failure) {
        if (failure->number == contactclient::errMailTryLater && m_outbox) {
            offerToKeep(mail, failure->description);
        } else {
            reportNotSent(failure->description);
            emit sendFinished(false);
        }
        return;
    }
    const QString notice = mail.sendNotice();
    afterSent();
    // The mail is out: a copy that could not be saved is told, never taken for a failed send.
    if (!notice.isEmpty())
        MessageBox::show(&m_window, QStringLiteral("Quintel"), notice, MessageBox::Icon::Warning);
}

void QuickMail::afterSent()
{
    setAddress({}, {});
    m_modes.restoreRememberedMode();
    cmdClearMail_Click();
    emit sendFinished(true);
}

// A send that may succeed later: the user chooses between the outbox (the area is then left as
// after a send) and keeping the subject and text in the area.
void QuickMail::offerToKeep(contactclient::MailItem& mail, const QString& description)
{
    const bool keep = MessageBox::ask(
        &m_window, QStringLiteral("Quintel"),
        QCoreApplication::translate("QuickMail", "The mail was not sent.\n\n%1\n\nKeep it in the outbox? Quintel "
                                                 "sends it as soon as the server can be reached.")
            .arg(description),
        MessageBox::Icon::Warning);
    if (!keep) {
        emit sendFinished(false);
        return;
    }
    QString notKept;
    try {
        if (!mail.keepForLater())
            notKept = description;
    } catch (...) {
        notKept = contactclient::describeFailure(std::current_exception()).description;
    }
    if (!notKept.isEmpty()) {
        reportNotSent(notKept);
        emit sendFinished(false);
        return;
    }
    m_outbox->messageKept();
    afterSent();
}

void QuickMail::cmdCancelMail_Click()
{
    if (m_sending)
        return;
    setAddress({}, {});
    m_modes.restoreRememberedMode();
    cmdClearMail_Click();
}

void QuickMail::cmdClearMail_Click()
{
    m_controls.txtBody->setPlainText(bodyPrompt());
    m_controls.txtSubject->setText(subjectPrompt());
}
