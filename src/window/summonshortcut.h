#pragma once
// The summon shortcut on the desktop: on X11 a key grab on the root window; under Wayland the
// desktop portal's global shortcuts where the portal offers them. Either way activated() says the
// user pressed it, and failed() says, in words for the user, why it does not work (a combination
// another program holds is reported, never dropped without a word).

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class PortalShortcut;

class SummonShortcut : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit SummonShortcut(QObject* parent = nullptr);
    ~SummonShortcut() override;

    // Takes the combination ("Ctrl+Alt+Q"), giving up the one held before; an empty text switches
    // the shortcut off. The outcome comes as active() or failed(), on X11 before this returns.
    void setShortcut(const QString& text);
    QString shortcut() const { return m_text; }
    bool isActive() const { return m_active; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void activated();
    void failed(const QString& message);

private:
    bool grabX11(unsigned modifiers, unsigned keysym);
    void releaseX11();
    void fail(const QString& message);

    QString m_text;
    bool m_active = false;
    // X11: what is grabbed.
    unsigned m_root = 0;
    unsigned m_modifiers = 0;
    QList<unsigned char> m_keycodes;
    std::unique_ptr<PortalShortcut> m_portal;
};
