// Quintel: a small always-on-top contact bar.

#include "app/errorreport.h"
#include "app/firstrun.h"
#include "app/singleinstance.h"
#include "contactclient/factory.h"
#include "desktop/windowsystem.h"
#include "settings/modsettings.h"
#include "settingsstore.h"
#include "setup/setupwindow.h"
#include "window/frmmain.h"
#include "wordprocessor/factory.h"

#include <QApplication>

#include <cstdio>

namespace {

// Keep-on-top, placement and the skip-taskbar hint need X11: under Wayland run through XWayland
// unless the user chose a platform.
void preferX11()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

bool haveDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal"))
        return true;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    preferX11();
    if (!haveDisplay()) {
        std::fprintf(stderr, "quintel: %s\n",
                     qPrintable(errorText(errNoDisplay, QStringLiteral("No display: DISPLAY and WAYLAND_DISPLAY "
                                                                       "are not set, so the bar cannot be shown."))));
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintel"));
    QApplication::setOrganizationName(QStringLiteral("Quintel"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTEL_VERSION_TEXT));
    QApplication::setQuitOnLastWindowClosed(false);

    // One bar per user: a later start brings the running bar forward and ends.
    SingleInstance instance;
    switch (instance.start()) {
    case SingleInstance::Role::Secondary:
        return 0;
    case SingleInstance::Role::Unreachable:
        reportError(nullptr, errUnexpected, instance.errorText());
        return 1;
    case SingleInstance::Role::Primary:
        break;
    }

    QSettingsStore store;
    // Nothing set up and no address book in the default place: the set-up window comes first.
    if (firstrun::needsSetup(store) && !setup::runFirstRunSetup(store))
        return 0;
    modSettings::setStore(&store);
    DesktopWindowSystem windowSystem;
    Platform platform;
    platform.createContactClient = [&store] { return contactclient::createApplication(store); };
    platform.createWordProcessor = [] { return wordprocessor::createApplication(); };
    platform.windowSystem = &windowSystem;

    frmMain form(platform);
    QObject::connect(&instance, &SingleInstance::activationRequested, &form, [&form] { raiseBar(form); });
    try {
        form.Form_Load();
    } catch (const contactclient::AutomationError& e) {
        reportError(&form, e.number(), e.description());
        return 1;
    } catch (const std::exception& e) {
        reportError(&form, errUnexpected, QString::fromUtf8(e.what()));
        return 1;
    }
    return QApplication::exec();
}
