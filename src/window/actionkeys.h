#pragma once
// Keys for the bar's buttons, so that a keyboard user need not tab through them: the five actions
// on Ctrl+1 to Ctrl+5 in their order on the bar, then the size, hide, options and close buttons.
// None is a key the entry box uses itself. Tool tips and accessible descriptions name the key.

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace actionkeys {

struct Key {
    QString control; // the button's name
    QKeySequence keys;
};

// The keys, in the order of the bar.
const QList<Key>& keys();

// The tool tip of a button with its key: "E-mail (Ctrl+2)", in the user's language.
QString toolTip(const QString& name, const QKeySequence& keys);

// Gives each button of window in keys() its key. A key clicks its button when the button is shown
// and enabled; the close button's key first asks confirmClose, which says whether to go on.
void install(QWidget& window, const std::function<bool()>& confirmClose);

} // namespace actionkeys
