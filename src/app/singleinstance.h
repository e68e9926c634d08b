#pragma once
// One bar per user and settings file. The first Quintel holds a lock file and listens on a local
// socket in the user's runtime folder; a later one finds the lock taken, asks the running bar to come
// forward and ends. A lock left behind by a crashed bar is taken over (the lock names a process that
// is gone). Bars with different settings folders ($XDG_CONFIG_HOME: a sandbox, a demo) do not meet.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class frmMain;

class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Role {
        Primary,    // this process is the bar; activationRequested() tells when another start asked for it
        Secondary,  // a running bar was asked to come forward; end this process with status 0
        Unreachable // the lock is held by a live process that does not answer
    };

    // folder: where the lock and the socket live; by default the user's runtime folder.
    // profile: what one bar owns; by default the settings folder.
    explicit SingleInstance(const QString& folder = {}, const QString& profile = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    Role start();

    QString lockPath() const;
    QString socketPath() const;
    QString errorText() const { return m_error; }

    // The user's runtime folder ($XDG_RUNTIME_DIR), else a private folder under the temp folder.
    static QString defaultFolder();
    // $XDG_CONFIG_HOME/Quintel, else ~/.config/Quintel: where the settings file lives.
    static QString defaultProfile();

signals:
    // token: the later start's activation token (empty without one), for the bar to take the focus.
    void activationRequested(const QString& token);

private:
    bool listen();
    bool askRunningInstance();

    QString m_folder;
    QString m_name; // file name of the lock and the socket, without extension
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

// Brings the running bar forward: restores it from the tray when it is hidden there.
void raiseBar(frmMain& form);
