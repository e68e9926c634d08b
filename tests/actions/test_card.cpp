// The contact card and the call window: what they show of a card (nickname, web pages, birthday
// included), contact data shown as plain text, and what a screen reader is told of each field. The
// card's edit mode on a real vCard folder: keys, saving, errors beside fields, asking before
// changes are dropped, delete, a card changed on disk meanwhile, a book that is read-only.

#include "actions/birthdaytext.h"
#include "actions/callwindow.h"
#include "actions/contactcard.h"
#include "actions/contacteditform.h"
#include "contactclient/forwardingcontactitem.h"
#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcardfolderstore.h"

#include <QAccessible>
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// The value of a field row (beside it, the row's buttons).
QLabel* valueAt(QFormLayout* form, int row)
{
    QLayout* field = form->itemAt(row, QFormLayout::FieldRole)->layout();
    return field ? qobject_cast<QLabel*>(field->itemAt(0)->widget()) : nullptr;
}

// "Caption: value" for each field row, as the form lays them out.
QStringList rows(ContactCard& card)
{
    QStringList out;
    auto* form = card.findChild<QFormLayout*>(QStringLiteral("layFields"));
    for (int r = 0; r < form->rowCount(); ++r) {
        auto* caption = qobject_cast<QLabel*>(form->itemAt(r, QFormLayout::LabelRole)->widget());
        QLabel* value = valueAt(form, r);
        out << caption->text() + QLatin1Char(' ') + value->text();
    }
    return out;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Answers the next message box with the button, once it is up.
void answerNextMessage(QMessageBox::StandardButton button, QString* text = nullptr)
{
    QTimer::singleShot(50, [button, text] {
        for (int tries = 0; tries < 100; ++tries) {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                if (text)
                    *text = box->text();
                box->button(button)->click();
                return;
            }
            QTest::qWait(20);
        }
    });
}

const QByteArray kAnn = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\n"
                        "EMAIL;TYPE=work:ann@work.example\r\nX-OTHER-APP;P=1:kept as it is\r\nEND:VCARD\r\n";

// An item of a book that may keep a change for later (a server that cannot be reached) and says so.
class NotingItem : public contactclient::ForwardingContactItem {
public:
    NotingItem(std::shared_ptr<contactclient::ContactItem> inner, QString note)
        : ForwardingContactItem(std::move(inner)), m_note(std::move(note))
    {
    }
    QString writeNote() const override { return m_note; }

private:
    QString m_note;
};

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
            if (!label->text().isEmpty() && !card.editForm->isAncestorOf(label))
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
        auto* form = card.findChild<QFormLayout*>(QStringLiteral("layFields"));
        QCOMPARE(form->rowCount(), 2);
        for (int r = 0; r < form->rowCount(); ++r) {
            QLabel* value = valueAt(form, r);
            QWidget* caption = form->itemAt(r, QFormLayout::LabelRole)->widget();
            QCOMPARE(accessibleName(value), value->text());
            const auto labelledBy = QAccessible::queryAccessibleInterface(value)->relations(QAccessible::Label);
            QCOMPARE(labelledBy.size(), 1);
            QCOMPARE(labelledBy.first().first->object(), caption);
            QCOMPARE(labelledBy.first().first->text(QAccessible::Name), qobject_cast<QLabel*>(caption)->text());
        }
    }

    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Edit mode from the keyboard alone: F2 or Ctrl+E, new values typed, Ctrl+S; the file holds
    // them, every other line as it was.
    void editWithKeys_data()
    {
        QTest::addColumn<QKeySequence>("editKey");
        QTest::newRow("F2") << QKeySequence(Qt::Key_F2);
        QTest::newRow("Ctrl+E") << QKeySequence(Qt::CTRL | Qt::Key_E);
    }
    void editWithKeys()
    {
        QFETCH(QKeySequence, editKey);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ann.vcf"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAnn);
        f.close();
        contactclient::VCardFolderStore store(dir.path(), std::nullopt);
        store.open();
        const auto item = store.itemFromId(QStringLiteral("ann.vcf"));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*item);
        card.show();
        card.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&card));
        QVERIFY(card.cmdEdit->isEnabled());
        QTest::keySequence(&card, editKey);
        QVERIFY(card.editing());
        QCOMPARE(QApplication::focusWidget(), card.editForm->txtGivenName);
        QCOMPARE(card.editForm->txtFamilyName->text(), QStringLiteral("Lee"));
        // To the family name with Tab, replaced; the full name follows.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), card.editForm->txtFamilyName);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ray"));
        QCOMPARE(card.editForm->txtFullName->text(), QStringLiteral("Ann Ray"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!card.editing());
        const QByteArray now = readAll(path);
        QVERIFY(now.contains("\r\nN:Ray;Ann;;;\r\n"));
        QVERIFY(now.contains("\r\nFN:Ann Ray\r\n"));
        QVERIFY(now.contains("\r\nEMAIL;TYPE=work:ann@work.example\r\nX-OTHER-APP;P=1:kept as it is\r\n"));
        QCOMPARE(card.lblName->text(), QStringLiteral("Ann Ray"));
    }

    // An error is shown beside its field and nothing is written.
    void errorsBesideFields()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ann.vcf"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAnn);
        f.close();
        contactclient::VCardFolderStore store(dir.path(), std::nullopt);
        store.open();
        const auto item = store.itemFromId(QStringLiteral("ann.vcf"));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*item);
        QVERIFY(card.edit());
        card.editForm->findChild<QPushButton*>(QStringLiteral("cmdAddEmail"))->click();
        QCOMPARE(card.editForm->emailFields().size(), 2);
        QTest::keyClicks(card.editForm->emailFields().back(), QStringLiteral("ann.example.org"));
        card.editForm->txtBirthday->setText(QStringLiteral("1985-02-30"));
        QVERIFY(!card.save());
        QVERIFY(card.editing());
        auto* emailError = card.editForm->findChild<QLabel*>(QStringLiteral("lblEmailError1"));
        QVERIFY(emailError && !emailError->isHidden());
        QVERIFY(emailError->text().contains(QStringLiteral("@")));
        QVERIFY(!card.editForm->lblBirthdayError->isHidden());
        QCOMPARE(readAll(path), kAnn);
    }

    // Esc with changes asks; kept, the fields stay; discarded, the view is back.
    void cancelAsksWhenChanged()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("ann.vcf")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAnn);
        f.close();
        contactclient::VCardFolderStore store(dir.path(), std::nullopt);
        store.open();
        const auto item = store.itemFromId(QStringLiteral("ann.vcf"));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*item);
        QVERIFY(card.edit());
        QVERIFY(card.cancel()); // nothing changed: no question
        QVERIFY(card.edit());
        QTest::keyClicks(card.editForm->txtNickname, QStringLiteral("Annie"));
        QString asked;
        answerNextMessage(QMessageBox::Cancel, &asked);
        QVERIFY(!card.cancel());
        QVERIFY(asked.contains(QStringLiteral("Ann Lee")));
        QVERIFY(card.editing());
        QCOMPARE(card.editForm->txtNickname->text(), QStringLiteral("Annie"));
        answerNextMessage(QMessageBox::Discard);
        QVERIFY(card.cancel());
        QVERIFY(!card.editing());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("ann.vcf"))), kAnn);
    }

    // A card changed on disk after Edit: not overwritten; the card shows it, the user's change
    // stays in the field, and saving again writes it onto the new state.
    void changedMeanwhile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ann.vcf"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAnn);
        f.close();
        contactclient::VCardFolderStore store(dir.path(), std::nullopt);
        store.open();
        const auto item = store.itemFromId(QStringLiteral("ann.vcf"));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*item);
        QVERIFY(card.edit());
        card.editForm->txtNickname->setText(QStringLiteral("Annie"));
        QByteArray theirs = kAnn;
        theirs.replace("END:VCARD", "TEL;TYPE=CELL:+1 555 0199\r\nEND:VCARD");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(theirs);
        f.close();
        QString told;
        answerNextMessage(QMessageBox::Ok, &told);
        QVERIFY(!card.save());
        QVERIFY(told.contains(QStringLiteral("changed by another program")));
        QCOMPARE(readAll(path), theirs);
        QVERIFY(card.editing());
        QCOMPARE(card.editForm->txtNickname->text(), QStringLiteral("Annie"));
        QCOMPARE(card.editForm->phoneFields().size(), 1);
        QVERIFY(card.save());
        const QByteArray now = readAll(path);
        QVERIFY(now.contains("TEL;TYPE=CELL:+1 555 0199\r\n"));
        QVERIFY(now.contains("NICKNAME:Annie\r\n"));
    }

    // What the book says after a save (the change waits for its server) is shown on the card.
    void noteAfterSave_data()
    {
        QTest::addColumn<QString>("note");
        QTest::newRow("written") << QString();
        QTest::newRow("kept for later") << QStringLiteral("The change is kept on this computer.");
    }
    void noteAfterSave()
    {
        QFETCH(QString, note);
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("ann.vcf")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAnn);
        f.close();
        contactclient::VCardFolderStore store(dir.path(), std::nullopt);
        store.open();
        const auto item = std::make_shared<NotingItem>(store.itemFromId(QStringLiteral("ann.vcf")), note);
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*item);
        card.show();
        QVERIFY(card.edit());
        card.editForm->txtNickname->setText(QStringLiteral("Annie"));
        QVERIFY(card.save());
        QCOMPARE(card.lblStatus->isVisible(), !note.isEmpty());
        QCOMPARE(card.lblStatus->text(), note);
        // Editing again hides it.
        QVERIFY(card.edit());
        QVERIFY(!card.lblStatus->isVisible());
    }

    void deleteAsksAndKeepsTheCard()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ann.vcf"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kAnn);
        f.close();
        contactclient::VCardFolderStore store(dir.path(), std::nullopt);
        store.open();
        const auto item = store.itemFromId(QStringLiteral("ann.vcf"));
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*item);
        QString asked;
        answerNextMessage(QMessageBox::Cancel, &asked);
        QVERIFY(!card.deleteContact());
        QVERIFY(asked.contains(QStringLiteral("Ann Lee")));
        QVERIFY(asked.contains(item->deletedFolder()));
        QVERIFY(QFile::exists(path));
        answerNextMessage(QMessageBox::Yes);
        QVERIFY(card.deleteContact());
        QVERIFY(!QFile::exists(path));
        const QStringList kept = QDir(item->deletedFolder()).entryList(QDir::Files);
        QVERIFY(!kept.isEmpty());
        QVERIFY(readAll(QDir(item->deletedFolder()).filePath(kept.back())).contains("FN:Ann Lee"));
    }

    // A book Quintel does not write: Edit and Delete are disabled and say where to change it.
    void readOnlyBook()
    {
        const QByteArray data = "BEGIN:VCARD\nVERSION:3.0\nFN:Tb\nEND:VCARD\n";
        std::shared_ptr<contactclient::ContactItem> item;
        vcard::readCards(data, vcard::Detail::Full, [&](vcard::Card& c) {
            item = std::make_shared<contactclient::VCardContactItem>(
                QStringLiteral("tb"), vcard::mapContact(c), nullptr, QStringLiteral("Change it in Thunderbird."));
            return false;
        });
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        card.setContact(*item);
        QVERIFY(!card.cmdEdit->isEnabled());
        QVERIFY(!card.cmdDelete->isEnabled());
        QCOMPARE(card.cmdEdit->toolTip(), QStringLiteral("Change it in Thunderbird."));
        QVERIFY(!card.edit());
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
        QTest::newRow("Russian, no year") << "ru_RU"
                                          << "--0412"
                                          << "12 апреля";
        QTest::newRow("Russian") << "ru_RU"
                                 << "1985-04-12"
                                 << "12 апреля 1985 г.";
        QTest::newRow("Spanish, no year") << "es_ES"
                                          << "--0412"
                                          << "12 de abril";
        QTest::newRow("Brazilian Portuguese, no year") << "pt_BR"
                                                       << "--04-12"
                                                       << "12 de abril";
        QTest::newRow("Spanish") << "es_ES"
                                 << "1985-04-12"
                                 << "12 de abril de 1985";
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
