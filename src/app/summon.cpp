#include "summon.h"

#include "app/frmmain.h"
#include "app/singleinstance.h"
#include "window/activation.h"
#include "window/summonshortcut.h"

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
    form.txtContact->clear();
    form.txtContact->setFocus(Qt::ShortcutFocusReason);
}

void connectSummonShortcut(frmMain& form, SummonShortcut& shortcut, const QString& keys)
{
    auto* notes = new DesktopNotes(form);
    QObject::connect(&shortcut, &SummonShortcut::activated, &form,
                     [&form] { form.runGuarded([&form] { summonBar(form); }); });
    QObject::connect(&shortcut, &SummonShortcut::failed, notes,
                     [notes](const QString& message) { notes->add(message); });
    QObject::connect(
        &form, &frmMain::loaded, &shortcut,
        [notes, &shortcut, keys] {
            // Natively under Wayland the window cannot keep itself above the others.
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
                notes->add(QStringLiteral("Under Wayland, keeping the bar on top of other windows is up to the "
                                          "compositor."));
            shortcut.setShortcut(keys);
        },
        Qt::SingleShotConnection);
}
