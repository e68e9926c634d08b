#include "contactentry.h"

#include "entry/actionavailability.h"
#include "entry/typeahead.h"
#include "window/frmmain.h"
#include "window/windowdrag.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScopedValueRollback>

ContactEntry::ContactEntry(frmMain& form) : m_form(form)
{
    QLineEdit* box = m_form.txtContact;
    // textEdited comes just before textChanged for every change the user makes; a textChanged
    // without it is a text the program set.
    connect(box, &QLineEdit::textEdited, this, [this] { m_userEdited = true; });
    connect(box, &QLineEdit::textChanged, this, [this] {
        const bool byUser = std::exchange(m_userEdited, false);
        const QScopedValueRollback programSet(m_programSet, m_programSet || !byUser);
        m_form.runGuarded([this] { txtContact_Change(); });
    });
    connect(m_form.cmbContacts, &QComboBox::activated, this,
            [this] { m_form.runGuarded([this] { cmbContacts_Click(); }); });
    box->installEventFilter(this);
}

QString ContactEntry::noLongerThereMessage()
{
    return QStringLiteral("This contact is no longer in the address book.");
}

void ContactEntry::setBoxText(const QString& text)
{
    const QScopedValueRollback programSet(m_programSet, true);
    m_form.txtContact->setText(text);
}

void ContactEntry::txtContact_Change()
{
    if (m_form.isLoading)
        return;
    // Setting the completed text below raises the change again at once. That inner pass would
    // find the same entry, select all of it, and resolve the same name; the outer pass then
    // replaces its selection and resolves again. Its outcome is the outer pass's alone.
    if (m_inPass)
        return;
    const QScopedValueRollback inPass(m_inPass, true);

    // The note about a vanished contact lies over the box; the next change takes it away.
    if (m_form.txtStatus->isVisible() && m_form.txtStatus->text() == noLongerThereMessage())
        m_form.hideStatus();

    QLineEdit* box = m_form.txtContact;
    const int caret = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
    const int p = m_programSet ? 0 : caret;
    const auto completion = typeahead::complete(m_form.searchList, box->text(), p);
    selectSearchEntry(completion ? completion->entry : -1);
    if (completion) {
        setBoxText(completion->text);
        box->setSelection(completion->selectionStart, completion->selectionLength);
    }
    resolveAndUpdate(box->text());
}

void ContactEntry::selectSearchEntry(qsizetype position)
{
    // The search list is never shown, so moving its selection costs no layout.
    QListView* list = m_form.lstContacts;
    const QModelIndex index = list->model() ? list->model()->index(static_cast<int>(position), 0) : QModelIndex();
    if (index.isValid())
        list->setCurrentIndex(index);
    else if (list->selectionModel())
        list->selectionModel()->clear();
}

void ContactEntry::resolveAndUpdate(const QString& text)
{
    try {
        resolveContact(m_form.contactIndex.Item(text));
        m_form.availability->updateActionButtons(m_form.currentContact != nullptr);
    } catch (...) {
        // A contact that cannot be read is no contact: nothing is offered for it.
        m_form.currentContact.reset();
        m_form.availability->updateActionButtons(false);
        throw;
    }
}

void ContactEntry::resolveContact(const QString& identifier)
{
    if (identifier.isEmpty() || !m_form.outlookNamespace) {
        m_form.currentContact.reset();
        return;
    }
    try {
        m_form.currentContact = m_form.outlookNamespace->GetItemFromID(identifier);
    } catch (const contactclient::ItemNotFound&) {
        // Deleted in the address book after the lists were built.
        m_form.currentContact.reset();
        m_form.flashStatus(noLongerThereMessage());
    }
}

bool ContactEntry::txtContact_KeyDown(int key)
{
    const QLineEdit* box = m_form.txtContact;
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
    if (m_form.drag && event)
        m_form.drag->startDrag(event);
    if (!m_form.txtContact->text().isEmpty())
        setBoxText(QString());
}

void ContactEntry::cmbContacts_Click()
{
    if (m_form.isLoading)
        return;
    setBoxText(m_form.cmbContacts->currentText());
}

bool ContactEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_form.txtContact)
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
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_form.runGuarded([this] { txtContact_GotFocus(); });
        break;
    }
    case QEvent::MouseButtonPress:
        // The press is not passed on to the box, so give it the keyboard focus here: the user
        // clicks into the box to type.
        if (!m_form.txtContact->hasFocus()) {
            m_form.activateWindow();
            m_form.txtContact->setFocus(Qt::MouseFocusReason);
        }
        m_form.runGuarded([this, event] { txtContact_MouseDown(static_cast<QMouseEvent*>(event)); });
        return true;
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
