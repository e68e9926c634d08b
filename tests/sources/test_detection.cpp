// Quintel Setup finds the address books on the computer: the default folder, vdirsyncer's and
// khard's folders from their configuration, KDE's contacts folder and Thunderbird's profiles, each
// with its number of contacts; the first start uses one book without asking and offers several.

#include "booklayout.h"
#include "fakekeyring.h"
#include "fakes/memorysettingsstore.h"
#include "setup/bookdetection.h"
#include "setup/setupwindow.h"
#include "testfiles.h"
#include "textlists.h"
#include "thunderbirdwriter.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace setup;
using namespace Qt::StringLiterals;
using booklayout::addCard;

namespace {

using testsupport::writeFile;

// A Thunderbird address book with the given display names and one mailing list.
bool writeThunderbirdBook(const QString& file, const QStringList& names)
{
    testsupport::ThunderbirdWriter book(file, false);
    bool ok = book.createSchema() && book.addList(u"l1"_s, u"Team"_s, {});
    for (const QString& name : names)
        ok = ok && book.addCard(name, {{u"DisplayName"_s, name}});
    return ok;
}

FoundBook book(int contacts)
{
    return {u"x"_s, u"vcard:/b%1"_s.arg(contacts), u"/b"_s, contacts};
}

} // namespace

class TestDetection : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    Places m_places;

private slots:
    void initTestCase()
    {
        QVERIFY(m_tmp.isValid());
        m_places.home = m_tmp.filePath(u"home"_s);
        m_places.configHome = m_places.home + u"/.config"_s;
        m_places.dataHome = m_places.home + u"/.local/share"_s;
    }

    void readsKhardConfig_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("two books, ~ and $HOME")
            << u"[general]\npath = /not/a/book\n[addressbooks]\n[[work]]\npath = ~/.contacts/work/\n"_s
               "[[family]]\n  path=$HOME/.contacts/family\n# path = /commented\n[contact table]\ndisplay = first_name\n"
            << sl({"HOME/.contacts/work", "HOME/.contacts/family"});
        QTest::newRow("quoted") << u"[addressbooks]\n[[a]]\npath = \"/srv/a b\"\n"_s << sl({"/srv/a b"});
        QTest::newRow("no books") << u"[general]\neditor = vim\n"_s << QStringList();
    }
    void readsKhardConfig()
    {
        QFETCH(QString, config);
        QFETCH(QStringList, folders);
        folders.replaceInStrings(u"HOME"_s, m_places.home);
        QCOMPARE(khardFolders(config, m_places), folders);
    }

    void readsVdirsyncerConfig_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("contacts, not calendars, not the server")
            << u"[general]\nstatus_path = \"~/.vdirsyncer/status/\"\n\n[pair contacts]\na = \"c_local\"\n\n"_s
               "[storage c_local]\ntype = \"filesystem\"\npath = \"~/.contacts/\"\nfileext = \".vcf\"\n\n"
               "[storage c_remote]\ntype = \"carddav\"\nurl = \"https://example.org/\"\n\n"
               "[storage cal]\ntype = \"filesystem\"\npath = \"~/.calendars/\"\nfileext = \".ics\"\n"
            << sl({"HOME/.contacts"});
        QTest::newRow("last section") << u"[storage x]\nfileext = \".vcf\"\npath = \"/srv/x\"\ntype = \"filesystem\""_s
                                      << sl({"/srv/x"});
        QTest::newRow("nothing") << u""_s << QStringList();
    }
    void readsVdirsyncerConfig()
    {
        QFETCH(QString, config);
        QFETCH(QStringList, folders);
        folders.replaceInStrings(u"HOME"_s, m_places.home);
        QCOMPARE(vdirsyncerFolders(config, m_places), folders);
    }

    void findsTheBooksOfAHome()
    {
        const QString home = m_places.home;
        QVERIFY(addCard(m_places.dataHome + u"/contacts"_s, u"a"_s, u"Ann"_s, u"Lee"_s));
        QVERIFY(addCard(home + u"/.contacts/work"_s, u"b"_s, u"Bob"_s, u"Ray"_s));
        QVERIFY(addCard(home + u"/.contacts/family"_s, u"c"_s, u"Cy"_s, u"Ode"_s));
        QVERIFY(writeFile(m_places.configHome + u"/vdirsyncer/config"_s,
                          "[storage c]\ntype = \"filesystem\"\npath = \"~/.contacts/\"\nfileext = \".vcf\"\n"));
        // khard names the default folder (found already) and a missing one (left out).
        QVERIFY(writeFile(m_places.configHome + u"/khard/khard.conf"_s,
                          "[addressbooks]\n[[a]]\npath = " + m_places.dataHome.toUtf8() +
                              "/contacts/\n[[gone]]\npath = ~/gone\n"));
        QVERIFY(QDir().mkpath(m_places.dataHome + u"/kpeoplevcard"_s));
        const QString profile = home + u"/.thunderbird/x.default"_s;
        QVERIFY(writeFile(home + u"/.thunderbird/profiles.ini"_s,
                          "[Profile0]\nName=default\nIsRelative=1\nPath=x.default\nDefault=1\n"));
        QVERIFY(QDir().mkpath(profile));
        QVERIFY(writeThunderbirdBook(profile + u"/abook.sqlite"_s, sl({"Dee", "Eve", "Fay"})));

        // The hook another back-end's detector joins through.
        QList<Detector> detectors = standardDetectors();
        detectors.append([](const Places&) {
            return QList<FoundBook>{{u"Other"_s, u"thunderbird:/nowhere"_s, u"/nowhere"_s, 0}};
        });
        fake::MemorySettingsStore settings;
        QStringList found;
        for (const FoundBook& b : detectBooks(detectors, m_places, settings))
            found.append(b.text());
        QCOMPARE(found,
                 sl({"Address book folder: ~/.local/share/contacts (1 contact)", "vdirsyncer: ~/.contacts (2 contacts)",
                     "KDE contacts: ~/.local/share/kpeoplevcard (0 contacts)",
                     "Thunderbird: ~/.thunderbird/x.default (3 contacts)", "Other: /nowhere (cannot be read)"}));
        // Counting created nothing.
        QVERIFY(!QFileInfo::exists(home + u"/gone"_s));
    }

    void plansTheFirstStart_data()
    {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("offered");
        QTest::newRow("nothing found") << QList<int>{} << int(FirstRunPlan::Kind::Nothing) << 0;
        QTest::newRow("only empty or unreadable books") << QList<int>{0, -1} << int(FirstRunPlan::Kind::Nothing) << 0;
        QTest::newRow("one with contacts beside empty ones")
            << QList<int>{0, 5, -1} << int(FirstRunPlan::Kind::UseOne) << 1;
        QTest::newRow("several") << QList<int>{3, 0, 1} << int(FirstRunPlan::Kind::Choose) << 2;
    }
    void plansTheFirstStart()
    {
        QFETCH(QList<int>, counts);
        QFETCH(int, kind);
        QFETCH(int, offered);
        QList<FoundBook> found;
        for (int c : counts)
            found.append(book(c));
        const FirstRunPlan plan = planFirstRun(found);
        QCOMPARE(int(plan.kind), kind);
        QCOMPARE(plan.books.size(), offered);
    }

    void windowSavesTheTickedBooksInOrder()
    {
        fake::MemorySettingsStore settings;
        settings.values.insert(u"ContactClient/Books"_s, u"vcard:/b3, thunderbird"_s);
        FakeKeyring keyring;
        SetupWindow window(settings, keyring);
        window.setFoundBooks({book(1), book(3)});
        QListWidget* list = window.findChild<QListWidget*>(u"lstBooks"_s);
        QVERIFY(list);
        // Configured first, in their order and ticked (one not found now is kept), then the others.
        QCOMPARE(list->count(), 3);
        QCOMPARE(window.input().settings.books, sl({"vcard:/b3", "thunderbird"}));
        list->item(1)->setCheckState(Qt::Unchecked);
        list->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(window.input().settings.books, sl({"vcard:/b3", "vcard:/b1"}));
    }
};

QTEST_MAIN(TestDetection)
#include "test_detection.moc"
