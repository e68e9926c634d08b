#include "contactcopy.h"

#include "contacts/contactsession.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QShortcut>
#include <QWidget>

namespace contactcopy {

QString mailbox(const QString& name, const QString& address)
{
    const QString a = address.trimmed();
    if (a.isEmpty())
        return {};
    const QString n = name.simplified();
    if (n.isEmpty())
        return a;
    // The characters RFC 5322 does not allow in an unquoted display name.
    static const QString specials = QStringLiteral("()<>[]:;@\\,.\"");
    bool quote = false;
    for (const QChar c : n) {
        if (specials.contains(c))
            quote = true;
    }
    if (!quote)
        return QStringLiteral("%1 <%2>").arg(n, a);
    QString escaped = n;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QStringLiteral("\"%1\" <%2>").arg(escaped, a);
}

QString mailboxOf(const contactclient::ContactItem& contact)
{
    const QString name = contact.FullName().isEmpty() ? contact.FileAs() : contact.FullName();
    for (const QString& address : {contact.Email1Address(), contact.Email2Address(), contact.Email3Address()}) {
        if (!address.trimmed().isEmpty())
            return mailbox(name, address);
    }
    return {};
}

void install(QWidget& bar, const ContactSession& session, std::function<void(const QString&)> note)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &bar);
    QObject::connect(shortcut, &QShortcut::activated, &bar, [&session, note = std::move(note)] {
        const std::shared_ptr<contactclient::ContactItem> contact = session.currentContact();
        if (!contact) {
            note(QCoreApplication::translate("frmMain", "Choose a contact to copy its address."));
            return;
        }
        const QString text = mailboxOf(*contact);
        if (text.isEmpty()) {
            note(QCoreApplication::translate("frmMain", "This contact has no e-mail address."));
            return;
        }
        QGuiApplication::clipboard()->setText(text);
        note(QCoreApplication::translate("frmMain", "Copied: %1").arg(text));
    });
}

} // namespace contactcopy
