#include "frmoptions.h"

#include "contactclient/errors.h"
#include "contacts/bookcategories.h"
#include "contacts/namesort.h"
#include "desktop/messagebox.h"
#include "settings/framecentring.h"
#include "settings/modsettings.h"
#include "settings/tabstrip.h"
#include "window/errorreport.h"
#include "window/lifetime.h"
#include "window/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QWindow>

namespace {

QPointer<frmOptions> s_loaded;

constexpr int kPageInView = 210;
constexpr int kPageOutOfView = -20000;

} // namespace

frmOptions::frmOptions(modSettings& settings) : QDialog(nullptr), m_settings(settings)
{
    buildControls();
    wireControls();
}

frmOptions::~frmOptions()
{
    if (lifetime::isLoaded(this))
        lifetime::unloaded(this);
}

frmOptions* frmOptions::instance()
{
    return s_loaded.data();
}

frmOptions* frmOptions::showDialog(modSettings& settings, const QStringList& bookCategories)
{
    if (!s_loaded) {
        auto* dialog = new frmOptions(settings);
        s_loaded = dialog;
        dialog->Form_Load();
    }
    s_loaded->setBookCategories(bookCategories);
    s_loaded->show();
    s_loaded->raise();
    s_loaded->activateWindow();
    return s_loaded.data();
}

QString frmOptions::versionText()
{
    return QStringLiteral("v%1.%2").arg(QUINTEL_VERSION_MAJOR).arg(QUINTEL_VERSION_MINOR);
}

QString frmOptions::noteText()
{
    return QCoreApplication::translate("frmOptions",
                                       "Note:  With this option on, each contact's e-mail addresses are read "
                                       "whenever a name is typed in.");
}

void frmOptions::setBookCategories(const QStringList& categories)
{
    m_bookCategories = categories;
    updateCompletions();
}

void frmOptions::updateCompletions()
{
    if (!m_completions) {
        m_completions = new QStringListModel(this);
        auto* completer = new QCompleter(m_completions, this);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        completer->setFilterMode(Qt::MatchStartsWith);
        txtNewCat->setCompleter(completer);
    }
    QStringList listed;
    for (int i = 0; i < lstCats->count(); ++i)
        listed.append(lstCats->item(i)->text());
    m_completions->setStringList(bookcategories::notYetListed(m_bookCategories, listed));
}

void frmOptions::wireControls()
{
    auto on = [this](auto* sender, auto signal, void (frmOptions::*handler)()) {
        connect(sender, signal, this, [this, handler] { guarded(handler); });
    };
    on(tbsOptions, &TabStrip::selectedChanged, &frmOptions::tbsOptions_Click);
    on(chkCheckEmailAddresses, &QCheckBox::toggled, &frmOptions::chkCheckEmailAddresses_Click);
    on(txtNewCat, &QLineEdit::textChanged, &frmOptions::txtNewCat_Change);
    on(cmdAddCat, &QAbstractButton::clicked, &frmOptions::cmdAddCat_Click);
    // Return in the name box adds the name, as Add does; the Return that takes a name picked in
    // the list of offered ones only takes it into the box (the list fills it in after this), so
    // that the user sees what is added.
    connect(txtNewCat, &QLineEdit::returnPressed, this, [this] {
        const QCompleter* offered = txtNewCat->completer();
        if (offered && offered->popup()->isVisible() && offered->popup()->currentIndex().isValid())
            return;
        if (cmdAddCat->isEnabled())
            guarded(&frmOptions::cmdAddCat_Click);
    });
    on(lstCats, &QListWidget::itemSelectionChanged, &frmOptions::lstCats_Click);
    on(cmdDeleteCat, &QAbstractButton::clicked, &frmOptions::cmdDeleteCat_Click);
    on(cmdApply, &QAbstractButton::clicked, &frmOptions::cmdApply_Click);
    on(cmdOK, &QAbstractButton::clicked, &frmOptions::cmdOK_Click);
    on(cmdCancel, &QAbstractButton::clicked, &frmOptions::cmdCancel_Click);
}

void frmOptions::guarded(void (frmOptions::*handler)())
{
    try {
        (this->*handler)();
    } catch (const contactclient::AutomationError& e) {
        reportError(this, e.number(), e.description());
    } catch (const std::exception& e) {
        reportError(this, errUnexpected, QString::fromUtf8(e.what()));
    }
}

void frmOptions::Form_Load()
{
    lifetime::loaded(this);
    winId(); // the window exists from here on, so that it can show its keys to the dialog first
    windowHandle()->installEventFilter(this);
    lblVersion->setText(versionText());
    centreOnScreen();
    m_settings.loadSettings();
    chkCheckEmailAddresses->setChecked(modSettings::boolToCheck(m_settings.checkEmailAddresses) == 1);
    fillCategoryList(m_settings.Categories);
}

void frmOptions::centreOnScreen()
{
    // By the outer frame, title bar included, as the user sees the dialog.
    framecentring::centreOnScreen(this);
}

void frmOptions::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_Tab || modifiers != Qt::ControlModifier)
        return;
    const int selected = tbsOptions->selectedIndex();
    tbsOptions->setSelectedIndex(selected == tbsOptions->count() ? 1 : selected + 1);
}

void frmOptions::tbsOptions_Click()
{
    const int selected = tbsOptions->selectedIndex();
    for (int i = 0; i < static_cast<int>(picOptions.size()); ++i) {
        QWidget* page = picOptions[static_cast<size_t>(i)];
        QRect r = twips::geometry(page);
        // A page out of view is disabled too, so that none of its controls can take the focus.
        r.moveLeft(i == selected - 1 ? kPageInView : kPageOutOfView);
        twips::setGeometry(page, r);
        page->setEnabled(i == selected - 1);
    }
}

void frmOptions::chkCheckEmailAddresses_Click()
{
    m_settings.checkEmailAddresses = chkCheckEmailAddresses->isChecked();
}

void frmOptions::txtNewCat_Change()
{
    cmdAddCat->setEnabled(!txtNewCat->text().isEmpty());
}

void frmOptions::cmdAddCat_Click()
{
    const QString name = txtNewCat->text();
    if (m_settings.addCategory(name))
        addToList(name);
    else
        MessageBox::show(this, QCoreApplication::translate("frmOptions", "Too Many Categories"),
                         QCoreApplication::translate("frmOptions", "Can't Add New Category"), MessageBox::Icon::None);
    txtNewCat->clear();
    cmdAddCat->setEnabled(false);
}

void frmOptions::lstCats_Click()
{
    const QString name = selectedCategory();
    if (!name.isEmpty() && name != modSettings::kAllContacts)
        cmdDeleteCat->setEnabled(true);
}

void frmOptions::cmdDeleteCat_Click()
{
    if (m_settings.deleteCategory(selectedCategory()))
        fillCategoryList(m_settings.Categories);
    else
        MessageBox::show(this, QCoreApplication::translate("frmOptions", "Error"),
                         QCoreApplication::translate("frmOptions", "You Can't Delete This Category"),
                         MessageBox::Icon::None);
}

void frmOptions::cmdApply_Click()
{
    m_settings.saveSettings();
}

void frmOptions::cmdOK_Click()
{
    m_settings.saveSettings();
    close();
}

void frmOptions::cmdCancel_Click()
{
    m_settings.loadSettings();
    close();
}

void frmOptions::fillCategoryList(const QStringList& categories)
{
    lstCats->clear();
    for (qsizetype i = 1; i < categories.size(); ++i)
        addToList(categories.at(i));
    updateCompletions();
}

void frmOptions::addToList(const QString& name)
{
    int row = 0;
    // In the order of the bar's category selector, after equal names.
    while (row < lstCats->count() && !namesort::sortsBefore(name, lstCats->item(row)->text()))
        ++row;
    lstCats->insertItem(row, name);
    updateCompletions();
}

QString frmOptions::selectedCategory() const
{
    const QList<QListWidgetItem*> selected = lstCats->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void frmOptions::reject()
{
    // Esc, and anything else that dismisses the dialog the way a dialog is dismissed, is Cancel.
    cmdCancel->click();
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    // The dialog sees every key press before the control that has the focus does, and passes it
    // on: its window gets each key once, before handing it to the focus widget.
    if (event->type() == QEvent::KeyPress && watched == windowHandle()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        Form_KeyDown(key->key(), key->modifiers());
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (event->modifiers() == Qt::NoModifier) {
            cmdCancel->click();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the button that has the focus; there is no default button.
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
            button && button->window() == this) {
            button->click();
            return;
        }
        event->ignore();
        return;
    default:
        break;
    }
    // Past QDialog on purpose: its Esc and Enter handling is the dialog's own, decided above.
    QWidget::keyPressEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void frmOptions::closeEvent(QCloseEvent* event)
{
    // The close box neither saves nor reads back: the edits stay in memory.
    event->accept();
    Form_Unload();
}

void frmOptions::Form_Unload()
{
    if (s_loaded == this)
        s_loaded = nullptr;
    deleteLater();
    lifetime::unloaded(this);
}
