// quintel-contacts on the company directory (a real slapd on 127.0.0.1): every run brings the
// copy up to date before it lists it, says so when it cannot (exit 1), and --offline lists the
// copy at once.

#include "ldaptesting.h"
#include "slapdserver.h"
#include "toolrun.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ldaptesting;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QStringList names; // the FullName lines of the listing, sorted
    QString err;
};

} // namespace

class TestLdapCommand : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;

    Run run(const QStringList& args) const
    {
        const auto tool =
            testsupport::runTool(testsupport::quintelContacts(), args,
                                 testsupport::environmentWith({{"HOME", m_home.path()},
                                                               {"XDG_CONFIG_HOME", m_home.filePath(u".config"_s)},
                                                               {"XDG_CACHE_HOME", m_home.filePath(u".cache"_s)},
                                                               {"LDAPNOINIT", u"1"_s}}));
        Run r{tool.status, {}, tool.err};
        for (const QString& line : tool.out.split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("  FullName: ")))
                r.names.append(line.mid(12));
        r.names.sort();
        return r;
    }

    void configure(const QString& url)
    {
        QDir().mkpath(m_home.filePath(u".config/Quintel"_s));
        QFile f(m_home.filePath(u".config/Quintel/Quintel.conf"_s));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[ContactClient]\nBackend=ldap\nLdapUrl=" + url.toUtf8() +
                "\nLdapBaseDn=" + SlapdServer::kBase.toUtf8() + "\n");
    }

private slots:
    void listsTheDirectoryAsItIsNow()
    {
        SlapdServer server;
        QVERIFY(server.load(people(3)));
        QVERIFY2(server.start(), qPrintable(server.error()));
        configure(server.url());
        const QStringList three{u"Given1 Family"_s, u"Given2 Family"_s, u"Given3 Family"_s};

        Run first = run({});
        QCOMPARE(first.names, three);
        QCOMPARE(first.status, 0);

        // A change on the server shows on the next run, not only in the bar.
        QVERIFY2(server.modify("dn: uid=u4,dc=example,dc=com\nchangetype: add\nobjectClass: inetOrgPerson\n"
                               "cn: Given4 Family\nsn: Family\ngivenName: Given4\n\n"),
                 qPrintable(server.error()));
        Run second = run({});
        QCOMPARE(second.names, three + QStringList{u"Given4 Family"_s});
        QVERIFY2(second.err.isEmpty(), qPrintable(second.err));
        QCOMPARE(second.status, 0);

        // --offline: the copy at once, as it is.
        QVERIFY2(server.modify("dn: uid=u2,dc=example,dc=com\nchangetype: delete\n\n"), qPrintable(server.error()));
        Run offline = run({u"--offline"_s});
        QCOMPARE(offline.names, three + QStringList{u"Given4 Family"_s});
        QCOMPARE(offline.status, 0);

        // The server gone: the copy is listed, and the run says it is not up to date.
        server.stop();
        Run down = run({});
        QCOMPARE(down.names, three + QStringList{u"Given4 Family"_s});
        QVERIFY2(down.err.contains(u"Working offline from the copy"_s), qPrintable(down.err));
        QCOMPARE(down.status, 1);
    }
};

QTEST_GUILESS_MAIN(TestLdapCommand)
#include "test_ldapcommand.moc"
