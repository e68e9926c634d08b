#pragma once
// The summon shortcut through the XDG desktop portal's GlobalShortcuts interface (Wayland desktops
// that offer it): a session, one shortcut bound in it, and the portal's word when it is pressed.

#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

class PortalShortcut : public QObject {
    Q_OBJECT

public:
    explicit PortalShortcut(QObject* parent = nullptr);
    ~PortalShortcut() override;

    // Whether the session bus has a portal with the GlobalShortcuts interface.
    static bool isOffered();

    // Asks the portal for the shortcut, with trigger as the preferred combination ("CTRL+ALT+q").
    void bind(const QString& trigger);

    static const QString kShortcutId;

signals:
    void bound(const QString& triggerDescription);
    void activated();
    void failed(const QString& message);

private slots:
    void onSessionCreated(uint response, const QVariantMap& results);
    void onBound(uint response, const QVariantMap& results);
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);

private:
    QString requestPath(const QString& token) const;
    bool watchRequest(const QString& token, const char* slot);

    QString m_trigger;
    QString m_session;
};
