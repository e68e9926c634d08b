// The contact card and the call window: what they show of a card (nickname, web pages, birthday
// included), contact data shown as plain text, and what a screen reader is told of each field.

#include "actions/birthdaytext.h"
#include "actions/callwindow.h"
#include "actions/contactcard.h"
#include "contactclient/vcard/vcardcontactitem.h"

#include <QAccessible>
#include <QFormLayout>
#include <QLabel>
#include <QTest>

namespace {

std::shared_ptr<contactclient::ContactItem> contact(const QString& lines)
{
    const QByteArray data = "BEGIN:VCARD\nVERSION:3.0\n" + lines.toUtf8() + "\nEND:VCARD\n";
    std::shared_ptr<contactclient::ContactItem> item;
    vcard::readCards(data, vcard::Detail::Full, [&](vcard::Card& c) {
        item = std::make_shared<contactclient::VCardContactItem>(QStringLiteral("x.vcf"), vcard::mapContact(c));
        return false;
    });
    return item;
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

// "Caption: value" for each field row, as the form lays them out.
QStringList rows(ContactCard& card)
{
    QStringList out;
    auto* form = card.findChild<QFormLayout*>();
    for (int r = 0; r < form->rowCount(); ++r) {
        auto* caption = qobject_cast<QLabel*>(form->itemAt(r, QFormLayout::LabelRole)->widget());
        auto* value = qobject_cast<QLabel*>(form->itemAt(r, QFormLayout::FieldRole)->widget());
        out << caption->text() + QLatin1Char(' ') + value->text();
    }
    return out;
}

} // namespace

class TestCard : public QObject {
    Q_OBJECT

private slots:
    void fields_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("nickname, web pages, birthday")
            << QStringLiteral("FN:Ann\nNICKNAME:Annie,Nan\nURL;TYPE=work:https://example.com/~ann\n"
                              "URL:http://ann.example\nBDAY:1985-04-12\nEMAIL:ann@example.com")
            << QStringList{QStringLiteral("Nickname: Annie, Nan"), QStringLiteral("E-mail: ann@example.com"),
                           QStringLiteral("Web page (work): https://example.com/~ann"),
                           QStringLiteral("Web page: http://ann.example"), QStringLiteral("Birthday: 12 April 1985")};
        QTest::newRow("birthday without a year")
            << QStringLiteral("FN:Bob\nBDAY:--0229") << QStringList{QStringLiteral("Birthday: 29 February")};
        QTest::newRow("birthday as free text") << QStringLiteral("FN:Cid\nBDAY;VALUE=text:circa 1800")
                                               << QStringList{QStringLiteral("Birthday: circa 1800")};
        QTest::newRow("escaped comma in a nickname") << QStringLiteral("FN:Dee\nNICKNAME:Dee\\, the Great")
                                                     << QStringList{QStringLiteral("Nickname: Dee, the Great")};
        QTest::newRow("markup stays text")
            << QStringLiteral("FN:<b>Rich</b> <i>Text</i>\nORG:<u>Org</u>\nNOTE:<img src=\"x.png\">\n"
                              "TEL;TYPE=<b>odd</b>:123")
            << QStringList{QStringLiteral("Phone (<b>odd</b>): 123"), QStringLiteral("Note: <img src=\"x.png\">")};
    }
    void fields()
    {
        QFETCH(QString, lines);
        QFETCH(QStringList, shown);
        const auto c = contact(lines);
        QVERIFY(c);
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*c);
        QCOMPARE(rows(card), shown);
        // Every label shows its text as written, so a screen reader is given the same text.
        for (QLabel* label : card.findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                QCOMPARE(accessibleName(label), label->text());
        }
    }

    // A screen reader reads each value with its caption: the value is the name, the caption
    // labels it.
    void fieldsForScreenReaders()
    {
        const auto c = contact(QStringLiteral("FN:Ann\nEMAIL;TYPE=work:ann@work.example\nTEL;TYPE=cell:+1 555 0101"));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*c);
        auto* form = card.findChild<QFormLayout*>();
        QCOMPARE(form->rowCount(), 2);
        for (int r = 0; r < form->rowCount(); ++r) {
            QWidget* value = form->itemAt(r, QFormLayout::FieldRole)->widget();
            QWidget* caption = form->itemAt(r, QFormLayout::LabelRole)->widget();
            QCOMPARE(accessibleName(value), qobject_cast<QLabel*>(value)->text());
            const auto labelledBy = QAccessible::queryAccessibleInterface(value)->relations(QAccessible::Label);
            QCOMPARE(labelledBy.size(), 1);
            QCOMPARE(labelledBy.first().first->object(), caption);
            QCOMPARE(labelledBy.first().first->text(QAccessible::Name), qobject_cast<QLabel*>(caption)->text());
        }
    }

    void callWindowName()
    {
        const auto c = contact(QStringLiteral("FN:<b>Rich</b> <i>Text</i>\nTEL;TYPE=cell:+1 555 0101"));
        CallWindow w;
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.setContact(*c);
        QCOMPARE(w.lblName->text(), QStringLiteral("<b>Rich</b> <i>Text</i>"));
        QCOMPARE(accessibleName(w.lblName), w.lblName->text());
    }

    void birthday_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("bday");
        QTest::addColumn<QString>("shown");
        QTest::newRow("date, C") << "C"
                                 << "1985-04-12"
                                 << "12 April 1985";
        QTest::newRow("basic form with a time") << "C"
                                                << "19850412T101500Z"
                                                << "12 April 1985";
        QTest::newRow("US order") << "en_US"
                                  << "1985-04-12"
                                  << "April 12, 1985";
        QTest::newRow("German, no year") << "de_DE"
                                         << "--04-12"
                                         << "12. April";
        QTest::newRow("Japanese, no year") << "ja_JP"
                                           << "--0412"
                                           << "4月12日";
        QTest::newRow("no such day") << "C"
                                     << "1985-02-30"
                                     << "1985-02-30";
        QTest::newRow("free text") << "C"
                                   << " circa 1800 "
                                   << "circa 1800";
    }
    void birthday()
    {
        QFETCH(QString, locale);
        QFETCH(QString, bday);
        QFETCH(QString, shown);
        QCOMPARE(card::birthdayText(bday, QLocale(locale)), shown);
    }
};

QTEST_MAIN(TestCard)
#include "test_card.moc"
