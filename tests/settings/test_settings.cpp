// The persisted settings: the category list and the e-mail preference, in memory and in the store.

#include "fakes/memorysettingsstore.h"
#include "settings/modsettings.h"
#include "settings/settingsvalues.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using fake::MemorySettingsStore;

namespace {

const QStringList kDefaults = {QStringLiteral("All Contacts"), QStringLiteral("Family"), QStringLiteral("Friends"),
                               QStringLiteral("Business")};

// Categories 1 … N as a list, checking that the array's upper bound is N.
QStringList names()
{
    if (modSettings::Categories.size() != modSettings::NumberOfCategories + 1)
        return {QStringLiteral("<array does not match the count>")};
    return modSettings::Categories.mid(1);
}

void storeList(MemorySettingsStore& store, const QStringList& list)
{
    store.values.insert(QStringLiteral("Settings/NumberOfCategories"), QString::number(list.size()));
    for (int i = 0; i < list.size(); ++i)
        store.values.insert(QStringLiteral("Categories/%1").arg(i + 1), list.at(i));
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
    void init();
    void cleanup();

    void emptyStore();
    void storedCount_data();
    void storedCount();
    void storedFlag_data();
    void storedFlag();
    void missingKeysReadAsUnnamed();
    void loadHasNoLimitButAddHas();
    void addAtTheLimit_data();
    void addAtTheLimit();
    void deleteCategory_data();
    void deleteCategory();
    void deleteShiftsAndLeavesTheStaleKey();
    void flagRoundTrip_data();
    void flagRoundTrip();
    void loadDropsUnsavedEdits();
    void namesKeptExactlyInTheSettingsFile();
    void unreadableSettingsFileStartsWithDefaults_data();
    void unreadableSettingsFileStartsWithDefaults();

private:
    MemorySettingsStore* m_store = nullptr;
};

void TestSettings::init()
{
    m_store = new MemorySettingsStore;
    modSettings::setStore(m_store);
}

void TestSettings::cleanup()
{
    modSettings::setStore(nullptr);
    delete m_store;
    m_store = nullptr;
}

void TestSettings::emptyStore()
{
    modSettings::checkEmailAddresses = true;
    modSettings::loadSettings();
    QCOMPARE(modSettings::checkEmailAddresses, false);
    QCOMPARE(modSettings::NumberOfCategories, 4);
    QCOMPARE(names(), kDefaults);
    QVERIFY(m_store->writes.isEmpty());

    modSettings::saveSettings();
    QCOMPARE(m_store->writes,
             (QStringList{QStringLiteral("Settings/checkEmailAddresses=False"),
                          QStringLiteral("Settings/NumberOfCategories=4"), QStringLiteral("Categories/1=All Contacts"),
                          QStringLiteral("Categories/2=Family"), QStringLiteral("Categories/3=Friends"),
                          QStringLiteral("Categories/4=Business")}));
}

// What a stored NumberOfCategories reads as; the store holds keys "1" … "5" named C1 … C5.
void TestSettings::storedCount_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("count"); // 0: the default list
    const int cap = settingsvalues::kMaxLoadedCategories;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("empty text") << QString() << 0;
    QTest::newRow("blanks") << QStringLiteral("   ") << 0;
    QTest::newRow("word") << QStringLiteral("three") << 0;
    QTest::newRow("number then text") << QStringLiteral("3x") << 0;
    QTest::newRow("negative") << QStringLiteral("-2") << 0;
    QTest::newRow("plus sign") << QStringLiteral("+2") << 0;
    QTest::newRow("fraction") << QStringLiteral("2.5") << 0;
    QTest::newRow("exponent") << QStringLiteral("1e2") << 0;
    QTest::newRow("two") << QStringLiteral("2") << 2;
    QTest::newRow("leading zeros") << QStringLiteral("005") << 5;
    QTest::newRow("blanks around") << QStringLiteral(" 3 ") << 3;
    QTest::newRow("more than the keys") << QStringLiteral("7") << 7;
    QTest::newRow("at the cap") << QString::number(cap) << cap;
    QTest::newRow("above the cap") << QString::number(cap + 1) << cap;
    QTest::newRow("largest int") << QStringLiteral("2147483647") << cap;
    QTest::newRow("beyond any int") << QStringLiteral("99999999999999999999999") << cap;
    QTest::newRow("many leading zeros") << QStringLiteral("0000000000000004") << 4;
}

void TestSettings::storedCount()
{
    QFETCH(QString, stored);
    QFETCH(int, count);
    storeList(*m_store, numbered(5));
    m_store->values.insert(QStringLiteral("Settings/NumberOfCategories"), stored);

    modSettings::loadSettings();
    if (count == 0) {
        QCOMPARE(names(), kDefaults);
        return;
    }
    QCOMPARE(modSettings::NumberOfCategories, count);
    QCOMPARE(names().size(), count);
    QCOMPARE(names().first(), QStringLiteral("C1"));
    QCOMPARE(names().last(), count <= 5 ? QStringLiteral("C%1").arg(count) : QStringLiteral("<Unnamed>"));
}

void TestSettings::storedFlag_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("flag");
    QTest::newRow("True") << QStringLiteral("True") << true;
    QTest::newRow("False") << QStringLiteral("False") << false;
    QTest::newRow("true") << QStringLiteral("true") << true;
    QTest::newRow("FALSE") << QStringLiteral("FALSE") << false;
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("-1") << QStringLiteral("-1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("0.0") << QStringLiteral("0.0") << false;
    QTest::newRow("0.5") << QStringLiteral("0.5") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("yes") << QStringLiteral("yes") << false;
    QTest::newRow("Truth") << QStringLiteral("Truth") << false;
    QTest::newRow("nan") << QStringLiteral("nan") << false;
    QTest::newRow("inf") << QStringLiteral("inf") << false;
}

void TestSettings::storedFlag()
{
    QFETCH(QString, stored);
    QFETCH(bool, flag);
    m_store->values.insert(QStringLiteral("Settings/checkEmailAddresses"), stored);
    modSettings::checkEmailAddresses = !flag;
    modSettings::loadSettings();
    QCOMPARE(modSettings::checkEmailAddresses, flag);
}

void TestSettings::missingKeysReadAsUnnamed()
{
    storeList(*m_store, {QStringLiteral("A"), QStringLiteral("B")});
    m_store->values.insert(QStringLiteral("Settings/NumberOfCategories"), QStringLiteral("3"));
    modSettings::loadSettings();
    QCOMPARE(names(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("<Unnamed>")}));
    modSettings::saveSettings();
    QCOMPARE(m_store->values.value(QStringLiteral("Categories/3")), QStringLiteral("<Unnamed>"));
}

void TestSettings::loadHasNoLimitButAddHas()
{
    storeList(*m_store, numbered(20));
    modSettings::loadSettings();
    QCOMPARE(names(), numbered(20));
    QVERIFY(!modSettings::addCategory(QStringLiteral("More")));
    for (int i = 20; i > 13; --i) {
        QVERIFY(!modSettings::addCategory(QStringLiteral("More")));
        QVERIFY(modSettings::deleteCategory(QStringLiteral("C%1").arg(i)));
    }
    QVERIFY(modSettings::addCategory(QStringLiteral("More")));
    QCOMPARE(names().last(), QStringLiteral("More"));
    QCOMPARE(modSettings::NumberOfCategories, 14);
}

void TestSettings::addAtTheLimit_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("added");
    QTest::newRow("13 of 14") << 13 << true;
    QTest::newRow("14 of 14") << 14 << false;
    QTest::newRow("one") << 1 << true;
}

void TestSettings::addAtTheLimit()
{
    QFETCH(int, before);
    QFETCH(bool, added);
    storeList(*m_store, numbered(before));
    modSettings::loadSettings();
    QCOMPARE(modSettings::addCategory(QStringLiteral(" new ")), added);
    QStringList expected = numbered(before);
    if (added)
        expected << QStringLiteral(" new ");
    QCOMPARE(names(), expected);
}

void TestSettings::deleteCategory_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("after"); // empty: refused, the list unchanged

    const QString all = QStringLiteral("All Contacts");
    const QStringList defaults = kDefaults;
    QTest::newRow("exact") << defaults << QStringLiteral("Friends")
                           << QStringList{all, QStringLiteral("Family"), QStringLiteral("Business")};
    QTest::newRow("other letter case") << defaults << QStringLiteral("family")
                                       << QStringList{all, QStringLiteral("Friends"), QStringLiteral("Business")};
    QTest::newRow("All Contacts") << defaults << all << QStringList();
    QTest::newRow("all contacts, other case") << defaults << QStringLiteral("all contacts") << QStringList();
    QTest::newRow("not listed") << defaults << QStringLiteral("Golf") << QStringList();
    QTest::newRow("empty text, no empty entry") << defaults << QString() << QStringList();
    QTest::newRow("empty text, an empty entry")
        << QStringList{all, QString(), QStringLiteral("X")} << QString() << QStringList{all, QStringLiteral("X")};
    QTest::newRow("duplicates: the first goes")
        << QStringList{all, QStringLiteral("Dup"), QStringLiteral("Mid"), QStringLiteral("Dup")}
        << QStringLiteral("Dup") << QStringList{all, QStringLiteral("Mid"), QStringLiteral("Dup")};
    QTest::newRow("exact match before an earlier case match")
        << QStringList{all, QStringLiteral("golf"), QStringLiteral("Golf")} << QStringLiteral("Golf")
        << QStringList{all, QStringLiteral("golf")};
    QTest::newRow("a user's ALL CONTACTS can go")
        << QStringList{all, QStringLiteral("Family"), QStringLiteral("ALL CONTACTS")} << QStringLiteral("ALL CONTACTS")
        << QStringList{all, QStringLiteral("Family")};
    QTest::newRow("a case match on All Contacts is refused")
        << QStringList{all, QStringLiteral("ALL CONTACTS")} << QStringLiteral("all Contacts") << QStringList();
    QTest::newRow("blanks count") << QStringList{all, QStringLiteral(" Family")} << QStringLiteral("Family")
                                  << QStringList();
}

void TestSettings::deleteCategory()
{
    QFETCH(QStringList, list);
    QFETCH(QString, name);
    QFETCH(QStringList, after);
    storeList(*m_store, list);
    modSettings::loadSettings();
    QCOMPARE(modSettings::deleteCategory(name), !after.isEmpty());
    QCOMPARE(names(), after.isEmpty() ? list : after);
}

void TestSettings::deleteShiftsAndLeavesTheStaleKey()
{
    storeList(*m_store, numbered(5));
    modSettings::loadSettings();
    QVERIFY(modSettings::deleteCategory(QStringLiteral("C3")));
    QCOMPARE(names(), (QStringList{QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C4"),
                                   QStringLiteral("C5")}));
    modSettings::saveSettings();
    QCOMPARE(m_store->values.value(QStringLiteral("Settings/NumberOfCategories")), QStringLiteral("4"));
    QCOMPARE(m_store->values.value(QStringLiteral("Categories/4")), QStringLiteral("C5"));
    QCOMPARE(m_store->values.value(QStringLiteral("Categories/5")), QStringLiteral("C5")); // stale, not read
    modSettings::loadSettings();
    QCOMPARE(modSettings::NumberOfCategories, 4);

    QVERIFY(modSettings::addCategory(QStringLiteral("New")));
    modSettings::saveSettings();
    QCOMPARE(m_store->values.value(QStringLiteral("Categories/5")), QStringLiteral("New"));
}

void TestSettings::flagRoundTrip_data()
{
    QTest::addColumn<bool>("flag");
    QTest::newRow("true") << true;
    QTest::newRow("false") << false;
}

void TestSettings::flagRoundTrip()
{
    QFETCH(bool, flag);
    modSettings::loadSettings();
    modSettings::checkEmailAddresses = flag;
    modSettings::saveSettings();
    QCOMPARE(m_store->values.value(QStringLiteral("Settings/checkEmailAddresses")),
             flag ? QStringLiteral("True") : QStringLiteral("False"));
    modSettings::checkEmailAddresses = !flag;
    modSettings::loadSettings();
    QCOMPARE(modSettings::checkEmailAddresses, flag);
}

void TestSettings::loadDropsUnsavedEdits()
{
    modSettings::loadSettings();
    modSettings::saveSettings();
    QVERIFY(modSettings::addCategory(QStringLiteral("Golf")));
    QVERIFY(modSettings::deleteCategory(QStringLiteral("Family")));
    modSettings::checkEmailAddresses = true;
    modSettings::loadSettings();
    QCOMPARE(names(), kDefaults);
    QCOMPARE(modSettings::checkEmailAddresses, false);
}

// Through the real settings file: names that mean something to an INI file come back as typed.
void TestSettings::namesKeptExactlyInTheSettingsFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
    const QStringList odd = {QStringLiteral("All Contacts"), QStringLiteral(" padded "), QStringLiteral("a/b\\c"),
                             QStringLiteral("x = y; z"),     QStringLiteral("\"quoted\""), QStringLiteral("[Settings]"),
                             QStringLiteral("Über, Straße"), QString(),                   QStringLiteral("1, 2")};
    {
        QSettingsStore store(file);
        modSettings::setStore(&store);
        modSettings::loadSettings();
        modSettings::Categories = QStringList{QString()} + odd;
        modSettings::NumberOfCategories = static_cast<int>(odd.size());
        modSettings::checkEmailAddresses = true;
        modSettings::saveSettings();
    }
    QSettingsStore store(file);
    modSettings::setStore(&store);
    modSettings::checkEmailAddresses = false;
    modSettings::loadSettings();
    QCOMPARE(names(), odd);
    QCOMPARE(modSettings::checkEmailAddresses, true);
}

// A settings file the program cannot make sense of never stops it from starting.
void TestSettings::unreadableSettingsFileStartsWithDefaults_data()
{
    QTest::addColumn<QByteArray>("content"); // "<dir>": the file's name is taken by a folder
    QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[Settings\x01\nNumberOfCategories", 40);
    QTest::newRow("values as lists") << QByteArray("[Settings]\nNumberOfCategories=1, 2\ncheckEmailAddresses=a, b\n");
    QTest::newRow("huge count, no names") << QByteArray("[Settings]\nNumberOfCategories=4294967296\n");
    QTest::newRow("folder in its place") << QByteArray("<dir>");
}

void TestSettings::unreadableSettingsFileStartsWithDefaults()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Quintel.conf"));
    if (content == "<dir>") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Quintel.conf")));
    } else {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QSettingsStore store(file);
    modSettings::setStore(&store);
    modSettings::checkEmailAddresses = true;
    modSettings::loadSettings();
    QCOMPARE(modSettings::checkEmailAddresses, false);
    if (QTest::currentDataTag() == QByteArray("huge count, no names")) {
        QCOMPARE(modSettings::NumberOfCategories, settingsvalues::kMaxLoadedCategories);
        QCOMPARE(names().last(), QStringLiteral("<Unnamed>"));
    } else {
        QCOMPARE(names(), kDefaults);
    }
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
