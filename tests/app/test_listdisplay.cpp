// How the lists are shown: the count label shows any count in full without covering its
// neighbours, and the contact drop-down opens without reading every one of a large list.

#include "barfixture.h"
#include "window/countlabel.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QIdentityProxyModel>
#include <QStringListModel>
#include <QtTest>

namespace {

// Counts the names read from the model.
struct CountingModel : QIdentityProxyModel {
    mutable int reads = 0;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            ++reads;
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

class TestListDisplay : public QObject {
    Q_OBJECT

private slots:
    void countLabel_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("3") << 3;
        QTest::newRow("1483") << 1483;
        QTest::newRow("19742") << 19742;
        QTest::newRow("999999") << 999999;
    }
    void countLabel()
    {
        QFETCH(int, count);
        BarFixture f;
        frmMain& form = f.create();
        const QString text = QStringLiteral("(%1)").arg(count);
        countlabel::show(ui<QLabel>(form, "lblContactCount"), text);
        QCOMPARE(ui<QLabel>(form, "lblContactCount")->text(), text);
        QVERIFY2(QFontMetrics(ui<QLabel>(form, "lblContactCount")->font()).horizontalAdvance(text) <=
                     ui<QLabel>(form, "lblContactCount")->width(),
                 "the whole count is shown");

        // In every mode the label stays clear of every other control in the window.
        for (int mode : {3, 1, 2}) {
            form.modes()->setWindowMode(mode);
            const QRect label = ui<QLabel>(form, "lblContactCount")->geometry();
            for (QWidget* other : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (other == ui<QLabel>(form, "lblContactCount") || other->isHidden() ||
                    !form.rect().intersects(other->geometry()))
                    continue;
                QVERIFY2(!label.intersects(other->geometry()),
                         qPrintable(QStringLiteral("mode %1: the label covers %2").arg(mode).arg(other->objectName())));
            }
        }
    }

    void dropDownOpensAtOnce()
    {
        BarFixture f;
        frmMain& form = f.load();
        form.modes()->setWindowMode(2);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList names;
        for (int i = 0; i < 100000; ++i)
            names.append(QStringLiteral("Name %1").arg(i, 6, 10, QLatin1Char('0')));
        QStringListModel source(names);
        CountingModel counting;
        counting.setSourceModel(&source);
        ui<QComboBox>(form, "cmbContacts")->setModel(&counting);
        ui<QComboBox>(form, "cmbContacts")->setCurrentIndex(50000);

        counting.reads = 0;
        ui<QComboBox>(form, "cmbContacts")->showPopup();
        QVERIFY(ui<QComboBox>(form, "cmbContacts")->view()->isVisible());
        // A screenful of names, not a pass over all of them.
        QVERIFY2(counting.reads < 1000, qPrintable(QString::number(counting.reads)));
        ui<QComboBox>(form, "cmbContacts")->hidePopup();
    }
};

QTEST_MAIN(TestListDisplay)
#include "test_listdisplay.moc"
