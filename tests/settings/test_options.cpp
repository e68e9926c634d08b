// The options dialog: what it shows, its enable rules and message boxes, what Apply, OK, Cancel,
// Esc and the close box do to the settings in memory and in the store, Ctrl+Tab, one instance.

#include "contactclient/errors.h"
#include "contactclient/searchfields.h"
#include "settings/frmoptions.h"
#include "settings/tabstrip.h"
#include "settingsstore.h"
#include "support/barfixture.h"
#include "support/storedcategories.h"
#include "window/lifetime.h"
#include "window/twips.h"
#include "window/windowmodes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A store whose writes fail, as when the settings file cannot be written.
struct FailingStore : fake::MemorySettingsStore {
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

void select(frmOptions* d, const char* name)
{
    d->lstCats->setCurrentItem(d->lstCats->findItems(QString::fromUtf8(name), Qt::MatchExactly).value(0));
}

void add(frmOptions* d, const char* name)
{
    d->txtNewCat->setFocus();
    QTest::keyClicks(d->txtNewCat, QString::fromUtf8(name));
    d->cmdAddCat->click();
}

QStringList boxes()
{
    QStringList out;
    for (const MessageBox::Shown& b : MessageBox::shownInTest())
        out << b.title + QLatin1Char('|') + b.text +
                   (b.icon == MessageBox::Icon::None ? QString() : QStringLiteral("|icon"));
    return out;
}

int pageLeft(const frmOptions* d, int page)
{
    return twips::geometry(d->picOptions[static_cast<size_t>(page)]).x();
}

// Keys go to the dialog's window, as the window system sends them; it hands them to the focus widget.
void press(frmOptions* d, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(d->windowHandle(), key, modifiers);
}

// Whether the completer offers this name at all.
bool isOffered(QCompleter* completer, const QString& name)
{
    const QStringList all = qobject_cast<QStringListModel*>(completer->model())
                                ? qobject_cast<QStringListModel*>(completer->model())->stringList()
                                : QStringList();
    return all.contains(name);
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MessageBox::setTestMode(true);
        m_settings = std::make_unique<modSettings>(m_store);
    }
    void cleanup()
    {
        if (frmOptions* d = frmOptions::instance())
            d->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_settings.reset();
        m_store = {};
    }

    void opening()
    {
        m_store.values = {{QStringLiteral("Settings/checkEmailAddresses"), QStringLiteral("True")}};
        storeCategories(m_store, {QStringLiteral("All Contacts"), QStringLiteral("zoo"), QStringLiteral("Golf")});
        m_settings->loadSettings();
        m_settings->addCategory(QStringLiteral("unsaved")); // dropped on opening
        frmOptions* d = open();

        QCOMPARE(d->windowTitle(), QStringLiteral("Options"));
        QVERIFY(!d->isModal() && !d->parentWidget());
        QVERIFY(!(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d->minimumSize(), QSize(410, 328)); // 6150 x 4920 twips, fixed
        QCOMPARE(d->maximumSize(), QSize(410, 328));
        QVERIFY(qAbs(d->frameGeometry().center().x() - d->screen()->geometry().center().x()) <= 1);
        QVERIFY(lifetime::isLoaded(d));

        QCOMPARE(d->lblVersion->text(), QStringLiteral("v") + QStringLiteral(QUINTEL_VERSION_TEXT));
        QVERIFY(d->chkCheckEmailAddresses->isChecked());
        QCOMPARE(listed(d),
                 (QStringList{QStringLiteral("All Contacts"), QStringLiteral("Golf"), QStringLiteral("zoo")}));
        QVERIFY(!d->cmdAddCat->isEnabled() && !d->cmdDeleteCat->isEnabled());
        QCOMPARE(d->tbsOptions->selectedIndex(), 1);
        QCOMPARE(d->tbsOptions->key(2), QStringLiteral("About"));
        QCOMPARE(d->tbsOptions->tabBar()->tabToolTip(0), QStringLiteral("General Preferences"));
        QCOMPARE(pageLeft(d, 0), 200);
        QCOMPARE(pageLeft(d, 1), -20000);
    }

    void oneInstance()
    {
        BarFixture f;
        frmMain& bar = f.load();
        click(bar, "cmdOptions");
        frmOptions* first = frmOptions::instance();
        add(first, "Golf");
        click(bar, "cmdOptions");
        QCOMPARE(frmOptions::instance(), first);
        QCOMPARE(listed(first).size(), 5); // shown again, not loaded again
    }

    void addAndDelete()
    {
        frmOptions* d = open();
        QTest::keyClicks(d->txtNewCat, QStringLiteral(" "));
        QVERIFY(d->cmdAddCat->isEnabled()); // a blank is text
        d->txtNewCat->clear();
        QVERIFY(!d->cmdAddCat->isEnabled());
        add(d, "Cycling");
        add(d, "Family");
        QCOMPARE(listed(d),
                 (QStringList{QStringLiteral("All Contacts"), QStringLiteral("Business"), QStringLiteral("Cycling"),
                              QStringLiteral("Family"), QStringLiteral("Family"), QStringLiteral("Friends")}));
        QCOMPARE(m_settings->Categories.last(), QStringLiteral("Family")); // appended in memory
        for (int i = 0; i < 9; ++i)                                        // the ninth is refused
            add(d, "X");
        QCOMPARE(boxes(), QStringList{QStringLiteral("Too Many Categories|Can't Add New Category")});
        QCOMPARE(listed(d).size(), 14);
        QVERIFY(d->txtNewCat->text().isEmpty() && !d->cmdAddCat->isEnabled());

        MessageBox::shownInTest().clear();
        const QString refused = QStringLiteral("Error|You Can't Delete This Category");
        select(d, "All Contacts");
        QVERIFY(!d->cmdDeleteCat->isEnabled());
        select(d, "Family");
        select(d, "All Contacts");
        QVERIFY(d->cmdDeleteCat->isEnabled()); // stays enabled
        d->cmdDeleteCat->click();
        QCOMPARE(boxes(), QStringList{refused});
        select(d, "Cycling");
        d->cmdDeleteCat->click();
        QCOMPARE(listed(d).size(), 13);
        QVERIFY(d->lstCats->selectedItems().isEmpty() && d->cmdDeleteCat->isEnabled());
        d->cmdDeleteCat->click(); // nothing selected
        QCOMPARE(boxes(), (QStringList{refused, refused}));
        QCOMPARE(m_settings->NumberOfCategories, 13);
    }

    void addByKeyboard_data()
    {
        QTest::addColumn<QString>("keys"); // after the name, typed into the name box
        QTest::newRow("Return in the name box") << "Return";
        QTest::newRow("Tab to Add, Return") << "Tab Return";
        QTest::newRow("Tab to Add, Space") << "Tab Space";
    }
    // A keyboard user adds a category: from the list, Tab reaches the name box and then Add.
    void addByKeyboard()
    {
        QFETCH(QString, keys);
        frmOptions* d = open();
        d->lstCats->setFocus();
        press(d, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), d->txtNewCat);
        for (const QChar c : QStringLiteral("Golf"))
            QTest::keyClick(d->windowHandle(), c.toLatin1());
        QCOMPARE(d->txtNewCat->text(), QStringLiteral("Golf"));
        for (const QString& key : keys.split(QLatin1Char(' ')))
            press(d, key == QStringLiteral("Tab")     ? Qt::Key_Tab
                     : key == QStringLiteral("Space") ? Qt::Key_Space
                                                      : Qt::Key_Return);
        QVERIFY2(listed(d).contains(QStringLiteral("Golf")), qPrintable(listed(d).join(QLatin1Char(','))));
        QVERIFY(d->txtNewCat->text().isEmpty());
        QVERIFY(frmOptions::instance());
    }

    // Tick the box and add "Golf", then leave the dialog one way or another.
    void buttons_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("flagInMemory");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("Apply") << "Apply" << true << true << true;
        QTest::newRow("OK") << "OK" << true << true << false;
        QTest::newRow("Cancel") << "Cancel" << false << false << false;
        QTest::newRow("Esc") << "Esc" << false << false << false;
        QTest::newRow("close box") << "close box" << false << true << false;
        QTest::newRow("Enter in the text box") << "Enter" << false << true << true;
        QTest::newRow("Apply, untick, Cancel") << "Apply Cancel" << true << true << false;
    }
    void buttons()
    {
        QFETCH(QString, action);
        QFETCH(bool, saved);
        QFETCH(bool, flagInMemory);
        QFETCH(bool, stillOpen);
        frmOptions* d = open();
        d->chkCheckEmailAddresses->click();
        add(d, "Golf");
        const QStringList before = listed(d);
        if (action.startsWith(QStringLiteral("Apply")))
            d->cmdApply->click();
        if (action == QStringLiteral("Apply Cancel")) {
            d->chkCheckEmailAddresses->click();
            add(d, "Darts");
            d->cmdCancel->click();
        }
        if (action == QStringLiteral("OK"))
            d->cmdOK->click();
        else if (action == QStringLiteral("Cancel"))
            d->cmdCancel->click();
        else if (action == QStringLiteral("close box"))
            d->close();
        else if (action == QStringLiteral("Esc") || action == QStringLiteral("Enter"))
            press(d, action == QStringLiteral("Esc") ? Qt::Key_Escape : Qt::Key_Return);

        QCOMPARE(m_store.values.value(QStringLiteral("Settings/checkEmailAddresses")),
                 saved ? QStringLiteral("True") : QString());
        QCOMPARE(m_store.values.value(QStringLiteral("Categories/5")), saved ? QStringLiteral("Golf") : QString());
        QCOMPARE(m_settings->checkEmailAddresses, flagInMemory);
        QCOMPARE(m_settings->NumberOfCategories, flagInMemory ? 5 : 4); // the list goes with the flag
        QCOMPARE(frmOptions::instance() != nullptr, stillOpen);
        QCOMPARE(lifetime::isLoaded(d), stillOpen);
        if (stillOpen) {
            QCOMPARE(listed(d), before);
            return;
        }
        // The next opening shows the store, whatever stayed in memory.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        d = open();
        QCOMPARE(d->chkCheckEmailAddresses->isChecked(), saved);
        QCOMPARE(m_settings->checkEmailAddresses, saved);
    }

    void ctrlTab_data()
    {
        QTest::addColumn<QList<int>>("modifiers"); // one Tab press with each
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("generalLeft");
        QTest::addColumn<int>("aboutLeft");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+Tab: About") << QList<int>{ctrl} << 2 << -20000 << 210;
        QTest::newRow("twice: back to General") << QList<int>{ctrl, ctrl} << 1 << 210 << -20000;
        QTest::newRow("Ctrl+Shift+Tab") << QList<int>{int(Qt::ControlModifier | Qt::ShiftModifier)} << 1 << 200
                                        << -20000;
        QTest::newRow("Ctrl+Alt+Tab") << QList<int>{int(Qt::ControlModifier | Qt::AltModifier)} << 1 << 200 << -20000;
    }
    void ctrlTab()
    {
        QFETCH(QList<int>, modifiers);
        QFETCH(int, tab);
        QFETCH(int, generalLeft);
        QFETCH(int, aboutLeft);
        frmOptions* d = open();
        d->lstCats->setFocus();
        for (const int m : modifiers)
            press(d, Qt::Key_Tab, Qt::KeyboardModifiers(m));
        QCOMPARE(d->tbsOptions->selectedIndex(), tab);
        QCOMPARE(pageLeft(d, 0), generalLeft);
        QCOMPARE(pageLeft(d, 1), aboutLeft);
        QCOMPARE(d->lstCats->isEnabled(), tab == 1); // a page out of view takes no focus
    }

    void saveRefillsTheBarWhileItIsOpen()
    {
        BarFixture f;
        f.client.add(QStringLiteral("Ann"), QStringLiteral("Ann A"), {}, {QStringLiteral("Family")});
        f.client.add(QStringLiteral("Bob"), QStringLiteral("Bob B"));
        frmMain& bar = f.load();
        const int family = ui<QComboBox>(bar, "cmbCategories")->findText(QStringLiteral("Family"));
        ui<QComboBox>(bar, "cmbCategories")->setCurrentIndex(family);
        emit ui<QComboBox>(bar, "cmbCategories")->activated(family);
        click(bar, "cmdOptions");
        frmOptions* d = frmOptions::instance();
        add(d, "Golf");
        d->cmdApply->click();
        QCOMPARE(ui<QComboBox>(bar, "cmbCategories")->count(), 5);
        QCOMPARE(ui<QComboBox>(bar, "cmbCategories")->currentIndex(), 0);
        QCOMPARE(ui<QComboBox>(bar, "cmbContacts")->count(), 2);

        bar.close(); // the dialog stays, and saving leaves the closed bar alone
        f.client.clearLog();
        d->cmdOK->click();
        QCOMPARE(f.client.log, QStringList());
        QCOMPARE(f.store.values.value(QStringLiteral("Settings/NumberOfCategories")), QStringLiteral("5"));
        QVERIFY(!lifetime::isLoaded(d));
    }

    void offersTheBookCategories_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("offered"); // what the completion lists for the typed letters
        QTest::addColumn<QString>("added");       // after Down and Return; empty: nothing offered
        QTest::newRow("one match, taken as the book writes it") << "gol" << QStringList{u"Golf Club"_s} << "Golf Club";
        QTest::newRow("letter case ignored") << "VOL" << QStringList{u"volunteers"_s} << "volunteers";
        QTest::newRow("several, in order") << "c" << QStringList{u"Chess"_s, u"Choir"_s} << "Chess";
        // Family is in the bar's list already: it is not offered again.
        QTest::newRow("listed ones not offered") << "fam" << QStringList{} << QString();
    }
    // Adding a category offers the categories the address book's contacts carry, whichever category
    // the bar shows, so that the name matches the book's and the category finds its contacts.
    void offersTheBookCategories()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, offered);
        QFETCH(QString, added);
        using contactclient::searchfields::Builder;
        using contactclient::searchfields::Kind;
        BarFixture f;
        f.client.add(u"Ann"_s, u"Ann A"_s, {}, {u"Family"_s}).searchFields =
            Builder().add(Kind::Category, u"Family").add(Kind::Category, u"Golf Club").text();
        f.client.add(u"Bob"_s, u"Bob B"_s, {}, {u"Chess"_s}).searchFields =
            Builder().add(Kind::Category, u"Chess").add(Kind::Category, u"volunteers").text();
        f.client.add(u"Cy"_s, u"Cy C"_s).searchFields = Builder().add(Kind::Category, u"Choir").text();
        frmMain& bar = f.load();
        auto* categories = ui<QComboBox>(bar, "cmbCategories");
        const int family = categories->findText(u"Family"_s);
        categories->setCurrentIndex(family);
        emit categories->activated(family);
        QCOMPARE(ui<QComboBox>(bar, "cmbContacts")->count(), 1);

        click(bar, "cmdOptions");
        frmOptions* d = frmOptions::instance();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCompleter* completer = d->txtNewCat->completer();
        QVERIFY(completer);
        d->txtNewCat->setFocus();
        for (const QChar c : typed)
            QTest::keyClick(d->windowHandle(), c.toLatin1());
        QStringList listedNow;
        if (!offered.isEmpty()) {
            QTRY_VERIFY(completer->popup()->isVisible());
            const QAbstractItemModel* shown = completer->completionModel();
            for (int row = 0; row < shown->rowCount(); ++row)
                listedNow.append(shown->index(row, 0).data().toString());
        } else {
            QVERIFY(!completer->popup()->isVisible());
        }
        QCOMPARE(listedNow, offered);
        if (added.isEmpty())
            return;
        // The keyboard picks the first one (the open list has the keys); Return takes it into the box,
        // and Return adds it.
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        QTRY_VERIFY(!completer->popup()->isVisible());
        QCOMPARE(d->txtNewCat->text(), added);
        QVERIFY(!listed(d).contains(added));
        press(d, Qt::Key_Return);
        QVERIFY2(listed(d).contains(added), qPrintable(listed(d).join(u',')));
        // Once listed, it is offered no more.
        QVERIFY(!isOffered(completer, added));
    }

    void secondStartAfterTheBarClosed()
    {
        // The options dialog keeps the program running after the bar closed; a second start of the
        // program loads the same bar again, and OK in the dialog then leaves it running.
        BarFixture f;
        f.client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"));
        frmMain& bar = f.load();
        bar.modes()->setWindowMode(1);
        const QRect boxInModeOne = ui<QLineEdit>(bar, "txtContact")->geometry();
        click(bar, "cmdOptions");
        frmOptions* d = frmOptions::instance();
        QVERIFY(d);
        bar.close();
        QVERIFY(!lifetime::isLoaded(&bar));

        bar.Form_Load();
        QVERIFY(lifetime::isLoaded(&bar));
        QVERIFY(!bar.isLoading());
        QCOMPARE(ui<QComboBox>(bar, "cmbContacts")->count(), 1);
        QCOMPARE(bar.modeState().windowMode, 1); // the saved mode, with the controls where mode 1 has them
        QCOMPARE(ui<QLineEdit>(bar, "txtContact")->geometry(), boxInModeOne);
        d->cmdOK->click();
        QVERIFY(lifetime::isLoaded(&bar));
        bar.close();
    }

    void failedSaveKeepsTheDialogOpen()
    {
        FailingStore failing;
        modSettings settings(failing);
        frmOptions* d = open(settings);
        add(d, "Golf");
        d->cmdOK->click();
        QCOMPARE(frmOptions::instance(), d);
        QCOMPARE(listed(d).size(), 5); // nothing lost
        d->close();
    }

    // The settings file is read when the dialog opens and on Cancel, as it is at that moment: edits
    // made to it while the bar runs are shown, and the next save keeps them.
    void readsTheFileAsItIsNow_data()
    {
        QTest::addColumn<bool>("cancel"); // the second reading: Cancel, else a new opening
        QTest::newRow("opening again") << false;
        QTest::newRow("cancel") << true;
    }
    void readsTheFileAsItIsNow()
    {
        QFETCH(bool, cancel);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        QSettingsStore store(file);
        modSettings settings(store);
        settings.loadSettings();
        settings.saveSettings(); // the default list, written by the program
        frmOptions* d = open(settings);
        QCOMPARE(listed(d), QStringList({QStringLiteral("All Contacts"), QStringLiteral("Business"),
                                         QStringLiteral("Family"), QStringLiteral("Friends")}));
        if (!cancel)
            d->close();

        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Settings]\ncheckEmailAddresses=True\nNumberOfCategories=2\n"
                "[Categories]\n1=All Contacts\n2=Written by hand\n");
        f.close();

        if (cancel) {
            d->cmdCancel->click();
            QCOMPARE(settings.Categories.mid(1),
                     QStringList({QStringLiteral("All Contacts"), QStringLiteral("Written by hand")}));
            QCOMPARE(settings.checkEmailAddresses, true);
            return;
        }
        d = open(settings);
        QCOMPARE(listed(d), QStringList({QStringLiteral("All Contacts"), QStringLiteral("Written by hand")}));
        QVERIFY(d->chkCheckEmailAddresses->isChecked());
        add(d, "Golf");
        d->cmdOK->click();
        QSettingsStore reader(file);
        QCOMPARE(reader.GetSetting(QStringLiteral("Quintel"), QStringLiteral("Categories"), QStringLiteral("2"), {}),
                 QStringLiteral("Written by hand"));
        QCOMPARE(reader.GetSetting(QStringLiteral("Quintel"), QStringLiteral("Categories"), QStringLiteral("3"), {}),
                 QStringLiteral("Golf"));
    }

private:
    frmOptions* open() { return open(*m_settings); }
    frmOptions* open(modSettings& settings)
    {
        frmOptions* d = frmOptions::showDialog(settings);
        if (!QTest::qWaitForWindowActive(d))
            qWarning("the dialog did not become active");
        return d;
    }
    fake::MemorySettingsStore m_store;
    std::unique_ptr<modSettings> m_settings;
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
