// Texts that fit, in every shipped language: each label, button, check box and frame title of the
// bar, the options dialog, the contact card (its view and its edit form), the call window and
// Quintel Setup (from the menu and before the first start) shows its text whole at the size the
// window gives it.
// Screenshots of each window per language are kept in the build folder (textsfit/).

#include "actions/callwindow.h"
#include "actions/contactcard.h"
#include "barfixture.h"
#include "contactclient/vcard/vcardfolderstore.h"
#include "fakekeyring.h"
#include "settings/frmoptions.h"
#include "setup/setupwindow.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

QString plain(QString text)
{
    // The & of a mnemonic takes no room; "&&" is one shown &.
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widest(const QFontMetrics& metrics, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

// Shown on screen: neither it nor a parent up to the window is hidden.
bool shown(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->isHidden())
            return false;
        if (w->isWindow())
            break;
    }
    return true;
}

// What does not fit, one line each: "cmdSendMail: "SENDEN" needs 40 px, has 38".
QStringList clipped(QWidget& window)
{
    QStringList out;
    auto report = [&out](const QWidget* w, const QString& text, int needed, int has) {
        if (needed > has)
            out << QStringLiteral("%1 (%2): \"%3\" needs %4 px, has %5")
                       .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), text)
                       .arg(needed)
                       .arg(has);
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!shown(w))
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        if (auto* check = qobject_cast<QCheckBox*>(w); check && !check->text().isEmpty()) {
            report(w, check->text(), check->sizeHint().width(), check->width());
        } else if (auto* radio = qobject_cast<QRadioButton*>(w); radio && !radio->text().isEmpty()) {
            report(w, radio->text(), radio->sizeHint().width(), radio->width());
        } else if (auto* button = qobject_cast<QPushButton*>(w); button && !button->text().isEmpty()) {
            // The text and a pixel of frame on each side.
            report(w, button->text(), widest(metrics, plain(button->text())) + 2, button->contentsRect().width());
        } else if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
                continue;
            if (label->wordWrap())
                report(w, label->text(), label->heightForWidth(label->contentsRect().width()),
                       label->contentsRect().height());
            else
                report(w, label->text(), widest(metrics, plain(label->text())), label->contentsRect().width());
        } else if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty()) {
            report(w, group->title(), metrics.horizontalAdvance(plain(group->title())) + 16, group->width());
        } else if (auto* area = qobject_cast<QAbstractScrollArea*>(w);
                   area && area->objectName() == QLatin1String("Text1")) {
            // The note under the preference is read, not scrolled.
            report(w, QStringLiteral("(note)"), area->verticalScrollBar()->maximum(), 0);
        }
    }
    return out;
}

void keep(QWidget& window, const QString& language, const QString& name)
{
    const QString folder = QStringLiteral(QUINTEL_BUILD_DIR "/textsfit");
    QDir().mkpath(folder);
    window.grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, language, name));
}

// The program's and Qt's translation for one language, installed while it lives.
struct Language {
    QTranslator own;
    QTranslator qt;
    explicit Language(const QString& language)
    {
        if (own.load(QStringLiteral("quintel_") + language, QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(&own);
        if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt);
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&own);
        QCoreApplication::removeTranslator(&qt);
    }
};

// A contact with a row of every kind the card shows, in a folder Quintel writes (Edit and Delete
// enabled).
const QByteArray kFullCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\nNICKNAME:Annie\r\n"
                             "ORG:Acme\r\nTITLE:Engineer\r\nEMAIL;TYPE=work:ann@work.example\r\n"
                             "EMAIL;TYPE=home:ann@home.example\r\nTEL;TYPE=cell:+1 555 0101\r\n"
                             "TEL;TYPE=work:+1 555 0102\r\nADR;TYPE=home:;;1 Main St;Springfield;;12345;USA\r\n"
                             "URL:https://ann.example\r\nBDAY:1985-04-12\r\nCATEGORIES:Friends\r\n"
                             "NOTE:Met at the fair\r\nEND:VCARD\r\n";

} // namespace

class TestTextsFit : public QObject {
    Q_OBJECT
private slots:
    void windows_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr", "es", "it", "pt_BR", "nl", "pl", "ru"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void windows()
    {
        QFETCH(QString, language);
        const Language installed(language);
        QStringList problems;

        {
            BarFixture f;
            frmMain& bar = f.create();
            bar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&bar));
            for (const QString& line : clipped(bar))
                problems << QStringLiteral("bar: ") + line;
            keep(bar, language, QStringLiteral("bar"));
            // The quick-mail buttons show in the mail mode only; they are measured all the same.
            for (const char* name : {"cmdSendMail", "cmdClearMail", "cmdCancelMail"}) {
                auto* button = bar.findChild<QPushButton*>(QString::fromLatin1(name));
                QVERIFY(button);
                const int needed = widest(button->fontMetrics(), plain(button->text())) + 2;
                if (needed > button->contentsRect().width())
                    problems << QStringLiteral("bar: %1: \"%2\" needs %3 px, has %4")
                                    .arg(button->objectName(), button->text())
                                    .arg(needed)
                                    .arg(button->contentsRect().width());
            }

            frmOptions* options = frmOptions::showDialog(f.settings);
            QVERIFY(QTest::qWaitForWindowExposed(options));
            for (int page = 0; page < 2; ++page) {
                options->picOptions.at(page)->show();
                options->picOptions.at(1 - page)->hide();
                for (const QString& line : clipped(*options))
                    problems << QStringLiteral("options: ") + line;
                keep(*options, language, page == 0 ? QStringLiteral("options") : QStringLiteral("options-about"));
            }
            delete options;
        }
        {
            fake::MemorySettingsStore store;
            FakeKeyring keyring;
            setup::SetupWindow setupWindow(store, keyring);
            setupWindow.show();
            QVERIFY(QTest::qWaitForWindowExposed(&setupWindow));
            // Every page of the window, in turn.
            auto* pages = ui<QTabWidget>(setupWindow, "tabSetup");
            QVERIFY(pages);
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QTest::qWait(0);
                for (const QString& line : clipped(setupWindow))
                    problems << QStringLiteral("setup, page %1: ").arg(page + 1) + line;
                keep(setupWindow, language, QStringLiteral("setup-%1").arg(page + 1));
            }
        }
        {
            fake::MemorySettingsStore store;
            FakeKeyring keyring;
            setup::SetupWindow setupWindow(store, keyring, setup::SetupWindow::Mode::FirstRun);
            setupWindow.setFoundBooks(
                {{QStringLiteral("vdirsyncer"), QStringLiteral("vcard:/home/ann/.contacts"),
                  QStringLiteral("/home/ann/.contacts"), 12},
                 {QStringLiteral("Thunderbird"), QStringLiteral("thunderbird:/home/ann/.thunderbird"),
                  QStringLiteral("/home/ann/.thunderbird"), -1}});
            // The note on using one's own mail program shows while it is chosen.
            auto* mailClient = ui<QRadioButton>(setupWindow, "optMailClient");
            QVERIFY(mailClient);
            mailClient->setChecked(true);
            setupWindow.show();
            QVERIFY(QTest::qWaitForWindowExposed(&setupWindow));
            auto* pages = ui<QTabWidget>(setupWindow, "tabSetup");
            QVERIFY(pages);
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QTest::qWait(0);
                for (const QString& line : clipped(setupWindow))
                    problems << QStringLiteral("setup (first start), page %1: ").arg(page + 1) + line;
                keep(setupWindow, language, QStringLiteral("setup-firstrun-%1").arg(page + 1));
            }
            pages->setCurrentWidget(ui<QWidget>(setupWindow, "tabMail"));
            QVERIFY(ui<QLabel>(setupWindow, "lblMailClientHint")->isVisible());
        }
        {
            QTemporaryDir dir;
            QFile file(dir.filePath(QStringLiteral("ann.vcf")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kFullCard);
            file.close();
            contactclient::VCardFolderStore store(dir.path(), std::nullopt);
            store.open();
            const auto item = store.itemFromId(QStringLiteral("ann.vcf"));
            QVERIFY(item);
            ContactCard card({QStringLiteral("Friends"), QStringLiteral("Work")});
            card.setAttribute(Qt::WA_DeleteOnClose, false);
            card.setContact(*item);
            card.show();
            QVERIFY(QTest::qWaitForWindowExposed(&card));
            QVERIFY(card.cmdEdit->isEnabled());
            for (const QString& line : clipped(card))
                problems << QStringLiteral("card: ") + line;
            keep(card, language, QStringLiteral("card"));
            QVERIFY(card.edit());
            QTest::qWait(0);
            for (const QString& line : clipped(card))
                problems << QStringLiteral("card (edit): ") + line;
            keep(card, language, QStringLiteral("card-edit"));

            CallWindow call;
            call.setAttribute(Qt::WA_DeleteOnClose, false);
            call.setContact(*item);
            call.show();
            QVERIFY(QTest::qWaitForWindowExposed(&call));
            for (const QString& line : clipped(call))
                problems << QStringLiteral("call window: ") + line;
            keep(call, language, QStringLiteral("call"));
        }
        if (!problems.isEmpty())
            qWarning().noquote() << problems.join(QLatin1Char('\n'));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(problems.size())));
    }
};

QTEST_MAIN(TestTextsFit)
#include "test_textsfit.moc"
