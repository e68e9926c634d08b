#pragma once
// The action buttons and the lamp follow the chosen contact.

#include "entry/availability.h"

#include <QObject>

class ContactSession;
class QLabel;
class QToolButton;
class modSettings;

struct ActionControls {
    QToolButton* cmdViewContact = nullptr;
    QToolButton* cmdEMailContact = nullptr;
    QToolButton* cmdQEmailContact = nullptr;
    QToolButton* cmdDialContact = nullptr;
    QToolButton* cmdWriteContact = nullptr;
    QLabel* imgOne = nullptr; // lamp lit
    QLabel* imgTwo = nullptr; // lamp unlit
};

class ActionAvailability : public QObject {
    Q_OBJECT

public:
    ActionAvailability(ActionControls controls, ContactSession& session, const modSettings& settings);
    // Enables the buttons for the session's current contact and the e-mail preference.
    void updateActionButtons();
    void apply(const ActionStates& states);

private:
    ActionControls m_controls;
    ContactSession& m_session;
    const modSettings& m_settings;
};
