// The persisted settings: the category list and the e-mail preference, in memory and in the store.

#include "contactclient/errors.h"
#include "fakes/memorysettingsstore.h"
#include "settings/modsettings.h"
#include "settings/settingsvalues.h"
#include "settingsformat.h"
#include "settingsstore.h"
#include "storedcategories.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QStringList kDefaults = {QStringLiteral("All Contacts"), QStringLiteral("Family"), QStringLiteral("Friends"),
                               QStringLiteral("Business")};

// Categories 1 … N, checking that the array's upper bound is N.
QStringList names(const modSettings& settings)
{
    if (settings.Categories.size() != settings.NumberOfCategories + 1)
        return {QStringLiteral("<array does not match the count>")};
    return settings.Categories.mid(1);
}

// The value of "Section/Key" in the settings file, "<default>" when it has none.
QString inFile(const SettingsStore& store, const QString& key)
{
    return store.GetSetting(QStringLiteral("Quintel"), key.section(QLatin1Char('/'), 0, 0),
                            key.section(QLatin1Char('/'), 1), QStringLiteral("<default>"));
}

QStringList numbered(int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("C%1").arg(i);
    return out;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { m_settings = std::make_unique<modSettings>(m_store); }
    void cleanup()
    {
        m_settings.reset();
        m_store = {};
    }

    void firstRunSaveAndLoad()
    {
        m_settings->checkEmailAddresses = true;
        m_settings->loadSettings();
        QCOMPARE(m_settings->checkEmailAddresses, false);
        QCOMPARE(names(), kDefaults);
        QVERIFY(m_store.writes.isEmpty()); // the defaults live in memory until the first save

        QSignalSpy saved(m_settings.get(), &modSettings::saved);
        m_settings->saveSettings();
        QCOMPARE(m_store.saves, 1); // one change of the store, not one per key
        QCOMPARE(saved.size(), 1);
        QCOMPARE(m_store.writes,
                 (QStringList{QStringLiteral("Settings/checkEmailAddresses=False"),
                              QStringLiteral("Settings/NumberOfCategories=4"),
                              QStringLiteral("Categories/1=All Contacts"), QStringLiteral("Categories/2=Family"),
                              QStringLiteral("Categories/3=Friends"), QStringLiteral("Categories/4=Business")}));

        // Unsaved edits are dropped by the next load.
        QVERIFY(m_settings->addCategory(QStringLiteral("Golf")));
        QVERIFY(m_settings->deleteCategory(QStringLiteral("Family")));
        m_settings->checkEmailAddresses = true;
        m_settings->loadSettings();
        QCOMPARE(names(), kDefaults);
        QCOMPARE(m_settings->checkEmailAddresses, false);
    }

    // What stored texts read as. The store holds the names C1 … C5; count 0 means the default list.
    void damagedValues_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("checked");
        const int cap = settingsvalues::kMaxLoadedCategories;
        QTest::newRow("zero, True") << "0"
                                    << "True" << 0 << true;
        QTest::newRow("empty, empty") << ""
                                      << "" << 0 << false;
        QTest::newRow("word, yes") << "three"
                                   << "yes" << 0 << false;
        QTest::newRow("number then text, true") << "3x"
                                                << "true" << 0 << true;
        QTest::newRow("negative, -1") << "-2"
                                      << "-1" << 0 << true;
        QTest::newRow("fraction, 0.0") << "2.5"
                                       << "0.0" << 0 << false;
        QTest::newRow("exponent, nan") << "1e2"
                                       << "nan" << 0 << false;
        QTest::newRow("blanks and zeros, FALSE") << " 005 "
                                                 << "FALSE" << 5 << false;
        QTest::newRow("count above the keys, 0.5") << "7"
                                                   << "0.5" << 7 << true;
        QTest::newRow("above the cap, inf") << QString::number(cap + 1) << "inf" << cap << false;
        QTest::newRow("largest int, Truth") << "2147483647"
                                            << "Truth" << cap << false;
        QTest::newRow("beyond any int, 1") << "99999999999999999999999"
                                           << "1" << cap << true;
    }
    void damagedValues()
    {
        QFETCH(QString, count);
        QFETCH(QString, flag);
        QFETCH(int, n);
        QFETCH(bool, checked);
        storeList(numbered(5));
        m_store.values.insert(QStringLiteral("Settings/NumberOfCategories"), count);
        m_store.values.insert(QStringLiteral("Settings/checkEmailAddresses"), flag);
        m_settings->checkEmailAddresses = !checked;
        m_settings->loadSettings();
        QCOMPARE(m_settings->checkEmailAddresses, checked);
        if (n == 0) {
            QCOMPARE(names(), kDefaults);
            return;
        }
        QCOMPARE(names().size(), n);
        QCOMPARE(names().first(), QStringLiteral("C1"));
        QCOMPARE(names().last(), n <= 5 ? QStringLiteral("C%1").arg(n) : QStringLiteral("<Unnamed>"));
        if (n == 7) { // the missing keys are written back as "<Unnamed>"
            m_settings->saveSettings();
            QCOMPARE(stored("Categories/6"), QStringLiteral("<Unnamed>"));
        }
    }

    void limitOnAddNotOnLoad()
    {
        storeList(numbered(20));
        m_settings->loadSettings();
        QCOMPARE(names(), numbered(20));
        for (int i = 20; i > 13; --i) {
            QVERIFY(!m_settings->addCategory(QStringLiteral("More")));
            QVERIFY(m_settings->deleteCategory(QStringLiteral("C%1").arg(i)));
        }
        QVERIFY(m_settings->addCategory(QStringLiteral(" More "))); // 13 → 14, kept as typed
        QCOMPARE(names(), numbered(13) << QStringLiteral(" More "));
        QVERIFY(!m_settings->addCategory(QStringLiteral("Fifteen")));
        QCOMPARE(m_settings->NumberOfCategories, 14);
    }

    void deleteCategory_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after"); // empty: refused, the list unchanged
        const QString all = QStringLiteral("All Contacts");
        const QStringList defaults = kDefaults;
        QTest::newRow("other letter case")
            << defaults << "family" << QStringList{all, QStringLiteral("Friends"), QStringLiteral("Business")};
        QTest::newRow("All Contacts") << defaults << all << QStringList();
        QTest::newRow("all contacts, other case") << defaults << "all contacts" << QStringList();
        QTest::newRow("not listed") << defaults << "Golf" << QStringList();
        QTest::newRow("empty text") << defaults << "" << QStringList();
        QTest::newRow("empty text, an empty entry")
            << QStringList{all, QString(), QStringLiteral("X")} << "" << QStringList{all, QStringLiteral("X")};
        QTest::newRow("duplicates: the first goes")
            << QStringList{all, QStringLiteral("Dup"), QStringLiteral("Mid"), QStringLiteral("Dup")} << "Dup"
            << QStringList{all, QStringLiteral("Mid"), QStringLiteral("Dup")};
        QTest::newRow("exact match before an earlier case match")
            << QStringList{all, QStringLiteral("golf"), QStringLiteral("Golf")} << "Golf"
            << QStringList{all, QStringLiteral("golf")};
        QTest::newRow("a user's ALL CONTACTS can go")
            << QStringList{all, QStringLiteral("ALL CONTACTS")} << "ALL CONTACTS" << QStringList{all};
        QTest::newRow("blanks count") << QStringList{all, QStringLiteral(" Family")} << "Family" << QStringList();
    }
    void deleteCategory()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        storeList(list);
        m_settings->loadSettings();
        QCOMPARE(m_settings->deleteCategory(name), !after.isEmpty());
        QCOMPARE(names(), after.isEmpty() ? list : after);
    }

    void deleteShiftsAndLeavesTheStaleKey()
    {
        storeList(numbered(5));
        m_settings->loadSettings();
        QVERIFY(m_settings->deleteCategory(QStringLiteral("C3")));
        m_settings->saveSettings();
        QCOMPARE(stored("Settings/NumberOfCategories"), QStringLiteral("4"));
        QCOMPARE(stored("Categories/3"), QStringLiteral("C4"));
        QCOMPARE(stored("Categories/4"), QStringLiteral("C5"));
        QCOMPARE(stored("Categories/5"), QStringLiteral("C5")); // stale, never read
        m_settings->loadSettings();
        QCOMPARE(names(),
                 (QStringList{QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C4"), QStringLiteral("C5")}));
        QVERIFY(m_settings->addCategory(QStringLiteral("New")));
        m_settings->saveSettings();
        QCOMPARE(stored("Categories/5"), QStringLiteral("New"));
    }

    // The real settings file: names come back exactly as typed, and a file the program cannot make
    // sense of never stops it from starting.
    void settingsFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // "<dir>": a folder has the file's name
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("written by the program") << QByteArray() << QStringList();
        static const char junk[] = "\x00\xff\xfe[Settings\x01\nNumberOfCategories";
        QTest::newRow("binary junk") << QByteArray(junk, sizeof junk - 1) << kDefaults;
        QTest::newRow("values as lists") << QByteArray(
                                                "[Settings]\nNumberOfCategories=1, 2\ncheckEmailAddresses=a, b\n")
                                         << kDefaults;
        QTest::newRow("a folder in its place") << QByteArray("<dir>") << kDefaults;
    }
    void settingsFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, loaded);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        const QStringList odd = {QStringLiteral("All Contacts"), QStringLiteral(" padded "),
                                 QStringLiteral("a/b\\c"),       QStringLiteral("x = y; z"),
                                 QStringLiteral("\"quoted\""),   QStringLiteral("[Settings]"),
                                 QStringLiteral("Über, Straße"), QString(),
                                 QStringLiteral("1, 2")};
        if (content.isEmpty()) {
            QSettingsStore writer(file);
            modSettings settings(writer);
            settings.Categories = QStringList{QString()} + odd;
            settings.NumberOfCategories = static_cast<int>(odd.size());
            settings.checkEmailAddresses = true;
            settings.saveSettings();
            loaded = odd;
        } else if (content == "<dir>") {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Quintel.conf")));
        } else {
            QVERIFY(testsupport::writeFile(file, content));
        }
        QSettingsStore reader(file);
        modSettings settings(reader);
        settings.checkEmailAddresses = content.isEmpty() ? false : true;
        settings.loadSettings();
        QCOMPARE(::names(settings), loaded);
        QCOMPARE(settings.checkEmailAddresses, content.isEmpty());
    }

    // Values are text as written: what a user types into the file by hand reads back exactly, with
    // or without the line that marks a file this program wrote.
    void plainTextValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray marker = QByteArray(settingsformat::kMarker) + '\n';
        for (const QByteArray& head : {QByteArray(), marker}) {
            const char* kind = head.isEmpty() ? "by hand" : "marked";
            auto row = [&](const char* name, const QByteArray& body, const char* key, const QString& expected) {
                QTest::addRow("%s: %s", kind, name) << (head + body) << QString::fromLatin1(key) << expected;
            };
            row("comma", "[Categories]\n2=Friends, Old\n", "Categories/2", QStringLiteral("Friends, Old"));
            row("backslash", "[Categories]\n4=C:\\Temp\n", "Categories/4", QStringLiteral("C:\\Temp"));
            row("backslash n", "[Categories]\n4=C:\\new\n", "Categories/4", QStringLiteral("C:\\new"));
            row("quotes inside", "[Categories]\n1=Say \"Hi\"\n", "Categories/1", QStringLiteral("Say \"Hi\""));
            row("folder with comma", "[ContactClient]\nFolder=/x/book,work\n", "ContactClient/Folder",
                QStringLiteral("/x/book,work"));
            row("equals and semicolon", "[Categories]\n3=a=b;c\n", "Categories/3", QStringLiteral("a=b;c"));
            row("CRLF lines", "[Categories]\r\n2=Family\r\n", "Categories/2", QStringLiteral("Family"));
            row("non-ASCII",
                "[Categories]\n2=\xc3\x9c"
                "ber, Stra\xc3\x9f"
                "e\n",
                "Categories/2", QStringLiteral("Über, Straße"));
            row("blanks around the key", "[Categories]\n  2  =Family\n", "Categories/2", QStringLiteral("Family"));
            row("comment and blank lines", "; note\n\n# more\n[Categories]\n2=Family\n", "Categories/2",
                QStringLiteral("Family"));
        }
        // In a file this program wrote, the blanks of a value are its own.
        QTest::addRow("marked: blanks kept")
            << (marker + "[Categories]\n2= padded \n") << QStringLiteral("Categories/2") << QStringLiteral(" padded ");
    }
    void plainTextValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        QVERIFY(testsupport::writeFile(file, content));
        {
            QSettingsStore store(file);
            QCOMPARE(inFile(store, key), expected);
            // Saving another value writes this one back unchanged.
            store.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("Settings"), QStringLiteral("Other"),
                              QStringLiteral("x"));
            QVERIFY(store.notice().isEmpty());
        }
        QSettingsStore again(file);
        QCOMPARE(inFile(again, key), expected);
    }

    // A file the old INI format wrote: its escaping is undone, so nobody's settings are lost.
    void valuesFromTheOldFormat_data()
    {
        QTest::addColumn<QString>("value");
        for (const char* v :
             {"Friends, Old", "C:\\Temp", "C:\\new", "Say \"Hi\"", "\"quoted\"", " padded ", "a=b; c", "@at", "@@two",
              "\xc3\x9c"
              "ber",
              "back\\\\slashes", "plain"})
            QTest::newRow(v) << QString::fromUtf8(v);
    }
    void valuesFromTheOldFormat()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        {
            QSettings old(file, QSettings::IniFormat);
            old.setValue(QStringLiteral("Categories/2"), value);
            old.setValue(QStringLiteral("Settings/NumberOfCategories"), QStringLiteral("2"));
        }
        QSettingsStore store(file);
        QCOMPARE(inFile(store, QStringLiteral("Categories/2")), value);
        QCOMPARE(inFile(store, QStringLiteral("Settings/NumberOfCategories")), QStringLiteral("2"));
    }

    // A file that cannot be parsed is kept aside byte for byte, said so, and a fresh one is saved.
    void unreadableFileIsKeptAside()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        const QByteArray junk("[Categories]\n2=Family\nthis line is not a setting\n");
        QVERIFY(testsupport::writeFile(file, junk));
        QSettingsStore store(file);
        QCOMPARE(inFile(store, QStringLiteral("Categories/2")), QStringLiteral("<default>"));
        QVERIFY2(store.notice().contains(QStringLiteral(".unreadable")), qPrintable(store.notice()));
        QCOMPARE(testsupport::readFile(file + QStringLiteral(".unreadable")), junk);
        store.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("Categories"), QStringLiteral("2"),
                          QStringLiteral("Friends, Old"));
        QSettingsStore again(file);
        QCOMPARE(inFile(again, QStringLiteral("Categories/2")), QStringLiteral("Friends, Old"));
        QVERIFY(again.notice().isEmpty());
    }

    // A FIFO in the file's place neither blocks the start nor is written into.
    void fifoInPlaceOfTheFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        QSettingsStore store(file);
        QCOMPARE(inFile(store, QStringLiteral("Categories/2")), QStringLiteral("<default>"));
        QVERIFY(!store.notice().isEmpty());
        QVERIFY_THROWS_EXCEPTION(contactclient::AutomationError,
                                 store.SaveSetting(QStringLiteral("Quintel"), QStringLiteral("Categories"),
                                                   QStringLiteral("2"), QStringLiteral("x")));
    }

private:
    void storeList(const QStringList& list) { storeCategories(m_store, list); }
    QString stored(const char* key) const { return m_store.values.value(QString::fromLatin1(key)); }
    QStringList names() const { return ::names(*m_settings); }
    fake::MemorySettingsStore m_store;
    std::unique_ptr<modSettings> m_settings;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
