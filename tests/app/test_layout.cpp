// The bar's designed layout: every control's kind, rectangle, text, state, group and focus order.

#include "barfixture.h"
#include "window/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void control_data();
    void control();
    void groupsAfterStartUp();
    void focusOrder();
    void window();
    void pictureButtonsAreNamed();
    void visibleControlsLieInsideTheWindow();
};

void TestLayout::control_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");

    auto row = [](const char* name, const char* cls, QRect r, const char* text, bool enabled, bool shown) {
        QTest::newRow(name) << QString::fromLatin1(cls) << r << QString::fromUtf8(text) << enabled << shown;
    };
    row("txtStatus", "QLineEdit", {45, 2025, 4425, 285}, "Status bar", true, true);
    row("picHook", "QLabel", {7155, 180, 420, 555}, "", true, true);
    row("cmdOptions", "QToolButton", {6115, 2160, 195, 195}, "", true, true);
    row("cmdMin", "QToolButton", {6115, 0, 195, 195}, "", true, true);
    row("cmdWriteContact", "QToolButton", {5760, 1980, 330, 330}, "", false, true);
    row("cmdCancelMail", "QPushButton", {5670, 1125, 780, 240}, "CANCEL", true, true);
    row("cmdDialContact", "QToolButton", {5445, 1980, 330, 330}, "", false, true);
    row("cmdQEmailContact", "QToolButton", {5130, 1980, 330, 330}, "", false, true);
    row("cmdClose", "QToolButton", {6295, 0, 195, 195}, "", true, true);
    row("cmdClearMail", "QPushButton", {5670, 855, 780, 240}, "CLEAR", true, true);
    row("cmdSendMail", "QPushButton", {5670, 1395, 780, 240}, "SEND", true, true);
    row("txtSubject", "QLineEdit", {45, 45, 5595, 285}, "Subject", true, true);
    row("txtBody", "QPlainTextEdit", {45, 315, 5595, 1320}, "Body\r\n", true, true);
    row("lstContacts", "QListView", {6840, 405, 2760, 840}, "", true, false);
    row("txtContact", "QLineEdit", {45, 2025, 4425, 285}, "", true, true);
    row("cmdState", "QToolButton", {6295, 2160, 195, 195}, "", true, true);
    row("cmbCategories", "QComboBox", {45, 1665, 1740, 315}, "", true, true);
    row("cmdEMailContact", "QToolButton", {4815, 1980, 330, 330}, "", false, true);
    row("cmdViewContact", "QToolButton", {4500, 1980, 330, 330}, "", false, true);
    row("cmbContacts", "QComboBox", {1800, 1665, 2715, 315}, "", false, true);
    row("imgTwo", "QLabel", {4500, 1620, 405, 405}, "", true, true);
    row("imgOne", "QLabel", {4500, 1620, 405, 405}, "", true, false);
    row("lblContactCount", "QLabel", {4905, 1710, 375, 195}, "(....)", true, true);
}

QString textOf(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        return e->toPlainText();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return {};
}

void TestLayout::control()
{
    QFETCH(QString, className);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);

    BarFixture f;
    frmMain& form = f.create();
    QWidget* w = form.control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(w);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
    QCOMPARE(twips::geometry(w), rect);
    QCOMPARE(w->geometry(), twips::toPixels(rect));
    // The multi-line body keeps its line break however the widget stores it.
    if (className == QStringLiteral("QPlainTextEdit"))
        QCOMPARE(textOf(w).trimmed(), text.trimmed());
    else
        QCOMPARE(textOf(w), text);
    QCOMPARE(w->isEnabled(), enabled);
    QCOMPARE(!w->isHidden(), shown);
}

void TestLayout::groupsAfterStartUp()
{
    BarFixture f;
    frmMain& form = f.load();
    QStringList bar, mail;
    for (QWidget* w : form.modes()->barControls())
        bar << w->objectName();
    for (QWidget* w : form.modes()->mailControls())
        mail << w->objectName();
    QCOMPARE(bar, QString::fromLatin1("cmbContacts cmbCategories cmdDialContact cmdViewContact cmdEMailContact "
                                      "cmdQEmailContact cmdWriteContact cmdState cmdOptions lblContactCount "
                                      "imgOne imgTwo txtContact txtStatus")
                      .split(QLatin1Char(' ')));
    QCOMPARE(mail, QString::fromLatin1("txtSubject txtBody cmdSendMail cmdClearMail").split(QLatin1Char(' ')));
}

void TestLayout::focusOrder()
{
    BarFixture f;
    frmMain& form = f.create();
    // Every control with a tab index, in index order; labels are skipped by the focus chain, and
    // so are the status line, which never takes the focus, and the four small window buttons
    // (a Tab and a Space must never close the bar).
    const QStringList expected =
        QString::fromLatin1("cmbContacts cmdViewContact cmdEMailContact cmdQEmailContact cmdDialContact cmbCategories "
                            "txtContact lstContacts txtSubject txtBody cmdSendMail cmdClearMail cmdCancelMail "
                            "cmdWriteContact")
            .split(QLatin1Char(' '));
    QStringList chain;
    QWidget* w = form.findChild<QComboBox*>(QStringLiteral("cmbContacts"));
    for (int i = 0; i < expected.size(); ++i) {
        chain << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w->parentWidget() != &form || w->focusPolicy() == Qt::NoFocus);
    }
    QCOMPARE(chain, expected);
}

void TestLayout::window()
{
    BarFixture f;
    frmMain& form = f.create();
    QCOMPARE(form.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(form.width(), 435);
    QCOMPARE(twips::geometry(&form).size(), QSize(6525, 2355));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 255));
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::Tool));
    QVERIFY(!form.windowIcon().isNull());
    // The status line lies in front of the entry box.
    QVERIFY(form.children().indexOf(form.findChild<QLineEdit*>(QStringLiteral("txtStatus"))) >
            form.children().indexOf(form.findChild<QLineEdit*>(QStringLiteral("txtContact"))));
}

void TestLayout::pictureButtonsAreNamed()
{
    BarFixture f;
    frmMain& form = f.create();
    const QList<QPair<QAbstractButton*, QString>> buttons = {
        {form.findChild<QToolButton*>(QStringLiteral("cmdViewContact")), QStringLiteral("View contact")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdEMailContact")), QStringLiteral("E-mail")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdQEmailContact")), QStringLiteral("Quick e-mail")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdDialContact")), QStringLiteral("Dial")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdWriteContact")), QStringLiteral("Write letter")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdOptions")), QStringLiteral("Options")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdState")), QStringLiteral("Change size")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdMin")), QStringLiteral("Hide to tray")},
        {form.findChild<QToolButton*>(QStringLiteral("cmdClose")), QStringLiteral("Close")}};
    for (const auto& [button, name] : buttons) {
        QVERIFY2(button->toolTip().startsWith(name + QStringLiteral(" (Ctrl+")), qPrintable(button->toolTip()));
        QCOMPARE(button->accessibleName(), name);
        QVERIFY2(!button->icon().isNull(), qPrintable(name));
        // Drawn as vectors: crisp at twice the size.
        const QPixmap pm = button->icon().pixmap(QSize(20, 20), 2.0);
        QCOMPARE(pm.devicePixelRatio(), 2.0);
        QCOMPARE(qMax(pm.width(), pm.height()), 40);
    }
}

void TestLayout::visibleControlsLieInsideTheWindow()
{
    BarFixture f;
    frmMain& form = f.create();
    const QRect window(0, 0, 6525, 2355);
    for (QWidget* w : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect r = twips::geometry(w);
        if (w == form.findChild<QListView*>(QStringLiteral("lstContacts")) ||
            w == form.findChild<QLabel*>(QStringLiteral("picHook")))
            QVERIFY2(r.left() >= window.width(), qPrintable(w->objectName()));
        else
            QVERIFY2(window.contains(r), qPrintable(w->objectName()));
    }
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
