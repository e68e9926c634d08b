#include "measure.h"

#include "barsession.h"
#include "folderage.h"
#include "readfloor.h"
#include "stats.h"
#include "typingsession.h"

#include "app/frmmain.h"
#include "contactclient/vcard/summarycache.h"
#include "contactclient/vcard/vcardfolder.h"
#include "contacts/contactlookup.h"
#include "contacts/contactsession.h"
#include "desktop/messagebox.h"
#include "entry/matchlist.h"
#include "settings/modsettings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalBlocker>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace bench {
namespace {

struct Manifest {
    int contacts = 0;
    QJsonObject categories;
    QString largest;
    QString empty;
};

Manifest readManifest(const QString& folder)
{
    QFile f(folder + QStringLiteral("/.generated.json"));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("the folder has no .generated.json: generate it with gen-addressbook.py");
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    return {o.value(QStringLiteral("contacts")).toInt(), o.value(QStringLiteral("categories")).toObject(),
            o.value(QStringLiteral("largestCategory")).toString(), o.value(QStringLiteral("emptyCategory")).toString()};
}

qint64 statusKiB(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// CPU time of this thread.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// CPU time of the whole process, its reading threads included.
double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double msSince(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

QJsonArray toArray(const std::vector<double>& v)
{
    QJsonArray a;
    for (double x : v)
        a.append(x);
    return a;
}

void note(const QString& text)
{
    std::fprintf(stderr, "  %s\n", qPrintable(text));
}

class Checks {
public:
    void expect(bool ok, const QString& what)
    {
        if (!ok) {
            m_problems.append(what);
            note(QStringLiteral("PROBLEM: ") + what);
        }
    }
    QJsonArray problems() const { return QJsonArray::fromStringList(m_problems); }

private:
    QStringList m_problems;
};

void expectNoBoxes(Checks& checks, const QString& when)
{
    for (const MessageBox::Shown& box : MessageBox::shownInTest())
        checks.expect(false, QStringLiteral("%1: the bar reported \"%2\"").arg(when, box.text));
    MessageBox::shownInTest().clear();
}

struct Timing {
    double ms = 0;
    double cpuMs = 0;
};

// Runs the event loop until done() holds: what the worker threads finish comes back as an event.
bool runUntil(const std::function<bool()>& done, int timeoutMs = 120000)
{
    QElapsedTimer t;
    t.start();
    QTimer tick; // wakes the loop to look at the clock
    tick.start(100);
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool barReady(const frmMain& form)
{
    return form.session()->isLoaded() && !form.isLoading();
}

// Until the bar's lists are filled (the address book is read on a worker).
void waitForBar(frmMain& form, Checks& checks)
{
    checks.expect(runUntil([&form] { return barReady(form); }), QStringLiteral("the bar did not load"));
}

// Until the list of matches can answer (its index is built on a worker after the lists change).
void waitForMatches(frmMain& form, Checks& checks)
{
    checks.expect(runUntil([&form] { return form.lookup()->isReady(); }),
                  QStringLiteral("the list of matches did not become ready"));
}

// Chooses a category the way a user's pick does: the selection changes, then the drop-down reports
// the activation. Returns the time until the lists are refilled.
Timing pickCategory(frmMain& form, const QString& name)
{
    QComboBox* combo = form.findChild<QComboBox*>(QStringLiteral("cmbCategories"));
    const int index = combo->findText(name, Qt::MatchExactly);
    if (index < 0)
        throw std::runtime_error("category not offered: " + name.toStdString());
    {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index);
    }
    QElapsedTimer t;
    const double cpu = threadCpuMs();
    t.start();
    emit combo->activated(index);
    return {msSince(t), threadCpuMs() - cpu};
}

struct FilterCase {
    QString name;
    int members = 0;
    std::vector<double> ms;
    std::vector<double> cpuMs;
    std::vector<double> matchesMs; // until the list of matches can answer again
};

std::vector<FilterCase> filterCases(const Manifest& m)
{
    return {{m.largest, m.categories.value(m.largest).toInt(), {}, {}, {}},
            {m.empty, 0, {}, {}, {}},
            {modSettings::kAllContacts, m.contacts, {}, {}, {}}};
}

void runFilterRound(frmMain& form, std::vector<FilterCase>& cases, Checks& checks)
{
    for (FilterCase& c : cases) {
        QElapsedTimer matches;
        matches.start();
        const Timing t = pickCategory(form, c.name);
        c.ms.push_back(t.ms);
        c.cpuMs.push_back(t.cpuMs);
        waitForMatches(form, checks);
        c.matchesMs.push_back(msSince(matches));
        checks.expect(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count() == c.members,
                      QStringLiteral("category \"%1\" lists %2 contacts, the folder has %3")
                          .arg(c.name)
                          .arg(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count())
                          .arg(c.members));
    }
    expectNoBoxes(checks, QStringLiteral("category filter"));
}

QJsonObject typingJson(const TypingResult& r, Checks& checks)
{
    std::vector<double> chain, cpu, painted;
    for (const KeyTiming& k : r.keys) {
        chain.push_back(k.chainMs);
        cpu.push_back(k.chainCpuMs);
        painted.push_back(k.paintedMs);
    }
    checks.expect(r.found > 0 && r.notFound > 0, QStringLiteral("the typing session found %1 and missed %2: "
                                                                "it should do both")
                                                     .arg(r.found)
                                                     .arg(r.notFound));
    checks.expect(r.errorBoxes == 0, QStringLiteral("%1 failures reported while typing").arg(r.errorBoxes));
    return {{QStringLiteral("events"), static_cast<int>(r.keys.size())},
            {QStringLiteral("textKeys"), r.textKeys},
            {QStringLiteral("backspaces"), r.backspaces},
            {QStringLiteral("deletes"), r.deletes},
            {QStringLiteral("found"), r.found},
            {QStringLiteral("notFound"), r.notFound},
            {QStringLiteral("p50Ms"), percentile(chain, 0.50)},
            {QStringLiteral("p99Ms"), percentile(chain, 0.99)},
            {QStringLiteral("maxMs"), maximum(chain)},
            {QStringLiteral("cpuP50Ms"), percentile(cpu, 0.50)},
            {QStringLiteral("cpuP99Ms"), percentile(cpu, 0.99)},
            {QStringLiteral("cpuMaxMs"), maximum(cpu)},
            {QStringLiteral("paintedP50Ms"), percentile(painted, 0.50)},
            {QStringLiteral("paintedP99Ms"), percentile(painted, 0.99)},
            {QStringLiteral("paintedMaxMs"), maximum(painted)}};
}

// Opens the contact drop-down as a user does, with a press of the mouse on it, and times it until
// the list is on the screen and drawn. Then closes it again.
Timing openDropDown(frmMain& form, Checks& checks)
{
    QComboBox* combo = form.findChild<QComboBox*>(QStringLiteral("cmbContacts"));
    QAbstractItemView* view = combo->view();
    QElapsedTimer t;
    const double cpu = threadCpuMs();
    t.start();
    QTest::mousePress(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
    const bool shown = QTest::qWaitFor(
        [view] {
            return view->isVisible() && view->window()->windowHandle() && view->window()->windowHandle()->isExposed();
        },
        5000);
    QCoreApplication::processEvents(); // the paint the showing queued
    const Timing timing{msSince(t), threadCpuMs() - cpu};
    checks.expect(shown, QStringLiteral("the contact drop-down did not open"));
    QTest::mouseRelease(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
    combo->hidePopup();
    QCoreApplication::processEvents();
    return timing;
}

// The threads the back-end reads with at most, so the floor gets the same help.
int floorThreads()
{
    return std::clamp(QThread::idealThreadCount(), 1, 4);
}

// The cards a start beginning from the summary reads from their bytes again (the rest it takes
// from the summary); -1 without a summary (a folder too small to get one).
qint64 cardsReadAgain(const QString& folder, const std::shared_ptr<const contactclient::FolderSnapshot>& summary)
{
    if (!summary)
        return -1;
    contactclient::ReadStats stats;
    contactclient::readFolder(folder, summary, &stats);
    return qint64(stats.filesRead);
}

// One start of the bar until its lists are filled (start) and until the list of matches can
// answer (matches); the bar stays open.
struct Start {
    double ms = 0;
    double cpuMs = 0;
    double matchesMs = 0;
};

Start timeStart(BarSession& session, Checks& checks)
{
    QElapsedTimer t;
    const double cpu = processCpuMs();
    t.start();
    frmMain& form = session.create();
    form.Form_Load();
    waitForBar(form, checks);
    Start s{msSince(t), processCpuMs() - cpu, 0};
    waitForMatches(form, checks);
    s.matchesMs = msSince(t);
    return s;
}

} // namespace

qint64 peakResidentKiB()
{
    return statusKiB("VmHWM");
}

qint64 residentKiB()
{
    return statusKiB("VmRSS");
}

QJsonObject measureSpeed(const MeasureOptions& o)
{
    const Manifest manifest = readManifest(o.folder);
    Checks checks;
    MessageBox::shownInTest().clear();

    // The floor first: it also brings the files into the page cache, so every start-up below
    // reads from memory as a second start of the day would.
    std::vector<double> floorMs, floorCpuMs, floorSerialMs;
    FloorRun floor;
    for (int i = 0; i < o.runs; ++i) {
        const double cpu = processCpuMs();
        floor = readFloor(o.folder, floorThreads());
        floorCpuMs.push_back(processCpuMs() - cpu);
        floorMs.push_back(floor.ms);
        floorSerialMs.push_back(readFloor(o.folder, 1).ms);
    }
    note(QStringLiteral("floor: %1 files, %2 MB, median %3 ms (%4 threads), %5 ms (one thread)")
             .arg(floor.files)
             .arg(static_cast<double>(floor.bytes) / 1e6, 0, 'f', 1)
             .arg(median(floorMs), 0, 'f', 1)
             .arg(floorThreads())
             .arg(median(floorSerialMs), 0, 'f', 1));

    // The back-end's own part of start-up: reading the folder into its records.
    std::vector<double> backendMs, backendCpuMs;
    for (int i = 0; i < o.runs; ++i) {
        QElapsedTimer t;
        const double cpu = processCpuMs();
        t.start();
        const auto snapshot = contactclient::readFolder(o.folder);
        backendMs.push_back(msSince(t));
        backendCpuMs.push_back(processCpuMs() - cpu);
        checks.expect(static_cast<int>(snapshot->items.size()) >= manifest.contacts,
                      QStringLiteral("the back-end read %1 cards, the folder has %2 contacts")
                          .arg(snapshot->items.size())
                          .arg(manifest.contacts));
    }
    note(QStringLiteral("back-end read: median %1 ms (CPU %2 ms)")
             .arg(median(backendMs), 0, 'f', 1)
             .arg(median(backendCpuMs), 0, 'f', 1));

    BarSession session(o.folder);
    // The first start finds no summary of the folder (the driver gives each run a cache folder of
    // its own): it reads every card and leaves the summary the timed starts below begin from.
    const Start first = timeStart(session, checks);
    const double firstStartMs = first.ms;
    const double firstStartCpuMs = first.cpuMs;
    expectNoBoxes(checks, QStringLiteral("first start"));
    session.destroy();
    // What the timed starts begin from: the cards it still holds are not read again.
    const auto summary = contactclient::SummaryCache::standard().load(o.folder);
    note(QStringLiteral("first start (no summary): %1 ms (CPU %2 ms)")
             .arg(firstStartMs, 0, 'f', 1)
             .arg(firstStartCpuMs, 0, 'f', 1));

    std::vector<double> startupMs, startupCpuMs, loadMs, matchesMs, matchesCpuMs;
    for (int i = 0; i < o.runs; ++i) {
        QElapsedTimer t;
        const double cpu = processCpuMs();
        t.start();
        frmMain& form = session.create();
        QElapsedTimer l;
        l.start();
        form.Form_Load();
        loadMs.push_back(msSince(l));
        waitForBar(form, checks);
        startupMs.push_back(msSince(t));
        startupCpuMs.push_back(processCpuMs() - cpu);
        // The finder's index is built on a worker once the lists are there; the bar works meanwhile.
        waitForMatches(form, checks);
        matchesMs.push_back(msSince(t));
        matchesCpuMs.push_back(processCpuMs() - cpu);
        checks.expect(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count() == manifest.contacts,
                      QStringLiteral("the bar lists %1 contacts, the folder has %2")
                          .arg(form.findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count())
                          .arg(manifest.contacts));
        expectNoBoxes(checks, QStringLiteral("start-up"));
        if (i + 1 < o.runs)
            session.destroy();
    }
    // The driver waits until the folder has settled: the timed starts read no card.
    const qint64 readAgain = cardsReadAgain(o.folder, summary);
    checks.expect(readAgain <= 0, QStringLiteral("the starts read %1 cards again from an unchanged folder: the folder "
                                                 "was still settling")
                                      .arg(readAgain));
    note(QStringLiteral("start-up: median %1 ms (CPU %2 ms), %3 cards read again")
             .arg(median(startupMs), 0, 'f', 1)
             .arg(median(startupCpuMs), 0, 'f', 1)
             .arg(readAgain));
    note(QStringLiteral("list of matches ready: median %1 ms after the start (CPU %2 ms)")
             .arg(median(matchesMs), 0, 'f', 1)
             .arg(median(matchesCpuMs), 0, 'f', 1));

    frmMain& form = *session.form();
    // The bar completing names alone (the list of matches switched off, as Setup can), then the
    // same session with the list of matches computed and shown on every key, which also types
    // what is found by other fields.
    form.matches()->setEnabled(false);
    const TypingResult typing = runTypingSession(form, o.minKeys);
    const QJsonObject keys = typingJson(typing, checks);
    form.matches()->setEnabled(true);
    std::vector<QString> finding = typingWords();
    for (const QString& w : findingWords())
        finding.push_back(w);
    const TypingResult typingWithMatches = runTypingSession(form, o.minKeys, finding);
    const QJsonObject keysWithMatches = typingJson(typingWithMatches, checks);
    note(QStringLiteral("keys: %1 events, p50 %2 ms, p99 %3 ms, max %4 ms; CPU p99 %5 ms")
             .arg(keys.value(QStringLiteral("events")).toInt())
             .arg(keys.value(QStringLiteral("p50Ms")).toDouble(), 0, 'f', 3)
             .arg(keys.value(QStringLiteral("p99Ms")).toDouble(), 0, 'f', 3)
             .arg(keys.value(QStringLiteral("maxMs")).toDouble(), 0, 'f', 3)
             .arg(keys.value(QStringLiteral("cpuP99Ms")).toDouble(), 0, 'f', 3));
    note(QStringLiteral("keys with the list of matches: p50 %1 ms, p99 %2 ms, painted p99 %3 ms; CPU p99 %4 ms")
             .arg(keysWithMatches.value(QStringLiteral("p50Ms")).toDouble(), 0, 'f', 3)
             .arg(keysWithMatches.value(QStringLiteral("p99Ms")).toDouble(), 0, 'f', 3)
             .arg(keysWithMatches.value(QStringLiteral("paintedP99Ms")).toDouble(), 0, 'f', 3)
             .arg(keysWithMatches.value(QStringLiteral("cpuP99Ms")).toDouble(), 0, 'f', 3));

    std::vector<double> dropDownMs, dropDownCpuMs;
    for (int i = 0; i < std::max(3, o.runs); ++i) {
        const Timing t = openDropDown(form, checks);
        dropDownMs.push_back(t.ms);
        dropDownCpuMs.push_back(t.cpuMs);
    }
    note(QStringLiteral("drop-down open: median %1 ms (CPU %2 ms)")
             .arg(median(dropDownMs), 0, 'f', 1)
             .arg(median(dropDownCpuMs), 0, 'f', 1));

    std::vector<FilterCase> cases = filterCases(manifest);
    for (int i = 0; i < o.runs; ++i)
        runFilterRound(form, cases, checks);
    QJsonArray filters;
    for (const FilterCase& c : cases) {
        filters.append(QJsonObject{{QStringLiteral("category"), c.name},
                                   {QStringLiteral("members"), c.members},
                                   {QStringLiteral("medianMs"), median(c.ms)},
                                   {QStringLiteral("maxMs"), maximum(c.ms)},
                                   {QStringLiteral("cpuMedianMs"), median(c.cpuMs)},
                                   {QStringLiteral("matchesMedianMs"), median(c.matchesMs)},
                                   {QStringLiteral("samplesMs"), toArray(c.ms)}});
        note(QStringLiteral("filter \"%1\" (%2 contacts): median %3 ms (CPU %4 ms), matches ready after %5 ms")
                 .arg(c.name)
                 .arg(c.members)
                 .arg(median(c.ms), 0, 'f', 1)
                 .arg(median(c.cpuMs), 0, 'f', 1)
                 .arg(median(c.matchesMs), 0, 'f', 1));
    }
    session.destroy();

    return {{QStringLiteral("contacts"), manifest.contacts},
            {QStringLiteral("files"), floor.files},
            {QStringLiteral("bytes"), floor.bytes},
            {QStringLiteral("runs"), o.runs},
            // The floor is the quicker way of reading: with the back-end's threads or with one.
            {QStringLiteral("floor"),
             QJsonObject{{QStringLiteral("medianMs"), std::min(median(floorMs), median(floorSerialMs))},
                         {QStringLiteral("threads"), floorThreads()},
                         {QStringLiteral("threadsMedianMs"), median(floorMs)},
                         {QStringLiteral("samplesMs"), toArray(floorMs)},
                         {QStringLiteral("cpuMedianMs"), median(floorCpuMs)},
                         {QStringLiteral("oneThreadMedianMs"), median(floorSerialMs)}}},
            {QStringLiteral("backendRead"), QJsonObject{{QStringLiteral("medianMs"), median(backendMs)},
                                                        {QStringLiteral("cpuMedianMs"), median(backendCpuMs)}}},
            {QStringLiteral("startup"), QJsonObject{{QStringLiteral("medianMs"), median(startupMs)},
                                                    {QStringLiteral("samplesMs"), toArray(startupMs)},
                                                    {QStringLiteral("cpuMedianMs"), median(startupCpuMs)},
                                                    {QStringLiteral("formLoadMedianMs"), median(loadMs)},
                                                    {QStringLiteral("matchesReadyMedianMs"), median(matchesMs)},
                                                    {QStringLiteral("matchesReadyCpuMedianMs"), median(matchesCpuMs)},
                                                    {QStringLiteral("cardsReadAgain"), readAgain},
                                                    {QStringLiteral("firstStartMs"), firstStartMs},
                                                    {QStringLiteral("firstStartCpuMs"), firstStartCpuMs}}},
            {QStringLiteral("keys"), keys},
            {QStringLiteral("keysWithMatches"), keysWithMatches},
            {QStringLiteral("dropDown"), QJsonObject{{QStringLiteral("medianMs"), median(dropDownMs)},
                                                     {QStringLiteral("maxMs"), maximum(dropDownMs)},
                                                     {QStringLiteral("cpuMedianMs"), median(dropDownCpuMs)},
                                                     {QStringLiteral("samplesMs"), toArray(dropDownMs)}}},
            {QStringLiteral("filters"), filters},
            {QStringLiteral("problems"), checks.problems()}};
}

QJsonObject measureJustWritten(const MeasureOptions& o)
{
    const Manifest manifest = readManifest(o.folder);
    Checks checks;
    MessageBox::shownInTest().clear();
    // Each round reads every card twice: three at most.
    const int runs = std::min(o.runs, 3);
    BarSession session(o.folder);
    std::vector<double> firstMs, startupMs, startupCpuMs, matchesMs, readAgain;
    for (int i = 0; i < runs; ++i) {
        const qint64 touched = touchAll(o.folder);
        checks.expect(
            touched >= manifest.contacts,
            QStringLiteral("%1 cards touched, the folder has %2 contacts").arg(touched).arg(manifest.contacts));
        // The start right after the cards were written reads them all and leaves the summary.
        firstMs.push_back(timeStart(session, checks).ms);
        session.destroy();
        const auto summary = contactclient::SummaryCache::standard().load(o.folder);
        // A folder too small for a summary is read whole at every start.
        checks.expect(summary != nullptr || manifest.contacts < contactclient::SummaryCache::kMinEntries,
                      QStringLiteral("the start after the cards were written left no summary"));
        const Start next = timeStart(session, checks);
        startupMs.push_back(next.ms);
        startupCpuMs.push_back(next.cpuMs);
        matchesMs.push_back(next.matchesMs);
        checks.expect(session.form()->findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count() ==
                          manifest.contacts,
                      QStringLiteral("the bar lists %1 contacts, the folder has %2")
                          .arg(session.form()->findChild<QComboBox*>(QStringLiteral("cmbContacts"))->count())
                          .arg(manifest.contacts));
        expectNoBoxes(checks, QStringLiteral("start-up just after the folder was written"));
        session.destroy();
        readAgain.push_back(double(cardsReadAgain(o.folder, summary)));
    }
    note(QStringLiteral("start-up just after the folder was written: median %1 ms (CPU %2 ms), %3 cards read again; "
                        "the start before it %4 ms")
             .arg(median(startupMs), 0, 'f', 1)
             .arg(median(startupCpuMs), 0, 'f', 1)
             .arg(median(readAgain), 0, 'f', 0)
             .arg(median(firstMs), 0, 'f', 1));
    return {{QStringLiteral("runs"), runs},
            {QStringLiteral("medianMs"), median(startupMs)},
            {QStringLiteral("samplesMs"), toArray(startupMs)},
            {QStringLiteral("cpuMedianMs"), median(startupCpuMs)},
            {QStringLiteral("matchesReadyMedianMs"), median(matchesMs)},
            {QStringLiteral("cardsReadAgain"), median(readAgain)},
            {QStringLiteral("startBeforeMedianMs"), median(firstMs)},
            {QStringLiteral("problems"), checks.problems()}};
}

QJsonObject measureMemory(const MeasureOptions& o)
{
    const Manifest manifest = readManifest(o.folder);
    Checks checks;
    const qint64 before = peakResidentKiB();
    BarSession session(o.folder);
    frmMain& form = session.create();
    form.Form_Load();
    waitForBar(form, checks);
    waitForMatches(form, checks);
    const qint64 afterLoad = residentKiB();
    expectNoBoxes(checks, QStringLiteral("start-up"));
    const TypingResult typing = runTypingSession(form, o.minKeys);
    checks.expect(typing.errorBoxes == 0, QStringLiteral("%1 failures reported while typing").arg(typing.errorBoxes));
    std::vector<FilterCase> cases = filterCases(manifest);
    runFilterRound(form, cases, checks);
    const qint64 peak = peakResidentKiB();
    note(QStringLiteral("memory: %1 MiB before the bar, %2 MiB after start-up, peak %3 MiB")
             .arg(static_cast<double>(before) / 1024, 0, 'f', 1)
             .arg(static_cast<double>(afterLoad) / 1024, 0, 'f', 1)
             .arg(static_cast<double>(peak) / 1024, 0, 'f', 1));
    return {{QStringLiteral("peakKiB"), peak},
            {QStringLiteral("beforeBarKiB"), before},
            {QStringLiteral("afterStartupKiB"), afterLoad},
            {QStringLiteral("problems"), checks.problems()}};
}

} // namespace bench
