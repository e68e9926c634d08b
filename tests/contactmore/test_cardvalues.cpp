// The card's values for other programs: each address, number, postal address and web page copied
// whole (its button, its context menu, Ctrl+C), and a postal address shown on OpenStreetMap's
// map page in the web browser: what the page is asked, and a word when no browser is set.

#include "actions/contactcard.h"
#include "actions/maplink.h"
#include "actions/urllauncher.h"
#include "contactmore/vcardcontact.h"
#include "desktop/messagebox.h"
#include "support/urlcatcher.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString kAnn = QStringLiteral("FN:Ann Lee\nEMAIL;TYPE=work:ann@work.example\nTEL;TYPE=cell:+1 555 0101\n"
                                    "ADR;TYPE=home:;;1 Main St;Springfield;;12345;USA\nURL:https://ann.example\n"
                                    "NOTE:Met at the fair\nNICKNAME:Annie");

// The card's rows by their caption ("E-mail (work)").
CardRow* rowOf(ContactCard& card, const QString& caption)
{
    for (QLabel* label : card.findChildren<QLabel*>()) {
        if (label->objectName().startsWith(QLatin1String("lblCaption")) && label->text() == caption + QLatin1Char(':'))
            return CardRow::of(label->buddy());
    }
    return nullptr;
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

class TestCardValues : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        MessageBox::setTestMode(true);
        MessageBox::shownInTest().clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    void mapUrl_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url");
        QTest::newRow("lines joined")
            << "1 Main St\nSpringfield 12345\nUSA"
            << "https://www.openstreetmap.org/search?query=1%20Main%20St%2C%20Springfield%2012345%2C%20USA";
        QTest::newRow("blank lines and spaces folded")
            << "  1  Main St \r\n\r\n Springfield "
            << "https://www.openstreetmap.org/search?query=1%20Main%20St%2C%20Springfield";
        QTest::newRow("& # + ? stay in the query")
            << "A&B #2+3 ?x=y"
            << "https://www.openstreetmap.org/search?query=A%26B%20%232%2B3%20%3Fx%3Dy";
        QTest::newRow("not ASCII") << "Straße 1, Kraków"
                                   << "https://www.openstreetmap.org/search?query=Stra%C3%9Fe%201%2C%20Krak%C3%B3w";
        QTest::newRow("nothing to look for") << " \n "
                                             << "";
    }
    void mapUrl()
    {
        QFETCH(QString, address);
        QFETCH(QString, url);
        QCOMPARE(QString::fromLatin1(maplink::mapUrl(address).toEncoded()), url);
    }

    // Which values can be copied and shown on a map, with a tooltip and a name for each button.
    void buttons_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("copied");
        QTest::addColumn<bool>("mapped");
        QTest::newRow("e-mail") << "E-mail (work)"
                                << "ann@work.example" << true << false;
        QTest::newRow("number") << "Phone (mobile)"
                                << "+1 555 0101" << true << false;
        QTest::newRow("postal address") << "Address (home)"
                                        << "1 Main St\nSpringfield  12345\nUSA" << true << true;
        QTest::newRow("web page") << "Web page"
                                  << "https://ann.example" << true << false;
        QTest::newRow("note") << "Note"
                              << "Met at the fair" << false << false;
        QTest::newRow("nickname") << "Nickname"
                                  << "Annie" << false << false;
    }
    void buttons()
    {
        QFETCH(QString, caption);
        QFETCH(QString, value);
        QFETCH(bool, copied);
        QFETCH(bool, mapped);
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*vcardContact(kAnn));
        CardRow* row = rowOf(card, caption);
        QVERIFY(row);
        QCOMPARE(row->lblValue->text().simplified(), value.simplified());
        QCOMPARE(row->cmdCopy != nullptr, copied);
        QCOMPARE(row->cmdMap != nullptr, mapped);
        for (QToolButton* button : {row->cmdCopy, row->cmdMap}) {
            if (!button)
                continue;
            QVERIFY(!button->icon().isNull());
            QVERIFY(button->toolTip().contains(caption));
            QCOMPARE(accessibleName(button), button->toolTip());
            QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
        }
        if (!copied)
            return;
        row->cmdCopy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), row->value());
        QVERIFY(card.lblStatus->isVisibleTo(&card));
        QVERIFY(card.lblStatus->text().contains(row->value()));
    }

    // The whole value by the context menu, or by Ctrl+C on the value when nothing in it is
    // selected; a selection is copied as it is.
    void copyByKeysAndMenu_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("Ctrl+C, nothing selected") << "ctrl+c"
                                                  << "ann@work.example";
        QTest::newRow("Ctrl+C on a selection") << "select+ctrl+c"
                                               << "ann";
        QTest::newRow("menu Copy") << "menu"
                                   << "ann@work.example";
        QTest::newRow("menu Copy with a selection") << "select+menu"
                                                    << "ann@work.example";
    }
    void copyByKeysAndMenu()
    {
        QFETCH(QString, how);
        QFETCH(QString, clipboard);
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*vcardContact(kAnn));
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        CardRow* row = rowOf(card, QStringLiteral("E-mail (work)"));
        QVERIFY(row);
        row->lblValue->setFocus();
        if (how.startsWith(QLatin1String("select")))
            row->lblValue->setSelection(0, 3);
        if (how.endsWith(QLatin1String("ctrl+c"))) {
            QTest::keyClick(row->lblValue, Qt::Key_C, Qt::ControlModifier);
        } else {
            std::unique_ptr<QMenu> menu(row->contextMenu());
            auto* copy = menu->findChild<QAction*>(QStringLiteral("actCopy"));
            QVERIFY(copy);
            QCOMPARE(menu->actions().size(), how.startsWith(QLatin1String("select")) ? 2 : 1);
            copy->trigger();
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }

    // Tab reaches every value's buttons in the card's order, then the card's own buttons.
    void tabOrder()
    {
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*vcardContact(kAnn));
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        rowOf(card, QStringLiteral("E-mail (work)"))->cmdCopy->setFocus();
        QStringList reached;
        for (int i = 0; i < 6; ++i) {
            reached << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(reached, (QStringList{u"cmdCopy1"_s, u"cmdCopy2"_s, u"cmdCopy3"_s, u"cmdMap3"_s, u"cmdCopy4"_s,
                                       u"cmdClose"_s}));
    }

    // The map page goes to the program for web pages; without one the user is told what to do.
    void map_data()
    {
        QTest::addColumn<int>("desktop");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("opened");
        QTest::newRow("browser set, button") << int(UrlCatcher::Desktop::Registered) << false << true;
        QTest::newRow("browser set, menu") << int(UrlCatcher::Desktop::Registered) << true << true;
        QTest::newRow("no browser") << int(UrlCatcher::Desktop::NoProgram) << false << false;
    }
    void map()
    {
        QFETCH(int, desktop);
        QFETCH(bool, byMenu);
        QFETCH(bool, opened);
        UrlCatcher catcher({QStringLiteral("https")}, UrlCatcher::Desktop(desktop));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*vcardContact(kAnn));
        CardRow* row = rowOf(card, QStringLiteral("Address (home)"));
        QVERIFY(row && row->cmdMap);
        QSignalSpy done(card.launcher, &UrlLauncher::done);
        if (byMenu) {
            std::unique_ptr<QMenu> menu(row->contextMenu());
            auto* map = menu->findChild<QAction*>(QStringLiteral("actMap"));
            QVERIFY(map);
            map->trigger();
        } else {
            row->cmdMap->click();
        }
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done.first().at(1).toBool(), opened);
        const QUrl page(QStringLiteral(
            "https://www.openstreetmap.org/search?query=1%20Main%20St%2C%20Springfield%2012345%2C%20USA"));
        if (opened) {
            QCOMPARE(catcher.urls, QList<QUrl>{page});
            QCOMPARE(MessageBox::shownInTest().size(), 0);
        } else {
            QCOMPARE(catcher.urls.size(), 0);
            QCOMPARE(MessageBox::shownInTest().size(), 1);
            QCOMPARE(MessageBox::shownInTest().first().text, UrlLauncher::noProgramText(QStringLiteral("https")));
        }
    }
};

QTEST_MAIN(TestCardValues)
#include "test_cardvalues.moc"
