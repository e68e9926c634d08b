// The set-up window: it shows what is stored, saves what the user entered, refuses what cannot
// work without losing it, and on the first start offers the local address book in one click.

#include "contacts/contactuse.h"
#include "desktop/messagebox.h"
#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/autostart.h"
#include "setup/setupwindow.h"
#include "setupfixture.h"

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

using namespace setuptest;
using setup::SetupWindow;

class TestSetupWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_home = std::make_unique<Home>();
        m_store = fake::MemorySettingsStore();
        m_keyring = FakeKeyring();
        MessageBox::setTestMode(true);
        MessageBox::shownInTest().clear();
    }

    void cleanup() { MessageBox::setTestMode(false); }

    void showsWhatIsStored()
    {
        m_store.values = {{u"ContactClient/Backend"_s, u"carddav"_s},
                          {u"ContactClient/CardDavUrl"_s, u"https://dav.example.org/"_s},
                          {u"ContactClient/MailTransport"_s, u"smtp"_s},
                          {u"ContactClient/SmtpHost"_s, u"mail.example.org"_s},
                          {u"ContactClient/SmtpPort"_s, u"2525"_s},
                          {u"ContactClient/SmtpSecurity"_s, u"tls"_s}};
        SetupWindow w(m_store, m_keyring);
        QVERIFY(ui<QRadioButton>(w, "optCardDav")->isChecked());
        QCOMPARE(ui<QLineEdit>(w, "txtCardDavUrl")->text(), u"https://dav.example.org/"_s);
        QVERIFY(ui<QLineEdit>(w, "txtCardDavUrl")->isEnabled());
        QVERIFY(!ui<QLineEdit>(w, "txtFolder")->isEnabled());
        QVERIFY(ui<QRadioButton>(w, "optSmtp")->isChecked());
        QCOMPARE(ui<QSpinBox>(w, "txtSmtpPort")->value(), 2525);
        QCOMPARE(ui<QComboBox>(w, "cmbSmtpSecurity")->currentData().toString(), u"tls"_s);
        QVERIFY(!ui<QRadioButton>(w, "optMailFolder")->isVisibleTo(ui<QWidget>(w, "tabMail")));
        QVERIFY(!ui<QCheckBox>(w, "chkAutostart")->isChecked());
        QVERIFY(ui<QPushButton>(w, "cmdSave")->isDefault());
        QVERIFY(!ui<QPushButton>(w, "cmdUseLocal"));
    }

    void savesTheEnteredAccount()
    {
        SetupWindow w(m_store, m_keyring);
        w.show();
        QSignalSpy accepted(&w, &QDialog::accepted);
        click(w, "optSmtp");
        QVERIFY(ui<QLineEdit>(w, "txtSmtpHost")->isEnabled());
        QTest::keyClicks(ui<QLineEdit>(w, "txtSmtpHost"), u"smtp.example.org"_s);
        ui<QComboBox>(w, "cmbSmtpSecurity")
            ->setCurrentIndex(ui<QComboBox>(w, "cmbSmtpSecurity")->findData(u"starttls"_s));
        QTest::keyClicks(ui<QLineEdit>(w, "txtSmtpUser"), u"ann"_s);
        QTest::keyClicks(ui<QLineEdit>(w, "txtSmtpPassword"), u"pa55"_s);
        QTest::keyClicks(ui<QLineEdit>(w, "txtMailFrom"), u"ann@example.org"_s);
        ui<QCheckBox>(w, "chkAutostart")->setChecked(true);
        click(w, "cmdSave");

        QCOMPARE(accepted.count(), 1);
        QVERIFY(MessageBox::shownInTest().isEmpty());
        QCOMPARE(m_store.values.value(u"ContactClient/MailTransport"_s), u"smtp"_s);
        QCOMPARE(m_store.values.value(u"ContactClient/SmtpHost"_s), u"smtp.example.org"_s);
        QCOMPARE(m_store.values.value(u"ContactClient/SmtpPort"_s), u"587"_s);
        QCOMPARE(m_store.values.value(u"ContactClient/SmtpSecurity"_s), u"starttls"_s);
        QCOMPARE(m_keyring.entries.value(setup::smtpPasswordKey(u"ann"_s, u"smtp.example.org"_s)), u"pa55"_s);
        QVERIFY(!m_store.values.contains(u"ContactClient/SmtpPassword"_s));
        QVERIFY(autostart::isEnabled());
    }

    void refusedInputStaysInTheWindow()
    {
        SetupWindow w(m_store, m_keyring);
        w.show();
        QSignalSpy accepted(&w, &QDialog::accepted);
        click(w, "optCardDav");
        setText(w, "txtCardDavUrl", u"http://dav.example.org/"_s);
        setText(w, "txtCardDavPassword", u"secret"_s);
        click(w, "cmdSave");
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(MessageBox::shownInTest().size(), 1);
        QCOMPARE(MessageBox::shownInTest().first().title, u"Quintel Setup"_s);
        QVERIFY(MessageBox::shownInTest().first().text.contains(u"https://"_s));
        QVERIFY(m_store.writes.isEmpty());
        QVERIFY(m_keyring.entries.isEmpty());
        QCOMPARE(ui<QLineEdit>(w, "txtCardDavPassword")->text(), u"secret"_s);
    }

    void firstRunUsesALocalAddressBookInOneClick()
    {
        SetupWindow w(m_store, m_keyring, SetupWindow::Mode::FirstRun);
        w.show();
        QVERIFY(ui<QPushButton>(w, "cmdUseLocal"));
        QVERIFY(ui<QPushButton>(w, "cmdUseLocal")->isDefault());
        QSignalSpy accepted(&w, &QDialog::accepted);
        click(w, "cmdUseLocal");
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(m_store.writes, QStringList{u"ContactClient/Backend=vcard"_s});
        QVERIFY(QFileInfo(m_home->filePath(u"data/contacts"_s)).isDir());
        QVERIFY(!autostart::isEnabled());
    }

    void controlsHaveNamesForAssistiveTechnology()
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
            QVERIFY2(!keys.contains(key), qPrintable(keys.value(key) + u" and "_s + text));
            keys.insert(key, text);
        }
        QVERIFY(keys.size() >= 15);
    }

    void matchesSwitchAndClearingUse_data()
    {
        QTest::addColumn<QString>("stored"); // Settings/ShowMatches before; empty: none
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("turnOff");
        QTest::addColumn<QString>("saved"); // empty: not written
        QTest::newRow("on by default, kept on: nothing written") << QString() << true << false << QString();
        QTest::newRow("turned off") << QString() << true << true << u"False"_s;
        QTest::newRow("off as stored") << u"False"_s << false << false << u"False"_s;
    }
    void matchesSwitchAndClearingUse()
    {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        QFETCH(bool, turnOff);
        QFETCH(QString, saved);
        qputenv("XDG_STATE_HOME", m_home->filePath(u"state"_s).toUtf8());
        ContactUse(ContactUse::standardFile()).record(u"ann.vcf"_s, 1'700'000'000);
        QVERIFY(QFile::exists(ContactUse::standardFile()));
        if (!stored.isEmpty())
            m_store.values.insert(u"Settings/ShowMatches"_s, stored);

        SetupWindow w(m_store, m_keyring, SetupWindow::Mode::FirstRun);
        QCOMPARE(ui<QCheckBox>(w, "chkShowMatches")->isChecked(), shown);
        QVERIFY(ui<QPushButton>(w, "cmdClearUse")->isEnabled());
        click(w, "cmdClearUse");
        QVERIFY(!QFile::exists(ContactUse::standardFile()));
        QVERIFY(!ui<QPushButton>(w, "cmdClearUse")->isEnabled());
        if (turnOff)
            ui<QCheckBox>(w, "chkShowMatches")->setChecked(false);
        click(w, "cmdUseLocal");
        QCOMPARE(m_store.values.value(u"Settings/ShowMatches"_s), saved);
        qunsetenv("XDG_STATE_HOME");
    }

    void mailProgramHintOnlyWhenChosen_data()
    {
        QTest::addColumn<QString>("stored");  // the transport in the settings
        QTest::addColumn<QString>("clicked"); // the transport then chosen in the window; empty: none
        QTest::addColumn<bool>("shown");
        QTest::newRow("SMTP") << u"smtp"_s << QString() << false;
        QTest::newRow("sendmail") << u"sendmail"_s << QString() << false;
        QTest::newRow("mail program") << u"client"_s << QString() << true;
        QTest::newRow("mail program, then SMTP chosen") << u"client"_s << u"optSmtp"_s << false;
        QTest::newRow("SMTP, then mail program chosen") << u"smtp"_s << u"optMailClient"_s << true;
    }
    void mailProgramHintOnlyWhenChosen()
    {
        QFETCH(QString, stored);
        QFETCH(QString, clicked);
        QFETCH(bool, shown);
        m_store.values = {{u"ContactClient/MailTransport"_s, stored}};
        SetupWindow w(m_store, m_keyring);
        if (!clicked.isEmpty())
            w.findChild<QRadioButton*>(clicked)->click();
        // Shown on its page, the Mail page, while that choice is made.
        QCOMPARE(ui<QLabel>(w, "lblMailClientHint")->isVisibleTo(ui<QWidget>(w, "tabMail")), shown);
    }

    // The window is three pages a user can find things on: where the contacts come from, how mail is
    // sent, and the bar itself.
    void controlsOnTheirPages_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("choice"); // the choice that shows the control; empty: always shown
        const QString book = u"tabAddressBook"_s;
        const QString mail = u"tabMail"_s;
        const QString bar = u"tabBar"_s;
        for (const char* name : {"optVCardFolder", "txtFolder", "cmdChooseFolder", "cmdImportVcf", "optCardDav",
                                 "optEds", "optLdap", "lblAddressBookResult"})
            QTest::newRow(name) << QString::fromLatin1(name) << book << u"Address book"_s << QString();
        for (const char* name : {"txtCardDavUrl", "txtCardDavPassword", "cmdTestConnection"})
            QTest::newRow(name) << QString::fromLatin1(name) << book << u"Address book"_s << u"optCardDav"_s;
        for (const char* name : {"txtLdapUrl", "txtLdapPassword"})
            QTest::newRow(name) << QString::fromLatin1(name) << book << u"Address book"_s << u"optLdap"_s;
        QTest::newRow("lstEdsBooks") << u"lstEdsBooks"_s << book << u"Address book"_s << u"optEds"_s;
        for (const char* name :
             {"optSendmail", "optSmtp", "optMailClient", "txtSmtpHost", "cmbSmtpSecurity", "txtMailFrom", "cmdSendTest",
              "chkSaveSentCopy", "txtImapHost", "cmdTestImap", "lblOutbox"})
            QTest::newRow(name) << QString::fromLatin1(name) << mail << u"Mail"_s << QString();
        QTest::newRow("lblMailClientHint") << u"lblMailClientHint"_s << mail << u"Mail"_s << u"optMailClient"_s;
        for (const char* name : {"chkAutostart", "chkShowMatches", "cmdClearUse", "txtSummonKey"})
            QTest::newRow(name) << QString::fromLatin1(name) << bar << u"The bar"_s << QString();
    }
    void controlsOnTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, page);
        QFETCH(QString, title);
        QFETCH(QString, choice);
        SetupWindow w(m_store, m_keyring);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* pages = ui<QTabWidget>(w, "tabSetup");
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
        QVERIFY(ui<QPushButton>(w, "cmdSave")->isVisible());
        QVERIFY(ui<QPushButton>(w, "cmdCancel")->isVisible());
    }

    void fitsASmallScreen_data()
    {
        QTest::addColumn<bool>("firstRun");
        QTest::addColumn<int>("books"); // address books found on the computer
        QTest::newRow("from the menu") << false << 0;
        QTest::newRow("first start") << true << 0;
        QTest::newRow("first start, many books found") << true << 12;
    }
    // Every page fits a 1024×768 screen (less its panels and the title bar) whole: no scrolling.
    void fitsASmallScreen()
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
        auto* pages = ui<QTabWidget>(w, "tabSetup");
        // The tallest choices: the company directory's four fields, SMTP with the IMAP copy.
        click(w, "optLdap");
        click(w, "optSmtp");
        click(w, "chkSaveSentCopy");
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
    void pagesByKeyboard()
    {
        SetupWindow w(m_store, m_keyring);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* pages = ui<QTabWidget>(w, "tabSetup");
        ui<QRadioButton>(w, "optVCardFolder")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentWidget()->objectName(), u"tabMail"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentWidget()->objectName(), u"tabBar"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages->currentWidget()->objectName(), u"tabMail"_s);

        // From the page's tab, Tab goes through the page in the form's order, then to the buttons.
        click(w, "optSmtp");
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

private:
    std::unique_ptr<Home> m_home;
    fake::MemorySettingsStore m_store;
    FakeKeyring m_keyring;
};

QTEST_MAIN(TestSetupWindow)
#include "test_setupwindow.moc"
