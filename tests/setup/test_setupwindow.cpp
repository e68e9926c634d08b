// The set-up window: it shows what is stored, saves what the user entered, refuses what cannot
// work without losing it, and on the first start offers the local address book in one click.

#include "contacts/contactuse.h"
#include "desktop/messagebox.h"
#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/autostart.h"
#include "setup/setupwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using setup::SetupWindow;

namespace {

} // namespace

class TestSetupWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsWhatIsStored();
    void savesTheEnteredAccount();
    void refusedInputStaysInTheWindow();
    void firstRunUsesALocalAddressBookInOneClick();
    void controlsHaveNamesForAssistiveTechnology();
    void matchesSwitchAndClearingUse_data();
    void matchesSwitchAndClearingUse();
    void mailProgramHintOnlyWhenChosen_data();
    void mailProgramHintOnlyWhenChosen();
    void controlsOnTheirPages_data();
    void controlsOnTheirPages();
    void fitsASmallScreen_data();
    void fitsASmallScreen();
    void pagesByKeyboard();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    fake::MemorySettingsStore m_store;
    FakeKeyring m_keyring;
};

void TestSetupWindow::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home->filePath(QStringLiteral("config")).toUtf8());
    m_store = fake::MemorySettingsStore();
    m_keyring = FakeKeyring();
    MessageBox::setTestMode(true);
    MessageBox::shownInTest().clear();
}

void TestSetupWindow::cleanup()
{
    MessageBox::setTestMode(false);
}

void TestSetupWindow::showsWhatIsStored()
{
    m_store.values = {{QStringLiteral("ContactClient/Backend"), QStringLiteral("carddav")},
                      {QStringLiteral("ContactClient/CardDavUrl"), QStringLiteral("https://dav.example.org/")},
                      {QStringLiteral("ContactClient/MailTransport"), QStringLiteral("smtp")},
                      {QStringLiteral("ContactClient/SmtpHost"), QStringLiteral("mail.example.org")},
                      {QStringLiteral("ContactClient/SmtpPort"), QStringLiteral("2525")},
                      {QStringLiteral("ContactClient/SmtpSecurity"), QStringLiteral("tls")}};
    SetupWindow w(m_store, m_keyring);
    QVERIFY(w.findChild<QRadioButton*>(QStringLiteral("optCardDav"))->isChecked());
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("txtCardDavUrl"))->text(),
             QStringLiteral("https://dav.example.org/"));
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("txtCardDavUrl"))->isEnabled());
    QVERIFY(!w.findChild<QLineEdit*>(QStringLiteral("txtFolder"))->isEnabled());
    QVERIFY(w.findChild<QRadioButton*>(QStringLiteral("optSmtp"))->isChecked());
    QCOMPARE(w.findChild<QSpinBox*>(QStringLiteral("txtSmtpPort"))->value(), 2525);
    QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cmbSmtpSecurity"))->currentData().toString(),
             QStringLiteral("tls"));
    QVERIFY(
        !w.findChild<QRadioButton*>(QStringLiteral("optMailFolder"))->isVisibleTo(w.findChild<QWidget*>(u"tabMail"_s)));
    QVERIFY(!w.findChild<QCheckBox*>(QStringLiteral("chkAutostart"))->isChecked());
    QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdSave"))->isDefault());
    QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdUseLocal")));
}

void TestSetupWindow::savesTheEnteredAccount()
{
    SetupWindow w(m_store, m_keyring);
    w.show();
    QSignalSpy accepted(&w, &QDialog::accepted);
    w.findChild<QRadioButton*>(QStringLiteral("optSmtp"))->click();
    QVERIFY(w.findChild<QLineEdit*>(QStringLiteral("txtSmtpHost"))->isEnabled());
    QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("txtSmtpHost")), QStringLiteral("smtp.example.org"));
    w.findChild<QComboBox*>(QStringLiteral("cmbSmtpSecurity"))
        ->setCurrentIndex(
            w.findChild<QComboBox*>(QStringLiteral("cmbSmtpSecurity"))->findData(QStringLiteral("starttls")));
    QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("txtSmtpUser")), QStringLiteral("ann"));
    QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("txtSmtpPassword")), QStringLiteral("pa55"));
    QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("txtMailFrom")), QStringLiteral("ann@example.org"));
    w.findChild<QCheckBox*>(QStringLiteral("chkAutostart"))->setChecked(true);
    w.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();

    QCOMPARE(accepted.count(), 1);
    QVERIFY(MessageBox::shownInTest().isEmpty());
    QCOMPARE(m_store.values.value(QStringLiteral("ContactClient/MailTransport")), QStringLiteral("smtp"));
    QCOMPARE(m_store.values.value(QStringLiteral("ContactClient/SmtpHost")), QStringLiteral("smtp.example.org"));
    QCOMPARE(m_store.values.value(QStringLiteral("ContactClient/SmtpPort")), QStringLiteral("587"));
    QCOMPARE(m_store.values.value(QStringLiteral("ContactClient/SmtpSecurity")), QStringLiteral("starttls"));
    QCOMPARE(m_keyring.entries.value(setup::smtpPasswordKey(QStringLiteral("ann"), QStringLiteral("smtp.example.org"))),
             QStringLiteral("pa55"));
    QVERIFY(!m_store.values.contains(QStringLiteral("ContactClient/SmtpPassword")));
    QVERIFY(autostart::isEnabled());
}

void TestSetupWindow::refusedInputStaysInTheWindow()
{
    SetupWindow w(m_store, m_keyring);
    w.show();
    QSignalSpy accepted(&w, &QDialog::accepted);
    w.findChild<QRadioButton*>(QStringLiteral("optCardDav"))->click();
    w.findChild<QLineEdit*>(QStringLiteral("txtCardDavUrl"))->setText(QStringLiteral("http://dav.example.org/"));
    w.findChild<QLineEdit*>(QStringLiteral("txtCardDavPassword"))->setText(QStringLiteral("secret"));
    w.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(MessageBox::shownInTest().size(), 1);
    QCOMPARE(MessageBox::shownInTest().first().title, QStringLiteral("Quintel Setup"));
    QVERIFY(MessageBox::shownInTest().first().text.contains(QStringLiteral("https://")));
    QVERIFY(m_store.writes.isEmpty());
    QVERIFY(m_keyring.entries.isEmpty());
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("txtCardDavPassword"))->text(), QStringLiteral("secret"));
}

void TestSetupWindow::firstRunUsesALocalAddressBookInOneClick()
{
    SetupWindow w(m_store, m_keyring, SetupWindow::Mode::FirstRun);
    w.show();
    QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdUseLocal")));
    QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdUseLocal"))->isDefault());
    QSignalSpy accepted(&w, &QDialog::accepted);
    w.findChild<QPushButton*>(QStringLiteral("cmdUseLocal"))->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(m_store.writes, QStringList{QStringLiteral("ContactClient/Backend=vcard")});
    QVERIFY(QFileInfo(m_home->filePath(QStringLiteral("data/contacts"))).isDir());
    QVERIFY(!autostart::isEnabled());
}

void TestSetupWindow::matchesSwitchAndClearingUse_data()
{
    QTest::addColumn<QString>("stored"); // Settings/ShowMatches before; empty: none
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("turnOff");
    QTest::addColumn<QString>("saved"); // empty: not written
    QTest::newRow("on by default, kept on: nothing written") << QString() << true << false << QString();
    QTest::newRow("turned off") << QString() << true << true << QStringLiteral("False");
    QTest::newRow("off as stored") << QStringLiteral("False") << false << false << QStringLiteral("False");
}

void TestSetupWindow::matchesSwitchAndClearingUse()
{
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    QFETCH(bool, turnOff);
    QFETCH(QString, saved);
    qputenv("XDG_STATE_HOME", m_home->filePath(QStringLiteral("state")).toUtf8());
    ContactUse(ContactUse::standardFile()).record(QStringLiteral("ann.vcf"), 1'700'000'000);
    QVERIFY(QFile::exists(ContactUse::standardFile()));
    if (!stored.isEmpty())
        m_store.values.insert(QStringLiteral("Settings/ShowMatches"), stored);

    SetupWindow w(m_store, m_keyring, SetupWindow::Mode::FirstRun);
    QCOMPARE(w.findChild<QCheckBox*>(QStringLiteral("chkShowMatches"))->isChecked(), shown);
    QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdClearUse"))->isEnabled());
    w.findChild<QPushButton*>(QStringLiteral("cmdClearUse"))->click();
    QVERIFY(!QFile::exists(ContactUse::standardFile()));
    QVERIFY(!w.findChild<QPushButton*>(QStringLiteral("cmdClearUse"))->isEnabled());
    if (turnOff)
        w.findChild<QCheckBox*>(QStringLiteral("chkShowMatches"))->setChecked(false);
    w.findChild<QPushButton*>(QStringLiteral("cmdUseLocal"))->click();
    QCOMPARE(m_store.values.value(QStringLiteral("Settings/ShowMatches")), saved);
    qunsetenv("XDG_STATE_HOME");
}

void TestSetupWindow::mailProgramHintOnlyWhenChosen_data()
{
    QTest::addColumn<QString>("stored");  // the transport in the settings
    QTest::addColumn<QString>("clicked"); // the transport then chosen in the window; empty: none
    QTest::addColumn<bool>("shown");
    QTest::newRow("SMTP") << QStringLiteral("smtp") << QString() << false;
    QTest::newRow("sendmail") << QStringLiteral("sendmail") << QString() << false;
    QTest::newRow("mail program") << QStringLiteral("client") << QString() << true;
    QTest::newRow("mail program, then SMTP chosen") << QStringLiteral("client") << QStringLiteral("optSmtp") << false;
    QTest::newRow("SMTP, then mail program chosen")
        << QStringLiteral("smtp") << QStringLiteral("optMailClient") << true;
}

void TestSetupWindow::mailProgramHintOnlyWhenChosen()
{
    QFETCH(QString, stored);
    QFETCH(QString, clicked);
    QFETCH(bool, shown);
    m_store.values = {{QStringLiteral("ContactClient/MailTransport"), stored}};
    SetupWindow w(m_store, m_keyring);
    if (!clicked.isEmpty())
        w.findChild<QRadioButton*>(clicked)->click();
    // Shown on its page, the Mail page, while that choice is made.
    QCOMPARE(
        w.findChild<QLabel*>(QStringLiteral("lblMailClientHint"))->isVisibleTo(w.findChild<QWidget*>(u"tabMail"_s)),
        shown);
}

void TestSetupWindow::controlsHaveNamesForAssistiveTechnology()
{
    SetupWindow w(m_store, m_keyring, SetupWindow::Mode::FirstRun);
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control) &&
            !qobject_cast<QComboBox*>(control) && !qobject_cast<QSpinBox*>(control))
            continue;
        if (control->parent() && qobject_cast<QSpinBox*>(control->parentWidget()))
            continue; // the spin box's own line edit
        QVERIFY2(!control->objectName().isEmpty(), control->metaObject()->className());
        const auto* button = qobject_cast<QAbstractButton*>(control);
        QVERIFY2((button && !button->text().isEmpty()) || !control->accessibleName().isEmpty(),
                 qPrintable(control->objectName()));
    }

    // Every Alt+letter reaches one control only.
    QStringList texts;
    for (const QAbstractButton* button : w.findChildren<QAbstractButton*>())
        texts.append(button->text());
    for (const QLabel* label : w.findChildren<QLabel*>())
        if (label->buddy())
            texts.append(label->text());
    QMap<QChar, QString> keys;
    for (const QString& text : std::as_const(texts)) {
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size())
            continue;
        const QChar key = text.at(amp + 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(keys.value(key) + QStringLiteral(" and ") + text));
        keys.insert(key, text);
    }
    QVERIFY(keys.size() >= 15);
}

// The window is three pages a user can find things on: where the contacts come from, how mail is
// sent, and the bar itself.
void TestSetupWindow::controlsOnTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("choice"); // the choice that shows the control; empty: always shown
    const QString book = u"tabAddressBook"_s;
    const QString mail = u"tabMail"_s;
    const QString bar = u"tabBar"_s;
    for (const char* name : {"optVCardFolder", "txtFolder", "cmdChooseFolder", "cmdImportVcf", "optCardDav", "optEds",
                             "optLdap", "lblAddressBookResult"})
        QTest::newRow(name) << QString::fromLatin1(name) << book << u"Address book"_s << QString();
    for (const char* name : {"txtCardDavUrl", "txtCardDavPassword", "cmdTestConnection"})
        QTest::newRow(name) << QString::fromLatin1(name) << book << u"Address book"_s << u"optCardDav"_s;
    for (const char* name : {"txtLdapUrl", "txtLdapPassword"})
        QTest::newRow(name) << QString::fromLatin1(name) << book << u"Address book"_s << u"optLdap"_s;
    QTest::newRow("lstEdsBooks") << u"lstEdsBooks"_s << book << u"Address book"_s << u"optEds"_s;
    for (const char* name : {"optSendmail", "optSmtp", "optMailClient", "txtSmtpHost", "cmbSmtpSecurity", "txtMailFrom",
                             "cmdSendTest", "chkSaveSentCopy", "txtImapHost", "cmdTestImap", "lblOutbox"})
        QTest::newRow(name) << QString::fromLatin1(name) << mail << u"Mail"_s << QString();
    QTest::newRow("lblMailClientHint") << u"lblMailClientHint"_s << mail << u"Mail"_s << u"optMailClient"_s;
    for (const char* name : {"chkAutostart", "chkShowMatches", "cmdClearUse", "txtSummonKey"})
        QTest::newRow(name) << QString::fromLatin1(name) << bar << u"The bar"_s << QString();
}

void TestSetupWindow::controlsOnTheirPages()
{
    QFETCH(QString, control);
    QFETCH(QString, page);
    QFETCH(QString, title);
    QFETCH(QString, choice);
    SetupWindow w(m_store, m_keyring);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* pages = w.findChild<QTabWidget*>(u"tabSetup"_s);
    QVERIFY(pages);
    QCOMPARE(pages->currentIndex(), 0); // it opens on the address book
    QWidget* widget = w.findChild<QWidget*>(control);
    QVERIFY(widget);
    auto* onPage = w.findChild<QWidget*>(page);
    QVERIFY(onPage->isAncestorOf(widget));
    const int index = pages->indexOf(onPage);
    QCOMPARE(pages->tabText(index), title);
    pages->setCurrentIndex(index);
    if (!choice.isEmpty()) {
        // Shown with its choice only.
        QVERIFY(!widget->isVisible());
        w.findChild<QAbstractButton*>(choice)->click();
    }
    QTRY_VERIFY(widget->isVisible());
    // The buttons stay under every page.
    QVERIFY(w.findChild<QPushButton*>(u"cmdSave"_s)->isVisible());
    QVERIFY(w.findChild<QPushButton*>(u"cmdCancel"_s)->isVisible());
}

void TestSetupWindow::fitsASmallScreen_data()
{
    QTest::addColumn<bool>("firstRun");
    QTest::addColumn<int>("books"); // address books found on the computer
    QTest::newRow("from the menu") << false << 0;
    QTest::newRow("first start") << true << 0;
    QTest::newRow("first start, many books found") << true << 12;
}

// Every page fits a 1024×768 screen (less its panels and the title bar) whole: no scrolling.
void TestSetupWindow::fitsASmallScreen()
{
    QFETCH(bool, firstRun);
    QFETCH(int, books);
    SetupWindow w(m_store, m_keyring, firstRun ? SetupWindow::Mode::FirstRun : SetupWindow::Mode::Normal);
    QList<setup::FoundBook> found;
    for (int i = 0; i < books; ++i)
        found.append({u"vdirsyncer"_s, u"/home/ann/.contacts/book%1"_s.arg(i), u"~/.contacts/book%1"_s.arg(i), 40});
    w.setFoundBooks(found);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.findChildren<QScrollArea*>().isEmpty());
    const QSize screen(1024, 768 - 32 - 40); // a panel and a title bar
    auto* pages = w.findChild<QTabWidget*>(u"tabSetup"_s);
    // The tallest choices: the company directory's four fields, SMTP with the IMAP copy.
    w.findChild<QAbstractButton*>(u"optLdap"_s)->click();
    w.findChild<QAbstractButton*>(u"optSmtp"_s)->click();
    w.findChild<QAbstractButton*>(u"chkSaveSentCopy"_s)->click();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const QSize needed = w.minimumSizeHint();
        QVERIFY2(needed.width() <= screen.width() && needed.height() <= screen.height(),
                 qPrintable(u"%1: %2×%3"_s.arg(pages->tabText(page)).arg(needed.width()).arg(needed.height())));
    }
}

// Ctrl+Tab and Ctrl+Shift+Tab go from page to page; Tab goes through the page shown, in the
// form's order, then on to the buttons.
void TestSetupWindow::pagesByKeyboard()
{
    SetupWindow w(m_store, m_keyring);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* pages = w.findChild<QTabWidget*>(u"tabSetup"_s);
    w.findChild<QRadioButton*>(u"optVCardFolder"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages->currentWidget()->objectName(), u"tabMail"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages->currentWidget()->objectName(), u"tabBar"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pages->currentWidget()->objectName(), u"tabMail"_s);

    // From the page's tab, Tab goes through the page in the form's order, then to the buttons.
    w.findChild<QRadioButton*>(u"optSmtp"_s)->click();
    pages->tabBar()->setFocus();
    QStringList reached;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget()->objectName());
    }
    // The choices are one stop (the arrow keys move among them).
    QCOMPARE(reached, (QStringList{u"optSendmail"_s, u"txtSmtpHost"_s, u"txtSmtpPort"_s, u"cmbSmtpSecurity"_s,
                                   u"txtSmtpUser"_s, u"txtSmtpPassword"_s, u"txtMailFrom"_s, u"txtMailFromName"_s,
                                   u"cmdSendTest"_s, u"chkSaveSentCopy"_s, u"cmdSave"_s, u"cmdCancel"_s}));
}

QTEST_MAIN(TestSetupWindow)
#include "test_setupwindow.moc"
