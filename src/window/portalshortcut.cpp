#include "portalshortcut.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QRandomGenerator>

const QString PortalShortcut::kShortcutId = QStringLiteral("summon");

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// One shortcut as BindShortcuts takes it: (sa{sv}).
struct PortalShortcutEntry {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

QString token()
{
    return QStringLiteral("quintel%1").arg(QRandomGenerator::global()->generate());
}

QString responseProblem(uint response)
{
    return response == 1
               ? QCoreApplication::translate("SummonShortcut", "the shortcut was not accepted in the desktop's dialog")
               : QCoreApplication::translate("SummonShortcut", "the desktop portal refused it");
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcutEntry)

PortalShortcut::PortalShortcut(QObject* parent) : QObject(parent)
{
    qDBusRegisterMetaType<PortalShortcutEntry>();
    qDBusRegisterMetaType<QList<PortalShortcutEntry>>();
}

PortalShortcut::~PortalShortcut()
{
    if (!m_session.isEmpty()) {
        QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(kService, m_session, QStringLiteral("org.freedesktop.portal.Session"),
                                           QStringLiteral("Close")),
            QDBus::NoBlock);
    }
}

bool PortalShortcut::isOffered()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kService))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

QString PortalShortcut::requestPath(const QString& handleToken) const
{
    QString sender = QDBusConnection::sessionBus().baseService();
    sender.remove(0, 1).replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + handleToken;
}

bool PortalShortcut::watchRequest(const QString& handleToken, const char* slot)
{
    // Listening before the call: the answer may come before the call returns the request's path.
    return QDBusConnection::sessionBus().connect(kService, requestPath(handleToken), kRequest,
                                                 QStringLiteral("Response"), this, slot);
}

void PortalShortcut::bind(const QString& trigger)
{
    m_trigger = trigger;
    const QString handleToken = token();
    watchRequest(handleToken, SLOT(onSessionCreated(uint, QVariantMap)));
    QDBusMessage create = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("CreateSession"));
    create << QVariantMap{{QStringLiteral("handle_token"), handleToken},
                          {QStringLiteral("session_handle_token"), token()}};
    auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(create), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* watcher) {
        watcher->deleteLater();
        if (watcher->isError())
            emit failed(QCoreApplication::translate("SummonShortcut", "The desktop portal gives no shortcut: %1")
                            .arg(watcher->error().message()));
    });
}

void PortalShortcut::onSessionCreated(uint response, const QVariantMap& results)
{
    if (response != 0) {
        emit failed(QCoreApplication::translate("SummonShortcut", "The summon shortcut cannot be set: %1.")
                        .arg(responseProblem(response)));
        return;
    }
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_session = handle.canConvert<QDBusObjectPath>() && handle.metaType() == QMetaType::fromType<QDBusObjectPath>()
                    ? handle.value<QDBusObjectPath>().path()
                    : handle.toString();
    QDBusConnection::sessionBus().connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                                          SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));

    const QString handleToken = token();
    watchRequest(handleToken, SLOT(onBound(uint, QVariantMap)));
    QDBusMessage bindCall =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("BindShortcuts"));
    const QList<PortalShortcutEntry> shortcuts{
        {kShortcutId,
         {{QStringLiteral("description"), QStringLiteral("Show the Quintel contact bar")},
          {QStringLiteral("preferred_trigger"), m_trigger}}}};
    bindCall << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariant::fromValue(shortcuts) << QString()
             << QVariantMap{{QStringLiteral("handle_token"), handleToken}};
    auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(bindCall), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* watcher) {
        watcher->deleteLater();
        if (watcher->isError())
            emit failed(QCoreApplication::translate("SummonShortcut", "The desktop portal gives no shortcut: %1")
                            .arg(watcher->error().message()));
    });
}

void PortalShortcut::onBound(uint response, const QVariantMap& results)
{
    if (response != 0) {
        emit failed(QCoreApplication::translate("SummonShortcut", "The summon shortcut cannot be set: %1.")
                        .arg(responseProblem(response)));
        return;
    }
    QList<PortalShortcutEntry> shortcuts;
    const QVariant list = results.value(QStringLiteral("shortcuts"));
    if (list.canConvert<QDBusArgument>())
        list.value<QDBusArgument>() >> shortcuts;
    for (const PortalShortcutEntry& entry : std::as_const(shortcuts)) {
        if (entry.id != kShortcutId)
            continue;
        const QString description = entry.properties.value(QStringLiteral("trigger_description")).toString();
        // The desktop binds the shortcut but leaves it without keys when the combination is taken.
        if (description.isEmpty())
            break;
        emit bound(description);
        return;
    }
    emit failed(QCoreApplication::translate(
        "SummonShortcut", "The desktop did not give the summon shortcut a key combination (another program may "
                          "hold it): choose one in the desktop's keyboard settings."));
}

void PortalShortcut::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                                 const QVariantMap& options)
{
    Q_UNUSED(timestamp);
    if (session.path() != m_session || id != kShortcutId)
        return;
    // A portal that hands over an activation token lets the bar take the focus under Wayland.
    const QString activation = options.value(QStringLiteral("activation_token")).toString();
    if (!activation.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activation.toUtf8());
    emit activated();
}
