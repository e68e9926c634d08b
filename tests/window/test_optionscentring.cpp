// The options dialog is centred on the screen by its outer frame, title bar included, as the window
// manager draws it: the arithmetic, and the dialog on a real X display with openbox, measured by
// what the X server says (the window's place and the frame extents the window manager set).

#include "realbar.h"
#include "settings/framecentring.h"
#include "settings/frmoptions.h"

#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

namespace {

// The window with its frame, as the X server and the window manager have it; empty while the
// window manager has not framed it.
QRect outerFrame(const QWidget& window)
{
    const QString id = QString::number(window.winId());
    const QString extents =
        run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    if (!m.hasMatch())
        return {};
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const int left = m.captured(1).toInt(), right = m.captured(2).toInt();
    const int top = m.captured(3).toInt(), bottom = m.captured(4).toInt();
    return {xwininfoField(info, QStringLiteral("Absolute upper-left X")) - left,
            xwininfoField(info, QStringLiteral("Absolute upper-left Y")) - top,
            xwininfoField(info, QStringLiteral("Width")) + left + right,
            xwininfoField(info, QStringLiteral("Height")) + top + bottom};
}

bool centredIn(const QRect& outer, const QRect& screen)
{
    // Halves of odd sizes round down: one pixel either way is centred.
    return !outer.isEmpty() && qAbs((outer.left() - screen.left()) - (screen.right() - outer.right())) <= 1 &&
           qAbs((outer.top() - screen.top()) - (screen.bottom() - outer.bottom())) <= 1;
}

} // namespace

class TestOptionsCentring : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        MessageBox::setTestMode(true);
        QVERIFY(windowManagerReady());
    }

    void centredPosition_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("inner");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QPoint>("place"); // of the inner area

        const QRect screen(0, 0, 1280, 800);
        QTest::newRow("no frame") << screen << QSize(400, 300) << QMargins() << QPoint(440, 250);
        QTest::newRow("title bar and borders")
            << screen << QSize(400, 300) << QMargins(1, 20, 1, 5) << QPoint(440, 257);
        QTest::newRow("second screen to the right") << QRect(1280, 0, 1920, 1080) << QSize(400, 300)
                                                    << QMargins(4, 24, 4, 4) << QPoint(1280 + 756 + 4, 376 + 24);
        QTest::newRow("taller than the screen: the title bar stays on it")
            << screen << QSize(400, 900) << QMargins(1, 20, 1, 5) << QPoint(440, 20);
    }
    void centredPosition()
    {
        QFETCH(QRect, area);
        QFETCH(QSize, inner);
        QFETCH(QMargins, frame);
        QFETCH(QPoint, place);
        QCOMPARE(framecentring::centredPosition(area, inner, frame), place);
    }

    void dialogCentredByItsFrame_data()
    {
        QTest::addColumn<bool>("movedAndReopened");
        QTest::newRow("first opening") << false;
        QTest::newRow("moved by the user, closed and opened again") << true;
    }
    void dialogCentredByItsFrame()
    {
        QFETCH(bool, movedAndReopened);
        frmOptions* dialog = frmOptions::showDialog(m_settings);
        QTRY_VERIFY_WITH_TIMEOUT(exposed(*dialog), kPatience);
        const QRect screen = dialog->screen()->geometry();
        QTRY_VERIFY_WITH_TIMEOUT(!outerFrame(*dialog).isEmpty(), kPatience);
        if (movedAndReopened) {
            dialog->move(dialog->pos() + QPoint(90, 70));
            QTRY_VERIFY_WITH_TIMEOUT(!centredIn(outerFrame(*dialog), screen), kPatience);
            dialog->close();
            QTRY_VERIFY(!frmOptions::instance());
            dialog = frmOptions::showDialog(m_settings);
            QTRY_VERIFY_WITH_TIMEOUT(exposed(*dialog), kPatience);
        }
        QTRY_VERIFY2_WITH_TIMEOUT(centredIn(outerFrame(*dialog), screen),
                                  qPrintable(QStringLiteral("frame %1,%2 %3x%4 on %5x%6: ")
                                                 .arg(outerFrame(*dialog).x())
                                                 .arg(outerFrame(*dialog).y())
                                                 .arg(outerFrame(*dialog).width())
                                                 .arg(outerFrame(*dialog).height())
                                                 .arg(screen.width())
                                                 .arg(screen.height()) +
                                             describe(*dialog)),
                                  kPatience);
        dialog->close();
        QTRY_VERIFY(!frmOptions::instance());
    }

private:
    fake::MemorySettingsStore m_store;
    modSettings m_settings{m_store};
};

QTEST_MAIN(TestOptionsCentring)
#include "test_optionscentring.moc"
