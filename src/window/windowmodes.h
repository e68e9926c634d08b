#pragma once
// The three window heights: the bar grows and shrinks upwards, keeping its bottom edge.

#include <QObject>

class frmMain;

class WindowModes : public QObject {
    Q_OBJECT

public:
    explicit WindowModes(frmMain& form);
    void cmdState_Click();
    void nextWindowMode();
    void setWindowMode(int target);
    void restoreRememberedMode();
    void hideMailControls();
    void showMailControls();

private:
    frmMain& m_form;
};
