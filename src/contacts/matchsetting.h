#pragma once
// The switch "Show matches from every field while I type": [Settings] ShowMatches, on unless
// the store says "False".

class SettingsStore;

namespace matchsetting {

bool showMatches(const SettingsStore& store);
void setShowMatches(SettingsStore& store, bool on);

} // namespace matchsetting
