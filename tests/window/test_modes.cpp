// The three window modes: heights, where the bar's controls stand, the quick-mail area's
// visibility, and the bottom edge that never moves.

#include "support/barfixture.h"
#include "window/twips.h"
#include "window/windowmodes.h"

#include <QRandomGenerator>
#include <QResizeEvent>
#include <QTest>
#include <QToolButton>

namespace {

int bottomOf(const QWidget* w)
{
    return twips::geometry(w).y() + twips::geometry(w).height();
}

// Records the window's heights in pixels as it is laid out.
struct HeightLog : QObject {
    QList<int> heights;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            heights.append(static_cast<QResizeEvent*>(event)->size().height());
        return false;
    }
};

const QStringList kMoving = {
    QStringLiteral("cmdDialContact"),   QStringLiteral("cmdViewContact"),  QStringLiteral("cmdEMailContact"),
    QStringLiteral("cmdQEmailContact"), QStringLiteral("cmdWriteContact"), QStringLiteral("txtContact"),
    QStringLiteral("txtStatus"),        QStringLiteral("cmdOptions"),      QStringLiteral("cmdState"),
    QStringLiteral("cmbCategories"),    QStringLiteral("cmbContacts"),     QStringLiteral("imgOne"),
    QStringLiteral("imgTwo"),           QStringLiteral("lblContactCount"), QStringLiteral("cmdMin"),
    QStringLiteral("cmdClose"),         QStringLiteral("cmdCancelMail")};

} // namespace

class TestModes : public QObject {
    Q_OBJECT

private slots:
    void testLayoutOfMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<int>>("tops"); // in the order of kMoving
        QTest::addColumn<bool>("mailVisible");
        QTest::newRow("entry row") << 1 << 400 << QList<int>{25,   25,   25,   25,   25,   70, 70, 205, 205,
                                                             -290, -290, -335, -335, -245, 0,  0,  1125}
                                   << false;
        QTest::newRow("selector row") << 2 << 800 << QList<int>{425, 425, 425, 425, 425, 470, 470, 605, 605,
                                                                110, 110, 65,  65,  155, 0,   0,   1125}
                                      << false;
        QTest::newRow("quick mail") << 3 << 2355 << QList<int>{1980, 1980, 1980, 1980, 1980, 2025, 2025, 2160, 2160,
                                                               1665, 1665, 1620, 1620, 1710, 0,    0,    1125}
                                    << true;
    }
    void testLayoutOfMode()
    {
        QFETCH(int, mode);
        QFETCH(int, height);
        QFETCH(QList<int>, tops);
        QFETCH(bool, mailVisible);

        BarFixture f;
        frmMain& form = f.load();
        form.modes()->setWindowMode(mode);
        QCOMPARE(form.modeState().windowMode, mode);
        QCOMPARE(twips::geometry(&form).size(), QSize(6525, height));
        QCOMPARE(form.height(), twips::toPixels(height));
        for (int i = 0; i < kMoving.size(); ++i)
            QVERIFY2(twips::top(form.control(kMoving[i])) == tops[i], qPrintable(kMoving[i]));
        for (const char* name : {"txtSubject", "txtBody", "cmdSendMail", "cmdClearMail"})
            QVERIFY2(form.control(QString::fromLatin1(name))->isVisible() == mailVisible, name);
        // The cancel button stays visible; outside the full mode it lies below the window's bottom.
        QVERIFY(form.control(QStringLiteral("cmdCancelMail"))->isVisible());
    }

    void testBottomEdgeKeptAndThreeStepsReturnHome()
    {
        BarFixture f;
        frmMain& form = f.load();
        const int bottom = bottomOf(&form);
        const int left = twips::geometry(&form).x();
        QRandomGenerator random(20261206);
        for (int i = 0; i < 40; ++i) {
            if (random.bounded(2) == 0)
                form.modes()->setWindowMode(random.bounded(1, 4));
            QMap<QWidget*, QRect> home;
            for (QWidget* w : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                home.insert(w, twips::geometry(w));
            const QRect window = twips::geometry(&form);
            for (int step = 0; step < 3; ++step) {
                QTest::mouseClick(ui<QToolButton>(form, "cmdState"), Qt::LeftButton);
                QCOMPARE(bottomOf(&form), bottom);
                QCOMPARE(twips::geometry(&form).x(), left);
                QCOMPARE(form.geometry().bottom() + 1, twips::toPixels(bottom));
            }
            QCOMPARE(twips::geometry(&form), window);
            for (auto it = home.cbegin(); it != home.cend(); ++it)
                QVERIFY2(twips::geometry(it.key()) == it.value(), qPrintable(it.key()->objectName()));
        }
    }

    void testSetWindowMode_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("target");
        QTest::addColumn<std::optional<int>>("remembered"); // when set: restoreRememberedMode instead
        QTest::addColumn<QList<int>>("heights");            // the heights the window passes through
        QTest::addColumn<int>("mode");

        const std::optional<int> none;
        QTest::newRow("3 to 2 passes 1") << 3 << 2 << none << QList<int>{400, 800} << 2;
        QTest::newRow("1 to 1 stays") << 1 << 1 << none << QList<int>{} << 1;
        QTest::newRow("1 to 3") << 1 << 3 << none << QList<int>{800, 2355} << 3;
        QTest::newRow("out of range means 1") << 2 << 7 << none << QList<int>{2355, 400} << 1;
        QTest::newRow("zero means 1") << 3 << 0 << none << QList<int>{400} << 1;
        QTest::newRow("back to remembered 2") << 3 << 0 << std::optional<int>(2) << QList<int>{400, 800} << 2;
        QTest::newRow("remembered 3 stays") << 3 << 0 << std::optional<int>(3) << QList<int>{} << 3;
        // The full mode reached with cmdState: nothing remembered, back to the smallest.
        QTest::newRow("nothing remembered") << 3 << -1 << none << QList<int>{400} << 1;
    }
    void testSetWindowMode()
    {
        QFETCH(int, from);
        QFETCH(int, target);
        QFETCH(std::optional<int>, remembered);
        QFETCH(QList<int>, heights);
        QFETCH(int, mode);

        BarFixture f;
        frmMain& form = f.load();
        form.modes()->setWindowMode(from);
        form.modeState().rememberedMode = remembered;
        HeightLog log;
        form.installEventFilter(&log);
        if (remembered || target < 0)
            form.modes()->restoreRememberedMode();
        else
            form.modes()->setWindowMode(target);
        form.removeEventFilter(&log);
        QList<int> pixels;
        for (int h : std::as_const(heights))
            pixels.append(twips::toPixels(h));
        QCOMPARE(log.heights, pixels);
        QCOMPARE(form.modeState().windowMode, mode);
    }
};

QTEST_MAIN(TestModes)
#include "test_modes.moc"
