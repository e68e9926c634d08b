#pragma once
// The window's remembered place and mode.

#include <QObject>

class frmMain;

class Placement : public QObject {
    Q_OBJECT

public:
    explicit Placement(frmMain& form);
    void savePlacement();
    void restorePlacement();

private:
    frmMain& m_form;
};
