#pragma once
// The decisions of the entry box, without the widget: what a change completes to, and what
// Backspace and Delete do while part of the text is selected.

#include <QString>

#include <optional>

class SearchList;

namespace typeahead {

struct Completion {
    qsizetype entry = -1; // position in the search list
    QString text;         // the entry's text, its own letter case
    int selectionStart = 0;
    int selectionLength = 0;
};

// The first entry beginning with text, taking its text and selecting from p to its end; nothing
// when no entry begins with text (an empty text never matches). p is where the caret stood: just
// behind what the user typed, or 0 after a text the program set.
std::optional<Completion> complete(const SearchList& list, const QString& text, int p);

// What a key does before the box sees it: nothing (the box handles it), or discard the key and
// give the box a new text.
struct KeyEffect {
    bool discard = false;
    QString newText;
};

// key is a Qt::Key; selection as the box reports it (start = caret when nothing is selected).
KeyEffect keyDown(int key, const QString& text, int selectionStart, int selectionLength);

} // namespace typeahead
