// Mail items: recipients, the message on the wire, and the three transports against real
// receivers (an SMTP server on 127.0.0.1, a stand-in sendmail, a folder).

#include "clientkeyring.h"
#include "contactclient/errors.h"
#include "fakes/memorysettingsstore.h"
#include "fakes/recordingclient.h"
#include "mail/clientmailitem.h"
#include "mail/mailaccount.h"
#include "mail/mailbox.h"
#include "mail/message.h"
#include "mail/smtptransport.h"
#include "mailserver.h"
#include "settingsstore.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using contactclient::AutomationError;

namespace {

// Header lines of a message (continuations joined), and its body.
struct Parsed {
    QList<QByteArray> headers;
    QByteArray body;
};

Parsed parse(const QByteArray& message)
{
    Parsed p;
    const qsizetype split = message.indexOf("\r\n\r\n");
    p.body = message.mid(split + 4);
    for (const QByteArray& line : message.left(split).split('\n')) {
        const QByteArray l = line.endsWith('\r') ? line.chopped(1) : line;
        if (l.startsWith(' ') && !p.headers.isEmpty())
            p.headers.last() += "\r\n" + l;
        else
            p.headers.append(l);
    }
    return p;
}

QByteArray header(const Parsed& p, const QByteArray& name)
{
    for (const QByteArray& h : p.headers) {
        if (h.startsWith(QByteArray(name + ": ")))
            return h.mid(name.size() + 2);
    }
    return "<missing>";
}

// A header value as a mail reader shows it: unfolded, adjacent encoded words decoded and joined.
QString shownHeader(QByteArray value)
{
    value.replace("\r\n", "");
    QString shown;
    QByteArray pending; // bytes of adjacent encoded words
    const QList<QByteArray> tokens = value.split(' ');
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QByteArray& t = tokens.at(i);
        if (t.startsWith("=?UTF-8?B?") && t.endsWith("?=")) {
            pending += QByteArray::fromBase64(t.mid(10, t.size() - 12));
            continue;
        }
        if (!pending.isEmpty()) {
            shown += QString::fromUtf8(pending) + QLatin1Char(' ');
            pending.clear();
        }
        shown += QString::fromLatin1(t) + (i + 1 < tokens.size() ? QStringLiteral(" ") : QString());
    }
    return shown + QString::fromUtf8(pending);
}

} // namespace

class TestMail : public QObject {
    Q_OBJECT

private:
    fake::RecordingClient m_client;
    std::shared_ptr<contactclient::NameSpace> m_ns;
    QTemporaryDir m_tmp;

    std::unique_ptr<mail::ClientMailItem> item(const mail::MailAccount& account, const QString& to,
                                               const QString& subject, const QString& body)
    {
        auto m =
            std::make_unique<mail::ClientMailItem>(*m_ns, contactclient::noDesktop(), [account] { return account; });
        m->setTo(to);
        m->setSubject(subject);
        m->setBody(body);
        return m;
    }
    mail::MailAccount smtpAccount(int port, const QString& security = QStringLiteral("none"))
    {
        mail::MailAccount a = ::smtpAccount(port);
        a.smtpSecurity = security;
        a.fromName = QStringLiteral("Mé Myself");
        return a;
    }

private slots:
    void initTestCase()
    {
        m_client.add(QStringLiteral("Smith, John"), QStringLiteral("John Smith"),
                     {{QStringLiteral("Email1Address"), QStringLiteral("js@example.com")}});
        m_client.add(QStringLiteral("Nomail, Nora"), QStringLiteral("Nora Nomail"));
        m_client.add(
            QStringLiteral("Evil, Eve"), QStringLiteral("Eve Evil"),
            {{QStringLiteral("Email1Address"), QStringLiteral("eve@example.com\r\nRCPT TO:<x@evil.example>")}});
        m_ns = m_client.application()->GetNamespace(QStringLiteral("MAPI"));
    }

    void addrSpec_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("single");
        QTest::newRow("plain") << QStringLiteral("js@example.com") << true;
        QTest::newRow("dots and plus") << QStringLiteral("j.s+tag@mail.example.com") << true;
        QTest::newRow("atext signs") << QStringLiteral("!#$%&'*/=?^_`{|}~-@x.example") << true;
        QTest::newRow("UTF-8 local part and domain") << QStringLiteral("j\u00F6rg@b\u00FCcher.example") << true;
        QTest::newRow("second mailbox after ;")
            << QStringLiteral("angle@example.com>; Evil <evil4@evil.example") << false;
        QTest::newRow("comma list") << QStringLiteral("a@x.example, b@y.example") << false;
        QTest::newRow("angle brackets") << QStringLiteral("<a@x.example>") << false;
        QTest::newRow("display name") << QStringLiteral("A <a@x.example>") << false;
        QTest::newRow("quoted local part") << QStringLiteral("\"a;b\"@x.example") << false;
        QTest::newRow("two @") << QStringLiteral("a@b@x.example") << false;
        QTest::newRow("no local part") << QStringLiteral("@x.example") << false;
        QTest::newRow("no domain") << QStringLiteral("a@") << false;
        QTest::newRow("double dot") << QStringLiteral("a..b@x.example") << false;
        QTest::newRow("trailing dot in domain") << QStringLiteral("a@x.example.") << false;
        QTest::newRow("hyphen starts a label") << QStringLiteral("a@-x.example") << false;
        QTest::newRow("domain literal") << QStringLiteral("a@[192.0.2.1]") << false;
        QTest::newRow("space") << QStringLiteral("a b@x.example") << false;
        QTest::newRow("no-break space") << QStringLiteral("a\u00A0b@x.example") << false;
        QTest::newRow("CR/LF") << QStringLiteral("a@x.example\r\nBcc: e@evil.example") << false;
        QTest::newRow("zero-width joiner") << QStringLiteral("a\u200D@x.example") << false;
        QTest::newRow("local part over 64") << QString(65, QLatin1Char('a')) + QStringLiteral("@x.example") << false;
        QTest::newRow("over 254 in all") << QStringLiteral("a@") + QStringLiteral("b.").repeated(126) +
                                                QStringLiteral("ex")
                                         << false;
    }
    void addrSpec()
    {
        QFETCH(QString, address);
        QFETCH(bool, single);
        QCOMPARE(mail::isAddrSpec(address), single);
    }

    void recipients_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QByteArray>("header"); // empty: refused
        QTest::newRow("mailbox with a quoted name")
            << QStringLiteral("\"Smith, John\" <js@example.com>") << QByteArray("\"Smith, John\" <js@example.com>");
        QTest::newRow("bare address") << QStringLiteral("js@example.com") << QByteArray("js@example.com");
        QTest::newRow("full name from the address book")
            << QStringLiteral("john smith") << QByteArray("John Smith <js@example.com>");
        QTest::newRow("non-ASCII name") << QStringLiteral("Jörg <j@example.com>")
                                        << QByteArray("=?UTF-8?B?SsO2cmc=?= <j@example.com>");
        QTest::newRow("two recipients") << QStringLiteral("a@example.com; \"B; b\" <b@example.com>")
                                        << QByteArray("a@example.com,\r\n \"B; b\" <b@example.com>");
        QTest::newRow("non-ASCII domain in its ASCII form")
            << QStringLiteral("Ida <ida@b\u00FCcher.example>") << QByteArray("Ida <ida@xn--bcher-kva.example>");
        QTest::newRow("bare address with a non-ASCII domain")
            << QStringLiteral("ida@B\u00DCCHER.example") << QByteArray("ida@xn--bcher-kva.example");
        QTest::newRow("name that looks like an encoded word")
            << QStringLiteral("=?UTF-8?B?SGk=?= <a@example.com>")
            << QByteArray("=?UTF-8?B?PT9VVEYtOD9CP1NHaz0/PQ==?= <a@example.com>");
        QTest::newRow("non-ASCII local part") << QStringLiteral("j\u00F6rg@example.com") << QByteArray();
        QTest::newRow("non-ASCII domain that is no domain")
            << QStringLiteral("ida@b\u00FCcher..example") << QByteArray();
        QTest::newRow("unknown name") << QStringLiteral("Nobody Known") << QByteArray();
        QTest::newRow("name without address") << QStringLiteral("Nora Nomail") << QByteArray();
        QTest::newRow("address with CR/LF in the book") << QStringLiteral("Eve Evil") << QByteArray();
        QTest::newRow("CR/LF in the To text") << QStringLiteral("a@example.com\r\nBcc: x@evil.example") << QByteArray();
        QTest::newRow("space in address") << QStringLiteral("a b@example.com") << QByteArray();
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void recipients()
    {
        QFETCH(QString, to);
        QFETCH(QByteArray, header);
        mail::MailAccount account;
        account.transport = QStringLiteral("folder");
        account.folder = m_tmp.filePath(QStringLiteral("recipients-") + QString::fromLatin1(QTest::currentDataTag()));
        account.from = QStringLiteral("me@example.org");
        auto m = item(account, to, QStringLiteral("Hi"), QStringLiteral("Text"));
        try {
            m->Send();
            QVERIFY2(!header.isEmpty(), "refusal expected");
        } catch (const AutomationError& e) {
            QVERIFY2(header.isEmpty(), qPrintable(e.description()));
            QCOMPARE(e.number(), int(contactclient::errMailAddress));
            QCOMPARE(QDir(account.folder).entryList(QDir::Files).size(), 0);
            return;
        }
        const QStringList files = QDir(account.folder).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY(files.first().endsWith(QStringLiteral(".eml")));
        QFile f(QDir(account.folder).filePath(files.first()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(::header(parse(f.readAll()), "To"), header);
    }

    void message_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("subjectHeader");
        QTest::addColumn<QByteArray>("wireBody");
        QTest::newRow("body ending in a line break gets no second one")
            << QStringLiteral("Subject") << QStringLiteral("Body\r\n") << QByteArray("Subject")
            << QByteArray("Body\r\n");
        QTest::newRow("body without a final line break gets one")
            << QStringLiteral("Subject") << QStringLiteral("Body") << QByteArray("Subject") << QByteArray("Body\r\n");
        QTest::newRow("body ending in an empty line keeps it")
            << QStringLiteral("Subject") << QStringLiteral("Body\n\n") << QByteArray("Subject")
            << QByteArray("Body\r\n\r\n");
        QTest::newRow("subject that looks like an encoded word is encoded")
            << QStringLiteral("=?UTF-8?B?SGk=?=") << QStringLiteral("b")
            << QByteArray("=?UTF-8?B?PT9VVEYtOD9CP1NHaz0/PQ==?=") << QByteArray("b\r\n");
        QTest::newRow("encoded word inside a subject")
            << QStringLiteral("Re: =?utf-8?q?x?=") << QStringLiteral("b")
            << QByteArray("=?UTF-8?B?UmU6ID0/dXRmLTg/cT94Pz0=?=") << QByteArray("b\r\n");
        QTest::newRow("non-ASCII subject and body")
            << QStringLiteral("Grüße – 日本") << QStringLiteral("Liebe Grüße\nJörg")
            << QByteArray("=?UTF-8?B?R3LDvMOfZSDigJMg5pel5pys?=")
            << QByteArray("Liebe Gr=C3=BC=C3=9Fe\r\nJ=C3=B6rg\r\n");
        QTest::newRow("CR, CRLF and LF line breaks") << QStringLiteral("x") << QStringLiteral("a\rb\r\nc\nd")
                                                     << QByteArray("x") << QByteArray("a\r\nb\r\nc\r\nd\r\n");
        QTest::newRow("equals sign, trailing space, leading dot")
            << QStringLiteral("1 = 1") << QStringLiteral("a=b \n.\n..x") << QByteArray("1 = 1")
            << QByteArray("a=3Db=20\r\n=2E\r\n=2E.x\r\n");
        QTest::newRow("long line gets soft breaks")
            << QStringLiteral("long") << QString(100, QLatin1Char('x')) << QByteArray("long")
            << QByteArray(75, 'x') + "=\r\n" + QByteArray(25, 'x') + "\r\n";
        QTest::newRow("long subject is folded") << QStringLiteral("word ").repeated(20).trimmed() << QStringLiteral("b")
                                                << (QStringLiteral("word ").repeated(14).trimmed().toLatin1() +
                                                    "\r\n " + QStringLiteral("word ").repeated(6).trimmed().toLatin1())
                                                << QByteArray("b\r\n");
    }
    // The SMTP server receives exactly the message: envelope, headers, encoded subject, body bytes.
    void message()
    {
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(QByteArray, subjectHeader);
        QFETCH(QByteArray, wireBody);
        MailServer server;
        QVERIFY(server.start());
        item(smtpAccount(server.port), QStringLiteral("\"Smith, John\" <js@example.com>"), subject, body)->Send();
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(server.envelope(0), QByteArray("me@example.org\njs@example.com\n"));
        const Parsed p = parse(server.message(0));
        QList<QByteArray> names;
        for (const QByteArray& h : p.headers)
            names.append(h.left(h.indexOf(':')));
        QCOMPARE(names, (QList<QByteArray>{"From", "To", "Subject", "Date", "Message-ID", "MIME-Version",
                                           "Content-Type", "Content-Transfer-Encoding"}));
        QCOMPARE(header(p, "From"), QByteArray("=?UTF-8?B?TcOpIE15c2VsZg==?= <me@example.org>"));
        QCOMPARE(header(p, "To"), QByteArray("\"Smith, John\" <js@example.com>"));
        QCOMPARE(header(p, "Subject"), subjectHeader);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{2} \\w{3} \\d{4} \\d{2}:\\d{2}:\\d{2} [+-]\\d{4}$"))
                    .match(QString::fromLatin1(header(p, "Date")))
                    .hasMatch());
        QVERIFY(header(p, "Message-ID").endsWith("@example.org>"));
        QCOMPARE(header(p, "MIME-Version"), QByteArray("1.0"));
        QCOMPARE(header(p, "Content-Type"), QByteArray("text/plain; charset=UTF-8"));
        QCOMPARE(header(p, "Content-Transfer-Encoding"), QByteArray("quoted-printable"));
        QCOMPARE(p.body, wireBody);
    }

    // Over STARTTLS with AUTH and the server's certificate verified; the failures say why.
    void secureSmtp_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("trustCertificate");
        QTest::addColumn<QString>("reason"); // empty: delivered
        QTest::newRow("delivered") << QStringLiteral("s3cret") << true << QString();
        QTest::newRow("wrong password") << QStringLiteral("wrong") << true << QStringLiteral("user name or password");
        QTest::newRow("untrusted certificate") << QStringLiteral("s3cret") << false << QStringLiteral("not trusted");
    }
    void secureSmtp()
    {
        QFETCH(QString, password);
        QFETCH(bool, trustCertificate);
        QFETCH(QString, reason);
        QVERIFY(makeCertificate(m_tmp));
        MailServer server;
        QVERIFY(server.start({QStringLiteral("--tls"), m_tmp.filePath(QStringLiteral("cert.pem")),
                              m_tmp.filePath(QStringLiteral("key.pem")), QStringLiteral("--auth"), QStringLiteral("me"),
                              QStringLiteral("s3cret")}));
        mail::MailAccount account = smtpAccount(server.port, QStringLiteral("starttls"));
        account.smtpHost = QStringLiteral("localhost");
        account.smtpUser = QStringLiteral("me");
        account.smtpPassword = password;
        if (trustCertificate)
            account.smtpCaFile = m_tmp.filePath(QStringLiteral("cert.pem"));
        auto m = item(account, QStringLiteral("js@example.com"), QStringLiteral("Hi"), QStringLiteral("Text"));
        try {
            m->Send();
            QVERIFY2(reason.isEmpty(), "failure expected");
            QCOMPARE(server.received().size(), 1);
        } catch (const AutomationError& e) {
            QVERIFY2(e.description().contains(reason) && !reason.isEmpty(), qPrintable(e.description()));
            QCOMPARE(e.number(), int(contactclient::errMailNotSent));
            QVERIFY(!e.description().contains(password));
            QCOMPARE(server.received().size(), 0);
            // The item keeps what it held.
            QCOMPARE(m->Subject(), QStringLiteral("Hi"));
            QCOMPARE(m->Body(), QStringLiteral("Text"));
        }
    }

    void serverDown()
    {
        MailServer server;
        QVERIFY(server.start());
        const int port = server.port;
        server.stop();
        try {
            item(smtpAccount(port), QStringLiteral("js@example.com"), QStringLiteral("Hi"), QStringLiteral("x"))
                ->Send();
            QFAIL("no failure reported");
        } catch (const AutomationError& e) {
            QVERIFY2(e.description().contains(QStringLiteral("cannot be reached")), qPrintable(e.description()));
        }
    }

    // Every header line stays within 78 octets, and the reader shows the name as it was given.
    void addressHeadersFold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString longUnicode =
            QStringLiteral("Bartholom\u00E4us Featherstonehaugh-Cholmondeley von und zu Hohenlohe");
        QTest::newRow("long non-ASCII name") << longUnicode << longUnicode;
        QTest::newRow("long name that needs quotes")
            << QStringLiteral("Featherstonehaugh-Cholmondeley, Bartholomew Alexander Maximilian")
            << QStringLiteral("\"Featherstonehaugh-Cholmondeley, Bartholomew Alexander Maximilian\"");
        QTest::newRow("long plain name") << QStringLiteral("Bartholomew Alexander Maximilian Featherstonehaugh Third")
                                         << QStringLiteral("Bartholomew Alexander Maximilian Featherstonehaugh Third");
        QTest::newRow("spaces inside quotes stay")
            << QStringLiteral("Smith,  John   Alexander Maximilian Bartholomew Featherstonehaugh")
            << QStringLiteral("\"Smith,  John   Alexander Maximilian Bartholomew Featherstonehaugh\"");
    }
    void addressHeadersFold()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        const QString address = QStringLiteral("bartholomew.featherstonehaugh@mail.example.com");
        mail::OutgoingMessage m;
        m.from = {name, address};
        m.to = {{QStringLiteral("Jo"), QStringLiteral("jo@example.com")}, {name, address}};
        m.subject = QStringLiteral("Hi");
        m.body = QStringLiteral("b");
        m.date = QDateTime::currentDateTime();
        m.messageId = QStringLiteral("1@example.com");
        const QByteArray wire = mail::composeMessage(m);
        const QByteArray head = wire.left(wire.indexOf("\r\n\r\n"));
        for (const QByteArray& line : head.split('\n'))
            QVERIFY2(line.chopped(line.endsWith('\r') ? 1 : 0).size() <= 78, line.constData());
        const Parsed p = parse(wire);
        const QString mailbox = shown + QStringLiteral(" <") + address + QLatin1Char('>');
        QCOMPARE(shownHeader(header(p, "From")), mailbox);
        QCOMPARE(shownHeader(header(p, "To")), QStringLiteral("Jo <jo@example.com>, ") + mailbox);
    }

    // The server is given the domain in its ASCII form, in the envelope as in the header.
    void nonAsciiDomainOnTheWire()
    {
        MailServer server;
        QVERIFY(server.start());
        item(smtpAccount(server.port), QStringLiteral("Ida <ida@b\u00FCcher.example>"), QStringLiteral("Hi"),
             QStringLiteral("b"))
            ->Send();
        QCOMPARE(server.received().size(), 1);
        QCOMPARE(server.envelope(0), QByteArray("me@example.org\nida@xn--bcher-kva.example\n"));
        QCOMPARE(header(parse(server.message(0)), "To"), QByteArray("Ida <ida@xn--bcher-kva.example>"));
    }

    // A line break in the subject or the contact's address never reaches the server.
    void injectionNeverReachesTheWire_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("subject");
        QTest::newRow("CR/LF in subject")
            << QStringLiteral("js@example.com") << QStringLiteral("Hi\r\nBcc: x@evil.example");
        QTest::newRow("LF in subject") << QStringLiteral("js@example.com") << QStringLiteral("Hi\nBcc: x@evil.example");
        QTest::newRow("control character in subject") << QStringLiteral("js@example.com") << QStringLiteral("Hi\x07");
        QTest::newRow("CR/LF in the contact's address") << QStringLiteral("Eve Evil") << QStringLiteral("Hi");
    }
    void injectionNeverReachesTheWire()
    {
        QFETCH(QString, to);
        QFETCH(QString, subject);
        MailServer server;
        QVERIFY(server.start());
        QVERIFY_THROWS_EXCEPTION(AutomationError,
                                 item(smtpAccount(server.port), to, subject, QStringLiteral("b"))->Send());
        server.stop();
        QCOMPARE(server.received().size(), 0);
    }

    void smtpSettings_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("security");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("url"); // empty: refused
        QTest::newRow("tls default port") << QStringLiteral("mail.example.com") << QStringLiteral("tls") << 0
                                          << QStringLiteral("smtps://mail.example.com:465");
        QTest::newRow("starttls") << QStringLiteral("mail.example.com") << QStringLiteral("starttls") << 0
                                  << QStringLiteral("smtp://mail.example.com:587");
        QTest::newRow("plain to loopback")
            << QStringLiteral("::1") << QStringLiteral("none") << 2525 << QStringLiteral("smtp://[::1]:2525");
        QTest::newRow("plain to another host refused")
            << QStringLiteral("mail.example.com") << QStringLiteral("none") << 25 << QString();
    }
    void smtpSettings()
    {
        QFETCH(QString, host);
        QFETCH(QString, security);
        QFETCH(int, port);
        QFETCH(QString, url);
        mail::SmtpSettings s;
        s.host = host;
        s.security = security;
        s.port = port;
        try {
            QCOMPARE(mail::SmtpTransport(s).url(), url);
        } catch (const AutomationError& e) {
            QVERIFY2(url.isEmpty(), qPrintable(e.description()));
        }
    }

    // sendmail -t -oi, no shell: the stand-in records its arguments and the message it was given.
    void sendmail_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("accepted") << 0;
        QTest::newRow("refused") << 67;
    }
    void sendmail()
    {
        QFETCH(int, status);
        const QString script = m_tmp.filePath(QStringLiteral("sendmail-%1").arg(status));
        const QString out = m_tmp.filePath(QStringLiteral("sendmail-out-%1").arg(status));
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.args'\ncat > '%1.msg'\n"
                               "[ %2 = 0 ] || echo 'user unknown' >&2\nexit %2\n")
                    .arg(out)
                    .arg(status)
                    .toUtf8());
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::WriteOwner);
        mail::MailAccount account;
        account.transport = QStringLiteral("sendmail");
        account.sendmailPath = script;
        auto m = item(account, QStringLiteral("John Smith"), QStringLiteral("Hi; $(rm -rf /)"), QStringLiteral("x\ny"));
        try {
            m->Send();
            QCOMPARE(status, 0);
        } catch (const AutomationError& e) {
            QVERIFY2(status != 0 && e.description().contains(QStringLiteral("user unknown")),
                     qPrintable(e.description()));
        }
        QFile args(out + QStringLiteral(".args")), msg(out + QStringLiteral(".msg"));
        QVERIFY(args.open(QIODevice::ReadOnly) && msg.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll(), QByteArray("-t\n-oi\n"));
        const QByteArray message = msg.readAll();
        QVERIFY(!message.contains('\r'));
        QVERIFY(message.startsWith("To: John Smith <js@example.com>\nSubject: Hi; $(rm -rf /)\n"));
        QVERIFY(message.endsWith("\n\nx\ny\n"));
    }

    // A password the user put into the settings file makes the file private.
    void passwordInFileMakesItPrivate()
    {
        const QString path = m_tmp.filePath(QStringLiteral("settings.conf"));
        QSettingsStore store(path);
        store.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("ContactClient"), QStringLiteral("SmtpHost"),
                          QStringLiteral("mail.example.com"));
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);
        mail::readMailAccount(store);
        QVERIFY(QFile::permissions(path) & QFileDevice::ReadOther);
        store.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("ContactClient"), QStringLiteral("SmtpPassword"),
                          QStringLiteral("pw"));
        QCOMPARE(mail::readMailAccount(store).smtpPassword, QStringLiteral("pw"));
        QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // Without a password in the file, the one Quintel Setup put into the keyring is used.
    void passwordFromTheKeyring()
    {
        QMap<QString, QString> keys{{QStringLiteral("smtp:me@mail.example.com"), QStringLiteral("secret")}};
        const ClientKeyring keyring(keys);
        fake::MemorySettingsStore store;
        for (const auto& [k, v] :
             {std::pair{"MailTransport", "smtp"}, {"SmtpHost", "mail.example.com"}, {"SmtpUser", "me"}})
            store.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("ContactClient"), QString::fromLatin1(k),
                              QString::fromLatin1(v));
        QCOMPARE(mail::readMailAccount(store).smtpPassword, QStringLiteral("secret"));
        store.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("ContactClient"), QStringLiteral("SmtpUser"),
                          QStringLiteral("other"));
        QCOMPARE(mail::readMailAccount(store).smtpPassword, QString());
    }
};

QTEST_GUILESS_MAIN(TestMail)
#include "test_mail.moc"
