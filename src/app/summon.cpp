#include "summon.h"

#include "app/frmmain.h"
#include "app/singleinstance.h"
#include "settingsstore.h"
#include "window/activation.h"
#include "window/lifetime.h"
#include "window/summonkeys.h"
#include "window/summonshortcut.h"
#include "window/summonwatch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>

namespace {

constexpr int kNoteTime = 8000;

// Notes about the desktop, shown one after another on the status line, each for a while.
class DesktopNotes : public QObject {
public:
    explicit DesktopNotes(frmMain& form) : QObject(&form), m_form(form) {}

    void add(const QString& message)
    {
        m_waiting.append(message);
        if (!m_showing)
            next();
    }

private:
    void next()
    {
        m_showing = !m_waiting.isEmpty();
        if (!m_showing)
            return;
        m_form.flashStatus(m_waiting.takeFirst(), kNoteTime);
        QTimer::singleShot(kNoteTime, this, [this] { next(); });
    }

    frmMain& m_form;
    QStringList m_waiting;
    bool m_showing = false;
};

} // namespace

void summonBar(frmMain& form, const QString& token)
{
    raiseBar(form);
    activation::activate(&form, token);
    auto* entry = form.findChild<QLineEdit*>(QStringLiteral("txtContact"));
    entry->clear();
    entry->setFocus(Qt::ShortcutFocusReason);
}

void connectSummonShortcut(frmMain& form, SummonShortcut& shortcut, const QString& settingsFile)
{
    auto* notes = new DesktopNotes(form);
    // A store of its own reads the file as it is now, not as this process last saw it.
    auto* watch = new SummonWatch(
        settingsFile,
        [settingsFile] {
            const QSettingsStore now(settingsFile);
            return summon::shortcut(now);
        },
        &form);
    QObject::connect(&shortcut, &SummonShortcut::activated, &form,
                     [&form] { form.runGuarded([&form] { summonBar(form); }); });
    QObject::connect(&shortcut, &SummonShortcut::failed, notes,
                     [notes](const QString& message) { notes->add(message); });
    QObject::connect(
        &form, &frmMain::loaded, &shortcut,
        [notes, &shortcut, watch] {
            // Natively under Wayland the window cannot keep itself above the others.
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
                notes->add(QCoreApplication::translate(
                    "frmMain", "Under Wayland, keeping the bar on top of other windows is up to the "
                               "compositor."));
            shortcut.setShortcut(watch->current());
            // From now on the combination follows the settings file.
            QObject::connect(watch, &SummonWatch::changed, &shortcut,
                             [&shortcut](const QString& keys) { shortcut.setShortcut(keys); });
        },
        Qt::SingleShotConnection);
}

void connectSecondStart(frmMain& form, SingleInstance& instance)
{
    QObject::connect(&instance, &SingleInstance::activationRequested, &form, [&form](const QString& token) {
        // Closed while the options dialog kept the program running: a second start gives a new,
        // working bar.
        if (!lifetime::isLoaded(&form))
            form.runGuarded([&form] { form.Form_Load(); });
        else
            form.runGuarded([&form, token] { summonBar(form, token); });
    });
}
