#include "firststart.h"

#include "contactclient/clientconfig.h"
#include "contactclient/errors.h"
#include "settingsstore.h"
#include "setup/bookdetection.h"
#include "setup/firstrun.h"
#include "setup/setupwindow.h"

namespace setup {

FirstStart runFirstStart(SettingsStore& store)
{
    FirstStart start;
    if (!firstrun::nothingConfigured(store))
        return start;
    const FirstRunPlan plan = planFirstRun(detectBooks(standardDetectors(), Places::user(), store));
    switch (plan.kind) {
    case FirstRunPlan::Kind::UseOne:
        try {
            store.SaveSetting(contactclient::kClientApplication, contactclient::kClientSection,
                              contactclient::key::Books, plan.books.front().spec);
            start.note = usedBookNote(plan.books.front());
            return start;
        } catch (const contactclient::AutomationError&) {
            break; // the settings cannot be written: the set-up window says why when saving
        }
    case FirstRunPlan::Kind::Choose:
        start.go = runFirstRunSetup(store, plan.books);
        return start;
    case FirstRunPlan::Kind::Nothing:
        break;
    }
    if (firstrun::needsSetup(store))
        start.go = runFirstRunSetup(store, plan.books);
    return start;
}

} // namespace setup
