// The set-up window: it shows what is stored, saves what the user entered, refuses what cannot
// work without losing it, and on the first start offers the local address book in one click.

#include "contacts/contactuse.h"
#include "desktop/messagebox.h"
#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/autostart.h"
#include "setup/setupwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

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
    QVERIFY(w.optCardDav->isChecked());
    QCOMPARE(w.txtCardDavUrl->text(), QStringLiteral("https://dav.example.org/"));
    QVERIFY(w.txtCardDavUrl->isEnabled());
    QVERIFY(!w.txtFolder->isEnabled());
    QVERIFY(w.optSmtp->isChecked());
    QCOMPARE(w.txtSmtpPort->value(), 2525);
    QCOMPARE(w.cmbSmtpSecurity->currentData().toString(), QStringLiteral("tls"));
    QVERIFY(!w.optMailFolder->isVisibleTo(&w));
    QVERIFY(!w.chkAutostart->isChecked());
    QVERIFY(w.cmdSave->isDefault());
    QVERIFY(!w.cmdUseLocal);
}

void TestSetupWindow::savesTheEnteredAccount()
{
    SetupWindow w(m_store, m_keyring);
    w.show();
    QSignalSpy accepted(&w, &QDialog::accepted);
    w.optSmtp->click();
    QVERIFY(w.txtSmtpHost->isEnabled());
    QTest::keyClicks(w.txtSmtpHost, QStringLiteral("smtp.example.org"));
    w.cmbSmtpSecurity->setCurrentIndex(w.cmbSmtpSecurity->findData(QStringLiteral("starttls")));
    QTest::keyClicks(w.txtSmtpUser, QStringLiteral("ann"));
    QTest::keyClicks(w.txtSmtpPassword, QStringLiteral("pa55"));
    QTest::keyClicks(w.txtMailFrom, QStringLiteral("ann@example.org"));
    w.chkAutostart->setChecked(true);
    w.cmdSave->click();

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
    w.optCardDav->click();
    w.txtCardDavUrl->setText(QStringLiteral("http://dav.example.org/"));
    w.txtCardDavPassword->setText(QStringLiteral("secret"));
    w.cmdSave->click();
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(MessageBox::shownInTest().size(), 1);
    QCOMPARE(MessageBox::shownInTest().first().title, QStringLiteral("Quintel Setup"));
    QVERIFY(MessageBox::shownInTest().first().text.contains(QStringLiteral("https://")));
    QVERIFY(m_store.writes.isEmpty());
    QVERIFY(m_keyring.entries.isEmpty());
    QCOMPARE(w.txtCardDavPassword->text(), QStringLiteral("secret"));
}

void TestSetupWindow::firstRunUsesALocalAddressBookInOneClick()
{
    SetupWindow w(m_store, m_keyring, SetupWindow::Mode::FirstRun);
    w.show();
    QVERIFY(w.cmdUseLocal);
    QVERIFY(w.cmdUseLocal->isDefault());
    QSignalSpy accepted(&w, &QDialog::accepted);
    w.cmdUseLocal->click();
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
    QCOMPARE(w.chkShowMatches->isChecked(), shown);
    QVERIFY(w.cmdClearUse->isEnabled());
    w.cmdClearUse->click();
    QVERIFY(!QFile::exists(ContactUse::standardFile()));
    QVERIFY(!w.cmdClearUse->isEnabled());
    if (turnOff)
        w.chkShowMatches->setChecked(false);
    w.cmdUseLocal->click();
    QCOMPARE(m_store.values.value(QStringLiteral("Settings/ShowMatches")), saved);
    qunsetenv("XDG_STATE_HOME");
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

QTEST_MAIN(TestSetupWindow)
#include "tst_setupwindow.moc"
