// Quintel Setup: chooses the address book and the mail account of Quintel's contact client, and
// whether the bar starts at login.

#include "commandline.h"
#include "settingsstore.h"
#include "setup/keyring.h"
#include "setup/setupwindow.h"
#include "translations.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    const int answered = commandline::handle(
        {QStringLiteral("quintel-setup"),
         QStringLiteral(QT_TRANSLATE_NOOP(
             "commandline", "Quintel Setup: the address book and mail account of the Quintel contact bar, and its "
                            "start at login.")),
         QStringLiteral(QUINTEL_VERSION_TEXT)},
        argc, argv);
    if (answered >= 0)
        return answered;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "quintel-setup: no display: DISPLAY and WAYLAND_DISPLAY are not set.\n");
        return 2;
    }
    QApplication app(argc, argv);
    translations::install(app);
    QApplication::setApplicationName(QStringLiteral("Quintel"));
    QApplication::setOrganizationName(QStringLiteral("Quintel"));
    QApplication::setApplicationDisplayName(QCoreApplication::translate("SetupWindow", "Quintel Setup"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTEL_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral("org.quintel.Quintel.Setup"));

    QSettingsStore store;
    setup::DesktopKeyring keyring;
    setup::SetupWindow window(store, keyring);
    window.setFoundBooks(setup::detectBooks(setup::standardDetectors(), setup::Places::user(), store));
    window.show();
    return QApplication::exec();
}
