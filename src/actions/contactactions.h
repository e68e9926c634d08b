#pragma once
// The five actions on the chosen contact. The contact client's desktop windows (contact card, call
// window, mail composer) are the bar's DesktopIntegration, which the client was built with.

#include <QObject>

#include <memory>

class ContactSession;
class DesktopIntegration;
class Guard;
class QToolButton;
class WindowModes;
namespace wordprocessor {
class Application;
}

struct ContactActionControls {
    QToolButton* cmdDialContact = nullptr;
    QToolButton* cmdEMailContact = nullptr;
    QToolButton* cmdViewContact = nullptr;
    QToolButton* cmdQEmailContact = nullptr;
    QToolButton* cmdWriteContact = nullptr;
};

class ContactActions : public QObject {
    Q_OBJECT

public:
    ContactActions(ContactActionControls controls, ContactSession& session, WindowModes& modes,
                   DesktopIntegration& desktop, const Guard& guard);
    void cmdDialContact_Click();
    void cmdEMailContact_Click();
    void cmdViewContact_Click();
    void cmdQEmailContact_Click();
    void cmdWriteContact_Click();
    QString contactMailingAddress() const;
    // The address the next E-mail or Quick e-mail writes to, one of the chosen contact's (the
    // buttons' menu sets it just before it clicks the button). Used once; empty: the first address.
    void setNextAddress(const QString& address) { m_nextAddress = address; }
    // A new contact from the box's text (Ctrl+N in the box; the list of matches may offer it too):
    // the card opens in edit mode with the text put where it belongs. Throws errReadOnly when no
    // address book takes new contacts.
    void addContact(const QString& text);

    DesktopIntegration& desktop() { return m_desktop; }
    void setWordProcessor(std::shared_ptr<wordprocessor::Application> wordApp) { m_wordApp = std::move(wordApp); }

    static QString letterOpeningMessage(const QString& name);

signals:
    // A short word for the status line (the letter is on its way to the word processor).
    void note(const QString& message, int milliseconds);
    // The quick-mail area was opened for this contact, to write to this address (empty: its first).
    void quickMailAddressed(const QString& entryId, const QString& address);

private:
    ContactSession& m_session;
    WindowModes& m_modes;
    std::shared_ptr<wordprocessor::Application> m_wordApp;
    DesktopIntegration& m_desktop;
    QString m_nextAddress;
};
