#include "contactentry.h"

#include "contacts/contactsession.h"
#include "entry/typeahead.h"
#include "window/guard.h"
#include "window/statusline.h"
#include "window/windowdrag.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QToolTip>

ContactEntry::ContactEntry(QWidget& window, EntryControls controls, ContactSession& session, StatusLine& status,
                           WindowDrag& drag, const Guard& guard)
    : m_window(window), m_controls(controls), m_session(session), m_status(status), m_drag(drag), m_guard(guard)
{
    QLineEdit* box = m_controls.txtContact;
    // textEdited comes just before textChanged for every change the user makes; a textChanged
    // without it is a text the program set.
    connect(box, &QLineEdit::textEdited, this, [this] { m_userEdited = true; });
    connect(box, &QLineEdit::textChanged, this, [this] {
        const bool byUser = std::exchange(m_userEdited, false);
        const QScopedValueRollback programSet(m_programSet, m_programSet || !byUser);
        m_guard.run([this] { txtContact_Change(); });
    });
    connect(m_controls.cmbContacts, &QComboBox::activated, this,
            [this] { m_guard.run([this] { cmbContacts_Click(); }); });
    box->installEventFilter(this);
}

QString ContactEntry::noLongerThereMessage()
{
    return ContactSession::noLongerThereMessage();
}

void ContactEntry::setBoxText(const QString& text)
{
    const QScopedValueRollback programSet(m_programSet, true);
    m_controls.txtContact->setText(text);
}

void ContactEntry::txtContact_Change()
{
    if (m_session.isLoading())
        return;
    // Setting the completed text below raises the change again at once. That inner pass would
    // find the same entry, select all of it, and resolve the same name; the outer pass then
    // replaces its selection and resolves again. Its outcome is the outer pass's alone.
    if (m_inPass)
        return;
    const QScopedValueRollback inPass(m_inPass, true);

    // The note about a vanished contact lies over the box; the next change takes it away.
    if (m_status.isShown() && m_status.text() == noLongerThereMessage())
        m_status.hide();

    QLineEdit* box = m_controls.txtContact;
    const int caret = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const int p = m_programSet ? 0 : caret;
    const auto completion = typeahead::complete(m_session.searchList(), box->text(), p);
    selectSearchEntry(completion ? completion->entry : -1);
    if (completion) {
        setBoxText(completion->text);
        box->setSelection(completion->selectionStart, completion->selectionLength);
    }
    m_session.resolve(box->text());
}

void ContactEntry::selectSearchEntry(qsizetype position)
{
    // The search list is never shown, so moving its selection costs no layout.
    QListView* list = m_controls.lstContacts;
    const QModelIndex index = list->model() ? list->model()->index(static_cast<int>(position), 0) : QModelIndex();
    if (index.isValid())
        list->setCurrentIndex(index);
    else if (list->selectionModel())
        list->selectionModel()->clear();
}

void ContactEntry::clearName()
{
    if (m_controls.txtContact->text().isEmpty())
        m_session.resolve(QString());
    else
        setBoxText(QString());
}

void ContactEntry::listsLoaded()
{
    // Keys typed while the address book was read went into the box unanswered.
    if (!m_controls.txtContact->text().isEmpty())
        txtContact_Change();
}

bool ContactEntry::txtContact_KeyDown(int key)
{
    const QLineEdit* box = m_controls.txtContact;
    const int start = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const int length = static_cast<int>(box->selectedText().size());
    const typeahead::KeyEffect effect = typeahead::keyDown(key, box->text(), start, length);
    if (effect.discard)
        setBoxText(effect.newText);
    return effect.discard;
}

void ContactEntry::txtContact_GotFocus()
{
    setBoxText(QString());
}

void ContactEntry::txtContact_MouseDown(QMouseEvent* event)
{
    // The drag comes first; the box empties when the press ends, whether it was a click or a drag.
    if (event)
        m_drag.startDrag(event, [this] { m_guard.run([this] { emptyAfterPress(); }); });
    else
        emptyAfterPress();
}

void ContactEntry::emptyAfterPress()
{
    if (!m_controls.txtContact->text().isEmpty())
        setBoxText(QString());
}

void ContactEntry::takeBackFocus()
{
    // Where the user is typing or choosing in a control they can see, the focus stays there. A
    // button only takes keys that would act on it.
    const QWidget* focus = m_window.focusWidget();
    if (focus == m_controls.txtContact)
        return;
    const bool usable = focus && focus->isVisible() && focus->isEnabled() && focus->focusPolicy() != Qt::NoFocus &&
                        m_window.rect().contains(focus->geometry());
    if (usable && !qobject_cast<const QAbstractButton*>(focus))
        return;
    if (m_controls.txtContact->text().isEmpty()) {
        m_controls.txtContact->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A chosen contact stays chosen: a button the user can see keeps the focus, and from anywhere
    // else the focus comes back to the box without emptying it (the user did not enter the box).
    if (usable)
        return;
    m_returningFocus = true;
    m_controls.txtContact->setFocus(Qt::OtherFocusReason);
    m_returningFocus = false;
}

void ContactEntry::returnFocus()
{
    QLineEdit* box = m_controls.txtContact;
    m_returningFocus = true;
    box->setFocus(Qt::OtherFocusReason);
    m_returningFocus = false;
    box->selectAll();
}

void ContactEntry::cmbContacts_Click()
{
    pickName(m_controls.cmbContacts->currentText());
}

void ContactEntry::pickName(const QString& name, const QString& entryId)
{
    if (m_session.isLoading())
        return;
    if (!entryId.isEmpty()) {
        // Chosen outside any handler of the box: failures are reported from here.
        m_guard.run([&] {
            writeName(name);
            const std::shared_ptr<contactclient::ContactItem> chosen = m_session.currentContact();
            if (m_controls.txtContact->text() == name && (!chosen || chosen->EntryID() != entryId))
                m_session.chooseEntry(entryId);
        });
        return;
    }
    writeName(name);
}

void ContactEntry::writeName(const QString& name)
{
    if (m_controls.txtContact->text() == name) {
        // The box holds the name already (its first letters were typed), so setting it raises no
        // change: the completion runs as for a text the program set, and selects the whole name.
        const QScopedValueRollback programSet(m_programSet, true);
        txtContact_Change();
        return;
    }
    setBoxText(name);
}

bool ContactEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_controls.txtContact)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Backspace && key != Qt::Key_Delete)
            break;
        // This handler ignores its own failures; a failing change reports itself.
        bool discard = false;
        try {
            discard = txtContact_KeyDown(key);
        } catch (...) {
        }
        if (discard) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::FocusIn: {
        // Coming back from another window or from a popup is not moving the focus into the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !m_returningFocus)
            m_guard.run([this] { txtContact_GotFocus(); });
        break;
    }
    case QEvent::MouseButtonPress:
        // A note lying over the box goes at the press, which is the box's own; one cut short by
        // the line is shown whole first.
        if (m_status.isShown() && m_status.isNote()) {
            if (m_status.isCut())
                QToolTip::showText(static_cast<QMouseEvent*>(event)->globalPosition().toPoint(), m_status.text(),
                                   m_controls.txtContact);
            m_status.hide();
        }
        // The press is not passed on to the box, so give it the keyboard focus here: the user
        // clicks into the box to type.
        if (!m_controls.txtContact->hasFocus()) {
            m_window.activateWindow();
            m_controls.txtContact->setFocus(Qt::MouseFocusReason);
        }
        m_guard.run([this, event] { txtContact_MouseDown(static_cast<QMouseEvent*>(event)); });
        return true;
    case QEvent::ToolTip:
        // The pointer rests on a message over the box (which lets the pointer through): its tip
        // is the whole message.
        if (m_status.isShown()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), m_status.text(), m_controls.txtContact);
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        // The press belongs to the window drag, which follows the pointer itself; the box does
        // not select text under it.
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
