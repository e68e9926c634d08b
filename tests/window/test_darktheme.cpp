// The bar under a dark theme (Fusion with a dark palette): text on the bar's fixed light
// backgrounds is drawn in a colour that can be read on them, not in the theme's light text colour.

#include "support/barfixture.h"
#include "window/contrast.h"

#include <QApplication>
#include <QStyleFactory>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestDarkTheme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(235, 235, 235));
        dark.setColor(QPalette::Button, QColor(60, 60, 60));
        dark.setColor(QPalette::ButtonText, QColor(235, 235, 235));
        QApplication::setPalette(dark);
    }

    void textReadsOnFixedBackground_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("background");
        QTest::newRow("subject") << u"txtSubject"_s << QColor(255, 255, 192);
        QTest::newRow("mail text") << u"txtBody"_s << QColor(255, 255, 192);
        QTest::newRow("SEND") << u"cmdSendMail"_s << QColor(192, 255, 192);
        QTest::newRow("CANCEL") << u"cmdCancelMail"_s << QColor(255, 192, 192);
        QTest::newRow("contact count on the bar") << u"lblContactCount"_s << QColor(192, 192, 255);
        QTest::newRow("status line") << u"txtStatus"_s << QColor(64, 64, 64);
        QTest::newRow("entry box") << u"txtContact"_s << QColor(0, 0, 128);
    }
    void textReadsOnFixedBackground()
    {
        QFETCH(QString, control);
        QFETCH(QColor, background);
        BarFixture f;
        frmMain& form = f.load();
        QWidget* w = form.control(control);
        QVERIFY(w);
        w->ensurePolished();
        const QColor text = w->palette().color(w->foregroundRole());
        QVERIFY2(
            contrast::ratio(text, background) >= contrast::kReadable,
            qPrintable(u"%1 on %2: %3"_s.arg(text.name(), background.name()).arg(contrast::ratio(text, background))));
    }

    void contrastRatio_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("theme");
        QTest::addColumn<QColor>("drawn");
        QTest::newRow("light theme on pale yellow: kept")
            << QColor(255, 255, 192) << QColor(20, 20, 20) << QColor(20, 20, 20);
        QTest::newRow("dark theme on pale yellow: black")
            << QColor(255, 255, 192) << QColor(235, 235, 235) << QColor(Qt::black);
        QTest::newRow("grey theme text on pale green: black")
            << QColor(192, 255, 192) << QColor(128, 128, 128) << QColor(Qt::black);
        QTest::newRow("dark theme on navy: kept")
            << QColor(0, 0, 128) << QColor(235, 235, 235) << QColor(235, 235, 235);
        QTest::newRow("black theme text on navy: white") << QColor(0, 0, 128) << QColor(Qt::black) << QColor(Qt::white);
    }
    void contrastRatio()
    {
        QFETCH(QColor, background);
        QFETCH(QColor, theme);
        QFETCH(QColor, drawn);
        QCOMPARE(contrast::textOn(background, theme), drawn);
    }
};

QTEST_MAIN(TestDarkTheme)
#include "test_darktheme.moc"
