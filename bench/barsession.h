#pragma once
// A bar built the way the program builds it — the vCard folder back-end chosen through the settings
// store, the real word processor, the desktop window system, the worker threads — on a settings file
// of its own.

#include "desktop/windowsystem.h"
#include "settingsstore.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class frmMain;
class modSettings;

namespace bench {

// The categories the bar offers: all contacts, the generated ones, and one no card carries.
QStringList barCategories();

class BarSession {
public:
    // Writes a settings file that points the contact client at the folder.
    explicit BarSession(const QString& folder);
    ~BarSession();

    // A new bar, not yet loaded.
    frmMain& create();
    // Closes and deletes the bar.
    void destroy();
    frmMain* form() const { return m_form.get(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QSettingsStore> m_store;
    std::unique_ptr<modSettings> m_settings;
    DesktopWindowSystem m_windowSystem;
    std::unique_ptr<frmMain> m_form;
};

} // namespace bench
