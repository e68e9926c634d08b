#include "placement.h"

#include "settings/modsettings.h"
#include "settingsstore.h"
#include "window/frmmain.h"
#include "window/placementrules.h"
#include "window/twips.h"
#include "window/windowmodes.h"
#include "window/windowposition.h"

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kBottom = QStringLiteral("WindowBottom");
const QString kLeft = QStringLiteral("WindowLeft");
const QString kMode = QStringLiteral("WindowMode");

// A missing key reads as empty; the rules then use their defaults.
std::optional<QString> read(const QString& key)
{
    const QString text = modSettings::store().GetSetting(modSettings::kApplication, kSection, key, QString());
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

void write(const QString& key, int value)
{
    modSettings::store().SaveSetting(modSettings::kApplication, kSection, key, QString::number(value));
}

} // namespace

Placement::Placement(frmMain& form) : m_form(form) {}

void Placement::savePlacement()
{
    // Where the user dragged the bar is where it really is, not where it was last put.
    windowposition::syncTwipsFromWindow(&m_form);
    const QRect window = twips::geometry(&m_form);
    write(kBottom, window.y() + window.height());
    write(kLeft, window.x());
    write(kMode, m_form.windowMode);
}

void Placement::restorePlacement()
{
    const placementrules::Stored stored{read(kBottom), read(kLeft), read(kMode)};
    const placementrules::Screens screens{windowposition::primaryScreen(), windowposition::screens()};
    QRect window = twips::geometry(&m_form);
    const placementrules::Placement p = placementrules::restore(stored, screens, window.width());

    // The bar still has its full height here; the mode steps that follow keep the bottom edge.
    window.moveTopLeft({p.left, p.bottom - window.height()});
    twips::setGeometry(&m_form, window);
    m_form.modes->setWindowMode(p.mode);
}
