#pragma once
// The address books on this computer that Quintel can read: the default vdir folder, the folders
// of vdirsyncer's and khard's configuration, KDE's contacts folder and Thunderbird's profiles.
// Each detector looks in one place; the EDS detector joins the list of standardDetectors().

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class SettingsStore;

namespace setup {

struct FoundBook {
    QString source;       // where it was found, for the user: "vdirsyncer", "Thunderbird", …
    QString spec;         // the entry for the Books setting: "vcard:/home/ann/.contacts", "thunderbird:/…"
    QString location;     // the folder or profile, for the user
    int contacts = 0;     // contacts in it (contact groups not counted); -1 when it cannot be read
    QString text() const; // one line: "vdirsyncer: ~/.contacts (12 contacts)"
};

// The places a detector looks in; the user's own by default, a test's folders in tests.
struct Places {
    QString home;
    QString configHome; // $XDG_CONFIG_HOME, else ~/.config
    QString dataHome;   // $XDG_DATA_HOME, else ~/.local/share
    static Places user();
};

using Detector = std::function<QList<FoundBook>(const Places& places)>;

// The detectors, in the order their books are shown.
QList<Detector> standardDetectors();

// Runs the detectors, drops books found twice (the same folder from two tools) and counts each
// book's contacts. Nothing is created or written.
QList<FoundBook> detectBooks(const QList<Detector>& detectors, const Places& places, const SettingsStore& settings);

// The address-book folders a configuration file names (paths with "~" and $VARIABLES expanded).
QStringList khardFolders(const QString& configText, const Places& places);
QStringList vdirsyncerFolders(const QString& configText, const Places& places);

// What the first start does with the books found.
struct FirstRunPlan {
    enum class Kind {
        Nothing, // no book with contacts: as before (the set-up window when there is no folder)
        UseOne,  // exactly one: used without asking, said once on the status line
        Choose,  // several: the set-up window opens with them ticked
    };
    Kind kind = Kind::Nothing;
    QList<FoundBook> books; // the books with contacts
};
FirstRunPlan planFirstRun(const QList<FoundBook>& found);

// The status-line text for a book used without asking.
QString usedBookNote(const FoundBook& book);

} // namespace setup
