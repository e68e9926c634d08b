#pragma once
// The five actions on the chosen contact. Also installs the contact client's desktop windows
// (contact card, call window, mail composer) for as long as the bar lives.

#include <QObject>

#include <memory>

class frmMain;
class DesktopIntegration;

class ContactActions : public QObject {
    Q_OBJECT

public:
    explicit ContactActions(frmMain& form);
    ~ContactActions() override;
    void cmdDialContact_Click();
    void cmdEMailContact_Click();
    void cmdViewContact_Click();
    void cmdQEmailContact_Click();
    void cmdWriteContact_Click();
    QString contactMailingAddress() const;

    DesktopIntegration& desktop() { return *m_desktop; }

private:
    frmMain& m_form;
    std::unique_ptr<DesktopIntegration> m_desktop;
};
