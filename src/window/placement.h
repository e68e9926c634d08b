#pragma once
// The window's remembered place and mode.

#include <QObject>

#include <functional>

class QWidget;
class SettingsStore;
class WindowModes;

class Placement : public QObject {
    Q_OBJECT

public:
    // Kept in the store's section "Settings" of the application "Quintel".
    Placement(QWidget& window, WindowModes& modes, std::function<SettingsStore&()> store);
    void savePlacement();
    void restorePlacement();

private:
    QWidget& m_window;
    WindowModes& m_modes;
    std::function<SettingsStore&()> m_store;
};
