// The summon shortcut's text: what the X server grabs, what the portal is asked for, what is kept.

#include "fakes/memorysettingsstore.h"
#include "window/summonkeys.h"

#include <QTest>

using namespace summon;

class TestSummonKeys : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("modifiers");
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<QString>("problem"); // part of the problem's text; empty when valid

        QTest::newRow("the default") << "Ctrl+Alt+Q" << uint(Control | Alt) << 0x71u << QString();
        QTest::newRow("any letter case and spaces") << " ctrl + ALT + q " << uint(Control | Alt) << 0x71u << QString();
        QTest::newRow("Meta is the logo key") << "Meta+Space" << uint(Super) << 0x20u << QString();
        QTest::newRow("shift counts") << "Shift+Ctrl+5" << uint(Shift | Control) << 0x35u << QString();
        QTest::newRow("a function key alone") << "F12" << 0u << 0xffc9u << QString();
        QTest::newRow("F1") << "Alt+F1" << uint(Alt) << 0xffbeu << QString();
        QTest::newRow("F24 is the last") << "F24" << 0u << 0xffd5u << QString();
        QTest::newRow("named key") << "Ctrl+PgDown" << uint(Control) << 0xff56u << QString();
        QTest::newRow("a letter alone would eat typing") << "Q" << 0u << 0u << "needs Ctrl, Alt or Meta";
        QTest::newRow("shift and a letter too") << "Shift+Q" << 0u << 0u << "needs Ctrl, Alt or Meta";
        QTest::newRow("modifiers only") << "Ctrl+Alt" << 0u << 0u << "needs a key besides";
        QTest::newRow("F25 does not exist") << "F25" << 0u << 0u << "cannot be used";
        QTest::newRow("F0 does not exist") << "Ctrl+F0" << 0u << 0u << "cannot be used";
        QTest::newRow("F01 is not F1") << "Ctrl+F01" << 0u << 0u << "cannot be used";
        QTest::newRow("a letter outside ASCII") << "Ctrl+Ä" << 0u << 0u << "cannot be used";
        QTest::newRow("a second chord") << "Ctrl+Q, Ctrl+W" << 0u << 0u << "not a modifier";
        QTest::newRow("unknown modifier") << "Hyper+Q" << 0u << 0u << "hyper is not a modifier";
        QTest::newRow("empty part") << "Ctrl++" << 0u << 0u << "not a modifier";
        QTest::newRow("nothing") << "" << 0u << 0u << "No key combination";
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(uint, modifiers);
        QFETCH(uint, keysym);
        QFETCH(QString, problem);

        const KeyCombination combination = summon::parse(text);
        QCOMPARE(combination.keysym, keysym);
        QCOMPARE(combination.isValid(), problem.isEmpty());
        if (combination.isValid())
            QCOMPARE(combination.modifiers, modifiers);
        const QString said = summon::problem(text);
        if (problem.isEmpty())
            QVERIFY2(said.isEmpty(), qPrintable(said));
        else
            QVERIFY2(said.contains(problem), qPrintable(said));
    }

    void portalTrigger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("the default") << "Ctrl+Alt+Q"
                                     << "CTRL+ALT+q";
        QTest::newRow("modifiers in a fixed order") << "Meta+Shift+Ctrl+1"
                                                    << "CTRL+SHIFT+LOGO+1";
        QTest::newRow("function key") << "Alt+f5"
                                      << "ALT+F5";
        QTest::newRow("keysym names") << "Ctrl+PgUp"
                                      << "CTRL+Page_Up";
        QTest::newRow("space") << "Meta+Space"
                               << "LOGO+space";
        QTest::newRow("invalid gives nothing") << "Q"
                                               << "";
    }
    void portalTrigger()
    {
        QFETCH(QString, text);
        QFETCH(QString, trigger);
        QCOMPARE(summon::portalTrigger(text), trigger);
    }

    void kept_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("never chosen: the default") << false << ""
                                                   << "Ctrl+Alt+Q";
        QTest::newRow("chosen") << true << "Meta+F9"
                                << "Meta+F9";
        QTest::newRow("switched off stays off") << true << ""
                                                << "";
        QTest::newRow("blank is off") << true << "  "
                                      << "";
    }
    void kept()
    {
        QFETCH(bool, save);
        QFETCH(QString, saved);
        QFETCH(QString, loaded);
        fake::MemorySettingsStore store;
        if (save)
            setShortcut(store, saved);
        QCOMPARE(shortcut(store), loaded);
    }
};

QTEST_GUILESS_MAIN(TestSummonKeys)
#include "test_summonkeys.moc"
