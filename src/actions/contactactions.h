#pragma once
// The five actions on the chosen contact. Also installs the contact client's desktop windows
// (contact card, call window, mail composer) for as long as the bar lives.

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
    ContactActions(ContactActionControls controls, ContactSession& session, WindowModes& modes, const Guard& guard);
    ~ContactActions() override;
    void cmdDialContact_Click();
    void cmdEMailContact_Click();
    void cmdViewContact_Click();
    void cmdQEmailContact_Click();
    void cmdWriteContact_Click();
    QString contactMailingAddress() const;

    DesktopIntegration& desktop() { return *m_desktop; }
    void setWordProcessor(std::shared_ptr<wordprocessor::Application> wordApp) { m_wordApp = std::move(wordApp); }
    const std::shared_ptr<wordprocessor::Application>& wordProcessor() const { return m_wordApp; }

private:
    ContactSession& m_session;
    WindowModes& m_modes;
    std::shared_ptr<wordprocessor::Application> m_wordApp;
    std::unique_ptr<DesktopIntegration> m_desktop;
};
