#include "frmmain.h"

#include "actions/contactactions.h"
#include "actions/quickmail.h"
#include "app/errorreport.h"
#include "app/lifetime.h"
#include "contacts/categoryfilter.h"
#include "contacts/contactlists.h"
#include "contacts/storewatcher.h"
#include "desktop/windowsystem.h"
#include "entry/actionavailability.h"
#include "entry/contactentry.h"
#include "settings/modsettings.h"
#include "settings/optionsopener.h"
#include "window/controlfactory.h"
#include "window/layout.h"
#include "window/placement.h"
#include "window/trayicon.h"
#include "window/twips.h"
#include "window/windowdrag.h"
#include "window/windowmodes.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
QPointer<frmMain> s_instance;
}

frmMain::frmMain(Platform platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_platform(std::move(platform))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quintel"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/lamp-lit.svg")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, layout::kBackground);
    setPalette(pal);
    setFont(controlfactory::windowFont());
    twips::setGeometry(this, {0, 0, layout::kWindowWidth, layout::kWindowHeight});

    buildControls();

    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, this, &frmMain::hideStatus);

    lists = std::make_unique<ContactLists>(*this);
    categories = std::make_unique<CategoryFilter>(*this);
    availability = std::make_unique<ActionAvailability>(*this);
    entry = std::make_unique<ContactEntry>(*this);
    actions = std::make_unique<ContactActions>(*this);
    quickMail = std::make_unique<QuickMail>(*this);
    modes = std::make_unique<WindowModes>(*this);
    placement = std::make_unique<Placement>(*this);
    tray = std::make_unique<TrayIcon>(*this);
    drag = std::make_unique<WindowDrag>(*this);
    options = std::make_unique<OptionsOpener>(*this);
    storeWatcher = std::make_unique<StoreWatcher>(*this);

    connect(cmdClose, &QAbstractButton::clicked, this, &QWidget::close);
    s_instance = this;
}

frmMain::~frmMain()
{
    // The parts hold references to the controls; let them go first.
    storeWatcher.reset();
    options.reset();
    drag.reset();
    tray.reset();
    placement.reset();
    modes.reset();
    quickMail.reset();
    actions.reset();
    entry.reset();
    availability.reset();
    categories.reset();
    lists.reset();
}

frmMain* frmMain::instance()
{
    return s_instance.data();
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

QWidget* frmMain::control(const QString& name) const
{
    return findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void frmMain::Form_Load()
{
    isLoading = true;
    modSettings::loadSettings();
    showStatus(QStringLiteral("Please Wait - Finding Contacts..."));

    barControls = {cmbContacts,      cmbCategories,   cmdDialContact, cmdViewContact, cmdEMailContact,
                   cmdQEmailContact, cmdWriteContact, cmdState,       cmdOptions,     lblContactCount,
                   imgOne,           imgTwo,          txtContact,     txtStatus};
    mailControls = {txtSubject, txtBody, cmdSendMail, cmdClearMail};
    windowMode = 3;
    placement->restorePlacement();
    toggleOnTop();
    QCoreApplication::processEvents();
    show();
    activateWindow();
    lifetime::loaded(this);

    contactIndex.RemoveAll();
    wordApp = m_platform.createWordProcessor();
    outlookApp = m_platform.createContactClient();
    outlookNamespace = outlookApp->GetNamespace(QStringLiteral("MAPI"));
    outlookNamespace->Logon();
    contactsFolder = outlookNamespace->GetDefaultFolder(contactclient::olFolderContacts);
    contactItems = contactsFolder->Items();
    populateCatCombo();
    lists->loadContacts(*contactItems);
    isLoading = false;
    hideStatus();
    storeWatcher->attach();
    storeWatcher->showNote();
}

void frmMain::populateCatCombo()
{
    categories->populateCatCombo();
}

void frmMain::waitFor(const QVariant&) {}

void frmMain::showStatus(const QString& message)
{
    m_statusTimer->stop();
    if (!message.isEmpty())
        txtStatus->setText(message);
    if (!txtStatus->isVisible())
        txtStatus->setVisible(true);
}

void frmMain::hideStatus()
{
    m_statusTimer->stop();
    txtStatus->setVisible(false);
}

void frmMain::flashStatus(const QString& message, int milliseconds)
{
    showStatus(message);
    m_statusTimer->start(milliseconds);
}

void frmMain::runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const contactclient::AutomationError& e) {
        reportError(this, e.number(), e.description());
    } catch (const std::exception& e) {
        reportError(this, errUnexpected, QString::fromUtf8(e.what()));
    }
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
    runGuarded([this] { placement->savePlacement(); });
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
    if (m_platform.windowSystem)
        m_platform.windowSystem->applySkipTaskbar(this);
}

void frmMain::mousePressEvent(QMouseEvent* event)
{
    drag->startDrag(event);
}

void frmMain::mouseMoveEvent(QMouseEvent* event)
{
    drag->mouseMove(event);
}

void frmMain::mouseReleaseEvent(QMouseEvent* event)
{
    drag->mouseRelease(event);
}
