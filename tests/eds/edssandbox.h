#pragma once
// A private desktop address book for tests: a dbus-daemon of its own whose services are the
// installed evolution-source-registry and evolution-addressbook-factory, with the XDG folders in a
// temporary folder, so that nothing of the user's is read or touched. stop() ends every process
// on that bus (the factories included) and then the bus.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class EdsSandbox {
public:
    enum class Services {
        Eds,     // the real registry and address-book factory
        None,    // a bus without them: no desktop address book on this machine
        Hanging, // a registry that is started but never answers
    };

    explicit EdsSandbox(Services services = Services::Eds);
    ~EdsSandbox();

    // Starts the bus; false with error() set when it cannot.
    bool start();
    void stop();
    QString error() const { return m_error; }

    // What a process needs to use this sandbox: the bus and the XDG folders.
    QProcessEnvironment environment() const;
    // Makes this process use the sandbox. Call before anything in the process touches GLib's
    // session bus or user folders: GLib keeps the first values it sees.
    void enterThisProcess() const;

private:
    bool writeConfig();
    void endBusClients();

    Services m_services;
    QTemporaryDir m_root;
    QProcess m_bus;
    QString m_address;
    QString m_error;
};
