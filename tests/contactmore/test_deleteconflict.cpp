// Deleting from the card a contact that its book says was changed since it was read: the card
// says so, stays open showing the contact as it now is, and nothing is reported deleted; asked
// again, the delete goes through.

#include "actions/contactcard.h"
#include "contactclient/forwardingcontactitem.h"
#include "contactclient/vcard/vcardfolderstore.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString& path, const QByteArray& data)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit();
}

// A contact whose book refuses the first delete: another program changed it just before (the file
// is rewritten, as the book would hold it now).
class ChangedMeanwhile : public contactclient::ForwardingContactItem {
public:
    ChangedMeanwhile(std::shared_ptr<contactclient::ContactItem> inner, QString path)
        : ForwardingContactItem(std::move(inner)), m_path(std::move(path))
    {
    }
    void Delete() override
    {
        if (m_refusals-- > 0) {
            writeFile(m_path, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Later\r\nN:Later;Ann;;;\r\nEND:VCARD\r\n");
            throw contactclient::ConflictError(u"“Ann Lee” was changed since it was read; it was not deleted."_s);
        }
        ForwardingContactItem::Delete();
    }

private:
    QString m_path;
    int m_refusals = 1;
};

// Answers the message boxes as they come up, in turn, keeping their texts.
void answerMessages(QList<QMessageBox::StandardButton> buttons, QStringList* texts)
{
    if (buttons.isEmpty())
        return;
    QTimer::singleShot(50, [buttons, texts] {
        for (int tries = 0; tries < 200; ++tries) {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts->append(box->text());
                QList<QMessageBox::StandardButton> rest = buttons;
                const QMessageBox::StandardButton button = rest.takeFirst();
                answerMessages(rest, texts);
                box->button(button)->click();
                return;
            }
            QTest::qWait(20);
        }
    });
}

} // namespace

class TestDeleteConflict : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Refused once for a change meanwhile: told, shown anew, kept; the next answer decides.
    void deleteRefusedThenAskedAgain_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("second"); // the answer when asked again
        QTest::addColumn<bool>("deleted");
        QTest::newRow("deleted when asked again") << QMessageBox::Yes << true;
        QTest::newRow("kept when asked again") << QMessageBox::Cancel << false;
    }
    void deleteRefusedThenAskedAgain()
    {
        QFETCH(QMessageBox::StandardButton, second);
        QFETCH(bool, deleted);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"ann.vcf"_s);
        QVERIFY(writeFile(path, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n"));
        contactclient::VCardFolderStore store(dir.path(), std::nullopt);
        store.open();
        auto item = std::make_shared<ChangedMeanwhile>(store.itemFromId(u"ann.vcf"_s), path);
        ContactCard card;
        card.setAttribute(Qt::WA_DeleteOnClose, false);
        QSignalSpy gone(&card, &ContactCard::deleted);
        card.setContact(*item);
        card.show();
        QCOMPARE(card.lblName->text(), u"Ann Lee"_s);

        QStringList texts;
        answerMessages({QMessageBox::Yes, QMessageBox::Ok}, &texts);
        QVERIFY(!card.deleteContact());
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts.at(1).contains(u"was changed since it was read; it was not deleted."_s),
                 qPrintable(texts.at(1)));
        QVERIFY2(texts.at(1).contains(u"The card now shows the contact as it is."_s), qPrintable(texts.at(1)));
        QCOMPARE(gone.size(), 0);
        QVERIFY(card.isVisible());
        QCOMPARE(card.lblName->text(), u"Ann Later"_s);
        QVERIFY(QFile::exists(path));

        // Asked again, it names the contact as it is now.
        texts.clear();
        answerMessages({second}, &texts);
        QCOMPARE(card.deleteContact(), deleted);
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.front().contains(u"“Ann Later”"_s), qPrintable(texts.front()));
        QCOMPARE(gone.size(), deleted ? 1 : 0);
        QCOMPARE(QFile::exists(path), !deleted);
    }
};

QTEST_MAIN(TestDeleteConflict)
#include "test_deleteconflict.moc"
