#include "controlfactory.h"

#include "window/contrast.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace controlfactory {
namespace {

void registerSubstitutes()
{
    static const bool done = [] {
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Small Fonts"),
                                   {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(done);
}

QString colour(int r, int g, int b)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(r).arg(g).arg(b);
}

// A fixed light background with text the theme's colour where that can be read on it.
QString textOn(int r, int g, int b, QPalette::ColorRole themeText)
{
    return contrast::textOn(QColor(r, g, b), QApplication::palette().color(themeText)).name();
}

// A layout text in the user's language; the spaces and line ends around it stay.
QString translated(const QString& text)
{
    const QString core = text.trimmed();
    if (core.isEmpty())
        return text;
    const qsizetype at = text.indexOf(core);
    return text.left(at) + QCoreApplication::translate("layout", core.toUtf8().constData()) +
           text.mid(at + core.size());
}

QWidget* pictureButton(const layout::Control& spec, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setIcon(QIcon(spec.picture));
    b->setAutoRaise(false);
    b->setToolTip(QCoreApplication::translate("layout", spec.accessible.toUtf8().constData()));
    b->setAccessibleName(QCoreApplication::translate("layout", spec.accessible.toUtf8().constData()));
    const bool small = spec.rect.width() < 300;
    // The small window buttons show their 10x10 glyph edge to edge on navy; the action buttons
    // show their picture at its own size.
    if (small) {
        b->setIconSize(QSize(10, 10) * 13 / 10);
        b->setStyleSheet(QStringLiteral("QToolButton { border: none; background: %1; }"
                                        "QToolButton:focus { border: 1px dotted yellow; }")
                             .arg(colour(0, 0, 192)));
        // Out of the focus order: a Tab from the box must never land on Close, where a Space ends
        // the program. They are worked with the mouse or their keys.
        b->setFocusPolicy(Qt::NoFocus);
    } else {
        b->setIconSize(QSize(17, 16));
        // A ring the eye finds at once, on the bar's pale background.
        b->setStyleSheet(QStringLiteral("QToolButton:focus { border: 2px solid black; }"));
    }
    return b;
}

QWidget* textButton(const layout::Control& spec, QWidget* parent)
{
    auto* b = new QPushButton(QCoreApplication::translate("layout", spec.text.toUtf8().constData()), parent);
    b->setFont(smallFont());
    if (spec.kind == layout::Kind::TextButton) {
        const bool send = spec.name == QStringLiteral("cmdSendMail");
        const QColor background = send ? QColor(192, 255, 192) : QColor(255, 192, 192);
        b->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid gray; padding: 0; }"
                                        "QPushButton:pressed { border-style: inset; }"
                                        "QPushButton:focus { border: 2px solid black; }")
                             .arg(background.name(), textOn(background.red(), background.green(), background.blue(),
                                                            QPalette::ButtonText)));
    }
    return b;
}

QWidget* textBox(const layout::Control& spec, QWidget* parent)
{
    auto* e = new QLineEdit(translated(spec.text), parent);
    if (spec.name == QStringLiteral("txtStatus")) {
        e->setStyleSheet(QStringLiteral("QLineEdit { border: none; background: %1; color: %2; }")
                             .arg(colour(64, 64, 64), colour(255, 255, 192)));
        e->setReadOnly(true);
    } else if (spec.name == QStringLiteral("txtContact")) {
        // Repainted on every key: drawn by the plain style from its palette, which costs a fraction
        // of resolving a style sheet on each paint. Same colours in every state of the window.
        e->setFrame(false);
        QPalette pal = e->palette();
        const QColor navy(0, 0, 128);
        const QColor paleGreen(192, 255, 192);
        pal.setColor(QPalette::Base, navy);
        pal.setColor(QPalette::Text, paleGreen);
        pal.setColor(QPalette::Highlight, paleGreen);
        pal.setColor(QPalette::HighlightedText, navy);
        e->setPalette(pal);
    } else {
        e->setFont(smallFont(true));
        e->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; }")
                             .arg(colour(255, 255, 192), textOn(255, 255, 192, QPalette::Text)));
    }
    return e;
}

// The drop-down lists open as a list under the box, as many rows high as fit. The menu-like popup
// some styles use instead measures every entry to size itself, which at 100,000 names takes
// seconds each time the list opens.
class DropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* dropDownStyle()
{
    // One for the program, owned by the application: widgets do not own the styles set on them.
    static QPointer<QStyle> style;
    if (!style) {
        style = new DropDownStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

QWidget* dropDown(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setEditable(false);
    c->setStyle(dropDownStyle());
    // Sizing to the contents would measure every one of a large list.
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(c->view()))
        view->setUniformItemSizes(true);
    c->setStyleSheet(
        QStringLiteral("QComboBox { background: %1; color: %2; border: 1px solid gray; padding-left: 2px; }"
                       "QComboBox:focus { border: 2px solid %2; }"
                       "QComboBox QAbstractItemView { background: %1; color: %2; "
                       "selection-background-color: %2; selection-color: %1; }")
            .arg(colour(0, 0, 128), colour(255, 255, 192)));
    return c;
}

} // namespace

QFont windowFont()
{
    registerSubstitutes();
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    return f;
}

QFont smallFont(bool bold)
{
    registerSubstitutes();
    QFont f(QStringLiteral("Small Fonts"));
    f.setPointSizeF(6.75);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

QWidget* create(const layout::Control& spec, QWidget* parent)
{
    using layout::Kind;
    QWidget* w = nullptr;
    switch (spec.kind) {
    case Kind::TextBox:
        w = textBox(spec, parent);
        break;
    case Kind::MultiLineTextBox: {
        auto* e = new QPlainTextEdit(parent);
        e->setPlainText(translated(spec.text));
        e->setFont(smallFont());
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        e->setTabChangesFocus(true);
        e->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; color: %2; }")
                             .arg(colour(255, 255, 192), textOn(255, 255, 192, QPalette::Text)));
        w = e;
        break;
    }
    case Kind::PictureBox:
        w = new QLabel(parent);
        break;
    case Kind::PictureButton:
        w = pictureButton(spec, parent);
        break;
    case Kind::TextButton:
    case Kind::Button:
        w = textButton(spec, parent);
        break;
    case Kind::ListBox: {
        auto* v = new QListView(parent);
        v->setUniformItemSizes(true);
        w = v;
        break;
    }
    case Kind::DropDown:
        w = dropDown(parent);
        break;
    case Kind::Image: {
        auto* l = new QLabel(parent);
        // Drawn at the label's size in device pixels, so the lamp stays crisp on HiDPI screens.
        const QSize size(spec.rect.width() / 15, spec.rect.height() / 15);
        l->setPixmap(QIcon(spec.picture).pixmap(size, parent->devicePixelRatioF()));
        l->setScaledContents(true);
        w = l;
        break;
    }
    case Kind::Label: {
        auto* l = new QLabel(spec.text, parent);
        w = l;
        break;
    }
    }
    w->setObjectName(spec.name);
    // What a screen reader says for the control. A label keeps its text as its name, and a
    // drop-down's name is its current entry on Linux: both tell what they are in the description.
    if (!spec.accessible.isEmpty()) {
        const QString accessible = QCoreApplication::translate("layout", spec.accessible.toUtf8().constData());
        if (spec.kind != Kind::Label)
            w->setAccessibleName(accessible);
        if (spec.kind == Kind::Label || spec.kind == Kind::DropDown)
            w->setAccessibleDescription(accessible);
    }
    w->setEnabled(spec.enabled);
    if (!spec.visible)
        w->setVisible(false);
    if (spec.tabIndex < 0 || spec.kind == Kind::Label || spec.kind == Kind::PictureBox)
        w->setFocusPolicy(Qt::NoFocus);
    return w;
}

void applyTabOrder(QWidget* parent)
{
    QList<const layout::Control*> ordered;
    for (const layout::Control& c : layout::controls()) {
        if (c.tabIndex >= 0)
            ordered.append(&c);
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const layout::Control* a, const layout::Control* b) { return a->tabIndex < b->tabIndex; });
    QWidget* previous = nullptr;
    for (const layout::Control* c : ordered) {
        QWidget* w = parent->findChild<QWidget*>(c->name, Qt::FindDirectChildrenOnly);
        // Controls that never take the focus (labels, the small window buttons) stay out of the chain.
        if (w && w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        if (w)
            previous = w;
    }
}

} // namespace controlfactory
