#pragma once
// Which address a mail goes to: a right click, the Menu key or Shift+F10 on the E-mail or Quick
// e-mail button opens a menu of the chosen contact's e-mail addresses when it has more than one.
// The picked address is written to as a click on the button writes to the first one.

#include <QObject>
#include <QPoint>

class QAbstractButton;
class frmMain;

class AddressMenu : public QObject {
    Q_OBJECT

public:
    // Watches the bar's cmdEMailContact and cmdQEmailContact; lives as long as the bar.
    explicit AddressMenu(frmMain& form);

    // Opens the menu for the button at the point (global); false when there is nothing to choose
    // (no contact, a single address, the button disabled).
    bool popup(QAbstractButton* button, const QPoint& at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain& m_form;
    bool m_open = false;
};
