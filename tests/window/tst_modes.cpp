// The three window modes: heights, where the bar's controls stand, the quick-mail area's
// visibility, and the bottom edge that never moves.

#include "support/barfixture.h"
#include "window/twips.h"
#include "window/windowmodes.h"

#include <QComboBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QResizeEvent>
#include <QTest>
#include <QToolButton>

namespace {

int bottomOf(const QWidget* w)
{
    const QRect r = twips::geometry(w);
    return r.y() + r.height();
}

// Records the window's heights (in pixels) as it is laid out.
class HeightLog : public QObject {
public:
    QList<int> heights;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            heights.append(static_cast<QResizeEvent*>(event)->size().height());
        return false;
    }
};

} // namespace

class TestModes : public QObject {
    Q_OBJECT

private slots:
    void testLayoutOfMode_data();
    void testLayoutOfMode();
    void testMailControls_data();
    void testMailControls();
    void testBottomEdgeKept();
    void testThreeStepsReturnHome();
    void testSetWindowMode_data();
    void testSetWindowMode();
    void testRestoreRememberedMode_data();
    void testRestoreRememberedMode();
    void testStateButtonSteps();
};

void TestModes::testLayoutOfMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");

    const QList<QPair<QStringList, QList<int>>> table = {
        {{QStringLiteral("cmdDialContact"), QStringLiteral("cmdViewContact"), QStringLiteral("cmdEMailContact"),
          QStringLiteral("cmdQEmailContact"), QStringLiteral("cmdWriteContact")},
         {25, 425, 1980}},
        {{QStringLiteral("txtContact"), QStringLiteral("txtStatus")}, {70, 470, 2025}},
        {{QStringLiteral("cmdOptions"), QStringLiteral("cmdState")}, {205, 605, 2160}},
        {{QStringLiteral("cmbCategories"), QStringLiteral("cmbContacts")}, {-290, 110, 1665}},
        {{QStringLiteral("imgOne"), QStringLiteral("imgTwo")}, {-335, 65, 1620}},
        {{QStringLiteral("lblContactCount")}, {-245, 155, 1710}},
        // Controls that never move.
        {{QStringLiteral("cmdMin"), QStringLiteral("cmdClose")}, {0, 0, 0}},
        {{QStringLiteral("cmdCancelMail")}, {1125, 1125, 1125}},
        {{QStringLiteral("txtSubject")}, {45, 45, 45}},
    };
    const int heights[] = {400, 800, 2355};
    for (int mode = 1; mode <= 3; ++mode) {
        for (const auto& [names, tops] : table) {
            for (const QString& name : names) {
                QTest::addRow("mode %d %s", mode, qPrintable(name))
                    << mode << name << tops[mode - 1] << heights[mode - 1];
            }
        }
    }
}

void TestModes::testLayoutOfMode()
{
    QFETCH(int, mode);
    QFETCH(QString, control);
    QFETCH(int, top);
    QFETCH(int, height);

    BarFixture f;
    frmMain& form = f.load();
    form.modes->setWindowMode(mode);
    QCOMPARE(form.windowMode, mode);
    QCOMPARE(twips::geometry(&form).height(), height);
    QCOMPARE(twips::geometry(&form).width(), 6525);
    QCOMPARE(form.height(), twips::toPixels(height));
    QCOMPARE(twips::top(form.control(control)), top);
}

void TestModes::testMailControls_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("mailVisible");
    QTest::newRow("entry row") << 1 << false;
    QTest::newRow("selector row") << 2 << false;
    QTest::newRow("quick mail") << 3 << true;
}

void TestModes::testMailControls()
{
    QFETCH(int, mode);
    QFETCH(bool, mailVisible);

    BarFixture f;
    frmMain& form = f.load();
    form.modes->setWindowMode(mode);
    for (const char* name : {"txtSubject", "txtBody", "cmdSendMail", "cmdClearMail"})
        QVERIFY2(form.control(QString::fromLatin1(name))->isVisible() == mailVisible, name);
    // The cancel button stays visible; outside the full mode it lies below the window's bottom.
    QVERIFY(form.cmdCancelMail->isVisible());
    if (!mailVisible)
        QVERIFY(twips::top(form.cmdCancelMail) >= twips::geometry(&form).height());
}

void TestModes::testBottomEdgeKept()
{
    BarFixture f;
    frmMain& form = f.load();
    const int bottom = bottomOf(&form);
    const int left = twips::geometry(&form).x();
    QRandomGenerator random(20261206);
    for (int i = 0; i < 60; ++i) {
        if (random.bounded(2) == 0)
            form.modes->nextWindowMode();
        else
            form.modes->setWindowMode(random.bounded(1, 4));
        QCOMPARE(bottomOf(&form), bottom);
        QCOMPARE(twips::geometry(&form).x(), left);
        QCOMPARE(form.geometry().bottom() + 1, twips::toPixels(bottom));
    }
}

void TestModes::testThreeStepsReturnHome()
{
    BarFixture f;
    frmMain& form = f.load();
    for (int start = 1; start <= 3; ++start) {
        form.modes->setWindowMode(start);
        QMap<QWidget*, QRect> home;
        for (QWidget* w : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            home.insert(w, twips::geometry(w));
        const QRect window = twips::geometry(&form);
        for (int i = 0; i < 3; ++i)
            form.modes->nextWindowMode();
        QCOMPARE(twips::geometry(&form), window);
        for (auto it = home.cbegin(); it != home.cend(); ++it)
            QVERIFY2(twips::geometry(it.key()) == it.value(), qPrintable(it.key()->objectName()));
    }
}

void TestModes::testSetWindowMode_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("target");
    QTest::addColumn<QList<int>>("heights"); // the heights the window passes through

    QTest::newRow("3 to 2 passes 1") << 3 << 2 << QList<int>{400, 800};
    QTest::newRow("1 to 1 stays") << 1 << 1 << QList<int>{};
    QTest::newRow("1 to 3") << 1 << 3 << QList<int>{800, 2355};
    QTest::newRow("2 to 1 passes 3") << 2 << 1 << QList<int>{2355, 400};
    QTest::newRow("out of range means 1") << 2 << 7 << QList<int>{2355, 400};
    QTest::newRow("zero means 1") << 3 << 0 << QList<int>{400};
}

void TestModes::testSetWindowMode()
{
    QFETCH(int, from);
    QFETCH(int, target);
    QFETCH(QList<int>, heights);

    BarFixture f;
    frmMain& form = f.load();
    form.modes->setWindowMode(from);
    HeightLog log;
    form.installEventFilter(&log);
    form.modes->setWindowMode(target);
    form.removeEventFilter(&log);
    QList<int> pixels;
    for (int h : std::as_const(heights))
        pixels.append(twips::toPixels(h));
    QCOMPARE(log.heights, pixels);
    QCOMPARE(form.windowMode, heights.isEmpty() ? from : target >= 1 && target <= 3 ? target : 1);
}

void TestModes::testRestoreRememberedMode_data()
{
    QTest::addColumn<std::optional<int>>("remembered");
    QTest::addColumn<int>("expected");
    QTest::newRow("none remembered") << std::optional<int>() << 1;
    QTest::newRow("entry row") << std::optional<int>(1) << 1;
    QTest::newRow("selector row") << std::optional<int>(2) << 2;
    QTest::newRow("quick mail stays open") << std::optional<int>(3) << 3;
}

void TestModes::testRestoreRememberedMode()
{
    QFETCH(std::optional<int>, remembered);
    QFETCH(int, expected);

    BarFixture f;
    frmMain& form = f.load();
    form.modes->setWindowMode(3);
    form.rememberedMode = remembered;
    form.modes->restoreRememberedMode();
    QCOMPARE(form.windowMode, expected);
}

void TestModes::testStateButtonSteps()
{
    BarFixture f;
    frmMain& form = f.load();
    QCOMPARE(form.windowMode, 1);
    const QList<int> cycle = {2, 3, 1, 2};
    for (int expected : cycle) {
        QTest::mouseClick(form.cmdState, Qt::LeftButton);
        QCOMPARE(form.windowMode, expected);
    }
}

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
