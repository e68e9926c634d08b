#include "typeahead.h"

#include "contacts/searchlist.h"

#include <qnamespace.h>

#include <algorithm>

namespace typeahead {

std::optional<Completion> complete(const SearchList& list, const QString& text, int p)
{
    const qsizetype found = list.findString(text);
    if (found < 0)
        return std::nullopt;
    Completion c;
    c.entry = found;
    c.text = list.at(found);
    const int length = static_cast<int>(c.text.size());
    c.selectionStart = std::clamp(p, 0, length);
    c.selectionLength = length - c.selectionStart;
    return c;
}

KeyEffect keyDown(int key, const QString& text, int selectionStart, int selectionLength)
{
    if (selectionLength == 0)
        return {};
    if (key == Qt::Key_Backspace) {
        // The character before the selection goes with it. A selection from the very start
        // leaves nothing to keep: the box empties.
        return {true, text.left(std::max(selectionStart - 1, 0))};
    }
    if (key == Qt::Key_Delete && selectionStart != 0)
        return {true, QString()};
    return {};
}

} // namespace typeahead
