#pragma once
// The measurements of one address book, each taken in the process that asks for it.

#include <QJsonObject>
#include <QString>

namespace bench {

struct MeasureOptions {
    QString folder; // a generated vCard folder (with its .generated.json)
    int runs = 5;   // start-ups and filter rounds; the median is reported
    int minKeys = 1000;
};

// Read-only floor, start-up, the typing session and the category filter. Sanity findings (a
// count that does not match the generated folder, a failure the bar reported) go to "problems".
QJsonObject measureSpeed(const MeasureOptions& options);

// A folder just written: every card is touched to now, the bar started once (it reads them all and
// writes the folder's summary), then the start that follows at once is timed. The cards are within
// the summary's margin for changes that could hide in one tick of the file times, so that start
// reads them again. Touches the folder's cards: give it a copy.
QJsonObject measureJustWritten(const MeasureOptions& options);

// One start-up, the typing session and a filter round, then the process's peak resident memory.
QJsonObject measureMemory(const MeasureOptions& options);

// Peak and current resident memory of this process, in KiB (VmHWM and VmRSS).
qint64 peakResidentKiB();
qint64 residentKiB();

} // namespace bench
