#pragma once
// The scripted typing session: real key events into the bar's entry box, each timed through the
// whole chain it sets off (completion, lookup, reading the contact, its properties, the buttons).

#include <QString>

#include <vector>

class frmMain;

namespace bench {

struct KeyTiming {
    double chainMs = 0;    // the key event, delivered and handled
    double chainCpuMs = 0; // the CPU time this thread spent on it
    double paintedMs = 0;  // the same, plus the repaint it queued
};

struct TypingResult {
    std::vector<KeyTiming> keys;
    int textKeys = 0; // printable keys
    int backspaces = 0;
    int deletes = 0;
    int found = 0; // keys after which a contact was chosen
    int notFound = 0;
    int errorBoxes = 0; // failures the bar reported while typing
};

// What the session types, word by word: names that begin many entries, shared prefixes, names in
// every script of the generated address books (so the same words hit at every size), and words
// that match nothing.
std::vector<QString> typingWords();

// Plays the session until at least minKeys key events have been sent. The bar must be loaded.
TypingResult runTypingSession(frmMain& form, int minKeys);

} // namespace bench
