#pragma once
// Which action buttons the chosen contact allows, and the lamp that shows whether one is chosen.

#include <QObject>

class frmMain;

class ActionAvailability : public QObject {
    Q_OBJECT

public:
    explicit ActionAvailability(frmMain& form);
    void updateActionButtons(bool found);
    void showContactLamp(bool found);
    void updateEmailButtons();
    void updateDialButton();
    void updateWriteButton();

private:
    frmMain& m_form;
};
