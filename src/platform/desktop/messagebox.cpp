#include "messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace MessageBox {
namespace {
bool s_testMode = false;

QList<bool>& nextAnswers()
{
    static QList<bool> answers;
    return answers;
}

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

bool hasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}
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
    nextAnswers().clear();
}

void setNextAnswers(const QList<bool>& answers)
{
    nextAnswers() = answers;
}

bool ask(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    if (s_testMode) {
        shownInTest().append({title, text, icon});
        return !nextAnswers().isEmpty() && nextAnswers().takeFirst();
    }
    if (!hasScreen())
        return false;
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(toQt(icon));
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void show(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    if (s_testMode) {
        shownInTest().append({title, text, icon});
        return;
    }
    // On a platform without a screen (offscreen, minimal) nobody could dismiss the box.
    if (!hasScreen())
        return;
    QMessageBox box(parent);
    box.setWindowTitle(title);
    // Texts may quote names and addresses from the address book: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setIcon(toQt(icon));
    box.exec();
}

} // namespace MessageBox
