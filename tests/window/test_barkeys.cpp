// The bar worked with real keys and clicks on a real X display: Tab only stops where the user can
// see, and never on the small window buttons (a Space there would end the program); after SEND,
// CANCEL and CLEAR, and after a window the bar opened closes, the keys go to the entry box again;
// and the box, the chosen contact, the lamp and the action buttons always agree.

#include "actions/contactcard.h"
#include "realbar.h"
#include "settings/frmoptions.h"
#include "window/windowmodes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using Props = QMap<QString, QString>;

namespace {

QLineEdit* box(const frmMain& form)
{
    return ui<QLineEdit>(form, "txtContact");
}

void click(const QWidget* w)
{
    xdotool(u"mousemove"_s, w->mapToGlobal(w->rect().center()));
    xdotool(u"click 1"_s);
}

// The box's text, the chosen contact, the lamp and the buttons tell the same story.
QString disagreement(const frmMain& form)
{
    const auto contact = form.session()->currentContact();
    const QString text = box(form)->text();
    const bool lit = ui<QLabel>(form, "imgOne")->isVisibleTo(const_cast<frmMain*>(&form));
    const bool mail = ui<QToolButton>(form, "cmdQEmailContact")->isEnabled();
    const bool view = ui<QToolButton>(form, "cmdViewContact")->isEnabled();
    const QString chosen = contact ? contact->FileAs() : QString();
    if (chosen != text || lit != bool(contact) || mail != bool(contact) || view != bool(contact))
        return u"box \"%1\", chosen \"%2\", lamp %3, mail %4, view %5"_s.arg(text, chosen).arg(lit).arg(mail).arg(view);
    return {};
}

void loadThree(RealBar& bar)
{
    const Props mail{{u"Email1Address"_s, u"mail@example.com"_s}};
    bar.client.add(u"Adams, Ann"_s, u"Ann Adams"_s, mail);
    bar.client.add(u"Baker, Bo"_s, u"Bo Baker"_s, mail);
    bar.client.add(u"Cole, Cy"_s, u"Cy Cole"_s, mail);
}

bool ready(frmMain& form, int mode)
{
    form.modes()->setWindowMode(mode);
    QString why;
    if (clickToType(form, box(form), &why))
        return true;
    qWarning("%s", qPrintable(why));
    return false;
}

} // namespace

class TestBarKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void tabStopsOnlyWhereSeen_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::newRow("entry row, empty box") << 1 << QString();
        QTest::newRow("entry row, a contact") << 1 << u"b"_s;
        QTest::newRow("with the selectors, a contact") << 2 << u"b"_s;
        QTest::newRow("quick mail, a contact") << 3 << u"b"_s;
    }
    void tabStopsOnlyWhereSeen()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        RealBar bar;
        loadThree(bar);
        frmMain& form = bar.load();
        QVERIFY(ready(form, mode));
        if (!typed.isEmpty()) {
            xdotool(u"type "_s + typed);
            QTRY_VERIFY(bar.form->session()->currentContact());
        }

        const QStringList small{u"cmdOptions"_s, u"cmdState"_s, u"cmdMin"_s, u"cmdClose"_s};
        QStringList stops;
        for (int tab = 0; tab < 14; ++tab) {
            xdotool(u"key Tab"_s);
            QTest::qWait(30);
            const QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus, qPrintable(u"the focus vanished after "_s + stops.join(u", "_s)));
            stops << focus->objectName();
            QVERIFY2(!small.contains(focus->objectName()), qPrintable(stops.join(u", "_s)));
            QVERIFY2(focus->isVisible() && form.rect().contains(focus->geometry()), qPrintable(stops.join(u", "_s)));
        }
        QVERIFY2(stops.contains(u"txtContact"_s), qPrintable(stops.join(u", "_s)));
        // The round comes back to the box; a Space there types, it ends nothing.
        while (!box(form)->hasFocus()) {
            xdotool(u"key Tab"_s);
            QTest::qWait(30);
        }
        xdotool(u"key space"_s);
        QTest::qWait(200);
        QVERIFY(form.isVisible());
    }

    void quickMailButtonGivesTheBoxTheKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("modeAfter");
        QTest::newRow("SEND") << u"cmdSendMail"_s << 1;
        QTest::newRow("CANCEL") << u"cmdCancelMail"_s << 1;
        QTest::newRow("CLEAR") << u"cmdClearMail"_s << 3;
    }
    void quickMailButtonGivesTheBoxTheKeys()
    {
        QFETCH(QString, button);
        QFETCH(int, modeAfter);
        RealBar bar;
        loadThree(bar);
        frmMain& form = bar.load();
        QVERIFY(ready(form, 1));
        xdotool(u"type b"_s);
        QTRY_COMPARE(box(form)->text(), u"Baker, Bo"_s);
        click(ui<QToolButton>(form, "cmdQEmailContact"));
        QTRY_COMPARE(form.modeState().windowMode, 3);
        QVERIFY(clickToType(form, ui<QLineEdit>(form, "txtSubject")));
        xdotool(u"type Lunch"_s);
        QTRY_COMPARE(ui<QLineEdit>(form, "txtSubject")->text(), u"Lunch"_s);

        click(form.findChild<QPushButton*>(button));
        QTRY_COMPARE(form.modeState().windowMode, modeAfter);
        QTRY_VERIFY2(
            box(form)->hasFocus(),
            qPrintable(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : u"nothing"_s));
        QVERIFY2(disagreement(form).isEmpty(), qPrintable(disagreement(form)));
        // The contact stays chosen; the next key starts another name.
        QCOMPARE(box(form)->text(), u"Baker, Bo"_s);
        xdotool(u"type c"_s);
        QTRY_COMPARE(box(form)->text(), u"Cole, Cy"_s);
        QVERIFY2(disagreement(form).isEmpty(), qPrintable(disagreement(form)));
        // Emptied by the user: nothing is chosen, the lamp is out.
        xdotool(u"key ctrl+a BackSpace"_s);
        QTRY_VERIFY(box(form)->text().isEmpty());
        QVERIFY2(disagreement(form).isEmpty(), qPrintable(disagreement(form)));
        QVERIFY(form.isVisible());
    }

    void closedWindowGivesTheBoxTheKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("message box") << u"message"_s;
        QTest::newRow("options dialog") << u"options"_s;
        QTest::newRow("contact card") << u"card"_s;
    }
    void closedWindowGivesTheBoxTheKeys()
    {
        QFETCH(QString, window);
        RealBar bar;
        loadThree(bar);
        frmMain& form = bar.load();
        QVERIFY(ready(form, 2));
        xdotool(u"type a"_s);
        QTRY_COMPARE(box(form)->text(), u"Adams, Ann"_s);

        QPointer<QWidget> opened;
        if (window == u"message"_s) {
            auto* message = new QMessageBox(QMessageBox::Warning, u"Quintel message"_s, u"Something to read."_s,
                                            QMessageBox::Ok, &form);
            message->setAttribute(Qt::WA_DeleteOnClose);
            message->show();
            opened = message;
        } else if (window == u"options"_s) {
            click(ui<QToolButton>(form, "cmdOptions"));
            const auto shownOptions = [] {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* dialog = qobject_cast<frmOptions*>(w); dialog && dialog->isVisible())
                        return dialog;
                return static_cast<frmOptions*>(nullptr);
            };
            QTRY_VERIFY(shownOptions());
            opened = shownOptions();
        } else {
            auto* card = new ContactCard;
            card->setContact(*form.session()->currentContact());
            card->show();
            opened = card;
        }
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*opened), kPatience);
        opened->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(opened->isActiveWindow(), kPatience);

        xdotool(u"key Escape"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!opened || !opened->isVisible(), kPatience);
        QTRY_VERIFY_WITH_TIMEOUT(form.isActiveWindow() && hasKeyboard(form), kPatience);
        QTRY_VERIFY(box(form)->hasFocus());
        xdotool(u"type b"_s);
        QTRY_COMPARE(box(form)->text(), u"Baker, Bo"_s);
        QVERIFY2(disagreement(form).isEmpty(), qPrintable(disagreement(form)));
    }
};

QTEST_MAIN(TestBarKeys)
#include "test_barkeys.moc"
