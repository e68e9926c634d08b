#include "matchsetting.h"

#include "settingsstore.h"

namespace matchsetting {
namespace {

const QString kApplication = QStringLiteral("Quintel");
const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("ShowMatches");

} // namespace

bool showMatches(const SettingsStore& store)
{
    return store.GetSetting(kApplication, kSection, kKey, QStringLiteral("True"))
               .compare(u"False", Qt::CaseInsensitive) != 0;
}

void setShowMatches(SettingsStore& store, bool on)
{
    store.SaveSetting(kApplication, kSection, kKey, on ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace matchsetting
