#include "messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace MessageBox {
namespace {
bool s_testMode = false;
} // namespace

QList<Shown>& shownInTest()
{
    static QList<Shown> shown;
    return shown;
}

void setTestMode(bool on)
{
    s_testMode = on;
    shownInTest().clear();
}

void show(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    if (s_testMode) {
        shownInTest().append({title, text, icon});
        return;
    }
    // On a platform without a screen (offscreen, minimal) nobody could dismiss the box.
    const QString platform = QGuiApplication::platformName();
    if (platform == QStringLiteral("offscreen") || platform == QStringLiteral("minimal"))
        return;
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // Texts may quote names and addresses from the address book: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.exec();
}

} // namespace MessageBox
