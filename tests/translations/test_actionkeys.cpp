// The bar's buttons on keys: each key clicks its own button from the entry box, only when the
// button can be used; the close key asks first; tool tips and descriptions name the keys.

#include "barfixture.h"
#include "window/actionkeys.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window with the bar's buttons by name and an entry box, without the bar's handlers.
struct ButtonWindow {
    QWidget window;
    QLineEdit* box = nullptr;
    QHash<QString, QToolButton*> buttons;
    int asked = 0;
    bool answer = false;

    ButtonWindow()
    {
        auto* column = new QVBoxLayout(&window);
        box = new QLineEdit(&window);
        column->addWidget(box);
        for (const actionkeys::Key& key : actionkeys::keys()) {
            auto* button = new QToolButton(&window);
            button->setObjectName(key.control);
            button->setAccessibleName(key.control);
            column->addWidget(button);
            buttons.insert(key.control, button);
        }
        actionkeys::install(window, [this] {
            ++asked;
            return answer;
        });
        window.show();
        window.activateWindow();
        box->setFocus();
    }
};

} // namespace

class TestActionKeys : public QObject {
    Q_OBJECT
private slots:
    void keyClicksItsButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("control");
        QTest::newRow("Ctrl+1 view") << int(Qt::Key_1) << "cmdViewContact";
        QTest::newRow("Ctrl+2 e-mail") << int(Qt::Key_2) << "cmdEMailContact";
        QTest::newRow("Ctrl+3 quick e-mail") << int(Qt::Key_3) << "cmdQEmailContact";
        QTest::newRow("Ctrl+4 dial") << int(Qt::Key_4) << "cmdDialContact";
        QTest::newRow("Ctrl+5 write") << int(Qt::Key_5) << "cmdWriteContact";
        QTest::newRow("Ctrl+M size") << int(Qt::Key_M) << "cmdState";
        QTest::newRow("Ctrl+H hide") << int(Qt::Key_H) << "cmdMin";
        QTest::newRow("Ctrl+O options") << int(Qt::Key_O) << "cmdOptions";
    }
    void keyClicksItsButton()
    {
        QFETCH(int, key);
        QFETCH(QString, control);
        ButtonWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QHash<QString, int> clicks;
        for (auto it = w.buttons.cbegin(); it != w.buttons.cend(); ++it)
            connect(it.value(), &QAbstractButton::clicked, this, [&clicks, name = it.key()] { ++clicks[name]; });
        QTest::keyClick(w.box, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(clicks.value(control), 1);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(w.asked, 0);
    }

    // A disabled or hidden button stays as it is on its key.
    void unusableButtonIgnoresItsKey_data()
    {
        QTest::addColumn<bool>("hide");
        QTest::newRow("disabled") << false;
        QTest::newRow("hidden") << true;
    }
    void unusableButtonIgnoresItsKey()
    {
        QFETCH(bool, hide);
        ButtonWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QToolButton* dial = w.buttons.value(QStringLiteral("cmdDialContact"));
        hide ? dial->hide() : dial->setEnabled(false);
        QSignalSpy clicked(dial, &QAbstractButton::clicked);
        QTest::keyClick(w.box, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(clicked.count(), 0);
    }

    void closeAsksFirst_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("clicks");
        QTest::newRow("no keeps the bar") << false << 0;
        QTest::newRow("yes closes") << true << 1;
    }
    void closeAsksFirst()
    {
        QFETCH(bool, answer);
        QFETCH(int, clicks);
        ButtonWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.answer = answer;
        QSignalSpy clicked(w.buttons.value(QStringLiteral("cmdClose")), &QAbstractButton::clicked);
        QTest::keyClick(w.box, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(w.asked, 1);
        QCOMPARE(clicked.count(), clicks);
    }

    // The box keeps its own keys: select all, and typing.
    void boxKeepsItsKeys()
    {
        ButtonWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::keyClicks(w.box, QStringLiteral("Anna"));
        QTest::keyClick(w.box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.box->selectedText(), QStringLiteral("Anna"));
        QCOMPARE(w.asked, 0);
    }

    // On the bar: the tool tip and the accessible description name the key; the name stays.
    void barNamesTheKeys_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("view") << "cmdViewContact"
                              << "View contact (Ctrl+1)";
        QTest::newRow("e-mail") << "cmdEMailContact"
                                << "E-mail (Ctrl+2)";
        QTest::newRow("quick e-mail") << "cmdQEmailContact"
                                      << "Quick e-mail (Ctrl+3)";
        QTest::newRow("dial") << "cmdDialContact"
                              << "Dial (Ctrl+4)";
        QTest::newRow("write") << "cmdWriteContact"
                               << "Write letter (Ctrl+5)";
        QTest::newRow("size") << "cmdState"
                              << "Change size (Ctrl+M)";
        QTest::newRow("hide") << "cmdMin"
                              << "Hide to tray (Ctrl+H)";
        QTest::newRow("options") << "cmdOptions"
                                 << "Options (Ctrl+O)";
        QTest::newRow("close") << "cmdClose"
                               << "Close (Ctrl+Q)";
    }
    void barNamesTheKeys()
    {
        QFETCH(QString, control);
        QFETCH(QString, toolTip);
        BarFixture f;
        frmMain& form = f.create();
        auto* button = form.findChild<QToolButton*>(control);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), toolTip);
        QVERIFY(toolTip.startsWith(button->accessibleName() + QStringLiteral(" (")));
        QCOMPARE(button->accessibleDescription(),
                 QStringLiteral("Key: ") + toolTip.section(QLatin1Char('('), 1).chopped(1));
    }
};

QTEST_MAIN(TestActionKeys)
#include "test_actionkeys.moc"
