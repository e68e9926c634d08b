// The letter: documents held until Visible, written as Flat ODT into a private folder and opened
// with LibreOffice; headless LibreOffice proves the files hold exactly the text.

#include "contactclient/errors.h"
#include "wordprocessor/libreoffice.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

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

    // Lays out a folder for the hostile-folder cases: "dir:MODE[:other]" makes a folder (owned by
    // another user with ":other"), "link:TARGET" a symbolic link to another entry of the layout.
    static bool lay(const QString& root, const QStringList& layout)
    {
        for (const QString& entry : layout) {
            const QStringList f = entry.split(QLatin1Char(':'));
            const QString path = QDir(root).filePath(f.at(1));
            if (f.at(0) == QStringLiteral("link")) {
                if (!QFile::link(QDir(root).filePath(f.at(2)), path))
                    return false;
                continue;
            }
            const QByteArray p = QFile::encodeName(path);
            if (::mkdir(p.constData(), 0700) != 0 || ::chmod(p.constData(), f.at(2).toUInt(nullptr, 8)) != 0)
                return false;
            if (f.size() > 3 && ::chown(p.constData(), 65534, 65534) != 0) // nobody
                return false;
        }
        return true;
    }
    static uint modeOf(const QString& path)
    {
        struct stat st {};
        return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
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
        // xdg-open would hand the file to whatever takes it, or to nothing, without a word.
        QTest::newRow("no LibreOffice") << QStringList{QStringLiteral("xdg-open")} << QString() << false;
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
            QVERIFY2(e.description().contains(QStringLiteral("package libreoffice-writer")),
                     qPrintable(e.description()));
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

    // The letter folder and the folders above it: nothing owned by someone else or writable by
    // others is used, no symbolic link is followed into it, and a refused folder keeps its mode.
    void hostileFolder_data()
    {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR (inside the layout) or empty
        QTest::addColumn<QString>("folder");  // the preferred folder when runtime is empty
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("untouched"); // a folder whose mode must not change
        const QString none;
        QTest::newRow("own folder, loose mode")
            << QStringList{QStringLiteral("dir:a:755"), QStringLiteral("dir:a/letters:755")} << none
            << QStringLiteral("a/letters") << true << none;
        QTest::newRow("sticky shared parent")
            << QStringList{QStringLiteral("dir:t:1777")} << none << QStringLiteral("t/letters") << true << none;
        QTest::newRow("base through own link")
            << QStringList{QStringLiteral("dir:real:700"), QStringLiteral("link:base:real")} << none
            << QStringLiteral("base/letters") << true << none;
        QTest::newRow("parent writable by all")
            << QStringList{QStringLiteral("dir:w:777")} << none << QStringLiteral("w/letters") << false << none;
        QTest::newRow("folder is a link") << QStringList{QStringLiteral("dir:b:700"), QStringLiteral("dir:mine:755"),
                                                         QStringLiteral("link:b/letters:mine")}
                                          << none << QStringLiteral("b/letters") << false << QStringLiteral("mine");
        QTest::newRow("runtime: quintel is a link")
            << QStringList{QStringLiteral("dir:rt:700"), QStringLiteral("dir:elsewhere:755"),
                           QStringLiteral("link:rt/quintel:elsewhere")}
            << QStringLiteral("rt") << none << false << QStringLiteral("elsewhere");
        // These need another user's folders: as root (CI) they are made with chown.
        QTest::newRow("runtime: quintel owned by another, 0777")
            << QStringList{QStringLiteral("dir:rt:700"), QStringLiteral("dir:rt/quintel:777:other")}
            << QStringLiteral("rt") << none << false << QStringLiteral("rt/quintel");
        QTest::newRow("folder owned by another")
            << QStringList{QStringLiteral("dir:c:700"), QStringLiteral("dir:c/letters:755:other")} << none
            << QStringLiteral("c/letters") << false << QStringLiteral("c/letters");
        QTest::newRow("link to another's folder")
            << QStringList{QStringLiteral("dir:d:700"), QStringLiteral("dir:theirs:755:other"),
                           QStringLiteral("link:d/letters:theirs")}
            << none << QStringLiteral("d/letters") << false << QStringLiteral("theirs");
        QTest::newRow("parent owned by another") << QStringList{QStringLiteral("dir:e:755:other")} << none
                                                 << QStringLiteral("e/letters") << false << QStringLiteral("e");
    }
    void hostileFolder()
    {
        QFETCH(QStringList, layout);
        QFETCH(QString, runtime);
        QFETCH(QString, folder);
        QFETCH(bool, accepted);
        QFETCH(QString, untouched);
        const bool needsOther = layout.join(QLatin1Char(' ')).contains(QStringLiteral(":other"));
        if (needsOther && ::geteuid() != 0)
            QSKIP("needs root to give a folder to another user");
        QTemporaryDir root;
        QVERIFY(lay(root.path(), layout));
        const uint modeBefore = untouched.isEmpty() ? 0 : modeOf(root.filePath(untouched));
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        if (!runtime.isEmpty())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.filePath(runtime)));
        QString got;
        QString error;
        try {
            got = wordprocessor::privateLetterFolder(folder.isEmpty() ? QString() : root.filePath(folder));
        } catch (const contactclient::AutomationError& e) {
            error = e.description();
        }
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        if (!untouched.isEmpty())
            QCOMPARE(modeOf(root.filePath(untouched)), modeBefore);
        QVERIFY2(accepted == error.isEmpty(), qPrintable(error));
        if (accepted)
            QCOMPARE(modeOf(got), 0700u);
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
