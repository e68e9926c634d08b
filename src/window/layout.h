#pragma once
// The bar's designed layout: every control's kind, name, rectangle in twips, text, initial state,
// tab order and group. The designed layout is that of window mode 3, the tallest.

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

namespace layout {

inline constexpr int kWindowWidth = 6525;
inline constexpr int kWindowHeight = 2355;
inline const QColor kBackground{192, 192, 255};

enum class Kind {
    TextBox,
    MultiLineTextBox,
    PictureBox,
    PictureButton,
    TextButton,
    Button,
    ListBox,
    DropDown,
    Image,
    Label
};
enum class Group { None, Bar, Mail };

struct Control {
    QString name;
    Kind kind;
    QRect rect; // twips: left, top, width, height
    QString text;
    int tabIndex; // -1: not in the focus order
    Group group;
    bool enabled;
    bool visible;
    QString picture;    // resource path of the picture, if any
    QString accessible; // accessible name (and a picture button's tool tip)
};

// The 23 controls in their order of creation.
const QList<Control>& controls();

} // namespace layout
