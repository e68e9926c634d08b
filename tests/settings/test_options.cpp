// The options dialog: what it shows, its enable rules and message boxes, what Apply, OK, Cancel,
// Esc and the close box do to the settings in memory and in the store, Ctrl+Tab, one instance.

#include "app/lifetime.h"
#include "support/barfixture.h"
#include "contactclient/errors.h"
#include "settings/frmoptions.h"
#include "settings/tabstrip.h"
#include "window/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

namespace {

// A store whose writes fail, as when the settings file cannot be written.
class FailingStore : public fake::MemorySettingsStore {
public:
    void SaveSetting(const QString&, const QString&, const QString&, const QString&) override
    {
        throw contactclient::AutomationError(contactclient::errStoreUnavailable, QStringLiteral("read-only"));
    }
};

QStringList listed(const frmOptions* d)
{
    QStringList out;
    for (int i = 0; i < d->lstCats->count(); ++i)
        out << d->lstCats->item(i)->text();
    return out;
}

void select(frmOptions* d, const QString& name)
{
    const QList<QListWidgetItem*> found = d->lstCats->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    d->lstCats->setCurrentItem(found.first());
}

void type(frmOptions* d, const QString& text)
{
    d->txtNewCat->setFocus();
    QTest::keyClicks(d->txtNewCat, text);
}

QStringList boxes()
{
    QStringList out;
    for (const MessageBox::Shown& b : MessageBox::shownInTest())
        out << b.title + QLatin1Char('|') + b.text + (b.icon == MessageBox::Icon::None ? QString() : QStringLiteral("|icon"));
    return out;
}

int pageLeft(const frmOptions* d, int page)
{
    return twips::geometry(d->picOptions[static_cast<size_t>(page)]).x();
}

// Sends a key as the window system does: to the dialog's window, which hands it to the focus widget.
void pressInDialog(frmOptions* d, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(d->windowHandle(), key, modifiers);
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opening();
    void oneInstance();
    void addEnableRule_data();
    void addEnableRule();
    void add_data();
    void add();
    void deleteRules();
    void buttons_data();
    void buttons();
    void applyThenCancelKeepsWhatApplySaved();
    void reopeningAfterTheCloseBoxShowsTheStore();
    void ctrlTab_data();
    void ctrlTab();
    void clickingATabShowsItsPage();
    void applyRefillsTheBarsSelector();
    void failedSaveKeepsTheDialogOpen();

private:
    frmOptions* open();
    fake::MemorySettingsStore* m_store = nullptr;
};

void TestOptions::init()
{
    MessageBox::setTestMode(true);
    m_store = new fake::MemorySettingsStore;
    modSettings::setStore(m_store);
}

void TestOptions::cleanup()
{
    if (frmOptions* d = frmOptions::instance())
        d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    modSettings::setStore(nullptr);
    delete m_store;
    m_store = nullptr;
}

frmOptions* TestOptions::open()
{
    frmOptions* d = frmOptions::showDialog();
    if (!QTest::qWaitForWindowActive(d))
        qWarning("the dialog did not become active");
    return d;
}

void TestOptions::opening()
{
    m_store->values = {{QStringLiteral("Settings/checkEmailAddresses"), QStringLiteral("True")},
                       {QStringLiteral("Settings/NumberOfCategories"), QStringLiteral("3")},
                       {QStringLiteral("Categories/1"), QStringLiteral("All Contacts")},
                       {QStringLiteral("Categories/2"), QStringLiteral("zoo")},
                       {QStringLiteral("Categories/3"), QStringLiteral("Golf")}};
    modSettings::loadSettings();
    modSettings::addCategory(QStringLiteral("unsaved"));
    frmOptions* d = open();

    QCOMPARE(d->windowTitle(), QStringLiteral("Options"));
    QVERIFY(!d->isModal());
    QCOMPARE(d->parentWidget(), nullptr);
    QVERIFY(!(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(d->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(d->size(), QSize(410, 328));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QVERIFY(lifetime::isLoaded(d));
    const QRect screen = d->screen()->geometry();
    QVERIFY(qAbs(d->frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(d->frameGeometry().center().y() - screen.center().y()) <= 1);

    QCOMPARE(d->lblVersion->text(), QStringLiteral("v") + QStringLiteral(QUINTEL_VERSION_TEXT));
    QVERIFY(d->chkCheckEmailAddresses->isChecked());
    QCOMPARE(listed(d), (QStringList{QStringLiteral("All Contacts"), QStringLiteral("Golf"), QStringLiteral("zoo")}));
    QVERIFY(!d->cmdAddCat->isEnabled());
    QVERIFY(!d->cmdDeleteCat->isEnabled());
    QVERIFY(!d->Text1->isEnabled()); // takes no focus, cannot be edited

    QCOMPARE(d->tbsOptions->count(), 2);
    QCOMPARE(d->tbsOptions->selectedIndex(), 1);
    QCOMPARE(d->tbsOptions->tabBar()->tabText(0), QStringLiteral("General"));
    QCOMPARE(d->tbsOptions->key(1), QStringLiteral("General"));
    QCOMPARE(d->tbsOptions->tabBar()->tabToolTip(0), QStringLiteral("General Preferences"));
    QCOMPARE(d->tbsOptions->tabBar()->tabText(1), QStringLiteral("About"));
    QCOMPARE(d->tbsOptions->key(2), QStringLiteral("About"));
    QCOMPARE(d->tbsOptions->tabBar()->tabToolTip(1), QStringLiteral("About"));
    QCOMPARE(pageLeft(d, 0), 200);
    QCOMPARE(pageLeft(d, 1), -20000);
    QVERIFY(d->picOptions[0]->isEnabled() && d->picOptions[1]->isEnabled());
    QVERIFY(d->picOptions[0]->isVisibleTo(d));
    for (const char* name : {"tbsOptions", "cmdOK", "cmdCancel", "cmdApply", "picOptions(0)", "picOptions(1)",
                             "chkCheckEmailAddresses", "Text1", "lstCats", "cmdAddCat", "txtNewCat", "cmdDeleteCat",
                             "Label1", "Label2", "Label3", "Label4", "lblVersion", "Image1", "Image2"})
        QVERIFY2(d->findChild<QWidget*>(QString::fromLatin1(name)), name);
}

void TestOptions::oneInstance()
{
    BarFixture f;
    frmMain& bar = f.load();
    bar.cmdOptions->click();
    frmOptions* first = frmOptions::instance();
    QVERIFY(first);
    type(first, QStringLiteral("Golf"));
    first->cmdAddCat->click();
    bar.cmdOptions->click();
    QCOMPARE(frmOptions::instance(), first);
    QCOMPARE(listed(first).size(), 5); // showing it again does not load it again
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        dialogs += qobject_cast<frmOptions*>(w) && w->isVisible() ? 1 : 0;
    QCOMPARE(dialogs, 1);

    // After it was closed, the next showing is a fresh dialog that reads the store again.
    first->close();
    QCOMPARE(frmOptions::instance(), nullptr);
    bar.cmdOptions->click();
    QVERIFY(frmOptions::instance());
    QCOMPARE(listed(frmOptions::instance()).size(), 4);
}

void TestOptions::addEnableRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("a blank") << QStringLiteral(" ") << true;
    QTest::newRow("a name") << QStringLiteral("Golf") << true;
}

void TestOptions::addEnableRule()
{
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    frmOptions* d = open();
    type(d, QStringLiteral("x"));
    d->txtNewCat->clear();
    type(d, text);
    QCOMPARE(d->cmdAddCat->isEnabled(), enabled);
}

void TestOptions::add_data()
{
    QTest::addColumn<int>("extra"); // names added to the defaults before opening
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("listedAfter");
    QTest::addColumn<QStringList>("boxesShown");
    const QStringList defaults = {QStringLiteral("All Contacts"), QStringLiteral("Business"), QStringLiteral("Family"),
                                  QStringLiteral("Friends")};
    QTest::newRow("alphabetical place")
        << 0 << QStringLiteral("Cycling")
        << QStringList{QStringLiteral("All Contacts"), QStringLiteral("Business"), QStringLiteral("Cycling"),
                       QStringLiteral("Family"), QStringLiteral("Friends")}
        << QStringList();
    QTest::newRow("a second Family") << 0 << QStringLiteral("Family")
                                     << QStringList{QStringLiteral("All Contacts"), QStringLiteral("Business"),
                                                    QStringLiteral("Family"), QStringLiteral("Family"),
                                                    QStringLiteral("Friends")}
                                     << QStringList();
    QStringList full = defaults;
    for (int i = 0; i < 10; ++i)
        full << QStringLiteral("X%1").arg(i);
    full.sort(Qt::CaseInsensitive);
    QTest::newRow("fourteen already") << 10 << QStringLiteral("Golf") << full
                                      << QStringList{QStringLiteral("Too Many Categories|Can't Add New Category")};
}

void TestOptions::add()
{
    QFETCH(int, extra);
    QFETCH(QString, name);
    QFETCH(QStringList, listedAfter);
    QFETCH(QStringList, boxesShown);
    modSettings::loadSettings();
    for (int i = 0; i < extra; ++i)
        modSettings::addCategory(QStringLiteral("X%1").arg(i));
    modSettings::saveSettings();
    frmOptions* d = open();
    type(d, name);
    d->cmdAddCat->click();
    QCOMPARE(listed(d), listedAfter);
    QCOMPARE(boxes(), boxesShown);
    QCOMPARE(d->txtNewCat->text(), QString());
    QVERIFY(!d->cmdAddCat->isEnabled());
    QCOMPARE(modSettings::Categories.last(), boxesShown.isEmpty() ? name : QStringLiteral("X9"));
}

void TestOptions::deleteRules()
{
    frmOptions* d = open();
    const QString error = QStringLiteral("Error|You Can't Delete This Category");
    select(d, QStringLiteral("All Contacts"));
    QVERIFY(!d->cmdDeleteCat->isEnabled());
    select(d, QStringLiteral("Family"));
    QVERIFY(d->cmdDeleteCat->isEnabled());
    select(d, QStringLiteral("All Contacts"));
    QVERIFY(d->cmdDeleteCat->isEnabled());
    d->cmdDeleteCat->click();
    QCOMPARE(boxes(), QStringList{error});
    QCOMPARE(listed(d).size(), 4);

    select(d, QStringLiteral("Family"));
    d->cmdDeleteCat->click();
    QCOMPARE(listed(d), (QStringList{QStringLiteral("All Contacts"), QStringLiteral("Business"),
                                     QStringLiteral("Friends")}));
    QVERIFY(d->lstCats->selectedItems().isEmpty());
    QVERIFY(d->cmdDeleteCat->isEnabled());
    d->cmdDeleteCat->click(); // nothing selected
    QCOMPARE(boxes(), (QStringList{error, error}));
    QCOMPARE(modSettings::NumberOfCategories, 3);
}

// Tick the box and add "Golf", then leave the dialog one way or another.
void TestOptions::buttons_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("storedFlag"); // empty: nothing written
    QTest::addColumn<bool>("flagInMemory");
    QTest::addColumn<int>("countInMemory");
    QTest::addColumn<bool>("stillOpen");
    QTest::newRow("Apply") << QStringLiteral("Apply") << QStringLiteral("True") << true << 5 << true;
    QTest::newRow("OK") << QStringLiteral("OK") << QStringLiteral("True") << true << 5 << false;
    QTest::newRow("Cancel") << QStringLiteral("Cancel") << QString() << false << 4 << false;
    QTest::newRow("Esc") << QStringLiteral("Esc") << QString() << false << 4 << false;
    QTest::newRow("close box") << QStringLiteral("close box") << QString() << true << 5 << false;
    QTest::newRow("Enter in the text box") << QStringLiteral("Enter") << QString() << true << 5 << true;
}

void TestOptions::buttons()
{
    QFETCH(QString, action);
    QFETCH(QString, storedFlag);
    QFETCH(bool, flagInMemory);
    QFETCH(int, countInMemory);
    QFETCH(bool, stillOpen);
    frmOptions* d = open();
    d->chkCheckEmailAddresses->click();
    QCOMPARE(modSettings::checkEmailAddresses, true);
    type(d, QStringLiteral("Golf"));
    d->cmdAddCat->click();
    const QStringList before = listed(d);

    if (action == QStringLiteral("Apply"))
        d->cmdApply->click();
    else if (action == QStringLiteral("OK"))
        d->cmdOK->click();
    else if (action == QStringLiteral("Cancel"))
        d->cmdCancel->click();
    else if (action == QStringLiteral("close box"))
        d->close();
    else {
        d->txtNewCat->setFocus();
        pressInDialog(d, action == QStringLiteral("Esc") ? Qt::Key_Escape : Qt::Key_Return, Qt::NoModifier);
    }

    QCOMPARE(m_store->values.value(QStringLiteral("Settings/checkEmailAddresses")), storedFlag);
    QCOMPARE(m_store->values.value(QStringLiteral("Categories/5")), storedFlag.isEmpty() ? QString() : QStringLiteral("Golf"));
    QCOMPARE(modSettings::checkEmailAddresses, flagInMemory);
    QCOMPARE(modSettings::NumberOfCategories, countInMemory);
    QCOMPARE(frmOptions::instance() != nullptr, stillOpen);
    if (stillOpen) {
        QVERIFY(d->isVisible());
        QCOMPARE(listed(d), before); // no control changes
        QVERIFY(d->chkCheckEmailAddresses->isChecked());
    } else {
        QVERIFY(!lifetime::isLoaded(d));
    }
}

void TestOptions::applyThenCancelKeepsWhatApplySaved()
{
    frmOptions* d = open();
    d->chkCheckEmailAddresses->click();
    d->cmdApply->click();
    d->chkCheckEmailAddresses->click();
    type(d, QStringLiteral("Golf"));
    d->cmdAddCat->click();
    d->cmdCancel->click();
    QCOMPARE(modSettings::checkEmailAddresses, true);
    QCOMPARE(modSettings::NumberOfCategories, 4);
    QCOMPARE(m_store->values.value(QStringLiteral("Settings/checkEmailAddresses")), QStringLiteral("True"));
    QCOMPARE(m_store->values.value(QStringLiteral("Settings/NumberOfCategories")), QStringLiteral("4"));
}

void TestOptions::reopeningAfterTheCloseBoxShowsTheStore()
{
    frmOptions* d = open();
    d->chkCheckEmailAddresses->click();
    select(d, QStringLiteral("Family"));
    d->cmdDeleteCat->click();
    d->close();
    QVERIFY(modSettings::checkEmailAddresses); // the bar keeps using the changed flag
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    d = open();
    QVERIFY(!d->chkCheckEmailAddresses->isChecked());
    QVERIFY(!modSettings::checkEmailAddresses);
    QCOMPARE(listed(d).size(), 4);
    QVERIFY(!d->cmdDeleteCat->isEnabled());
}

void TestOptions::ctrlTab_data()
{
    QTest::addColumn<QList<int>>("modifiers"); // one Tab press with each
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("generalLeft");
    QTest::addColumn<int>("aboutLeft");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+Tab: About") << QList<int>{ctrl} << 2 << -20000 << 210;
    QTest::newRow("twice: back to General") << QList<int>{ctrl, ctrl} << 1 << 210 << -20000;
    QTest::newRow("three times") << QList<int>{ctrl, ctrl, ctrl} << 2 << -20000 << 210;
    QTest::newRow("Ctrl+Shift+Tab") << QList<int>{int(Qt::ControlModifier | Qt::ShiftModifier)} << 1 << 200 << -20000;
    QTest::newRow("Ctrl+Alt+Tab") << QList<int>{int(Qt::ControlModifier | Qt::AltModifier)} << 1 << 200 << -20000;
    QTest::newRow("Shift+Tab") << QList<int>{int(Qt::ShiftModifier)} << 1 << 200 << -20000;
    QTest::newRow("Tab") << QList<int>{int(Qt::NoModifier)} << 1 << 200 << -20000;
}

void TestOptions::ctrlTab()
{
    QFETCH(QList<int>, modifiers);
    QFETCH(int, tab);
    QFETCH(int, generalLeft);
    QFETCH(int, aboutLeft);
    frmOptions* d = open();
    d->lstCats->setFocus();
    QCOMPARE(QApplication::focusWidget(), d->lstCats);
    for (const int m : modifiers)
        pressInDialog(d, Qt::Key_Tab, Qt::KeyboardModifiers(m));
    QCOMPARE(d->tbsOptions->selectedIndex(), tab);
    QCOMPARE(pageLeft(d, 0), generalLeft);
    QCOMPARE(pageLeft(d, 1), aboutLeft);
    if (generalLeft != 200) {
        QCOMPARE(d->picOptions[0]->isEnabled(), tab == 1);
        QCOMPARE(d->picOptions[1]->isEnabled(), tab == 2);
    }
}

void TestOptions::clickingATabShowsItsPage()
{
    frmOptions* d = open();
    QTabBar* bar = d->tbsOptions->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(d->tbsOptions->selectedIndex(), 2);
    QCOMPARE(pageLeft(d, 1), 210);
    QVERIFY(!d->picOptions[0]->isEnabled());
    QVERIFY(!d->lstCats->isEnabled()); // out of view, out of the focus chain
}

void TestOptions::applyRefillsTheBarsSelector()
{
    BarFixture f;
    f.client.add(QStringLiteral("Ann"), QStringLiteral("Ann A"), {}, {QStringLiteral("Family")});
    f.client.add(QStringLiteral("Bob"), QStringLiteral("Bob B"));
    frmMain& bar = f.load();
    const int family = bar.cmbCategories->findText(QStringLiteral("Family"));
    bar.cmbCategories->setCurrentIndex(family);
    emit bar.cmbCategories->activated(family);
    QCOMPARE(bar.cmbContacts->count(), 1);

    bar.cmdOptions->click();
    frmOptions* d = frmOptions::instance();
    type(d, QStringLiteral("Golf"));
    d->cmdAddCat->click();
    d->cmdApply->click();
    QCOMPARE(bar.cmbCategories->count(), 5);
    QCOMPARE(bar.cmbCategories->currentIndex(), 0);
    QCOMPARE(bar.cmbContacts->count(), 2);

    // The bar closed, the dialog stays: saving still works and leaves the closed bar alone.
    bar.close();
    QVERIFY(lifetime::isLoaded(d));
    f.client.clearLog();
    d->cmdOK->click();
    QCOMPARE(f.client.logOf({QStringLiteral("Items")}), QStringList());
    QCOMPARE(f.store.values.value(QStringLiteral("Settings/NumberOfCategories")), QStringLiteral("5"));
    QVERIFY(!lifetime::isLoaded(d));
}

void TestOptions::failedSaveKeepsTheDialogOpen()
{
    FailingStore failing;
    modSettings::setStore(&failing);
    frmOptions* d = open();
    type(d, QStringLiteral("Golf"));
    d->cmdAddCat->click();
    d->cmdOK->click();
    QCOMPARE(frmOptions::instance(), d);
    QVERIFY(d->isVisible());
    QCOMPARE(listed(d).size(), 5); // nothing lost
    modSettings::setStore(m_store);
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
