#include "typingsession.h"

#include "app/frmmain.h"
#include "desktop/messagebox.h"
#include "entry/matchlist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <ctime>

namespace bench {
namespace {

double msSince(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// CPU time of this thread: what the bar itself spent, whatever else the machine was doing.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// One key event, timed: first the handlers alone, then the repaint it left queued.
template <typename Send> void timedKey(frmMain& form, TypingResult& r, Send send)
{
    const auto boxesBefore = MessageBox::shownInTest().size();
    QElapsedTimer t;
    const double cpuStart = threadCpuMs();
    t.start();
    send();
    // The list of matches (when on) answers the key on the next pass of the event loop: its rows
    // are part of the key's work.
    if (MatchList* matches = form.matches())
        matches->answerNow();
    KeyTiming k;
    k.chainMs = msSince(t);
    k.chainCpuMs = threadCpuMs() - cpuStart;
    QCoreApplication::processEvents();
    k.paintedMs = msSince(t);
    r.keys.push_back(k);
    if (form.session()->currentContact())
        ++r.found;
    else
        ++r.notFound;
    r.errorBoxes += static_cast<int>(MessageBox::shownInTest().size() - boxesBefore);
    // QUINTEL_BENCH_TRACE=1 shows every key's outcome (to check the script, or find a slow key).
    if (qEnvironmentVariableIsSet("QUINTEL_BENCH_TRACE"))
        std::fprintf(stderr, "key %zu: \"%s\" sel %d+%d %s %.3f ms\n", r.keys.size(),
                     qPrintable(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->text()),
                     form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectionStart(),
                     int(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))->selectedText().size()),
                     form.session()->currentContact() ? "found" : "-", k.chainMs);
}

void typeCharacter(frmMain& form, TypingResult& r, const QString& ch)
{
    QLineEdit* box = form.findChild<QLineEdit*>(QStringLiteral("txtContact"));
    ++r.textKeys;
    if (ch.size() == 1 && ch.at(0).unicode() < 0x80) {
        timedKey(form, r, [&] { QTest::keyClick(box, ch.at(0).toLatin1()); });
        return;
    }
    // Outside ASCII the key code is the letter's upper-case code point, as keyboards report it.
    const auto key = ch.size() == 1 ? static_cast<Qt::Key>(ch.at(0).toUpper().unicode()) : Qt::Key_unknown;
    timedKey(form, r, [&] { QTest::sendKeyEvent(QTest::Click, box, key, ch, Qt::NoModifier); });
}

void pressBackspace(frmMain& form, TypingResult& r)
{
    ++r.backspaces;
    QLineEdit* box = form.findChild<QLineEdit*>(QStringLiteral("txtContact"));
    timedKey(form, r, [&] { QTest::keyClick(box, Qt::Key_Backspace); });
}

void pressDelete(frmMain& form, TypingResult& r)
{
    ++r.deletes;
    QLineEdit* box = form.findChild<QLineEdit*>(QStringLiteral("txtContact"));
    timedKey(form, r, [&] { QTest::keyClick(box, Qt::Key_Delete); });
}

// Characters as the user types them: a pair of surrogates is one key.
QStringList characters(const QString& word)
{
    QStringList out;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word.at(i).isHighSurrogate() && i + 1 < word.size()) {
            out.append(word.mid(i, 2));
            ++i;
        } else {
            out.append(word.mid(i, 1));
        }
    }
    return out;
}

// Empties the box the way a user would: Backspace until nothing is left.
void clearBox(frmMain& form, TypingResult& r)
{
    QLineEdit* box = form.findChild<QLineEdit*>(QStringLiteral("txtContact"));
    if (box->cursorPosition() == 0 && !box->hasSelectedText())
        QTest::keyClick(box, Qt::Key_End); // moves the caret only: not timed
    for (int guard = 0; !box->text().isEmpty() && guard < 200; ++guard)
        pressBackspace(form, r);
}

} // namespace

std::vector<QString> typingWords()
{
    return {
        // Family names shared by thousands, and names that begin with others.
        QStringLiteral("Smith"),
        QStringLiteral("Smithers"),
        QStringLiteral("Smithson, M"),
        QStringLiteral("Johnson"),
        QStringLiteral("Johansson"),
        QStringLiteral("Jones, Mary"),
        QStringLiteral("Williams"),
        QStringLiteral("O'Brien"),
        QStringLiteral("McDonald, J"),
        // Given names first: the full-name entries.
        QStringLiteral("James Sm"),
        QStringLiteral("Mary Jo"),
        QStringLiteral("jennifer"),
        // Letter case does not matter.
        QStringLiteral("SMITH, JAMES"),
        QStringLiteral("gArCiA"),
        // Latin with diacritics, and letters whose folding is special.
        QStringLiteral("Müller"),
        QStringLiteral("Mül"),
        QStringLiteral("Schröder, Jürgen"),
        QStringLiteral("Groß"),
        QStringLiteral("Straße"),
        QStringLiteral("Dvořák"),
        QStringLiteral("Yılmaz"),
        QStringLiteral("İlker"),
        QStringLiteral("Łukasz"),
        QStringLiteral("Østergaard"),
        QStringLiteral("ÅBERG"),
        QStringLiteral("Nguyễn"),
        QStringLiteral("García"),
        QStringLiteral("Þorsteinsdóttir"),
        // Cyrillic and Greek, with shared beginnings.
        QStringLiteral("Иванов"),
        QStringLiteral("Иванова, Мария"),
        QStringLiteral("Семёнов"),
        QStringLiteral("ПЕТРОВ"),
        QStringLiteral("Παπαδόπουλος"),
        QStringLiteral("Παπαδάκης"),
        QStringLiteral("Παπα"),
        QStringLiteral("ΣΟΦΊΑ"),
        QStringLiteral("Ψαράς"),
        // Chinese, Japanese (one outside the Basic Multilingual Plane) and Korean.
        QStringLiteral("王伟"),
        QStringLiteral("欧阳"),
        QStringLiteral("佐藤"),
        QStringLiteral("𠮷田"),
        QStringLiteral("김 민준"),
        // Nothing begins with these.
        QStringLiteral("Zebedee"),
        QStringLiteral("Qwertz"),
        QStringLiteral("Xylophon"),
        QStringLiteral("Ωμέγα"),
        QStringLiteral("東西南北"),
        QStringLiteral("Smithy"),
    };
}

std::vector<QString> findingWords()
{
    return {
        // Numbers: a run of digits, with the country, without it, in parts.
        QStringLiteral("+49 3"),
        QStringLiteral("030 1"),
        QStringLiteral("4940"),
        QStringLiteral("0049 2"),
        QStringLiteral("7-5"),
        // E-mail parts.
        QStringLiteral("james.sm"),
        QStringLiteral("example.org"),
        QStringLiteral("firma"),
        // Companies, cities, postal codes, a category.
        QStringLiteral("acme"),
        QStringLiteral("globex gmbh"),
        QStringLiteral("romashka"),
        QStringLiteral("munchen"),
        QStringLiteral("springfield"),
        QStringLiteral("80331"),
        QStringLiteral("31-001"),
        QStringLiteral("kunden"),
        // Names without their accents, or in Latin letters.
        QStringLiteral("muller"),
        QStringLiteral("mueller jurgen"),
        QStringLiteral("lukasz"),
        QStringLiteral("ivanov"),
        QStringLiteral("papadopoulos"),
        QStringLiteral("wang wei"),
        // Several words in any order, words shared by thousands, and nothing.
        QStringLiteral("smith james"),
        QStringLiteral("mar ni"),
        QStringLiteral("acme smith 49"),
        QStringLiteral("e"),
        QStringLiteral("s"),
        QStringLiteral("zzqx"),
        QStringLiteral("jo zz"),
        QStringLiteral("99999999"),
    };
}

TypingResult runTypingSession(frmMain& form, int minKeys, const std::vector<QString>& words)
{
    TypingResult r;
    QLineEdit* box = form.findChild<QLineEdit*>(QStringLiteral("txtContact"));
    form.activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();

    for (std::size_t round = 0; static_cast<int>(r.keys.size()) < minKeys; ++round) {
        for (std::size_t w = 0; w < words.size(); ++w) {
            const QStringList chars = characters(words[w]);
            for (const QString& ch : chars)
                typeCharacter(form, r, ch);
            // What follows the word varies, so every key rule is exercised.
            switch ((w + round) % 4) {
            case 0: // take back the last letter and type it again
                pressBackspace(form, r);
                typeCharacter(form, r, chars.last());
                break;
            case 1: // Delete: with a completion selected behind the caret the box empties
                pressDelete(form, r);
                break;
            case 2: // a letter that leaves the list behind, then back
                typeCharacter(form, r, QStringLiteral("q"));
                pressBackspace(form, r);
                break;
            default:                                // go back to the start of the word and type it again from there
                QTest::keyClick(box, Qt::Key_Home); // moves the caret only: not timed
                pressDelete(form, r);
                break;
            }
            clearBox(form, r);
        }
    }
    return r;
}

} // namespace bench
