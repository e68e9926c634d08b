#pragma once
// Follows an address book that changes while the bar runs (a server's copy brought up to date in
// the background): reloads the lists without disturbing what the user is typing, and shows what
// the store has to say (working offline, cards skipped) on the status line.

#include <QObject>

class frmMain;

class StoreWatcher : public QObject {
    Q_OBJECT

public:
    explicit StoreWatcher(frmMain& form);

    // Call once the contact client is logged on.
    void attach();
    // Rebuilds the lists from a fresh item set, in the chosen category.
    void reload();
    // Shows the store's note (working offline, cards skipped) for a few seconds, if it has one.
    void showNote();

private:
    frmMain& m_form;
};
