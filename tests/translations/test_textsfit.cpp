// Texts that fit, in every shipped language: each label, button, check box and frame title of the
// bar, the options dialog and Quintel Setup shows its text whole at the size the window gives it.
// Screenshots of each window per language are kept in the build folder (textsfit/).

#include "barfixture.h"
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
            for (const QString& line : clipped(setupWindow))
                problems << QStringLiteral("setup: ") + line;
            keep(setupWindow, language, QStringLiteral("setup"));
        }
        if (!problems.isEmpty())
            qWarning().noquote() << problems.join(QLatin1Char('\n'));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(problems.size())));
    }
};

QTEST_MAIN(TestTextsFit)
#include "test_textsfit.moc"
