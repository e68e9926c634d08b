// What the entry box shows: navy ground, pale green letters, and the completed tail of a name in
// the colours swapped, whatever state the window is in.

#include "barfixture.h"

#include <QImage>
#include <QLineEdit>
#include <QtTest>

namespace {

const QColor kGround(0, 0, 128);
const QColor kLetters(192, 255, 192);

// How many pixels of the area have exactly this colour.
int count(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    }
    return n;
}

} // namespace

class TestEntryLook : public QObject {
    Q_OBJECT

private slots:
    void colours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectFrom");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("focused");

        QTest::newRow("typed, no tail") << QStringLiteral("Smith") << -1 << true << true;
        QTest::newRow("completed tail") << QStringLiteral("Smith, James") << 3 << true << true;
        QTest::newRow("all selected") << QStringLiteral("Jones, Mary") << 0 << true << true;
        QTest::newRow("focus elsewhere") << QStringLiteral("Smith, James") << 3 << true << false;
        QTest::newRow("disabled") << QStringLiteral("Smith") << -1 << false << false;
        QTest::newRow("empty") << QString() << -1 << true << true;
    }
    void colours()
    {
        QFETCH(QString, text);
        QFETCH(int, selectFrom);
        QFETCH(bool, enabled);
        QFETCH(bool, focused);

        BarFixture f;
        frmMain& form = f.load();
        QTRY_VERIFY(form.session()->isLoaded());
        QLineEdit* box = ui<QLineEdit>(form, "txtContact");
        box->setEnabled(enabled);
        box->setText(text);
        if (selectFrom >= 0)
            box->setSelection(selectFrom, static_cast<int>(text.size()) - selectFrom);
        if (focused)
            box->setFocus(Qt::OtherFocusReason);
        else
            ui<QToolButton>(form, "cmdOptions")->setFocus(Qt::OtherFocusReason);

        const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect all = image.rect();
        // Edge to edge: no frame is drawn around the box.
        for (const QPoint corner : {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()})
            QCOMPARE(image.pixelColor(corner), kGround);

        if (selectFrom < 0) {
            QCOMPARE(count(image, all, kLetters) > 0, !text.isEmpty());
            return;
        }
        // The selected tail lies on a pale green band; the typed part stays on navy. The text begins a couple of pixels
        // in; the spans are taken with a few pixels to spare at each end.
        const QFontMetrics fm(box->font());
        const int left = 2 + fm.horizontalAdvance(text.left(selectFrom));
        const int right = 2 + fm.horizontalAdvance(text);
        const QRect band(left + 3, all.height() / 2 - 3, right - left - 6, 7);
        QVERIFY2(count(image, band, kLetters) > count(image, band, kGround), "no selection band");
        if (selectFrom > 0) {
            const QRect typed(3, band.top(), left - 6, band.height());
            QVERIFY2(count(image, typed, kGround) > count(image, typed, kLetters), "typed part not on navy");
        }
    }
};

QTEST_MAIN(TestEntryLook)
#include "test_entrylook.moc"
