// The letter: documents held until Visible, written as Flat ODT into a private folder and opened
// with LibreOffice (or xdg-open); headless LibreOffice proves the files hold exactly the text.

#include "contactclient/errors.h"
#include "wordprocessor/libreoffice.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Launch = QPair<QString, QStringList>;

class TestLetter : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_tmp;
    QList<Launch> m_launched;

    std::shared_ptr<wordprocessor::Application> letters(const QStringList& installed, const QString& folder)
    {
        wordprocessor::OpenerEnvironment env;
        env.findProgram = [installed](const QString& name) {
            return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        };
        env.startDetached = [this](const QString& program, const QStringList& args) {
            m_launched.append({program, args});
            return true;
        };
        env.folder = folder;
        return wordprocessor::createLibreOffice(env);
    }
    static void write(wordprocessor::Application& app, const QString& text)
    {
        app.Documents().Add().Content().setText(text);
        app.setVisible(true);
    }

private slots:
    void init() { m_launched.clear(); }

    void opener_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("program"); // empty: refused
        QTest::addColumn<bool>("newDocumentFlag");
        QTest::newRow("LibreOffice") << QStringList{QStringLiteral("soffice"), QStringLiteral("xdg-open")}
                                     << QStringLiteral("/usr/bin/soffice") << true;
        QTest::newRow("no LibreOffice") << QStringList{QStringLiteral("xdg-open")}
                                        << QStringLiteral("/usr/bin/xdg-open") << false;
        QTest::newRow("neither") << QStringList{} << QString() << false;
    }
    void opener()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, program);
        QFETCH(bool, newDocumentFlag);
        const QString folder = m_tmp.filePath(QStringLiteral("opener-") + QString::fromLatin1(QTest::currentDataTag()));
        auto app = letters(installed, folder);
        app->Documents().Add().Content().setText(QStringLiteral("Held"));
        QVERIFY(m_launched.isEmpty()); // nothing is started before Visible
        try {
            app->setVisible(true);
            QVERIFY(!program.isEmpty());
        } catch (const contactclient::AutomationError& e) {
            QVERIFY2(program.isEmpty(), qPrintable(e.description()));
            QCOMPARE(e.number(), int(contactclient::errWordProcessor));
            QVERIFY(e.description().contains(QStringLiteral("No word processor")));
            return;
        }
        QCOMPARE(m_launched.size(), 1);
        QCOMPARE(m_launched.first().first, program);
        const QStringList args = m_launched.first().second;
        QCOMPARE(args.size(), newDocumentFlag ? 2 : 1);
        if (newDocumentFlag)
            QCOMPARE(args.first(), QStringLiteral("-n"));
        const QFileInfo file(args.last());
        QCOMPARE(file.absolutePath(), QDir(folder).absolutePath());
        QCOMPARE(file.suffix(), QStringLiteral("fodt"));
        // Only its owner may enter the folder (user, group and other bits: rwx------).
        QCOMPARE(QFileInfo(folder).permissions() & 0x0777,
                 QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
        // Visible again opens nothing already opened.
        app->setVisible(true);
        QCOMPARE(m_launched.size(), 1);
    }

    // A letter that could not be opened is not opened again with the next one: the second letter
    // opens its own file only.
    void failedLetterIsNotRetried()
    {
        wordprocessor::OpenerEnvironment env;
        env.findProgram = [](const QString& name) -> QString { return QStringLiteral("/usr/bin/") + name; };
        bool fail = true;
        env.startDetached = [this, &fail](const QString& program, const QStringList& args) {
            m_launched.append({program, args});
            return !fail;
        };
        env.folder = m_tmp.filePath(QStringLiteral("retry"));
        auto app = wordprocessor::createLibreOffice(env);
        QVERIFY_THROWS_EXCEPTION(contactclient::AutomationError, write(*app, QStringLiteral("First contact")));
        fail = false;
        write(*app, QStringLiteral("Second contact"));
        QCOMPARE(m_launched.size(), 2);
        QVERIFY(m_launched.at(0).second.last() != m_launched.at(1).second.last());
        QFile second(m_launched.at(1).second.last());
        QVERIFY(second.open(QIODevice::ReadOnly));
        const QByteArray xml = second.readAll();
        QVERIFY(xml.contains("Second contact"));
        QVERIFY(!xml.contains("First contact"));
    }

    // Two letters give two documents, and each converts to exactly its text.
    void lettersHoldTheirText()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("LibreOffice is not installed");
        const QString folder = m_tmp.filePath(QStringLiteral("letters"));
        auto app = letters({QStringLiteral("soffice")}, folder);
        const QStringList texts{
            QStringLiteral("Tom & Jerry <Cats> \"Ltd\"\r\nMüllerstraße 5\n12345 Köln\nΕλλάδα 日本"),
            QStringLiteral("Ann  Émile\r\n\tIndented  twice\n"),
        };
        for (const QString& t : texts)
            write(*app, t);
        QCOMPARE(m_launched.size(), 2);
        QStringList files;
        for (const Launch& l : std::as_const(m_launched))
            files.append(l.second.last());
        QVERIFY(files.at(0) != files.at(1));

        const QString out = m_tmp.filePath(QStringLiteral("converted"));
        QProcess soffice;
        soffice.setProcessChannelMode(QProcess::MergedChannels);
        soffice.start(
            QStringLiteral("timeout"),
            QStringList{QStringLiteral("-k"), QStringLiteral("5"), QStringLiteral("60"), QStringLiteral("soffice"),
                        QStringLiteral("--headless"),
                        QStringLiteral("-env:UserInstallation=file://") + m_tmp.filePath(QStringLiteral("profile")),
                        QStringLiteral("--convert-to"), QStringLiteral("txt:Text"), QStringLiteral("--outdir"), out} +
                files);
        QVERIFY(soffice.waitForFinished(90000));
        QVERIFY2(soffice.exitCode() == 0, soffice.readAll().constData());
        for (int i = 0; i < files.size(); ++i) {
            QFile txt(QDir(out).filePath(QFileInfo(files.at(i)).completeBaseName() + QStringLiteral(".txt")));
            QVERIFY2(txt.open(QIODevice::ReadOnly), qPrintable(txt.fileName()));
            QByteArray got = txt.readAll();
            if (got.startsWith("\xEF\xBB\xBF"))
                got.remove(0, 3);
            QString expected = texts.at(i);
            expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            QCOMPARE(QString::fromUtf8(got), expected + QLatin1Char('\n'));
        }
    }
};

QTEST_GUILESS_MAIN(TestLetter)
#include "test_letter.moc"
