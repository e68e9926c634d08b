#include "placement.h"

#include "settingsstore.h"
#include "window/placementrules.h"
#include "window/twips.h"
#include "window/windowmodes.h"
#include "window/windowposition.h"

#include <QWidget>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kBottom = QStringLiteral("WindowBottom");
const QString kLeft = QStringLiteral("WindowLeft");
const QString kMode = QStringLiteral("WindowMode");

const QString kApplication = QStringLiteral("Quintel");

// A missing key reads as empty; the rules then use their defaults.
std::optional<QString> read(const SettingsStore& store, const QString& key)
{
    const QString text = store.GetSetting(kApplication, kSection, key, QString());
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

} // namespace

Placement::Placement(QWidget& window, WindowModes& modes, std::function<SettingsStore&()> store)
    : m_window(window), m_modes(modes), m_store(std::move(store))
{
}

void Placement::savePlacement()
{
    // Where the user dragged the bar is where it really is, not where it was last put.
    windowposition::syncTwipsFromWindow(&m_window);
    const QRect window = twips::geometry(&m_window);
    m_store().SaveSettings(kApplication, {{kSection, kBottom, QString::number(window.y() + window.height())},
                                          {kSection, kLeft, QString::number(window.x())},
                                          {kSection, kMode, QString::number(m_modes.state().windowMode)}});
}

void Placement::restorePlacement()
{
    const SettingsStore& store = m_store();
    const placementrules::Stored stored{read(store, kBottom), read(store, kLeft), read(store, kMode)};
    const placementrules::Screens screens{windowposition::primaryScreen(), windowposition::screens()};
    QRect window = twips::geometry(&m_window);
    const placementrules::Placement p = placementrules::restore(stored, screens, window.width());

    // The bar still has its full height here; the mode steps that follow keep the bottom edge.
    window.moveTopLeft({p.left, p.bottom - window.height()});
    twips::setGeometry(&m_window, window);
    m_modes.setWindowMode(p.mode);
}
