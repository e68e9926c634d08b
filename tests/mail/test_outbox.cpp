// The outbox: messages kept on disk and sent later through a real SMTP server on 127.0.0.1, each
// at most once, also when the bar stopped between the server's accept and the removal.

#include "actions/mailserver.h"
#include "contactclient/errors.h"
#include "mail/mailaccount.h"
#include "mail/outbox.h"
#include "mail/outboxsender.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using contactclient::AutomationError;
using testsupport::write;
using testsupport::writeFile;

namespace {

struct Crash {};

QByteArray message(const QByteArray& subject, const QByteArray& to = "js@example.com")
{
    return "From: me@example.org\r\nTo: " + to + "\r\nSubject: " + subject + "\r\n\r\nText\r\n";
}

// Keeps message(subject, to) from me@example.org to that address.
QString keep(mail::Outbox& outbox, const QByteArray& subject, const QByteArray& to = "js@example.com")
{
    return outbox.keep(QStringLiteral("me@example.org"), {QString::fromLatin1(to)}, message(subject, to));
}

// The most memory this process has held so far, in MB.
qint64 peakMegabytes()
{
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Makes a kept message `size` bytes long without the disk space (the rest is a hole).
bool makeSparse(const QString& path, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.resize(size);
}

} // namespace

class TestOutbox : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_tmp;

    QString folder() const { return m_tmp->filePath(QStringLiteral("outbox")); }
    mail::MailAccount account(int port) const
    {
        mail::MailAccount a = smtpAccount(port);
        a.outboxFolder = folder();
        return a;
    }

private slots:
    void init() { m_tmp = std::make_unique<QTemporaryDir>(); }

    void keptAsWritten()
    {
        mail::Outbox outbox(folder());
        const QByteArray bytes =
            message("One", "Ann <a@example.com>,\r\n \"Lee, Bob\" <B@Example.com>") + QByteArray(70000, 'x') + "\r\n";
        const QString first = outbox.keep(QStringLiteral("me@example.org"),
                                          {QStringLiteral("a@example.com"), QStringLiteral("b@example.com")}, bytes);
        const QString second =
            outbox.keep(QString(), {QStringLiteral("c@example.com")}, message("Two", "c@example.com"));
        QCOMPARE(outbox.ids(), (QStringList{first, second}));
        const mail::OutboxMessage m = outbox.read(first);
        QString why;
        QCOMPARE(mail::readAll(*m.message, bytes.size(), &why).value_or(QByteArray()), bytes);
        QCOMPARE(m.from, QStringLiteral("me@example.org"));
        QCOMPARE(m.recipients, (QStringList{QStringLiteral("a@example.com"), QStringLiteral("b@example.com")}));
        QCOMPARE(outbox.read(second).from, QString()); // sendmail adds its own sender
        // Nothing but the messages and their envelopes: no temporary files left behind.
        QCOMPARE(QDir(folder()).entryList(QDir::Files).size(), 4);
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("envelope"); // "-": no envelope file
        QTest::addColumn<QByteArray>("eml");
        QTest::addColumn<QString>("why");
        QTest::newRow("envelope missing") << QByteArray("-") << message("x") << "recipients are missing";
        QTest::newRow("no recipient") << QByteArray("me@example.org\n") << message("x") << "no recipient";
        QTest::newRow("empty envelope") << QByteArray() << message("x") << "no recipient";
        QTest::newRow("recipient with a line break")
            << QByteArray("me@example.org\na@example.com\rRCPT TO:<x@evil.org>\n") << message("x") << "not usable";
        QTest::newRow("recipient not an address")
            << QByteArray("me@example.org\nnobody\n") << message("x") << "not usable";
        QTest::newRow("sender with a control character")
            << QByteArray("me@exa\x01mple.org\na@example.com\n") << message("x") << "sender";
        QTest::newRow("truncated message")
            << QByteArray("me@example.org\na@example.com\n") << QByteArray("From: me@exa") << "not a mail message";
        QTest::newRow("empty message") << QByteArray("me@example.org\na@example.com\n") << QByteArray()
                                       << "not a mail message";
    }
    void damaged()
    {
        QFETCH(QByteArray, envelope);
        QFETCH(QByteArray, eml);
        QFETCH(QString, why);
        QDir().mkpath(folder());
        write(folder() + QStringLiteral("/20260101-000000-000-bad.eml"), eml);
        if (envelope != "-")
            write(folder() + QStringLiteral("/20260101-000000-000-bad.env"), envelope);
        mail::Outbox outbox(folder());
        try {
            outbox.read(QStringLiteral("20260101-000000-000-bad"));
            QFAIL("damage not found");
        } catch (const AutomationError& e) {
            QVERIFY2(e.description().contains(QStringLiteral("damaged")) && e.description().contains(why),
                     qPrintable(e.description()));
        }
    }

    void retryWaits_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<int>("seconds");
        QTest::newRow("first") << 0 << 30;
        QTest::newRow("second doubles") << 1 << 60;
        QTest::newRow("fifth") << 4 << 480;
        QTest::newRow("capped at half an hour") << 6 << 1800;
        QTest::newRow("far later still capped (no overflow)") << 40 << 1800;
        QTest::newRow("negative is the first") << -1 << 30;
    }
    void retryWaits()
    {
        QFETCH(int, attempt);
        QFETCH(int, seconds);
        QCOMPARE(mail::retryDelaySeconds(attempt), seconds);
    }

    // Server down: the mail waits; server up: it goes out once, and only once.
    void downThenUp()
    {
        mail::Outbox outbox(folder());
        keep(outbox, "Later");

        mail::OutboxReport down = mail::sendOutbox(account(MailServer::closedPort()));
        QVERIFY(down.tryLater);
        QCOMPARE(down.sent, 0);
        QCOMPARE(down.waiting, 1);
        QVERIFY2(down.problems.isEmpty(), qPrintable(down.problems.join(QLatin1Char('\n'))));

        MailServer server;
        QVERIFY(server.start());
        mail::OutboxReport up = mail::sendOutbox(account(server.port));
        QCOMPARE(up.sent, 1);
        QCOMPARE(up.waiting, 0);
        QVERIFY(!up.tryLater);
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(server.message(0), message("Later"));
        QCOMPARE(server.envelope(0), QByteArray("me@example.org\njs@example.com\n"));

        const mail::OutboxReport again = mail::sendOutbox(account(server.port));
        QCOMPARE(again.sent, 0);
        QCOMPARE(server.received().size(), 1);
        QVERIFY(QDir(folder()).entryList(QDir::Files).isEmpty());
    }

    // The bar stops after the server took the mail and before it was removed: the next start
    // does not send it again unless the user says so.
    void stoppedBetweenAcceptAndRemoval()
    {
        mail::Outbox outbox(folder());
        const QString id = keep(outbox, "Once");
        MailServer server;
        QVERIFY(server.start());
        mail::OutboxSendOptions crash;
        crash.afterAccept = [](const QString&) { throw Crash{}; };
        QVERIFY_THROWS_EXCEPTION(Crash, mail::sendOutbox(account(server.port), crash));
        QCOMPARE(server.received().size(), 1);

        const mail::OutboxReport next = mail::sendOutbox(account(server.port));
        QCOMPARE(next.sent, 0);
        QCOMPARE(next.inDoubt, QStringList{id});
        QCOMPARE(next.inDoubtAbout, QStringList{QStringLiteral("js@example.com")});
        QCOMPARE(server.received().size(), 1);

        mail::OutboxSendOptions yes;
        yes.resend = {id};
        const mail::OutboxReport resent = mail::sendOutbox(account(server.port), yes);
        QCOMPARE(resent.sent, 1);
        QCOMPARE(resent.waiting, 0);
        QCOMPARE(server.received().size(), 2);
    }

    // A damaged file is reported and set aside; the others still go out, in order.
    void damagedAmongOthers()
    {
        mail::Outbox outbox(folder());
        keep(outbox, "First", "a@example.com");
        const QString bad = keep(outbox, "Bad", "b@example.com");
        keep(outbox, "Third", "c@example.com");
        QFile::remove(folder() + QLatin1Char('/') + bad + QStringLiteral(".env"));

        MailServer server;
        QVERIFY(server.start());
        const mail::OutboxReport report = mail::sendOutbox(account(server.port));
        QCOMPARE(report.sent, 2);
        QCOMPARE(report.waiting, 0);
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(report.problems.first().contains(QStringLiteral("damaged")), qPrintable(report.problems.first()));
        QCOMPARE(server.message(0), message("First", "a@example.com"));
        QCOMPARE(server.message(1), message("Third", "c@example.com"));
        // Set aside, not deleted.
        QVERIFY(QFile::exists(m_tmp->filePath(QStringLiteral("outbox-not-sent/") + bad + QStringLiteral(".eml"))));
        QCOMPARE(mail::sendOutbox(account(server.port)).problems.size(), 0);
    }

    // The outbox and its files are the user's alone.
    void keptPrivately()
    {
        mail::Outbox outbox(folder());
        const QString id = keep(outbox, "Mine");
        const auto mode = [](const QString& path) {
            struct stat st {};
            return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
        };
        QCOMPARE(mode(folder()), 0700);
        for (const char* suffix : {".eml", ".env"})
            QCOMPARE(mode(folder() + QLatin1Char('/') + id + QLatin1String(suffix)), 0600);
        // A folder that is a symbolic link to another is not written through.
        const QString elsewhere = m_tmp->filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, m_tmp->filePath(QStringLiteral("linked"))));
        mail::Outbox linked(m_tmp->filePath(QStringLiteral("linked")));
        QVERIFY_THROWS_EXCEPTION(AutomationError, keep(linked, "x"));
        QVERIFY(QDir(elsewhere).isEmpty());
    }

    // Files planted in the outbox, or changed there: none of them goes out, each is set aside with
    // a note, and the message kept after them is sent.
    void plantedFiles_data()
    {
        QTest::addColumn<QString>("plant"); // what is done to the first message's files
        QTest::addColumn<QString>("why");   // in the note

        QTest::newRow("message a link to another file") << "eml-link"
                                                        << "symbolic link";
        QTest::newRow("envelope a link to another file") << "env-link"
                                                         << "symbolic link";
        QTest::newRow("message a pipe") << "eml-fifo"
                                        << "not a regular file";
        QTest::newRow("message of another user") << "eml-owner"
                                                 << "another user";
        QTest::newRow("recipient added to the envelope") << "env-added"
                                                         << "not one the message is addressed to";
        QTest::newRow("envelope of other recipients") << "env-replaced"
                                                      << "not one the message is addressed to";
    }
    void plantedFiles()
    {
        QFETCH(QString, plant);
        QFETCH(QString, why);
        if (plant == QLatin1String("eml-owner") && ::geteuid() != 0)
            QSKIP("giving a file to another user takes root");
        mail::Outbox outbox(folder());
        const QString first = keep(outbox, "First");
        const QString second = keep(outbox, "Second");
        const QString eml = folder() + QLatin1Char('/') + first + QStringLiteral(".eml");
        const QString env = folder() + QLatin1Char('/') + first + QStringLiteral(".env");
        const QString secret = m_tmp->filePath(QStringLiteral("secret.txt"));
        writeFile(secret, "To: js@example.com\r\n\r\nThe private key\r\n");
        if (plant == QLatin1String("eml-link")) {
            QVERIFY(QFile::remove(eml) && QFile::link(secret, eml));
        } else if (plant == QLatin1String("env-link")) {
            writeFile(m_tmp->filePath(QStringLiteral("env.txt")), "me@example.org\njs@example.com\n");
            QVERIFY(QFile::remove(env) && QFile::link(m_tmp->filePath(QStringLiteral("env.txt")), env));
        } else if (plant == QLatin1String("eml-fifo")) {
            QVERIFY(QFile::remove(eml));
            QCOMPARE(::mkfifo(QFile::encodeName(eml).constData(), 0600), 0);
        } else if (plant == QLatin1String("eml-owner")) {
            QCOMPARE(::chown(QFile::encodeName(eml).constData(), 65534, 65534), 0);
        } else if (plant == QLatin1String("env-added")) {
            writeFile(env, "me@example.org\njs@example.com\nspy@example.net\n");
        } else if (plant == QLatin1String("env-replaced")) {
            writeFile(env, "me@example.org\nspy@example.net\n");
        }

        MailServer server;
        QVERIFY(server.start());
        const mail::OutboxReport report = mail::sendOutbox(account(server.port));
        QCOMPARE(report.sent, 1);
        QCOMPARE(report.waiting, 0);
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(report.problems.first().contains(why), qPrintable(report.problems.first()));
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(server.message(0), message("Second"));
        QVERIFY(!server.envelope(0).contains("spy@"));
        // The planted file is kept for the user to look at, not deleted; what it led to is untouched.
        QVERIFY(
            QFileInfo(m_tmp->filePath(QStringLiteral("outbox-not-sent/") + first + QStringLiteral(".eml")))
                .isSymLink() ||
            QFileInfo::exists(m_tmp->filePath(QStringLiteral("outbox-not-sent/") + first + QStringLiteral(".eml"))));
        QVERIFY(QFileInfo::exists(secret));
        Q_UNUSED(second);
    }

    // A message larger than the account sends is set aside unread, with a note naming the limit,
    // and the message after it still goes out.
    void tooLargeSetAside_data()
    {
        QTest::addColumn<QStringList>("serverOptions");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("why");
        const qint64 mb = 1024 * 1024;
        QTest::newRow("over the server's SIZE")
            << QStringList{QStringLiteral("--size-limit"), QStringLiteral("1048576")} << 2 * mb
            << "The mail is 2 MB, larger than the 1 MB the mail server";
        QTest::newRow("2 GB, the server's usual SIZE")
            << QStringList{} << 2048 * mb << "The mail is 2048 MB, larger than the 32 MB the mail server";
        QTest::newRow("2 GB, a server that states no limit")
            << QStringList{QStringLiteral("--size-limit"), QStringLiteral("0")} << 2048 * mb
            << "larger than the 64 MB sent to a mail server that states no limit";
    }
    void tooLargeSetAside()
    {
        QFETCH(QStringList, serverOptions);
        QFETCH(qint64, size);
        QFETCH(QString, why);
        mail::Outbox outbox(folder());
        const QString big = keep(outbox, "Big");
        keep(outbox, "After");
        QVERIFY(makeSparse(folder() + QLatin1Char('/') + big + QStringLiteral(".eml"), size));

        MailServer server;
        QVERIFY(server.start(serverOptions));
        const qint64 peakBefore = peakMegabytes();
        const mail::OutboxReport report = mail::sendOutbox(account(server.port));
        QVERIFY2(peakMegabytes() - peakBefore < 32, "the message was read into memory");
        QCOMPARE(report.sent, 1);
        QCOMPARE(report.waiting, 0);
        QVERIFY(!report.tryLater);
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(report.problems.first().contains(why) && report.problems.first().contains(QStringLiteral("moved to")),
                 qPrintable(report.problems.first()));
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(server.message(0), message("After"));
        // Kept whole for the user, not in doubt, and not tried again.
        const QString aside = m_tmp->filePath(QStringLiteral("outbox-not-sent/") + big);
        QCOMPARE(QFileInfo(aside + QStringLiteral(".eml")).size(), size);
        QVERIFY(!QFileInfo::exists(aside + QStringLiteral(".sending")));
        QCOMPARE(mail::sendOutbox(account(server.port)).problems.size(), 0);
    }

    // A message larger than the usual limit goes out to a server that states a larger one, read a
    // piece at a time as it is sent.
    void largeMessageStreamed()
    {
        mail::Outbox outbox(folder());
        const QByteArray head = message("Large");
        const QString id = outbox.keep(QStringLiteral("me@example.org"), {QStringLiteral("js@example.com")}, head);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(head);
        qint64 size = head.size();
        {
            QFile eml(folder() + QLatin1Char('/') + id + QStringLiteral(".eml"));
            QVERIFY(eml.open(QIODevice::Append));
            QByteArray piece;
            for (int i = 0; i < 13'000; ++i)
                piece += QByteArray::number(i).rightJustified(76, 'x') + "\r\n";
            while (size < 70LL * 1024 * 1024) {
                QCOMPARE(eml.write(piece), piece.size());
                hash.addData(piece);
                size += piece.size();
            }
        }
        MailServer server;
        QVERIFY(server.start({QStringLiteral("--size-limit"), QString::number(100 * 1024 * 1024)}));
        const qint64 peakBefore = peakMegabytes();
        const mail::OutboxReport report = mail::sendOutbox(account(server.port));
#ifndef __SANITIZE_ADDRESS__
        // The address sanitizer keeps freed pieces in its quarantine, so the peak says nothing there.
        QVERIFY2(peakMegabytes() - peakBefore < 32, "the message was read into memory");
#else
        Q_UNUSED(peakBefore);
#endif
        QVERIFY2(report.problems.isEmpty(), qPrintable(report.problems.join(QLatin1Char('\n'))));
        QCOMPARE(report.sent, 1);
        const QByteArray received = server.message(0);
        QCOMPARE(received.size(), size);
        QCOMPARE(QCryptographicHash::hash(received, QCryptographicHash::Sha256), hash.result());
    }

    // The server refuses one message (a recipient it does not know): that message waits, with a
    // note when the refusal will not pass, and the messages after it still go out.
    void refusedMessageDoesNotHoldBackOthers_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("tryLater");
        QTest::newRow("refused for good") << "550" << false;
        QTest::newRow("refused for now") << "450" << true;
    }
    void refusedMessageDoesNotHoldBackOthers()
    {
        QFETCH(QString, code);
        QFETCH(bool, tryLater);
        mail::Outbox outbox(folder());
        const QString refused = keep(outbox, "Refused", "nobody@example.com");
        keep(outbox, "After");
        MailServer server;
        QVERIFY(server.start({QStringLiteral("--refuse"), code, QStringLiteral("nobody@example.com")}));
        const mail::OutboxReport report = mail::sendOutbox(account(server.port));
        QCOMPARE(report.sent, 1);
        QCOMPARE(report.waiting, 1);
        QCOMPARE(report.tryLater, tryLater);
        QCOMPARE(report.problems.size(), tryLater ? 0 : 1);
        if (!tryLater)
            QVERIFY2(report.problems.first().contains(code), qPrintable(report.problems.first()));
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(server.message(0), message("After"));
        QCOMPARE(outbox.ids(), QStringList{refused});
        QVERIFY(!outbox.isInDoubt(refused));
    }

    // An outbox folder that is a symbolic link is neither sent from nor changed.
    void linkedFolderNotSentFrom()
    {
        const QString elsewhere = m_tmp->filePath(QStringLiteral("elsewhere"));
        {
            mail::Outbox real(elsewhere);
            keep(real, "Planted");
        }
        QVERIFY(QFile::link(elsewhere, folder()));
        MailServer server;
        QVERIFY(server.start());
        const mail::OutboxReport report = mail::sendOutbox(account(server.port));
        QCOMPARE(report.sent, 0);
        QCOMPARE(report.problems.size(), 1);
        QVERIFY2(report.problems.first().contains(QStringLiteral("symbolic link")),
                 qPrintable(report.problems.first()));
        QCOMPARE(server.received().size(), 0);
        QCOMPARE(QDir(elsewhere).entryList(QDir::Files).size(), 2);
    }

    // A refusal that will not pass (a bad setting) keeps every message and says why.
    void refusedKeepsAll()
    {
        mail::Outbox outbox(folder());
        keep(outbox, "A", "a@example.com");
        mail::MailAccount a = account(25);
        a.smtpHost = QStringLiteral("mail.example.org"); // plain SMTP to another host is refused
        const mail::OutboxReport report = mail::sendOutbox(a);
        QCOMPARE(report.sent, 0);
        QCOMPARE(report.waiting, 1);
        QVERIFY(!report.tryLater);
        QCOMPARE(report.problems.size(), 1);
        QVERIFY(!outbox.isInDoubt(outbox.ids().first()));
    }
};

QTEST_GUILESS_MAIN(TestOutbox)
#include "test_outbox.moc"
