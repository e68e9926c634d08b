#include "frmmain.h"

#include "actions/contactactions.h"
#include "actions/contactcopy.h"
#include "actions/desktopintegration.h"
#include "actions/quickmail.h"
#include "actions/quickmailoutbox.h"
#include "app/addressmenu.h"
#include "contacts/cardwrites.h"
#include "contacts/contactlookup.h"
#include "contacts/contactuse.h"
#include "contacts/matchsetting.h"
#include "desktop/messagebox.h"
#include "desktop/windowsystem.h"
#include "entry/actionavailability.h"
#include "entry/categoryselector.h"
#include "entry/contactentry.h"
#include "entry/contactlistview.h"
#include "entry/matchlist.h"
#include "entry/newcontactrow.h"
#include "settings/modsettings.h"
#include "settings/optionsopener.h"
#include "window/actionkeys.h"
#include "window/contrast.h"
#include "window/controlfactory.h"
#include "window/errorreport.h"
#include "window/focusorder.h"
#include "window/layout.h"
#include "window/lifetime.h"
#include "window/placement.h"
#include "window/placementautosave.h"
#include "window/statusline.h"
#include "window/trayicon.h"
#include "window/twips.h"
#include "window/windowdrag.h"
#include "window/windowmodes.h"
#include "window/windowrequests.h"
#include "window/windowsabove.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QWindow>

frmMain::frmMain(Platform platform, modSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_platform(std::move(platform)),
      m_settings(settings),
      m_guard([this](int number, const QString& description) { reportError(this, number, description); })
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quintel"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/lamp-lit.svg")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, layout::kBackground);
    pal.setColor(QPalette::WindowText, contrast::textOn(layout::kBackground, pal.color(QPalette::WindowText)));
    setPalette(pal);
    setFont(controlfactory::windowFont());
    twips::setGeometry(this, {0, 0, layout::kWindowWidth, layout::kWindowHeight});
    if (!m_platform.settingsStore)
        m_platform.settingsStore = [this]() -> SettingsStore& { return m_settings.store(); };

    buildControls();
    buildParts();
    connect(cmdClose, &QAbstractButton::clicked, this, &QWidget::close);
    // Every button on a key; closing by a key asks first, as a stray key must not end the bar.
    actionkeys::install(*this, [this] {
        return MessageBox::ask(this, QStringLiteral("Quintel"),
                               QCoreApplication::translate("frmMain", "Close Quintel?"), MessageBox::Icon::None);
    });
    contactcopy::install(*this, *m_session, [this](const QString& note) { flashStatus(note); });
    new AddressMenu(*this);
}

frmMain::~frmMain()
{
    // The parts hold references to the controls and the session; let them go first.
    m_desktop->followCardWrites({});
    m_cardWrites.reset();
    m_focusOrder.reset();
    m_windowsAbove.reset();
    m_options.reset();
    m_drag.reset();
    m_tray.reset();
    m_placementAutoSave.reset();
    m_placement.reset();
    m_quickMail.reset();
    m_outbox.reset();
    m_actions.reset();
    m_modes.reset();
    m_entry.reset();
    m_availability.reset();
    m_categories.reset();
    m_lists.reset();
    m_status.reset();
    m_session.reset();
}

void frmMain::buildControls()
{
    for (const layout::Control& spec : layout::controls()) {
        QWidget* w = controlfactory::create(spec, this);
        twips::setGeometry(w, spec.rect);
    }
    auto get = [this](auto*& field, const char* name) {
        field = findChild<std::remove_reference_t<decltype(*field)>*>(QString::fromLatin1(name),
                                                                      Qt::FindDirectChildrenOnly);
        Q_ASSERT_X(field, "frmMain", name);
    };
    get(txtStatus, "txtStatus");
    get(picHook, "picHook");
    get(cmdOptions, "cmdOptions");
    get(cmdMin, "cmdMin");
    get(cmdWriteContact, "cmdWriteContact");
    get(cmdCancelMail, "cmdCancelMail");
    get(cmdDialContact, "cmdDialContact");
    get(cmdQEmailContact, "cmdQEmailContact");
    get(cmdClose, "cmdClose");
    get(cmdClearMail, "cmdClearMail");
    get(cmdSendMail, "cmdSendMail");
    get(txtSubject, "txtSubject");
    get(txtBody, "txtBody");
    get(lstContacts, "lstContacts");
    get(txtContact, "txtContact");
    get(cmdState, "cmdState");
    get(cmbCategories, "cmbCategories");
    get(cmdEMailContact, "cmdEMailContact");
    get(cmdViewContact, "cmdViewContact");
    get(cmbContacts, "cmbContacts");
    get(imgTwo, "imgTwo");
    get(imgOne, "imgOne");
    get(lblContactCount, "lblContactCount");

    // The status line lies in front of the entry box.
    txtStatus->raise();
    controlfactory::applyTabOrder(this);
}

void frmMain::buildParts()
{
    m_desktop = std::make_unique<DesktopIntegration>(
        [this](int number, const QString& description) { m_guard.report(number, description); });
    m_session = std::make_unique<ContactSession>([this] { return m_platform.createContactClient(*m_desktop); });
    m_session->setBackground(m_platform.background);
    m_status = std::make_unique<StatusLine>(txtStatus);

    m_lists = std::make_unique<ContactListView>(cmbContacts, lstContacts, lblContactCount, *m_session);
    m_categories = std::make_unique<CategorySelector>(cmbCategories, m_settings, *m_session, *m_status, m_guard);
    m_availability =
        std::make_unique<ActionAvailability>(ActionControls{cmdViewContact, cmdEMailContact, cmdQEmailContact,
                                                            cmdDialContact, cmdWriteContact, imgOne, imgTwo},
                                             *m_session, m_settings);
    m_drag = std::make_unique<WindowDrag>(*this, m_platform.windowSystem);
    m_entry = std::make_unique<ContactEntry>(*this, EntryControls{txtContact, cmbContacts, lstContacts}, *m_session,
                                             *m_status, *m_drag, m_guard);
    m_modes = std::make_unique<WindowModes>(*this, cmdState, m_windowState, m_guard);
    m_actions = std::make_unique<ContactActions>(
        ContactActionControls{cmdDialContact, cmdEMailContact, cmdViewContact, cmdQEmailContact, cmdWriteContact},
        *m_session, *m_modes, *m_desktop, m_guard);
    // Ctrl+N in the box: a new contact made from what it holds.
    auto* addContact =
        new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), txtContact, nullptr, nullptr, Qt::WidgetShortcut);
    connect(addContact, &QShortcut::activated, this,
            [this] { m_guard.run([this] { m_actions->addContact(txtContact->text()); }); });
    // What a card writes shows in the bar at once: the lists, the matches and the box follow.
    m_cardWrites = std::make_unique<CardWrites>(
        *m_session,
        CardWrites::Bar{[this](const QString& name, const QString& entryId) { m_entry->pickName(name, entryId); },
                        [this] { m_entry->clearName(); }, [this] { m_categories->showAllContacts(); }});
    m_desktop->followCardWrites(
        {[this](const QString& entryId, const QString& fileAs, bool added) {
             m_guard.run([&] { m_cardWrites->saved(entryId, fileAs, added); });
         },
         [this](const QString& entryId) { m_guard.run([&] { m_cardWrites->deleted(entryId); }); }});
    m_quickMail = std::make_unique<QuickMail>(
        *this, QuickMailControls{txtSubject, txtBody, cmdSendMail, cmdCancelMail, cmdClearMail}, *m_session, *m_modes,
        *m_status, m_guard);
    m_quickMail->setBackground(m_platform.background);
    if (m_platform.mailAccount) {
        m_outbox = std::make_unique<QuickMailOutbox>(*this, *m_status, m_platform.mailAccount);
        m_outbox->setBackground(m_platform.background);
        m_quickMail->setOutbox(m_outbox.get());
    }
    m_placement = std::make_unique<Placement>(*this, *m_modes, m_platform.settingsStore);
    m_placementAutoSave = std::make_unique<PlacementAutoSave>(
        *this, *m_modes, *m_placement, [this] { return lifetime::isLoaded(this) && m_session->isLoaded(); });
    m_tray = std::make_unique<TrayIcon>(*this, cmdMin, *m_status, m_guard);
    m_options = std::make_unique<OptionsOpener>(cmdOptions, m_settings, m_guard,
                                                [this] { return m_session->bookCategories(); });
    m_windowsAbove = std::make_unique<WindowsAbove>(*this);
    m_contactUse = std::make_unique<ContactUse>(m_platform.contactUseFile);
    m_lookup = std::make_unique<ContactLookup>(*m_session, *m_contactUse);
    m_lookup->setBackground(m_platform.background);
    m_matches = std::make_unique<MatchList>(*this, txtContact, *m_entry, *m_lookup);
    // Its last row adds what the box holds, as Ctrl+N does, where the address book takes it.
    m_matches->offerNewContacts(
        [this](const QString& text) {
            return newcontactrow::offered(text, m_session->contactIndex().Exists(text), m_session->takesNewContacts());
        },
        [this](const QString& text) { m_guard.run([this, &text] { m_actions->addContact(text); }); });
    // The bar's actions on the chosen contact are its use.
    m_matches->countUseOf({cmdDialContact, cmdEMailContact, cmdViewContact, cmdQEmailContact, cmdWriteContact}, [this] {
        const auto current = m_session->currentContact();
        return current ? current->EntryID() : QString();
    });

    QList<QWidget*> focusable;
    for (const layout::Control& spec : layout::controls())
        focusable.append(control(spec.name));
    m_focusOrder = std::make_unique<FocusOrder>(*this, focusable, [this] { m_entry->returnFocus(); });
    connect(m_modes.get(), &WindowModes::modeChanged, m_focusOrder.get(), &FocusOrder::update);
    connect(m_windowsAbove.get(), &WindowsAbove::returned, m_entry.get(), &ContactEntry::returnFocus);
    // Once a quick-mail button has acted, the keys go to the box again.
    for (QPushButton* button : {cmdSendMail, cmdCancelMail, cmdClearMail})
        connect(button, &QAbstractButton::clicked, m_entry.get(), &ContactEntry::returnFocus);

    connect(m_lists.get(), &ContactListView::firstEntrySelected, m_entry.get(),
            [this] { m_guard.run([this] { m_entry->cmbContacts_Click(); }); });
    connect(m_session.get(), &ContactSession::note, m_status.get(), &StatusLine::flash);
    connect(m_actions.get(), &ContactActions::note, m_status.get(), &StatusLine::flash);
    connect(m_status.get(), &StatusLine::hidden, m_entry.get(), &ContactEntry::takeBackFocus);
    connect(m_session.get(), &ContactSession::failed, this,
            [this](int number, const QString& description) { m_guard.report(number, description); });
    connect(m_session.get(), &ContactSession::loaded, this, &frmMain::sessionLoaded);
    connect(m_session.get(), &ContactSession::loadFailed, this, &frmMain::loadFailed);
    // Saving the settings refills the selector while the bar is open.
    connect(&m_settings, &modSettings::saved, this, [this] {
        if (lifetime::isLoaded(this))
            m_guard.run([this] { populateCatCombo(); });
    });
}

QWidget* frmMain::control(const QString& name) const
{
    return findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void frmMain::Form_Load()
{
    // A second run after the bar was closed starts from the full height, as the first one does.
    if (m_started)
        m_modes->setWindowMode(WindowMode::QuickMail);
    m_started = true;
    m_session->setLoading(true);
    m_settings.loadSettings();
    m_matches->setEnabled(matchsetting::showMatches(m_settings.store()));
    showStatus(QCoreApplication::translate("frmMain", "Please Wait - Finding Contacts..."));

    m_modes->setControls({cmbContacts, cmbCategories, cmdDialContact, cmdViewContact, cmdEMailContact, cmdQEmailContact,
                          cmdWriteContact, cmdState, cmdOptions, lblContactCount, imgOne, imgTwo, txtContact,
                          txtStatus},
                         {txtSubject, txtBody, cmdSendMail, cmdClearMail});
    m_windowState.windowMode = int(WindowMode::QuickMail);
    m_placement->restorePlacement();
    m_focusOrder->update();
    toggleOnTop();
    QCoreApplication::processEvents();
    show();
    activateWindow();
    // The first key typed starts a name (the box is empty, so its focus rule changes nothing).
    txtContact->setFocus(Qt::OtherFocusReason);
    lifetime::loaded(this);

    if (m_platform.createWordProcessor)
        m_actions->setWordProcessor(m_platform.createWordProcessor());
    // The selector only fills while the lists are loading; the contacts follow.
    populateCatCombo();
    m_session->load();
}

void frmMain::sessionLoaded()
{
    hideStatus();
    m_entry->listsLoaded();
    // What waited in the outbox goes out once the bar is up.
    if (m_outbox && !std::exchange(m_outboxStarted, true))
        m_outbox->start();
    emit loaded();
}

void frmMain::populateCatCombo()
{
    m_categories->populateCatCombo();
}

void frmMain::showStatus(const QString& message)
{
    m_status->show(message);
}

void frmMain::hideStatus()
{
    m_status->hide();
}

void frmMain::flashStatus(const QString& message, int milliseconds)
{
    m_status->flash(message, milliseconds);
}

void frmMain::toggleOnTop()
{
    if (!m_platform.windowSystem)
        return;
    const bool first = m_platform.windowSystem->isFirstInStackingOrder(this);
    m_platform.windowSystem->setTopmost(this, !first);
}

void frmMain::Form_Unload()
{
    m_guard.run([this] { m_placement->savePlacement(); });
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
    emit unloaded();
    lifetime::unloaded(this);
}

void frmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_platform.windowSystem)
        return;
    m_platform.windowSystem->applySkipTaskbar(this);
    // Told again once the window manager has mapped the bar: coming back from an iconified state,
    // the window can be mapped before it is shown, and a window manager that has just withdrawn it
    // drops the states it was given.
    if (QWindow* handle = windowHandle(); handle && !m_watchingExposure) {
        handle->installEventFilter(this);
        m_watchingExposure = true;
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed() &&
        m_platform.windowSystem && !m_exposed) {
        m_platform.windowSystem->applySkipTaskbar(this);
        // Keeping on top is one of the states a window manager drops when it withdraws the window:
        // the bar shown again would otherwise lose it.
        if (testAttribute(Qt::WA_WState_Created) && (windowFlags() & Qt::WindowStaysOnTopHint))
            m_platform.windowSystem->setTopmost(this, true);
    }
    if (event->type() == QEvent::Expose && watched == windowHandle())
        m_exposed = windowHandle()->isExposed();
    return QWidget::eventFilter(watched, event);
}

void frmMain::savePlacementOnExit()
{
    m_placementAutoSave->saveNow();
}

void frmMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Answered once the window manager's change has gone through.
    if (event->type() == QEvent::WindowStateChange)
        QMetaObject::invokeMethod(
            this, [this] { m_guard.run([this] { answerWindowManager(); }); }, Qt::QueuedConnection);
}

void frmMain::answerWindowManager()
{
    switch (windowrequests::answer(QWidget::windowState(), m_tray->isAvailable())) {
    case windowrequests::Answer::Accept:
        return;
    case windowrequests::Answer::Restore:
        setWindowState(Qt::WindowNoState);
        // The size of the mode and the place the bar had.
        twips::setGeometry(this, twips::geometry(this));
        if (!m_tray->isInTray() && lifetime::isLoaded(this)) {
            show();
            activateWindow();
        }
        return;
    case windowrequests::Answer::HideToTray:
        // The bar stays minimized while it is in the tray: leaving that state maps the window
        // (Qt's de-iconify), which would show it again behind the icon. It leaves the state on its
        // way back (TrayIcon::restoreFromTray).
        m_tray->cmdMin_Click();
        return;
    }
}

void frmMain::mousePressEvent(QMouseEvent* event)
{
    m_drag->startDrag(event);
}
