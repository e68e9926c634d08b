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
// What the session with the list of matches types besides: queries of one to three words that
// find contacts by their other fields (numbers in several forms, e-mail parts, companies, cities,
// postal codes, categories), names typed without their accents or in Latin letters, beginnings
// that thousands of contacts share, and queries that find nobody.
std::vector<QString> findingWords();

// Plays the session (words in turn) until at least minKeys key events have been sent. The bar
// must be loaded.
TypingResult runTypingSession(frmMain& form, int minKeys, const std::vector<QString>& words = typingWords());

} // namespace bench
