#include "quickmail.h"

#include "contactclient/errors.h"
#include "desktop/messagebox.h"
#include "window/frmmain.h"
#include "window/windowmodes.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QString kSubject = QStringLiteral("Subject");
const QString kBody = QStringLiteral("Body");
} // namespace

QuickMail::QuickMail(frmMain& form) : m_form(form)
{
    m_form.txtSubject->installEventFilter(this);
    m_form.txtBody->installEventFilter(this);
    auto wire = [this](QAbstractButton* button, void (QuickMail::*handler)()) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { m_form.runGuarded([this, handler] { (this->*handler)(); }); });
    };
    wire(m_form.cmdSendMail, &QuickMail::cmdSendMail_Click);
    wire(m_form.cmdCancelMail, &QuickMail::cmdCancelMail_Click);
    wire(m_form.cmdClearMail, &QuickMail::cmdClearMail_Click);
}

bool QuickMail::eventFilter(QObject* watched, QEvent* event)
{
    const bool in = event->type() == QEvent::FocusIn;
    const bool out = event->type() == QEvent::FocusOut;
    if (watched == m_form.txtSubject && (in || out))
        in ? txtSubject_GotFocus() : txtSubject_LostFocus();
    else if (watched == m_form.txtBody && (in || out))
        in ? txtBody_GotFocus() : txtBody_LostFocus();
    return QObject::eventFilter(watched, event);
}

void QuickMail::txtSubject_GotFocus()
{
    if (m_form.txtSubject->text().trimmed() == kSubject)
        m_form.txtSubject->setText(QString());
}

void QuickMail::txtSubject_LostFocus()
{
    if (m_form.txtSubject->text().isEmpty())
        m_form.txtSubject->setText(kSubject);
}

void QuickMail::txtBody_GotFocus()
{
    if (m_form.txtBody->toPlainText().startsWith(kBody))
        m_form.txtBody->setPlainText(QString());
}

void QuickMail::txtBody_LostFocus()
{
    if (m_form.txtBody->toPlainText().isEmpty())
        m_form.txtBody->setPlainText(kBody);
}

bool QuickMail::sendToCurrentContact()
{
    if (!m_form.currentContact || !m_form.outlookApp) {
        MessageBox::show(&m_form, QStringLiteral("Quintel"), QStringLiteral("Choose a contact to send the mail to."),
                         MessageBox::Icon::Warning);
        return false;
    }
    try {
        auto mail = m_form.outlookApp->CreateItem(contactclient::olMailItem);
        mail->setSubject(m_form.txtSubject->text());
        // Qt gives the text's line breaks as LF; the mail goes out with CRLF.
        mail->setBody(m_form.txtBody->toPlainText());
        const contactclient::ContactItem& contact = *m_form.currentContact;
        QString to = contact.Email1DisplayName();
        if (to.isEmpty())
            to = contact.Email1Address();
        mail->setTo(to);
        mail->Send();
    } catch (const contactclient::AutomationError& e) {
        MessageBox::show(
            &m_form, QStringLiteral("Quintel"),
            QStringLiteral("The mail was not sent.\n\n%1\n\nThe subject and text are kept.").arg(e.description()),
            MessageBox::Icon::Warning);
        return false;
    }
    return true;
}

void QuickMail::cmdSendMail_Click()
{
    if (!sendToCurrentContact())
        return;
    m_form.modes->restoreRememberedMode();
    cmdClearMail_Click();
}

void QuickMail::cmdCancelMail_Click()
{
    m_form.modes->restoreRememberedMode();
    cmdClearMail_Click();
}

void QuickMail::cmdClearMail_Click()
{
    m_form.txtBody->setPlainText(kBody);
    m_form.txtSubject->setText(kSubject);
}
