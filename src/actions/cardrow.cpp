#include "cardrow.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

namespace {

QToolButton* pictureButton(QWidget* parent, const QString& name, const QString& theme, const QString& ownPicture,
                           const QString& tip)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon::fromTheme(theme, QIcon(ownPicture)));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

CardRow::CardRow(const QString& caption, const QString& value, Kind kind, int row, QWidget* parent)
    : m_value(value), m_kind(kind)
{
    lblValue = new QLabel(value, parent);
    lblValue->setObjectName(QStringLiteral("lblField%1").arg(row));
    lblValue->setTextFormat(Qt::PlainText);
    lblValue->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblValue->setWordWrap(true);
    setParent(lblValue);
    setObjectName(QStringLiteral("row"));
    m_layout = new QHBoxLayout;
    m_layout->setSpacing(2);
    m_layout->addWidget(lblValue, 1);
    if (kind == Kind::Text)
        return;

    // The caption names the value, so that a screen reader says which one the button copies.
    cmdCopy = pictureButton(parent, QStringLiteral("cmdCopy%1").arg(row), QStringLiteral("edit-copy"),
                            QStringLiteral(":/icons/copy.svg"),
                            QCoreApplication::translate("ContactCard", "Copy %1").arg(caption));
    connect(cmdCopy, &QAbstractButton::clicked, this, &CardRow::copy);
    m_layout->addWidget(cmdCopy, 0, Qt::AlignTop);
    if (kind == Kind::PostalAddress) {
        cmdMap = pictureButton(parent, QStringLiteral("cmdMap%1").arg(row), QStringLiteral("find-location"),
                               QStringLiteral(":/icons/map.svg"),
                               QCoreApplication::translate("ContactCard", "Show %1 on a map").arg(caption));
        connect(cmdMap, &QAbstractButton::clicked, this, [this] { emit mapRequested(m_value); });
        m_layout->addWidget(cmdMap, 0, Qt::AlignTop);
    }
    lblValue->installEventFilter(this);
}

CardRow* CardRow::of(const QWidget* valueLabel)
{
    return valueLabel ? valueLabel->findChild<CardRow*>(QStringLiteral("row"), Qt::FindDirectChildrenOnly) : nullptr;
}

void CardRow::copy()
{
    QGuiApplication::clipboard()->setText(m_value);
    emit copied(m_value);
}

QMenu* CardRow::contextMenu()
{
    auto* menu = new QMenu(lblValue);
    menu->setObjectName(QStringLiteral("mnuField"));
    // A selection is copied as it is; the row's Copy takes the whole value.
    if (lblValue->hasSelectedText()) {
        const QString selected = lblValue->selectedText();
        menu->addAction(QCoreApplication::translate("ContactCard", "Copy the &selection"), this,
                        [selected] { QGuiApplication::clipboard()->setText(selected); });
    }
    QAction* copyAll =
        menu->addAction(QIcon::fromTheme(QStringLiteral("edit-copy"), QIcon(QStringLiteral(":/icons/copy.svg"))),
                        QCoreApplication::translate("ContactCard", "&Copy"), this, &CardRow::copy);
    copyAll->setObjectName(QStringLiteral("actCopy"));
    if (m_kind == Kind::PostalAddress) {
        QAction* map = menu->addAction(
            QIcon::fromTheme(QStringLiteral("find-location"), QIcon(QStringLiteral(":/icons/map.svg"))),
            QCoreApplication::translate("ContactCard", "Show on a &map"), this, [this] { emit mapRequested(m_value); });
        map->setObjectName(QStringLiteral("actMap"));
    }
    menu->setActiveAction(copyAll);
    return menu;
}

bool CardRow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != lblValue)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        const auto* e = static_cast<QContextMenuEvent*>(event);
        const QPointer<QMenu> menu = contextMenu();
        const QPoint at = e->reason() == QContextMenuEvent::Mouse
                              ? e->globalPos()
                              : lblValue->mapToGlobal(QPoint(0, lblValue->height()));
        menu->exec(at);
        delete menu.data();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) && !lblValue->hasSelectedText()) {
            copy();
            return true;
        }
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (shiftF10) {
            QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(), QPoint());
            return eventFilter(watched, &menuEvent);
        }
    }
    return false;
}
