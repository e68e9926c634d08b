#pragma once
// The Options button: shows the one options dialog, modeless.

#include <QObject>

class frmMain;

class OptionsOpener : public QObject {
    Q_OBJECT

public:
    explicit OptionsOpener(frmMain& form);
    void cmdOptions_Click();

private:
    frmMain& m_form;
};
