#include "actionkeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

namespace actionkeys {

const QList<Key>& keys()
{
    static const QList<Key> table = {
        {QStringLiteral("cmdViewContact"), QKeySequence(Qt::CTRL | Qt::Key_1)},
        {QStringLiteral("cmdEMailContact"), QKeySequence(Qt::CTRL | Qt::Key_2)},
        {QStringLiteral("cmdQEmailContact"), QKeySequence(Qt::CTRL | Qt::Key_3)},
        {QStringLiteral("cmdDialContact"), QKeySequence(Qt::CTRL | Qt::Key_4)},
        {QStringLiteral("cmdWriteContact"), QKeySequence(Qt::CTRL | Qt::Key_5)},
        {QStringLiteral("cmdState"), QKeySequence(Qt::CTRL | Qt::Key_M)},
        {QStringLiteral("cmdMin"), QKeySequence(Qt::CTRL | Qt::Key_H)},
        {QStringLiteral("cmdOptions"), QKeySequence(Qt::CTRL | Qt::Key_O)},
        {QStringLiteral("cmdClose"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    return table;
}

QString toolTip(const QString& name, const QKeySequence& keys)
{
    return QCoreApplication::translate("actionkeys", "%1 (%2)").arg(name, keys.toString(QKeySequence::NativeText));
}

void install(QWidget& window, const std::function<bool()>& confirmClose)
{
    for (const Key& key : keys()) {
        auto* button = window.findChild<QAbstractButton*>(key.control);
        if (!button)
            continue;
        button->setToolTip(toolTip(button->accessibleName(), key.keys));
        button->setAccessibleDescription(
            QCoreApplication::translate("actionkeys", "Key: %1").arg(key.keys.toString(QKeySequence::NativeText)));
        auto* shortcut = new QShortcut(key.keys, &window);
        const bool asks = key.control == QLatin1String("cmdClose");
        QObject::connect(shortcut, &QShortcut::activated, button, [button, asks, confirmClose] {
            if (!button->isVisible() || !button->isEnabled())
                return;
            if (asks && confirmClose && !confirmClose())
                return;
            button->click();
        });
    }
}

} // namespace actionkeys
