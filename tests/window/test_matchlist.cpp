// The list of matches on a real X display, with real keys and clicks: it opens beside the bar while
// the user types, the focus stays in the entry box, Up/Down/Return/Esc and a click work from the
// box, it lies above a bar in the lower half of the screen and below one in the upper half, and it
// closes when the bar hides or changes its mode. Screen readers get a list with named rows.

#include "contactclient/searchfields.h"
#include "contacts/contactlookup.h"
#include "entry/matchlist.h"
#include "realbar.h"
#include "window/windowmodes.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QtTest>

using Kind = contactclient::searchfields::Kind;

namespace {

QString fields(Kind kind, const char* value)
{
    return contactclient::searchfields::Builder().add(kind, QString::fromUtf8(value)).text();
}

struct MatchBar {
    RealBar bar;
    frmMain* form = nullptr;

    explicit MatchBar(bool lowerHalf = false)
    {
        bar.client.add(QStringLiteral("Müller, Jürgen"), QStringLiteral("Jürgen Müller")).searchFields =
            fields(Kind::Email, "j.mueller@acme.de");
        bar.client.add(QStringLiteral("Adams, Ann"), QStringLiteral("Ann Adams")).searchFields =
            fields(Kind::Email, "ann@acme.de");
        bar.client.add(QStringLiteral("Cole, Cy"), QStringLiteral("Cy Cole")).searchFields =
            fields(Kind::Phone, "+49 171 2345678");
        // More matches for one word than the list shows at once.
        for (int i = 1; i <= 14; ++i)
            bar.client.add(QStringLiteral("Zed, Person %1").arg(i, 2, 10, QLatin1Char('0')), QString()).searchFields =
                fields(Kind::Email, qPrintable(QStringLiteral("p%1@many.org").arg(i)));
        form = &bar.load();
        const QRect screen = form->screen()->availableGeometry();
        form->move(form->x(), lowerHalf ? screen.bottom() - form->height() - 20 : screen.top() + 20);
    }
    QLineEdit* box() const { return ui<QLineEdit>(*form, "txtContact"); }
    MatchList& list() const { return *form->matches(); }

    bool typeInto(const QString& text) const
    {
        form->activateWindow();
        box()->setFocus();
        if (!QTest::qWaitFor([this] { return box()->hasFocus() && hasKeyboard(*form); }, kPatience))
            return false;
        xdotool(QStringLiteral("type ") + text);
        return true;
    }
    // The bar shown, the text typed into the box, and the list of matches open.
    bool opensWith(const QString& text) const
    {
        return QTest::qWaitFor([this] { return exposed(*form); }, kPatience) && typeInto(text) &&
               QTest::qWaitFor([this] { return list().isOpen(); }, kPatience);
    }
    QStringList rows() const
    {
        QStringList out;
        QAbstractItemModel* model = list().view()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data(Qt::AccessibleTextRole).toString();
        return out;
    }
};

} // namespace

class TestMatchList : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(windowManagerReady()); }

    void typingOpensTheListAndKeysChoose_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("e-mail domain, second row")
            << QStringLiteral("acme")
            << QStringList{QStringLiteral("Adams, Ann, e-mail ann@acme.de"),
                           QStringLiteral("Müller, Jürgen, e-mail j.mueller@acme.de")}
            << QStringLiteral("Down Down Return") << QStringLiteral("Müller, Jürgen");
        QStringList many;
        for (int i = 1; i <= 14; ++i)
            many << QStringLiteral("Zed, Person %1, e-mail p%2@many.org").arg(i, 2, 10, QLatin1Char('0')).arg(i);
        QTest::newRow("more rows than shown at once, each read")
            << QStringLiteral("many") << many << QStringLiteral("Up Return") << QStringLiteral("Zed, Person 14");
        QTest::newRow("down past the end stays on the last")
            << QStringLiteral("acme") << QStringList{} << QStringLiteral("Down Down Down Return")
            << QStringLiteral("Müller, Jürgen");
        QTest::newRow("up from the second row")
            << QStringLiteral("acme") << QStringList{} << QStringLiteral("Down Down Up Return")
            << QStringLiteral("Adams, Ann");
        QTest::newRow("digits of a number")
            << QStringLiteral("0171") << QStringList{QStringLiteral("Cole, Cy, number +49 171 2345678")}
            << QStringLiteral("Down KP_Enter") << QStringLiteral("Cole, Cy");
        // Rows beyond those first shown get their names when scrolled to (not read beforehand here).
        QTest::newRow("a row scrolled to, beyond those first shown")
            << QStringLiteral("many") << QStringList{} << QStringLiteral("Page_Down Down Down Down Return")
            << QStringLiteral("Zed, Person 12");
        QTest::newRow("without accents") << QStringLiteral("muel") << QStringList{QStringLiteral("Müller, Jürgen")}
                                         << QStringLiteral("Down Return") << QStringLiteral("Müller, Jürgen");
    }
    void typingOpensTheListAndKeysChoose()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, rows);
        QFETCH(QString, keys);
        QFETCH(QString, chosen);
        MatchBar b;
        QVERIFY(b.opensWith(typed));
        if (!rows.isEmpty())
            QCOMPARE(b.rows(), rows);
        // Typing went on in the box: it holds what was typed (and any completion).
        QVERIFY(b.box()->hasFocus());
        QVERIFY(b.box()->text().startsWith(typed, Qt::CaseInsensitive) || b.box()->text() == typed);
        for (const QString& key : keys.split(QLatin1Char(' ')))
            xdotool(QStringLiteral("key ") + key);
        QTRY_VERIFY_WITH_TIMEOUT(!b.list().isOpen(), kPatience);
        QTRY_COMPARE(b.box()->text(), chosen);
        QCOMPARE(b.box()->selectedText(), chosen);
        QVERIFY(b.box()->hasFocus());
        QTRY_VERIFY(b.form->session()->currentContact());
        QCOMPARE(b.form->session()->currentContact()->FileAs(), chosen);
    }

    // With more matches than fit, the list shows ten whole rows: none is cut off at its edge.
    void showsWholeRows()
    {
        MatchBar b;
        QVERIFY(b.opensWith(QStringLiteral("many")));
        QListView* view = b.list().view();
        const QRect shown = view->viewport()->rect();
        QVERIFY2(shown.contains(view->visualRect(view->model()->index(9, 0))),
                 qPrintable(QStringLiteral("the tenth row is cut off")));
        QVERIFY(!shown.intersects(view->visualRect(view->model()->index(10, 0))));
    }

    void escapeAndEmptyBoxClose()
    {
        MatchBar b;
        QVERIFY(b.opensWith(QStringLiteral("acme")));
        xdotool(QStringLiteral("key Escape"));
        QTRY_VERIFY(!b.list().isOpen());
        // The completion wrote the first letter as the name it completed to ("Adams, Ann").
        QCOMPARE(b.box()->text(), QStringLiteral("Acme"));
        xdotool(QStringLiteral("type e"));
        xdotool(QStringLiteral("key BackSpace"));
        QTRY_VERIFY_WITH_TIMEOUT(b.list().isOpen(), kPatience);
        for (int i = 0; i < 4; ++i)
            xdotool(QStringLiteral("key BackSpace"));
        QTRY_COMPARE(b.box()->text(), QString());
        QTRY_VERIFY(!b.list().isOpen());
    }

    void aClickChooses()
    {
        MatchBar b;
        QVERIFY(b.opensWith(QStringLiteral("acme")));
        QListView* view = b.list().view();
        QTRY_VERIFY_WITH_TIMEOUT(view->windowHandle() && view->windowHandle()->isExposed(), kPatience);
        const QRect second = view->visualRect(view->model()->index(1, 0));
        xdotool(QStringLiteral("mousemove"), view->viewport()->mapToGlobal(second.center()));
        xdotool(QStringLiteral("click 1"));
        QTRY_COMPARE_WITH_TIMEOUT(b.box()->text(), QStringLiteral("Müller, Jürgen"), kPatience);
        QVERIFY(!b.list().isOpen());
        // The focus stayed with the bar's box.
        QTRY_VERIFY(b.box()->hasFocus());
    }

    void placedBesideTheBar_data()
    {
        QTest::addColumn<bool>("lowerHalf");
        QTest::newRow("bar in the upper half: below") << false;
        QTest::newRow("bar in the lower half: above") << true;
    }
    void placedBesideTheBar()
    {
        QFETCH(bool, lowerHalf);
        MatchBar b(lowerHalf);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*b.form), kPatience);
        QVERIFY(settled(*b.form));
        QVERIFY(b.typeInto(QStringLiteral("acme")));
        QTRY_VERIFY_WITH_TIMEOUT(b.list().isOpen(), kPatience);
        const QRect list = b.list().view()->geometry();
        const QRect bar = b.form->frameGeometry();
        if (lowerHalf)
            QVERIFY2(list.bottom() < bar.top(), qPrintable(describe(*b.form)));
        else
            QVERIFY2(list.top() > bar.bottom(), qPrintable(describe(*b.form)));
        QVERIFY(b.form->screen()->availableGeometry().contains(list));
    }

    void closesWhenTheBarHidesOrChangesMode_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("mode change") << QStringLiteral("mode");
        QTest::newRow("hide") << QStringLiteral("hide");
    }
    void closesWhenTheBarHidesOrChangesMode()
    {
        QFETCH(QString, what);
        MatchBar b;
        QVERIFY(b.opensWith(QStringLiteral("acme")));
        if (what == QLatin1String("mode"))
            b.form->modes()->setWindowMode(WindowMode::EntryAndSelectors);
        else
            b.form->hide();
        QTRY_VERIFY(!b.list().isOpen());
    }

    void downInAnEmptyBoxShowsRecentContacts()
    {
        MatchBar b;
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*b.form), kPatience);
        b.form->lookup()->recordUse(b.bar.client.contacts[2].entryId);
        QVERIFY(b.typeInto(QString()));
        QCOMPARE(b.box()->text(), QString());
        xdotool(QStringLiteral("key Down"));
        QTRY_VERIFY_WITH_TIMEOUT(b.list().isOpen(), kPatience);
        QCOMPARE(b.rows(), QStringList{QStringLiteral("Cole, Cy")});
        xdotool(QStringLiteral("key Return"));
        QTRY_COMPARE(b.box()->text(), QStringLiteral("Cole, Cy"));
    }

    void readByScreenReaders()
    {
        MatchBar b;
        QVERIFY(b.opensWith(QStringLiteral("acme")));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(b.list().view());
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QVERIFY(!list->text(QAccessible::Name).isEmpty());
        QCOMPARE(list->childCount(), 2);
        QCOMPARE(list->child(0)->text(QAccessible::Name), QStringLiteral("Adams, Ann, e-mail ann@acme.de"));
    }

    void switchedOffNeverOpens()
    {
        MatchBar b;
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*b.form), kPatience);
        b.list().setEnabled(false);
        QVERIFY(b.typeInto(QStringLiteral("acme")));
        QTRY_COMPARE(b.box()->text(), QStringLiteral("Acme"));
        QTest::qWait(200);
        QVERIFY(!b.list().isOpen());
        xdotool(QStringLiteral("key Down"));
        QTest::qWait(100);
        QVERIFY(!b.list().isOpen());
    }
};

QTEST_MAIN(TestMatchList)
#include "test_matchlist.moc"
