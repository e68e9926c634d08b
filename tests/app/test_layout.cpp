// The bar's designed layout applied: every control's kind, rectangle, text, state, group and focus order.

#include "barfixture.h"
#include "window/layout.h"
#include "window/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

QString textOf(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        return e->toPlainText().trimmed(); // the body's line break, however the widget keeps it
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return {};
}

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // Every control of the designed layout is made as designed: its kind, place, text and state.
    void controls()
    {
        using layout::Kind;
        const QMap<Kind, QString> classes{
            {Kind::TextBox, u"QLineEdit"_s},      {Kind::MultiLineTextBox, u"QPlainTextEdit"_s},
            {Kind::PictureBox, u"QLabel"_s},      {Kind::PictureButton, u"QToolButton"_s},
            {Kind::TextButton, u"QPushButton"_s}, {Kind::Button, u"QPushButton"_s},
            {Kind::ListBox, u"QListView"_s},      {Kind::DropDown, u"QComboBox"_s},
            {Kind::Image, u"QLabel"_s},           {Kind::Label, u"QLabel"_s}};
        BarFixture f;
        frmMain& form = f.create();
        QCOMPARE(layout::controls().size(), 23);
        for (const layout::Control& c : layout::controls()) {
            QWidget* w = form.control(c.name);
            QVERIFY2(w, qPrintable(c.name));
            QCOMPARE(QString::fromLatin1(w->metaObject()->className()), classes.value(c.kind));
            QCOMPARE(twips::geometry(w), c.rect);
            QCOMPARE(w->geometry(), twips::toPixels(c.rect));
            QCOMPARE(textOf(w), c.text.trimmed());
            QCOMPARE(w->isEnabled(), c.enabled);
            QCOMPARE(!w->isHidden(), c.visible);
        }
    }

    void groupsAfterStartUp()
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

    void focusOrder()
    {
        BarFixture f;
        frmMain& form = f.create();
        // Every control with a tab index, in index order; labels are skipped by the focus chain, and
        // so are the status line, which never takes the focus, and the four small window buttons
        // (a Tab and a Space must never close the bar).
        const QStringList expected =
            QString::fromLatin1(
                "cmbContacts cmdViewContact cmdEMailContact cmdQEmailContact cmdDialContact cmbCategories "
                "txtContact lstContacts txtSubject txtBody cmdSendMail cmdClearMail cmdCancelMail "
                "cmdWriteContact")
                .split(QLatin1Char(' '));
        QStringList chain;
        QWidget* w = ui<QComboBox>(form, "cmbContacts");
        for (int i = 0; i < expected.size(); ++i) {
            chain << w->objectName();
            do
                w = w->nextInFocusChain();
            while (w->parentWidget() != &form || w->focusPolicy() == Qt::NoFocus);
        }
        QCOMPARE(chain, expected);
    }

    void window()
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
        QVERIFY(form.children().indexOf(ui<QLineEdit>(form, "txtStatus")) >
                form.children().indexOf(ui<QLineEdit>(form, "txtContact")));
    }

    void pictureButtonsAreNamed()
    {
        BarFixture f;
        frmMain& form = f.create();
        const QList<QPair<QAbstractButton*, QString>> buttons = {
            {ui<QToolButton>(form, "cmdViewContact"), QStringLiteral("View contact")},
            {ui<QToolButton>(form, "cmdEMailContact"), QStringLiteral("E-mail")},
            {ui<QToolButton>(form, "cmdQEmailContact"), QStringLiteral("Quick e-mail")},
            {ui<QToolButton>(form, "cmdDialContact"), QStringLiteral("Dial")},
            {ui<QToolButton>(form, "cmdWriteContact"), QStringLiteral("Write letter")},
            {ui<QToolButton>(form, "cmdOptions"), QStringLiteral("Options")},
            {ui<QToolButton>(form, "cmdState"), QStringLiteral("Change size")},
            {ui<QToolButton>(form, "cmdMin"), QStringLiteral("Hide to tray")},
            {ui<QToolButton>(form, "cmdClose"), QStringLiteral("Close")}};
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

    void visibleControlsLieInsideTheWindow()
    {
        BarFixture f;
        frmMain& form = f.create();
        const QRect window(0, 0, 6525, 2355);
        for (QWidget* w : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect r = twips::geometry(w);
            if (w == ui<QListView>(form, "lstContacts") || w == ui<QLabel>(form, "picHook"))
                QVERIFY2(r.left() >= window.width(), qPrintable(w->objectName()));
            else
                QVERIFY2(window.contains(r), qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
