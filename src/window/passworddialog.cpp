#include "passworddialog.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QThread>

namespace {

std::optional<QString> askInDialog(const QString& account, const QString& reason)
{
    bool ok = false;
    const QString question =
        QCoreApplication::translate("PasswordDialog", "Password for the address book %1:").arg(account);
    const QString text = reason.isEmpty() ? question : reason + QStringLiteral("\n\n") + question;
    const QString password =
        QInputDialog::getText(nullptr, QStringLiteral("Quintel"), text, QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return password;
}

} // namespace

std::optional<QString> DialogPasswordPrompt::askPassword(const QString& account, const QString& reason)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return std::nullopt;
    if (QThread::currentThread() == app->thread())
        return askInDialog(account, reason);
    std::optional<QString> answer;
    QMetaObject::invokeMethod(
        app, [&] { answer = askInDialog(account, reason); }, Qt::BlockingQueuedConnection);
    return answer;
}
