#pragma once
// Works the next popup menu with keys, as a user would: Down to the entry, Return. The entries
// it showed are kept.

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

struct MenuPick {
    QStringList shown; // the entries' texts, in order
    bool opened = false;

    // index: the entry to take (0: the one the menu opens on); -1: Escape.
    void next(int index)
    {
        QTimer::singleShot(0, [this, index] {
            QMenu* menu = nullptr;
            const bool shownInTime = QTest::qWaitFor(
                [&menu] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, 5000);
            if (!shownInTime || !menu)
                return;
            opened = true;
            for (const QAction* action : menu->actions())
                shown << action->text();
            if (index < 0) {
                QTest::keyClick(menu, Qt::Key_Escape);
                return;
            }
            for (int i = 0; i < index; ++i)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
    }
};
