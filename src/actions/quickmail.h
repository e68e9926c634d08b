#pragma once
// The quick-mail area: subject and body with their placeholder words, Send, Cancel and Clear.
// The mail goes out on a worker: the bar stays responsive while a server takes its time, and the
// area cannot be changed or sent again until the result is in.

#include "contactclient/errors.h"
#include "contacts/contactsession.h"

#include <QObject>

#include <optional>

class Guard;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QuickMailOutbox;
class QWidget;
class StatusLine;
class WindowModes;

struct QuickMailControls {
    QLineEdit* txtSubject = nullptr;
    QPlainTextEdit* txtBody = nullptr;
    QPushButton* cmdSendMail = nullptr;
    QPushButton* cmdCancelMail = nullptr;
    QPushButton* cmdClearMail = nullptr;
};

class QuickMail : public QObject {
    Q_OBJECT

public:
    QuickMail(QWidget& window, QuickMailControls controls, ContactSession& session, WindowModes& modes,
              StatusLine& status, const Guard& guard);
    ~QuickMail() override { *m_alive = false; }
    // Where the transmission runs; empty: at once, on this thread.
    void setBackground(ContactSession::Background background) { m_background = std::move(background); }
    // Where a mail that could not go out for now can be kept; none: it is not offered.
    void setOutbox(QuickMailOutbox* outbox) { m_outbox = outbox; }

    void txtSubject_GotFocus();
    void txtSubject_LostFocus();
    void txtBody_GotFocus();
    void txtBody_LostFocus();
    void cmdSendMail_Click();
    void cmdCancelMail_Click();
    void cmdClearMail_Click();

    bool isSending() const { return m_sending; }

    // The address the mail goes to while this contact is the chosen one (picked from the Quick
    // e-mail button's menu); empty: the contact's first address.
    void setAddress(const QString& entryId, const QString& address);

    // Who the mail goes to, as "Name <address>".
    static QString recipient(const contactclient::ContactItem& contact);
    // Who the mail goes to with the address picked for the contact (none: its first address).
    QString recipientOf(const contactclient::ContactItem& contact) const;
    static QString sendingMessage(const QString& recipient);

signals:
    // The result of a send is in (sent: the area was cleared; else the user was told and the
    // subject and text are kept).
    void sendFinished(bool sent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRecipient();
    QString pickedAddress(const contactclient::ContactItem& contact) const;
    void setBusy(bool busy);
    void sendDone(contactclient::MailItem& mail, const std::optional<contactclient::Failure>& failure);
    void afterSent();
    void offerToKeep(contactclient::MailItem& mail, const QString& description);
    void reportNotSent(const QString& description);

    QWidget& m_window;
    QuickMailControls m_controls;
    ContactSession& m_session;
    WindowModes& m_modes;
    StatusLine& m_status;
    ContactSession::Background m_background;
    QuickMailOutbox* m_outbox = nullptr;
    bool m_sending = false;
    QString m_sendingText; // on the status line while the mail goes out
    QString m_addressFor;  // the contact whose address was picked (entry ID)
    QString m_address;
    // The result of a send may come back after the area is gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
