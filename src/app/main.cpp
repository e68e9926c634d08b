// Quintel: a small always-on-top contact bar.

#include "allocator.h"
#include "app/background.h"
#include "app/frmmain.h"
#include "app/guardedapplication.h"
#include "app/shutdownsignals.h"
#include "app/singleinstance.h"
#include "app/summon.h"
#include "commandline.h"
#include "contactclient/carddav/credentials.h"
#include "contactclient/factory.h"
#include "contacts/contactsession.h"
#include "contacts/contactuse.h"
#include "desktop/windowsystem.h"
#include "mail/mailaccount.h"
#include "settings/modsettings.h"
#include "settingsstore.h"
#include "setup/firstrun.h"
#include "setup/firststart.h"
#include "translations.h"
#include "window/errorreport.h"
#include "window/passworddialog.h"
#include "window/statusline.h"
#include "window/summonshortcut.h"
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
    allocator::tuneAllocator();
    const int answered = commandline::handle(
        {QStringLiteral("quintel"),
         QStringLiteral(QT_TRANSLATE_NOOP(
             "commandline",
             "Quintel: a small always-on-top contact bar. Type a contact's name, then mail, call or write.")),
         QStringLiteral(QUINTEL_VERSION_TEXT)},
        argc, argv);
    if (answered >= 0)
        return answered;
    preferX11();
    if (!haveDisplay()) {
        std::fprintf(stderr, "quintel: %s\n",
                     qPrintable(errorText(errNoDisplay, QStringLiteral("No display: DISPLAY and WAYLAND_DISPLAY "
                                                                       "are not set, so the bar cannot be shown."))));
        return 2;
    }
    GuardedApplication app(argc, argv);
    translations::install(app);
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
    // Nothing set up: the desktop's address book when it holds contacts and nothing is in the
    // default place, else an address book found on the computer, else the set-up window first.
    const QString desktopNote = firstrun::useDesktopAddressBook(store);
    setup::FirstStart firstStart = setup::runFirstStart(store);
    if (firstStart.note.isEmpty())
        firstStart.note = desktopNote;
    // A settings file that could not be read was kept aside: the user hears of it first.
    if (const QString notice = store.notice(); !notice.isEmpty())
        firstStart.note = notice;
    if (!firstStart.go)
        return 0;
    modSettings settings(store);
    DesktopWindowSystem windowSystem;
    Platform platform;
    // The address book is opened on a worker; a password is asked in a dialog on the UI thread.
    platform.createContactClient =
        [&store, prompt = std::make_shared<DialogPasswordPrompt>()](contactclient::DesktopHooks& desktop) {
            return contactclient::createApplication(store, desktop, prompt);
        };
    platform.createWordProcessor = [] { return wordprocessor::createApplication(); };
    platform.windowSystem = &windowSystem;
    platform.background = workerThreads();
    platform.mailAccount = [&store] { return mail::readMailAccount(store); };
    platform.contactUseFile = ContactUse::standardFile();

    frmMain form(platform, settings);
    // A failure to open the address book is reported and ends the program.
    QObject::connect(&form, &frmMain::loadFailed, &form, [&form](int number, const QString& description) {
        reportError(&form, number, description);
        // Also when it comes before the event loop runs (the client could not even be created).
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    });
    connectSecondStart(form, instance);
    if (!firstStart.note.isEmpty())
        QObject::connect(
            &form, &frmMain::loaded, &form, [&form, note = firstStart.note] { form.flashStatus(note, 10000); },
            Qt::SingleShotConnection);
    // Every way out that lets the program run code keeps the bar's place, not only closing it.
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &form, [&form] {
        form.runGuarded([&form] { form.savePlacementOnExit(); });
        QCoreApplication::quit();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form] { form.runGuarded([&form] { form.savePlacementOnExit(); }); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form,
                     [&form] { form.runGuarded([&form] { form.savePlacementOnExit(); }); });

    SummonShortcut summonShortcut;
    connectSummonShortcut(form, summonShortcut, store.fileName());
    form.runGuarded([&form] { form.Form_Load(); });
    return QApplication::exec();
}
